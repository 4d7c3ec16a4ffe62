#pragma once
// The deck's section archive at a Save As. A data file opens only with the archive beside it: the
// deck's own archive goes along into a folder that has none, and whatever else stands at the
// archive's name there is named before the deck is saved there.
#include <string>

#include "model/Session.h"
#include "model/files/ArchiveAlong.h"
#include "platform/Platform.h"

// What the chosen folder's archive asks of the save, found before the data file is written.
struct SaveAsArchive : ArchiveAlong {
    bool Proceed = true;  // false: the user chose not to save beside what stands at the archive's name
};

// Before a Save As writes the data file `chosen`. For a document holding a deck, its archive (the
// one in the folder the deck was read from) is read as it stands; an archive in the chosen folder
// is compared with it byte for byte, and one that differs (or cannot be read itself, or stands
// where the deck's own cannot be read), or anything else standing at the archive's name (a folder,
// a link to nothing), asks, Yes or No, whether to save there all the same. The document without a
// deck has no archive: nothing is asked or needed.
SaveAsArchive CheckArchiveForSaveAs(const Session& session, MessageBoxes& messages, const std::string& chosen);

// After the data file `chosen` has been written: the deck's archive copied beside it where the
// check found none, never over or through anything that stands there meanwhile. When it cannot be,
// the user is told that the deck needs its archive there; the data file stays saved either way.
void PlaceArchiveAfterSaveAs(const SaveAsArchive& archive, const Session& session, MessageBoxes& messages,
                             const std::string& chosen);

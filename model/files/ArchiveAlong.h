#pragma once
// The deck's section archive at a save into a folder: a data file opens only with the archive
// beside it, so the deck's own archive goes along into a folder that has none, and whatever else
// stands at the archive's name there is found before the data file is written.
#include <string>
#include <system_error>

// What stands at the archive's name in the folder the deck is saved to.
enum class ArchiveThere {
    Nothing,        // the name is free: the deck's archive goes there
    DecksArchive,   // the deck's own archive, byte for byte
    OtherArchive,   // another archive, or one where the deck's own cannot be read
    Unreadable,     // a regular file that cannot be read
    Folder,         // a folder
    LinkToNothing,  // a link that leads nowhere
    OtherThing,     // anything else that is no regular file
};

// The check before a save, and what the copy after it needs.
struct ArchiveAlong {
    ArchiveThere There = ArchiveThere::DecksArchive;
    std::string TherePath;    // the archive's name in the folder saved to
    bool CopyNeeded = false;  // nothing there: the deck's goes along once the data file is written
    bool DeckArchiveRead = false;
    std::string DeckArchive;  // the bytes of the deck's archive as it stood when checked
};

// Before the data file `savedTo` of a deck read from `deckArchiveFolder` is written: reads the
// deck's archive as it stands and looks at what stands at the archive's name beside `savedTo`
// (a link to a file is judged by that file).
ArchiveAlong CheckArchiveAlong(const std::string& deckArchiveFolder, const std::string& savedTo);

// Whether the data file may be saved without a word: the deck's own archive stands there, or
// nothing does and the deck's goes along.
bool ArchiveFits(const ArchiveAlong& archive);

// After the data file `savedTo` has been written: the deck's archive copied beside it where the
// check found nothing there, never over or through anything that stands there meanwhile. False
// when it could not be, with the cause in `error` (none where the deck's own archive could not be
// read).
bool PlaceArchiveAlong(const ArchiveAlong& archive, const std::string& savedTo, std::error_code& error);

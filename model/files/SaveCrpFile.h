#pragma once
// Saving a deck: the model sections of file version 9 followed by the drawing data of version 7,
// so that a load brings the deck back as it is, derived plan geometry included.
//
// The previous file is never destroyed: the text goes to a temporary file beside it, which
// replaces the old file only once it has been written whole. A read-only file is overwritten
// only after the user has answered Yes.
#include <cstdint>
#include <string>

#include "model/Session.h"
#include "platform/Platform.h"
#include "model/files/DrawingDataSections.h"
#include "state/TextDigest.h"

// The file version this program writes.
constexpr int32_t CurrentFileVersion = 9;

// The whole data file of `model` as written for the given versions (the save writes the current
// ones; older ones serve to build decks of earlier program versions).
std::string FormatCrpText(const Model& model, const ConstDeckOptions& options,
                          int32_t fileVersion = CurrentFileVersion,
                          int32_t drawingDataVersion = CurrentDrawingDataVersion);

// The whole data file a save of `session`'s deck writes.
std::string FormatSessionText(const Session& session);
// Its digest, taken as it is formatted: the text is never held whole.
TextDigest SessionTextDigest(const Session& session);

// True when no one may write the file: the read-only attribute of this platform.
bool IsReadOnlyFile(const std::string& path);

enum class SaveOutcome {
    Written,
    Declined,  // the user chose not to overwrite a read-only file
    Failed,    // the file could not be written; a message has said why
};

// Writes the deck of `session` to `path`. When it is not written the previous file is as it was.
// Changes nothing in the model; the digest of the text written (the one FormatSessionText gives)
// is the document's unchanged state from then on.
SaveOutcome WriteCrpFile(const std::string& path, Session& session, Platform& platform);
// True when WriteCrpFile wrote the file.
bool SaveCrpFile(const std::string& path, Session& session, Platform& platform);

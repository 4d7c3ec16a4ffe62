#pragma once
// Reading and writing files in one piece: every file the program reads or writes goes through here.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "model/files/FileCalls.h"
#include "model/files/FileErrors.h"
#include "model/files/NewFiles.h"
#include "model/files/ReplacementChecks.h"

// Reads a whole file into `text`; false when it cannot be opened or read, or is larger than any
// deck could be.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes `text` to `path` byte for byte; false when the file cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& text);

// Puts what was written to the temporary file on the disk, checks its target again as it stands
// now, gives a nameless file a new name of its own beside it and then the name of the target.
// False, with the cause, when it could not: the temporary file is removed and the target untouched.
bool CommitTemporary(TemporaryFile& temporary, std::error_code& error);

// Replaces `path` by a file holding `text`, never leaving a half-written file in its place: the
// text goes to a temporary file beside it, reaches the disk, and only then takes the old file's
// name. A link keeps pointing where it did: the file it points to is replaced. False, with the
// reason in `reason`, when anything failed (a read-only file is refused); the old file is then
// untouched and nothing is left beside it.
bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason);
// As above, with the cause as an error code, for callers that tell causes apart.
bool ReplaceWholeFile(const std::string& path, const std::string& text, std::error_code& error);
// As above, the text given as pieces written one after the other, so that a text put together
// from large parts need not be copied into one string first.
bool ReplaceWholeFile(const std::string& path, std::span<const std::string_view> pieces, std::error_code& error);

// Writes `text` to a new file named `path` without ever following that name: when anything stands
// there already (a file, a link, a folder), a new name beside it, `path` with a suffix of its own,
// is made instead. The text reaches the disk. `created` is the name made. False, with the cause,
// when it could not be written; nothing is left then.
bool WriteNewFile(const std::string& path, std::string_view text, std::string& created, std::error_code& error);
// As above, with the new name chosen as `choice` says; the file is closed once its text is whole.
bool WriteNewFileAs(const std::string& path, NewName choice, std::string_view text, std::string& created,
                  std::error_code& error);

// One file's new text, as pieces, or written into the open temporary file by `Write` when it is
// given (false, with the cause, when it could not write).
struct WholeFileText {
    std::string Path;
    std::span<const std::string_view> Pieces;
    std::function<bool(std::FILE* file, std::error_code& error)> Write = nullptr;
};
// How a commit of several files ended.
struct WholeFilesCommit {
    std::error_code Error;            // the cause, when it failed
    FileStep Step = FileStep::Check;  // the step the cause stopped
    size_t Failed = 0;                // the index of the file the cause concerns
    size_t Replaced = 0;              // how many files, from the first on, took their new text
};
// Replaces the files together. Each target and its folder are checked first (see
// ReplacementRefusal; no two targets may be one file). Every text is then written and put on the
// disk, without a name where the file system allows it; the targets are followed and checked again
// as they stand then, and only after that is each file named beside its target and renamed to it,
// one after the other, with the old targets held open meanwhile so that no rename has to free an
// old file's room. False, with the cause in `commit`, when one could not be written: none of them
// has changed then, short of a rename refused after the first ones, which `Replaced` tells.
// `readOnly` says whether a read-only target may be replaced (by a file read-only in turn).
bool ReplaceWholeFiles(std::span<const WholeFileText> files, WholeFilesCommit& commit, const CommitCalls& calls = {},
                       ReadOnlyTarget readOnly = ReadOnlyTarget::Refused);
// As above, for callers that need only the cause and the file it concerns.
bool ReplaceWholeFiles(std::span<const WholeFileText> files, std::error_code& error, size_t& failed);

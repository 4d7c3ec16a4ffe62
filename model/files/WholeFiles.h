#pragma once
// Reading and writing files in one piece: every file the program reads or writes goes through here.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

// Reads a whole file into `text`; false when it cannot be opened or read, or is larger than any
// deck could be.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes `text` to `path` byte for byte; false when the file cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& text);

// The causes of a refused replacement that the system's own error codes do not name.
enum class WholeFileError {
    ReadOnly = 1,      // the file to replace has no write permission for anybody
    NotARegularFile,   // it is a device, a pipe or a socket
};
const std::error_category& WholeFileCategory();
std::error_code make_error_code(WholeFileError error);
template <>
struct std::is_error_code_enum<WholeFileError> : std::true_type {};

// A new file, open for writing, beside the file it is to replace. Closed and removed when it goes
// out of scope without having been committed.
struct TemporaryFile {
    std::FILE* File = nullptr;
    std::string Path;    // its own name, in the folder of Target
    std::string Target;  // the file it replaces: where the links of the name given end, never a link

    TemporaryFile() = default;
    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&& other) noexcept;
    ~TemporaryFile();
};

// Creates an empty temporary file in the folder of the file `path` names (following the links of
// `path` to the file they end at), under a new name of its own: it is never a file or a link that
// was there before. It has the permission bits of the file it will replace, or the usual ones of a
// new file. Where the file system allows it, it has no name at all until it is whole (`Path` is
// empty meanwhile), so that a process killed before then leaves nothing behind. False, with the
// cause, when the file to replace is read-only or is no regular file, or the temporary file cannot
// be made.
bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error);
// A scratch file beside the file `path` names (following its links), for a large text kept out of
// memory until it is copied into that file: open for reading and writing, for the owner alone,
// and without a name (`Path` empty) from the moment it exists, so that it goes with the process
// however that ends.
bool CreateScratchBeside(const std::string& path, TemporaryFile& scratch, std::error_code& error);
// Puts what was written to the temporary file on the disk (giving a nameless one a new name of its
// own beside its target) and then gives it the name of its target.
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

// Whether replacing `first` and replacing `second` would write one and the same name: their links
// followed as a replacement follows them (a link to nothing included), they end at the same name in
// the same folder (folders told apart by device and inode). Two hard links are two names.
bool ReplaceTheSameName(const std::string& first, const std::string& second);

// Writes `text` to a new file named `path` without ever following that name: when anything stands
// there already (a file, a link, a folder), a new name beside it, `path` with a suffix of its own,
// is made instead. The text reaches the disk. `created` is the name made. False, with the cause,
// when it could not be written; nothing is left then.
bool WriteNewFile(const std::string& path, std::string_view text, std::string& created, std::error_code& error);

// One file's new text, as pieces, or written into the open temporary file by `Write` when it is
// given (false, with the cause, when it could not write).
struct WholeFileText {
    std::string Path;
    std::span<const std::string_view> Pieces;
    std::function<bool(std::FILE* file, std::error_code& error)> Write = nullptr;
};
// Replaces the files together: every text is whole on the disk under its temporary name before any
// file takes its new text. False, with the cause and the index of the file it concerns, when one
// could not be written; none of them has changed then (short of a last rename refused after the
// first ones, which only a folder changed in between can bring about).
bool ReplaceWholeFiles(std::span<const WholeFileText> files, std::error_code& error, size_t& failed);

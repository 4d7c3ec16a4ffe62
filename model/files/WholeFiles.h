#pragma once
// Reading and writing files in one piece: every file the program reads or writes goes through here.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include <sys/types.h>

// Reads a whole file into `text`; false when it cannot be opened or read, or is larger than any
// deck could be.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes `text` to `path` byte for byte; false when the file cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& text);

// The causes of a refused replacement that the system's own error codes do not name.
enum class WholeFileError {
    ReadOnly = 1,      // the file to replace has no write permission for anybody
    NotARegularFile,   // it is a device, a pipe or a socket
    OneFile,           // two files of one commit would end up as one file
    StickyFolder,      // another user's file in a shared folder that only lets its owners remove files
    ImmutableFile,     // the file to replace has the immutable attribute
    AppendOnlyFile,    // the file to replace has the append-only attribute
    ImmutableFolder,   // its folder has the immutable attribute
    AppendOnlyFolder,  // its folder has the append-only attribute
};
const std::error_category& WholeFileCategory();
std::error_code make_error_code(WholeFileError error);
template <>
struct std::is_error_code_enum<WholeFileError> : std::true_type {};

// What would refuse `user` the replacement of the file `path` names (its links followed), checked
// before anything is written: the file is a folder, no regular file or read-only; it or its folder
// has the immutable or append-only attribute (where the file system tells); or the folder is
// sticky and neither it nor the file belongs to `user` (root is never refused that). Empty when
// nothing of that stands in the way.
std::error_code ReplacementRefusal(const std::string& path, uid_t user);
// As above, for the user this process runs as.
std::error_code ReplacementRefusal(const std::string& path);

// Whether temporary files made in `folder` have no name until their text is whole: the file
// system makes nameless files and the process's own list of open files can name them.
bool MakesNamelessFiles(const std::string& folder);

// The calls of a commit that the system may refuse, each the system's own unless given, so that a
// refusal can be brought about where the system would not give it.
struct CommitCalls {
    // Gives the open nameless file `descriptor` the name `name` (the system's: linkat through
    // /proc/self/fd); -1 with errno set when it could not.
    std::function<int(int descriptor, const char* name)> Link;
    std::function<int(const char* from, const char* to)> Rename;
    std::function<int(int descriptor, mode_t mode)> ChangeMode;
};

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
// was there before. It has the permission bits of the file it will replace (where the file system
// lets them be given), or the usual ones of a new file. Where the file system allows it, it has no
// name at all until it is committed (`Path` is empty meanwhile), so that a process killed before
// then leaves nothing behind. False, with the cause, when the replacement would be refused (see
// ReplacementRefusal) or the temporary file cannot be made.
bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error);
// A scratch file beside the file `path` names (following its links), for a large text kept out of
// memory until it is copied into that file: open for reading and writing, for the owner alone,
// and without a name (`Path` empty) from the moment it exists, so that it goes with the process
// however that ends.
bool CreateScratchBeside(const std::string& path, TemporaryFile& scratch, std::error_code& error);
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

// Whether replacing `first` and replacing `second` would write one file: their links followed as a
// replacement follows them (a link to nothing included), they end in the same folder (told apart
// by device and inode) at names that are equal or differ only in ASCII letter case, which a file
// system that ignores case takes for one name and nobody gives two files on purpose. Two hard
// links are two names.
bool WouldBeOneFile(const std::string& first, const std::string& second);

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
// How a commit of several files ended.
struct WholeFilesCommit {
    std::error_code Error;  // the cause, when it failed
    size_t Failed = 0;      // the index of the file the cause concerns
    size_t Replaced = 0;    // how many files, from the first on, took their new text
};
// Replaces the files together. Each target and its folder are checked first (see
// ReplacementRefusal; no two targets may be one file). Every text is then written and put on the
// disk, without a name where the file system allows it; the targets are followed and checked again
// as they stand then, and only after that is each file named beside its target and renamed to it,
// one after the other, with the old targets held open meanwhile so that no rename has to free an
// old file's room. False, with the cause in `commit`, when one could not be written: none of them
// has changed then, short of a rename refused after the first ones, which `Replaced` tells.
bool ReplaceWholeFiles(std::span<const WholeFileText> files, WholeFilesCommit& commit, const CommitCalls& calls = {});
// As above, for callers that need only the cause and the file it concerns.
bool ReplaceWholeFiles(std::span<const WholeFileText> files, std::error_code& error, size_t& failed);

#pragma once
// The causes a file's replacement or making can fail with: the system's own, and those it does not
// name.
#include <system_error>

// The cause errno holds; an I/O error where it holds none.
std::error_code LastError();

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

// Which step of making a file whole under its name failed: the same cause means something else
// when the folder refused a new file than when the disk refused its bytes.
enum class FileStep {
    Check,   // what stands at the target was checked
    Create,  // the new file was made beside its target
    Write,   // its text was written
    Flush,   // its text was put on the disk
    Name,    // the whole file was given a name of its own
    Rename,  // it took the name of its target
};

#pragma once
// The system calls the file code makes that a file system, a security profile or a colleague may
// refuse: each the system's own unless given, so that a refusal can be brought about where the
// system would not give it.
#include <functional>

#include <sys/types.h>

struct CommitCalls {
    // Gives the open nameless file `descriptor` the name `name` (the system's: linkat through
    // /proc/self/fd); -1 with errno set when it could not.
    std::function<int(int descriptor, const char* name)> Link;
    std::function<int(const char* from, const char* to)> Rename;
    std::function<int(int descriptor, mode_t mode)> ChangeMode;
    // Opens a file without a name in `folder` (the system's: open with O_TMPFILE).
    std::function<int(const char* folder, int flags, mode_t mode)> OpenNameless;
    // Renames `from` to `to` only where `to` is free (the system's: renameat2 with RENAME_NOREPLACE).
    std::function<int(const char* from, const char* to)> RenameWhereFree;
    // Gives the file named `from` the further name `to` (the system's: link).
    std::function<int(const char* from, const char* to)> LinkNamed;
};

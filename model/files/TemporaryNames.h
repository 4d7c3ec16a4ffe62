#pragma once
// New files without a name, or under a name of their own beside the one they are for: the pieces
// of WholeFiles that the other file code in this folder makes its files with.
#include <string>
#include <system_error>

#include <sys/types.h>

#include "model/files/WholeFiles.h"

// The cause errno holds; an I/O error where it holds none.
std::error_code LastError();

// The name of the open file `descriptor` in the process's own list of open files.
std::string DescriptorLink(int descriptor);

// A file without a name in `folder`, where the file system makes such files; -1 otherwise. With
// `nameable`, only one that can be given a name once it is whole.
int OpenNameless(const std::string& folder, int access, mode_t mode, bool nameable);

// Opens a new file under `base` itself when `baseFirst` and that name is free, else under `base`
// with a suffix of its own (`base.~xxxxxx`); `name` is the name made. Never a file or a link that
// was there before, never followed. -1, with the cause, when it could not.
int OpenNewNamed(const std::string& base, bool baseFirst, int access, mode_t mode, std::string& name,
                 std::error_code& error);

// Gives the open nameless file `descriptor` the name `name`, only where that name is free, through
// `calls.Link` where given; -1 with errno set when it could not.
int LinkName(const CommitCalls& calls, int descriptor, const char* name);

#pragma once
// A finished file given its name: a nameless one linked to a name, a named one renamed to a name
// that must be free, by whatever way the file system offers.
#include <string>
#include <system_error>

#include "model/files/FileCalls.h"
#include "model/files/NewFiles.h"

// Gives the open nameless file `descriptor` the name `name`, only where that name is free, through
// `calls.Link` where given; -1 with errno set when it could not.
int LinkName(const CommitCalls& calls, int descriptor, const char* name);

// Gives a nameless temporary file, whole on the disk, a new name of its own beside its target.
// Where the link is refused for another cause than a taken name (a sandbox, a file system without
// such links), a named copy of it takes its place. False, with the cause, when neither could be.
bool GiveName(TemporaryFile& temporary, const CommitCalls& calls, std::error_code& error);

// Gives the whole, closed file `from` the name `to` only where nothing stands there (not even a
// link to nothing), never over or through it: by an exclusive rename, else by a link and the
// removal of `from`, else, where the file system has neither (a FAT stick through FUSE), by a
// rename once `to` was found free, the short gap between the two accepted. `from` is left where it
// is when the name is taken or every way was refused.
bool TakeNameWhereFree(const std::string& from, const std::string& to, const CommitCalls& calls,
                       std::error_code& error);

#pragma once
// A deck's section archive copied beside its data file saved into another folder: a new file that
// never takes the place of anything already standing under its name.
#include <string>
#include <string_view>
#include <system_error>

#include "model/files/FileCalls.h"

// The archive that a data file in `folder` is read with.
std::string ArchivePathIn(const std::string& folder);

// Creates the file `name` in `folder` holding `bytes`. The file is whole on the disk, without a
// name or under a temporary one of its own, before it takes `name`, and it takes it only while
// nothing stands there: an existing file, a folder or a link (even one to nothing) is never
// written over or through, and the name is not followed. False, with the cause, when it could not
// be made; nothing is left behind then. Where the file system has neither nameless files nor an
// exclusive rename nor links (a FAT stick through FUSE), the whole file takes the name by a rename
// once the name was found free. `calls` stand in for the system's calls where given.
bool CreateFileWhereFree(const std::string& folder, const std::string& name, std::string_view bytes,
                         std::error_code& error, const CommitCalls& calls = {});

#include "model/files/ArchiveCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "model/common/FilePaths.h"
#include "model/files/ArchiveReader.h"
#include "model/files/FileDescriptor.h"
#include "model/files/FileErrors.h"
#include "model/files/FileNaming.h"
#include "model/files/FileWrites.h"
#include "model/files/NewFiles.h"
#include "model/files/WholeFiles.h"

namespace {

bool WriteWhole(int file, std::string_view bytes, std::error_code& error) {
    return WriteAll(file, bytes, error) && PutOnDisk(file, error);
}

// Closed before it takes its name: a file system through FUSE may keep writing an open file's entry
// where its old name was.
bool CreateUnderTemporaryName(const std::string& target, std::string_view bytes, const CommitCalls& calls,
                              std::error_code& error) {
    std::string temporary;
    if (!WriteNewFileAs(target, NewName::SuffixedAlways, bytes, temporary, error)) return false;
    if (TakeNameWhereFree(temporary, target, calls, error)) return true;
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace

std::string ArchivePathIn(const std::string& folder) { return PathInFolder(folder, ArchiveFileName); }

bool CreateFileWhereFree(const std::string& folder, const std::string& name, std::string_view bytes,
                         std::error_code& error, const CommitCalls& calls) {
    error.clear();
    const std::string where = folder.empty() ? "." : folder;
    const FileDescriptor directory(::open(where.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory) {
        error = LastError();
        return false;
    }
    const std::string target = PathInFolder(where, name);
    // The new name itself goes on the disk too; the file is whole and named whatever that says.
    if (const FileDescriptor nameless = OpenNameless(where, O_WRONLY, 0666, NamelessUse::Named, calls)) {
        if (!WriteWhole(nameless.get(), bytes, error)) return false;
        errno = 0;
        if (LinkName(calls, nameless.get(), target.c_str()) == 0) {
            ::fsync(directory.get());
            return true;
        }
        // A taken name is final; a link refused by a security profile or across mounts says nothing
        // of the name, and a named temporary file may still take it where it is free.
        if (errno == EEXIST) {
            error = LastError();
            return false;
        }
    }
    if (!CreateUnderTemporaryName(target, bytes, calls, error)) return false;
    ::fsync(directory.get());
    return true;
}

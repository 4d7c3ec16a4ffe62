#include "model/files/FileNaming.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "model/files/FileErrors.h"
#include "model/files/FileWrites.h"

namespace {

constexpr mode_t PermissionBits = 0777;

// Copies the whole of the file open as `from` into the file open as `to`, at its position.
bool CopyFile(int from, int to, std::error_code& error) {
    struct stat status {};
    if (::fstat(from, &status) == 0) return CopyBytes(from, to, static_cast<uint64_t>(status.st_size), error);
    error = LastError();
    return false;
}

// Gives a nameless temporary file, whole on the disk, a name where its links cannot: a new file
// under a new name beside its target holds a copy of it, put on the disk in turn, and takes its
// place.
bool NameThroughCopy(TemporaryFile& temporary, const CommitCalls& calls, std::error_code& error) {
    struct stat status {};
    if (::fstat(::fileno(temporary.File), &status) != 0) {
        error = LastError();
        return false;
    }
    TemporaryFile copy;
    std::string name;
    FileDescriptor descriptor =
        OpenNewNamed(temporary.Target, NewName::SuffixedAlways, O_WRONLY, status.st_mode & PermissionBits, name, error);
    if (!descriptor) return false;
    copy.Path = name;
    copy.Target = temporary.Target;
    if (!Adopt(std::move(descriptor), "wb", copy, error) ||
        !GiveMode(calls, ::fileno(copy.File), status.st_mode & PermissionBits, error) ||
        !CopyFile(::fileno(temporary.File), ::fileno(copy.File), error) || !PutOnDisk(copy.File, error))
        return false;
    temporary = std::move(copy);
    return true;
}

// Where `name` is free: nothing stands there, not even a link to nothing.
bool NameIsFree(const std::string& name, std::error_code& error) {
    struct stat status {};
    if (::lstat(name.c_str(), &status) == 0) {
        error = std::make_error_code(std::errc::file_exists);
        return false;
    }
    if (errno == ENOENT) return true;
    error = LastError();
    return false;
}

// Whether a refused link says only that the file system makes none.
bool NoLinksHere(int cause) { return cause == EPERM || cause == ENOSYS || cause == EOPNOTSUPP; }

}  // namespace

int LinkName(const CommitCalls& calls, int descriptor, const char* name) {
    if (calls.Link) return calls.Link(descriptor, name);
    return ::linkat(AT_FDCWD, DescriptorLink(descriptor).c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW);
}

bool GiveName(TemporaryFile& temporary, const CommitCalls& calls, std::error_code& error) {
    SuffixedNames names(temporary.Target);
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const std::string name = names.Next();
        errno = 0;
        if (LinkName(calls, ::fileno(temporary.File), name.c_str()) == 0) {
            temporary.Path = name;
            return true;
        }
        // A link refused for any other cause (a sandbox, a file system without such links) is no
        // reason to give up: a named copy does the same.
        if (errno != EEXIST) return NameThroughCopy(temporary, calls, error);
    }
    error = std::make_error_code(std::errc::file_exists);
    return false;
}

bool TakeNameWhereFree(const std::string& from, const std::string& to, const CommitCalls& calls,
                       std::error_code& error) {
    errno = 0;
#ifdef RENAME_NOREPLACE
    const int renamed = calls.RenameWhereFree ? calls.RenameWhereFree(from.c_str(), to.c_str())
                                              : ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
#else
    errno = ENOSYS;
    const int renamed = -1;
#endif
    if (renamed == 0) return true;
    // A file system without the exclusive rename may still make links only where a name is free.
    if (errno != EINVAL && errno != ENOSYS) {
        error = LastError();
        return false;
    }
    errno = 0;
    if ((calls.LinkNamed ? calls.LinkNamed(from.c_str(), to.c_str()) : ::link(from.c_str(), to.c_str())) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (!NoLinksHere(errno)) {
        error = LastError();
        return false;
    }
    // Neither way exists here (FAT has no links): the name is checked free just before the rename.
    if (!NameIsFree(to, error)) return false;
    errno = 0;
    if ((calls.Rename ? calls.Rename(from.c_str(), to.c_str()) : ::rename(from.c_str(), to.c_str())) == 0) return true;
    error = LastError();
    return false;
}

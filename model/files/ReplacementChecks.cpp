#include "model/files/ReplacementChecks.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "model/common/Helpers.h"
#include "model/files/FileDescriptor.h"

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
// The user whom no sticky folder refuses.
constexpr uid_t RootUser = 0;

bool FollowLinks(const fs::path& path, LinkEnd& end, std::error_code& error) {
    fs::path at = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(at.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                error = LastError();
                return false;
            }
            end = {at, false, {}};
            return true;
        }
        if (!S_ISLNK(status.st_mode)) {
            end = {at, true, status};
            return true;
        }
        const fs::path link = fs::read_symlink(at, error);
        if (error) return false;
        at = link.is_absolute() ? link : at.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return false;
}

// What a name lock is looked up on.
enum class LockedThing { Folder, File };

// The attributes that keep a file or a folder from losing or changing a name.
struct NameLocks {
    bool Immutable = false;
    bool AppendOnly = false;
};

// The locks of `path` (a folder's links followed, a file's not), where the file system tells them.
NameLocks NameLocksOf(const std::string& path, LockedThing thing) {
    const bool folder = thing == LockedThing::Folder;
    constexpr uint64_t Locks = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    struct statx status {};
    if (::statx(AT_FDCWD, path.c_str(), folder ? 0 : AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &status) == 0 &&
        (status.stx_attributes_mask & Locks) == Locks)
        return {(status.stx_attributes & STATX_ATTR_IMMUTABLE) != 0, (status.stx_attributes & STATX_ATTR_APPEND) != 0};
    // A file system that does not tell them with the status may still keep them as the open file's
    // flags.
    const FileDescriptor descriptor(
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (folder ? O_DIRECTORY : O_NOFOLLOW)));
    if (!descriptor) return {};
    int flags = 0;
    if (::ioctl(descriptor.get(), FS_IOC_GETFLAGS, &flags) != 0) return {};
    return {(flags & FS_IMMUTABLE_FL) != 0, (flags & FS_APPEND_FL) != 0};
}

bool SameFolder(const fs::path& first, const fs::path& second) {
    struct stat a {}, b {};
    if (::stat(FolderOf(first).c_str(), &a) != 0 || ::stat(FolderOf(second).c_str(), &b) != 0)
        return fs::path(FolderOf(first)).lexically_normal() == fs::path(FolderOf(second)).lexically_normal();
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool FollowPath(const std::string& path, LinkEnd& end, std::error_code& error) {
    error.clear();
    if (path.empty()) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    return FollowLinks(path, end, error);
}

std::string FolderOf(const fs::path& name) {
    const fs::path folder = name.parent_path();
    return folder.empty() ? "." : folder.string();
}

std::error_code RefusalAt(const LinkEnd& end, uid_t user, ReadOnlyTarget readOnly) {
    if (end.Exists) {
        if (S_ISDIR(end.Status.st_mode)) return std::make_error_code(std::errc::is_a_directory);
        if (!S_ISREG(end.Status.st_mode)) return WholeFileError::NotARegularFile;
        if ((end.Status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 && readOnly == ReadOnlyTarget::Refused)
            return WholeFileError::ReadOnly;
    }
    // The temporary file's name leaves the folder at its rename: neither lock lets it, even for a
    // target not there yet.
    const std::string folder = FolderOf(end.Name);
    const NameLocks folderLocks = NameLocksOf(folder, LockedThing::Folder);
    if (folderLocks.Immutable) return WholeFileError::ImmutableFolder;
    if (folderLocks.AppendOnly) return WholeFileError::AppendOnlyFolder;
    if (!end.Exists) return {};
    const NameLocks fileLocks = NameLocksOf(end.Name.string(), LockedThing::File);
    if (fileLocks.Immutable) return WholeFileError::ImmutableFile;
    if (fileLocks.AppendOnly) return WholeFileError::AppendOnlyFile;
    struct stat folderStatus {};
    if (user != RootUser && ::stat(folder.c_str(), &folderStatus) == 0 && (folderStatus.st_mode & S_ISVTX) != 0 &&
        folderStatus.st_uid != user && end.Status.st_uid != user)
        return WholeFileError::StickyFolder;
    return {};
}

bool OneName(const LinkEnd& a, const LinkEnd& b) {
    return AsciiLowerCase(a.Name.filename().string()) == AsciiLowerCase(b.Name.filename().string()) &&
           SameFolder(a.Name, b.Name);
}

std::error_code ReplacementRefusal(const std::string& path, uid_t user, ReadOnlyTarget readOnly) {
    LinkEnd end;
    std::error_code error;
    if (!FollowPath(path, end, error)) return error;
    return RefusalAt(end, user, readOnly);
}

std::error_code ReplacementRefusal(const std::string& path, ReadOnlyTarget readOnly) {
    return ReplacementRefusal(path, ::geteuid(), readOnly);
}

std::string ReplacedFileName(const std::string& path) {
    LinkEnd end;
    std::error_code error;
    return FollowPath(path, end, error) ? end.Name.string() : path;
}

bool WouldBeOneFile(const std::string& first, const std::string& second) {
    LinkEnd a, b;
    std::error_code error;
    if (!FollowPath(first, a, error) || !FollowPath(second, b, error)) return false;
    return OneName(a, b);
}

#include "model/files/WholeFiles.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <span>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "model/common/Helpers.h"
#include "model/files/TemporaryNames.h"

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
// New names tried before the folder is taken to refuse new files for another reason.
constexpr int MaxNameTries = 100;
// The user whom no sticky folder refuses.
constexpr uid_t RootUser = 0;
constexpr mode_t OwnerOnly = S_IRUSR | S_IWUSR;
constexpr mode_t PermissionBits = 0777;

class WholeFileCategoryImpl : public std::error_category {
public:
    const char* name() const noexcept override { return "whole file"; }
    std::string message(int value) const override {
        switch (static_cast<WholeFileError>(value)) {
            case WholeFileError::ReadOnly: return "the file is read-only";
            case WholeFileError::NotARegularFile: return "not a regular file";
            case WholeFileError::OneFile: return "two of the files would be one file";
            case WholeFileError::StickyFolder: return "another user's file in a shared folder that is not yours";
            case WholeFileError::ImmutableFile: return "the file is immutable";
            case WholeFileError::AppendOnlyFile: return "the file is append-only";
            case WholeFileError::ImmutableFolder: return "its folder is immutable";
            case WholeFileError::AppendOnlyFolder: return "its folder is append-only";
        }
        return "unknown error";
    }
};

// The file a name stands for once its links are followed: its name, and its status when it exists.
struct LinkEnd {
    fs::path Name;
    bool Exists = false;
    struct stat Status {};
};

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

// The attributes that keep a file or a folder from losing or changing a name.
struct NameLocks {
    bool Immutable = false;
    bool AppendOnly = false;
};

// The locks of `path` (a folder's links followed, a file's not), where the file system tells them.
NameLocks NameLocksOf(const std::string& path, bool folder) {
    constexpr uint64_t Locks = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    struct statx status {};
    if (::statx(AT_FDCWD, path.c_str(), folder ? 0 : AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &status) == 0 &&
        (status.stx_attributes_mask & Locks) == Locks)
        return {(status.stx_attributes & STATX_ATTR_IMMUTABLE) != 0, (status.stx_attributes & STATX_ATTR_APPEND) != 0};
    // A file system that does not tell them with the status may still keep them as the open file's
    // flags.
    const int descriptor =
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (folder ? O_DIRECTORY : O_NOFOLLOW));
    if (descriptor < 0) return {};
    int flags = 0;
    const bool told = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    ::close(descriptor);
    if (!told) return {};
    return {(flags & FS_IMMUTABLE_FL) != 0, (flags & FS_APPEND_FL) != 0};
}

// What would refuse `user` a new file at the end of these links: see ReplacementRefusal.
std::error_code RefusalAt(const LinkEnd& end, uid_t user) {
    if (end.Exists) {
        if (S_ISDIR(end.Status.st_mode)) return std::make_error_code(std::errc::is_a_directory);
        if (!S_ISREG(end.Status.st_mode)) return WholeFileError::NotARegularFile;
        if ((end.Status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return WholeFileError::ReadOnly;
    }
    // The temporary file's name leaves the folder at its rename: neither lock lets it, even for a
    // target not there yet.
    const std::string folder = FolderOf(end.Name);
    const NameLocks folderLocks = NameLocksOf(folder, true);
    if (folderLocks.Immutable) return WholeFileError::ImmutableFolder;
    if (folderLocks.AppendOnly) return WholeFileError::AppendOnlyFolder;
    if (!end.Exists) return {};
    const NameLocks fileLocks = NameLocksOf(end.Name.string(), false);
    if (fileLocks.Immutable) return WholeFileError::ImmutableFile;
    if (fileLocks.AppendOnly) return WholeFileError::AppendOnlyFile;
    struct stat folderStatus {};
    if (user != RootUser && ::stat(folder.c_str(), &folderStatus) == 0 && (folderStatus.st_mode & S_ISVTX) != 0 &&
        folderStatus.st_uid != user && end.Status.st_uid != user)
        return WholeFileError::StickyFolder;
    return {};
}

bool SameFolder(const fs::path& first, const fs::path& second) {
    struct stat a {}, b {};
    if (::stat(FolderOf(first).c_str(), &a) != 0 || ::stat(FolderOf(second).c_str(), &b) != 0)
        return fs::path(FolderOf(first)).lexically_normal() == fs::path(FolderOf(second)).lexically_normal();
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool OneName(const LinkEnd& a, const LinkEnd& b) {
    return AsciiLowerCase(a.Name.filename().string()) == AsciiLowerCase(b.Name.filename().string()) &&
           SameFolder(a.Name, b.Name);
}

// Follows each of the commit's targets to the file it ends at, as the renames will meet it, and
// checks it; no two may be one file. False, with the cause in `commit`.
bool ResolveTargets(std::span<const std::string> paths, std::vector<LinkEnd>& ends, WholeFilesCommit& commit) {
    ends.assign(paths.size(), {});
    for (commit.Failed = 0; commit.Failed < paths.size(); ++commit.Failed) {
        const size_t i = commit.Failed;
        if (!FollowPath(paths[i], ends[i], commit.Error)) return false;
        commit.Error = RefusalAt(ends[i], ::geteuid());
        if (commit.Error) return false;
        for (size_t earlier = 0; earlier < i; ++earlier) {
            if (OneName(ends[earlier], ends[i])) {
                commit.Error = WholeFileError::OneFile;
                return false;
            }
        }
    }
    return true;
}

std::mt19937_64 NameSource() {
    uint64_t entropy = 0;
    try {
        entropy = std::random_device{}();
    } catch (const std::exception&) {
        // The clock and the process number alone still make names that rarely meet.
    }
    std::seed_seq seed{static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()),
                       static_cast<uint64_t>(::getpid()), entropy};
    return std::mt19937_64(seed);
}

std::string NameSuffix(std::mt19937_64& source) {
    constexpr std::string_view Letters = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix = ".~";
    for (int i = 0; i < 6; ++i) suffix += Letters[source() % Letters.size()];
    return suffix;
}

bool WritePieces(std::FILE* file, std::span<const std::string_view> pieces, std::error_code& error) {
    errno = 0;
    for (std::string_view piece : pieces) {
        if (std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) {
            error = LastError();
            return false;
        }
    }
    return true;
}

void Discard(TemporaryFile& temporary) {
    if (temporary.File) std::fclose(temporary.File);
    temporary.File = nullptr;
    if (!temporary.Path.empty()) ::unlink(temporary.Path.c_str());
    temporary.Path.clear();
}

// The system's calls where the commit's own are not given.
int RenameTo(const CommitCalls& calls, const char* from, const char* to) {
    return calls.Rename ? calls.Rename(from, to) : ::rename(from, to);
}

// Gives the new file the permission bits of the file it replaces. Some file systems keep no bits
// of their own (a FAT stick through FUSE) and refuse them: the file then has what they give it.
bool GiveMode(const CommitCalls& calls, int descriptor, mode_t mode, std::error_code& error) {
    errno = 0;
    if ((calls.ChangeMode ? calls.ChangeMode(descriptor, mode) : ::fchmod(descriptor, mode)) == 0) return true;
    if (errno == ENOSYS || errno == EPERM || errno == EOPNOTSUPP) return true;
    error = LastError();
    return false;
}

// Puts what was written on the disk; the file stays open.
bool Flush(TemporaryFile& temporary, std::error_code& error) {
    errno = 0;
    if (temporary.File && std::fflush(temporary.File) == 0 && ::fsync(::fileno(temporary.File)) == 0) return true;
    error = LastError();
    return false;
}

bool Close(TemporaryFile& temporary, std::error_code& error) {
    errno = 0;
    const bool closed = std::fclose(std::exchange(temporary.File, nullptr)) == 0;
    if (!closed) error = LastError();
    return closed;
}

// Opens `name` as a new file, exclusively: never a file or a link that was there before, never
// followed.
int OpenExclusive(const std::string& name, int access, mode_t mode) {
    return ::open(name.c_str(), access | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

}  // namespace

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

std::string DescriptorLink(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

int LinkName(const CommitCalls& calls, int descriptor, const char* name) {
    if (calls.Link) return calls.Link(descriptor, name);
    return ::linkat(AT_FDCWD, DescriptorLink(descriptor).c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW);
}

int OpenNewNamed(const std::string& base, bool baseFirst, int access, mode_t mode, std::string& name,
                 std::error_code& error) {
    std::mt19937_64 names = NameSource();
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        name = baseFirst && attempt == 0 ? base : base + NameSuffix(names);
        const int descriptor = OpenExclusive(name, access, mode);
        if (descriptor >= 0) return descriptor;
        if (errno != EEXIST) {
            error = LastError();
            return -1;
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return -1;
}

int OpenNameless(const std::string& folder, int access, mode_t mode, bool nameable) {
#ifdef O_TMPFILE
    const int descriptor = ::open(folder.c_str(), O_TMPFILE | access | O_CLOEXEC, mode);
    if (descriptor < 0 || !nameable) return descriptor;
    // The name is given through the process's own list of open files: without it, no name could be.
    struct stat status {};
    if (::stat(DescriptorLink(descriptor).c_str(), &status) == 0) return descriptor;
    ::close(descriptor);
#else
    (void)folder, (void)access, (void)mode, (void)nameable;
#endif
    return -1;
}

const std::error_category& WholeFileCategory() {
    static const WholeFileCategoryImpl category;
    return category;
}

std::error_code make_error_code(WholeFileError error) { return {static_cast<int>(error), WholeFileCategory()}; }

std::error_code ReplacementRefusal(const std::string& path, uid_t user) {
    LinkEnd end;
    std::error_code error;
    if (!FollowPath(path, end, error)) return error;
    return RefusalAt(end, user);
}

std::error_code ReplacementRefusal(const std::string& path) { return ReplacementRefusal(path, ::geteuid()); }

bool WouldBeOneFile(const std::string& first, const std::string& second) {
    LinkEnd a, b;
    std::error_code error;
    if (!FollowPath(first, a, error) || !FollowPath(second, b, error)) return false;
    return OneName(a, b);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : File(std::exchange(other.File, nullptr)), Path(std::exchange(other.Path, {})), Target(std::move(other.Target)) {}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
    if (this != &other) {
        Discard(*this);
        File = std::exchange(other.File, nullptr);
        Path = std::exchange(other.Path, {});
        Target = std::move(other.Target);
    }
    return *this;
}

TemporaryFile::~TemporaryFile() { Discard(*this); }

namespace {

bool Adopt(int descriptor, const char* fileMode, TemporaryFile& temporary, std::error_code& error) {
    temporary.File = ::fdopen(descriptor, fileMode);
    if (temporary.File) return true;
    error = LastError();
    ::close(descriptor);
    Discard(temporary);
    return false;
}

// Opens a file under a new name beside `target` (its name with a suffix of its own), exclusively:
// never a file or a link that was there before.
bool OpenNewBeside(const std::string& target, int access, mode_t mode, const char* fileMode, TemporaryFile& temporary,
                   std::error_code& error) {
    std::string name;
    const int descriptor = OpenNewNamed(target, false, access, mode, name, error);
    if (descriptor < 0) return false;
    temporary.Path = name;
    temporary.Target = target;
    return Adopt(descriptor, fileMode, temporary, error);
}

// Copies the whole of the file open as `from` into the file open as `to`, at its position.
bool CopyFile(int from, int to, std::error_code& error) {
    struct stat status {};
    if (::fstat(from, &status) != 0) {
        error = LastError();
        return false;
    }
    bool bySendfile = false;
    for (off_t at = 0; at < status.st_size;) {
        const size_t left = static_cast<size_t>(status.st_size - at);
        errno = 0;
        const ssize_t copied =
            bySendfile ? ::sendfile(to, from, &at, left) : ::copy_file_range(from, &at, to, nullptr, left, 0);
        if (copied > 0) continue;
        if (copied < 0 && errno == EINTR) continue;
        // Where the kernel or the file system has no range copy, the copy goes through the kernel's
        // plain one.
        if (copied < 0 && !bySendfile && (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)) {
            bySendfile = true;
            continue;
        }
        error = copied == 0 ? std::make_error_code(std::errc::io_error) : LastError();
        return false;
    }
    return true;
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
    if (!OpenNewBeside(temporary.Target, O_WRONLY, status.st_mode & PermissionBits, "wb", copy, error) ||
        !GiveMode(calls, ::fileno(copy.File), status.st_mode & PermissionBits, error) ||
        !CopyFile(::fileno(temporary.File), ::fileno(copy.File), error) || !Flush(copy, error))
        return false;
    temporary = std::move(copy);
    return true;
}

// Gives a nameless temporary file a new name of its own beside its target.
bool GiveName(TemporaryFile& temporary, const CommitCalls& calls, std::error_code& error) {
    std::mt19937_64 names = NameSource();
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const std::string name = temporary.Target + NameSuffix(names);
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

// Makes the temporary file beside `end`, which may be replaced.
bool CreateBeside(const LinkEnd& end, const CommitCalls& calls, TemporaryFile& temporary, std::error_code& error) {
    // Made with the target's own bits (the umask can only take some away), so that it is never
    // looser than the file it replaces, and still has them where the file system refuses a mode
    // change; they are given exactly before any byte is written. A new file gets the bits any new
    // file gets.
    const mode_t createMode = end.Exists ? (end.Status.st_mode & PermissionBits) : 0666;
    // Without a name until it is committed where the file system allows it, under a new name else.
    // A nameless one is open for reading too, so that it can be copied where it cannot be named.
    if (const int nameless = OpenNameless(FolderOf(end.Name), O_RDWR, createMode, true); nameless >= 0) {
        temporary.Target = end.Name.string();
        if (!Adopt(nameless, "w+b", temporary, error)) return false;
    } else if (!OpenNewBeside(end.Name.string(), O_WRONLY, createMode, "wb", temporary, error)) {
        return false;
    }
    if (end.Exists && !GiveMode(calls, ::fileno(temporary.File), end.Status.st_mode & PermissionBits, error)) {
        Discard(temporary);
        return false;
    }
    return true;
}

// Old targets held open from before the first rename until after the last, so that a rename only
// takes a name away and an old file's room is given back when this goes, after the commit.
class HeldTargets {
public:
    explicit HeldTargets(const std::vector<LinkEnd>& ends) {
        for (const LinkEnd& end : ends) {
            if (!end.Exists) continue;
            // Only kept open, never read: a target nobody may read is held as well.
            const int descriptor = ::open(end.Name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
            if (descriptor >= 0) held_.push_back(descriptor);
        }
    }
    ~HeldTargets() {
        for (int descriptor : held_) ::close(descriptor);
    }
    HeldTargets(const HeldTargets&) = delete;
    HeldTargets& operator=(const HeldTargets&) = delete;

private:
    std::vector<int> held_;
};

// Commits temporary files whose texts are whole on the disk, each to the target `paths` names at
// the same index: see ReplaceWholeFiles.
bool CommitWhole(std::span<TemporaryFile> temporaries, std::span<const std::string> paths, const CommitCalls& calls,
                 WholeFilesCommit& commit) {
    std::vector<LinkEnd> ends;
    if (!ResolveTargets(paths, ends, commit)) return false;
    const HeldTargets held(ends);
    for (commit.Failed = 0; commit.Failed < temporaries.size(); ++commit.Failed) {
        TemporaryFile& temporary = temporaries[commit.Failed];
        temporary.Target = ends[commit.Failed].Name.string();
        if (temporary.Path.empty() && !GiveName(temporary, calls, commit.Error)) return false;
        if (!Close(temporary, commit.Error)) return false;
    }
    // Nothing between the renames: each takes no more than the time to change a name.
    for (commit.Failed = 0; commit.Failed < temporaries.size(); ++commit.Failed) {
        TemporaryFile& temporary = temporaries[commit.Failed];
        errno = 0;
        if (RenameTo(calls, temporary.Path.c_str(), temporary.Target.c_str()) != 0) {
            commit.Error = LastError();
            commit.Replaced = commit.Failed;
            return false;
        }
        temporary.Path.clear();
    }
    commit.Replaced = temporaries.size();
    return true;
}

}  // namespace

bool MakesNamelessFiles(const std::string& folder) {
    const int descriptor = OpenNameless(folder, O_RDWR, OwnerOnly, true);
    if (descriptor < 0) return false;
    ::close(descriptor);
    return true;
}

bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error) {
    Discard(temporary);
    LinkEnd end;
    if (!FollowPath(path, end, error)) return false;
    error = RefusalAt(end, ::geteuid());
    return !error && CreateBeside(end, {}, temporary, error);
}

bool CreateScratchBeside(const std::string& path, TemporaryFile& scratch, std::error_code& error) {
    Discard(scratch);
    LinkEnd end;
    if (!FollowPath(path, end, error)) return false;
    if (const int nameless = OpenNameless(FolderOf(end.Name), O_RDWR, OwnerOnly, false); nameless >= 0) {
        scratch.Target = end.Name.string();
        return Adopt(nameless, "w+b", scratch, error);
    }
    if (!OpenNewBeside(end.Name.string(), O_RDWR, OwnerOnly, "w+b", scratch, error)) return false;
    // Its name goes at once: the open file is all it needs, and nothing is left to remove later
    // (by then the name might be somebody else's).
    ::unlink(scratch.Path.c_str());
    scratch.Path.clear();
    return true;
}

bool CommitTemporary(TemporaryFile& temporary, std::error_code& error) {
    const std::string target = temporary.Target;
    WholeFilesCommit commit;
    if (Flush(temporary, error) && CommitWhole({&temporary, 1}, {&target, 1}, {}, commit)) return true;
    if (commit.Error) error = commit.Error;
    Discard(temporary);
    return false;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
    // Far beyond any deck (a million elements stay under 100 MB); a larger file, or a device that
    // never ends, is refused rather than read until memory runs out.
    constexpr std::uintmax_t MaxFileBytes = std::uintmax_t{1} << 30;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    try {
        // A regular file is read up to its size into a string reserved for it, so that a saved
        // deck of megabytes is neither copied as the string grows nor filled before it is read;
        // anything else (no regular file) up to the limit.
        std::error_code error;
        const std::uintmax_t size =
            fs::is_regular_file(path, error) ? fs::file_size(path, error) : 0;
        if (!error && size > MaxFileBytes) return false;
        const bool sized = size > 0 && !error;
        text.clear();
        if (sized) text.reserve(static_cast<size_t>(size));
        char chunk[1 << 16];
        for (std::uintmax_t left = sized ? size : MaxFileBytes + 1; left > 0;) {
            in.read(chunk, static_cast<std::streamsize>(std::min<std::uintmax_t>(left, sizeof chunk)));
            const std::streamsize got = in.gcount();
            if (got <= 0) break;
            text.append(chunk, static_cast<size_t>(got));
            left -= static_cast<std::uintmax_t>(got);
        }
        if (text.size() > MaxFileBytes) return false;
        return !in.bad();
    } catch (const std::bad_alloc&) {
        text.clear();
        return false;
    }
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::error_code error;
    const std::string_view pieces[] = {text};
    const bool written = WritePieces(file, pieces, error);
    return std::fclose(file) == 0 && written;
}

bool ReplaceWholeFile(const std::string& path, std::span<const std::string_view> pieces, std::error_code& error) {
    const WholeFileText file[] = {{path, pieces}};
    size_t failed = 0;
    return ReplaceWholeFiles(file, error, failed);
}

bool ReplaceWholeFile(const std::string& path, const std::string& text, std::error_code& error) {
    const std::string_view pieces[] = {text};
    return ReplaceWholeFile(path, pieces, error);
}

bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason) {
    std::error_code error;
    if (ReplaceWholeFile(path, text, error)) return true;
    reason = error.message();
    return false;
}

bool ReplaceWholeFiles(std::span<const WholeFileText> files, WholeFilesCommit& commit, const CommitCalls& calls) {
    commit = {};
    std::vector<std::string> paths;
    for (const WholeFileText& file : files) paths.push_back(file.Path);
    // Nothing is written for a commit that a target would refuse.
    std::vector<LinkEnd> ends;
    if (!ResolveTargets(paths, ends, commit)) return false;
    // Files not yet renamed are removed with their temporary files when this returns.
    std::vector<TemporaryFile> temporaries(files.size());
    for (commit.Failed = 0; commit.Failed < files.size(); ++commit.Failed) {
        const WholeFileText& file = files[commit.Failed];
        TemporaryFile& temporary = temporaries[commit.Failed];
        std::error_code& error = commit.Error;
        if (!CreateBeside(ends[commit.Failed], calls, temporary, error)) return false;
        errno = 0;
        const bool written =
            file.Write ? file.Write(temporary.File, error) : WritePieces(temporary.File, file.Pieces, error);
        if (!written) {
            if (!error) error = LastError();
            return false;
        }
        if (!Flush(temporary, error)) return false;
    }
    return CommitWhole(temporaries, paths, calls, commit);
}

bool ReplaceWholeFiles(std::span<const WholeFileText> files, std::error_code& error, size_t& failed) {
    WholeFilesCommit commit;
    const bool replaced = ReplaceWholeFiles(files, commit);
    error = commit.Error;
    failed = commit.Failed;
    return replaced;
}

bool WriteNewFile(const std::string& path, std::string_view text, std::string& created, std::error_code& error) {
    error.clear();
    std::string name;
    const int descriptor = OpenNewNamed(path, true, O_WRONLY, 0666, name, error);
    if (descriptor < 0) return false;
    TemporaryFile file;  // removed unless the text is whole
    file.Path = name;
    const std::string_view pieces[] = {text};
    if (!Adopt(descriptor, "wb", file, error) || !WritePieces(file.File, pieces, error) || !Flush(file, error) ||
        !Close(file, error)) {
        Discard(file);
        return false;
    }
    created = std::exchange(file.Path, {});
    return true;
}

#include "model/files/WholeFiles.h"

#include <fcntl.h>
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

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
// New names tried before the folder is taken to refuse new files for another reason.
constexpr int MaxNameTries = 100;

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

class WholeFileCategoryImpl : public std::error_category {
public:
    const char* name() const noexcept override { return "whole file"; }
    std::string message(int value) const override {
        switch (static_cast<WholeFileError>(value)) {
            case WholeFileError::ReadOnly: return "the file is read-only";
            case WholeFileError::NotARegularFile: return "not a regular file";
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

// A replacement may only stand in for a regular file that somebody may write.
bool MayReplace(const LinkEnd& end, std::error_code& error) {
    if (!end.Exists) return true;
    if (S_ISDIR(end.Status.st_mode)) error = std::make_error_code(std::errc::is_a_directory);
    else if (!S_ISREG(end.Status.st_mode)) error = WholeFileError::NotARegularFile;
    else if ((end.Status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) error = WholeFileError::ReadOnly;
    return !error;
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

std::string DescriptorLink(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

// Gives a nameless temporary file a new name of its own beside its target.
bool GiveName(TemporaryFile& temporary, std::error_code& error) {
    const std::string link = DescriptorLink(::fileno(temporary.File));
    std::mt19937_64 names = NameSource();
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const std::string name = temporary.Target + NameSuffix(names);
        if (::linkat(AT_FDCWD, link.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary.Path = name;
            return true;
        }
        if (errno != EEXIST) {
            error = LastError();
            return false;
        }
    }
    error = std::make_error_code(std::errc::file_exists);
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

// Puts what was written on the disk and closes the file.
bool Finish(TemporaryFile& temporary, std::error_code& error) {
    errno = 0;
    bool ok = temporary.File && std::fflush(temporary.File) == 0 && ::fsync(::fileno(temporary.File)) == 0;
    if (!ok) error = LastError();
    // A file made without a name gets one only now that it is whole, so that a process killed
    // while writing leaves nothing behind.
    if (ok && temporary.Path.empty()) ok = GiveName(temporary, error);
    if (temporary.File && std::fclose(temporary.File) != 0 && ok) {
        error = LastError();
        ok = false;
    }
    temporary.File = nullptr;
    return ok;
}

bool TakeTargetName(TemporaryFile& temporary, std::error_code& error) {
    if (::rename(temporary.Path.c_str(), temporary.Target.c_str()) != 0) {
        error = LastError();
        return false;
    }
    temporary.Path.clear();
    return true;
}

}  // namespace

const std::error_category& WholeFileCategory() {
    static const WholeFileCategoryImpl category;
    return category;
}

std::error_code make_error_code(WholeFileError error) { return {static_cast<int>(error), WholeFileCategory()}; }

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

// Opens `name` as a new file, exclusively: never a file or a link that was there before, never
// followed.
int OpenExclusive(const std::string& name, int access, mode_t mode) {
    return ::open(name.c_str(), access | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

// Opens a new file under `base` itself when `baseFirst` and that name is free, else under `base`
// with a suffix of its own; `name` is the name made.
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

bool Adopt(int descriptor, const char* fileMode, TemporaryFile& temporary, std::error_code& error) {
    temporary.File = ::fdopen(descriptor, fileMode);
    if (temporary.File) return true;
    error = LastError();
    ::close(descriptor);
    Discard(temporary);
    return false;
}

// Opens a file under a new name beside `end` (its name with a suffix of its own), exclusively: never
// a file or a link that was there before.
bool OpenNewBeside(const LinkEnd& end, int access, mode_t mode, const char* fileMode, TemporaryFile& temporary,
                   std::error_code& error) {
    std::string name;
    const int descriptor = OpenNewNamed(end.Name.string(), false, access, mode, name, error);
    if (descriptor < 0) return false;
    temporary.Path = name;
    temporary.Target = end.Name.string();
    return Adopt(descriptor, fileMode, temporary, error);
}

std::string FolderOf(const fs::path& name) {
    const fs::path folder = name.parent_path();
    return folder.empty() ? "." : folder.string();
}

// A file without a name in the folder of `end`, where the file system makes such files; -1
// otherwise. With `linkable`, only one that can be given a name once it is whole.
int OpenNameless(const LinkEnd& end, int access, mode_t mode, bool linkable) {
#ifdef O_TMPFILE
    const int descriptor = ::open(FolderOf(end.Name).c_str(), O_TMPFILE | access | O_CLOEXEC, mode);
    if (descriptor < 0 || !linkable) return descriptor;
    // The name is given through the process's own list of open files: without it, no name could be.
    struct stat status {};
    if (::stat(DescriptorLink(descriptor).c_str(), &status) == 0) return descriptor;
    ::close(descriptor);
#else
    (void)end, (void)access, (void)mode, (void)linkable;
#endif
    return -1;
}

}  // namespace

bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error) {
    Discard(temporary);
    LinkEnd end;
    if (!FollowPath(path, end, error) || !MayReplace(end, error)) return false;
    // Made for the owner alone first: the target's own bits are given before any byte is written.
    // A new file gets the bits any new file gets.
    const mode_t createMode = end.Exists ? S_IRUSR | S_IWUSR : 0666;
    // Without a name until it is whole where the file system allows it, under a new name else.
    if (const int nameless = OpenNameless(end, O_WRONLY, createMode, true); nameless >= 0) {
        temporary.Target = end.Name.string();
        if (!Adopt(nameless, "wb", temporary, error)) return false;
    } else if (!OpenNewBeside(end, O_WRONLY, createMode, "wb", temporary, error)) {
        return false;
    }
    if (end.Exists && ::fchmod(::fileno(temporary.File), end.Status.st_mode & 0777) != 0) {
        error = LastError();
        Discard(temporary);
        return false;
    }
    return true;
}

bool CreateScratchBeside(const std::string& path, TemporaryFile& scratch, std::error_code& error) {
    Discard(scratch);
    LinkEnd end;
    if (!FollowPath(path, end, error)) return false;
    constexpr mode_t OwnerOnly = S_IRUSR | S_IWUSR;
    if (const int nameless = OpenNameless(end, O_RDWR, OwnerOnly, false); nameless >= 0) {
        scratch.Target = end.Name.string();
        return Adopt(nameless, "w+b", scratch, error);
    }
    if (!OpenNewBeside(end, O_RDWR, OwnerOnly, "w+b", scratch, error)) return false;
    // Its name goes at once: the open file is all it needs, and nothing is left to remove later
    // (by then the name might be somebody else's).
    ::unlink(scratch.Path.c_str());
    scratch.Path.clear();
    return true;
}

bool CommitTemporary(TemporaryFile& temporary, std::error_code& error) {
    if (Finish(temporary, error) && TakeTargetName(temporary, error)) return true;
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

bool ReplaceWholeFiles(std::span<const WholeFileText> files, std::error_code& error, size_t& failed) {
    // Files not yet renamed are removed with their temporary files when this returns.
    std::vector<TemporaryFile> temporaries(files.size());
    for (failed = 0; failed < files.size(); ++failed) {
        const WholeFileText& file = files[failed];
        TemporaryFile& temporary = temporaries[failed];
        if (!CreateTemporaryBeside(file.Path, temporary, error)) return false;
        errno = 0;
        const bool written =
            file.Write ? file.Write(temporary.File, error) : WritePieces(temporary.File, file.Pieces, error);
        if (!written) {
            if (!error) error = LastError();
            return false;
        }
        if (!Finish(temporary, error)) return false;
    }
    for (failed = 0; failed < files.size(); ++failed)
        if (!TakeTargetName(temporaries[failed], error)) return false;
    return true;
}

namespace {

bool SameFolder(const fs::path& first, const fs::path& second) {
    struct stat a {}, b {};
    if (::stat(FolderOf(first).c_str(), &a) != 0 || ::stat(FolderOf(second).c_str(), &b) != 0)
        return fs::path(FolderOf(first)).lexically_normal() == fs::path(FolderOf(second)).lexically_normal();
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool ReplaceTheSameName(const std::string& first, const std::string& second) {
    LinkEnd a, b;
    std::error_code error;
    if (!FollowPath(first, a, error) || !FollowPath(second, b, error)) return false;
    return a.Name.filename() == b.Name.filename() && SameFolder(a.Name, b.Name);
}

bool WriteNewFile(const std::string& path, std::string_view text, std::string& created, std::error_code& error) {
    error.clear();
    std::string name;
    const int descriptor = OpenNewNamed(path, true, O_WRONLY, 0666, name, error);
    if (descriptor < 0) return false;
    TemporaryFile file;  // removed unless the text is whole
    file.Path = name;
    const std::string_view pieces[] = {text};
    if (!Adopt(descriptor, "wb", file, error) || !WritePieces(file.File, pieces, error) || !Finish(file, error)) {
        Discard(file);
        return false;
    }
    created = std::exchange(file.Path, {});
    return true;
}

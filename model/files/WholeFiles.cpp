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

// Puts what was written on the disk and closes the file.
bool Finish(TemporaryFile& temporary, std::error_code& error) {
    errno = 0;
    bool ok = temporary.File && std::fflush(temporary.File) == 0 && ::fsync(::fileno(temporary.File)) == 0;
    if (!ok) error = LastError();
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

bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error) {
    Discard(temporary);
    error.clear();
    if (path.empty()) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    LinkEnd end;
    if (!FollowLinks(path, end, error) || !MayReplace(end, error)) return false;

    // Made for the owner alone first: the target's own bits are given before any byte is written.
    // A new file gets the bits any new file gets.
    const mode_t createMode = end.Exists ? S_IRUSR | S_IWUSR : 0666;
    std::mt19937_64 names = NameSource();
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const std::string name = end.Name.string() + NameSuffix(names);
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        if (descriptor < 0) {
            if (errno == EEXIST) continue;
            error = LastError();
            return false;
        }
        temporary.Path = name;
        temporary.Target = end.Name.string();
        if (end.Exists && ::fchmod(descriptor, end.Status.st_mode & 0777) != 0) {
            error = LastError();
            ::close(descriptor);
            Discard(temporary);
            return false;
        }
        temporary.File = ::fdopen(descriptor, "wb");
        if (!temporary.File) {
            error = LastError();
            ::close(descriptor);
            Discard(temporary);
            return false;
        }
        return true;
    }
    error = std::make_error_code(std::errc::file_exists);
    return false;
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
        TemporaryFile& temporary = temporaries[failed];
        if (!CreateTemporaryBeside(files[failed].Path, temporary, error) ||
            !WritePieces(temporary.File, files[failed].Pieces, error) || !Finish(temporary, error))
            return false;
    }
    for (failed = 0; failed < files.size(); ++failed)
        if (!TakeTargetName(temporaries[failed], error)) return false;
    return true;
}

#include "model/files/HeldFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "model/files/FileDescriptor.h"

namespace {

constexpr size_t ReadChunk = 64 * 1024;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether `name` is a name of the file described by `held` (not a link to it).
bool NameLeadsTo(const std::string& name, const struct stat& held) {
    struct stat there {};
    return !name.empty() && ::lstat(name.c_str(), &there) == 0 && SameFile(there, held);
}

// The name the system gives the open file, as the process's list of open files shows it.
std::string DescriptorName(int descriptor) {
    const std::string link = DescriptorLink(descriptor);
    std::array<char, 4096> name{};
    const ssize_t length = ::readlink(link.c_str(), name.data(), name.size());
    if (length <= 0 || static_cast<size_t>(length) >= name.size()) return {};
    return std::string(name.data(), static_cast<size_t>(length));
}

}  // namespace

bool HeldFile::Open(const std::string& path, std::error_code& error) {
    descriptor_.Close();
    error.clear();
    // Not blocking: a pipe put at the name would otherwise hold the open up.
    FileDescriptor descriptor(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!descriptor) {
        error = std::error_code(errno, std::generic_category());
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    descriptor_ = std::move(descriptor);
    path_ = path;
    return true;
}

std::string HeldFile::FullName() const {
    struct stat held {};
    if (!descriptor_ || ::fstat(descriptor_.get(), &held) != 0 || held.st_nlink == 0) return {};
    const std::string named = DescriptorName(descriptor_.get());
    if (NameLeadsTo(named, held)) return named;
    // Without the process's list of open files, the name it was opened under, where that still is it.
    std::error_code ignored;
    const std::string opened = std::filesystem::absolute(path_, ignored).lexically_normal().string();
    return NameLeadsTo(opened, held) ? opened : std::string();
}

bool HeldFile::Holds(std::string_view text) const {
    struct stat held {};
    if (!descriptor_ || ::fstat(descriptor_.get(), &held) != 0 || static_cast<size_t>(held.st_size) != text.size())
        return false;
    std::array<char, ReadChunk> chunk{};
    size_t at = 0;
    while (at < text.size()) {
        const ssize_t got = ::pread(descriptor_.get(), chunk.data(), std::min(chunk.size(), text.size() - at),
                                    static_cast<off_t>(at));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || text.compare(at, static_cast<size_t>(got), chunk.data(), static_cast<size_t>(got)) != 0)
            return false;
        at += static_cast<size_t>(got);
    }
    // Nothing beyond the text either, should the file have grown since its size was taken.
    char beyond = 0;
    return ::pread(descriptor_.get(), &beyond, 1, static_cast<off_t>(at)) == 0;
}

void HeldFile::Remove() {
    const std::string name = FullName();
    if (!name.empty()) ::unlink(name.c_str());
    descriptor_.Close();
}

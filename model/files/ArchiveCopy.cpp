#include "model/files/ArchiveCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

#include "model/common/FilePaths.h"
#include "model/files/ArchiveReader.h"

namespace {

// New temporary names tried before the folder is taken to refuse new files for another reason.
constexpr int MaxNameTries = 100;

std::error_code LastError() { return {errno, std::generic_category()}; }

// An open file or folder, closed at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    int get() const { return descriptor_; }
    explicit operator bool() const { return descriptor_ >= 0; }

private:
    int descriptor_;
};

// Every byte written and on the disk.
bool WriteWhole(int file, std::string_view bytes, std::error_code& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = written < 0 ? LastError() : std::make_error_code(std::errc::io_error);
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    if (::fsync(file) == 0) return true;
    error = LastError();
    return false;
}

std::string DescriptorLink(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

// A file without a name in `folder`, where the file system makes such files and the process can
// give it a name once it is whole; -1 otherwise.
int OpenNameless(int folder) {
#ifdef O_TMPFILE
    const int descriptor = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor < 0) return -1;
    struct stat status {};
    if (::stat(DescriptorLink(descriptor).c_str(), &status) == 0) return descriptor;
    ::close(descriptor);
#else
    (void)folder;
#endif
    return -1;
}

// Names the whole nameless file: a link is made only where the name is free.
bool NameNameless(int file, int folder, const std::string& name, std::error_code& error) {
    if (::linkat(AT_FDCWD, DescriptorLink(file).c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    error = LastError();
    return false;
}

// Opens a new file in `folder` under a temporary name of its own; `temporary` is that name.
int OpenNamedTemporary(int folder, const std::string& name, std::string& temporary, std::error_code& error) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        temporary = "." + name + ".~" + std::to_string(::getpid()) + "-" + std::to_string(stamp + attempt);
        const int descriptor =
            ::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            if (descriptor < 0) error = LastError();
            return descriptor;
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return -1;
}

// Gives the whole temporary file `name`, only where that name is free.
bool TakeNameIfFree(int folder, const std::string& temporary, const std::string& name, std::error_code& error) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0) return true;
    // A file system without the exclusive rename still makes links only where a name is free.
    if (errno != EINVAL && errno != ENOSYS) {
        error = LastError();
        return false;
    }
#endif
    if (::linkat(folder, temporary.c_str(), folder, name.c_str(), 0) != 0) {
        error = LastError();
        return false;
    }
    ::unlinkat(folder, temporary.c_str(), 0);
    return true;
}

bool CreateUnderTemporaryName(int folder, const std::string& name, std::string_view bytes, std::error_code& error) {
    std::string temporary;
    const Descriptor file(OpenNamedTemporary(folder, name, temporary, error));
    if (!file) return false;
    if (WriteWhole(file.get(), bytes, error) && TakeNameIfFree(folder, temporary, name, error)) return true;
    ::unlinkat(folder, temporary.c_str(), 0);
    return false;
}

}  // namespace

std::string ArchivePathIn(const std::string& folder) { return PathInFolder(folder, ArchiveFileName); }

bool CreateFileWhereFree(const std::string& folder, const std::string& name, std::string_view bytes,
                         std::error_code& error) {
    error.clear();
    const Descriptor directory(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory) {
        error = LastError();
        return false;
    }
    // The new name itself goes on the disk too; the file is whole and named whatever that says.
    if (const Descriptor nameless(OpenNameless(directory.get())); nameless) {
        if (!WriteWhole(nameless.get(), bytes, error)) return false;
        if (NameNameless(nameless.get(), directory.get(), name, error)) {
            ::fsync(directory.get());
            return true;
        }
        // A taken name is final; a link refused by a security profile or across mounts says nothing
        // of the name, and a named temporary file may still take it where it is free.
        if (error == std::errc::file_exists) return false;
        error.clear();
    }
    if (!CreateUnderTemporaryName(directory.get(), name, bytes, error)) return false;
    ::fsync(directory.get());
    return true;
}

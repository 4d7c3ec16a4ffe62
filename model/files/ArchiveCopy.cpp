#include "model/files/ArchiveCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "model/common/FilePaths.h"
#include "model/files/ArchiveReader.h"
#include "model/files/TemporaryNames.h"

namespace {

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

// Gives the whole temporary file `target`, only where that name is free.
bool TakeNameIfFree(const std::string& temporary, const std::string& target, std::error_code& error) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
    // A file system without the exclusive rename still makes links only where a name is free.
    if (errno != EINVAL && errno != ENOSYS) {
        error = LastError();
        return false;
    }
#endif
    if (::link(temporary.c_str(), target.c_str()) != 0) {
        error = LastError();
        return false;
    }
    ::unlink(temporary.c_str());
    return true;
}

bool CreateUnderTemporaryName(const std::string& target, std::string_view bytes, std::error_code& error) {
    std::string temporary;
    const Descriptor file(OpenNewNamed(target, false, O_WRONLY, 0666, temporary, error));
    if (!file) return false;
    if (WriteWhole(file.get(), bytes, error) && TakeNameIfFree(temporary, target, error)) return true;
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace

std::string ArchivePathIn(const std::string& folder) { return PathInFolder(folder, ArchiveFileName); }

bool CreateFileWhereFree(const std::string& folder, const std::string& name, std::string_view bytes,
                         std::error_code& error, const CommitCalls& calls) {
    error.clear();
    const std::string where = folder.empty() ? "." : folder;
    const Descriptor directory(::open(where.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory) {
        error = LastError();
        return false;
    }
    const std::string target = PathInFolder(where, name);
    // The new name itself goes on the disk too; the file is whole and named whatever that says.
    if (const Descriptor nameless(OpenNameless(where, O_WRONLY, 0666, true)); nameless) {
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
    if (!CreateUnderTemporaryName(target, bytes, error)) return false;
    ::fsync(directory.get());
    return true;
}

#include "model/files/FileWrites.h"

#include <sys/sendfile.h>
#include <unistd.h>

#include <cerrno>

#include "model/files/FileErrors.h"

bool WriteAll(int descriptor, std::string_view bytes, std::error_code& error) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = LastError();
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
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

bool CopyBytes(int from, int to, uint64_t size, std::error_code& error) {
    bool bySendfile = false;
    for (off_t at = 0; static_cast<uint64_t>(at) < size;) {
        const size_t left = static_cast<size_t>(size - static_cast<uint64_t>(at));
        errno = 0;
        const ssize_t copied =
            bySendfile ? ::sendfile(to, from, &at, left) : ::copy_file_range(from, &at, to, nullptr, left, 0);
        if (copied > 0) continue;
        if (copied < 0 && errno == EINTR) continue;
        // Where the kernel or the file systems have no range copy, the copy goes through the
        // kernel's plain one.
        if (copied < 0 && !bySendfile && (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)) {
            bySendfile = true;
            continue;
        }
        error = copied == 0 ? std::make_error_code(std::errc::io_error) : LastError();
        return false;
    }
    return true;
}

bool PutOnDisk(int descriptor, std::error_code& error) {
    errno = 0;
    if (::fsync(descriptor) == 0) return true;
    error = LastError();
    return false;
}

bool PutOnDisk(std::FILE* file, std::error_code& error) {
    errno = 0;
    if (file && std::fflush(file) == 0) return PutOnDisk(::fileno(file), error);
    error = LastError();
    return false;
}

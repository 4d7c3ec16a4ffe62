#include "model/files/FileWrites.h"

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

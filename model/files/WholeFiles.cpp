#include "model/files/WholeFiles.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <span>
#include <string_view>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

// Writes the pieces one after the other to `path` and, when durable, makes sure they reached the
// disk; the cause of a failure in `error`.
bool WriteFileBytes(const std::string& path, std::span<const std::string_view> pieces, bool durable,
                    std::error_code& error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = LastError();
        return false;
    }
    bool ok = true;
    for (std::string_view piece : pieces)
        ok = ok && std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    ok = ok && std::fflush(file) == 0;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && (!durable || ::fsync(::fileno(file)) == 0);
#endif
    if (!ok) error = LastError();
    if (std::fclose(file) != 0 && ok) {
        error = LastError();
        ok = false;
    }
    return ok;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text) {
    // Far beyond any deck (a million elements stay under 100 MB); a larger file, or a device that
    // never ends, is refused rather than read until memory runs out.
    constexpr std::uintmax_t MaxFileBytes = std::uintmax_t{1} << 30;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    try {
        // A file is read in one piece at its size: a saved deck runs to megabytes, which a growing
        // string stream would copy several times over. Anything else (no regular file) in chunks.
        std::error_code error;
        const std::uintmax_t size =
            fs::is_regular_file(path, error) ? fs::file_size(path, error) : 0;
        if (!error && size > MaxFileBytes) return false;
        if (size > 0 && !error) {
            text.assign(static_cast<size_t>(size), '\0');
            in.read(text.data(), static_cast<std::streamsize>(size));
            text.resize(static_cast<size_t>(in.gcount()));
            return !in.bad();
        }
        text.clear();
        char chunk[1 << 16];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            text.append(chunk, static_cast<size_t>(in.gcount()));
            if (text.size() > MaxFileBytes) return false;
        }
        return !in.bad();
    } catch (const std::bad_alloc&) {
        text.clear();
        return false;
    }
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::error_code error;
    const std::string_view pieces[] = {text};
    return WriteFileBytes(path, pieces, false, error);
}

bool ReplaceWholeFile(const std::string& path, std::span<const std::string_view> pieces, std::error_code& error) {
    const std::string temporary = path + ".~tmp";
    if (!WriteFileBytes(temporary, pieces, true, error)) {
        std::error_code ignored;
        if (!fs::is_directory(temporary, ignored)) fs::remove(temporary, ignored);
        return false;
    }
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
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

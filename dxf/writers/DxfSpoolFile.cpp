#include "dxf/writers/DxfSpoolFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

namespace {

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

bool WriteAll(int descriptor, std::string_view text, std::error_code& error) {
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = LastError();
            return false;
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Reads the file from its start in chunks, handing each to `take`.
template <class Take>
bool ReadChunks(int descriptor, uint64_t size, std::error_code& error, Take take) {
    char chunk[1 << 16];
    for (uint64_t at = 0; at < size;) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(sizeof chunk, size - at));
        const ssize_t got = ::pread(descriptor, chunk, want, static_cast<off_t>(at));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            error = got == 0 ? std::make_error_code(std::errc::io_error) : LastError();
            return false;
        }
        if (!take(std::string_view(chunk, static_cast<size_t>(got)))) return false;
        at += static_cast<uint64_t>(got);
    }
    return true;
}

// The copy the system makes between two files without passing the bytes through the process;
// false, with nothing copied, where the system or the file systems offer none.
bool CopyInTheSystem(int from, int to, uint64_t size, std::error_code& error, bool& offered) {
    offered = true;
    loff_t at = 0;
    while (static_cast<uint64_t>(at) < size) {
        const ssize_t copied = ::copy_file_range(from, &at, to, nullptr, static_cast<size_t>(size - at), 0);
        if (copied < 0 && errno == EINTR) continue;
        if (copied < 0 && at == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
            offered = false;
            return false;
        }
        if (copied <= 0) {
            error = copied == 0 ? std::make_error_code(std::errc::io_error) : LastError();
            return false;
        }
    }
    return true;
}

}  // namespace

void DxfSpoolFile::Drain(std::string& spool) {
    if (spool.empty()) return;
    std::error_code error;
    if (!file_.File && !CreateScratchBeside(dxfPath_, file_, error)) throw DxfSpoolError(error);
    errno = 0;
    if (!WriteAll(::fileno(file_.File), spool, error)) throw DxfSpoolError(error);
    size_ += spool.size();
    endsLine_ = spool.ends_with("\r\n");
    spool.clear();
}

bool DxfSpoolFile::CopyTo(std::FILE* out, std::error_code& error) const {
    if (size_ == 0) return true;
    errno = 0;
    if (std::fflush(out) != 0) {
        error = LastError();
        return false;
    }
    const int from = ::fileno(file_.File), to = ::fileno(out);
    bool offered = true;
    if (CopyInTheSystem(from, to, size_, error, offered)) return true;
    if (offered) return false;
    return ReadChunks(from, size_, error, [&](std::string_view chunk) { return WriteAll(to, chunk, error); });
}

bool DxfSpoolFile::AppendTo(std::string& text, std::error_code& error) const {
    if (size_ == 0) return true;
    text.reserve(text.size() + static_cast<size_t>(size_));
    return ReadChunks(::fileno(file_.File), size_, error, [&](std::string_view chunk) {
        text += chunk;
        return true;
    });
}

void AttachDxfSpoolFiles(DxfWriterState& state, DxfSpoolFile& entities, DxfSpoolFile& blocks) {
    // A group longer than the slack (a long text) moves the spool once; nothing else does.
    constexpr size_t Slack = size_t{1} << 16;
    state.EntitySpoolFile = &entities;
    state.BlockSpoolFile = &blocks;
    state.EntitySpool.reserve(entities.DrainBytes() + Slack);
    state.BlockSpool.reserve(blocks.DrainBytes() + Slack);
}

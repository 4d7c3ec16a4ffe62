#include "dxf/writers/DxfSpoolFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "model/files/FileErrors.h"
#include "model/files/FileWrites.h"

namespace {

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

}  // namespace

void DxfSpoolFile::MakeRoom(size_t size) {
    // A group longer than the slack (a long text) gets a buffer of its own size; nothing else
    // ever moves the buffer.
    constexpr size_t Slack = size_t{1} << 16;
    Drain();
    if (capacity_ >= size) return;
    capacity_ = std::max(drainBytes_ + Slack, size);
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
}

void DxfSpoolFile::Append(std::string_view text) {
    char* at = Room(text.size());
    Commit(std::copy(text.begin(), text.end(), at));
}

void DxfSpoolFile::WaitForWriting() const {
    if (pendingWrite_.valid()) pendingWrite_.get();
}

void DxfSpoolFile::Drain() {
    if (used_ == 0) return;
    WaitForWriting();
    std::error_code error;
    if (!file_.File && !CreateScratchBeside(dxfPath_, file_, error, calls_))
        throw DxfSpoolError(error, FileStep::Create);
    drainedEndsLine_ = EndsLine();
    lastDrained_ = buffer_[used_ - 1];
    drained_ += used_;
    std::swap(buffer_, writing_);
    std::swap(capacity_, writingCapacity_);
    const std::string_view text(writing_.get(), used_);
    used_ = 0;
    pendingWrite_ = std::async(std::launch::async, [descriptor = ::fileno(file_.File), text] {
        std::error_code failure;
        errno = 0;
        if (!WriteAll(descriptor, text, failure)) throw DxfSpoolError(failure, FileStep::Write);
    });
}

bool DxfSpoolFile::EndsLine() const {
    if (used_ == 0) return drainedEndsLine_;
    const char beforeLast = used_ >= 2 ? buffer_[used_ - 2] : lastDrained_;
    return beforeLast == '\r' && buffer_[used_ - 1] == '\n';
}

bool DxfSpoolFile::CopyTo(std::FILE* out, std::error_code& error) const {
    try {
        WaitForWriting();
    } catch (const DxfSpoolError& failure) {
        error = failure.code();
        return false;
    }
    if (drained_ > 0) {
        errno = 0;
        if (std::fflush(out) != 0) {
            error = LastError();
            return false;
        }
        const int to = ::fileno(out);
        if (!CopyBytes(::fileno(file_.File), to, drained_, error)) return false;
        // The disk starts on the records copied while the rest is written, so that the commit's
        // flush waits less; only a hint, whose failure the flush itself reports.
        ::sync_file_range(to, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    errno = 0;
    if (used_ == 0 || std::fwrite(buffer_.get(), 1, used_, out) == used_) return true;
    error = LastError();
    return false;
}

bool DxfSpoolFile::AppendTo(std::string& text, std::error_code& error) const {
    try {
        WaitForWriting();
    } catch (const DxfSpoolError& failure) {
        error = failure.code();
        return false;
    }
    text.reserve(text.size() + static_cast<size_t>(Size()));
    if (drained_ > 0 && !ReadChunks(::fileno(file_.File), drained_, error, [&](std::string_view chunk) {
            text += chunk;
            return true;
        }))
        return false;
    if (used_ > 0) text.append(buffer_.get(), used_);
    return true;
}

void AttachDxfSpoolFiles(DxfWriterState& state, DxfSpoolFile& entities, DxfSpoolFile& blocks) {
    state.EntitySpoolFile = &entities;
    state.BlockSpoolFile = &blocks;
}

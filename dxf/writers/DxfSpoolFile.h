#pragma once
// Where a spool of the drawing pass goes when the export gives it a file: the records are written
// in place into a buffer of fixed size, which goes to a scratch file each time it fills, so that
// an export of any size holds little of its entity and block records in memory and never moves
// them. A full buffer is written out by a thread of its own while the drawing fills the other
// one. The scratch file is made beside the DXF file at the first drain, without a name where the
// file system allows it, so that it goes when this goes out of scope or the process ends, however
// it ends (elsewhere it is removed by its name when this goes); the DXF file then copies it in
// place of the spool.
#include <cstdint>
#include <cstdio>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "dxf/writers/DxfWriterState.h"
#include "model/files/FileCalls.h"
#include "model/files/FileErrors.h"
#include "model/files/NewFiles.h"

// A spool that could not go to its file: the cause is the system's, met at `Step` (the scratch
// file made, or written).
struct DxfSpoolError : std::system_error {
    DxfSpoolError(std::error_code error, FileStep step) : std::system_error(error), Step(step) {}
    FileStep Step;
};

class DxfSpoolFile {
public:
    // The buffer drains once it holds this much: large enough that each write is cheap, small
    // enough to stay in the processor's cache while it fills.
    static constexpr size_t DefaultDrainBytes = size_t{1} << 20;

    // `calls` stand in for the system's where given, for the making of the scratch file.
    explicit DxfSpoolFile(std::string dxfPath, size_t drainBytes = DefaultDrainBytes, CommitCalls calls = {})
        : dxfPath_(std::move(dxfPath)), drainBytes_(drainBytes), calls_(std::move(calls)) {}
    DxfSpoolFile(const DxfSpoolFile&) = delete;
    DxfSpoolFile& operator=(const DxfSpoolFile&) = delete;

    // Room for `size` more bytes at the end of what was written; the writer puts its bytes there
    // and hands the end of them to Commit.
    char* Room(size_t size) {
        if (capacity_ - used_ < size) MakeRoom(size);
        return buffer_.get() + used_;
    }
    // The bytes up to `end` are written; a full buffer drains.
    void Commit(const char* end) {
        used_ = static_cast<size_t>(end - buffer_.get());
        if (used_ >= drainBytes_) Drain();
    }
    void Append(std::string_view text);
    // Sends what the buffer holds to the file, made when it is the first time; the writing goes on
    // while the other buffer fills.
    void Drain();
    // The calls above throw DxfSpoolError when the file cannot be made or written (a write that
    // failed meanwhile is told at the next of them).

    // Every byte written so far, in the file or still in the buffer.
    uint64_t Size() const { return drained_ + used_; }
    // Whether what was written ends a line (true when nothing was).
    bool EndsLine() const;

    // Writes every byte written so far at the current position of `out`. False, with the cause,
    // when it failed.
    bool CopyTo(std::FILE* out, std::error_code& error) const;
    // Appends every byte written so far to `text`.
    bool AppendTo(std::string& text, std::error_code& error) const;

private:
    void MakeRoom(size_t size);
    // Waits for the buffer being written; throws DxfSpoolError when its writing failed.
    void WaitForWriting() const;

    std::string dxfPath_;
    size_t drainBytes_;
    CommitCalls calls_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0, used_ = 0;
    std::unique_ptr<char[]> writing_;  // the buffer handed to the writing
    size_t writingCapacity_ = 0;
    TemporaryFile file_;
    uint64_t drained_ = 0;
    bool drainedEndsLine_ = true;
    char lastDrained_ = '\0';
    // Last, so that it is waited for before the buffer and the file it uses go.
    mutable std::future<void> pendingWrite_;
};

// Gives the state's entity and block spools their files: the writers then write their records
// there, and leave the spools' own texts as they are.
void AttachDxfSpoolFiles(DxfWriterState& state, DxfSpoolFile& entities, DxfSpoolFile& blocks);

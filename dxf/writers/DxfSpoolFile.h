#pragma once
// The scratch file a spool of the drawing pass goes to as it grows, so that an export of any size
// holds no more than a little of its entity and block records in memory. It is made beside the
// DXF file at the first drain, under a new name of its own, and removed when it goes out of scope;
// the DXF file then copies it in place of the spool.
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

#include "dxf/writers/DxfWriterState.h"
#include "model/files/WholeFiles.h"

// A spool that could not go to its file: the cause is the system's.
struct DxfSpoolError : std::system_error {
    using std::system_error::system_error;
};

class DxfSpoolFile {
public:
    // A spool drains once it holds this much: large enough that each write is cheap, small enough
    // to stay in the processor's cache while it fills.
    static constexpr size_t DefaultDrainBytes = size_t{1} << 20;

    // The file is made beside `dxfPath` when the first text comes.
    explicit DxfSpoolFile(std::string dxfPath, size_t drainBytes = DefaultDrainBytes)
        : dxfPath_(std::move(dxfPath)), drainBytes_(drainBytes) {}
    DxfSpoolFile(const DxfSpoolFile&) = delete;
    DxfSpoolFile& operator=(const DxfSpoolFile&) = delete;

    // Appends the spool's text to the file and empties the spool, which keeps its room. Throws
    // DxfSpoolError when the file cannot be made or written.
    void Drain(std::string& spool);
    // Drains the spool once it holds DrainBytes() or more.
    void DrainWhenFull(std::string& spool) {
        if (spool.size() >= drainBytes_) Drain(spool);
    }
    size_t DrainBytes() const { return drainBytes_; }

    uint64_t Size() const { return size_; }
    // Whether what the file holds ends a line (true for an empty file).
    bool EndsLine() const { return endsLine_; }

    // Writes the file's bytes at the current end of `out`. False, with the cause, when it failed.
    bool CopyTo(std::FILE* out, std::error_code& error) const;
    // Appends the file's bytes to `text`.
    bool AppendTo(std::string& text, std::error_code& error) const;

private:
    std::string dxfPath_;
    size_t drainBytes_;
    TemporaryFile file_;
    uint64_t size_ = 0;
    bool endsLine_ = true;
};

// Gives the state's entity and block spools their files, and each spool the room it fills before
// it drains, taken at once so that it never moves.
void AttachDxfSpoolFiles(DxfWriterState& state, DxfSpoolFile& entities, DxfSpoolFile& blocks);

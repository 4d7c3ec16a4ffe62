#include "dxf/writers/DxfWriterState.h"

#include <charconv>

#include "model/common/Helpers.h"

namespace {

std::string NextBlockName(const char* prefix, int32_t& count) {
    return prefix + std::to_string(count++);
}

// The handle goes in as entry count − 1: the list index and the number in the block's name agree.
void StoreBlockRecordHandle(std::vector<std::string>& handles, int32_t count, const std::string& handle) {
    if (count < 1) return;
    handles.resize(static_cast<size_t>(count));
    handles.back() = handle;
}

}  // namespace

void InitDxfHandles(DxfWriterState& state) { state = DxfWriterState{}; }

std::string PeekNextHandle(const DxfWriterState& state) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, state.HandleLow + 1, 16);
    return AsciiUpperCase(std::string(buffer, end));
}

std::string GetNextHandle(DxfWriterState& state) {
    std::string handle = PeekNextHandle(state);
    ++state.HandleLow;
    return handle;
}

std::string GetNextHatchBlockName(DxfWriterState& state) { return NextBlockName("*X", state.HatchBlockCount); }

std::string GetNextDimBlockName(DxfWriterState& state) { return NextBlockName("*D", state.DimBlockCount); }

void SetHatchBlockRecordHandle(DxfWriterState& state, const std::string& handle) {
    StoreBlockRecordHandle(state.HatchBlockRecordHandles, state.HatchBlockCount, handle);
}

void SetDimBlockRecordHandle(DxfWriterState& state, const std::string& handle) {
    StoreBlockRecordHandle(state.DimBlockRecordHandles, state.DimBlockCount, handle);
}

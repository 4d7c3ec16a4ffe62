#include "dxf/writers/DxfWriterState.h"

#include <algorithm>
#include <bit>
#include <charconv>

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

// Every record takes a handle: its digits are written straight from its bits.
DxfHandleText HandleText(int32_t handle) {
    DxfHandleText text;
    if (handle <= 0) {  // never issued: the counter starts at 31 and only grows
        const auto [end, ec] = std::to_chars(text.Digits, text.Digits + sizeof text.Digits, handle, 16);
        std::transform(text.Digits, end, text.Digits, [](char c) { return c >= 'a' ? static_cast<char>(c - 32) : c; });
        text.Size = static_cast<uint8_t>(end - text.Digits);
        return text;
    }
    auto bits = static_cast<uint32_t>(handle);
    text.Size = static_cast<uint8_t>((std::bit_width(bits) + 3) / 4);
    for (char* digit = text.Digits + text.Size; digit != text.Digits; bits >>= 4)
        *--digit = "0123456789ABCDEF"[bits & 15];
    return text;
}

}  // namespace

void InitDxfHandles(DxfWriterState& state) { state = DxfWriterState{}; }

std::string PeekNextHandle(const DxfWriterState& state) { return std::string(HandleText(state.HandleLow + 1).View()); }

DxfHandleText TakeNextHandle(DxfWriterState& state) { return HandleText(++state.HandleLow); }

std::string GetNextHandle(DxfWriterState& state) { return std::string(TakeNextHandle(state).View()); }

std::string GetNextHatchBlockName(DxfWriterState& state) { return NextBlockName("*X", state.HatchBlockCount); }

std::string GetNextDimBlockName(DxfWriterState& state) { return NextBlockName("*D", state.DimBlockCount); }

void SetHatchBlockRecordHandle(DxfWriterState& state, const std::string& handle) {
    StoreBlockRecordHandle(state.HatchBlockRecordHandles, state.HatchBlockCount, handle);
}

void SetDimBlockRecordHandle(DxfWriterState& state, const std::string& handle) {
    StoreBlockRecordHandle(state.DimBlockRecordHandles, state.DimBlockCount, handle);
}

#pragma once
// The state every DXF writer shares during one export: the handle counter, the fixed handles the
// fixed sections and the entity writers refer to, the counters and record handles of the
// anonymous hatch (*X) and dimension (*D) blocks, and the two spools the drawing pass fills: the
// entity records of the ENTITIES section and the block definitions of the BLOCKS section.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class DxfSpoolFile;

struct DxfWriterState {
    int32_t HandleLow = 31;  // the last handle issued; the first one is "20"
    std::string HandlePlotStyleNormal = "F";
    std::string HandleStandardStyle = "11";
    std::string HandleActiveVport = "18";
    std::string HandleModelSpaceRecord = "19";
    std::string HandleModelLayout = "1A";
    std::string HandlePaperSpaceRecord = "1B";
    std::string HandlePaperLayout = "1C";
    std::string HandleArrowBlockRecord = "1D";
    std::string HandleNoArrowBlockRecord = "1E";
    std::string HandleNoneBlockRecord = "1F";
    int32_t HatchBlockCount = 0;
    int32_t DimBlockCount = 0;
    std::vector<std::string> HatchBlockRecordHandles;
    std::vector<std::string> DimBlockRecordHandles;

    std::string EntitySpool;  // every entity record of the ENTITIES section, in drawing order
    std::string BlockSpool;   // the definitions of the hatch and dimension blocks
    // The files the export gives the spools (none by default): the writers then write each spool's
    // records to its file, which holds little of them in memory, and the spool is what the file
    // holds followed by its own text. Without one a spool holds its records itself.
    DxfSpoolFile* EntitySpoolFile = nullptr;
    DxfSpoolFile* BlockSpoolFile = nullptr;
    // The take-off list, one block of lines per exported deck; written to its text file when the
    // export ends well, so that a failed export leaves no half-written list.
    std::string TakeoffSpool;
};

// Starts an export's numbering: fixed handles, the counter at 31, no block named, no record
// handle kept; empties the spools.
void InitDxfHandles(DxfWriterState& state);
// The next handle as upper-case hexadecimal without leading zeros: "20", …, "FF", "100".
std::string GetNextHandle(DxfWriterState& state);
// The same, its text held in place, for the writers of every record.
struct DxfHandleText {
    char Digits[12];
    uint8_t Size = 0;
    std::string_view View() const { return {Digits, Size}; }
};
DxfHandleText TakeNextHandle(DxfWriterState& state);
// The handle GetNextHandle would give, without taking it.
std::string PeekNextHandle(const DxfWriterState& state);
// "*X0", "*X1", … and "*D0", "*D1", …: each call names one more block of its kind.
std::string GetNextHatchBlockName(DxfWriterState& state);
std::string GetNextDimBlockName(DxfWriterState& state);
// The handle of the BLOCK_RECORD of the block just named, taken after its name: the list then
// holds exactly one entry per block of its kind, entry i belonging to *Xi (*Di).
void SetHatchBlockRecordHandle(DxfWriterState& state, const std::string& handle);
void SetDimBlockRecordHandle(DxfWriterState& state, const std::string& handle);

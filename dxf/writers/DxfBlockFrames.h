#pragma once
// The BLOCK and ENDBLK records that frame a block definition of a DXF 2000 file: the fixed blocks
// of the BLOCKS section and the anonymous hatch and dimension blocks spooled while the decks are
// drawn. Each record takes its handle from the counter at the moment it is written.
#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/writers/DxfGroups.h"
#include "dxf/writers/DxfWriterState.h"

struct DxfBlockFrame {
    std::string_view Name{};
    std::string_view Owner{};      // the handle of the block's BLOCK_RECORD
    std::string_view Layer = "0";  // of the BLOCK record
    int32_t Flags = 0;             // group 70
    std::string_view Description{};  // group 1
    bool PaperSpace = false;       // group 67 on both records, and the first code line a bare "0"
};

void WriteDxfBlockHeader(DxfWriterState& state, DxfGroups& groups, const DxfBlockFrame& block);
// The ENDBLK record lies on `layer`, whatever the layer of the block's header.
void WriteDxfBlockEnd(DxfWriterState& state, DxfGroups& groups, const DxfBlockFrame& block,
                      std::string_view layer = "0");

// Frame one anonymous block in the block spool: flags 1 for a dimension block, 0 for a hatch
// block; owner is the record handle stored for the block's name. The end lies on layer "0".
void WriteBlockBegin(DxfWriterState& state, int32_t flags, const std::string& name, const std::string& layer,
                     const std::string& owner);
void WriteBlockEnd(DxfWriterState& state, const std::string& owner);

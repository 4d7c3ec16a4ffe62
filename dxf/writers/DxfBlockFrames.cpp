#include "dxf/writers/DxfBlockFrames.h"

#include "dxf/writers/DxfGroups.h"

void WriteDxfBlockHeader(DxfWriterState& state, DxfGroups& groups, const DxfBlockFrame& block) {
    groups.Text(0, "BLOCK", block.PaperSpace ? 1 : DxfGroups::CodeWidth)
        .Text(5, GetNextHandle(state))
        .Text(330, block.Owner)
        .Text(100, "AcDbEntity");
    if (block.PaperSpace) groups.Int(67, 1);
    groups.Layer(8, block.Layer)
        .Text(100, "AcDbBlockBegin")
        .Text(2, block.Name)
        .Int(70, block.Flags)
        .Text(10, "0.0")
        .Text(20, "0.0")
        .Text(30, "0.0")
        .Text(3, block.Name)
        .Text(1, block.Description);
}

void WriteDxfBlockEnd(DxfWriterState& state, DxfGroups& groups, const DxfBlockFrame& block, std::string_view layer) {
    groups.Text(0, "ENDBLK").Text(5, GetNextHandle(state)).Text(330, block.Owner).Text(100, "AcDbEntity");
    if (block.PaperSpace) groups.Text(67, "1");
    groups.Layer(8, layer).Text(100, "AcDbBlockEnd");
}

void WriteBlockBegin(DxfWriterState& state, int32_t flags, const std::string& name, const std::string& layer,
                     const std::string& owner) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    WriteDxfBlockHeader(state, groups, {.Name = name, .Owner = owner, .Layer = layer, .Flags = flags});
}

void WriteBlockEnd(DxfWriterState& state, const std::string& owner) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    WriteDxfBlockEnd(state, groups, {.Owner = owner});
}

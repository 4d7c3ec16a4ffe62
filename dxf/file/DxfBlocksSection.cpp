#include "dxf/file/DxfBlocksSection.h"

#include "dxf/writers/DxfBlockFrames.h"
#include "dxf/writers/DxfGroups.h"

namespace {

// The arrow blocks lie on layer "0" and colour their entities by block.
constexpr std::string_view ArrowLayer = "0";

// The head every entity of an arrow block shares.
DxfGroups& ArrowEntity(DxfWriterState& state, DxfGroups& groups, const char* name, const char* subclass,
                       std::string_view owner) {
    return groups.Text(0, name)
        .Text(5, GetNextHandle(state))
        .Text(330, owner)
        .Text(100, "AcDbEntity")
        .Text(8, ArrowLayer)
        .Int(62, 0)
        .Text(100, subclass);
}

void WriteArrowLine(DxfWriterState& state, DxfGroups& groups, float x1, float y1, float x2, float y2,
                    std::string_view owner) {
    ArrowEntity(state, groups, "LINE", "AcDbLine", owner)
        .Fixed(10, x1, 8)
        .Fixed(20, y1, 8)
        .Text(30, "0.0")
        .Fixed(11, x2, 8)
        .Fixed(21, y2, 8)
        .Text(31, "0.0");
}

void WriteArrowCircle(DxfWriterState& state, DxfGroups& groups, float x, float y, float radius,
                      std::string_view owner) {
    ArrowEntity(state, groups, "CIRCLE", "AcDbCircle", owner)
        .Fixed(10, x, 8)
        .Fixed(20, y, 8)
        .Text(30, "0.0")
        .Fixed(40, radius, 8);
}

void WriteArrowBlocks(DxfWriterState& state, std::string& out) {
    DxfGroups groups(out);
    // The dimension arrow: a tick across the line, a stub along it and a small circle.
    const DxfBlockFrame arrow{.Name = "_FRECCIADRAVO", .Owner = state.HandleArrowBlockRecord,
                              .Layer = ArrowLayer, .Description = "_FRECCIADRAVO"};
    WriteDxfBlockHeader(state, groups, arrow);
    WriteArrowLine(state, groups, 0, 15, 0, -15, arrow.Owner);
    WriteArrowLine(state, groups, -1, 0, 0, 0, arrow.Owner);
    WriteArrowCircle(state, groups, 0, 0, 1.5f, arrow.Owner);
    WriteDxfBlockEnd(state, groups, arrow, ArrowLayer);

    const DxfBlockFrame noArrow{.Name = "_NOFRECCIA", .Owner = state.HandleNoArrowBlockRecord, .Layer = ArrowLayer,
                                .Description = "_NOFRECCIA"};
    WriteDxfBlockHeader(state, groups, noArrow);
    WriteArrowLine(state, groups, -1, 0, 0, 0, noArrow.Owner);
    WriteDxfBlockEnd(state, groups, noArrow, ArrowLayer);

    const DxfBlockFrame none{.Name = "_None", .Owner = state.HandleNoneBlockRecord};
    WriteDxfBlockHeader(state, groups, none);
    WriteDxfBlockEnd(state, groups, none, ArrowLayer);
}

}  // namespace

void WriteDxf2000Blocks(DxfWriterState& state, DxfFileParts& file) {
    std::string& out = file.Text();
    DxfGroups groups(out);
    groups.Text(0, "SECTION").Text(2, "BLOCKS");
    const DxfBlockFrame model{.Name = "*Model_Space", .Owner = state.HandleModelSpaceRecord};
    WriteDxfBlockHeader(state, groups, model);
    WriteDxfBlockEnd(state, groups, model);
    const DxfBlockFrame paper{.Name = "*Paper_Space", .Owner = state.HandlePaperSpaceRecord, .PaperSpace = true};
    WriteDxfBlockHeader(state, groups, paper);
    WriteDxfBlockEnd(state, groups, paper);
    WriteArrowBlocks(state, out);
    file.Spool(state.BlockSpool, state.BlockSpoolFile);
    DxfGroups(file.Text()).Text(0, "ENDSEC");
}

void WriteDxf12Blocks(const DxfWriterState& state, DxfFileParts& file) {
    DxfGroups(file.Text()).Text(0, "SECTION").Text(2, "BLOCKS");
    file.Spool(state.BlockSpool, state.BlockSpoolFile);
    DxfGroups(file.Text()).Text(0, "ENDSEC");
}

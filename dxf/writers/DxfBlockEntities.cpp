#include "dxf/writers/DxfBlockEntities.h"

#include "dxf/writers/DxfEntityWriters.h"
#include "dxf/writers/DxfGroups.h"

namespace {

constexpr int32_t Decimals = 8;

// From the byBlock marker to the end point: the part a 2000 and an R12 block line share.
void WriteLineBody(DxfGroups& groups, float x1, float y1, float x2, float y2, int32_t style, int32_t byBlock,
                   bool subclass) {
    if (byBlock != 0) groups.Text(62, "     0").Text(370, "    -2");
    if (subclass) groups.Text(100, "AcDbLine");
    if (const char* lineType = DxfLineTypeOfStyle(style)) groups.Text(6, lineType);
    groups.Fixed(10, x1, Decimals).Fixed(20, y1, Decimals).Text(30, "0.0");
    groups.Fixed(11, x2, Decimals).Fixed(21, y2, Decimals).Text(31, "0.0");
}

}  // namespace

void WriteBlockLine(DxfWriterState& state, float x1, float y1, float x2, float y2, int32_t style, int32_t byBlock,
                    const std::string& layerName, const std::string& ownerHandle) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    groups.Text(0, "LINE").Text(5, TakeNextHandle(state).View()).Text(330, ownerHandle).Text(100, "AcDbEntity");
    groups.Layer(8, layerName);
    WriteLineBody(groups, x1, y1, x2, y2, style, byBlock, true);
}

void WriteBlockMText(DxfWriterState& state, float x, float y, const std::string& text, float rotationDeg,
                     float height, int32_t direction, int32_t attachment, const std::string& layerName,
                     const std::string& ownerHandle) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    groups.Text(0, "MTEXT").Text(5, TakeNextHandle(state).View()).Text(330, ownerHandle).Text(100, "AcDbEntity");
    groups.Layer(8, layerName).Text(62, "     0").Text(100, "AcDbMText");
    groups.Fixed(10, x, Decimals).Fixed(20, y, Decimals).Text(30, "0.0");
    groups.Fixed(40, height, Decimals).Text(41, "0.0").Fixed(50, rotationDeg, Decimals);
    groups.Int(71, attachment).Int(72, direction).Text(1, text).Text(73, "     1").Text(44, "1.0");
    groups.Text(1001, "ACAD", 4).Text(1000, "MTEXTBEGIN", 4);
    groups.Text(1070, "    73", 4).Text(1070, "     1", 4).Text(1070, "    44", 4).Text(1040, "1.0", 4);
    groups.Text(1070, "    74", 4).Text(1070, "     0", 4).Text(1000, "MTEXTEND", 4);
}

void WriteBlockPoint(DxfWriterState& state, float x, float y, const std::string& ownerHandle) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    groups.Text(0, "POINT").Text(5, TakeNextHandle(state).View()).Text(330, ownerHandle).Text(100, "AcDbEntity");
    groups.Text(8, "DEFPOINTS").Text(62, "    0").Text(100, "AcDbPoint");
    groups.Fixed(10, x, Decimals).Fixed(20, y, Decimals).Text(30, "0.0");
}

void WriteBlockArrowInsert(DxfWriterState& state, const std::string& blockName, float x, float y, float scale,
                           float rotationDeg, const std::string& layerName, const std::string& ownerHandle) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    groups.Text(0, "INSERT", 1).Text(5, TakeNextHandle(state).View(), 1).Text(330, ownerHandle).Text(100, "AcDbEntity");
    groups.Layer(8, layerName).Text(62, "     0", 2).Text(370, "    -2").Text(100, "AcDbBlockReference");
    groups.Text(2, blockName, 1).Fixed(10, x, Decimals, 2).Fixed(20, y, Decimals, 2).Text(30, "0.0", 2);
    groups.Fixed(41, scale, Decimals, 2).Fixed(42, scale, Decimals, 2).Fixed(43, scale, Decimals, 2);
    groups.Fixed(50, rotationDeg, Decimals, 2);
}

void WriteDxf12BlockBegin(DxfWriterState& state, const std::string& name) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    groups.Text(0, "BLOCK").Text(8, "0").Text(5, TakeNextHandle(state).View()).Text(2, name).Text(70, "     1");
    groups.Text(10, "0.0").Text(20, "0.0").Text(30, "0.0").Text(3, name);
}

void WriteDxf12BlockEnd(DxfWriterState& state) { DxfGroups(state.BlockSpool, state.BlockSpoolFile).Text(0, "ENDBLK"); }

void WriteDxf12BlockLine(DxfWriterState& state, float x1, float y1, float x2, float y2, int32_t style,
                         int32_t byBlock, const std::string& layerName) {
    DxfGroups groups(state.BlockSpool, state.BlockSpoolFile);
    groups.Text(0, "LINE").Layer(8, layerName);
    WriteLineBody(groups, x1, y1, x2, y2, style, byBlock, false);
}

void WriteHatchInsert(DxfWriterState& state, bool dxf2000, const std::string& blockName, float x, float y,
                      const std::string& layerName) {
    DxfGroups groups(state.EntitySpool, state.EntitySpoolFile);
    groups.Text(0, "INSERT", 1).Text(5, TakeNextHandle(state).View());
    if (dxf2000) groups.Text(330, state.HandleModelSpaceRecord).Text(100, "AcDbEntity");
    groups.Layer(8, layerName).Text(62, "     0");
    if (dxf2000) groups.Text(100, "AcDbBlockReference");
    groups.Text(2, blockName).Fixed(10, x, Decimals).Fixed(20, y, Decimals).Text(30, "0.0");
}

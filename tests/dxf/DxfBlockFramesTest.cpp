#include "dxf/writers/DxfBlockFrames.h"

#include <gtest/gtest.h>

#include "tests/support/DxfRecordLines.h"

TEST(DxfBlockFrames, ASpooledBlockIsFramedByItsHeaderAndEndWithHandlesInWritingOrder) {
    DxfWriterState state;
    InitDxfHandles(state);
    const std::string name = GetNextHatchBlockName(state);
    const std::string record = GetNextHandle(state);
    SetHatchBlockRecordHandle(state, record);
    WriteBlockBegin(state, 0, name, "TRATTEGGIO_SOLAI", record);
    WriteBlockEnd(state, record);

    EXPECT_EQ(state.BlockSpool,
              CrlfLines({"  0", "BLOCK", "  5", "21", "330", "20", "100", "AcDbEntity", "  8", "TRATTEGGIO_SOLAI",
                         "100", "AcDbBlockBegin", "  2", "*X0", " 70", "     0", " 10", "0.0", " 20", "0.0", " 30",
                         "0.0", "  3", "*X0", "  1", "", "  0", "ENDBLK", "  5", "22", "330", "20", "100",
                         "AcDbEntity", "  8", "0", "100", "AcDbBlockEnd"}));
}

TEST(DxfBlockFrames, TheDimensionFlagAndTheLayerNameReachTheHeader) {
    DxfWriterState state;
    WriteBlockBegin(state, 1, "*D0", "QUOTE|1", "2A");
    const auto groups = SplitGroups(state.BlockSpool);
    EXPECT_EQ(groups[4], DxfGroup("  8", "QUOTE_1"));
    EXPECT_EQ(groups[7], DxfGroup(" 70", "     1"));
}

#include "dxf/writers/DxfWriterState.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::vector<std::string> TakeHandles(DxfWriterState& state, int count) {
    std::vector<std::string> handles;
    for (int i = 0; i < count; ++i) handles.push_back(GetNextHandle(state));
    return handles;
}

// What the hatch and dimension writers do for each block: the name, then the handles (the
// dimension entity's first), then the record handle into the list.
std::string DeclareHatchBlock(DxfWriterState& state) {
    std::string name = GetNextHatchBlockName(state);
    SetHatchBlockRecordHandle(state, GetNextHandle(state));
    return name;
}

std::string DeclareDimBlock(DxfWriterState& state) {
    std::string name = GetNextDimBlockName(state);
    GetNextHandle(state);
    SetDimBlockRecordHandle(state, GetNextHandle(state));
    return name;
}

}  // namespace

TEST(DxfHandles, CountInUpperCaseHexadecimalFrom20) {
    DxfWriterState state;
    InitDxfHandles(state);
    const std::vector<std::string> handles = TakeHandles(state, 225);
    EXPECT_EQ(handles[0], "20");
    EXPECT_EQ(handles[1], "21");
    EXPECT_EQ(handles[10], "2A");
    EXPECT_EQ(handles[15], "2F");
    EXPECT_EQ(handles[16], "30");
    EXPECT_EQ(handles[223], "FF");
    EXPECT_EQ(handles[224], "100");
    EXPECT_EQ(state.HandleLow, 256);
}

TEST(DxfHandles, TheResetRestoresTheFixedHandlesAndStartsAgain) {
    DxfWriterState state;
    InitDxfHandles(state);
    TakeHandles(state, 40);
    DeclareHatchBlock(state);
    DeclareDimBlock(state);
    state.HandleModelSpaceRecord = "ZZ";
    state.EntitySpool = "  0\r\nLINE\r\n";
    state.BlockSpool = "  0\r\nBLOCK\r\n";

    InitDxfHandles(state);

    EXPECT_EQ(state.HandlePlotStyleNormal, "F");
    EXPECT_EQ(state.HandleStandardStyle, "11");
    EXPECT_EQ(state.HandleActiveVport, "18");
    EXPECT_EQ(state.HandleModelSpaceRecord, "19");
    EXPECT_EQ(state.HandleModelLayout, "1A");
    EXPECT_EQ(state.HandlePaperSpaceRecord, "1B");
    EXPECT_EQ(state.HandlePaperLayout, "1C");
    EXPECT_EQ(state.HandleArrowBlockRecord, "1D");
    EXPECT_EQ(state.HandleNoArrowBlockRecord, "1E");
    EXPECT_EQ(state.HandleNoneBlockRecord, "1F");
    EXPECT_EQ(state.HatchBlockCount, 0);
    EXPECT_EQ(state.DimBlockCount, 0);
    EXPECT_THAT(state.EntitySpool, IsEmpty());
    EXPECT_THAT(state.BlockSpool, IsEmpty());
    EXPECT_EQ(GetNextHandle(state), "20");
    EXPECT_EQ(GetNextHatchBlockName(state), "*X0");
    EXPECT_EQ(GetNextDimBlockName(state), "*D0");
}

TEST(DxfAnonymousBlocks, NamesAndRecordHandlesOfEachKindAgreeByIndex) {
    DxfWriterState state;
    InitDxfHandles(state);
    GetNextHandle(state);  // an entity drawn before the first block: "20"

    const std::string d0 = DeclareDimBlock(state);    // entity 21, record 22
    const std::string x0 = DeclareHatchBlock(state);  // record 23
    const std::string d1 = DeclareDimBlock(state);    // entity 24, record 25
    const std::string d2 = DeclareDimBlock(state);    // entity 26, record 27
    const std::string x1 = DeclareHatchBlock(state);  // record 28

    EXPECT_THAT((std::vector{d0, d1, d2}), ElementsAre("*D0", "*D1", "*D2"));
    EXPECT_THAT((std::vector{x0, x1}), ElementsAre("*X0", "*X1"));
    EXPECT_EQ(state.DimBlockCount, 3);
    EXPECT_EQ(state.HatchBlockCount, 2);
    EXPECT_THAT(state.DimBlockRecordHandles, ElementsAre("22", "25", "27"));
    EXPECT_THAT(state.HatchBlockRecordHandles, ElementsAre("23", "28"));
}

TEST(DxfAnonymousBlocks, ASecondExportKeepsNoRecordHandleOfTheFirst) {
    DxfWriterState state;
    InitDxfHandles(state);
    for (int i = 0; i < 3; ++i) DeclareHatchBlock(state);
    DeclareDimBlock(state);

    InitDxfHandles(state);
    EXPECT_EQ(DeclareHatchBlock(state), "*X0");

    EXPECT_THAT(state.HatchBlockRecordHandles, ElementsAre("20"));
    EXPECT_THAT(state.DimBlockRecordHandles, IsEmpty());
}

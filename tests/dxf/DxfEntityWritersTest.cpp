#include "dxf/writers/DxfEntityWriters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

#include "tests/support/DxfRecordLines.h"
#include "tests/support/ItalianNumericLocale.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

DxfOptions Dialect(int32_t r12) {
    DxfOptions options;
    options.DxfR12 = r12;
    return options;
}

const DxfOptions R12 = Dialect(1);
const DxfOptions Dxf2000 = Dialect(0);

class DxfEntityWriters : public ::testing::Test {
protected:
    void SetUp() override { InitDxfHandles(state); }
    DxfWriterState state;
};

// A centred top-aligned text turned by 90°, the first record of a 2000 export.
void WriteBeamLabel(DxfWriterState& state) {
    WriteDxfText(state, Dxf2000, "TESTI", "30x50", 12.5f, -3.75f, 2.5f, 90.0f, 1, 3);
}

const std::string BeamLabel2000 = CrlfLines({
    "  0", "TEXT", "  5", "20", "330", "19", "100", "AcDbEntity", "  8", "TESTI", "100", "AcDbText",
    " 10", "12.5", " 20", "-3.75", " 30", "0.0", " 72", "     1", " 11", "12.5", " 21", "-3.75", " 31", "0.0",
    " 40", "2.5", "  1", "30x50", " 50", "90", "100", "AcDbText", " 73", "     3",
});

using Segment = std::array<std::string, 4>;  // x1, y1, x2, y2 as written

// The end points of each LINE record of a spool, failing when a record carries a line type.
std::vector<Segment> LineSegments(const std::string& spool) {
    std::vector<Segment> segments;
    for (const auto& [code, value] : SplitGroups(spool)) {
        if (code == "  0") {
            EXPECT_EQ(value, "LINE");
            segments.emplace_back();
        }
        EXPECT_NE(code, "  6") << "a polyline edge takes its layer's line type";
        if (segments.empty()) continue;
        if (code == " 10") segments.back()[0] = value;
        if (code == " 20") segments.back()[1] = value;
        if (code == " 11") segments.back()[2] = value;
        if (code == " 21") segments.back()[3] = value;
    }
    return segments;
}

struct StyleCase {
    int32_t style;
    const char* lineType;  // nullptr: no group 6
};

struct PolylineCase {
    std::vector<DxfPoint> points;
    int32_t closed;
    std::vector<Segment> segments;
};

struct TransformCase {
    float offsetX, offsetY, scale, x, y, dxfX, dxfY;
};

}  // namespace

TEST_F(DxfEntityWriters, AnR12LineIsItsSixteenLines) {
    WriteDxfLine(state, R12, 10.0f, 20.5f, 110.0f, -0.25f, "TRAVI", 0);
    EXPECT_EQ(state.EntitySpool, CrlfLines({"  0", "LINE", "  8", "TRAVI", " 10", "10", " 20", "20.5", " 30", "0",
                                            " 11", "110", " 21", "-0.25", " 31", "0"}));
    EXPECT_EQ(state.HandleLow, 31) << "an R12 entity takes no handle";
}

TEST_F(DxfEntityWriters, A2000LineCarriesHandleOwnerAndMarkersWithTheLineTypeAfterItsOwnMarker) {
    WriteDxfLine(state, Dxf2000, 1500.5f, 0.0f, 1500.5f, 312.75f, "PILASTRI", 1);
    EXPECT_EQ(state.EntitySpool,
              CrlfLines({"  0", "LINE", "  5", "20", "330", "19", "100", "AcDbEntity", "  8", "PILASTRI", "100",
                         "AcDbLine", "  6", "DASHED", " 10", "1500.5", " 20", "0", " 30", "0", " 11", "1500.5", " 21",
                         "312.75", " 31", "0"}));
}

TEST_F(DxfEntityWriters, OnlyStylesOneToThreeNameALineType) {
    const StyleCase cases[] = {
        {0, nullptr}, {1, "DASHED"}, {2, "Continuous"}, {3, "DASHED2"}, {4, nullptr}, {-1, nullptr},
    };
    for (const auto& c : cases) {
        state.EntitySpool.clear();
        WriteDxfLine(state, R12, 1.0f, 2.0f, 3.0f, 4.0f, "MURI", c.style);
        const std::string lineType = c.lineType ? CrlfLines({"  6", c.lineType}) : "";
        EXPECT_EQ(state.EntitySpool, CrlfLines({"  0", "LINE", "  8", "MURI"}) + lineType +
                                         CrlfLines({" 10", "1", " 20", "2", " 30", "0", " 11", "3", " 21", "4",
                                                    " 31", "0"}))
            << "style " << c.style;
    }
}

TEST_F(DxfEntityWriters, ACircleInEachDialect) {
    WriteDxfCircle(state, R12, 250.0f, -40.125f, 12.5f, "FERRI", 3);
    EXPECT_EQ(state.EntitySpool, CrlfLines({"  0", "CIRCLE", "  8", "FERRI", "  6", "DASHED2", " 10", "250", " 20",
                                            "-40.125", " 30", "0", " 40", "12.5"}));

    state.EntitySpool.clear();
    WriteDxfCircle(state, Dxf2000, 250.0f, -40.125f, 12.5f, "FERRI", 0);
    EXPECT_EQ(state.EntitySpool,
              CrlfLines({"  0", "CIRCLE", "  5", "20", "330", "19", "100", "AcDbEntity", "  8", "FERRI", "100",
                         "AcDbCircle", " 10", "250", " 20", "-40.125", " 30", "0", " 40", "12.5"}));
}

TEST_F(DxfEntityWriters, A2000TextWritesBothAlignmentPointsAndItsJustification) {
    WriteBeamLabel(state);
    EXPECT_EQ(state.EntitySpool, BeamLabel2000);
}

TEST_F(DxfEntityWriters, AnR12TextLeavesOutHandleOwnerAndMarkers) {
    WriteDxfText(state, R12, "TESTI", "Solaio 1", 0.5f, 1000.0f, 4.2f, 0.0f, 0, 1);
    EXPECT_EQ(state.EntitySpool, CrlfLines({"  0", "TEXT", "  8", "TESTI", " 10", "0.5", " 20", "1000", " 30", "0.0",
                                            " 72", "     0", " 11", "0.5", " 21", "1000", " 31", "0.0", " 40", "4.2",
                                            "  1", "Solaio 1", " 50", "0", " 73", "     1"}));
    EXPECT_EQ(state.HandleLow, 31);
}

TEST_F(DxfEntityWriters, NumbersIgnoreADecimalCommaLocale) {
    ItalianNumericLocale italian;
    ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
    ASSERT_TRUE(italian.WritesDecimalComma()) << "the locale should write a decimal comma";

    WriteBeamLabel(state);
    EXPECT_EQ(state.EntitySpool, BeamLabel2000);
}

TEST_F(DxfEntityWriters, ALineBreakInATextNeverBreaksTheRecord) {
    WriteDxfText(state, R12, "TESTI", "Trave 1\r\nsez. A", 0.0f, 0.0f, 2.0f, 0.0f, 0, 1);
    const std::vector<DxfGroup> groups = SplitGroups(state.EntitySpool);
    ASSERT_EQ(groups.size(), 13u);
    EXPECT_EQ(groups[10], DxfGroup("  1", "Trave 1 sez. A"));
    EXPECT_EQ(groups[12], DxfGroup(" 73", "     1"));
}

TEST_F(DxfEntityWriters, EntitiesOfEveryKindTakeTheNextHandleInWritingOrder) {
    WriteDxfLine(state, Dxf2000, 0.0f, 0.0f, 1.0f, 1.0f, "A", 0);
    WriteDxfText(state, Dxf2000, "A", "t", 0.0f, 0.0f, 1.0f, 0.0f, 0, 1);
    WriteDxfCircle(state, Dxf2000, 0.0f, 0.0f, 1.0f, "A", 0);
    const std::vector<DxfPoint> square = {{0, 0}, {1, 0}, {1, 1}};
    WriteDxfPolyline(state, Dxf2000, "A", 1, square);

    std::vector<std::string> handles;
    for (const auto& [code, value] : SplitGroups(state.EntitySpool))
        if (code == "  5") handles.push_back(value);
    EXPECT_THAT(handles, ElementsAre("20", "21", "22", "23", "24", "25"));
    EXPECT_EQ(GetNextHandle(state), "26");
}

TEST_F(DxfEntityWriters, APolylineIsOneLinePerEdgeAndTheClosingOneFromTheFirstPointToTheLast) {
    const std::vector<DxfPoint> square = {{0, 0}, {400, 0}, {400, 250}, {0, 250}};
    const PolylineCase cases[] = {
        {square, 1,
         {{"0", "0", "400", "0"}, {"400", "0", "400", "250"}, {"400", "250", "0", "250"}, {"0", "0", "0", "250"}}},
        {square, 0, {{"0", "0", "400", "0"}, {"400", "0", "400", "250"}, {"400", "250", "0", "250"}}},
        {square, -1,
         {{"0", "0", "400", "0"}, {"400", "0", "400", "250"}, {"400", "250", "0", "250"}, {"0", "0", "0", "250"}}},
        {{{5, 7}}, 0, {}},
        {{{5, 7}}, 1, {{"5", "7", "5", "7"}}},
        {{}, 1, {}},
    };
    for (const auto& c : cases) {
        state.EntitySpool.clear();
        WriteDxfPolyline(state, R12, "SOLAI", c.closed, c.points);
        EXPECT_THAT(LineSegments(state.EntitySpool), ElementsAreArray(c.segments))
            << c.points.size() << " points, closed " << c.closed;
    }
}

TEST(WorldToDxf, ShiftsByTheDeckOffsetThenScales) {
    const TransformCase cases[] = {
        {0, 0, 2.0f, 10.0f, 5.0f, 20.0f, 10.0f},
        {1500, 0, 2.0f, 0.0f, 0.0f, 3000.0f, 0.0f},  // the second deck's origin
        {1500, 0, 0.5f, -100.0f, 40.0f, 700.0f, 20.0f},
        {0, 10, 1.0f, 3.0f, -10.0f, 3.0f, 0.0f},
    };
    for (const auto& c : cases) {
        DxfOptions options;
        options.DxfOffsetX = c.offsetX;
        options.DxfOffsetY = c.offsetY;
        options.DxfScaleFactor = c.scale;
        EXPECT_FLOAT_EQ(WorldToDxfX(options, c.x), c.dxfX) << c.offsetX << " " << c.scale;
        EXPECT_FLOAT_EQ(WorldToDxfY(options, c.y), c.dxfY) << c.offsetY << " " << c.scale;
    }
}

TEST(WorldToDxf, ARangeBeyondAFloatEndsTheExport) {
    DxfOptions options;
    options.DxfScaleFactor = 1e30f;
    EXPECT_THROW(WorldToDxfX(options, 1e10f), std::overflow_error);
    EXPECT_THROW(WorldToDxfY(options, -1e10f), std::overflow_error);
}

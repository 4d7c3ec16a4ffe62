#include "dxf/writers/DxfDimensions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/DxfRecordLines.h"

namespace {

// The records of a spool: each one its group 0 and the groups after it, codes without blanks.
struct Record {
    std::string Kind;
    std::vector<std::pair<int, std::string>> Groups;
    std::string Value(int code, int nth = 0) const {
        for (const auto& [c, v] : Groups)
            if (c == code && nth-- == 0) return v;
        return "<none>";
    }
    float Number(int code, int nth = 0) const { return std::stof(Value(code, nth)); }
};

std::vector<Record> Records(const std::string& spool) {
    std::vector<Record> records;
    for (const auto& [code, value] : SplitGroups(spool)) {
        const int c = std::stoi(code);
        if (c == 0) records.push_back({value, {}});
        else if (!records.empty()) records.back().Groups.emplace_back(c, value);
    }
    return records;
}

std::vector<Record> OfKind(const std::vector<Record>& records, const std::string& kind) {
    std::vector<Record> found;
    for (const Record& r : records)
        if (r.Kind == kind) found.push_back(r);
    return found;
}

// At DXF scale 1, unit factor 1 and text height 20, as the plan's dimensions are written.
struct DimensionWriter {
    DxfWriterState state;
    DxfOptions options;
    DrawingState drawing;

    DimensionWriter() {
        options.DxfScaleFactor = 1;
        options.DxfUnitFactor = 1;
        drawing.LayerNames[9] = "QUOTE";
        drawing.LayerNames[18] = "TESTO_QUOTE";
        InitDxfHandles(state);
    }
    void Write(float x1, float y1, float x2, float y2, float mx1, float my1, float mx2, float my2) {
        Dxf2000Dimension d;
        d.TextHeight = 20;
        d.X1 = x1, d.Y1 = y1, d.X2 = x2, d.Y2 = y2;
        d.MX1 = mx1, d.MY1 = my1, d.MX2 = mx2, d.MY2 = my2;
        d.StyleName = "SC50";
        WriteDxf2000Dimension(state, options, drawing, d);
    }
    std::vector<Record> Blocks() const { return Records(state.BlockSpool); }
    Record Entity() const { return OfKind(Records(state.EntitySpool), "DIMENSION").at(0); }
};

TEST(WriteDxf2000Dimension, ADimensionOfNoLengthWritesNothingAndTakesNoNumber) {
    DimensionWriter w;
    w.Write(100, 0, 100, 0, 100, -50, 100, -50);
    w.Write(0, 0, 0.04f, 0, 0, -50, 0.04f, -50);  // rounds to 0.0 at one decimal
    EXPECT_TRUE(w.state.EntitySpool.empty());
    EXPECT_TRUE(w.state.BlockSpool.empty());
    EXPECT_EQ(w.state.DimBlockCount, 0);
    EXPECT_EQ(w.state.HandleLow, 31);
}

TEST(WriteDxf2000Dimension, LabelsOffsetsArrowsAndKinds) {
    struct Case {
        const char* what;
        float x1, y1, x2, y2, mx1, my1, mx2, my2;
        std::string label;
        float textX, textY;            // the label's point
        float arrow0, arrow1;          // the arrows' rotations, at the left (lower) end first
        int kind;                      // group 70
        float right0, right1;          // the DIMENSION's point: the right (upper) end
        float measured0X;              // the first measured point, which stays with its end
    };
    const Case cases[] = {
        {"horizontal", 0, 0, 250, 0, 0, -50, 250, -50, "250", 125, 4, 180, 0, 33, 250, 0, 0},
        {"right to left", 250, 0, 0, 0, 250, -50, 0, -50, "250", 125, 4, 180, 0, 33, 250, 0, 0},
        {"short: the label stands out", 0, 0, 30.5f, 0, 0, -50, 30.5f, -50, "30.5", 15.25f, 18, 180, 0, 33, 30.5f, 0, 0},
        {"a whole value", 0, 0, 120, 0, 0, -50, 120, -50, "120", 60, 4, 180, 0, 33, 120, 0, 0},
        {"a tenth", 0, 0, 120.3f, 0, 0, -50, 120.3f, -50, "120.3", 60.15f, 4, 180, 0, 33, 120.3f, 0, 0},
        {"rotated", 0, 0, 250, 0, 0, -50, 250, -80, "250", 125, 4, 180, 0, 32, 250, 0, 0},
        {"vertical, drawn downwards", 0, 300, 0, 0, -40, 300, -40, 0, "300", -4, 150, 270, 90, 33, 0, 300, -40},
    };
    for (const Case& c : cases) {
        DimensionWriter w;
        w.Write(c.x1, c.y1, c.x2, c.y2, c.mx1, c.my1, c.mx2, c.my2);
        const auto block = w.Blocks();
        const Record text = OfKind(block, "MTEXT").at(0);
        EXPECT_EQ(text.Value(1), c.label) << c.what;
        EXPECT_NEAR(text.Number(10), c.textX, 1e-3) << c.what;
        EXPECT_NEAR(text.Number(20), c.textY, 1e-3) << c.what;
        const auto arrows = OfKind(block, "INSERT");
        ASSERT_EQ(arrows.size(), 2u) << c.what;
        EXPECT_FLOAT_EQ(arrows[0].Number(50), c.arrow0) << c.what;
        EXPECT_FLOAT_EQ(arrows[1].Number(50), c.arrow1) << c.what;
        EXPECT_EQ(arrows[0].Value(2), "_FRECCIADRAVO");

        const Record d = w.Entity();
        EXPECT_EQ(std::stoi(d.Value(70)), c.kind) << c.what;
        EXPECT_EQ(d.Value(100, 3) == "AcDbRotatedDimension", c.kind == 32) << c.what;
        EXPECT_FLOAT_EQ(d.Number(10), c.right0) << c.what;
        EXPECT_FLOAT_EQ(d.Number(20), c.right1) << c.what;
        EXPECT_FLOAT_EQ(d.Number(13), c.measured0X) << c.what;
        EXPECT_EQ(d.Value(3), "SC50");
    }
}

TEST(WriteDxf2000Dimension, EachDimensionNamesItsBlockAndKeepsItsRecordHandle) {
    DimensionWriter w;
    w.Write(0, 0, 100, 0, 0, -50, 100, -50);
    w.Write(0, 0, 0, 100, -50, 0, -50, 100);
    EXPECT_EQ(w.state.DimBlockCount, 2);
    ASSERT_EQ(w.state.DimBlockRecordHandles.size(), 2u);
    // The entity takes the first handle after the block's name, the record the second.
    EXPECT_EQ(w.Entity().Value(5), "20");
    EXPECT_EQ(w.state.DimBlockRecordHandles[0], "21");
    const auto blocks = OfKind(w.Blocks(), "BLOCK");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].Value(2), "*D0");
    EXPECT_EQ(blocks[0].Value(330), "21");
    EXPECT_EQ(blocks[0].Value(70), "     1");
    EXPECT_EQ(blocks[1].Value(2), "*D1");
    // The line stops an arrow's length short of each end; the points lie on DEFPOINTS.
    const Record line = OfKind(w.Blocks(), "LINE").at(0);
    EXPECT_FLOAT_EQ(line.Number(10), 1);
    EXPECT_FLOAT_EQ(line.Number(11), 99);
    for (const Record& p : OfKind(w.Blocks(), "POINT")) EXPECT_EQ(p.Value(8), "DEFPOINTS");
}

}  // namespace

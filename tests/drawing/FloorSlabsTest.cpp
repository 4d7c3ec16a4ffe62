#include "drawing/FloorSlabs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/FillModes.h"
#include "state/LayerRows.h"
#include "tests/drawing/DrawerPass.h"
#include "tests/support/DxfEntities.h"

namespace {

constexpr int32_t OutlineLayer = 1;
constexpr int32_t SymbolLayer = 13;

struct FloorSlabPass : DrawerPass {
    FloorSlabPass() {
        session.drawing.Display.FloorSlabDisplayMode = 2;  // outline only unless a test asks
        AddSection(ParametricSection, 1, {12, 0, 0, 0, 0, 0});
    }
    FloorSlab& AddSlab(const std::vector<PlanPoint>& corners, float spanAngle, float thickness = 20) {
        Model& m = model();
        FloorSlab slab;
        slab.Number = m.FloorSlabCount + 4;
        slab.SpanAngle = spanAngle;
        slab.SectionNumber = 1;
        slab.Thickness = thickness;
        m.FloorSlabs.push_back(slab);
        ++m.FloorSlabCount;
        AddOutlineRecord(m.FloorSlabOutline, m.FloorSlabOutlineCount, corners);
        return m.FloorSlabs.back();
    }
    void Draw(int32_t outlineSwitch = 1, int32_t textSwitch = 1, bool intoDxf = false) {
        PlanPass pass = Begin(intoDxf);
        DrawFloorSlabs(pass, outlineSwitch, textSwitch);
    }
    // Dotted lines on the outline layer: curbs and band lines.
    std::vector<CanvasRecord> DottedOutlineLines() const {
        std::vector<CanvasRecord> found;
        for (const CanvasRecord& r : LinesIn(Colour(OutlineLayer)))
            if (r.State.Drawing == DrawStyle::Dotted) found.push_back(r);
        return found;
    }
};

std::vector<PlanPoint> Rectangle(float width, float height) { return {{0, 0}, {width, 0}, {width, height}, {0, height}}; }

TEST(FloorSlabs, TheCurbAppearsOnlyAboveTheSpanThreshold) {
    for (float span : {450.0f, 450.1f}) {
        FloorSlabPass p;
        p.AddSlab(Rectangle(span, 300), 0);  // spanning along x
        p.Draw();
        const auto curbs = p.DottedOutlineLines();
        if (span == 450.0f) {
            EXPECT_TRUE(curbs.empty());
            continue;
        }
        ASSERT_EQ(curbs.size(), 2u);
        // Across the span, the curb width apart, centred on the slab, from one side to the other.
        EXPECT_NEAR(std::abs(curbs[0].X1 - curbs[1].X1), 25, 0.01);
        EXPECT_NEAR((curbs[0].X1 + curbs[1].X1) / 2, 225.05, 0.01);
        for (const CanvasRecord& c : curbs) {
            EXPECT_FLOAT_EQ(c.X1, c.X2);
            EXPECT_NEAR(std::min(ModelY(c.Y1), ModelY(c.Y2)), 0, 0.01);
            EXPECT_NEAR(std::max(ModelY(c.Y1), ModelY(c.Y2)), 300, 0.01);
        }
    }
}

TEST(FloorSlabs, ACurbThroughAVertexIsDrawnWhereItsPiecesLieInside) {
    FloorSlabPass p;
    // Spanning along y (600 long): the curbs run along x at y 287.5 and 312.5. The left side bends
    // at y 312.5, and a notch from y 200 up splits the slab between x 150 and 250.
    p.AddSlab({{0, 0}, {400, 0}, {400, 600}, {250, 600}, {250, 200}, {150, 200}, {150, 600}, {0, 600}, {-10, 312.5f}},
              90);
    p.Draw();
    std::vector<std::pair<float, float>> upper, lower;
    for (const CanvasRecord& c : p.DottedOutlineLines()) {
        const auto piece = std::minmax(c.X1, c.X2);
        (ModelY(c.Y1) > 300 ? upper : lower).push_back({piece.first, piece.second});
    }
    // Through the bend the count of crossings is odd: the piece left of the notch is lost, the
    // notch itself stays free.
    ASSERT_EQ(upper.size(), 1u);
    EXPECT_NEAR(upper[0].first, 250, 0.01);
    EXPECT_NEAR(upper[0].second, 400, 0.01);
    ASSERT_EQ(lower.size(), 2u);
}

TEST(FloorSlabs, PairsOfHatchLinesWhenTheJoistPairFitsInTheThickness) {
    struct Case {
        float thickness;
        std::vector<float> heights;
    };
    const Case cases[] = {{50, {0, 12, 50, 62, 100, 112, 150, 162}}, {20, {0, 20, 40, 60, 80, 100, 120, 140, 160, 180}}};
    for (const Case& c : cases) {
        FloorSlabPass p;
        p.session.drawing.Display.FloorSlabDisplayMode = 1;
        p.AddSlab(Rectangle(100, 200), 0, c.thickness);
        p.Draw(0);
        std::vector<float> heights;
        for (const CanvasRecord& r : p.LinesIn(p.Colour(LayerRow::FloorSlabHatch))) {
            EXPECT_EQ(r.State.Drawing, DrawStyle::Dotted);
            heights.push_back(ModelY(r.Y1));
        }
        EXPECT_EQ(heights, c.heights) << "thickness " << c.thickness;
        EXPECT_EQ(p.canvas.RecordsOf(CanvasCall::Line).size(), heights.size())
            << "with the outline switch off only the fill is drawn";
        EXPECT_TRUE(p.Texts().empty());
    }
}

TEST(FloorSlabs, SymbolLabelBandsAndOutlineOnTheCanvas) {
    FloorSlabPass p;
    FloorSlab& s = p.AddSlab(Rectangle(400, 300), 0);
    s.StartBandLength = 30;
    s.StartBandX1 = 30, s.StartBandY1 = 0, s.StartBandX2 = 30, s.StartBandY2 = 300;
    s.EndBandX1 = 370, s.EndBandY1 = 0, s.EndBandX2 = 370, s.EndBandY2 = 300;  // length 0: not drawn
    p.Draw();
    const auto bands = p.DottedOutlineLines();
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_FLOAT_EQ(bands[0].X1, 30);
    EXPECT_EQ(p.LinesIn(p.Colour(OutlineLayer)).size(), 5u) << "the band and four edges";
    // The stroke along the span through the centre (200, 150), barbs on opposite sides.
    const auto symbol = p.LinesIn(p.Colour(SymbolLayer));
    ASSERT_EQ(symbol.size(), 3u);
    EXPECT_NEAR(symbol[1].X1, 125, 0.01);
    EXPECT_NEAR(symbol[1].X2, 275, 0.01);
    EXPECT_NEAR(ModelY(symbol[1].Y1), 150, 0.01);
    EXPECT_NEAR(ModelY(symbol[0].Y1) - 150, -(ModelY(symbol[2].Y2) - 150), 0.01);
    EXPECT_EQ(p.Texts(), std::vector<std::string>{"S.4"});

    p.Draw(1, 0);
    EXPECT_TRUE(p.Texts().empty()) << "no label without the text switch";

    // A band line whose coordinates were cleared is unknown, not a line at the origin.
    s.StartBandX1 = s.StartBandY1 = s.StartBandX2 = s.StartBandY2 = 0;
    p.Draw();
    EXPECT_TRUE(p.DottedOutlineLines().empty());
}

TEST(FloorSlabs, ADxfPassLeavesOutTheSymbolWhenTheExportSaysSo) {
    FloorSlabPass p;
    FloorSlab& s = p.AddSlab(Rectangle(500, 300), 0);
    s.StartBandLength = 30;
    s.StartBandX2 = 1;
    p.session.dxf.DxfSpanSymbol = 0;
    p.Draw(1, 1, 1);
    const auto entities = ReadEntities(p.writer.EntitySpool);
    EXPECT_EQ(OnLayer(entities, "PERIM_SOLAI").size(), 2u + 1u + 4u) << "two curb lines, the band line, four edges";
    EXPECT_FALSE(OnLayer(entities, "TRATTEGGIO_SOLAI").empty()) << "a DXF file is hatched whatever the screen shows";
    EXPECT_TRUE(OnLayer(entities, "TESTO_SOLAI").empty()) << "neither symbol nor label";
}

}  // namespace

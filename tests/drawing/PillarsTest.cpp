#include "drawing/Pillars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drawing/FillModes.h"
#include "state/LayerRows.h"
#include "tests/drawing/DrawerPass.h"
#include "tests/support/DxfEntities.h"

namespace {

constexpr int32_t MarkLayer = 9;

struct PillarPass : DrawerPass {
    int32_t Square = 0, Round = 0, Hollow = 0, Steel = 0;

    explicit PillarPass(int32_t displayMode = 1) {
        session.drawing.Display.PillarDisplayMode = displayMode;
        Square = AddSection(ParametricSection, 1, {30, 30, 0, 0, 0, 0});
        Round = AddSection(ParametricSection, 16, {20, 0, 0, 0, 0, 0});
        Hollow = AddSection(ParametricSection, 19, {20, 15, 0, 0, 0, 0});
        Steel = AddSection(CatalogueProfile, 1, {200, 0, 0, 0, 0, 0});
    }
    void AddPillar(float x, float y, int32_t section, int32_t number, int32_t side = 0) {
        Model& m = model();
        m.Nodes.push_back({m.NodeCount + 1, x, y, -1});
        Pillar p;
        p.SectionNumber = section;
        p.PillarNumber = number;
        p.Node = m.NodeCount++;
        p.Side = side;
        m.Pillars.push_back(p);
        ++m.PillarCount;
    }
    void Draw(bool intoDxf = false) {
        PlanPass pass = Begin(intoDxf);
        DrawPillars(pass);
        legend = pass.Legend;
    }
    LegendBookkeeping legend;  // what the last pass collected
};

TEST(Pillars, ARepeatedPillarLandsOnItsOwnLayerWithoutLabelHatchOrListEntry) {
    PillarPass p;
    p.model().Header.PlanKind = PlanSide0;
    p.AddPillar(0, 0, p.Square, 5, 1);    // the plan's own side
    p.AddPillar(200, 0, p.Square, 5, 0);  // the other side, same number: repeated
    p.AddPillar(400, 0, p.Square, 6, 0);  // the other side, a number of its own: drawn in full
    p.Draw();
    EXPECT_EQ(p.LinesIn(p.Colour(LayerRow::PillarOutlines)).size(), 8u);
    const auto repeated = p.LinesIn(p.Colour(PillarTopLayer));
    ASSERT_EQ(repeated.size(), 4u);
    for (const CanvasRecord& r : repeated) EXPECT_NEAR(r.X1, 200, 15.01);
    const auto hatch = p.LinesIn(p.Colour(LayerRow::PillarHatch));
    ASSERT_FALSE(hatch.empty());
    for (const CanvasRecord& r : hatch) EXPECT_GT(std::abs((r.X1 + r.X2) / 2 - 200), 100) << "no hatch on it";
    EXPECT_EQ(p.Texts(), (std::vector<std::string>{"P.5", "30x30", "P.6", "30x30"}));
    EXPECT_EQ(p.legend.PillarListBySection[0], ", 5, 6");

    p.Draw(1);
    const auto entities = ReadEntities(p.writer.EntitySpool);
    EXPECT_EQ(OnLayer(entities, "PERIM_PILASTRI_SUP").size(), 4u);
    EXPECT_EQ(OnLayer(entities, "PERIM_PILASTRI").size(), 8u);

    PillarPass solid(0);
    solid.model().Header.PlanKind = PlanSide0;
    solid.AddPillar(0, 0, solid.Square, 5, 1);
    solid.AddPillar(200, 0, solid.Square, 5, 0);
    solid.Draw();
    EXPECT_EQ(solid.canvas.RecordsOf(CanvasCall::Polygon).size(), 2u) << "filled like any other";
}

TEST(Pillars, TheLabelClearsThePillarAndScalesWithThePlan) {
    struct Case {
        int32_t optimalTextSize;
        float f;
    };
    for (const Case& c : {Case{1, 1}, Case{0, 2}}) {
        PillarPass p;
        p.session.shell.Options.OptimalTextSize = c.optimalTextSize;
        p.AddPillar(100, 100, p.Square, 3);
        p.Draw();
        const auto texts = p.canvas.RecordsOf(CanvasCall::Text);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_FLOAT_EQ(texts[0].X1, 100 + 15 + 5 * c.f) << "right of the pillar's face";
        EXPECT_FLOAT_EQ(ModelY(texts[0].Y1), 100 + 20 * c.f);
        EXPECT_FLOAT_EQ(ModelY(texts[1].Y1), 100) << "the size line at the pillar's height";
    }
}

TEST(Pillars, CirclesSetTheirOwnFillAndLeaveTheStyleTransparent) {
    for (int32_t displayMode : {0, 1}) {
        PillarPass p(displayMode);
        p.session.drawing.LayerScreenOn[LayerRow::PillarOutlines] = 0;  // circles are drawn all the same
        p.AddPillar(100, 100, p.Round, 1);
        p.AddPillar(300, 100, p.Hollow, 2);
        p.Draw();
        const auto circles = p.canvas.RecordsOf(CanvasCall::Circle);
        ASSERT_EQ(circles.size(), 3u);
        EXPECT_EQ(circles[0].State.Fill, p.Colour(LayerRow::PillarHatch));
        EXPECT_EQ(circles[0].State.Filling, displayMode == 0 ? FillStyle::Solid : FillStyle::Transparent);
        EXPECT_EQ(circles[1].State.Filling, FillStyle::Transparent) << "the hollow one keeps what is in force";
        EXPECT_FLOAT_EQ(circles[2].Radius, 15);
        EXPECT_EQ(p.canvas.State().Filling, FillStyle::Transparent);
        const auto hatch = p.LinesIn(p.Colour(LayerRow::PillarHatch));
        EXPECT_EQ(hatch.empty(), displayMode == 0);
        for (const CanvasRecord& r : hatch) {
            EXPECT_LE(std::hypot(r.X1 - 100, ModelY(r.Y1) - 100), 20.01) << "inside the full circle";
            EXPECT_LE(std::hypot(r.X2 - 100, ModelY(r.Y2) - 100), 20.01);
        }
    }
}

TEST(Pillars, WithTheOutlineSwitchOffPolygonsKeepOnlyTheirFill) {
    PillarPass p(0);
    p.session.drawing.LayerScreenOn[LayerRow::PillarOutlines] = 0;
    p.AddPillar(100, 100, p.Square, 1);
    p.Draw();
    EXPECT_EQ(p.canvas.RecordsOf(CanvasCall::Polygon).size(), 1u);
    EXPECT_TRUE(p.LinesIn(p.Colour(LayerRow::PillarOutlines)).empty());
}

TEST(Pillars, TheAlignmentMarkStandsAtTheNodeAndOnlyConcretePillarsAreDrawn) {
    PillarPass p(2);
    p.session.dxf.PillarAlignment = 1;
    p.AddPillar(100, 100, p.Square, 1);
    p.model().Pillars[0].OffsetX = 40;
    p.AddPillar(300, 100, p.Steel, 2);
    p.AddPillar(500, 100, 99, 3);         // no such section
    p.AddPillar(700, 100, p.Square, 4);
    p.model().Pillars[3].Node = 999;      // no such node
    p.Draw();
    const auto mark = p.LinesIn(p.Colour(MarkLayer));
    ASSERT_EQ(mark.size(), 2u);
    EXPECT_FLOAT_EQ(mark[0].X1, 108);
    EXPECT_FLOAT_EQ(mark[0].X2, 92);
    ASSERT_EQ(p.canvas.RecordsOf(CanvasCall::Circle).size(), 1u);
    EXPECT_FLOAT_EQ(p.canvas.RecordsOf(CanvasCall::Circle)[0].X1, 100);
    const auto outline = p.LinesIn(p.Colour(LayerRow::PillarOutlines));
    ASSERT_EQ(outline.size(), 4u);
    for (const CanvasRecord& r : outline) EXPECT_NEAR(r.X1, 140, 15.01) << "the pillar itself is offset";
    EXPECT_EQ(p.Texts(), (std::vector<std::string>{"P.1", "30x30"}));
}

}  // namespace

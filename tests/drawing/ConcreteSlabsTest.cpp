#include "drawing/ConcreteSlabs.h"

#include <gtest/gtest.h>

#include <vector>

#include "drawing/FillModes.h"
#include "state/LayerRows.h"
#include "tests/drawing/DrawerPass.h"
#include "tests/support/DxfEntities.h"

namespace {

constexpr int32_t OutlineLayer = 5;

// A 200 × 200 slab at (100, 100) with a 60 × 60 opening in its middle, as two records of one Id.
struct SlabWithOpening : DrawerPass {
    explicit SlabWithOpening(int32_t displayMode) {
        session.drawing.Display.ConcreteSlabDisplayMode = displayMode;
        AddRecord(7, 20, {{100, 100}, {300, 100}, {300, 300}, {100, 300}});
        AddRecord(7, 20, {{170, 170}, {170, 230}, {230, 230}, {230, 170}});
    }
    void AddRecord(int32_t id, float thickness, const std::vector<PlanPoint>& corners) {
        Model& m = model();
        ConcreteSlab slab;
        slab.Id = id;
        slab.Thickness = thickness;
        m.ConcreteSlabs.push_back(slab);
        ++m.ConcreteSlabCount;
        AddOutlineRecord(m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, corners);
    }
    void Draw(int32_t labelSwitch = 1, bool intoDxf = false) {
        PlanPass pass = Begin(intoDxf);
        DrawConcreteSlabs(pass, labelSwitch);
    }
};

bool InsideOpening(float x, float y) { return x > 170 && x < 230 && y > 170 && y < 230; }

TEST(ConcreteSlabs, AnOpeningStaysFreeOfTheCrossHatchAndOneLabelStandsAtTheOuterCentroid) {
    SlabWithOpening p(1);
    p.Draw();
    const auto hatch = p.LinesIn(p.Colour(LayerRow::ConcreteSlabHatch));
    ASSERT_GT(hatch.size(), 40u);
    size_t rising = 0, falling = 0;
    for (const CanvasRecord& r : hatch) {
        const float dx = r.X2 - r.X1, dy = ModelY(r.Y2) - ModelY(r.Y1);
        (dx * dy > 0 ? rising : falling) += 1;
        EXPECT_NEAR(std::abs(dx), std::abs(dy), 0.01) << "at 45 or 135 degrees";
        EXPECT_FALSE(InsideOpening((r.X1 + r.X2) / 2, ModelY((r.Y1 + r.Y2) / 2)));
    }
    EXPECT_GT(rising, 0u);
    EXPECT_GT(falling, 0u);
    EXPECT_EQ(p.LinesIn(p.Colour(OutlineLayer)).size(), 8u) << "both outlines";
    EXPECT_EQ(p.Texts(), (std::vector<std::string>{"Soletta  7", "Sp = 20.0 cm"}));
    EXPECT_TRUE(p.canvas.RecordsOf(CanvasCall::Polygon).empty());

    // The label anchor in DXF: the centroid of the outer outline only, the opening left out.
    p.Draw(1, 1);
    const auto labels = OnLayer(ReadEntities(p.writer.EntitySpool), "TESTO_SOLETTE");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_FLOAT_EQ(labels[0].X2, 400) << "x 200 at the DXF scale factor 2";
}

TEST(ConcreteSlabs, SolidModePaintsTheOpeningInTheBackgroundUnderBothOutlines) {
    SlabWithOpening p(0);
    p.Draw();
    const auto& records = p.canvas.Records();
    std::vector<const CanvasRecord*> polygons;
    size_t lastPolygon = 0, firstOutline = records.size();
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].Call == CanvasCall::Polygon) polygons.push_back(&records[i]), lastPolygon = i;
        if (records[i].Call == CanvasCall::Line && firstOutline == records.size()) firstOutline = i;
    }
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0]->State.Fill, p.Colour(LayerRow::ConcreteSlabHatch));
    EXPECT_EQ(polygons[1]->State.Fill, PackRgb(0, 0, 0)) << "the black background";
    EXPECT_EQ(polygons[1]->State.Fore, p.Colour(LayerRow::ConcreteSlabHatch));
    EXPECT_LT(lastPolygon, firstOutline) << "outlines on top of the fills";
    EXPECT_TRUE(p.LinesIn(p.Colour(LayerRow::ConcreteSlabHatch)).empty()) << "no hatch";

    p.session.drawing.WhiteBackground = 1;
    p.Draw();
    EXPECT_EQ(p.canvas.RecordsOf(CanvasCall::Polygon)[1].State.Fill, PackRgb(255, 255, 255));
}

TEST(ConcreteSlabs, RunsOfEqualIdsMakeSlabsAndOnlySwitchOneLabelsThem) {
    SlabWithOpening p(2);
    p.AddRecord(-3, 25, {{400, 100}, {500, 100}, {500, 200}, {400, 200}});
    p.AddRecord(7, 18, {{600, 100}, {700, 100}, {700, 200}, {600, 200}});  // Id 7 again, not adjacent
    p.Draw();
    EXPECT_EQ(p.Texts(), (std::vector<std::string>{"Soletta  7", "Sp = 20.0 cm", "Soletta -3", "Sp = 25.0 cm",
                                                   "Soletta  7", "Sp = 18.0 cm"}));
    EXPECT_TRUE(p.LinesIn(p.Colour(LayerRow::ConcreteSlabHatch)).empty()) << "outline-only mode";
    for (int32_t labelSwitch : {0, -1, 2}) {
        p.Draw(labelSwitch);
        EXPECT_TRUE(p.Texts().empty()) << "switch " << labelSwitch;
        EXPECT_EQ(p.LinesIn(p.Colour(OutlineLayer)).size(), 16u);
    }
}

TEST(ConcreteSlabs, NoSlabLeavesTheCanvasAlone) {
    DrawerPass p;
    PlanPass pass = p.Begin();
    const CanvasState before = p.canvas.State();
    DrawConcreteSlabs(pass, 1);
    EXPECT_TRUE(p.canvas.Records().empty());
    EXPECT_EQ(p.canvas.State().Filling, before.Filling);
    EXPECT_EQ(p.canvas.State().Fore, before.Fore);
}

TEST(ConcreteSlabs, OutlinesThatTheTablesDoNotHoldDrawNothingOfThemselves) {
    SlabWithOpening p(0);
    Model& m = p.model();
    m.ConcreteSlabOutlineCount[1] = 500;         // beyond its row
    m.ConcreteSlabOutline[0][2] = 9999;          // no such plan point
    m.ConcreteSlabCount = 5;                     // beyond the table
    p.Draw();
    EXPECT_EQ(p.canvas.RecordsOf(CanvasCall::Polygon).size(), 2u);
    EXPECT_EQ(p.LinesIn(p.Colour(OutlineLayer)).size(), 7u) << "three corners of the slab, four of the opening";
}

}  // namespace

#include "drawing/FillModes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "state/LayerRows.h"
#include "tests/drawing/DrawerPass.h"

namespace {

TEST(FillModes, SwitchOutputOptionAndVertexPanelDecideInThisOrder) {
    struct Case {
        int32_t vertexPanel, hatchSwitch, intoDxf, displayMode;
        int32_t slabs, wallsAndPillars;
    };
    const Case cases[] = {
        {0, 1, 0, 0, FillSolid, FillSolid},
        {0, 1, 0, 1, FillHatch, FillHatch},
        {0, 1, 0, -1, FillHatch, FillHatch},
        {0, 1, 0, 2, FillOutlineOnly, FillOutlineOnly},
        {0, 1, 0, 3, FillOutlineOnly, FillOutlineOnly},
        {0, 1, 1, 0, FillHatch, FillHatch},  // a DXF file never gets solid fills …
        {0, 1, 1, 2, FillHatch, FillHatch},  // … and gets hatches whatever the screen asks
        {0, 0, 0, 0, FillOutlineOnly, FillOutlineOnly},
        {0, 2, 1, 0, FillOutlineOnly, FillOutlineOnly},  // a switch is on only at 1
        {1, 1, 0, 0, FillOutlineOnly, FillSolid},
        {1, 1, 1, 1, FillHatch, FillHatch},  // the panel open on the screen leaves an export alone
    };
    for (const Case& c : cases) {
        DrawerPass p;
        DisplayOptions& d = p.session.drawing.Display;
        d.ConcreteSlabDisplayMode = d.FloorSlabDisplayMode = d.WallDisplayMode = d.PillarDisplayMode = c.displayMode;
        p.session.editor.VertexPanel.VertexPanelMode = c.vertexPanel;
        PlanPass pass = p.Begin(c.intoDxf != 0);
        for (int32_t layer :
             {LayerRow::FloorSlabHatch, LayerRow::PillarHatch, LayerRow::WallHatch, LayerRow::ConcreteSlabHatch})
            pass.LayerOn[static_cast<size_t>(layer)] = c.hatchSwitch;
        const std::string what = "panel " + std::to_string(c.vertexPanel) + ", switch " +
                                 std::to_string(c.hatchSwitch) + ", DXF " + std::to_string(c.intoDxf) +
                                 ", option " + std::to_string(c.displayMode);
        EXPECT_EQ(GetConcreteSlabFillMode(pass), c.slabs) << what;
        EXPECT_EQ(GetFloorSlabFillMode(pass), c.slabs) << what;
        EXPECT_EQ(GetWallFillMode(pass), c.wallsAndPillars) << what;
        EXPECT_EQ(GetPillarFillMode(pass), c.wallsAndPillars) << what;
    }
}

TEST(FillModes, EachKindAnswersToItsOwnHatchSwitch) {
    DrawerPass p;
    PlanPass pass = p.Begin();
    pass.LayerOn[LayerRow::PillarHatch] = 0;
    EXPECT_EQ(GetPillarFillMode(pass), FillOutlineOnly);
    EXPECT_EQ(GetWallFillMode(pass), FillSolid);
}

TEST(FillPolygonSolid, RoundsToPixelsHalvesToEvenAndLeavesTheCanvasStateSet) {
    DrawerPass p;
    const std::vector<PlanPoint> points{{10.5f, 0}, {11.5f, 0}, {11.5f, 20.5f}};
    p.canvasOut.FillPolygonSolid(points, PackRgb(1, 2, 3), PackRgb(4, 5, 6));
    const auto polygons = p.canvas.RecordsOf(CanvasCall::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    const std::vector<PixelPoint>& q = polygons[0].Points;
    ASSERT_EQ(q.size(), 3u) << "the canvas closes the polygon itself";
    EXPECT_EQ(q[0].X, 10);
    EXPECT_EQ(q[1].X, 12);
    EXPECT_EQ(q[2].Y, 580);  // 600 - 20.5 = 579.5
    const CanvasState& s = p.canvas.State();
    EXPECT_EQ(s.Filling, FillStyle::Solid);
    EXPECT_EQ(s.Drawing, DrawStyle::Solid);
    EXPECT_EQ(s.Fill, PackRgb(1, 2, 3));
    EXPECT_EQ(s.Fore, PackRgb(4, 5, 6));

    p.canvasOut.FillPolygonSolid(std::vector<PlanPoint>{{0, 0}, {100, 100}}, PackRgb(1, 2, 3),
                                 PackRgb(4, 5, 6));
    EXPECT_EQ(p.canvas.RecordsOf(CanvasCall::Polygon).size(), 1u) << "two points paint nothing";
}

TEST(FillPolygonSolid, AnOutlineReachingFarBeyondTheCanvasIsClippedNotWrapped) {
    DrawerPass p;
    p.session.drawing.View.ViewScale = 1.0e5f;  // a slab of 100 m spans a billion pixels
    p.canvasOut.FillPolygonSolid(std::vector<PlanPoint>{{-5000, -5000}, {5000, -5000}, {5000, 5000}, {-5000, 5000}},
                                 PackRgb(1, 2, 3), PackRgb(1, 2, 3));
    const auto polygons = p.canvas.RecordsOf(CanvasCall::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    int32_t minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const PixelPoint& q : polygons[0].Points) {
        EXPECT_LE(std::abs(q.X), 1000000);
        EXPECT_LE(std::abs(q.Y), 1000000);
        minX = std::min(minX, q.X), maxX = std::max(maxX, q.X);
        minY = std::min(minY, q.Y), maxY = std::max(maxY, q.Y);
    }
    // Still covering the whole canvas.
    EXPECT_LT(minX, 0);
    EXPECT_GT(maxX, 800);
    EXPECT_LT(minY, 0);
    EXPECT_GT(maxY, 600);
}

}  // namespace

#include "drawing/ConcreteWalls.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "drawing/FillModes.h"
#include "state/LayerRows.h"
#include "tests/drawing/DrawerPass.h"

namespace {

constexpr int32_t WallLayer = 4;

// Wall edges whose face lines are the given (y, owner) levels, each from x 0 to 100, and a loop
// table.
struct WallPass : DrawerPass {
    void AddEdge(float y, int32_t owner) {
        Model& m = model();
        m.WallEdges.push_back({AddPlanPoint(0, y), AddPlanPoint(100, y), owner});
        ++m.WallEdgeCount;
    }
    void SetLoops(const std::vector<int32_t>& loops) {
        model().HatchLoops = loops;
        model().HatchLoopLongCount = static_cast<int32_t>(loops.size());
    }
    void Draw(int32_t displayMode) {
        session.drawing.Display.WallDisplayMode = displayMode;
        PlanPass pass = Begin();
        DrawWalls(pass);
    }
};

TEST(ConcreteWalls, PanelsPairEachFaceLineWithTheFirstOfItsRun) {
    WallPass p;
    p.AddEdge(0, 1);
    p.AddEdge(30, 1);   // wall 1: edges 0 and 1, hatched from edge 1 back to edge 0
    p.AddEdge(30, -1);  // its end line
    p.AddEdge(50, 2);
    p.AddEdge(70, 2);
    p.AddEdge(90, 2);   // three face lines of one owner: the second and the third pair with the first
    p.AddEdge(110, 3);
    p.AddEdge(120, -3);
    p.AddEdge(130, 3);  // not adjacent: lines, no fill
    const auto areas = WallFillAreas(p.model());
    ASSERT_EQ(areas.size(), 3u);
    const std::vector<PlanPoint> first{{0, 30}, {100, 30}, {100, 0}, {0, 0}};
    EXPECT_EQ(areas[0], first);
    EXPECT_EQ(areas[1][0].Y, 70);
    EXPECT_EQ(areas[1][2].Y, 50);
    EXPECT_EQ(areas[2][0].Y, 90);
    EXPECT_EQ(areas[2][2].Y, 50);
}

TEST(ConcreteWalls, TheJunctionWalkSkipsWhatIsNotAWholeLoop) {
    WallPass p;
    p.AddEdge(0, 1);
    const int32_t a = p.AddPlanPoint(0, 0), b = p.AddPlanPoint(10, 0), c = p.AddPlanPoint(0, 10),
                  d = p.AddPlanPoint(10, 10);
    p.SetLoops({-3, a, b, c,      // a loop
                7,                // not a count: passed over
                -4, a, b, d, c,   // a loop
                -3, a, 9999, c,   // a point that is no plan point: left out
                -5, a, b});       // runs past the end of the list
    const auto areas = WallFillAreas(p.model());
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].size(), 3u);
    EXPECT_EQ(areas[1].size(), 4u);
    p.SetLoops({std::numeric_limits<int32_t>::min(), a});
    EXPECT_TRUE(WallFillAreas(p.model()).empty());
}

TEST(ConcreteWalls, EdgeLinesFirstThenHatchOrSolidFillOverThem) {
    struct Case {
        int32_t displayMode;
        size_t polygons;
        bool hatched;
    };
    const Case cases[] = {{0, 1, false}, {1, 0, true}, {2, 0, false}};
    for (const Case& c : cases) {
        WallPass p;
        p.AddEdge(0, 1);
        p.AddEdge(30, 1);
        p.Draw(c.displayMode);
        const auto& records = p.canvas.Records();
        ASSERT_GE(records.size(), 2u);
        EXPECT_EQ(records[0].Colour, p.Colour(WallLayer));
        EXPECT_EQ(records[1].Colour, p.Colour(WallLayer));
        const auto polygons = p.canvas.RecordsOf(CanvasCall::Polygon);
        ASSERT_EQ(polygons.size(), c.polygons) << "option " << c.displayMode;
        if (c.polygons > 0) {
            EXPECT_EQ(polygons[0].State.Fill, p.Colour(LayerRow::WallHatch));
            EXPECT_EQ(polygons[0].State.Fore, p.Colour(LayerRow::WallHatch));
        }
        const auto hatch = p.LinesIn(p.Colour(LayerRow::WallHatch));
        EXPECT_EQ(!hatch.empty(), c.hatched) << "option " << c.displayMode;
        for (const CanvasRecord& r : hatch) EXPECT_NEAR(r.X2 - r.X1, r.Y1 - r.Y2, 0.01) << "at 45 degrees";
    }
}

TEST(ConcreteWalls, JunctionLoopsWithoutAnyWallEdgeDrawNothing) {
    WallPass p;
    const int32_t a = p.AddPlanPoint(0, 0), b = p.AddPlanPoint(10, 0), c = p.AddPlanPoint(0, 10);
    p.SetLoops({-3, a, b, c});
    p.Draw(0);
    EXPECT_TRUE(p.canvas.Records().empty());
}

}  // namespace

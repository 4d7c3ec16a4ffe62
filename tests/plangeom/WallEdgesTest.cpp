#include "plangeom/WallEdges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "plangeom/HatchLoops.h"
#include "tests/support/DeckBuilder.h"
#include "tests/support/PlanSvg.h"

namespace {

constexpr float Near = 0.002f;

void ExpectAt(const DeckBuilder& d, int32_t planNode, float x, float y) {
    ASSERT_GE(planNode, 0);
    ASSERT_LT(planNode, d.M.PlanNodeCount);
    EXPECT_NEAR(d.Point(planNode).X, x, Near) << "plan point " << planNode;
    EXPECT_NEAR(d.Point(planNode).Y, y, Near) << "plan point " << planNode;
}

std::vector<WallJunctionEdge> Junctions(const Model& m) {
    return {m.WallJunctionEdges.begin(), m.WallJunctionEdges.begin() + m.WallJunctionEdgeCount};
}

TEST(BuildWallEdges, AFreeWallIsClosedAtBothEnds) {
    DeckBuilder d;
    d.AddWall(d.AddNode(0, 0), d.AddNode(0, 500), 20);  // runs north: its right face is the east one
    BuildWallEdges(d.M);
    ASSERT_EQ(d.M.PlanNodeCount, 4);
    ExpectAt(d, 0, -10, 0);  // c2 first, then c1
    ExpectAt(d, 1, 10, 0);
    ExpectAt(d, 2, -10, 500);
    ExpectAt(d, 3, 10, 500);
    EXPECT_EQ(d.WallLines(), (std::vector<EdgeLine>{{1, 0, -1}, {3, 2, -1}, {1, 3, 1}, {0, 2, 1}}));
    EXPECT_EQ(d.M.WallJunctionEdgeCount, 0);
}

TEST(BuildWallEdges, AnLCornerJoinsBothFacesWithoutJunctionRecords) {
    DeckBuilder d;
    const int32_t corner = d.AddNode(500, 0);
    d.AddWall(d.AddNode(0, 0), corner, 20);
    d.AddWall(d.AddNode(500, 400), corner, 30);  // arrives from the north
    BuildWallEdges(d.M);
    WritePlanSvg(d.M, "wall-l-corner");

    EXPECT_EQ(d.M.WallJunctionEdgeCount, 0);
    ASSERT_EQ(d.WallLines().size(), 6u);
    // Wall 0 ends with its south face at the outer corner and its north face at the inner one;
    // wall 1 (running south, right face west) ends on the same two points.
    const EdgeLine south = d.WallLines()[1], north = d.WallLines()[2];
    ExpectAt(d, south.PlanNodeB, 515, -10);
    ExpectAt(d, north.PlanNodeB, 485, 10);
    const EdgeLine west = d.WallLines()[4], east = d.WallLines()[5];
    EXPECT_EQ(west.PlanNodeB, north.PlanNodeB);
    EXPECT_EQ(east.PlanNodeB, south.PlanNodeB);
}

TEST(BuildWallEdges, ATeeOfEqualWallsRecordsThreeJunctionEdgesClosingATriangle) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    d.AddWall(d.AddNode(-300, 0), c, 20);
    d.AddWall(c, d.AddNode(300, 0), 20);
    d.AddWall(c, d.AddNode(0, 300), 20);
    BuildWallEdges(d.M);
    const std::vector<WallJunctionEdge> junctions = Junctions(d.M);
    BuildHatchLoops(d.M);
    WritePlanSvg(d.M, "wall-tee");

    ASSERT_EQ(d.M.PlanNodeCount, 9);
    ExpectAt(d, 2, -10, 10);
    ExpectAt(d, 3, 0, -10);  // the straight side's two corners are one point
    ExpectAt(d, 4, 10, 10);
    EXPECT_EQ(d.WallLines(), (std::vector<EdgeLine>{{1, 0, -1}, {1, 3, 1}, {0, 2, 1}, {6, 5, -2}, {3, 6, 2},
                                                    {4, 5, 2}, {8, 7, -3}, {4, 8, 3}, {2, 7, 3}}));
    EXPECT_EQ(junctions, (std::vector<WallJunctionEdge>{{c, 3, 2}, {c, 3, 4}, {c, 4, 2}}));
    EXPECT_EQ(d.Loops(), (std::vector<int32_t>{-3, 3, 2, 4}));
}

TEST(BuildWallEdges, ACrossRecordsFourJunctionEdgesAroundTheNode) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    d.AddWall(d.AddNode(-300, 0), c, 20);
    d.AddWall(c, d.AddNode(300, 0), 20);
    d.AddWall(d.AddNode(0, -300), c, 20);
    d.AddWall(c, d.AddNode(0, 300), 20);
    BuildWallEdges(d.M);
    WritePlanSvg(d.M, "wall-cross");

    ASSERT_EQ(d.M.WallJunctionEdgeCount, 4);
    std::set<std::pair<float, float>> corners;
    for (const WallJunctionEdge& r : Junctions(d.M)) {
        EXPECT_EQ(r.JunctionNode, c);
        for (int32_t p : {r.PlanNodeA, r.PlanNodeB}) corners.insert({d.Point(p).X, d.Point(p).Y});
    }
    EXPECT_EQ(corners, (std::set<std::pair<float, float>>{{-10, -10}, {-10, 10}, {10, -10}, {10, 10}}));
}

TEST(BuildWallEdges, BearingsAcrossNorthAreComparedWithoutReduction) {
    // Wall 0 (20 thick) leaves the node at bearing 0.02, wall 1 (60 thick) arrives from bearing
    // 6.27 - pi: the facing right faces meet about 600 up, beyond wall 0's far end. Across north
    // the bearings differ by nearly 2 pi and that far point is kept; turned a quarter, the same
    // walls are compared and the corner falls back to the square end point.
    for (const bool turned : {false, true}) {
        DeckBuilder d;
        auto node = [&](double bearing, double r) {
            const double b = bearing + (turned ? 1.5707963 : 0);
            return d.AddNode(static_cast<float>(r * std::sin(b)), static_cast<float>(r * std::cos(b)));
        };
        const int32_t c = d.AddNode(0, 0);
        d.AddWall(c, node(0.02, 400), 20);
        d.AddWall(node(6.27, -400), c, 60);
        BuildWallEdges(d.M);
        const PlanPoint c1 = d.Point(d.WallLines().at(1).PlanNodeA);  // right face of wall 0 at the node
        const float fromNode = std::hypot(c1.X, c1.Y);
        if (turned) {
            EXPECT_NEAR(fromNode, 10, Near);
        } else {
            EXPECT_GT(fromNode, 500);
        }
    }
}

TEST(BuildWallEdges, WallsWithoutThicknessOrLengthAreLeftOut) {
    struct Case {
        const char* Name;
        float Thickness;
        bool OnNode;  // both ends on the shared node
    };
    const Case cases[] = {{"zero thickness", 0, false},
                          {"negative thickness", -20, false},
                          {"no number", std::nanf(""), false},
                          {"both nodes equal", 20, true}};
    for (const Case& c : cases) {
        DeckBuilder d;
        const int32_t n = d.AddNode(0, 0);
        d.AddWall(d.AddNode(-300, 0), n, 20);
        d.AddWall(n, d.AddNode(300, 0), 20);
        d.AddWall(n, c.OnNode ? n : d.AddNode(0, 300), c.Thickness);
        BuildWallEdges(d.M);
        EXPECT_EQ(d.M.WallJunctionEdgeCount, 0) << c.Name;
        EXPECT_EQ(d.WallLines().size(), 6u) << c.Name;  // two walls in a line, each free at one end
        EXPECT_EQ(d.M.PlanNodeCount, 6) << c.Name;
        for (int32_t p = 0; p < d.M.PlanNodeCount; ++p)
            EXPECT_TRUE(std::isfinite(d.Point(p).X) && std::isfinite(d.Point(p).Y)) << c.Name;
    }
}

TEST(BuildWallEdges, ManyWallsAtOneNodeAllJoinTheirNeighbours) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    constexpr int32_t Walls = 40;
    for (int32_t k = 0; k < Walls; ++k) {
        const double a = k * 2 * 3.14159265358979 / Walls;
        d.AddWall(c, d.AddNode(static_cast<float>(1000 * std::cos(a)), static_cast<float>(1000 * std::sin(a))), 10);
    }
    d.M.WallJunctionEdges.resize(Walls / 2);  // the reader sizes this table from the file's counts
    d.M.HatchLoops.resize(3);
    BuildWallEdges(d.M);
    BuildHatchLoops(d.M);

    EXPECT_EQ(CollectWallsAtNode(d.M, c).WallsAtNodeCount, Walls);
    EXPECT_EQ(d.M.WallJunctionEdgeCount, Walls);
    // Neighbouring walls share their facing corners: one ring of 40 points.
    ASSERT_EQ(d.M.HatchLoopLongCount, Walls + 1);
    EXPECT_EQ(d.M.HatchLoops[0], -Walls);
    const float radius = 5 / std::sin(3.14159265f / Walls);
    for (int32_t k = 1; k <= Walls; ++k)
        EXPECT_NEAR(std::hypot(d.Point(d.M.HatchLoops[k]).X, d.Point(d.M.HatchLoops[k]).Y), radius, 0.01f);
}

}  // namespace

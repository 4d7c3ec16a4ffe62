#include "plangeom/HatchLoops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "plangeom/WallEdges.h"
#include "tests/support/DeckBuilder.h"
#include "tests/support/PlanSvg.h"

namespace {

std::vector<int32_t> LoopsOf(std::vector<WallJunctionEdge> records) {
    Model m;
    m.WallJunctionEdgeCount = static_cast<int32_t>(records.size());
    m.WallJunctionEdges = std::move(records);
    BuildHatchLoops(m);
    return {m.HatchLoops.begin(), m.HatchLoops.begin() + m.HatchLoopLongCount};
}

TEST(BuildHatchLoops, NoJunctionGivesNoLoop) {
    Model m;
    m.HatchLoops = {-3, 1, 2, 3};
    m.HatchLoopLongCount = 4;
    BuildHatchLoops(m);
    EXPECT_EQ(m.HatchLoopLongCount, 0);
}

TEST(BuildHatchLoops, AnOpenChainOfThreeClosesIntoAQuadrilateralFromAChainEnd) {
    // The grouping leaves (6, 7), (8, 7), (5, 6): in order of first appearance, 6, 7, 8, 5 would
    // cross itself.
    EXPECT_EQ(LoopsOf({{4, 6, 7}, {4, 5, 6}, {4, 8, 7}}), (std::vector<int32_t>{-4, 8, 7, 6, 5}));
}

TEST(BuildHatchLoops, ACrossComesOutInRingOrderWhateverTheOrderOfItsRecords) {
    // The core square 10 - 11 - 12 - 13, one record per wall end, each in either direction.
    std::array<WallJunctionEdge, 4> records{{{7, 10, 11}, {7, 12, 11}, {7, 12, 13}, {7, 10, 13}}};
    std::sort(records.begin(), records.end(), [](auto& a, auto& b) { return a.PlanNodeA * 100 + a.PlanNodeB < b.PlanNodeA * 100 + b.PlanNodeB; });
    int32_t orders = 0;
    do {
        const std::vector<int32_t> loop = LoopsOf({records.begin(), records.end()});
        ASSERT_EQ(loop.size(), 5u);
        EXPECT_EQ(loop[0], -4);
        for (int32_t k = 1; k <= 4; ++k) {
            const int32_t a = loop[k], b = loop[k % 4 + 1];
            EXPECT_EQ(std::abs(a - b) % 2, 1) << "the loop runs along the sides, not across: " << a << " " << b;
        }
        ++orders;
    } while (std::next_permutation(records.begin(), records.end(), [](auto& a, auto& b) {
        return a.PlanNodeA * 100 + a.PlanNodeB < b.PlanNodeA * 100 + b.PlanNodeB;
    }));
    EXPECT_EQ(orders, 24);
}

TEST(BuildHatchLoops, JunctionsAreGroupedByExchangesThatFixTheBlockOrder) {
    // Records of junctions a (1) and b (2) interleaved: the grouping leaves a0, a4, a2, b3, b1.
    const std::vector<int32_t> loops = LoopsOf({{1, 1, 2}, {2, 11, 12}, {1, 2, 3}, {2, 10, 11}, {1, 3, 1}});
    EXPECT_EQ(loops, (std::vector<int32_t>{-3, 1, 2, 3, -3, 10, 11, 12}));
}

TEST(BuildHatchLoops, StrangeRecordsGiveLoopsWithoutHarm) {
    EXPECT_EQ(LoopsOf({{3, 5, 5}, {3, 5, 5}, {3, 5, 6}}), (std::vector<int32_t>{-3, 5, 5, 6}));
    EXPECT_EQ(LoopsOf({{3, 0, 1}, {3, 0, 1}, {3, 2, 3}, {3, 2, 3}}), (std::vector<int32_t>{-4, 0, 1, 2, 3}));
    Model m;
    m.WallJunctionEdgeCount = 5;  // beyond its table
    m.WallJunctionEdges = {{1, 1, 2}};
    BuildHatchLoops(m);
    EXPECT_EQ(m.HatchLoopLongCount, 3);
}

TEST(BuildHatchLoops, ATeeOfUnequalWallsGivesAQuadrilateral) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    d.AddWall(d.AddNode(-300, 0), c, 20);
    d.AddWall(c, d.AddNode(300, 0), 40);
    d.AddWall(c, d.AddNode(0, 300), 20);
    BuildWallEdges(d.M);
    BuildHatchLoops(d.M);
    WritePlanSvg(d.M, "hatch-tee-unequal");

    ASSERT_EQ(d.Loops().size(), 5u);
    EXPECT_EQ(d.Loops()[0], -4);
    const std::vector<PlanPoint> expected{{0, -10}, {-10, 10}, {10, 20}, {0, -20}};
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(d.Point(d.Loops()[k + 1]), expected[k]) << k;
}

TEST(BuildHatchLoops, TwoTeesGiveTwoTriangles) {
    DeckBuilder d;
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(300, 0);
    d.AddWall(d.AddNode(-300, 0), a, 20);
    d.AddWall(a, b, 20);
    d.AddWall(b, d.AddNode(600, 0), 20);
    d.AddWall(a, d.AddNode(0, 300), 20);
    d.AddWall(b, d.AddNode(300, 300), 20);
    BuildWallEdges(d.M);
    BuildHatchLoops(d.M);
    WritePlanSvg(d.M, "hatch-two-tees");

    ASSERT_EQ(d.Loops().size(), 8u);
    EXPECT_EQ(d.Loops()[0], -3);
    EXPECT_EQ(d.Loops()[4], -3);
    for (size_t k = 1; k < 8; ++k) {
        if (k == 4) continue;
        const float x = d.Point(d.Loops()[k]).X;
        EXPECT_NEAR(x, k < 4 ? 0 : 300, 10.01f) << "junction a first";
    }
}

}  // namespace

// The derivation of a fresh export run twice on one model, and bad input through all of it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plangeom/BeamEdges.h"
#include "plangeom/HatchLoops.h"
#include "plangeom/ImportCleanup.h"
#include "plangeom/WallEdges.h"
#include "tests/support/DeckBuilder.h"
#include "tests/support/PlanSvg.h"

namespace {

// A small deck: a frame of beams around a concrete slab meshed along its sides, a wall meshed in
// three segments with a T and a cross of walls on it, and a profile beam.
DeckBuilder SmallDeck() {
    DeckBuilder d;
    const int32_t rect = d.RectangleSection(30, 50), wide = d.RectangleSection(40, 60), tee = d.TeeSection(80, 30, 50);
    const int32_t profile = d.ProfileSection(10, 20);
    const int32_t a = d.AddNode(0, 0), m1 = d.AddNode(300, 0), b = d.AddNode(600, 0), c = d.AddNode(600, 400),
                  m2 = d.AddNode(300, 400), e = d.AddNode(0, 400), m3 = d.AddNode(0, 200);
    d.AddBeam(a, m1, rect);
    d.AddBeam(m1, b, rect);
    d.AddBeam(b, c, wide);
    d.AddBeam(c, m2, tee);
    d.AddBeam(m2, e, tee);
    d.AddBeam(e, a, rect);
    d.AddBeam(m2, d.AddNode(300, 700), rect, 30);
    d.AddBeam(b, d.AddNode(900, 0), profile);
    d.AddConcreteSlab({a, m1, b, c, m2, e, m3});
    for (int32_t p : {a, b, c, e}) d.AddPillar(p);

    const int32_t w0 = d.AddNode(0, -600), w1 = d.AddNode(200, -600), w2 = d.AddNode(400, -600),
                  w3 = d.AddNode(700, -600);
    d.AddWall(w1, w2, 25);
    d.AddWall(w0, w1, 25);
    d.AddWall(w2, w3, 25);
    d.AddWall(d.AddNode(700, -900), w3, 20);
    d.AddWall(d.AddNode(1000, -600), w3, 30);
    d.AddWall(w3, d.AddNode(700, -300), 20);
    d.M.Nodes[w3].FootingType = 1;
    d.AddWall(d.AddNode(0, -900), w0, 20);
    return d;
}

void Derive(Model& m) {
    SimplifyConcreteSlabPolygons(m);
    MergeCollinearWallSegments(m);
    BuildBeamEdges(m);
    BuildWallEdges(m);
    BuildHatchLoops(m);
}

TEST(Derivation, ASecondPassGivesTheSameModel) {
    DeckBuilder d = SmallDeck();
    d.Derive();
    WritePlanSvg(d.M, "small-deck");
    ASSERT_GT(d.M.PlanNodeCount, 0);
    EXPECT_EQ(d.M.WallSegmentCount, 5);  // the three meshed segments became one
    EXPECT_EQ(d.M.ConcreteSlabs[0].VertexCount, 5);  // m1 (a beam running through) and m3 went
    EXPECT_GT(d.M.HatchLoopLongCount, 0);
    const Model first = d.M;

    Derive(d.M);  // the plan points of the first pass are found again: none is added
    EXPECT_EQ(d.M, first);

    d.Derive();  // from no plan point
    EXPECT_EQ(d.M, first);
}

TEST(Derivation, BadValuesNeverReachThePlanPoints) {
    DeckBuilder d = SmallDeck();
    d.AddBeam(0, 0, 1);
    d.AddBeam(2, 500, 1);
    d.AddBeam(3, 4, 77);
    const int32_t lost = d.AddNode(std::nanf(""), 5);
    d.AddBeam(lost, 1, 1);
    d.AddWall(lost, 2, 20);
    d.AddWall(3, 4, std::numeric_limits<float>::infinity());
    d.M.Catalogue.SectionParams[0][0] = std::nanf("");  // the rectangle's width
    d.M.BeamElements[7].SectionAngle = std::nanf("");
    d.Derive();

    ASSERT_GT(d.M.PlanNodeCount, 0);
    for (int32_t p = 0; p < d.M.PlanNodeCount; ++p)
        ASSERT_TRUE(std::isfinite(d.Point(p).X) && std::isfinite(d.Point(p).Y)) << p;
    for (const auto* lines : {&d.M.BeamExtradosEdges, &d.M.BeamIntradosEdges, &d.M.WallEdges})
        for (const EdgeLine& l : *lines) {
            EXPECT_LT(l.PlanNodeA, d.M.PlanNodeCount);
            EXPECT_LT(l.PlanNodeB, d.M.PlanNodeCount);
        }
}

}  // namespace

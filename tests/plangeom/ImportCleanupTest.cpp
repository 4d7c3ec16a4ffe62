#include "plangeom/ImportCleanup.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "tests/support/DeckBuilder.h"

namespace {

// A 600 × 400 slab whose south side carries a mesh node at (300, 0): vertex 1.
struct SlabWithMeshNode : DeckBuilder {
    int32_t A = AddNode(0, 0), Mid = AddNode(300, 0), B = AddNode(600, 0), C = AddNode(600, 400),
            D = AddNode(0, 400);
    int32_t Slab = AddConcreteSlab({A, Mid, B, C, D});
};

TEST(SimplifyConcreteSlabPolygons, DropsAMeshNodeOnlyWhenNothingIsAttachedToIt) {
    struct Case {
        const char* Name;
        std::function<void(SlabWithMeshNode&)> Attach;
        bool Kept;
    };
    const Case cases[] = {
        {"nothing", [](SlabWithMeshNode&) {}, false},
        {"a beam framing in", [](SlabWithMeshNode& s) { s.AddBeam(s.AddNode(300, -300), s.Mid, 1); }, true},
        {"a beam along the edge", [](SlabWithMeshNode& s) { s.AddBeam(s.A, s.Mid, 1), s.AddBeam(s.Mid, s.B, 1); }, false},
        {"two sections along the edge", [](SlabWithMeshNode& s) { s.AddBeam(s.A, s.Mid, 1), s.AddBeam(s.Mid, s.B, 2); }, true},
        {"three beams",
         [](SlabWithMeshNode& s) {
             s.AddBeam(s.A, s.Mid, 1), s.AddBeam(s.Mid, s.B, 1), s.AddBeam(s.Mid, s.C, 1);
         },
         true},
        {"one wall", [](SlabWithMeshNode& s) { s.AddWall(s.Mid, s.AddNode(300, -300), 20); }, true},
        {"a wall along the edge", [](SlabWithMeshNode& s) { s.AddWall(s.A, s.Mid, 20), s.AddWall(s.B, s.Mid, 20); }, false},
        {"two thicknesses along the edge", [](SlabWithMeshNode& s) { s.AddWall(s.A, s.Mid, 20), s.AddWall(s.Mid, s.B, 25); }, true},
        {"a pillar", [](SlabWithMeshNode& s) { s.AddPillar(s.Mid); }, true},
    };
    for (const Case& c : cases) {
        SlabWithMeshNode s;
        c.Attach(s);
        SimplifyConcreteSlabPolygons(s.M);
        const std::vector<int32_t> expected = c.Kept ? std::vector<int32_t>{s.A, s.Mid, s.B, s.C, s.D, s.A}
                                                     : std::vector<int32_t>{s.A, s.B, s.C, s.D, s.A};
        EXPECT_EQ(s.ConcreteSlabPolygon(s.Slab), expected) << c.Name;
    }
}

TEST(SimplifyConcreteSlabPolygons, ThinsEverySideAndKeepsTheListClosed) {
    DeckBuilder d;
    std::vector<int32_t> ring;
    const float xs[] = {0, 200, 400, 600, 600, 600, 600, 400, 200, 0, 0, 0};
    const float ys[] = {0, 0, 0, 0, 133, 267, 400, 400, 400, 400, 267, 133};
    for (int k = 0; k < 12; ++k) ring.push_back(d.AddNode(xs[k], ys[k]));
    // A beam frames into the first mesh node of the south side: the nodes after it still go.
    d.AddBeam(d.AddNode(200, -300), ring[1], 1);
    const int32_t slab = d.AddConcreteSlab(ring);
    SimplifyConcreteSlabPolygons(d.M);
    EXPECT_EQ(d.ConcreteSlabPolygon(slab), (std::vector<int32_t>{ring[0], ring[1], ring[3], ring[6], ring[9], ring[0]}));
}

TEST(SimplifyConcreteSlabPolygons, ThinsTheFirstAndTheLastVertexAgainstTheirWrappedNeighbours) {
    DeckBuilder d;
    const int32_t a = d.AddNode(0, 0), mid = d.AddNode(300, 0), b = d.AddNode(600, 0), c = d.AddNode(600, 400),
                  e = d.AddNode(0, 400), west = d.AddNode(0, 200);
    const int32_t first = d.AddConcreteSlab({mid, b, c, e, a});
    const int32_t last = d.AddConcreteSlab({a, b, c, e, west});
    SimplifyConcreteSlabPolygons(d.M);
    EXPECT_EQ(d.ConcreteSlabPolygon(first), (std::vector<int32_t>{b, c, e, a, b}));
    EXPECT_EQ(d.ConcreteSlabPolygon(last), (std::vector<int32_t>{a, b, c, e, a}));
}

TEST(SimplifyConcreteSlabPolygons, SpendsAtMostFiftyOnePassesOnOneSlab) {
    DeckBuilder d;
    std::vector<int32_t> ring{d.AddNode(0, 0), d.AddNode(1000, 0), d.AddNode(1000, 500)};
    for (int k = 0; k < 60; ++k) ring.push_back(d.AddNode(1000 - 10.0f * (k + 1), 500));  // the last one is a corner
    const int32_t slab = d.AddConcreteSlab(ring);
    SimplifyConcreteSlabPolygons(d.M);
    // Three passes move over the first three corners, 48 remove mesh nodes; 11 mesh nodes remain.
    EXPECT_EQ(d.M.ConcreteSlabs[slab].VertexCount, 63 - 48);
    EXPECT_EQ(d.ConcreteSlabPolygon(slab).back(), ring[0]);
}

TEST(SimplifyConcreteSlabPolygons, LeavesListsItCannotThinAlone) {
    DeckBuilder d;
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(100, 0), c = d.AddNode(200, 0), e = d.AddNode(300, 0);
    const int32_t line = d.AddConcreteSlab({a, b, c, e});  // all on one line
    const int32_t three = d.AddConcreteSlab({a, b, c});
    const int32_t two = d.AddConcreteSlab({a, b});
    const int32_t unknown = d.AddConcreteSlab({a, 99, c, -4, e});
    const int32_t open = d.AddConcreteSlab({a, b, c, e});
    d.M.ConcreteSlabModelPolygon[open].resize(4);  // no closing element
    d.M.ConcreteSlabs.push_back({});
    d.M.ConcreteSlabCount = 9;  // beyond its tables
    SimplifyConcreteSlabPolygons(d.M);

    EXPECT_GE(d.M.ConcreteSlabs[line].VertexCount, 3);
    EXPECT_EQ(d.ConcreteSlabPolygon(three), (std::vector<int32_t>{a, b, c, a}));
    EXPECT_EQ(d.ConcreteSlabPolygon(two), (std::vector<int32_t>{a, b, a}));
    EXPECT_EQ(d.ConcreteSlabPolygon(unknown), (std::vector<int32_t>{a, 99, c, -4, e, a}));
    EXPECT_EQ(d.M.ConcreteSlabs[open].VertexCount, 4);
}

// Three segments of one straight wall, 0 - 300 - 700 - 1000 along y = 0.
struct StraightWall : DeckBuilder {
    int32_t N0 = AddNode(0, 0), N1 = AddNode(300, 0), N2 = AddNode(700, 0), N3 = AddNode(1000, 0);
};

TEST(MergeCollinearWallSegments, AStraightWallBecomesOneSegmentFromItsWesternEnd) {
    struct Case {
        const char* Name;
        std::array<std::array<int32_t, 2>, 3> Segments;  // positions 0 .. 3 along the wall
        int32_t Survivor;  // the record whose values the merged segment keeps
    };
    // Reversed: segment 0 takes segment 1 at its eastern end and is then itself taken by the
    // record after it, which has become the current one.
    const Case cases[] = {{"in order", {{{0, 1}, {1, 2}, {2, 3}}}, 0},
                          {"reversed", {{{3, 2}, {2, 1}, {1, 0}}}, 2},
                          {"middle first", {{{2, 1}, {0, 1}, {3, 2}}}, 0},
                          {"east first", {{{2, 3}, {1, 2}, {1, 0}}}, 0}};
    for (const Case& c : cases) {
        StraightWall d;
        const int32_t at[] = {d.N0, d.N1, d.N2, d.N3};
        for (const auto& s : c.Segments) {
            const int32_t w = d.AddWall(at[s[0]], at[s[1]], 20);
            d.M.WallSegments[w].Side = 10 + w;
            d.M.WallSegments[w].OffsetXI = 1.5f;
        }
        MergeCollinearWallSegments(d.M);
        ASSERT_EQ(d.M.WallSegmentCount, 1) << c.Name;
        EXPECT_EQ(d.M.WallSegments[0].NodeI, d.N0) << c.Name;
        EXPECT_EQ(d.M.WallSegments[0].NodeJ, d.N3) << c.Name;
        EXPECT_EQ(d.M.WallSegments[0].Side, 10 + c.Survivor) << c.Name;
        EXPECT_EQ(d.M.WallSegments[0].OffsetXI, 1.5f) << c.Name;
        EXPECT_EQ(d.M.WallSegments[1], WallSegment{}) << "the freed records are spares";
        EXPECT_EQ(d.M.WallSegments[0].Thickness, 20) << c.Name;
    }
}

TEST(MergeCollinearWallSegments, AnUprightWallRunsFromItsSouthernEnd) {
    DeckBuilder d;
    const int32_t top = d.AddNode(50, 800), mid = d.AddNode(50, 300), bottom = d.AddNode(50, -100);
    d.AddWall(top, mid, 20);
    d.AddWall(mid, bottom, 20);
    MergeCollinearWallSegments(d.M);
    ASSERT_EQ(d.M.WallSegmentCount, 1);
    EXPECT_EQ(d.M.WallSegments[0].NodeI, bottom);
    EXPECT_EQ(d.M.WallSegments[0].NodeJ, top);
}

TEST(MergeCollinearWallSegments, SegmentsStayApartWhereSomethingHappensAtTheirNode) {
    struct Case {
        const char* Name;
        std::function<void(StraightWall&)> Change;  // applied to the node at 300 or to the second segment
    };
    const Case cases[] = {
        {"nothing (they merge)", [](StraightWall&) {}},
        {"footing", [](StraightWall& d) { d.M.Nodes[d.N1].FootingType = 1; }},
        {"pillar", [](StraightWall& d) { d.AddPillar(d.N1); }},
        {"floor-slab vertex", [](StraightWall& d) { d.AddFloorSlab({d.N1, d.AddNode(300, 300), d.AddNode(0, 300)}); }},
        {"concrete-slab vertex",
         [](StraightWall& d) { d.AddConcreteSlab({d.N1, d.AddNode(300, 300), d.AddNode(0, 300)}); }},
        {"thickness", [](StraightWall& d) { d.M.WallSegments[1].Thickness = 25; }},
        {"group", [](StraightWall& d) { d.M.WallSegments[1].GroupId = 2; }},
        {"third wall", [](StraightWall& d) { d.AddWall(d.N1, d.AddNode(300, 400), 20); }},
        {"a bend", [](StraightWall& d) { d.M.Nodes[d.N2].Y = 50; }},
        {"folding back", [](StraightWall& d) { d.M.WallSegments[1].NodeJ = d.AddNode(100, 0); }},
    };
    for (const Case& c : cases) {
        StraightWall d;
        d.AddWall(d.N0, d.N1, 20);
        d.AddWall(d.N1, d.N2, 20);
        c.Change(d);
        const int32_t before = d.M.WallSegmentCount;
        MergeCollinearWallSegments(d.M);
        EXPECT_EQ(d.M.WallSegmentCount, &c == &cases[0] ? 1 : before) << c.Name;
    }
}

TEST(MergeCollinearWallSegments, ALongWallBeyondTheTriesPerEndStillBecomesOneSegment) {
    // Thirteen segments in a row, in table order from the west: the current segment takes eleven
    // at its eastern end, then the next record merges with it and the current one is removed.
    DeckBuilder d;
    std::vector<int32_t> nodes;
    for (int k = 0; k <= 13; ++k) nodes.push_back(d.AddNode(100.0f * k, 0));
    for (int k = 0; k < 13; ++k) d.AddWall(nodes[k], nodes[k + 1], 20);
    MergeCollinearWallSegments(d.M);
    ASSERT_EQ(d.M.WallSegmentCount, 1);
    EXPECT_EQ(d.M.WallSegments[0].NodeI, nodes.front());
    EXPECT_EQ(d.M.WallSegments[0].NodeJ, nodes.back());
}

TEST(MergeCollinearWallSegments, BadNodesAndCountsDoNoHarm) {
    DeckBuilder d;
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(100, 0);
    d.AddWall(a, 50, 20);
    d.AddWall(-2, a, 20);
    d.AddWall(a, b, 20);
    d.AddWall(b, b, 20);
    d.M.WallSegmentCount = 12;  // beyond its table
    MergeCollinearWallSegments(d.M);
    EXPECT_EQ(d.M.WallSegmentCount, 4);
}

}  // namespace

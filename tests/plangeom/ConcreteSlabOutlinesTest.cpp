#include "plangeom/ConcreteSlabOutlines.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "plangeom/OutlineCleanup.h"
#include "tests/support/BentEdgeSlab.h"
#include "tests/support/TwoBayFrame.h"

namespace {

constexpr float Near = 0.002f;

std::vector<PlanPoint> Points(const Model& m, const IndexRows& rows, const std::vector<int32_t>& counts, int32_t slab) {
    std::vector<PlanPoint> points;
    for (int32_t k = 0; k < counts.at(slab); ++k) points.push_back(m.PlanNodes.at(rows.at(slab).at(k)));
    return points;
}

std::vector<PlanPoint> List1(const Model& m, int32_t slab) {
    return Points(m, m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, slab);
}
std::vector<PlanPoint> List2(const Model& m, int32_t slab) {
    return Points(m, m.ConcreteSlabOutline2, m.ConcreteSlabOutline2Count, slab);
}

void ExpectPoints(const std::vector<PlanPoint>& actual, const std::vector<PlanPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].X, expected[k].X, Near) << "point " << k;
        EXPECT_NEAR(actual[k].Y, expected[k].Y, Near) << "point " << k;
    }
}

std::vector<int32_t> Used(const IndexRows& rows, const std::vector<int32_t>& counts, int32_t slab) {
    return {rows.at(slab).begin(), rows.at(slab).begin() + counts.at(slab)};
}

TEST(BuildConcreteSlabOutlines, TwoBayFrame_List1OnTheOuterFacesList2OnTheInnerFaces) {
    TwoBayFrame f;
    const auto& n = f.N;
    const int32_t slab = f.D.AddConcreteSlab({n[1], n[2], n[5], n[4]});
    f.D.Derive();
    const int32_t beamPoints = f.D.M.PlanNodeCount;
    Model& m = f.D.M;

    BuildConcreteSlabOutlines(m, 0);
    BuildConcreteSlabOutlines(m, 1);

    ExpectPoints(List1(m, slab), {{485, -15}, {1015, -15}, {1015, 415}, {485, 415}});
    ExpectPoints(List2(m, slab), {{515, 15}, {985, 15}, {985, 385}, {515, 385}});
    // Every corner but two is a corner of the beam faces: the outer corners over the middle beam
    // lie on the straight outer face of the beam run, where the beams have no corner.
    EXPECT_EQ(m.PlanNodeCount, beamPoints + 2);

    // Rebuilding list 2 leaves the same list, adds no plan point and does not touch list 1.
    const auto list1 = Used(m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, slab);
    const auto list2 = Used(m.ConcreteSlabOutline2, m.ConcreteSlabOutline2Count, slab);
    const int32_t planNodes = m.PlanNodeCount;
    BuildConcreteSlabOutlines(m, 1);
    EXPECT_EQ(Used(m.ConcreteSlabOutline2, m.ConcreteSlabOutline2Count, slab), list2);
    EXPECT_EQ(Used(m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, slab), list1);
    EXPECT_EQ(m.PlanNodeCount, planNodes);

    // Rebuilding list 1 does not touch list 2.
    m.ConcreteSlabOutline2[slab] = {7, 7, 7};
    m.ConcreteSlabOutline2Count[slab] = 3;
    BuildConcreteSlabOutlines(m, 0);
    EXPECT_EQ(Used(m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, slab), list1);
    EXPECT_EQ(m.ConcreteSlabOutline2[slab], (std::vector<int32_t>{7, 7, 7}));
    EXPECT_EQ(m.PlanNodeCount, planNodes);
}

// Where the face lines meet far from their vertex, each list squares its corner off on the face
// that lies further inside the slab: for list 1 the free edge itself, for list 2 the beam's inner
// face. Neither gets a spike 15 m out of the 10 m slab.
TEST(BuildConcreteSlabOutlines, ACornerStaysNearItsVertexInBothLists) {
    BentEdgeSlab b;
    const int32_t slab = b.D.AddConcreteSlab(b.Polygon());
    BuildConcreteSlabOutlines(b.D.M, 0);
    BuildConcreteSlabOutlines(b.D.M, 1);
    ExpectPoints(List1(b.D.M, slab), {{-15, -15}, {1015, -15}, {1015, 1015}, {500, 1000}, {-15, 1005.15f}});
    ExpectPoints(List2(b.D.M, slab), {{15, 15}, {985, 15}, {985, 985}, {500, 985}, {15, 1004.85f}});
}

TEST(BuildConcreteSlabOutlines, AClockwisePolygonIsReversed) {
    TwoBayFrame f;
    const auto& n = f.N;
    f.D.AddConcreteSlab({n[1], n[4], n[5], n[2]});
    BuildConcreteSlabOutlines(f.D.M, 1);
    EXPECT_EQ(f.D.ConcreteSlabPolygon(0), (std::vector<int32_t>{n[2], n[5], n[4], n[1], n[2]}));
    ExpectPoints(List2(f.D.M, 0), {{985, 15}, {985, 385}, {515, 385}, {515, 15}});
}

// One bay of 500 × 400 on 30 cm beams; a tweak adds members along the bottom edge.
template <class Tweak>
Model OneBay(int32_t kind, Tweak tweak) {
    DeckBuilder d;
    const int32_t beam = d.RectangleSection(30, 50);
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(500, 0), c = d.AddNode(500, 400), e = d.AddNode(0, 400);
    d.AddBeam(a, b, beam);
    d.AddBeam(b, c, beam);
    d.AddBeam(c, e, beam);
    d.AddBeam(e, a, beam);
    const int32_t slab = d.AddConcreteSlab({a, b, c, e});
    d.M.ConcreteSlabs[slab].Kind = kind;
    tweak(d, a, b);
    BuildConcreteSlabOutlines(d.M, 0);
    BuildConcreteSlabOutlines(d.M, 1);
    return d.M;
}

TEST(BuildConcreteSlabOutlines, EachListTakesTheFaceReachingFurthestItsOwnWay) {
    struct Case {
        const char* Name;
        float WallThickness;
        float WallOffsetY;
        float BottomY1, BottomY2;  // bottom edge of list 1 and of list 2
    };
    const Case cases[] = {
        {"beam alone", 0, 0, -15, 15},
        {"thicker wall", 40, 0, -20, 20},
        {"thinner wall", 20, 0, -15, 15},
        // Matched on its plain nodes: the end offsets do not move the wall off the edge here.
        {"wall with end offsets", 40, -100, -20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Model m = OneBay(0, [&](DeckBuilder& d, int32_t a, int32_t b) {
            if (c.WallThickness == 0) return;
            const int32_t w = d.AddWall(a, b, c.WallThickness);
            d.M.WallSegments[w].OffsetYI = d.M.WallSegments[w].OffsetYJ = c.WallOffsetY;
            d.M.WallSegments[w].HasOffsets = c.WallOffsetY != 0;
        });
        ExpectPoints(List1(m, 0), {{-15, c.BottomY1}, {515, c.BottomY1}, {515, 415}, {-15, 415}});
        ExpectPoints(List2(m, 0), {{15, c.BottomY2}, {485, c.BottomY2}, {485, 385}, {15, 385}});
    }
}

// A bottom beam whose ends are offset by 0 and 10 cm across it: its faces lie 15.003 on either
// side of the offset axis (15 / cos(atan(10 / 500))). Here the direction of the common part is
// judged after the offsets have moved it, so a beam running with the edge reads 1.15 degrees off
// it and is turned round: each face then lies more than 1000 cm from the far probe of its list,
// and both lists keep the edge itself.
TEST(BuildConcreteSlabOutlines, EachEndOfAnEccentricBeamKeepsItsOwnOffset) {
    struct Case {
        const char* Name;
        bool AgainstTheEdge;  // the beam runs from (500, 0) to (0, 0)
        float OffsetYI, OffsetYJ;
        float Left1, Right1;  // list 1's bottom corners at x = -15 and x = 515
        float Left2, Right2;  // list 2's bottom corners at x = 15 and x = 485
    };
    const Case cases[] = {
        {"against the edge, offset at (0, 0)", true, 0, 10, -4.703f, -15.303f, 24.703f, 15.303f},
        {"against the edge, offset at (500, 0)", true, 10, 0, -15.303f, -4.703f, 15.303f, 24.703f},
        {"with the edge, offset at (500, 0)", false, 0, 10, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Model m = OneBay(0, [&](DeckBuilder& d, int32_t, int32_t) {
            BeamElement& beam = d.M.BeamElements[0];
            if (c.AgainstTheEdge) std::swap(beam.NodeI, beam.NodeJ);
            beam.OffsetYI = c.OffsetYI;
            beam.OffsetYJ = c.OffsetYJ;
            beam.HasOffsets = 1;
        });
        ExpectPoints(List1(m, 0), {{-15, c.Left1}, {515, c.Right1}, {515, 415}, {-15, 415}});
        ExpectPoints(List2(m, 0), {{15, c.Left2}, {485, c.Right2}, {485, 385}, {15, 385}});
    }
}

TEST(BuildConcreteSlabOutlines, WithoutMembersOrForAnInnerRegionBothListsFollowThePolygon) {
    // No member along any edge.
    DeckBuilder d;
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(300, 0), c = d.AddNode(300, 200), e = d.AddNode(0, 200);
    d.AddConcreteSlab({a, b, c, e});
    BuildConcreteSlabOutlines(d.M, 0);
    BuildConcreteSlabOutlines(d.M, 1);
    const std::vector<PlanPoint> corners{{0, 0}, {300, 0}, {300, 200}, {0, 200}};
    ExpectPoints(List1(d.M, 0), corners);
    EXPECT_EQ(Used(d.M.ConcreteSlabOutline, d.M.ConcreteSlabOutlineCount, 0),
              Used(d.M.ConcreteSlabOutline2, d.M.ConcreteSlabOutline2Count, 0));

    // An inner region on beams: its far probe lies on the other side of each face, so no face is
    // nearer to it than the edge.
    const Model inner = OneBay(1, [](DeckBuilder&, int32_t, int32_t) {});
    ExpectPoints(List1(inner, 0), {{0, 0}, {500, 0}, {500, 400}, {0, 400}});
    ExpectPoints(List2(inner, 0), {{0, 0}, {500, 0}, {500, 400}, {0, 400}});
}

TEST(BuildConcreteSlabOutlines, APolygonOfNoAreaStaysAsItIsSoThatRebuildsAgree) {
    DeckBuilder d;
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(100, 0), c = d.AddNode(300, 0);
    d.AddConcreteSlab({a, c, b});  // three vertices on one line
    d.AddConcreteSlab({a, b});     // an outline along the polygon itself, in its order
    for (int call = 0; call < 2; ++call) {
        BuildConcreteSlabOutlines(d.M, 1);
        EXPECT_EQ(d.ConcreteSlabPolygon(0), (std::vector<int32_t>{a, c, b, a}));
        EXPECT_EQ(d.ConcreteSlabPolygon(1), (std::vector<int32_t>{a, b, a}));
        ExpectPoints(List2(d.M, 1), {{0, 0}, {100, 0}});
    }
}

TEST(BuildConcreteSlabOutlines, BadPolygonsGiveAnOutlineAlongThemselvesAndListsGrow) {
    TwoBayFrame f;
    const auto& n = f.N;
    f.D.AddConcreteSlab({n[1], n[2]});             // two vertices
    f.D.AddConcreteSlab({n[1], n[2], n[2], n[1]});  // two distinct vertices
    f.D.AddConcreteSlab({n[1], 99, n[5]});         // a vertex without a node
    Model& m = f.D.M;
    m.ConcreteSlabOutline2 = {{}, {}};  // shorter than the slab table, and rows with no room
    BuildConcreteSlabOutlines(m, 1);
    ExpectPoints(List2(m, 0), {{500, 0}, {1000, 0}});
    // The outline along the polygon; the consecutive repeat is removed, the later entry staying.
    ExpectPoints(List2(m, 1), {{500, 0}, {1000, 0}, {500, 0}});
    EXPECT_EQ(m.ConcreteSlabOutline2Count.at(2), 0);
    EXPECT_EQ(f.D.ConcreteSlabPolygon(2), (std::vector<int32_t>{n[1], 99, n[5], n[1]}));
}

TEST(RemoveCoincidentOutlineEntries, RemovesTheFirstOfTwoPointsAtOnePlace) {
    Model m;
    m.PlanNodes = {{0, 0}, {0.00005f, -0.00005f}, {100, 0}, {100, 100}, {100.0002f, 100}};
    m.PlanNodeCount = 5;
    struct Case {
        std::vector<int32_t> Before;
        std::vector<int32_t> After;
    };
    const Case cases[] = {
        {{0, 1, 2, 3}, {1, 2, 3}},  // different plan points, within 0.0001: the later stays
        {{2, 3, 4}, {2, 3, 4}},     // 0.0002 apart is another place
        {{0, 1}, {1}},
        {{0}, {0}},
        {{}, {}},
        {{2, 3, 2}, {2, 3, 2}},     // the last entry is not compared with the first
    };
    for (const Case& c : cases) {
        std::vector<int32_t> outline = c.Before;
        int32_t count = static_cast<int32_t>(outline.size());
        RemoveCoincidentOutlineEntries(m, outline, count);
        EXPECT_EQ(std::vector<int32_t>(outline.begin(), outline.begin() + count), c.After);
    }
}

}  // namespace

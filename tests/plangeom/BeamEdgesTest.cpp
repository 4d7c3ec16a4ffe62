#include "plangeom/BeamEdges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "model/sections/SectionOutlines.h"
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

int32_t PositionOf(const BeamsAtNodeList& list, int32_t e) {
    for (size_t k = 0; k < list.BeamsAtNode.size(); ++k)
        if (list.BeamsAtNode[k] == e) return static_cast<int32_t>(k);
    return -1;
}

std::vector<EdgeLine> OwnedBy(const std::vector<EdgeLine>& lines, int32_t owner) {
    std::vector<EdgeLine> found;
    for (const EdgeLine& l : lines)
        if (l.Owner == owner) found.push_back(l);
    return found;
}

TEST(BuildBeamEdges, AFreeBeamHasTwoEndLinesAndTwoFaceLinesInEachTable) {
    DeckBuilder d;
    const int32_t tee = d.TeeSection(60, 30, 50);  // top face 60 wide, bottom face 30
    d.AddBeam(d.AddNode(0, 0), d.AddNode(400, 0), tee);
    BuildBeamEdges(d.M);

    // Corners of the start end, then of the end end, each in the order I2, I1, E2, E1.
    ASSERT_EQ(d.M.PlanNodeCount, 8);
    const float xs[] = {0, 0, 0, 0, 400, 400, 400, 400};
    const float ys[] = {15, -15, 30, -30, 15, -15, 30, -30};  // E1 and I1 lie to the right (south)
    for (int32_t k = 0; k < 8; ++k) ExpectAt(d, k, xs[k], ys[k]);
    EXPECT_EQ(d.Extrados(), (std::vector<EdgeLine>{{3, 2, -1}, {7, 6, -1}, {3, 7, 1}, {2, 6, 1}}));
    EXPECT_EQ(d.Intrados(), (std::vector<EdgeLine>{{1, 0, -1}, {5, 4, -1}, {1, 5, 1}, {0, 4, 1}}));
}

TEST(BuildBeamEdges, ARightAngleJointSharesItsCornersAndClosesTheFreeEndsSquare) {
    DeckBuilder d;
    const int32_t rect = d.RectangleSection(30, 50);
    const int32_t corner = d.AddNode(400, 0);
    d.AddBeam(d.AddNode(0, 0), corner, rect);
    d.AddBeam(corner, d.AddNode(400, 300), rect);
    BuildBeamEdges(d.M);
    WritePlanSvg(d.M, "beam-right-angle");

    ASSERT_EQ(d.M.PlanNodeCount, 6);
    ExpectAt(d, 0, 0, 15);
    ExpectAt(d, 1, 0, -15);
    ExpectAt(d, 2, 385, 15);   // inner corner
    ExpectAt(d, 3, 415, -15);  // outer corner
    ExpectAt(d, 4, 385, 300);
    ExpectAt(d, 5, 415, 300);
    const std::vector<EdgeLine> expected{{1, 0, -1}, {1, 3, 1}, {0, 2, 1}, {5, 4, -2}, {3, 5, 2}, {2, 4, 2}};
    EXPECT_EQ(d.Extrados(), expected);
    EXPECT_EQ(d.Intrados(), expected);
}

TEST(BuildBeamEdges, BeamsInAStraightLineShareTheirEndPointsWithoutEndLines) {
    DeckBuilder d;
    const int32_t rect = d.RectangleSection(30, 50);
    const int32_t middle = d.AddNode(300, 0);
    d.AddBeam(d.AddNode(0, 0), middle, rect);
    d.AddBeam(d.AddNode(600, 0), middle, rect);  // runs the other way: its right face is the north one
    BuildBeamEdges(d.M);

    EXPECT_EQ(d.M.PlanNodeCount, 6);
    EXPECT_EQ(OwnedBy(d.Extrados(), -1).size(), 1u);
    EXPECT_EQ(OwnedBy(d.Extrados(), -2).size(), 1u);
    const std::vector<EdgeLine> first = OwnedBy(d.Extrados(), 1), second = OwnedBy(d.Extrados(), 2);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(first[0].PlanNodeB, second[1].PlanNodeB);  // south faces
    EXPECT_EQ(first[1].PlanNodeB, second[0].PlanNodeB);  // north faces
    ExpectAt(d, first[0].PlanNodeB, 300, -15);
    ExpectAt(d, first[1].PlanNodeB, 300, 15);
}

TEST(BuildBeamEdges, ThreeBeamsJoinEachNeighbourInDirectionAroundTheNode) {
    DeckBuilder d;
    const int32_t rect = d.RectangleSection(30, 50);
    const int32_t centre = d.AddNode(0, 0);
    // Directions 30, 150 and 270 degrees, the last one ending at the centre.
    const float r = 400, c30 = std::cos(0.5235988f) * r, s30 = std::sin(0.5235988f) * r;
    d.AddBeam(centre, d.AddNode(c30, s30), rect);
    d.AddBeam(centre, d.AddNode(-c30, s30), rect);
    d.AddBeam(d.AddNode(0, -r), centre, rect);
    BuildBeamEdges(d.M);
    WritePlanSvg(d.M, "beam-three-at-node");

    // The three corners around the centre lie on the bisectors (90, 210 and 330 degrees),
    // 15 / sin 60° from it; each is shared by the two beams on either side of it.
    std::set<int32_t> atCentre;
    int32_t endLines = 0;
    for (const EdgeLine& l : d.Extrados()) {
        for (int32_t p : {l.PlanNodeA, l.PlanNodeB}) {
            const bool central = std::hypot(d.Point(p).X, d.Point(p).Y) < 50;
            if (central) atCentre.insert(p);
            EXPECT_FALSE(central && l.Owner < 0) << "no end line at a joined node";
        }
        if (l.Owner < 0) ++endLines;
    }
    EXPECT_EQ(endLines, 3);
    ASSERT_EQ(atCentre.size(), 3u);
    const float radius = 15 / std::sin(1.0471976f);
    std::set<int32_t> bearings;
    for (int32_t p : atCentre) {
        EXPECT_NEAR(std::hypot(d.Point(p).X, d.Point(p).Y), radius, Near);
        bearings.insert(static_cast<int32_t>(std::lround(std::atan2(d.Point(p).Y, d.Point(p).X) * 180 / 3.14159265)));
    }
    EXPECT_EQ(bearings, (std::set<int32_t>{-150, -30, 90}));
    auto centralEnds = [&](int32_t owner) {
        std::set<int32_t> ends;
        for (const EdgeLine& l : OwnedBy(d.Extrados(), owner))
            for (int32_t p : {l.PlanNodeA, l.PlanNodeB})
                if (atCentre.count(p)) ends.insert(p);
        return ends;
    };
    for (int32_t a = 1; a <= 3; ++a) {
        const int32_t b = a % 3 + 1;
        std::set<int32_t> shared;
        for (int32_t p : centralEnds(a))
            if (centralEnds(b).count(p)) shared.insert(p);
        EXPECT_EQ(shared.size(), 1u) << "beams " << a << " and " << b;
    }
}

// The E1 corner of element 0 at its end node (its first face line ends there).
PlanPoint EndCornerE1(const DeckBuilder& d) {
    return d.Point(OwnedBy(d.Extrados(), 1).at(0).PlanNodeB);
}

void Rotate(float x, float y, float degrees, float& rx, float& ry) {
    const double a = degrees * 3.14159265358979 / 180;
    rx = static_cast<float>(x * std::cos(a) - y * std::sin(a));
    ry = static_cast<float>(x * std::sin(a) + y * std::cos(a));
}

TEST(BuildBeamEdges, ANearlyStraightJoinUsesTheIntersectionOnlyWhenItLiesOnTheNodeSide) {
    // Beam 0 (30 wide) arrives at the origin from the west, beam 1 (60 wide) leaves it 2° below
    // east: the facing lines meet far behind the node. Turned by -59°, the two line angles lie at
    // the opposite ends of their range and differ by about pi: the far intersection is kept.
    struct Case {
        float Turn;
        bool FarCorner;
    };
    for (const Case& c : {Case{0, false}, Case{-59, true}, Case{90, false}}) {
        DeckBuilder d;
        float x, y;
        const int32_t centre = d.AddNode(0, 0);
        Rotate(-400, 0, c.Turn, x, y);
        d.AddBeam(d.AddNode(x, y), centre, d.RectangleSection(30, 50));
        Rotate(400 * std::cos(0.0349066f), -400 * std::sin(0.0349066f), c.Turn, x, y);
        d.AddBeam(centre, d.AddNode(x, y), d.RectangleSection(60, 50));
        BuildBeamEdges(d.M);
        const PlanPoint corner = EndCornerE1(d);
        const float fromCentre = std::hypot(corner.X, corner.Y);
        if (c.FarCorner) {
            EXPECT_GT(fromCentre, 200) << c.Turn;
        } else {
            EXPECT_NEAR(fromCentre, 15, Near) << c.Turn;  // the square end point
        }
    }
}

TEST(BuildBeamEdges, ASharpAngleKeepsTheIntersectionOnTheNodeSide) {
    DeckBuilder d;
    const int32_t rect = d.RectangleSection(30, 50);
    const int32_t centre = d.AddNode(0, 0);
    const float a = 0.34906585f;  // 20°
    d.AddBeam(d.AddNode(400, 0), centre, rect);  // arrives from the east: its right face is the north one
    d.AddBeam(centre, d.AddNode(400 * std::cos(a), 400 * std::sin(a)), rect);
    BuildBeamEdges(d.M);
    WritePlanSvg(d.M, "beam-sharp-angle");

    // Beam 0's north face meets the lower face of beam 1 inside the angle, 15 / tan 10° from the
    // centre; its south face meets beam 1's upper face outside, behind the node.
    const PlanPoint inner = EndCornerE1(d);
    EXPECT_NEAR(inner.X, 15 / std::tan(a / 2), Near);
    EXPECT_NEAR(inner.Y, 15, Near);
    const PlanPoint outer = d.Point(OwnedBy(d.Extrados(), 1).at(1).PlanNodeB);
    EXPECT_NEAR(outer.X, -15 / std::tan(a / 2), Near);
    EXPECT_NEAR(outer.Y, -15, Near);
}

TEST(BuildBeamEdges, AProfileBeamEndsSquareWhileAParametricBeamJoinsItsFaces) {
    DeckBuilder d;
    const int32_t profile = d.ProfileSection(10, 20);
    const SectionEdgeOffsets p = ComputeSectionEdgeOffsets(d.M.Catalogue, profile - 1, 0);
    ASSERT_GT(p.A1, 0);
    const int32_t centre = d.AddNode(0, 0);
    d.AddBeam(centre, d.AddNode(400, 0), profile);
    d.AddBeam(centre, d.AddNode(0, 300), d.RectangleSection(30, 50));
    BuildBeamEdges(d.M);
    WritePlanSvg(d.M, "beam-profile-joint");

    EXPECT_EQ(OwnedBy(d.Extrados(), -1).size(), 2u);
    EXPECT_EQ(OwnedBy(d.Extrados(), -2).size(), 1u);
    const std::vector<EdgeLine> faces = OwnedBy(d.Extrados(), 2);
    ASSERT_EQ(faces.size(), 2u);
    // Beam 1 runs north: its right (east) face ends on the profile's north face, its west face
    // on the profile's south face.
    EXPECT_NEAR(d.Point(faces[0].PlanNodeA).X, 15, Near);
    EXPECT_NEAR(d.Point(faces[0].PlanNodeA).Y, -p.A2, Near);
    EXPECT_NEAR(d.Point(faces[1].PlanNodeA).X, -15, Near);
    EXPECT_NEAR(d.Point(faces[1].PlanNodeA).Y, -p.A1, Near);
}

TEST(BuildBeamEdges, ASectionOutsideTheCatalogueGivesAxisLinesAndSquareEnds) {
    for (int32_t section : {0, 2, 99, -5}) {
        DeckBuilder d;
        const int32_t rect = d.RectangleSection(30, 50);
        const int32_t centre = d.AddNode(0, 0);
        d.AddBeam(d.AddNode(-400, 0), centre, section);
        d.AddBeam(centre, d.AddNode(0, 300), rect);
        BuildBeamEdges(d.M);

        EXPECT_EQ(d.Extrados().size(), 7u) << section;  // 2 + 2 of its own, 2 faces + 1 end of the other
        EXPECT_EQ(OwnedBy(d.Extrados(), -1).size(), 2u) << section;
        for (const EdgeLine& l : OwnedBy(d.Extrados(), 1))
            for (int32_t p : {l.PlanNodeA, l.PlanNodeB}) EXPECT_FLOAT_EQ(d.Point(p).Y, 0) << section;
        // The rectangle joins the other beam's axis.
        const std::vector<EdgeLine> faces = OwnedBy(d.Extrados(), 2);
        ASSERT_EQ(faces.size(), 2u);
        EXPECT_NEAR(d.Point(faces[0].PlanNodeA).Y, 0, Near);
        EXPECT_NEAR(d.Point(faces[1].PlanNodeA).Y, 0, Near);
    }
}

TEST(BuildBeamEdges, DegenerateElementsGetNoLinesAndLeaveTheirNeighbourSquare) {
    struct Case {
        const char* Name;
        int32_t NodeI, NodeJ;  // -1: the centre; -2: a second node on the centre
    };
    // An element of no length between two nodes (-1, -2) is no neighbour of this kind: see below.
    const Case cases[] = {{"both nodes equal", -1, -1}, {"no such node", -1, 77}, {"negative node", -3, -1}};
    for (const Case& c : cases) {
        DeckBuilder d;
        const int32_t rect = d.RectangleSection(30, 50);
        const int32_t centre = d.AddNode(0, 0);
        const int32_t twin = d.AddNode(0, 0);
        d.AddBeam(centre, d.AddNode(400, 0), rect);
        auto node = [&](int32_t n) { return n == -1 ? centre : n == -2 ? twin : n; };
        d.AddBeam(node(c.NodeI), node(c.NodeJ), rect);
        BuildBeamEdges(d.M);

        EXPECT_EQ(d.Extrados().size(), 4u) << c.Name;
        EXPECT_EQ(d.Intrados().size(), 4u) << c.Name;
        EXPECT_EQ(OwnedBy(d.Extrados(), -1).size(), 2u) << c.Name;
        EXPECT_EQ(d.M.PlanNodeCount, 4) << c.Name;
    }
}

// A beam carried on through an element of no length between two nodes at one place: the beams on
// either side keep their plain end points there and share them, with no end line across the beam.
TEST(BuildBeamEdges, AnElementOfNoLengthBetweenTwoNodesCarriesTheBeamOn) {
    DeckBuilder d;
    const int32_t rect = d.RectangleSection(30, 50);
    const int32_t a = d.AddNode(500, 0), b = d.AddNode(500, 0);
    d.AddBeam(d.AddNode(0, 0), a, rect);
    d.AddBeam(a, b, rect);
    d.AddBeam(b, d.AddNode(1000, 0), rect);
    BuildBeamEdges(d.M);

    for (const std::vector<EdgeLine>& lines : {d.Extrados(), d.Intrados()}) {
        EXPECT_EQ(lines.size(), 6u);  // two faces of each drawn beam, one end line at each free end
        for (const EdgeLine& l : lines) {
            if (l.Owner > 0) continue;
            EXPECT_NE(std::fabs(d.Point(l.PlanNodeA).X - 500), 0.0f) << l;  // no end line at the link
        }
        EXPECT_TRUE(OwnedBy(lines, 2).empty());
        // Each face line of the first beam ends where the same face of the third begins.
        const std::vector<EdgeLine> first = OwnedBy(lines, 1), third = OwnedBy(lines, 3);
        ASSERT_EQ(first.size(), 2u);
        ASSERT_EQ(third.size(), 2u);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(first[k].PlanNodeB, third[k].PlanNodeA) << k;
            EXPECT_NEAR(d.Point(first[k].PlanNodeB).X, 500, Near) << k;
        }
    }
    EXPECT_EQ(d.M.PlanNodeCount, 6);  // two corners at each of the three places: top and bottom alike
}

TEST(CollectBeamsAtNode, SortsByDirectionAwayFromTheNode) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    d.AddBeam(c, d.AddNode(0, -100), 1);    // 270°
    d.AddBeam(d.AddNode(0, 100), c, 1);     // 90°, ends at the node
    d.AddBeam(c, d.AddNode(100, 0), 1);     // 0°
    d.AddBeam(d.AddNode(-100, 0), c, 1);    // 180°, ends at the node
    d.AddBeam(d.AddNode(5, 5), d.AddNode(9, 9), 1);  // elsewhere
    const BeamsAtNodeList list = CollectBeamsAtNode(d.M, c);
    EXPECT_EQ(list.BeamsAtNodeCount, 4);
    EXPECT_EQ(list.BeamsAtNode, (std::vector<int32_t>{2, 1, 3, 0}));
    EXPECT_EQ(list.BeamsAtNodeEnd, (std::vector<int32_t>{1, 2, 2, 1}));
}

TEST(CollectBeamsAtNode, KeepsTwoBeamsOfOneDirectionInTableOrderAndListsALoopOnce) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    d.AddBeam(c, d.AddNode(200, 200), 1);
    d.AddBeam(d.AddNode(100, 100), c, 1);
    d.AddBeam(c, c, 1);
    const BeamsAtNodeList all = CollectBeamsAtNode(d.M, c);
    ASSERT_EQ(all.BeamsAtNodeCount, 3);
    EXPECT_EQ(all.BeamsAtNodeEnd[PositionOf(all, 2)], 1);

    d.M.BeamElementCount = 2;
    const BeamsAtNodeList two = CollectBeamsAtNode(d.M, c);
    EXPECT_EQ(two.BeamsAtNode, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(CollectBeamsAtNode(d.M, 99).BeamsAtNodeCount, 0);
}

}  // namespace

#include "plangeom/FloorSlabOutlines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "plangeom/FloorSlabMeasures.h"
#include "plangeom/OutlineCleanup.h"
#include "plangeom/SlabEdgeFaceLine.h"
#include "plangeom/SlabOutlineCorners.h"
#include "tests/support/BentEdgeSlab.h"
#include "tests/support/TwoBayFrame.h"

namespace {

constexpr float Near = 0.002f;

std::vector<PlanPoint> FloorOutline(const Model& m, int32_t slab) {
    std::vector<PlanPoint> points;
    for (int32_t k = 0; k < m.FloorSlabOutlineCount.at(slab); ++k)
        points.push_back(m.PlanNodes.at(m.FloorSlabOutline.at(slab).at(k)));
    return points;
}

void ExpectPoints(const std::vector<PlanPoint>& actual, const std::vector<PlanPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].X, expected[k].X, Near) << "point " << k;
        EXPECT_NEAR(actual[k].Y, expected[k].Y, Near) << "point " << k;
    }
}

std::vector<int32_t> Polygon(const Model& m, int32_t slab) {
    const auto& row = m.FloorSlabModelPolygon.at(slab);
    return {row.begin(), row.begin() + m.FloorSlabs.at(slab).VertexCount + 1};
}

void SetDesignSegment(FloorSlab& s, PlanPoint d1, PlanPoint d2, float startBand, float endBand) {
    s.DiagramPointCount = 1;
    s.DiagramX1 = d1.X;
    s.DiagramY1 = d1.Y;
    s.DiagramX2 = d2.X;
    s.DiagramY2 = d2.Y;
    s.StartBandLength = startBand;
    s.EndBandLength = endBand;
}

void SetBands(FloorSlab& s, float value) {
    s.StartBandX1 = s.StartBandY1 = s.StartBandX2 = s.StartBandY2 = value;
    s.EndBandX1 = s.EndBandY1 = s.EndBandX2 = s.EndBandY2 = value;
}

// A model whose floor slab 0 has the given outline of plan points, for the measuring phases.
Model SlabWithOutline(const std::vector<PlanPoint>& outline) {
    Model m;
    m.FloorSlabCount = 1;
    m.FloorSlabs.resize(1);
    m.FloorSlabOutlineCount = {static_cast<int32_t>(outline.size())};
    m.FloorSlabOutline.resize(1);
    for (const PlanPoint& p : outline) {
        m.PlanNodes.push_back(p);
        m.FloorSlabOutline[0].push_back(m.PlanNodeCount++);
    }
    return m;
}

TEST(BuildFloorSlabOutlines, TwoBayFrame_TheSlabFollowsTheInnerBeamFacesWithItsMeasuresAndBands) {
    TwoBayFrame f;
    const auto& n = f.N;
    const int32_t slab = f.D.AddFloorSlab({n[0], n[1], n[4], n[3]});
    SetDesignSegment(f.D.M.FloorSlabs[slab], {100, 200}, {400, 200}, 50, 80);
    f.D.Derive();
    const int32_t beamPoints = f.D.M.PlanNodeCount;

    BuildFloorSlabOutlines(f.D.M, 0);
    const Model& m = f.D.M;

    // The rectangle shrunk by half the beam width, one corner per vertex in polygon order.
    ExpectPoints(FloorOutline(m, slab), {{15, 15}, {485, 15}, {485, 385}, {15, 385}});
    // Its corners are the inner corners of the beam faces: no plan point is added.
    EXPECT_EQ(m.PlanNodeCount, beamPoints);
    std::set<int32_t> intradosCorners;
    for (const EdgeLine& line : f.D.Intrados()) intradosCorners.insert({line.PlanNodeA, line.PlanNodeB});
    for (int32_t k = 0; k < 4; ++k) EXPECT_TRUE(intradosCorners.count(m.FloorSlabOutline[slab][k])) << k;
    EXPECT_EQ(Polygon(m, slab), (std::vector<int32_t>{n[0], n[1], n[4], n[3], n[0]}));

    const FloorSlab& s = m.FloorSlabs[slab];
    EXPECT_FLOAT_EQ(s.Area, -470.0f * 370.0f);  // counter-clockwise: negative
    EXPECT_NEAR(s.CentroidX, 250, Near);
    EXPECT_NEAR(s.CentroidY, 200, Near);
    // Span along x: the top-most point (485, 385) and the bottom-most (15, 15), first of each tie,
    // one fifth of the way to the centroid.
    EXPECT_NEAR(s.RefPoint2X, 438, Near);
    EXPECT_NEAR(s.RefPoint2Y, 348, Near);
    EXPECT_NEAR(s.RefPoint3X, 62, Near);
    EXPECT_NEAR(s.RefPoint3Y, 52, Near);
    // Supports at x = 15 and x = 485; bands 50 and 80 cm in from them, across the slab.
    EXPECT_NEAR(s.StartBandX1, 65, Near);
    EXPECT_NEAR(s.StartBandY1, 15, Near);
    EXPECT_NEAR(s.StartBandX2, 65, Near);
    EXPECT_NEAR(s.StartBandY2, 385, Near);
    EXPECT_NEAR(s.EndBandX1, 405, Near);
    EXPECT_NEAR(s.EndBandY1, 15, Near);
    EXPECT_NEAR(s.EndBandX2, 405, Near);
    EXPECT_NEAR(s.EndBandY2, 385, Near);
}

TEST(BuildFloorSlabOutlines, AClockwisePolygonIsReversedAndReclosed) {
    TwoBayFrame f;
    const auto& n = f.N;
    const int32_t slab = f.D.AddFloorSlab({n[0], n[3], n[4], n[1]});
    f.D.Derive();
    BuildFloorSlabOutlines(f.D.M, 0);

    EXPECT_EQ(Polygon(f.D.M, slab), (std::vector<int32_t>{n[1], n[4], n[3], n[0], n[1]}));
    ExpectPoints(FloorOutline(f.D.M, slab), {{485, 15}, {485, 385}, {15, 385}, {15, 15}});
    EXPECT_FLOAT_EQ(f.D.M.FloorSlabs[slab].Area, -470.0f * 370.0f);
}

TEST(OrientSlabPolygon, OnlyACounterClockwisePolygonIsLeftAsItIs) {
    Model m;
    for (const PlanPoint& p : std::vector<PlanPoint>{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {200, 0}})
        m.Nodes.push_back({m.NodeCount++ + 1, p.X, p.Y, -1});
    struct Case {
        std::vector<int32_t> Polygon;
        float Sum;
        ZeroAreaPolygon ZeroArea;
        std::vector<int32_t> After;
    };
    const Case cases[] = {
        {{0, 1, 2, 3, 0}, -10000, ZeroAreaPolygon::Reverse, {0, 1, 2, 3, 0}},
        {{0, 3, 2, 1, 0}, 10000, ZeroAreaPolygon::Reverse, {1, 2, 3, 0, 1}},
        {{0, 1, 4, 0}, 0, ZeroAreaPolygon::Reverse, {4, 1, 0, 4}},  // all on one line
        {{0, 1, 4, 0}, 0, ZeroAreaPolygon::Keep, {0, 1, 4, 0}},
    };
    for (const Case& c : cases) {
        std::vector<int32_t> polygon = c.Polygon;
        const int32_t n = static_cast<int32_t>(polygon.size()) - 1;
        EXPECT_FLOAT_EQ(SlabPolygonOrientationSum(m, polygon, n), c.Sum);
        OrientSlabPolygon(m, polygon, n, c.ZeroArea);
        EXPECT_EQ(polygon, c.After);
    }
}

// One bay of 500 × 400 on 30 cm beams; a tweak adds or changes members along the bottom edge.
template <class Tweak>
Model OneBay(Tweak tweak) {
    DeckBuilder d;
    const int32_t beam = d.RectangleSection(30, 50);
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(500, 0), c = d.AddNode(500, 400), e = d.AddNode(0, 400);
    d.AddBeam(a, b, beam);
    d.AddBeam(b, c, beam);
    d.AddBeam(c, e, beam);
    d.AddBeam(e, a, beam);
    d.AddFloorSlab({a, b, c, e});
    tweak(d, a, b);
    BuildFloorSlabOutlines(d.M, 0);
    return d.M;
}

template <class Tweak>
std::vector<PlanPoint> OneBayOutline(Tweak tweak) {
    return FloorOutline(OneBay(tweak), 0);
}

TEST(BuildFloorSlabOutlines, TheFaceReachingFurthestIntoTheSlabBoundsAnEdgeCarriedByABeamAndAWall) {
    struct Case {
        const char* Name;
        float WallThickness;  // 0: no wall
        float WallOffsetY;    // end offsets of the wall
        float BeamOffsetY;    // end offsets of the bottom beam
        float BottomY;        // where the outline's bottom edge lies
    };
    const Case cases[] = {
        {"beam alone", 0, 0, 0, 15},
        {"thicker wall", 40, 0, 0, 20},
        {"thinner wall", 20, 0, 0, 15},
        {"wall moved off the edge by its offsets", 40, -100, 0, 15},
        {"beam matched on its nodes, then shifted", 0, 0, 10, 25},
    };
    for (const Case& c : cases) {
        const auto outline = OneBayOutline([&](DeckBuilder& d, int32_t a, int32_t b) {
            d.M.BeamElements[0].OffsetYI = d.M.BeamElements[0].OffsetYJ = c.BeamOffsetY;
            if (c.WallThickness == 0) return;
            const int32_t w = d.AddWall(a, b, c.WallThickness);
            d.M.WallSegments[w].OffsetYI = d.M.WallSegments[w].OffsetYJ = c.WallOffsetY;
            d.M.WallSegments[w].HasOffsets = c.WallOffsetY != 0;
        });
        SCOPED_TRACE(c.Name);
        ExpectPoints(outline, {{15, c.BottomY}, {485, c.BottomY}, {485, 385}, {15, 385}});
    }
}

// A bottom beam whose ends are offset by 0 and 10 cm across it. Each end keeps its own offset
// whichever way the beam runs, so its inner face drops 9.4 cm over the 470 cm between the side
// faces: 15 / cos(atan(10 / 500)) = 15.003 above the offset axis.
TEST(BuildFloorSlabOutlines, EachEndOfAnEccentricBeamKeepsItsOwnOffset) {
    struct Case {
        const char* Name;
        bool AgainstTheEdge;  // the beam runs from (500, 0) to (0, 0)
        float OffsetYI, OffsetYJ;
        float LeftY, RightY;  // the outline's bottom corners at x = 15 and x = 485
    };
    const Case cases[] = {
        {"against the edge, offset at (0, 0)", true, 0, 10, 24.703f, 15.303f},
        {"against the edge, offset at (500, 0)", true, 10, 0, 15.303f, 24.703f},
        {"with the edge, offset at (500, 0)", false, 0, 10, 15.303f, 24.703f},
        {"with the edge, offset at (0, 0)", false, 10, 0, 24.703f, 15.303f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto outline = OneBayOutline([&](DeckBuilder& d, int32_t, int32_t) {
            BeamElement& beam = d.M.BeamElements[0];
            if (c.AgainstTheEdge) std::swap(beam.NodeI, beam.NodeJ);
            beam.OffsetYI = c.OffsetYI;
            beam.OffsetYJ = c.OffsetYJ;
            beam.HasOffsets = 1;
        });
        ExpectPoints(outline, {{15, c.LeftY}, {485, c.RightY}, {485, 385}, {15, 385}});
    }
}

TEST(BuildFloorSlabOutlines, AnEccentricBeamAgainstTheEdgeGivesTheFaceLineAreaAndBandsOfItsOwnOffsets) {
    const Model m = OneBay([](DeckBuilder& d, int32_t a, int32_t b) {
        BeamElement& beam = d.M.BeamElements[0];
        beam.NodeI = b;  // (500, 0), not offset
        beam.NodeJ = a;  // (0, 0), offset 10 cm into the slab
        beam.OffsetYJ = 10;
        beam.HasOffsets = 1;
        SetDesignSegment(d.M.FloorSlabs[0], {100, 200}, {400, 200}, 50, 80);
    });
    std::vector<PlanPoint> polygon{{0, 0}, {500, 0}, {500, 400}, {0, 400}, {0, 0}};
    const SlabEdgeFace bottom = FindEdgeFaceLine(m, FloorSlabFaceRules(), {0, 0}, {500, 0}, polygon, 4);
    EXPECT_EQ(bottom.Beam, 0);
    ExpectPoints({bottom.F1, bottom.F2}, {{0.29994f, 24.997f}, {500.29994f, 14.997f}});

    ExpectPoints(FloorOutline(m, 0), {{15, 24.703f}, {485, 15.303f}, {485, 385}, {15, 385}});
    const FloorSlab& s = m.FloorSlabs[0];
    // A trapezoid 470 wide, 360.297 high at its left side and 369.697 at its right.
    EXPECT_NEAR(s.Area, -171548.59f, 0.05f);
    EXPECT_NEAR(s.CentroidX, 251.0087f, Near);
    EXPECT_NEAR(s.CentroidY, 202.4914f, Near);
    // Supports on the side faces at x = 15 and 485; bands 50 and 80 cm in from them.
    ExpectPoints({{s.StartBandX1, s.StartBandY1}, {s.StartBandX2, s.StartBandY2}}, {{65, 23.703f}, {65, 385}});
    ExpectPoints({{s.EndBandX1, s.EndBandY1}, {s.EndBandX2, s.EndBandY2}}, {{405, 16.903f}, {405, 385}});
}

TEST(BuildFloorSlabOutlines, AnEdgeCarriedOnlyPartlyMeetsItsNeighbourOnTheExtension) {
    DeckBuilder d;
    const int32_t beam = d.RectangleSection(30, 50);
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(500, 0), c = d.AddNode(500, 400), e = d.AddNode(0, 400);
    d.AddBeam(a, d.AddNode(300, 0), beam);  // carries the bottom edge up to x = 300 only
    d.AddBeam(b, c, beam);
    d.AddBeam(c, e, beam);
    d.AddBeam(e, a, beam);
    d.AddFloorSlab({a, b, c, e});
    d.Derive();
    BuildFloorSlabOutlines(d.M, 0);

    std::vector<PlanPoint> polygon{{0, 0}, {500, 0}, {500, 400}, {0, 400}, {0, 0}};
    const SlabEdgeFace bottom = FindEdgeFaceLine(d.M, FloorSlabFaceRules(), {0, 0}, {500, 0}, polygon, 4);
    EXPECT_EQ(bottom.Beam, 0);
    ExpectPoints({bottom.F1, bottom.F2}, {{0, 15}, {300, 15}});
    // The shorter face line and the right beam's face meet beyond its end, at (485, 15).
    ExpectPoints(FloorOutline(d.M, 0), {{15, 15}, {485, 15}, {485, 385}, {15, 385}});
}

// Where the face lines meet far from their vertex (a slight bend), the corner is squared off on the
// face that lies further inside the slab instead of being a spike 15 m out of a 10 m slab.
TEST(BuildFloorSlabOutlines, ACornerStaysNearItsVertex) {
    BentEdgeSlab b;
    const int32_t slab = b.D.AddFloorSlab(b.Polygon());
    BuildFloorSlabOutlines(b.D.M, 0);
    // At the beam end (500, 1000) the beam face y = 985 and the free edge meet at (2000, 985); the
    // corner is the foot on the beam face, which lies 15 cm inside where the free edge lies on the
    // vertex. The other corners are the meeting points of their face lines.
    ExpectPoints(FloorOutline(b.D.M, slab), {{15, 15}, {985, 15}, {985, 985}, {500, 985}, {15, 1004.85f}});
    EXPECT_LT(std::fabs(b.D.M.FloorSlabs[slab].Area), 1000.0f * 1002.5f);
}

// A mitre within the limit keeps its meeting point: 30 cm beams at a 10 degree corner meet 172 cm
// from the vertex.
TEST(BuildFloorSlabOutlines, ASharpCornerWithinTheMitreLimitKeepsItsMeetingPoint) {
    DeckBuilder d;
    const int32_t beam = d.RectangleSection(30, 50);
    const int32_t a = d.AddNode(0, 0), b = d.AddNode(1000, 0);
    const int32_t c = d.AddNode(0, static_cast<float>(1000 * std::tan(10 * 3.14159265358979 / 180)));
    for (const auto& [i, j] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}}) d.AddBeam(i, j, beam);
    const int32_t slab = d.AddFloorSlab({a, b, c});
    BuildFloorSlabOutlines(d.M, 0);
    const std::vector<PlanPoint> outline = FloorOutline(d.M, slab);
    ASSERT_EQ(outline.size(), 3u);
    const double mitre = 15 / std::tan(5 * 3.14159265358979 / 180);
    EXPECT_NEAR(outline[1].X, 1000 - mitre, 0.01);
    EXPECT_NEAR(outline[1].Y, 15, 0.01);
}

TEST(BuildFloorSlabOutlines, EdgesWithoutMembersAndStraightRunsFollowThePolygon) {
    DeckBuilder d;
    const int32_t beam = d.RectangleSection(30, 50);
    const int32_t a = d.AddNode(0, 0), mid = d.AddNode(250, 0), b = d.AddNode(500, 0), c = d.AddNode(500, 400),
                  e = d.AddNode(0, 400);
    // Beams on the bottom (in two pieces through mid) and on the right only.
    d.AddBeam(a, mid, beam);
    d.AddBeam(mid, b, beam);
    d.AddBeam(b, c, beam);
    d.AddFloorSlab({a, mid, b, c, e});
    // A slab with no member along any edge.
    const int32_t p = d.AddNode(600, 0), q = d.AddNode(700, 0), r = d.AddNode(650, 80);
    d.AddFloorSlab({p, q, r});
    BuildFloorSlabOutlines(d.M, 0);

    // mid gives no corner; the unsupported edges meet at the model node itself.
    ExpectPoints(FloorOutline(d.M, 0), {{0, 15}, {485, 15}, {485, 400}, {0, 400}});
    ExpectPoints(FloorOutline(d.M, 1), {{600, 0}, {700, 0}, {650, 80}});
}

TEST(FindEdgeFaceLine, AnEdgeJustBelowTheXAxisDirectionKeepsItsBeamFaceInside) {
    // The edge reads 360 degrees and the shorter common part with the beam 0: one direction.
    DeckBuilder d;
    const int32_t beam = d.RectangleSection(30, 50);
    d.AddBeam(d.AddNode(0, 0), d.AddNode(200, -0.00008f), beam);
    std::vector<PlanPoint> polygon{{0, 0}, {1000, -0.0004f}, {1000, 400}, {0, 400}, {0, 0}};
    const SlabEdgeFace face = FindEdgeFaceLine(d.M, FloorSlabFaceRules(), polygon[0], polygon[1], polygon, 4);
    EXPECT_EQ(face.Beam, 0);
    EXPECT_NEAR(face.F1.Y, 15, Near);
    EXPECT_NEAR(face.F2.Y, 15, Near);
    EXPECT_LT(face.F1.X, face.F2.X);  // runs like the edge
}

TEST(BuildFloorSlabOutlines, SpanOnlyMeasuresTheEditedOutlineWithoutRebuildingIt) {
    TwoBayFrame f;
    const auto& n = f.N;
    f.D.AddFloorSlab({n[0], n[3], n[4], n[1]});  // clockwise
    Model& m = f.D.M;
    // An edited outline, clockwise, with a repeated entry.
    for (const PlanPoint& p : std::vector<PlanPoint>{{0, 0}, {0, 100}, {100, 100}, {100, 0}}) {
        m.PlanNodes.push_back(p);
        ++m.PlanNodeCount;
    }
    m.FloorSlabOutline = {{0, 0, 1, 2, 3, 0, 0}};
    m.FloorSlabOutlineCount = {5};

    BuildFloorSlabOutlines(m, 1);
    EXPECT_EQ(Polygon(m, 0), (std::vector<int32_t>{n[0], n[3], n[4], n[1], n[0]}));
    EXPECT_EQ(m.FloorSlabOutlineCount[0], 4);
    EXPECT_EQ(m.FloorSlabOutline[0], (std::vector<int32_t>{0, 1, 2, 3, 3, 0, 0}));
    EXPECT_EQ(m.PlanNodeCount, 4);
    EXPECT_FLOAT_EQ(m.FloorSlabs[0].Area, 10000);  // clockwise: positive
    EXPECT_NEAR(m.FloorSlabs[0].CentroidX, 50, Near);
    EXPECT_NEAR(m.FloorSlabs[0].CentroidY, 50, Near);
}

TEST(RemoveRepeatedOutlineEntries, RemovesAnEntryEqualToTheNextAndMovesOn) {
    struct Case {
        std::vector<int32_t> Before;
        std::vector<int32_t> After;
    };
    const Case cases[] = {
        {{7, 7, 8}, {7, 8}},
        {{7, 7, 7, 8}, {7, 7, 8}},  // the new pair is not compared again
        {{7, 8, 8, 9}, {7, 8, 9}},
        {{7, 8, 7}, {7, 8, 7}},     // the last entry is not compared with the first
        {{7, 7}, {7, 7}},           // two entries or fewer are left alone
    };
    for (const Case& c : cases) {
        std::vector<int32_t> outline = c.Before;
        int32_t count = static_cast<int32_t>(outline.size());
        RemoveRepeatedOutlineEntries(outline, count);
        EXPECT_EQ(std::vector<int32_t>(outline.begin(), outline.begin() + count), c.After);
    }
}

TEST(ComputeFloorSlabMeasures, ReferencePointsLieTowardsTheCentroidFromTheOutermostPointsAcrossTheSpan) {
    struct Case {
        float SpanAngle;
        PlanPoint Ref2, Ref3;
    };
    // The outline (0, 0), (400, 0), (400, 300), (0, 300) has its centroid at (200, 150).
    const Case cases[] = {
        {0, {360, 270}, {40, 30}},    // top-most (400, 300), bottom-most (0, 0): first of each tie
        {180, {360, 270}, {40, 30}},
        {90, {360, 30}, {40, 30}},    // right-most (400, 0), left-most (0, 0)
        {270, {360, 30}, {40, 30}},
        {30, {360, 270}, {40, 30}},   // |sin| 0.5: still the y key
        {45, {360, 30}, {40, 30}},
    };
    for (const Case& c : cases) {
        Model m = SlabWithOutline({{0, 0}, {400, 0}, {400, 300}, {0, 300}});
        m.FloorSlabs[0].SpanAngle = c.SpanAngle;
        ComputeFloorSlabMeasures(m, 0);
        const FloorSlab& s = m.FloorSlabs[0];
        SCOPED_TRACE(c.SpanAngle);
        EXPECT_FLOAT_EQ(s.Area, -120000);
        ExpectPoints({{s.RefPoint2X, s.RefPoint2Y}, {s.RefPoint3X, s.RefPoint3Y}}, {c.Ref2, c.Ref3});
    }
}

TEST(ComputeFloorSlabMeasures, ABandLineNeedsTwoSupportsAndTwoEnds) {
    struct Case {
        const char* Name;
        std::vector<PlanPoint> Outline;
        PlanPoint D1, D2;
        float StartLength;
        int32_t DiagramPoints;
        std::vector<float> Start;  // x1, y1, x2, y2 after the call
    };
    const std::vector<PlanPoint> square{{-100, -100}, {100, -100}, {100, 100}, {-100, 100}};
    const std::vector<PlanPoint> triangle{{0, 0}, {400, 0}, {200, 400}};
    const Case cases[] = {
        {"design segment across the slab", square, {-50, 0}, {50, 0}, 30, 1, {-70, -100, -70, 100}},
        // Missing the outline, the segment found no support: no band through (0, 0).
        {"design segment beside the slab", square, {500, 500}, {600, 500}, 30, 1, {0, 0, 0, 0}},
        // Supports at x = 50 and 350; the band ray at x = 200 passes through the apex, which
        // counts as no crossing, and crosses the base only: no half band.
        {"band ray through a corner", triangle, {60, 100}, {300, 100}, 150, 1, {0, 0, 0, 0}},
        {"no design data", square, {-50, 0}, {50, 0}, 30, 0, {9, 9, 9, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Model m = SlabWithOutline(c.Outline);
        FloorSlab& s = m.FloorSlabs[0];
        SetDesignSegment(s, c.D1, c.D2, c.StartLength, 0);
        s.DiagramPointCount = c.DiagramPoints;
        SetBands(s, 9);  // values from before
        ComputeFloorSlabMeasures(m, 0);
        const float start[] = {s.StartBandX1, s.StartBandY1, s.StartBandX2, s.StartBandY2};
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(start[k], c.Start[k], Near) << k;
        EXPECT_EQ(s.EndBandX1, 9);  // no end band length: the end band is left alone
    }
}

TEST(BuildFloorSlabOutlines, ADegeneratePolygonGetsAnOutlineAlongItselfAndFiniteMeasures) {
    struct Case {
        const char* Name;
        std::vector<int32_t> Vertices;  // into the frame's grid nodes; -1: no node
        int32_t VertexCount;            // -2: as many as the vertices
        std::vector<PlanPoint> Outline;
    };
    const Case cases[] = {
        {"two distinct vertices", {0, 1, 0}, -2, {{0, 0}, {500, 0}, {0, 0}}},
        {"one vertex", {4}, -2, {{500, 400}}},
        {"no vertex", {}, -2, {}},
        {"repeated vertex", {0, 1, 1, 4, 3}, -2, {{15, 15}, {485, 15}, {485, 385}, {15, 385}}},
        {"repeated first vertex", {0, 1, 4, 3, 0}, -2, {{485, 15}, {485, 385}, {15, 385}, {15, 15}}},
        {"count beyond the list", {0, 1, 4, 3}, 40, {{15, 15}, {485, 15}, {485, 385}, {15, 385}}},
        {"vertex without a node", {0, 1, -1, 3}, -2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TwoBayFrame f;
        std::vector<int32_t> nodes;
        for (int32_t v : c.Vertices) nodes.push_back(v < 0 ? 99 : f.N[v]);
        FloorSlab slab;
        slab.VertexCount = c.VertexCount == -2 ? static_cast<int32_t>(nodes.size()) : c.VertexCount;
        SetDesignSegment(slab, {100, 200}, {400, 200}, 50, 80);
        f.D.M.FloorSlabs.push_back(slab);
        f.D.M.FloorSlabModelPolygon.push_back(nodes);  // not closed, no spares
        f.D.M.FloorSlabOutline.push_back({});           // no room for the outline
        f.D.M.FloorSlabOutlineCount.push_back(0);
        f.D.M.FloorSlabCount = 1;
        f.D.Derive();

        BuildFloorSlabOutlines(f.D.M, 0);
        ExpectPoints(FloorOutline(f.D.M, 0), c.Outline);
        const FloorSlab& s = f.D.M.FloorSlabs[0];
        for (float v : {s.Area, s.CentroidX, s.CentroidY, s.RefPoint2X, s.RefPoint2Y, s.RefPoint3X, s.RefPoint3Y,
                        s.StartBandX1, s.StartBandY1, s.StartBandX2, s.StartBandY2, s.EndBandX1, s.EndBandY1,
                        s.EndBandX2, s.EndBandY2})
            EXPECT_TRUE(std::isfinite(v));
    }
}

}  // namespace

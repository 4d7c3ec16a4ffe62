#include "plangeom/MasonryOutlines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace {

// A masonry deck built in code: nodes, walls and beams given by their axes and thicknesses.
struct MasonryDeck {
    Model M;

    int32_t Node(float x, float y) {
        M.Nodes.push_back({M.NodeCount + 1, x, y, -1});
        return M.NodeCount++;
    }
    int32_t Wall(int32_t nodeI, int32_t nodeJ, float thickness) {
        M.MasonryWalls.push_back(Element(nodeI, nodeJ, thickness));
        return M.MasonryWallCount++;
    }
    int32_t Beam(int32_t nodeI, int32_t nodeJ, float thickness) {
        M.MasonryBeams.push_back(Element(nodeI, nodeJ, thickness));
        return M.MasonryBeamCount++;
    }
    void Build() {
        M.PlanNodeCount = 0;
        BuildMasonryWallOutlines(M);
        BuildMasonryBeamOutlines(M);
    }
    const MasonryElement& W(int32_t w) const { return M.MasonryWalls.at(w); }
    PlanPoint P(int32_t planNode) const { return M.PlanNodes.at(planNode); }

    static MasonryElement Element(int32_t nodeI, int32_t nodeJ, float thickness) {
        MasonryElement e;
        e.NodeI = nodeI;
        e.NodeJ = nodeJ;
        e.Thickness = thickness;
        e.BorderA1 = e.BorderA2 = e.BorderB1 = e.BorderB2 = -7;  // anything the builder must overwrite
        return e;
    }
};

#define EXPECT_POINT(actual, x, y)                                    \
    do {                                                              \
        const PlanPoint p_ = (actual);                                \
        EXPECT_NEAR(p_.X, (x), 1e-3) << #actual;                      \
        EXPECT_NEAR(p_.Y, (y), 1e-3) << #actual;                      \
    } while (0)

// Signed distance of p from the element's axis, positive on its left (looking from NodeI to NodeJ).
double OffsetFromAxis(const Model& m, const MasonryElement& e, PlanPoint p) {
    const Node& i = m.Nodes[e.NodeI];
    const Node& j = m.Nodes[e.NodeJ];
    const double dx = j.X - i.X, dy = j.Y - i.Y, length = std::hypot(dx, dy);
    return (dx * (p.Y - i.Y) - dy * (p.X - i.X)) / length;
}

// Every corner lies on its face: the left ones half a thickness to the left of the axis, the
// right ones half a thickness to the right.
void ExpectCornersOnTheirFaces(const MasonryDeck& d, int32_t w) {
    const MasonryElement& e = d.W(w);
    const double h = e.Thickness / 2;
    EXPECT_NEAR(OffsetFromAxis(d.M, e, d.P(e.BorderA2)), h, 1e-3) << "wall " << w << " A2";
    EXPECT_NEAR(OffsetFromAxis(d.M, e, d.P(e.BorderB2)), h, 1e-3) << "wall " << w << " B2";
    EXPECT_NEAR(OffsetFromAxis(d.M, e, d.P(e.BorderA1)), -h, 1e-3) << "wall " << w << " A1";
    EXPECT_NEAR(OffsetFromAxis(d.M, e, d.P(e.BorderB1)), -h, 1e-3) << "wall " << w << " B1";
}

TEST(MasonryWallOutlines, AnIsolatedWallHasTwoSquareEnds) {
    MasonryDeck d;
    d.Wall(d.Node(0, 0), d.Node(300, 400), 30);
    d.Build();
    const MasonryElement& w = d.W(0);
    EXPECT_EQ(w.BorderAFlag, -1);
    EXPECT_EQ(w.BorderBFlag, -1);
    EXPECT_EQ(d.M.PlanNodeCount, 4);
    // Requested in the order A2, A1, B2, B1.
    EXPECT_EQ(w.BorderA2, 0);
    EXPECT_EQ(w.BorderA1, 1);
    EXPECT_EQ(w.BorderB2, 2);
    EXPECT_EQ(w.BorderB1, 3);
    EXPECT_POINT(d.P(w.BorderA2), -12, 9);
    EXPECT_POINT(d.P(w.BorderA1), 12, -9);
    EXPECT_POINT(d.P(w.BorderB2), 288, 409);
    EXPECT_POINT(d.P(w.BorderB1), 312, 391);
}

TEST(MasonryWallOutlines, LJointOfUnequalWalls) {
    MasonryDeck d;
    const int32_t corner = d.Node(0, 0);
    d.Wall(corner, d.Node(100, 0), 30);
    d.Wall(corner, d.Node(0, -100), 20);
    d.Build();
    const MasonryElement& w1 = d.W(0);
    const MasonryElement& w2 = d.W(1);
    EXPECT_POINT(d.P(w1.BorderA2), -10, 15);
    EXPECT_POINT(d.P(w1.BorderA1), 10, -15);
    // Its three points turn counter-clockwise, so the second wall's corners come exchanged.
    EXPECT_POINT(d.P(w2.BorderA1), -10, 15);
    EXPECT_POINT(d.P(w2.BorderA2), 10, -15);
    EXPECT_EQ(w2.BorderA1, w1.BorderA2);
    EXPECT_EQ(w2.BorderA2, w1.BorderA1);
    EXPECT_EQ(w1.BorderAFlag, 0);
    EXPECT_EQ(w2.BorderAFlag, 0);
    EXPECT_EQ(w1.BorderBFlag, -1);
    EXPECT_EQ(w2.BorderBFlag, -1);
    EXPECT_EQ(d.M.PlanNodeCount, 6);
}

TEST(MasonryWallOutlines, LJointsOfAnyTurnKeepEveryCornerOnItsSide) {
    struct Arms {
        float Angle1, Angle2;  // degrees of the two arms away from the shared node
    };
    const Arms arms[] = {{0, 270}, {0, 90}, {90, 180}, {45, 160}, {200, 330}, {10, 40}};
    const float thicknesses[][2] = {{30, 20}, {30, 30}};
    for (const Arms& a : arms) {
        for (const auto& t : thicknesses) {
            for (int order = 0; order < 4; ++order) {  // which wall has its NodeI at the shared node
                MasonryDeck d;
                const int32_t shared = d.Node(50, 50);
                const auto far = [&](float degrees) {
                    const double r = degrees * std::acos(-1.0) / 180;
                    return d.Node(static_cast<float>(50 + 200 * std::cos(r)),
                                  static_cast<float>(50 + 200 * std::sin(r)));
                };
                const int32_t f1 = far(a.Angle1), f2 = far(a.Angle2);
                (order & 1) ? d.Wall(f1, shared, t[0]) : d.Wall(shared, f1, t[0]);
                (order & 2) ? d.Wall(f2, shared, t[1]) : d.Wall(shared, f2, t[1]);
                d.Build();
                SCOPED_TRACE(std::to_string(a.Angle1) + "/" + std::to_string(a.Angle2) + " order " +
                             std::to_string(order) + " t " + std::to_string(t[1]));
                ExpectCornersOnTheirFaces(d, 0);
                ExpectCornersOnTheirFaces(d, 1);
                // Both walls refer to the same two plan points at the joint, left open.
                const auto jointCorners = [&](int32_t w, bool atNodeI) {
                    const MasonryElement& e = d.W(w);
                    EXPECT_EQ(atNodeI ? e.BorderAFlag : e.BorderBFlag, 0);
                    return atNodeI ? std::set<int32_t>{e.BorderA1, e.BorderA2}
                                   : std::set<int32_t>{e.BorderB1, e.BorderB2};
                };
                EXPECT_EQ(jointCorners(0, !(order & 1)), jointCorners(1, !(order & 2)));
                EXPECT_EQ(d.M.PlanNodeCount, 6);
            }
        }
    }
}

TEST(MasonryWallOutlines, StraightContinuationIsSquareAndSharesCornersOnlyAtEqualThickness) {
    for (const float second : {30.0f, 20.0f}) {
        MasonryDeck d;
        const int32_t mid = d.Node(100, 0);
        d.Wall(d.Node(0, 0), mid, 30);
        d.Wall(mid, d.Node(200, 0), second);
        d.Build();
        const MasonryElement& a = d.W(0);
        const MasonryElement& b = d.W(1);
        EXPECT_EQ(a.BorderBFlag, -1);
        EXPECT_EQ(b.BorderAFlag, -1);
        EXPECT_POINT(d.P(a.BorderB2), 100, 15);
        EXPECT_POINT(d.P(a.BorderB1), 100, -15);
        EXPECT_POINT(d.P(b.BorderA2), 100, second / 2);
        EXPECT_POINT(d.P(b.BorderA1), 100, -second / 2);
        EXPECT_EQ(a.BorderB2 == b.BorderA2 && a.BorderB1 == b.BorderA1, second == 30.0f);
        EXPECT_EQ(d.M.PlanNodeCount, second == 30.0f ? 6 : 8);
    }
}

TEST(MasonryWallOutlines, ASlightKinkIsAStraightJointNotAFarMitre) {
    // The faces of walls 30 and 20 thick that turn by 0.06 degrees would meet some 50 m away.
    for (const float kink : {0.5f, -0.5f}) {
        MasonryDeck d;
        const int32_t mid = d.Node(500, 0);
        d.Wall(d.Node(0, 0), mid, 30);
        d.Wall(mid, d.Node(1000, kink), 20);
        d.Build();
        EXPECT_EQ(d.W(0).BorderBFlag, -1);
        EXPECT_EQ(d.W(1).BorderAFlag, -1);
        EXPECT_POINT(d.P(d.W(0).BorderB2), 500, 15);
        EXPECT_POINT(d.P(d.W(0).BorderB1), 500, -15);
        EXPECT_NEAR(d.P(d.W(1).BorderA2).X, 500, 0.02);
        EXPECT_NEAR(d.P(d.W(1).BorderA1).X, 500, 0.02);
        ExpectCornersOnTheirFaces(d, 1);
    }
    // A turn of a degree is a joint.
    MasonryDeck d;
    const int32_t mid = d.Node(500, 0);
    d.Wall(d.Node(0, 0), mid, 30);
    d.Wall(mid, d.Node(1000, 8.73f), 30);
    d.Build();
    EXPECT_EQ(d.W(0).BorderBFlag, 0);
    EXPECT_EQ(d.W(0).BorderB1, d.W(1).BorderA1);
    EXPECT_NEAR(d.P(d.W(0).BorderB1).X, 500, 1);
}

TEST(MasonryWallOutlines, TeeJointIsCutAlongTheAbuttedWallsFaceOnItsSide) {
    struct Case {
        float FarY;          // the abutting wall runs from (100, 0) up or down to (100, FarY)
        bool AbuttedLeftward;  // the abutted wall is given from (200, 0) to (0, 0)
        bool EndAtNodeJ;       // the abutting wall is given towards the abutted one
        float FaceY;
    };
    const Case cases[] = {
        {100, false, false, 15}, {-100, false, false, -15}, {100, true, false, 15},
        {-100, true, false, -15}, {100, false, true, 15},   {-100, true, true, -15},
    };
    for (const Case& c : cases) {
        MasonryDeck d;
        const int32_t left = d.Node(0, 0), right = d.Node(200, 0);
        c.AbuttedLeftward ? d.Wall(right, left, 30) : d.Wall(left, right, 30);
        const int32_t foot = d.Node(100, 0), top = d.Node(100, c.FarY);
        c.EndAtNodeJ ? d.Wall(top, foot, 20) : d.Wall(foot, top, 20);
        d.Build();
        SCOPED_TRACE(testing::Message() << c.FarY << " " << c.AbuttedLeftward << " " << c.EndAtNodeJ);
        const MasonryElement& w = d.W(1);
        EXPECT_EQ(c.EndAtNodeJ ? w.BorderBFlag : w.BorderAFlag, 0);
        EXPECT_EQ(c.EndAtNodeJ ? w.BorderAFlag : w.BorderBFlag, -1);
        const int32_t x1 = c.EndAtNodeJ ? w.BorderB1 : w.BorderA1;
        const int32_t x2 = c.EndAtNodeJ ? w.BorderB2 : w.BorderA2;
        EXPECT_NEAR(d.P(x1).Y, c.FaceY, 1e-4);
        EXPECT_NEAR(d.P(x2).Y, c.FaceY, 1e-4);
        ExpectCornersOnTheirFaces(d, 1);
        // The abutted wall itself is untouched by the joint: two square ends.
        EXPECT_EQ(d.W(0).BorderAFlag, -1);
        EXPECT_EQ(d.W(0).BorderBFlag, -1);
    }
    // The two examples in figures.
    MasonryDeck d;
    d.Wall(d.Node(0, 0), d.Node(200, 0), 30);
    d.Wall(d.Node(100, 0), d.Node(100, 100), 20);
    d.Wall(d.Node(100, 0), d.Node(100, -100), 20);
    d.Build();
    EXPECT_POINT(d.P(d.W(1).BorderA2), 90, 15);
    EXPECT_POINT(d.P(d.W(1).BorderA1), 110, 15);
    EXPECT_POINT(d.P(d.W(2).BorderA2), 110, -15);
    EXPECT_POINT(d.P(d.W(2).BorderA1), 90, -15);
}

TEST(MasonryWallOutlines, TheFirstAbuttedWallInTableOrderWins) {
    MasonryDeck d;
    d.Wall(d.Node(50, 0), d.Node(150, 0), 40);  // both axes run through (100, 0)
    d.Wall(d.Node(0, 0), d.Node(200, 0), 30);
    d.Wall(d.Node(100, 0.005f), d.Node(100, 100), 20);  // within 0.01 of them
    d.Build();
    EXPECT_EQ(d.W(2).BorderAFlag, 0);
    EXPECT_POINT(d.P(d.W(2).BorderA2), 90, 20);
    EXPECT_POINT(d.P(d.W(2).BorderA1), 110, 20);
}

TEST(MasonryWallOutlines, EndsSharedByManyWallsOrOnlyByOtherMembersAreSquare) {
    {  // three walls end at one node
        MasonryDeck d;
        const int32_t centre = d.Node(0, 0);
        d.Wall(centre, d.Node(100, 0), 30);
        d.Wall(d.Node(0, 100), centre, 30);
        d.Wall(centre, d.Node(-70, -70), 20);
        d.Build();
        EXPECT_EQ(d.W(0).BorderAFlag, -1);
        EXPECT_EQ(d.W(1).BorderBFlag, -1);
        EXPECT_EQ(d.W(2).BorderAFlag, -1);
        for (int32_t w = 0; w < 3; ++w) ExpectCornersOnTheirFaces(d, w);
    }
    {  // two walls on the same two nodes
        MasonryDeck d;
        const int32_t a = d.Node(0, 0), b = d.Node(100, 50);
        d.Wall(a, b, 30);
        d.Wall(b, a, 20);
        d.Build();
        for (int32_t w = 0; w < 2; ++w) {
            EXPECT_EQ(d.W(w).BorderAFlag, -1);
            EXPECT_EQ(d.W(w).BorderBFlag, -1);
            ExpectCornersOnTheirFaces(d, w);
        }
    }
    {  // a node that only a beam shares with the wall
        MasonryDeck d;
        const int32_t corner = d.Node(0, 0);
        d.Wall(corner, d.Node(100, 0), 30);
        d.Beam(corner, d.Node(0, 100), 30);
        d.Build();
        EXPECT_EQ(d.W(0).BorderAFlag, -1);
        EXPECT_POINT(d.P(d.W(0).BorderA2), 0, 15);
    }
}

TEST(MasonryWallOutlines, AWallLyingAlongTheWallItAbutsGetsASquareEnd) {
    MasonryDeck d;
    d.Wall(d.Node(0, 0), d.Node(200, 0), 30);
    d.Wall(d.Node(100, 0), d.Node(300, 0), 20);  // each ends on the other's axis
    d.Build();
    EXPECT_EQ(d.W(1).BorderAFlag, -1);
    EXPECT_POINT(d.P(d.W(1).BorderA2), 100, 10);
    EXPECT_POINT(d.P(d.W(1).BorderA1), 100, -10);
    EXPECT_EQ(d.W(0).BorderBFlag, -1);
    EXPECT_POINT(d.P(d.W(0).BorderB2), 200, 15);
}

TEST(MasonryBeamOutlines, BeamEndsAreSquareAndShareCornersWithWalls) {
    MasonryDeck d;
    const int32_t a = d.Node(0, 0), b = d.Node(100, 0);
    d.Wall(a, b, 30);
    d.Beam(b, d.Node(200, 0), 30);  // its NodeI corners fall on the wall's
    d.Beam(d.Node(300, 0), d.Node(300, 100), 20);
    d.M.MasonryBeams[0].BorderAFlag = 5;  // a beam's flags are left alone
    d.Build();
    const MasonryElement& beam = d.M.MasonryBeams[0];
    EXPECT_EQ(beam.BorderA2, d.W(0).BorderB2);
    EXPECT_EQ(beam.BorderA1, d.W(0).BorderB1);
    EXPECT_EQ(beam.BorderAFlag, 5);
    EXPECT_POINT(d.P(beam.BorderB2), 200, 15);
    EXPECT_POINT(d.P(beam.BorderB1), 200, -15);
    // A beam alone requests its points as A2, B2, A1, B1.
    const MasonryElement& lone = d.M.MasonryBeams[1];
    EXPECT_EQ(lone.BorderA2, 6);
    EXPECT_EQ(lone.BorderB2, 7);
    EXPECT_EQ(lone.BorderA1, 8);
    EXPECT_EQ(lone.BorderB1, 9);
    EXPECT_POINT(d.P(lone.BorderA2), 290, 0);
    EXPECT_POINT(d.P(lone.BorderB1), 310, 100);
}

TEST(MasonryOutlines, DegenerateElementsStillGetValidCorners) {
    MasonryDeck d;
    const int32_t a = d.Node(0, 0), b = d.Node(100, 0);
    d.Wall(a, b, 0);                                         // no thickness
    d.Wall(b, b, 30);                                        // both nodes equal
    d.Wall(d.Node(500, 0), d.Node(600, 0), std::numeric_limits<float>::quiet_NaN());
    d.Wall(-1, 99, 30);                                      // nodes outside the table
    d.Wall(d.Node(0, 300), d.Node(0, 300), 20);              // a point on its own
    d.Beam(a, a, 20);
    d.Beam(42, b, -10);
    d.M.MasonryWalls.push_back({});  // a spare beyond the count
    d.M.MasonryBeamCount = 5;        // a count beyond the table
    d.Build();
    EXPECT_EQ(d.W(0).BorderA1, d.W(0).BorderA2);
    EXPECT_EQ(d.W(0).BorderB1, d.W(0).BorderB2);
    EXPECT_EQ(d.W(2).BorderA1, d.W(2).BorderA2);  // an unreadable thickness counts as none
    const auto valid = [&](int32_t index) { return index >= 0 && index < d.M.PlanNodeCount; };
    for (const auto* table : {&d.M.MasonryWalls, &d.M.MasonryBeams}) {
        const int32_t count = table == &d.M.MasonryWalls ? d.M.MasonryWallCount : 2;
        for (int32_t e = 0; e < count; ++e) {
            const MasonryElement& m = (*table)[e];
            EXPECT_TRUE(valid(m.BorderA1) && valid(m.BorderA2) && valid(m.BorderB1) && valid(m.BorderB2)) << e;
        }
    }
    for (int32_t p = 0; p < d.M.PlanNodeCount; ++p) {
        EXPECT_TRUE(std::isfinite(d.P(p).X) && std::isfinite(d.P(p).Y)) << p;
    }
    EXPECT_EQ(d.M.MasonryWalls.back(), MasonryElement{});
}

}  // namespace

#include "model/geometry/SegmentIntersection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Seg {
    float x1, y1, x2, y2;
};

std::string Describe(const Seg& a, const Seg& b) {
    return "(" + std::to_string(a.x1) + "," + std::to_string(a.y1) + ")-(" + std::to_string(a.x2) + "," +
           std::to_string(a.y2) + ") x (" + std::to_string(b.x1) + "," + std::to_string(b.y1) + ")-(" +
           std::to_string(b.x2) + "," + std::to_string(b.y2) + ")";
}

constexpr float Untouched = -99;

}  // namespace

TEST(IntersectSegments, GivesEveryResultCodeWithItsPoint) {
    using namespace IntersectionCode;
    struct Case {
        Seg s1, s2;
        int32_t code;
        float ix, iy, jx = -1, jy = -1;
    };
    const Seg base{0, 0, 10, 0};
    const Case cases[] = {
        {base, {5, -5, 5, 5}, SegmentsCross, 5, 0},
        {base, {0, 0, 0, 10}, SegmentsCross, 0, 0},      // P1 = P3
        {base, {10, 5, 0, 0}, SegmentsCross, 0, 0},      // P1 = P4
        {base, {5, 5, 10, 0}, SegmentsCross, 10, 0},     // P2 = P4
        {base, {10, 0, 12, 9}, SegmentsCross, 10, 0},    // P2 = P3
        // Shared ends are matched within 0.01 across x and 0.1 across y, and P1 itself is returned.
        {base, {0.005f, 0.09f, 0.005f, 10}, SegmentsCross, 0, 0},
        {base, {0.005f, 0.11f, 0.005f, 10}, MeetAtP1, 0.005f, 0},
        {base, {0.05f, 0, 0.05f, 10}, MeetAtP3, 0.05f, 0},
        // Codes 3 to 6 say where the lines meet, whether or not the other segment reaches it.
        {base, {0, 5, 0, 100}, MeetAtP1, 0, 0},
        {base, {10, 5, 10, 100}, MeetAtP2, 10, 0},
        {base, {5, 0, 5, 10}, MeetAtP3, 5, 0},
        {base, {5, 10, 5, 0}, MeetAtP4, 5, 0},
        {base, {20, -5, 20, 5}, LinesMeetOutside, 20, 0},
        {base, {15, 0.05f, 25, 0.25f}, LinesMeetOutside, 12.5f, 0},  // 1.15 degrees apart
        {base, {0, 1, 10, 1}, ParallelDistinct, Untouched, Untouched},
        {base, {5, 0, 20, 0}, CollinearOverlapping, Untouched, Untouched},
        {base, {10, 0, 20, 0}, CollinearOverlapping, Untouched, Untouched},  // ends included
        {base, {11, 0, 20, 0}, CollinearDisjoint, 0, 0},
        {{0, 0, 0, 10}, {0, 5, 0, 20}, CollinearOverlapping, Untouched, Untouched},  // projected on y
        {{0, 0, 0, 10}, {0, 11, 0, 20}, CollinearDisjoint, 0, 0},
        // Within half a degree of parallel: the closest ends, their midpoint when less than 2 apart.
        {base, {10.5f, 0.05f, 20.5f, 0.1f}, NearlyParallel, 10.25f, 0.025f},
        {base, {15, 0.05f, 25, 0.1f}, NearlyParallel, 10, 0, 15, 0.05f},
        {base, {25, 0.1f, 15, 0.05f}, NearlyParallel, 10, 0, 15, 0.05f},  // running the other way
    };
    for (const Case& c : cases) {
        float ix = Untouched, iy = Untouched, jx = 7, jy = 7;
        const int32_t code =
            IntersectSegments(c.s1.x1, c.s1.y1, c.s1.x2, c.s1.y2, c.s2.x1, c.s2.y1, c.s2.x2, c.s2.y2, ix, iy, jx, jy);
        const std::string what = Describe(c.s1, c.s2);
        EXPECT_EQ(code, c.code) << what;
        EXPECT_NEAR(ix, c.ix, 1e-4) << what;
        EXPECT_NEAR(iy, c.iy, 1e-4) << what;
        EXPECT_FLOAT_EQ(jx, c.jx) << what;
        EXPECT_FLOAT_EQ(jy, c.jy) << what;
    }
}

TEST(AreSegmentsCrossing, CountsTouchingAndCollinearOverlapAsCrossing) {
    struct Case {
        Seg s1, s2;
        bool expected;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {0, 10, 10, 0}, true},  {{0, 0, 10, 0}, {10, 0, 10, 5}, true},
        {{0, 0, 10, 0}, {5, 0, 5, 5}, true},     {{0, 0, 10, 0}, {5, 0, 15, 0}, true},
        {{0, 0, 10, 0}, {11, 0, 15, 0}, false},  {{0, 0, 10, 0}, {0, 1, 10, 1}, false},
        {{0, 0, 10, 0}, {20, -5, 20, 5}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AreSegmentsCrossing(c.s1.x1, c.s1.y1, c.s1.x2, c.s1.y2, c.s2.x1, c.s2.y1, c.s2.x2, c.s2.y2),
                  c.expected)
            << Describe(c.s1, c.s2);
}

TEST(IsPointInPolygon, DecidesByParityWithAnAllowanceForEdgesAndVertices) {
    const std::vector<PlanPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<PlanPoint> diamond{{0, 5}, {5, 0}, {10, 5}, {5, 10}};
    const std::vector<PlanPoint> leftArrow{{0, 5}, {10, 0}, {10, 10}};
    // A square with a wedge cut in from the left to its centre, and a step whose ledge lies on
    // the polygon's mid-height: rays from points at mid-height run through their vertices.
    const std::vector<PlanPoint> wedge{{0, 0}, {20, 0}, {20, 10}, {0, 10}, {10, 5}};
    const std::vector<PlanPoint> step{{0, 0}, {20, 0}, {20, 20}, {10, 20}, {10, 10}, {0, 10}};
    // A notch whose lowest vertex lies at mid-height: the ray only touches it.
    const std::vector<PlanPoint> notch{{0, 0}, {30, 0}, {30, 20}, {20, 20}, {10, 10}, {0, 20}};
    struct Case {
        const char* what;
        const std::vector<PlanPoint>* polygon;
        float px, py;
        bool edgeCounts, expected;
    };
    const Case cases[] = {
        {"square centre", &square, 5, 5, false, true},
        {"right of the box", &square, 10.5f, 5, true, false},
        {"near a corner, outside the box", &square, 10.2f, 10.2f, true, false},
        {"on the bottom edge", &square, 5, 0, false, false},
        {"on the bottom edge, edges count", &square, 5, 0, true, true},
        {"on a corner, edges count", &square, 10, 10, true, true},
        {"diamond centre", &diamond, 5, 5, false, true},
        {"diamond, near its right vertex", &diamond, 9, 5, false, true},
        {"diamond, outside a side in the box", &diamond, 1, 1, false, false},
        {"arrow, on the line of its tip", &leftArrow, 5, 5, false, true},
        {"wedge, right of its tip", &wedge, 15, 5, false, true},
        {"wedge, inside the cut", &wedge, 5, 5, false, false},
        {"step, on the line of its ledge", &step, 15, 10, false, true},
        {"notch, below its vertex", &notch, 25, 10, false, true},
        {"notch, inside the cut", &notch, 10, 15, false, false},
    };
    for (const Case& c : cases) {
        std::vector<PlanPoint> pts = *c.polygon;
        const auto n = static_cast<int32_t>(pts.size());
        EXPECT_EQ(IsPointInPolygon(c.px, c.py, pts, n, c.edgeCounts), c.expected) << c.what;
    }
}

TEST(IsPointInPolygon, ClosesTheRingInTheCallersListAndRefusesABadCount) {
    std::vector<PlanPoint> pts{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {77, 77}};
    EXPECT_TRUE(IsPointInPolygon(5, 5, pts, 4, false));
    EXPECT_EQ(pts[4], pts[0]);
    EXPECT_EQ(pts.size(), 5u);

    std::vector<PlanPoint> open{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(IsPointInPolygon(5, 5, open, 4, false));
    ASSERT_EQ(open.size(), 5u);
    EXPECT_EQ(open[4], open[0]);

    std::vector<PlanPoint> few{{0, 0}, {10, 0}};
    EXPECT_FALSE(IsPointInPolygon(5, 0, few, 7, true));
    EXPECT_FALSE(IsPointInPolygon(0, 0, few, 0, true));
    EXPECT_EQ(few.size(), 2u);
}

TEST(ComputeSegmentOverlap, GivesTheCommonPartAndNoneForSegmentsThatOnlyTouch) {
    using namespace SegmentOverlapFlag;
    struct Case {
        PlanPoint a, b, c, d;
        int32_t flag;
        PlanPoint r1, r2;
    };
    const PlanPoint a{0, 0}, b{10, 0};
    const PlanPoint untouched{-99, -99};
    const Case cases[] = {
        {a, b, {2, 0}, {5, 0}, Overlap, {2, 0}, {5, 0}},
        {a, b, {5, 0}, {20, 0}, Overlap, {5, 0}, {10, 0}},
        {a, b, {20, 0}, {5, 0}, Overlap, {5, 0}, {10, 0}},
        {a, b, {-5, 0}, {20, 0}, Overlap, {0, 0}, {10, 0}},
        {a, b, {10, 0}, {-5, 0}, Overlap, {10, 0}, {0, 0}},  // from B back over the whole of AB
        {a, b, {0, 0}, {20, 0}, Overlap, {0, 0}, {10, 0}},
        {a, b, {-5, 0}, {4, 0}, Overlap, {0, 0}, {4, 0}},
        // A segment from A along AB: its end at A lies on AB.
        {a, b, {0, 0}, {5, 0}, Overlap, {0, 0}, {5, 0}},
        {a, b, {5, 0}, {0, 0}, Overlap, {5, 0}, {0, 0}},
        {{0, 0}, {30, 10}, {0, 0}, {15, 5}, Overlap, {0, 0}, {15, 5}},
        {a, b, {12, 0}, {20, 0}, Apart, untouched, untouched},
        {a, b, {0, 1}, {10, 1}, NotCollinear, untouched, untouched},
        // Segments that only touch AB at one end and point away share no length with it.
        {a, b, {10, 0}, {20, 0}, Apart, untouched, untouched},
        {a, b, {20, 0}, {10, 0}, Apart, untouched, untouched},
        {a, b, {-10, 0}, {0, 0}, Apart, untouched, untouched},
        {a, b, {0, 0}, {-10, 0}, Apart, untouched, untouched},
        {a, b, {5, 0}, {5, 0}, Apart, untouched, untouched},  // a point
        {{0, 0}, {30, 10}, {15, 5}, {60, 20}, Overlap, {15, 5}, {30, 10}},
        {{12.7f, 33.1f}, {45.3f, 78.9f}, {29, 56}, {77.9f, 124.7f}, Overlap, {29, 56}, {45.3f, 78.9f}},
    };
    for (const Case& c : cases) {
        PlanPoint r1 = untouched, r2 = untouched;
        EXPECT_EQ(ComputeSegmentOverlap(c.a, c.b, c.c, c.d, r1, r2), c.flag)
            << "C " << c.c.X << "," << c.c.Y << " D " << c.d.X << "," << c.d.Y;
        EXPECT_EQ(r1, c.r1) << "C " << c.c.X << "," << c.c.Y << " D " << c.d.X << "," << c.d.Y;
        EXPECT_EQ(r2, c.r2) << "C " << c.c.X << "," << c.c.Y << " D " << c.d.X << "," << c.d.Y;
    }
}

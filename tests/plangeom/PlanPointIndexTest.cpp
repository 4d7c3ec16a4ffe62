// The lookups that keep the completion of a large deck in linear time must answer exactly as the
// scans they stand for.
#include "plangeom/PlanPointIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "plangeom/PlanPoints.h"
#include "plangeom/SegmentGrid.h"

namespace {

// Points in clusters around a few places, within and just beyond the tolerance of one another (or
// of the reach of a search near a saved point), around coordinates of two decimals and on the
// edges of the index's cells (0.04 wide, 0.012 below the multiples of 0.04), and a few that are
// no place at all.
std::vector<PlanPoint> ClusteredPoints(uint32_t seed, int count, float spread = 0.0003f) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> place(0, 40), kind(0, 19);
    std::uniform_real_distribution<float> jitter(-spread, spread);
    const float infinity = std::numeric_limits<float>::infinity();
    std::vector<PlanPoint> points;
    for (int k = 0; k < count; ++k) {
        switch (kind(random)) {
        case 0: points.push_back({std::nanf(""), 1}); break;
        case 1: points.push_back({infinity, -infinity}); break;
        case 2: points.push_back({3e30f, -3e30f}); break;
        default: {
            const int k = place(random);
            const float base = (k % 2 == 0 ? 0.01f * static_cast<float>(k) : 0.04f * static_cast<float>(k) - 0.012f) - 0.4f;
            points.push_back({base + jitter(random), 500.0f - base + jitter(random)});
        }
        }
    }
    return points;
}

TEST(PlanPointIndex, FindsAndAddsAsTheScanDoes) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Model indexed, scanned;
        // A saved deck leaves a spare after its points; a count beyond the table is not trusted.
        indexed.PlanNodes = scanned.PlanNodes = {{0.1f, 500.0f}, {0.1f, 500.0f}, {0, 0}};
        indexed.PlanNodeCount = scanned.PlanNodeCount = seed % 2 == 0 ? 2 : 9;
        PlanPointIndex index(indexed);
        for (const PlanPoint& p : ClusteredPoints(seed, 400)) {
            ASSERT_EQ(index.Find(p.X, p.Y), FindPlanNode(scanned, p.X, p.Y));
            ASSERT_EQ(index.FindOrAdd(p.X, p.Y), FindOrAddPlanNode(scanned, p.X, p.Y));
        }
        EXPECT_EQ(indexed.PlanNodeCount, scanned.PlanNodeCount);
        EXPECT_EQ(indexed.PlanNodes.size(), scanned.PlanNodes.size());
        for (size_t k = 0; k < indexed.PlanNodes.size(); ++k) {
            const PlanPoint a = indexed.PlanNodes[k], b = scanned.PlanNodes[k];
            ASSERT_TRUE((a.X == b.X || (std::isnan(a.X) && std::isnan(b.X))) && a.Y == b.Y) << k;
        }
    }
}

TEST(PlanPointIndex, FindsNearSavedPointsAsTheScanDoes) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Model indexed;
        std::vector<PlanPoint> scanned;
        for (const PlanPoint& p : ClusteredPoints(seed + 100, 200, 0.03f)) indexed.PlanNodes.push_back(p);
        indexed.PlanNodeCount = static_cast<int32_t>(indexed.PlanNodes.size());
        scanned = indexed.PlanNodes;
        PlanPointIndex index(indexed);
        for (const PlanPoint& p : ClusteredPoints(seed + 200, 300, 0.03f)) {
            int32_t expected = -1;
            for (size_t j = 0; j < scanned.size() && expected < 0; ++j)
                if (NearSavedPosition(scanned[j], p.X, p.Y)) expected = static_cast<int32_t>(j);
            if (expected < 0) {
                expected = static_cast<int32_t>(scanned.size());
                scanned.push_back(p);
            }
            ASSERT_EQ(index.FindOrAddNearSavedPoint(p.X, p.Y), expected) << p.X << ", " << p.Y;
        }
        EXPECT_EQ(indexed.PlanNodeCount, static_cast<int32_t>(scanned.size()));
    }
}

TEST(PlanPointIndex, ACornerFindsThePointSavedNearIt) {
    struct Case {
        PlanPoint Corner;
        int32_t Expected;  // -1: a new point
    };
    // Saved positions: point 0 at (100.00, 50.00), 1 at (100.01, 50.00), 2 at (120.46, 7.00),
    // 3 at (131072.10, 50.00).
    const Case cases[] = {
        {{100.0049f, 50.0f}, 0},     // the saved position of point 0 lies within 0.006
        {{100.0051f, 50.0f}, 0},     // point 0 still does, and comes first
        {{100.0065f, 50.0f}, 1},     // only point 1 does
        {{120.4612f, 7.0031f}, 2},   // the point itself, with its further decimals
        {{120.4542f, 7.0f}, 2},      // 120.46 - 120.4542 = 0.0058: still a rounding away
        {{120.4538f, 7.0f}, -1},     // 0.0062 off: a place of its own
        {{100.0f, 50.007f}, -1},
        // Beyond 131072 cm floats are 1/64 apart: 131072.09375 is saved as 131072.10, 0.00625 off.
        {{131072.09375f, 50.0f}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Corner.X << ", " << c.Corner.Y);
        Model m;
        m.PlanNodes = {{100.004f, 50.0f}, {100.006f, 49.999f}, {120.4612f, 7.0031f}, {131072.09375f, 50.0f}};
        m.PlanNodeCount = 4;
        PlanPointIndex index(m);
        EXPECT_EQ(index.FindOrAddNearSavedPoint(c.Corner.X, c.Corner.Y), c.Expected < 0 ? 4 : c.Expected);
        EXPECT_EQ(m.PlanNodeCount, c.Expected < 0 ? 5 : 4);
    }
}

TEST(SegmentGrid, FindsEverySegmentNearASearchInAscendingOrder) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> at(-100, 3000), length(-600, 600);
    std::vector<SegmentGrid::Segment> segments;
    for (int32_t k = 0; k < 500; ++k) {
        const PlanPoint a{at(random), at(random)};
        const bool longOne = k % 50 == 0;
        const PlanPoint b{a.X + (longOne ? 20 : 1) * length(random), a.Y + (k % 3 == 0 ? 0 : length(random))};
        segments.push_back({k, a, b});
    }
    const SegmentGrid grid(segments);
    std::vector<int32_t> found;
    for (int q = 0; q < 300; ++q) {
        const PlanPoint a{at(random), at(random)};
        const PlanPoint b = q % 4 == 0 ? a : PlanPoint{a.X + length(random), a.Y + length(random)};
        const double reach = q % 2 == 0 ? 0.02 : 11;
        grid.Near(a, b, reach, found);
        ASSERT_TRUE(std::is_sorted(found.begin(), found.end()));
        ASSERT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
        for (const SegmentGrid::Segment& s : segments) {
            const bool near = std::min(s.A.X, s.B.X) <= std::max(a.X, b.X) + reach &&
                              std::max(s.A.X, s.B.X) >= std::min(a.X, b.X) - reach &&
                              std::min(s.A.Y, s.B.Y) <= std::max(a.Y, b.Y) + reach &&
                              std::max(s.A.Y, s.B.Y) >= std::min(a.Y, b.Y) - reach;
            if (near) {
                ASSERT_TRUE(std::binary_search(found.begin(), found.end(), s.Index)) << q << " " << s.Index;
            }
        }
    }
    // A segment beyond the coordinates the grid files makes every search answer all.
    segments.push_back({500, {0, 0}, {std::numeric_limits<float>::infinity(), 0}});
    SegmentGrid wild(segments);
    wild.Near({0, 0}, {1, 1}, 0.02, found);
    EXPECT_EQ(found.size(), segments.size());
}

}  // namespace

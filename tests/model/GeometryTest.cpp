#include "model/geometry/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;

}  // namespace

TEST(Geometry, DistanceRoundsTheDifferencesToFloats) {
    EXPECT_FLOAT_EQ(GetDistance(0, 0, 3, 4), 5);
    EXPECT_FLOAT_EQ(GetDistance(3, 4, 0, 0), 5);
    // 1e8 + 1 is not a float: the difference of the float inputs is what is measured.
    EXPECT_FLOAT_EQ(GetDistance(1e8f, 0, 1e8f + 1.0f, 0), 0);
}

TEST(Geometry, PointAlongSegmentGoesBeyondEitherEndAndKeepsTheStartOfAShortSegment) {
    struct Case {
        float x1, y1, x2, y2, d, outX, outY;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 4, 4, 0},    {0, 0, 10, 0, 15, 15, 0},   {0, 0, 10, 0, -5, -5, 0},
        {0, 0, 0, 20, 5, 0, 5},    {10, 10, 13, 14, 10, 16, 18},
        {7, 3, 7.0005f, 3, 5, 7, 3},  // shorter than 0.001: the first end
    };
    for (const Case& c : cases) {
        float x = -99, y = -99;
        ComputePointAlongSegment(c.x1, c.y1, c.x2, c.y2, c.d, x, y);
        EXPECT_NEAR(x, c.outX, 1e-5) << c.x1 << "," << c.y1 << " d " << c.d;
        EXPECT_NEAR(y, c.outY, 1e-5) << c.x1 << "," << c.y1 << " d " << c.d;
    }
}

TEST(Geometry, OffsetSegmentCopiesToTheRightForSideZeroAndRefusesAPoint) {
    struct Case {
        float x1, y1, x2, y2, d;
        int16_t side;
        bool ok;
        float ox1, oy1, ox2, oy2;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 2, 0, true, 0, -2, 10, -2},
        {0, 0, 10, 0, 2, 1, true, 0, 2, 10, 2},
        {0, 0, 10, 0, 2, -3, true, 0, 2, 10, 2},  // any side but 0 is the left
        {0, 0, 0, 10, 2, 0, true, 2, 0, 2, 10},
        {0, 0, 3, 4, 5, 0, true, 4, -3, 7, 1},
        {5, 5, 5, 5, 2, 0, false, -1, -1, -1, -1},  // outputs untouched
    };
    for (const Case& c : cases) {
        float ox1 = -1, oy1 = -1, ox2 = -1, oy2 = -1;
        EXPECT_EQ(OffsetSegment(c.x1, c.y1, c.x2, c.y2, c.d, c.side, ox1, oy1, ox2, oy2), c.ok);
        EXPECT_NEAR(ox1, c.ox1, 1e-5);
        EXPECT_NEAR(oy1, c.oy1, 1e-5);
        EXPECT_NEAR(ox2, c.ox2, 1e-5);
        EXPECT_NEAR(oy2, c.oy2, 1e-5);
    }
}

TEST(Geometry, OffsetSegmentLeftMovesAlongTheLeftNormalWithExactAxisCases) {
    struct Case {
        float x1, y1, x2, y2, d, ox1, oy1, ox2, oy2;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 2, 0, 2, 10, 2},
        {10, 0, 0, 0, 2, 10, -2, 0, -2},
        {0, 0, 0, 10, 2, -2, 0, -2, 10},
        {0, 10, 0, 0, 2, 2, 10, 2, 0},
        {0, 0, 10, 10, std::sqrt(2.0f), -1, 1, 9, 11},
        {10, 10, 0, 0, std::sqrt(2.0f), 11, 9, 1, -1},
        {0, 0, -10, 10, std::sqrt(2.0f), -1, -1, -11, 9},
        {0, 0, 10, -10, std::sqrt(2.0f), 1, 1, 11, -9},
        {0, 0, 10, 0, -2, 0, -2, 10, -2},  // a negative distance moves it to the right
        {0, 0, 10, 0.00005f, 2, 0, 2, 10, 2.00005f},  // level within 0.0001
    };
    for (const Case& c : cases) {
        float ox1, oy1, ox2, oy2;
        OffsetSegmentLeft(c.x1, c.y1, c.x2, c.y2, c.d, ox1, oy1, ox2, oy2);
        EXPECT_NEAR(ox1, c.ox1, 1e-5) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_NEAR(oy1, c.oy1, 1e-5) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_NEAR(ox2, c.ox2, 1e-5) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_NEAR(oy2, c.oy2, 1e-5) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    }
}

TEST(Geometry, CcwOrdersCollinearPointsWithinItsTolerance) {
    struct Case {
        float x0, y0, x1, y1, x2, y2;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 0, 1, 0, 0, 1, 1},      {0, 0, 1, 0, 0, -1, -1},
        {0, 0, 1, 0, 2, 0, 1},      // beyond P1
        {0, 0, 2, 0, 1, 0, 0},      // between P0 and P1
        {0, 0, 2, 0, 2, 0, 0},      // on P1: ends included
        {0, 0, 1, 0, -1, 0, -1},    // P0 between
        {0, 0, 10, 0, 5, 0.000009f, 0},  // 10 * 0.000009 is within 0.0001: collinear
        {0, 0, 10, 0, 5, 0.00002f, 1},   // 0.0002: left
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ccw(c.x0, c.y0, c.x1, c.y1, c.x2, c.y2), c.expected)
            << c.x0 << "," << c.y0 << " " << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
}

TEST(Geometry, PointOnSegmentTestsCompareTheDetourWithTheLength) {
    EXPECT_TRUE(IsPointOnSegmentTol(0, 0, 10, 0, 5, 0, 1));
    EXPECT_TRUE(IsPointOnSegmentTol(0, 0, 10, 0, 5, 1, 1));     // detour 0.198
    EXPECT_FALSE(IsPointOnSegmentTol(0, 0, 10, 0, 5, 3, 1));    // detour 1.66
    EXPECT_FALSE(IsPointOnSegmentTol(0, 0, 10, 0, 11, 0, 1));   // detour exactly 2
    EXPECT_FALSE(IsPointOnSegmentTol(0, 0, 10, 0, 10.5, 0, 1)); // detour exactly 1: strict

    EXPECT_TRUE(IsPointOnSegment(5, 0, 0, 0, 10, 0));
    EXPECT_TRUE(IsPointOnSegment(0, 0, 0, 0, 10, 0));  // the ends are on it
    EXPECT_TRUE(IsPointOnSegment(0, 0, 0, 0, 30, 10));
    EXPECT_TRUE(IsPointOnSegment(30, 10, 0, 0, 30, 10));
    EXPECT_TRUE(IsPointOnSegment(10, 0, 0, 0, 10, 0));
    EXPECT_TRUE(IsPointOnSegment(10.04f, 0, 0, 0, 10, 0));    // within 0.1 of length
    EXPECT_FALSE(IsPointOnSegment(10.06f, 0, 0, 0, 10, 0));
    EXPECT_FALSE(IsPointOnSegment(5, 0.001f, 0, 0, 10, 0));   // not collinear
    EXPECT_TRUE(IsPointOnSegment(2, 1, 0, 0, 6, 3));
}

TEST(Geometry, CollinearityAcceptsSlantedLinesWithDecimalCoordinates) {
    struct Case {
        float x1, y1, x2, y2, x3, y3;
        bool expected;
    };
    const Case cases[] = {
        {0, 0, 3, 1, 6, 2, true},
        {0, 0, 0.0000005f, 10, -0.0000008f, 20, true},  // upright
        {0, 0, 0, 10, 0.00001f, 20, false},             // upright and exact
        {0, 0, 10, 0, 20, 0.0000009f, true},            // level
        {0, 0, 10, 0, 20, 0.00001f, false},
        {0, 0, 3, 1, 6, 2.01f, false},
        // Float rounding of the differences defeats the relative test here.
        {0.3f, 0.1f, 3.3f, 1.1f, 6.3f, 2.1f, true},
        {12.7f, 33.1f, 45.3f, 78.9f, 77.9f, 124.7f, true},
        {1000.1f, 2000.3f, 1001.7f, 2004.1f, 1010.1f, 2024.05f, true},
        {1000.1f, 2000.3f, 1001.7f, 2004.1f, 1010.1f, 2024.0f, false},  // 0.019 off the line
    };
    for (const Case& c : cases)
        EXPECT_EQ(AreCollinear(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3), c.expected)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " " << c.x3 << "," << c.y3;
}

TEST(Geometry, DirectionsOfSegmentsAndBearingsOfVectors) {
    struct Case {
        float x1, y1, x2, y2;
        double rad;
        float deg;
        double bearing;
    };
    const Case cases[] = {
        {0, 0, 1, 0, 0, 0, Pi / 2},
        {0, 0, 0, 1, Pi / 2, 90, 0},
        {0, 0, -1, 0, Pi, 180, 3 * Pi / 2},
        {0, 0, 0, -5, 3 * Pi / 2, 270, Pi},
        {0, 0, 1, 1, Pi / 4, 45, Pi / 4},
        {0, 0, -1, 1, 3 * Pi / 4, 135, 7 * Pi / 4},
        {0, 0, -1, -1, 5 * Pi / 4, 225, 5 * Pi / 4},
        {0, 0, 1, -1, 7 * Pi / 4, 315, 3 * Pi / 4},
        {0, 0, -1, 0.0001f, Pi, 180, 3 * Pi / 2},     // level within 0.0001
        {0, 0, 0.0001f, -1, 3 * Pi / 2, 270, Pi},     // upright within 0.0001
        {5, 5, 5, 5, Pi / 2, 90, Pi / 2},             // a point: upright, then level
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GetSegmentDirectionRad(c.x1, c.y1, c.x2, c.y2), c.rad, 1e-6) << c.x2 << "," << c.y2;
        EXPECT_FLOAT_EQ(GetSegmentDirectionDeg(c.x1, c.y1, c.x2, c.y2), c.deg) << c.x2 << "," << c.y2;
        EXPECT_NEAR(GetVectorDirectionRad(c.x1, c.y1, c.x2, c.y2), c.bearing, 1e-6) << c.x2 << "," << c.y2;
    }
    // Degrees are rounded to 2 decimals; just below a full turn that is 360, not 0.
    EXPECT_FLOAT_EQ(GetSegmentDirectionDeg(0, 0, 1000, -0.05f), 360);
    EXPECT_FLOAT_EQ(GetSegmentDirectionDeg(0, 0, 1000, 0.5f), 0.03f);
    EXPECT_FLOAT_EQ(GetSegmentDirectionDeg(0, 0, 10, 3), 16.70f);
}

TEST(Geometry, DegreesAndRadiansConvertWithTheFixedFactors) {
    EXPECT_FLOAT_EQ(DegToRad(180), static_cast<float>(Pi));
    EXPECT_FLOAT_EQ(DegToRad(-90), static_cast<float>(-Pi / 2));
    EXPECT_FLOAT_EQ(RadToDeg(Pi / 4), 45);
    EXPECT_FLOAT_EQ(RadToDeg(DegToRad(123.4f)), 123.4f);
}

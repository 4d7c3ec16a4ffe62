#include "model/geometry/Angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "model/geometry/PolygonMeasures.h"

namespace {

struct LineAngleCase {
    float x1, y1, x2, y2;
    float expected;
};

TEST(AnglesTest, LineAngleReadsLeftToRightOrUpwards) {
    const float quarter = static_cast<float>(std::numbers::pi / 4);
    const LineAngleCase cases[] = {
        {0, 0, 0.001f, 10, 1.5707964f},      // upright within the tolerance
        {0, 0, -0.001f, -10, 1.5707964f},    // whichever end is higher
        {0, 0, 10, 10, quarter},
        {10, 10, 0, 0, quarter},
        {0, 0, 1, -1, -quarter},
        {0, 0, 1, -2, static_cast<float>(std::atan(-2.0) + 3.14159265)},  // steep fall turned
        {0, 0, 1, -1.7f, static_cast<float>(std::atan(-1.7))},            // stays negative
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(GetLineAngleRad(c.x1, c.y1, c.x2, c.y2), c.expected)
            << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
    }
    EXPECT_NEAR(GetLineAngleRad(0, 0, 1, -2), 2.0344, 1e-4);
    EXPECT_LT(GetLineAngleRad(0, 0, 1, -1.7f), 0);
    EXPECT_NEAR(GetLineAngleDeg(0, 0, 10, 10), 45.0, 1e-4);

    LineAngleSinCos deg = ComputeLineAngleDegSinCos(0, 0, 0, 5);
    EXPECT_NEAR(deg.Angle, 90.0, 1e-4);
    EXPECT_NEAR(deg.SinA, 1.0, 1e-6);
    EXPECT_NEAR(deg.CosA, 0.0, 1e-6);
}

TEST(AnglesTest, QuarterAndHalfTurnsTakeOffOneTurn) {
    EXPECT_EQ(GetAnglePlus180(200), 20);
    EXPECT_EQ(GetAnglePlus180(180), 0);
    EXPECT_EQ(GetAnglePlus180(90), 270);
    EXPECT_EQ(GetAnglePlus90(359), 89);
    EXPECT_EQ(GetAnglePlus90(270), 0);
}

TEST(AnglesTest, QuarterTurnRotationsAreExact) {
    const float halfPi = static_cast<float>(std::numbers::pi / 2);
    float x = 9, y = 9;
    RotatePoint(1, 0, halfPi, x, y);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, -1.0f);
    RotatePointInverse(1, 0, halfPi, x, y);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 1.0f);
}

TEST(AnglesTest, RotatePointsTurnsCounterClockwiseAboutACentreWithoutSnapping) {
    std::vector<float> xs{5, 2, 7}, ys{5, 1, 7};
    RotatePoints(xs, ys, 1, 1, 1, 1, 90);
    EXPECT_EQ(xs[1], 0.99999994f);
    EXPECT_FLOAT_EQ(ys[1], 2.0f);
    EXPECT_EQ(xs[0], 5);  // outside first .. last
    EXPECT_EQ(xs[2], 7);

    RotatePoints(xs, ys, 0, 0, 2, 10, 180);  // a last index beyond the lists stops at their end
    EXPECT_FLOAT_EQ(xs[2], -7);
    RotatePoints(xs, ys, 0, 0, 2, 1, 180);  // first > last: nothing
    EXPECT_FLOAT_EQ(xs[2], -7);
}

TEST(PolygonMeasuresTest, AreaSignFollowsTheTurningSense) {
    std::vector<PlanPoint> points{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 2}, {3, 3}};
    std::vector<int32_t> ccw{0, 1, 2, 3}, cw{0, 3, 2, 1}, line{0, 4, 5};

    PolygonMeasure m = ComputePlanPolygonCentroid(points, ccw, 4);
    EXPECT_FLOAT_EQ(m.PolygonArea, -1);
    EXPECT_FLOAT_EQ(m.PolygonCentroidX, 0.5f);
    EXPECT_FLOAT_EQ(m.PolygonCentroidY, 0.5f);

    m = ComputePlanPolygonCentroid(points, cw, 4);
    EXPECT_FLOAT_EQ(m.PolygonArea, 1);
    EXPECT_FLOAT_EQ(m.PolygonCentroidX, 0.5f);
    EXPECT_FLOAT_EQ(m.PolygonCentroidY, 0.5f);

    m = ComputePlanPolygonCentroid(points, line, 3);
    EXPECT_EQ(m.PolygonArea, 0);
    EXPECT_EQ(m.PolygonCentroidX, 0);
    EXPECT_EQ(m.PolygonCentroidY, 0);
}

TEST(AnglesTest, WithinOneTurnTakesAnyAngleToAtLeast0AndBelow360) {
    const struct {
        double In;
        float Out;
    } cases[] = {{30, 30},  {-30, 330}, {-394, 326}, {1085, 5}, {360, 0}, {-360, 0}, {-0.0, 0}, {359.99999999, 0},
                 {std::nan(""), 0}};
    for (const auto& c : cases) {
        const float turned = WithinOneTurn(c.In);
        EXPECT_FLOAT_EQ(turned, c.Out) << c.In;
        EXPECT_FALSE(std::signbit(turned)) << c.In;
    }
}

TEST(PolygonMeasuresTest, CountsAndIndexesOutsideTheListsReadNothingOutside) {
    std::vector<PlanPoint> points{{0, 0}, {4, 0}, {4, 2}};
    std::vector<int32_t> nodes{0, 2, 1};
    PolygonMeasure m = ComputePlanPolygonCentroid(points, nodes, 50);
    EXPECT_FLOAT_EQ(m.PolygonArea, 4);
    std::vector<int32_t> bad{0, 99, -3};
    m = ComputePlanPolygonCentroid(points, bad, 3);
    EXPECT_EQ(m.PolygonArea, 0);
}

}  // namespace

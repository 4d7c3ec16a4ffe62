#include "model/geometry/OffsetCorners.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Distance of (x, y) from the line through P0 and P.
double LineDistance(float x0, float y0, float x, float y, float qx, float qy) {
    const double dx = x - x0, dy = y - y0;
    return std::fabs(dx * (qy - y0) - dy * (qx - x0)) / std::sqrt(dx * dx + dy * dy);
}

}  // namespace

TEST(OffsetCorners, CornerOfTwoOffsetArmsInEveryCase) {
    struct Case {
        const char* what;
        float x0, y0, x1, y1, x2, y2, d1, d2;
        bool flipped;
        float x, y;
    };
    const Case cases[] = {
        {"arms up and right, clockwise", 0, 0, 0, 10, 10, 0, 1, 1, false, -1, -1},
        {"arms right and up, counter-clockwise", 0, 0, 10, 0, 0, 10, 1, 1, true, -1, -1},
        {"different offsets", 0, 0, 0, 10, 10, 0, 1, 2, false, -1, -2},
        {"negative offsets: inside the angle", 0, 0, 0, 10, 10, 0, -1, -1, false, 1, 1},
        {"general case", 0, 0, 10, 1, 1, 10, 1, 1, true, -1.11665f, -1.11665f},
        {"collinear oblique arms", 0, 0, 10, 10, -10, -10, 1, 1, false, -0.70711f, 0.70711f},
        {"collinear level arms", 0, 0, 10, 0, -10, 0, 1, 1, false, 0, 1},
        {"collinear upright arms", 0, 0, 0, 10, 0, -10, 1, 1, false, -1, 0},
        {"zero-length first arm", 0, 0, 0, 0, 10, 5, 1, 1, false, 2.23607f, 0},
        {"upright arm and oblique arm", 0, 0, 0, 10, 10, 5, 1, 1, false, -1, -1.61803f},
        {"both arms of zero length", 3, 4, 3, 4, 3, 4, 1, 1, false, 3, 4},
    };
    for (const Case& c : cases) {
        float x = 0, y = 0;
        bool flipped = !c.flipped;
        ComputeOffsetCorner(c.x0, c.y0, c.x1, c.y1, c.x2, c.y2, c.d1, c.d2, x, y, flipped);
        EXPECT_EQ(flipped, c.flipped) << c.what;
        EXPECT_NEAR(x, c.x, 1e-4) << c.what;
        EXPECT_NEAR(y, c.y, 1e-4) << c.what;
    }
}

TEST(OffsetCorners, CornerLiesAtTheTwoOffsetsFromTheArms) {
    struct Arms {
        float x0, y0, x1, y1, x2, y2, d1, d2;
    };
    const Arms arms[] = {
        {0, 0, 10, 3, -4, 8, 1, 2},    {5, 5, 15, 5, 8, 20, 12.5f, 12.5f}, {5, 5, 5, 20, 30, 9, 7, 3},
        {2, 1, -8, 6, 7, -9, 15, 15},  {0, 0, 10, 0, 3, -7, 2, 1},          {0, 0, 6, -7, 0, 10, 1.5f, 4},
    };
    for (const Arms& a : arms) {
        float x = 0, y = 0;
        bool flipped = false;
        ComputeOffsetCorner(a.x0, a.y0, a.x1, a.y1, a.x2, a.y2, a.d1, a.d2, x, y, flipped);
        EXPECT_NEAR(LineDistance(a.x0, a.y0, a.x1, a.y1, x, y), a.d1, 1e-3) << a.x1 << "," << a.y1;
        EXPECT_NEAR(LineDistance(a.x0, a.y0, a.x2, a.y2, x, y), a.d2, 1e-3) << a.x1 << "," << a.y1;
    }
}

TEST(OffsetCorners, PointLineDistanceRoundsToTwoDecimals) {
    struct Case {
        float x1, y1, x2, y2, px, py, expected;
    };
    const Case cases[] = {
        {0, 5, 10, 5, 3, 2, 3},
        {0, 5, 10, 5, 3, 8, 3},
        {0, 5, 10, 5, 30, 5, 0},
        {4, 0, 4, 10, 1.5f, 3, 2.5f},
        {0, 0, 10, 10, 3.341142f, 6.658858f, 2.35f},  // 2.346 away
        {0, 0, 10, 10, 7, 3, 2.83f},
        {0, 0, 10, 10, 4, 4, 0},
        // At an end within the end tolerance the end stands for the foot.
        {0, 0, 10, 10, 0.005f, 0.05f, 0.05f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(GetPointLineDistance(c.x1, c.y1, c.x2, c.y2, c.px, c.py), c.expected)
            << c.px << "," << c.py;
}

TEST(OffsetCorners, MidpointNormalPointLiesLeftForPositiveDistances) {
    struct Case {
        float x1, y1, x2, y2, d, x, y;
    };
    const float root2 = std::sqrt(2.0f);
    const Case cases[] = {
        {0, 0, 10, 0, 3, 5, 3},          {10, 0, 0, 0, 3, 5, -3},       {0, 0, 0, 10, 3, -3, 5},
        {0, 10, 0, 0, 3, 3, 5},          {0, 0, 10, 10, root2, 4, 6},   {10, 10, 0, 0, root2, 6, 4},
        {0, 0, 10, 10, -root2, 6, 4},    {0, 0, -10, 10, root2, -6, 4}, {2, 3, 2, 3, 1, 2, 2},
        {0, 0, 0.0002f, 10, 3, -3, 5},   {0, 0, 0, 10, -1000, 1000, 5},
    };
    for (const Case& c : cases) {
        float x = 0, y = 0;
        ComputeMidpointNormalPoint(c.x1, c.y1, c.x2, c.y2, c.d, x, y);
        EXPECT_NEAR(x, c.x, 1e-3) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2 << " d " << c.d;
        EXPECT_NEAR(y, c.y, 1e-3) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2 << " d " << c.d;
    }
}

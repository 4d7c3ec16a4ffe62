#include "model/geometry/OffsetCorners.h"

#include <cmath>

#include "model/geometry/Geometry.h"
#include "model/common/Helpers.h"
#include "model/geometry/SegmentIntersection.h"

namespace {

double Sign(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

// Slope and intercept of an arm's line moved by `shift` across it (arm dx must not be 0).
struct OffsetLine {
    double slope = 0, intercept = 0;
};

OffsetLine MakeOffsetLine(float dx, float dy, float farX, float farY, double shift) {
    OffsetLine line;
    line.slope = static_cast<double>(dy) / dx;
    line.intercept = farY - line.slope * farX + Sign(dx) * shift / std::cos(std::atan(line.slope));
    return line;
}

}  // namespace

void ComputeOffsetCorner(float x0, float y0, float x1, float y1, float x2, float y2, float d1, float d2,
                         float& outX, float& outY, bool& flipped) {
    flipped = false;
    double e1 = d1, e2 = d2;
    const double area = (static_cast<double>(x0) * y1 - static_cast<double>(x1) * y0) / 2 +
                        (static_cast<double>(x2) * y0 - static_cast<double>(x0) * y2) / 2 +
                        (static_cast<double>(x1) * y2 - static_cast<double>(x2) * y1) / 2;
    if (area > 0) {
        e1 = -e1;
        e2 = -e2;
        flipped = true;
    }
    const float dx1 = x1 - x0, dy1 = y1 - y0, dx2 = x2 - x0, dy2 = y2 - y0;
    // Line 1 lies left of arm 1, line 2 right of arm 2: the shift of line 2 takes the other sign.
    auto line1 = [&] { return MakeOffsetLine(dx1, dy1, x1, y1, e1); };
    auto line2 = [&] { return MakeOffsetLine(dx2, dy2, x2, y2, -e2); };
    double x = x0, y = y0;

    if (dx1 != 0 && dy1 != 0 && dx2 != 0 && dy2 != 0) {
        const OffsetLine l1 = line1(), l2 = line2();
        const double slopeGap = l1.slope - l2.slope;
        if (std::fabs(slopeGap) > 0.000001) {
            x = (l2.intercept - l1.intercept) / slopeGap;
            y = (l1.slope * l2.intercept - l2.slope * l1.intercept) / slopeGap;
        } else {
            const double a = std::atan(l1.slope);
            x = x0 - Sign(dx1) * e1 * std::sin(a);
            y = y0 + Sign(dx1) * e1 * std::cos(a);
        }
    } else if (std::fabs(dx1) < 0.00001f && std::fabs(dy2) < 0.00001f) {
        x = x0 - Sign(dy1) * e1;
        y = y0 - Sign(dx2) * e2;
    } else if (dx2 == 0 && dy1 == 0) {
        x = x0 + Sign(dy2) * e2;
        y = y0 + Sign(dx1) * e1;
    } else if (dy1 == 0 && dx2 != 0 && dy2 != 0) {
        const OffsetLine l2 = line2();
        y = y0 + Sign(dx1) * e1;
        x = (y - l2.intercept) / l2.slope;
    } else if (dx1 == 0 && dx2 != 0 && dy2 != 0) {
        const OffsetLine l2 = line2();
        x = x0 - Sign(dy1) * e1;
        y = l2.slope * x + l2.intercept;
    } else if (dy2 == 0 && dx1 != 0 && dy1 != 0) {
        const OffsetLine l1 = line1();
        y = y0 - Sign(dx2) * e2;
        x = (y - l1.intercept) / l1.slope;
    } else if (dx2 == 0 && dx1 != 0 && dy1 != 0) {
        const OffsetLine l1 = line1();
        x = x0 + Sign(dy2) * e2;
        y = l1.slope * x + l1.intercept;
    } else if (dx1 == 0 && dx2 == 0) {
        x = x0 - Sign(dy1) * e1;
        y = y0;
    } else {  // dy1 == 0 and dy2 == 0: the only case left
        x = x0;
        y = y0 + Sign(dx1) * e1;
    }
    outX = static_cast<float>(x);
    outY = static_cast<float>(y);
}

float GetPointLineDistance(float x1, float y1, float x2, float y2, float px, float py) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (std::fabs(dy) <= 0.0001) return static_cast<float>(RoundHalfEven(std::fabs(static_cast<double>(py) - y2), 2));
    if (std::fabs(dx) <= 0.0001) return static_cast<float>(RoundHalfEven(std::fabs(static_cast<double>(px) - x2), 2));
    // The foot of the perpendicular, from a point 100 cm away from P across the line.
    const double a = std::atan(dx / dy);
    const float qx = static_cast<float>(px + 100 * std::cos(a));
    const float qy = static_cast<float>(py - 100 * std::sin(a));
    float footX = px, footY = py;
    IntersectSegments(x1, y1, x2, y2, px, py, qx, qy, footX, footY);
    return static_cast<float>(RoundHalfEven(GetDistance(px, py, footX, footY), 2));
}

void ComputeMidpointNormalPoint(float x1, float y1, float x2, float y2, float d, float& outX, float& outY) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const double midX = (static_cast<double>(x1) + x2) / 2;
    const double midY = (static_cast<double>(y1) + y2) / 2;
    if (std::fabs(dy) < 0.0001) {
        outX = static_cast<float>(midX);
        outY = static_cast<float>(x2 > x1 ? y1 + static_cast<double>(d) : y1 - static_cast<double>(d));
        return;
    }
    if (std::fabs(dx) < 0.0001) {
        outX = static_cast<float>(y2 > y1 ? x1 - static_cast<double>(d) : x1 + static_cast<double>(d));
        outY = static_cast<float>(midY);
        return;
    }
    const double a = std::atan(dx / dy);
    const double s = Sign(dx) * Sign(a);
    outX = static_cast<float>(midX - s * d * std::cos(a));
    outY = static_cast<float>(midY + s * d * std::sin(a));
}

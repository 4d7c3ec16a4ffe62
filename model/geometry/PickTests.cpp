#include "model/geometry/PickTests.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/geometry/ViewTransforms.h"

namespace {

struct PlaneSegment {
    float ax, ay, bx, by;  // the ends in the plane of the test
    double deltaX, deltaY;  // the deltas that decide upright and level
    double axisThreshold;
    double slope;  // used only for a slanted segment
};

double SlopeOf(double dy, double dx) { return dx != 0 ? dy / dx : 0; }  // upright: not used

bool IsNearPlaneSegment(float px, float py, PlaneSegment s, float tol) {
    if (px < std::min(s.ax, s.bx) - tol || px > std::max(s.ax, s.bx) + tol || py < std::min(s.ay, s.by) - tol ||
        py > std::max(s.ay, s.by) + tol)
        return false;
    if (std::fabs(s.deltaX) < s.axisThreshold) {
        if (s.ay > s.by) std::swap(s.ay, s.by), std::swap(s.ax, s.bx);
        return std::fabs(px - s.ax) < tol && py > s.ay && py < s.by;
    }
    if (std::fabs(s.deltaY) < s.axisThreshold) {
        if (s.ax > s.bx) std::swap(s.ax, s.bx), std::swap(s.ay, s.by);
        return std::fabs(py - s.ay) < tol && px > s.ax && px < s.bx;
    }
    const float alongY = static_cast<float>(std::fabs(py - (s.ay + s.slope * (px - s.ax))));
    const float alongX = static_cast<float>(std::fabs(px - (s.ax + (py - s.ay) / s.slope)));
    return std::min(alongY, alongX) < tol;
}

}  // namespace

bool IsNearSegment(float px, float py, float x1, float y1, float x2, float y2, float tol) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    return IsNearPlaneSegment(px, py, {x1, y1, x2, y2, dx, dy, 0.01, SlopeOf(dy, dx)}, tol);
}

bool IsNearSegmentOnScreen(const ViewWindow& view, float px, float py, float x1, float y1, float x2, float y2,
                           float tol) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const float canvasSlope = static_cast<float>(SlopeOf(-dy, dx));  // the canvas y axis points down
    return IsNearPlaneSegment(px, py,
                              {WorldToScreenX(view, x1), WorldToScreenY(view, y1), WorldToScreenX(view, x2),
                               WorldToScreenY(view, y2), dx, dy, 0.001, canvasSlope},
                              tol);
}

bool IsNearSegmentInPixels(const ViewWindow& view, float px, float py, float x1, float y1, float x2, float y2,
                           float tol) {
    const float ax = WorldToScreenX(view, x1), ay = WorldToScreenY(view, y1);
    const float bx = WorldToScreenX(view, x2), by = WorldToScreenY(view, y2);
    const double dx = static_cast<double>(bx) - ax;
    const double dy = static_cast<double>(by) - ay;
    return IsNearPlaneSegment(px, py, {ax, ay, bx, by, dx, dy, 0.01, SlopeOf(dy, dx)}, tol);
}

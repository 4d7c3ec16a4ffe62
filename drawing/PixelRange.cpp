#include "drawing/PixelRange.h"

#include <cmath>
#include <limits>

namespace {

// Far beyond any screen, and well inside what a painter rasterises without overflow.
constexpr double DrawableLimit = 1.0e6;

}  // namespace

int32_t ToPixelInt(float value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

bool CircleReachesDrawableRange(float cx, float cy, float radius) {
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius)) return false;
    const double r = std::fabs(static_cast<double>(radius));
    return std::fabs(static_cast<double>(cx)) - r <= DrawableLimit && std::fabs(static_cast<double>(cy)) - r <= DrawableLimit;
}

bool ClipToDrawableRange(float& x1, float& y1, float& x2, float& y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    const double ax = x1, ay = y1, dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    double t0 = 0.0, t1 = 1.0;
    // Liang–Barsky against the four sides of the square.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax + DrawableLimit, DrawableLimit - ax, ay + DrawableLimit, DrawableLimit - ay};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    if (t0 > 0.0) {
        x1 = static_cast<float>(ax + t0 * dx);
        y1 = static_cast<float>(ay + t0 * dy);
    }
    if (t1 < 1.0) {
        x2 = static_cast<float>(ax + t1 * dx);
        y2 = static_cast<float>(ay + t1 * dy);
    }
    return true;
}

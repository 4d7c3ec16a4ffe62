#include "drawing/PixelRange.h"

#include <cmath>
#include <limits>

namespace {

// Far beyond any screen, and well inside what a painter rasterises without overflow.
constexpr double DrawableLimit = 1.0e6;

bool IsInside(double v) { return v >= -DrawableLimit && v <= DrawableLimit; }

struct Position {
    double X = 0, Y = 0;
};

// One step of the polygon clip: keeps the side of the line axis = limit (axis 0 x, 1 y) that the
// square lies on.
std::vector<Position> ClipBySide(const std::vector<Position>& in, int axis, double limit) {
    std::vector<Position> out;
    const auto value = [axis](const Position& p) { return axis == 0 ? p.X : p.Y; };
    const auto keeps = [&](const Position& p) { return limit > 0 ? value(p) <= limit : value(p) >= limit; };
    for (size_t i = 0; i < in.size(); ++i) {
        const Position& from = in[(i + in.size() - 1) % in.size()];
        const Position& to = in[i];
        if (keeps(to) != keeps(from)) {
            const double t = (limit - value(from)) / (value(to) - value(from));
            out.push_back({from.X + t * (to.X - from.X), from.Y + t * (to.Y - from.Y)});
        }
        if (keeps(to)) out.push_back(to);
    }
    return out;
}

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
    if (IsInside(x1) && IsInside(y1) && IsInside(x2) && IsInside(y2)) return true;  // the usual case
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

std::vector<PixelPoint> ToDrawablePolygon(std::span<const PixelPosition> polygon) {
    bool allInside = true;
    for (const PixelPosition& p : polygon) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return {};
        allInside = allInside && IsInside(p.X) && IsInside(p.Y);
    }
    std::vector<PixelPoint> points;
    if (allInside) {  // the usual case
        points.reserve(polygon.size());
        for (const PixelPosition& p : polygon) points.push_back({ToPixelInt(p.X), ToPixelInt(p.Y)});
        return points;
    }
    std::vector<Position> kept;
    for (const PixelPosition& p : polygon) kept.push_back({p.X, p.Y});
    for (int axis = 0; axis < 2; ++axis)
        for (double limit : {-DrawableLimit, DrawableLimit}) kept = ClipBySide(kept, axis, limit);
    points.reserve(kept.size());
    for (const Position& p : kept)
        points.push_back({ToPixelInt(static_cast<float>(p.X)), ToPixelInt(static_cast<float>(p.Y))});
    return points;
}

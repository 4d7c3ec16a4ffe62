#include "model/geometry/Geometry.h"

#include <cmath>

#include "model/common/Helpers.h"

namespace {

// The kernel's own values of pi and its multiples (15 significant digits).
constexpr double Pi = 3.14159265358979;
constexpr double TwoPi = 6.28318530717959;
constexpr double HalfPi = 1.5707963267949;
constexpr double ThreeHalvesPi = 4.71238898038469;
constexpr double DegreesPerRadian = 57.2957795130823;
constexpr double RadiansPerDegree = 0.0174532925199433;

double Sign(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

}  // namespace

float DegToRad(double degrees) { return static_cast<float>(degrees * RadiansPerDegree); }

float RadToDeg(double radians) { return static_cast<float>(radians * DegreesPerRadian); }

float GetDistance(float x1, float y1, float x2, float y2) {
    const float dx = x1 - x2;
    const float dy = y1 - y2;
    return static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

void ComputePointAlongSegment(float x1, float y1, float x2, float y2, float d, float& outX, float& outY) {
    const float length = GetDistance(x1, y1, x2, y2);
    if (length < 0.001f) {
        outX = x1;
        outY = y1;
        return;
    }
    const float t = static_cast<float>(static_cast<double>(d) / length);
    outX = static_cast<float>((static_cast<double>(x2) - x1) * t + x1);
    outY = static_cast<float>((static_cast<double>(y2) - y1) * t + y1);
}

bool OffsetSegment(float x1, float y1, float x2, float y2, float d, int16_t side, float& ox1, float& oy1,
                   float& ox2, float& oy2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length < 1e-6) return false;
    const double a = d * dx / length;
    const double b = d * dy / length;
    const double sense = side == 0 ? 1.0 : -1.0;  // right of 1 -> 2, or left
    ox1 = static_cast<float>(x1 + sense * b);
    oy1 = static_cast<float>(y1 - sense * a);
    ox2 = static_cast<float>(x2 + sense * b);
    oy2 = static_cast<float>(y2 - sense * a);
    return true;
}

void OffsetSegmentLeft(float x1, float y1, float x2, float y2, float d, float& ox1, float& oy1, float& ox2,
                       float& oy2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    if (std::fabs(dy) < 0.0001) {
        const double shift = x1 < x2 ? d : -static_cast<double>(d);
        ox1 = x1;
        ox2 = x2;
        oy1 = static_cast<float>(y1 + shift);
        oy2 = static_cast<float>(y2 + shift);
        return;
    }
    if (std::fabs(dx) < 0.0001) {
        const double shift = y1 <= y2 ? -static_cast<double>(d) : d;
        oy1 = y1;
        oy2 = y2;
        ox1 = static_cast<float>(x1 + shift);
        ox2 = static_cast<float>(x2 + shift);
        return;
    }
    const float alpha = static_cast<float>(std::atan(dx / dy));
    const float c = static_cast<float>(std::cos(alpha));
    const float s = static_cast<float>(std::sin(alpha));
    const double sigma = Sign(dx) * Sign(alpha);  // the sign of dy
    const double moveX = -sigma * c * d;
    const double moveY = sigma * s * d;
    ox1 = static_cast<float>(x1 + moveX);
    oy1 = static_cast<float>(y1 + moveY);
    ox2 = static_cast<float>(x2 + moveX);
    oy2 = static_cast<float>(y2 + moveY);
}

bool IsPointOnSegmentTol(float ax, float ay, float bx, float by, float px, float py, int32_t tol) {
    const double ab = GetDistance(ax, ay, bx, by);
    const double ap = GetDistance(ax, ay, px, py);
    const double pb = GetDistance(px, py, bx, by);
    return std::fabs(ab - (ap + pb)) < tol;
}

bool IsPointOnSegment(float px, float py, float ax, float ay, float bx, float by) {
    // Measured against the line AB: the line through P and A has no direction when P is at A, so
    // an end of the segment would not lie on it.
    if (!AreCollinear(ax, ay, bx, by, px, py)) return false;
    const double pa = GetDistance(px, py, ax, ay);
    const double pb = GetDistance(px, py, bx, by);
    const double ab = GetDistance(ax, ay, bx, by);
    return std::fabs(pa + pb - ab) < 0.1;
}

bool AreCollinear(float x1, float y1, float x2, float y2, float x3, float y3) {
    const float dx2 = x2 - x1;
    const float dy2 = y2 - y1;
    const float dx3 = x3 - x1;
    const float dy3 = y3 - y1;
    if (std::fabs(dx2) <= 1e-6) return std::fabs(dx3) < 1e-6;
    if (std::fabs(dy2) <= 1e-6) return std::fabs(dy3) < 1e-6;
    if (std::fabs(static_cast<double>(dy3) / dy2 - static_cast<double>(dx3) / dx2) < 1e-7) return true;
    // The relative test alone fails for most slanted lines whose coordinates carry decimals, as
    // float rounding of the differences exceeds 1e-7: accept a point within 0.001 of the line.
    const double cross = static_cast<double>(dx2) * dy3 - static_cast<double>(dy2) * dx3;
    const double length = std::sqrt(static_cast<double>(dx2) * dx2 + static_cast<double>(dy2) * dy2);
    return std::fabs(cross) / length < 0.001;
}

double GetSegmentDirectionRad(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (std::fabs(dx) <= 0.0001) return dy >= 0 ? HalfPi : ThreeHalvesPi;
    if (std::fabs(dy) <= 0.0001) return dx >= 0 ? 0.0 : Pi;
    const double t = std::atan(static_cast<double>(dy) / dx);
    if (dx < 0) return t + Pi;
    if (dy < 0) return t + TwoPi;
    return t;
}

float GetSegmentDirectionDeg(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (std::fabs(dx) <= 0.0001) return dy >= 0 ? 90.0f : 270.0f;
    if (std::fabs(dy) <= 0.0001) return dx >= 0 ? 0.0f : 180.0f;
    return static_cast<float>(RoundHalfEven(GetSegmentDirectionRad(x1, y1, x2, y2) * DegreesPerRadian, 2));
}

double GetVectorDirectionRad(float x1, float y1, float x2, float y2) {
    const float dX = x2 - x1;
    const float dY = y2 - y1;
    if (std::fabs(dY) <= 0.0001) return dX >= 0 ? HalfPi : ThreeHalvesPi;
    if (std::fabs(dX) <= 0.0001) return dY < 0 ? Pi : 0.0;
    const double t = std::atan(static_cast<double>(dX) / dY);
    if (dY < 0) return t + Pi;
    if (dX < 0) return t + TwoPi;
    return t;
}

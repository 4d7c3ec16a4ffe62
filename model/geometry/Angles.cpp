#include "model/geometry/Angles.h"

#include <algorithm>
#include <cmath>

#include "model/geometry/Geometry.h"

namespace {

constexpr double HalfTurnForTexts = 3.14159265;  // the readable-text rule's own value of pi
constexpr float SteepestFallingAngle = -1.04f;
constexpr float UprightAngle = 1.5707964f;
constexpr double FullTurn = 6.28318530717959;

PointTurn SnappedTurn(double angleRad) {
    float c = static_cast<float>(std::cos(angleRad));
    float s = static_cast<float>(std::sin(angleRad));
    if (std::fabs(c) < 1e-6f) c = 0;
    if (std::fabs(s) < 1e-6f) s = 0;
    return {c, s};
}

}  // namespace

float GetLineAngleRad(float x1, float y1, float x2, float y2) {
    float dx = x2 - x1;
    if (std::fabs(dx) <= 0.001f) return UprightAngle;
    float dy = y2 - y1;
    float a = static_cast<float>(std::atan(static_cast<double>(dy) / dx));
    if (a < SteepestFallingAngle) return static_cast<float>(a + HalfTurnForTexts);
    return a;
}

float GetLineAngleDeg(float x1, float y1, float x2, float y2) {
    return RadToDeg(GetLineAngleRad(x1, y1, x2, y2));
}

LineAngleSinCos ComputeLineAngleRadSinCos(float x1, float y1, float x2, float y2) {
    float a = GetLineAngleRad(x1, y1, x2, y2);
    return {a, static_cast<float>(std::sin(a)), static_cast<float>(std::cos(a))};
}

LineAngleSinCos ComputeLineAngleDegSinCos(float x1, float y1, float x2, float y2) {
    LineAngleSinCos result = ComputeLineAngleRadSinCos(x1, y1, x2, y2);
    result.Angle = RadToDeg(result.Angle);
    return result;
}

float GetAnglePlus180(float a) {
    float s = a + 180.0f;
    return s >= 360.0f ? s - 360.0f : s;
}

float GetAnglePlus90(float a) {
    float s = a + 90.0f;
    return s >= 360.0f ? s - 360.0f : s;
}

float WithinOneTurn(double degrees) {
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0) turn += 360.0;
    const float result = static_cast<float>(turn);
    // Just below a turn the float rounds to 360; -0 and no number are 0.
    return result > 0 && result < 360.0f ? result : 0.0f;
}

PointTurn ClockwiseTurn(float angleRad) { return SnappedTurn(angleRad); }

PointTurn CounterClockwiseTurn(float angleRad) { return SnappedTurn(FullTurn - angleRad); }

void TurnPoint(const PointTurn& turn, float x, float y, float& outX, float& outY) {
    outX = turn.Cos * x + turn.Sin * y;
    outY = turn.Cos * y - turn.Sin * x;
}

void RotatePoint(float x, float y, float angleRad, float& outX, float& outY) {
    TurnPoint(ClockwiseTurn(angleRad), x, y, outX, outY);
}

void RotatePointInverse(float x, float y, float angleRad, float& outX, float& outY) {
    TurnPoint(CounterClockwiseTurn(angleRad), x, y, outX, outY);
}

void RotatePoints(std::span<float> xs, std::span<float> ys, float cx, float cy, int32_t first,
                  int32_t last, float angleDeg) {
    float a = DegToRad(angleDeg);
    double c = static_cast<float>(std::cos(a));
    double s = static_cast<float>(std::sin(a));
    int64_t from = std::max<int64_t>(first, 0);
    int64_t to = std::min<int64_t>({last, static_cast<int64_t>(xs.size()) - 1,
                                    static_cast<int64_t>(ys.size()) - 1});
    for (int64_t i = from; i <= to; ++i) {
        double x = xs[i], y = ys[i];
        xs[i] = static_cast<float>((x - cx) * c + cx - (y - cy) * s);
        ys[i] = static_cast<float>((y - cy) * c + cy + (x - cx) * s);
    }
}

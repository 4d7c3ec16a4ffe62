#pragma once
// Angles of lines for readable texts, quarter-turn helpers and rotations of points.
// Angles are degrees everywhere except inside trigonometry; coordinates are 32-bit floats.
#include <cstdint>
#include <span>

// Angle in radians at which a text along the line reads left to right or upwards: from -1.04
// up to about 2.10; upright lines give pi/2 whichever end is higher.
float GetLineAngleRad(float x1, float y1, float x2, float y2);
float GetLineAngleDeg(float x1, float y1, float x2, float y2);

struct LineAngleSinCos {
    float Angle = 0;  // radians or degrees, by the function that returned it
    float SinA = 0, CosA = 0;  // of the angle in radians
};
LineAngleSinCos ComputeLineAngleRadSinCos(float x1, float y1, float x2, float y2);
LineAngleSinCos ComputeLineAngleDegSinCos(float x1, float y1, float x2, float y2);

// a + 180 (or + 90), taking one turn off when the sum reaches 360; a lies in 0 .. 360.
float GetAnglePlus180(float a);
float GetAnglePlus90(float a);
// Degrees taken into one turn: 0 <= result < 360 (0 for a value that is no number).
float WithinOneTurn(double degrees);

// The point rotated clockwise by angleRad about the origin (y up). Cosines and sines below 1e-6
// count as 0, so that quarter turns are exact.
void RotatePoint(float x, float y, float angleRad, float& outX, float& outY);
// The point rotated counter-clockwise by angleRad, with the same snapping.
void RotatePointInverse(float x, float y, float angleRad, float& outX, float& outY);

// The snapped cosine and sine of one of those rotations, found once to turn many points alike.
struct PointTurn {
    float Cos = 1, Sin = 0;
};
PointTurn ClockwiseTurn(float angleRad);         // RotatePoint's
PointTurn CounterClockwiseTurn(float angleRad);  // RotatePointInverse's
void TurnPoint(const PointTurn& turn, float x, float y, float& outX, float& outY);

// Points first .. last of xs, ys turned counter-clockwise by angleDeg about (cx, cy), in place.
// Indexes outside the lists are left out.
void RotatePoints(std::span<float> xs, std::span<float> ys, float cx, float cy, int32_t first,
                  int32_t last, float angleDeg);

#pragma once
// Plane geometry on 32-bit float coordinates (cm, y up): distances, points along a segment,
// parallel copies, the orientation test, collinearity and directions. Everything is computed in
// double precision from the float inputs and returned as floats; the tolerances are absolute cm
// values and belong to the behaviour, because the plan builders depend on them.
// Intersections, point-in-polygon and overlaps are in model/SegmentIntersection.h.
#include <cmath>
#include <cstdint>

// Angle conversions: degrees in the model and in the files, radians only inside trigonometry.
float DegToRad(double degrees);
float RadToDeg(double radians);

// Both coordinate differences are rounded to floats before the square root.
float GetDistance(float x1, float y1, float x2, float y2);

// The point at distance d from (x1, y1) on the line towards (x2, y2); d may be negative or longer
// than the segment. A segment shorter than 0.001 gives its first end.
void ComputePointAlongSegment(float x1, float y1, float x2, float y2, float d, float& outX, float& outY);

// A parallel copy at distance d: side 0 to the right of the direction 1 -> 2, any other side to
// the left. A segment shorter than 1e-6 leaves the outputs alone and returns false.
bool OffsetSegment(float x1, float y1, float x2, float y2, float d, int16_t side, float& ox1, float& oy1,
                   float& ox2, float& oy2);

// The segment moved by d along its left normal (y up); a negative d moves it to the right.
// Level and upright segments (within 0.0001) are moved exactly along an axis.
void OffsetSegmentLeft(float x1, float y1, float x2, float y2, float d, float& ox1, float& oy1, float& ox2,
                       float& oy2);

// Orientation of P0, P1, P2: +1 counter-clockwise, -1 clockwise. Within 0.0001 of collinear:
// -1 when P0 lies between P1 and P2, +1 when P2 lies beyond P1 as seen from P0, 0 when P2 lies
// between P0 and P1 (ends included). Inline, as the intersection tests ask it four times an edge.
inline int32_t Ccw(float x0, float y0, float x1, float y1, float x2, float y2) {
    const double dx1 = static_cast<double>(x1) - x0;
    const double dy1 = static_cast<double>(y1) - y0;
    const double dx2 = static_cast<double>(x2) - x0;
    const double dy2 = static_cast<double>(y2) - y0;
    const double a = dx1 * dy2;
    const double b = dy1 * dx2;
    if (std::fabs(a - b) > 0.0001) return a > b ? 1 : -1;
    if (dx1 * dx2 < 0 || dy1 * dy2 < 0) return -1;
    if (dx2 * dx2 + dy2 * dy2 > dx1 * dx1 + dy1 * dy1) return 1;
    return 0;
}

// True when |AB - (AP + PB)| < tol.
bool IsPointOnSegmentTol(float ax, float ay, float bx, float by, float px, float py, int32_t tol);

// True when P lies on the line AB (by AreCollinear) and PA + PB exceeds AB by less than 0.1.
bool IsPointOnSegment(float px, float py, float ax, float ay, float bx, float by);

// Whether P3 lies on the line P1P2. Upright and level lines (within 1e-6) are tested exactly on
// the other axis; a slanted line accepts P3 when its positions along the line measured in x and
// in y agree to 1e-7, or when P3 lies less than 0.001 from the line.
bool AreCollinear(float x1, float y1, float x2, float y2, float x3, float y3);

// Direction of 1 -> 2 from the +x axis, counter-clockwise, in [0, 2*pi).
double GetSegmentDirectionRad(float x1, float y1, float x2, float y2);
// The same in degrees rounded to 2 decimals (halves to even), in [0, 360]: a direction within
// 0.005 degrees below 360 gives 360.
float GetSegmentDirectionDeg(float x1, float y1, float x2, float y2);
// Bearing of the vector 1 -> 2 from the +y axis towards +x (clockwise, y up), in [0, 2*pi).
double GetVectorDirectionRad(float x1, float y1, float x2, float y2);

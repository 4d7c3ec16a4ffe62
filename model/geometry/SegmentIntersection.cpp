#include "model/geometry/SegmentIntersection.h"

#include <algorithm>
#include <cmath>

#include "model/geometry/Geometry.h"

namespace {

// The end tolerance of IntersectSegments: tighter across x than across y.
bool SameEnd(double qx, double qy, double rx, double ry) {
    return std::fabs(qx - rx) < 0.01 && std::fabs(qy - ry) < 0.1;
}

bool Within(double v, double lo, double hi) { return v >= lo && v <= hi; }

double SquaredDistance(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x1) - x2;
    const double dy = static_cast<double>(y1) - y2;
    return dx * dx + dy * dy;
}

bool RoundedDirectionsDifferByHalfDegree(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                         float y4) {
    const float a1 = GetSegmentDirectionDeg(x1, y1, x2, y2);
    const float a2 = GetSegmentDirectionDeg(x3, y3, x4, y4);
    float delta = std::fabs(a2 - a1);
    if (delta > 180) delta -= 180;
    return delta >= 0.5f && std::fabs(180 - delta) >= 0.5f;
}

// The direction GetSegmentDirectionDeg measures from P to Q: along an axis when a difference is
// within 0.0001 of none.
struct Direction {
    double x, y;
};

Direction MeasuredDirection(float px, float py, float qx, float qy) {
    const float dx = qx - px;
    const float dy = qy - py;
    if (std::fabs(dx) <= 0.0001) return {0, dy >= 0 ? 1.0 : -1.0};
    if (std::fabs(dy) <= 0.0001) return {dx >= 0 ? 1.0 : -1.0, 0};
    return {dx, dy};
}

// sin² of 0.52 and of 0.48 degrees, rounded outwards. The rounded angles of the two directions
// are each within 0.0051 degree of the true ones, so lines more than 0.52 degrees from parallel
// always differ by half a degree in those terms and lines less than 0.48 degrees never do.
constexpr double SinSquaredSurelyApart = 8.2367e-5;
constexpr double SinSquaredSurelyParallel = 7.0182e-5;

// Whether the lines are at least half a degree from parallel by the directions rounded to 0.01
// degree. Those take two arc tangents; the sine of the angle between the lines (from the cross
// product, whose float factors multiply exactly) gives the same answer everywhere but in a narrow
// band around half a degree, and for differences too large for a double.
bool DirectionsDifferByHalfDegree(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                  float y4) {
    const Direction u = MeasuredDirection(x1, y1, x2, y2);
    const Direction v = MeasuredDirection(x3, y3, x4, y4);
    const double cross = u.x * v.y - u.y * v.x;
    const double sinSquaredTimesNorms = cross * cross;
    const double norms = (u.x * u.x + u.y * u.y) * (v.x * v.x + v.y * v.y);
    if (std::isfinite(sinSquaredTimesNorms) && std::isfinite(norms)) {
        if (sinSquaredTimesNorms > SinSquaredSurelyApart * norms) return true;
        if (sinSquaredTimesNorms < SinSquaredSurelyParallel * norms) return false;
    }
    return RoundedDirectionsDifferByHalfDegree(x1, y1, x2, y2, x3, y3, x4, y4);
}

// Code 7: the closest pair of ends, one of each segment, in a fixed order of pairs.
void PlaceNearlyParallelMeeting(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                                float& ix, float& iy, float& jx, float& jy) {
    struct EndPair {
        float ax, ay, bx, by;  // the end on segment 1, the end on segment 2
    };
    const EndPair pairs[] = {{x1, y1, x3, y3}, {x2, y2, x3, y3}, {x2, y2, x4, y4}, {x1, y1, x4, y4}};
    const EndPair* best = &pairs[0];
    double bestDistance = SquaredDistance(best->ax, best->ay, best->bx, best->by);
    for (const EndPair& pair : pairs) {
        const double distance = SquaredDistance(pair.ax, pair.ay, pair.bx, pair.by);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = &pair;
        }
    }
    if (std::sqrt(bestDistance) < 2.0) {
        ix = static_cast<float>((static_cast<double>(best->ax) + best->bx) / 2);
        iy = static_cast<float>((static_cast<double>(best->ay) + best->by) / 2);
        return;
    }
    ix = best->ax;
    iy = best->ay;
    jx = best->bx;
    jy = best->by;
}

// What one edge of a polygon made of the ray from the tested point.
struct EdgeMeeting {
    int32_t code = IntersectionCode::ParallelDistinct;
    float ix = 0, iy = 0;
};

struct Ray {
    double px, py, fx, fy;
    // > 0 left of P -> F, < 0 right, 0 on its line.
    double Side(const PlanPoint& q) const { return (fx - px) * (q.Y - py) - (fy - py) * (q.X - px); }
    bool Holds(float x, float y) const {
        const double ex = fx - px, ey = fy - py;
        const double t = ((x - px) * ex + (y - py) * ey) / (ex * ex + ey * ey);
        return t >= 0 && t <= 1;
    }
};

// The ray can pass exactly through a vertex: both edges there then meet it at an end (codes 6
// and 5) and neither is a crossing, so the parity goes wrong where the boundary crosses the ray
// at that vertex (the centre of a diamond would be outside). A passage counts once when the
// boundary goes on to the other side of the ray and not at all when it turns back; edges lying
// along the ray, or too short to leave the vertex, are followed through.
int32_t CountCrossingsAtVertices(const Ray& ray, const std::vector<PlanPoint>& pts, int32_t n,
                                 const std::vector<EdgeMeeting>& meetings) {
    auto next = [n](int32_t edge) { return edge % n + 1; };
    int32_t crossings = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const EdgeMeeting& in = meetings[i];
        if (in.code != IntersectionCode::MeetAtP4 || !ray.Holds(in.ix, in.iy)) continue;
        int32_t k = next(i);
        for (int32_t steps = 0; steps < n; ++steps, k = next(k)) {
            const EdgeMeeting& m = meetings[k];
            const bool alongRay = m.code == IntersectionCode::CollinearOverlapping;
            const bool shortAtVertex =
                m.code == IntersectionCode::MeetAtP3 && SameEnd(pts[k].X, pts[k].Y, m.ix, m.iy);
            if (!alongRay && !shortAtVertex) break;
        }
        const EdgeMeeting& out = meetings[k];
        if (out.code != IntersectionCode::MeetAtP3 || !ray.Holds(out.ix, out.iy)) continue;
        const double before = ray.Side(pts[i - 1]);
        const double after = ray.Side(pts[k]);
        if ((before > 0 && after < 0) || (before < 0 && after > 0)) ++crossings;
    }
    return crossings;
}

// Length along AB of the part that CD has in common with it; 0 for a degenerate AB.
double CommonLengthAlong(PlanPoint a, PlanPoint b, PlanPoint c, PlanPoint d) {
    const double ux = static_cast<double>(b.X) - a.X;
    const double uy = static_cast<double>(b.Y) - a.Y;
    const double length = std::sqrt(ux * ux + uy * uy);
    if (length < 0.001) return 0;
    const double tc = ((c.X - a.X) * ux + (c.Y - a.Y) * uy) / length;
    const double td = ((d.X - a.X) * ux + (d.Y - a.Y) * uy) / length;
    return std::min(length, std::max(tc, td)) - std::max(0.0, std::min(tc, td));
}

bool IsOn(PlanPoint p, PlanPoint a, PlanPoint b) { return IsPointOnSegment(p.X, p.Y, a.X, a.Y, b.X, b.Y); }

bool Coincide(PlanPoint q, PlanPoint r) { return std::fabs(q.X - r.X) <= 0.001 && std::fabs(q.Y - r.Y) <= 0.001; }

// One end of an edge against a segment P1P2 that many edges are tried against.
struct EndPlace {
    int32_t side;  // Ccw(P1, P2, end)
    bool atAnEnd;  // the same point as P1 or P2 by the end tolerance
};

EndPlace PlaceEnd(float x1, float y1, float x2, float y2, PlanPoint p) {
    return {Ccw(x1, y1, x2, y2, p.X, p.Y), SameEnd(x1, y1, p.X, p.Y) || SameEnd(x2, y2, p.X, p.Y)};
}

// IntersectSegments answers SegmentsCross only when the edge has an end at P1 or P2 or when
// AreSegmentsCrossing holds, whose first half is the product of the two ends' sides.
bool MayCross(float x1, float y1, float x2, float y2, PlanPoint c, PlanPoint d, EndPlace atC, EndPlace atD) {
    if (atC.atAnEnd || atD.atAnEnd) return true;
    return atC.side * atD.side <= 0 && Ccw(c.X, c.Y, d.X, d.Y, x1, y1) * Ccw(c.X, c.Y, d.X, d.Y, x2, y2) <= 0;
}

// Past this size the rounding in IntersectSegments is no longer small against the clearance
// below, and a sweep intersects every edge on every line.
constexpr float LargestSweptCoordinate = 4194304.0f;  // 2^22
// An edge rising at least 1 in 16 against the sweep is more than 3.5 degrees from level.
constexpr float SteepestRun = 16;
// How far the line of such an edge must stay from the ends of the sweep segments.
constexpr double SweepEndClearance = 2;

bool IsModest(float v) { return std::fabs(v) <= LargestSweptCoordinate; }

// Against a sweep segment (minX, y) - (maxX, y), with maxX - minX >= 1 and every value modest, an
// edge whose two ends both lie at least 0.1 above y, or both at least 0.1 below:
// - shares no end with it, and lies strictly on one side of it by Ccw, so it does not cross it;
// - meets its line at a height that rounds to exactly y (in double, y times a factor divided by
//   the same factor, a few roundings off), so not at one of the edge's own ends either.
// IntersectSegments can then answer above LinesMeetOutside only when the lines meet within 0.01
// of minX or maxX (codes 3 and 4), or for an edge within half a degree of level (code 7).
SweepReach ReachOfEdge(PlanPoint a, PlanPoint b, float minX, float maxX, float yLow, float yHigh) {
    // A level edge: the determinant is exactly 0, so the lines are parallel for every y.
    if (a.Y == b.Y) return SweepReach::Nowhere;
    // Steep enough that the directions as GetSegmentDirectionDeg measures them, the sweep's at 0
    // degrees, are more than 3.5 degrees apart: never code 7.
    const float run = b.X - a.X, rise = b.Y - a.Y;
    if (!(std::fabs(rise) > 0.0001 && std::fabs(run) <= SteepestRun * std::fabs(rise))) return SweepReach::Everywhere;
    // Where the edge's line crosses the lowest and the highest sweep line; for every y swept it
    // crosses between those. At these sizes and slopes the meeting point IntersectSegments works
    // out lies within 1e-6 of the true one before it is rounded to a float, and within 0.25 after.
    const double slope = (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y);
    const double atLow = a.X + (yLow - static_cast<double>(a.Y)) * slope;
    const double atHigh = a.X + (yHigh - static_cast<double>(a.Y)) * slope;
    const double from = std::min(atLow, atHigh) - SweepEndClearance;
    const double to = std::max(atLow, atHigh) + SweepEndClearance;
    if ((from <= minX && minX <= to) || (from <= maxX && maxX <= to)) return SweepReach::Everywhere;
    return SweepReach::OwnHeight;
}

// Both ends at least 0.1 above y, or both at least 0.1 below, measured as IntersectSegments does.
bool IsClearOfLine(float y1, float y2, float y) {
    const double d1 = static_cast<double>(y1) - y;
    const double d2 = static_cast<double>(y2) - y;
    return (d1 >= 0.1 && d2 >= 0.1) || (d1 <= -0.1 && d2 <= -0.1);
}

}  // namespace

int32_t CountSegmentsCrossing(float x1, float y1, float x2, float y2, std::span<const PlanPoint> outline) {
    const size_t n = outline.size();
    if (n == 0) return 0;
    int32_t count = 0;
    const EndPlace first = PlaceEnd(x1, y1, x2, y2, outline[0]);
    EndPlace from = first;
    for (size_t k = 0; k < n; ++k) {
        const PlanPoint& c = outline[k];
        const PlanPoint& d = outline[(k + 1) % n];
        const EndPlace to = k + 1 < n ? PlaceEnd(x1, y1, x2, y2, d) : first;
        float ix = 0, iy = 0;
        if (MayCross(x1, y1, x2, y2, c, d, from, to) &&
            IntersectSegments(x1, y1, x2, y2, c.X, c.Y, d.X, d.Y, ix, iy) == IntersectionCode::SegmentsCross)
            ++count;
        from = to;
    }
    return count;
}

HorizontalSweep PrepareHorizontalSweep(std::span<const PlanPoint> outline, float minX, float maxX, float yLow,
                                       float yHigh) {
    HorizontalSweep sweep{outline, minX, maxX, yLow, yHigh, {}};
    const size_t n = outline.size();
    sweep.Reach.assign(n, SweepReach::Everywhere);
    const bool modest = IsModest(minX) && IsModest(maxX) && IsModest(yLow) && IsModest(yHigh) &&
                        std::all_of(outline.begin(), outline.end(),
                                    [](const PlanPoint& p) { return IsModest(p.X) && IsModest(p.Y); });
    if (!modest || !(static_cast<double>(maxX) - minX >= 1) || !(yLow <= yHigh)) return sweep;
    for (size_t k = 0; k < n; ++k)
        sweep.Reach[k] = ReachOfEdge(outline[k], outline[(k + 1) % n], minX, maxX, yLow, yHigh);
    return sweep;
}

void AppendSweepMeetings(const HorizontalSweep& sweep, float y, std::vector<float>& xs) {
    const std::span<const PlanPoint> outline = sweep.Outline;
    const size_t n = outline.size();
    const bool swept = y >= sweep.YLow && y <= sweep.YHigh;
    for (size_t k = 0; k < n; ++k) {
        const PlanPoint& a = outline[k];
        const PlanPoint& b = outline[(k + 1) % n];
        const SweepReach reach = swept ? sweep.Reach[k] : SweepReach::Everywhere;
        if (reach == SweepReach::Nowhere) continue;
        if (reach == SweepReach::OwnHeight && IsClearOfLine(a.Y, b.Y, y)) continue;
        float ix = 0, iy = 0;
        if (IntersectSegments(sweep.MinX, y, sweep.MaxX, y, a.X, a.Y, b.X, b.Y, ix, iy) >
            IntersectionCode::LinesMeetOutside)
            xs.push_back(ix);
    }
}

bool AreSegmentsCrossing(float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy) {
    return Ccw(ax, ay, bx, by, cx, cy) * Ccw(ax, ay, bx, by, dx, dy) <= 0 &&
           Ccw(cx, cy, dx, dy, ax, ay) * Ccw(cx, cy, dx, dy, bx, by) <= 0;
}

int32_t IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                          float& ix, float& iy, float& jx, float& jy) {
    using namespace IntersectionCode;
    jx = -1;
    jy = -1;
    const double dxA = static_cast<double>(x2) - x1, dyA = static_cast<double>(y2) - y1;
    const double dxB = static_cast<double>(x4) - x3, dyB = static_cast<double>(y4) - y3;
    const double c1 = x1 * dyA - y1 * dxA;
    const double c2 = x3 * dyB - y3 * dxB;
    const double det = dxA * dyB - dyA * dxB;
    const double nx = c2 * dxA - c1 * dxB;
    const double ny = c2 * dyA - c1 * dyB;

    if (std::fabs(det) <= 0.001) {
        if (std::fabs(nx) >= 0.0001 || std::fabs(ny) >= 0.0001) return ParallelDistinct;
        const bool upright = std::fabs(static_cast<double>(x1) - x2) < 0.001;
        const double a1 = upright ? y1 : x1, a2 = upright ? y2 : x2;
        const double b1 = upright ? y3 : x3, b2 = upright ? y4 : x4;
        const double lo1 = std::min(a1, a2), hi1 = std::max(a1, a2);
        const double lo2 = std::min(b1, b2), hi2 = std::max(b1, b2);
        if (Within(lo1, lo2, hi2) || Within(hi1, lo2, hi2) || Within(lo2, lo1, hi1) || Within(hi2, lo1, hi1))
            return CollinearOverlapping;
        ix = x1;
        iy = y1;
        return CollinearDisjoint;
    }

    ix = static_cast<float>(nx / det);
    iy = static_cast<float>(ny / det);
    const struct {
        float x, y;
    } shared[] = {{x1, y1}, {x1, y1}, {x2, y2}, {x2, y2}};
    const bool shares[] = {SameEnd(x1, y1, x3, y3), SameEnd(x1, y1, x4, y4), SameEnd(x2, y2, x4, y4),
                           SameEnd(x2, y2, x3, y3)};
    for (int i = 0; i < 4; ++i)
        if (shares[i]) {
            ix = shared[i].x;
            iy = shared[i].y;
            return SegmentsCross;
        }
    if (SameEnd(ix, iy, x1, y1)) return MeetAtP1;
    if (SameEnd(ix, iy, x2, y2)) return MeetAtP2;
    if (SameEnd(ix, iy, x3, y3)) return MeetAtP3;
    if (SameEnd(ix, iy, x4, y4)) return MeetAtP4;
    if (AreSegmentsCrossing(x1, y1, x2, y2, x3, y3, x4, y4)) return SegmentsCross;
    if (DirectionsDifferByHalfDegree(x1, y1, x2, y2, x3, y3, x4, y4)) return LinesMeetOutside;
    PlaceNearlyParallelMeeting(x1, y1, x2, y2, x3, y3, x4, y4, ix, iy, jx, jy);
    return NearlyParallel;
}

int32_t IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                          float& ix, float& iy) {
    float jx = -1, jy = -1;
    return IntersectSegments(x1, y1, x2, y2, x3, y3, x4, y4, ix, iy, jx, jy);
}

bool IsPointInPolygon(float px, float py, std::vector<PlanPoint>& pts, int32_t n, bool edgeCounts) {
    if (n < 1 || static_cast<size_t>(n) > pts.size()) return false;
    if (pts.size() == static_cast<size_t>(n)) pts.emplace_back();

    float xmin = pts[0].X, xmax = pts[0].X, ymin = pts[0].Y, ymax = pts[0].Y;
    for (int32_t i = 1; i < n; ++i) {
        xmin = std::min(xmin, pts[i].X);
        xmax = std::max(xmax, pts[i].X);
        ymin = std::min(ymin, pts[i].Y);
        ymax = std::max(ymax, pts[i].Y);
    }
    if (px < xmin || px > xmax || py < ymin || py > ymax) return false;

    // A far point left of the box at its mid-height; the odd offset keeps the ray off round values.
    const float fx = static_cast<float>(xmin - 3733.75684567523);
    const float fy = static_cast<float>((static_cast<double>(ymin) + ymax) / 2);
    pts[n] = pts[0];

    std::vector<EdgeMeeting> meetings(static_cast<size_t>(n) + 1);
    int32_t crossings = 0;
    for (int32_t i = 1; i <= n; ++i) {
        EdgeMeeting& m = meetings[i];
        m.code = IntersectSegments(px, py, fx, fy, pts[i - 1].X, pts[i - 1].Y, pts[i].X, pts[i].Y, m.ix, m.iy);
        if (m.code == IntersectionCode::SegmentsCross) ++crossings;
    }
    crossings += CountCrossingsAtVertices(Ray{px, py, fx, fy}, pts, n, meetings);
    if (crossings % 2 == 1) return true;
    if (!edgeCounts) return false;

    for (int32_t j = 0; j <= n; ++j)
        if (std::fabs(pts[j].X - px) < 0.5 && std::fabs(pts[j].Y - py) < 0.5) return true;
    for (int32_t i = 1; i <= n; ++i)
        if (IsPointOnSegmentTol(pts[i - 1].X, pts[i - 1].Y, pts[i].X, pts[i].Y, px, py, 1)) return true;
    return false;
}

int32_t ComputeSegmentOverlap(PlanPoint a, PlanPoint b, PlanPoint c, PlanPoint d, PlanPoint& r1, PlanPoint& r2) {
    using namespace SegmentOverlapFlag;
    if (!AreCollinear(a.X, a.Y, b.X, b.Y, d.X, d.Y) || !AreCollinear(a.X, a.Y, b.X, b.Y, c.X, c.Y))
        return NotCollinear;
    const bool cOnAB = IsOn(c, a, b);
    const bool dOnAB = IsOn(d, a, b);
    PlanPoint from, to;
    if (cOnAB && dOnAB) {
        from = c;
        to = d;
    } else if (cOnAB) {
        from = c;
        if (IsOn(b, c, d)) to = Coincide(c, b) ? a : b;
        else to = Coincide(c, a) ? b : a;
    } else if (dOnAB) {
        const bool aOnCD = IsOn(a, c, d);
        const bool startAtD = aOnCD ? Coincide(d, a) : !Coincide(d, b);
        from = startAtD ? d : a;
        to = startAtD ? b : d;
    } else {
        const PlanPoint middle{static_cast<float>((static_cast<double>(a.X) + b.X) / 2),
                               static_cast<float>((static_cast<double>(a.Y) + b.Y) / 2)};
        if (!IsOn(middle, c, d)) return Apart;
        from = a;
        to = b;
    }
    // The rules above take a segment that only touches AB at an end and points away from it for
    // one that covers AB; the outline builders would then take it as the carrier of the edge.
    if (CommonLengthAlong(a, b, c, d) < 0.001) return Apart;
    r1 = from;
    r2 = to;
    return Overlap;
}

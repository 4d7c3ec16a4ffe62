#pragma once
// Segment crossing and intersection with a result code, point-in-polygon and the common part of
// two collinear segments, on 32-bit float coordinates (cm, y up).
#include <cstdint>
#include <span>
#include <vector>

#include "model/tables/ModelTables.h"

// True when each segment's ends lie on opposite sides of (or on) the other's line by `Ccw`:
// touching at an end and collinear overlap count as crossing.
bool AreSegmentsCrossing(float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy);

// Result codes of IntersectSegments. The plan builders take 1 to 7 as a meeting point of the two
// lines at (ix, iy) and 0, -1, -2 as none; the polygon test counts only SegmentsCross.
namespace IntersectionCode {
constexpr int32_t CollinearDisjoint = -2;     // one line, no common part; (ix, iy) := P1
constexpr int32_t CollinearOverlapping = -1;  // one line, common part; (ix, iy) untouched
constexpr int32_t ParallelDistinct = 0;       // (ix, iy) untouched
constexpr int32_t LinesMeetOutside = 1;       // the lines meet outside at least one segment
constexpr int32_t SegmentsCross = 2;          // the segments cross, or share an end
constexpr int32_t MeetAtP1 = 3;               // the lines meet at P1 (not necessarily on segment 2)
constexpr int32_t MeetAtP2 = 4;
constexpr int32_t MeetAtP3 = 5;
constexpr int32_t MeetAtP4 = 6;
constexpr int32_t NearlyParallel = 7;         // within 0.5 degrees of parallel: closest ends, see below
}  // namespace IntersectionCode

// Intersection of segment P1P2 with segment P3P4. Two points count as the same when they differ
// by less than 0.01 in x and less than 0.1 in y. jx, jy are set to -1 on every call; for code 7
// (ix, iy) is the midpoint of the closest pair of ends when they are less than 2 apart, otherwise
// (ix, iy) is that pair's end on segment 1 and (jx, jy) its end on segment 2.
int32_t IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                          float& ix, float& iy, float& jx, float& jy);
// The same without the second point of code 7.
int32_t IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                          float& ix, float& iy);

// How many edges of the closed outline (the last vertex joined back to the first) IntersectSegments
// finds crossing P1P2 with code SegmentsCross, P1P2 given as its first segment. Each vertex is
// placed against P1P2 once, and only the edges that this leaves in doubt are intersected.
int32_t CountSegmentsCrossing(float x1, float y1, float x2, float y2, std::span<const PlanPoint> outline);

// Level segments (minX, y) - (maxX, y) for many y from yLow up to yHigh, tried as IntersectSegments'
// first segment against every edge of one closed outline (the last vertex joined back to the
// first): what each edge can give is worked out once, so that a line intersects only the edges
// that can meet it.
enum class SweepReach : uint8_t {
    Nowhere,     // a level edge: parallel to every line
    OwnHeight,   // only lines less than 0.1 from its height range
    Everywhere,  // any line: nearly level, or its line passes near an end of the sweep segments
};
struct HorizontalSweep {
    std::span<const PlanPoint> Outline;  // not owned: it must outlive the sweep
    float MinX = 0, MaxX = 0, YLow = 0, YHigh = 0;
    std::vector<SweepReach> Reach;  // edge k runs from vertex k to the next
};
HorizontalSweep PrepareHorizontalSweep(std::span<const PlanPoint> outline, float minX, float maxX, float yLow,
                                       float yHigh);
// The ix of every edge, in edge order, for which IntersectSegments answers above LinesMeetOutside
// against the segment at height y: exactly those that intersecting every edge would give.
void AppendSweepMeetings(const HorizontalSweep& sweep, float y, std::vector<float>& xs);

// Whether P lies inside the polygon pts(0) .. pts(n - 1), by the parity of the crossings of a
// segment from P to a far point left of the polygon's box. Writes pts(n) := pts(0), growing pts
// when it holds only n points. A point on the boundary may come out either way; with edgeCounts,
// a point the crossings leave outside is still inside when it lies within 0.5 of a vertex in x
// and y, or when going through it lengthens an edge by less than 1.
// A polygon of no vertices, or an n beyond the list, contains nothing.
bool IsPointInPolygon(float px, float py, std::vector<PlanPoint>& pts, int32_t n, bool edgeCounts);

// Outcomes of ComputeSegmentOverlap.
namespace SegmentOverlapFlag {
constexpr int32_t Apart = -1;  // on one line, with no common length
constexpr int32_t NotCollinear = 0;
constexpr int32_t Overlap = 1;
}  // namespace SegmentOverlapFlag

// The common part (R1, R2) of AB and CD when they lie on one line. R1 -> R2 may run against AB.
// A common length along AB below 0.001 (segments that only touch at an end) is no overlap.
// R1, R2 are written only with SegmentOverlapFlag::Overlap.
int32_t ComputeSegmentOverlap(PlanPoint a, PlanPoint b, PlanPoint c, PlanPoint d, PlanPoint& r1, PlanPoint& r2);

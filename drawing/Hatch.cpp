#include "drawing/Hatch.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"

namespace {

// The far end of the inside test lies this much further left than the x it is given, so that the
// test's segment stays off round coordinates.
constexpr double FarPointShift = 37.74957;
// The sweep line overhangs the turned outline this much on either side.
constexpr float SweepOverhang = 1000.0f;
// Neighbouring crossings closer than this give no piece.
constexpr float ShortestPiece = 0.01f;
// More sweep lines than this in one set would smear the outline for seconds: a spacing that
// small against the outline is a fault of the data, and the hatch is left out.
constexpr double MostSweepLines = 100000.0;

struct Bounds {
    float MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

// The first vertex starts all four bounds; a later one moves a bound only when strictly beyond it.
Bounds BoundsOf(const HatchOutline& points) {
    Bounds b{points[0].X, points[0].X, points[0].Y, points[0].Y};
    for (const PlanPoint& p : points) {
        if (p.X < b.MinX) b.MinX = p.X;
        if (p.X > b.MaxX) b.MaxX = p.X;
        if (p.Y < b.MinY) b.MinY = p.Y;
        if (p.Y > b.MaxY) b.MaxY = p.Y;
    }
    return b;
}

bool IsFinite(const HatchOutline& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const PlanPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
}

PlanPoint FarPoint(float farX, float yLow, float yHigh) {
    return {static_cast<float>(farX - FarPointShift), (yLow + yHigh) / 2};
}

// One set of parallel lines: the outlines are turned by angleRad so that the lines run along x,
// swept from the bottom of outline 0 upwards, and the inside pieces turned back.
void SweepOneSet(const std::vector<HatchOutline>& outlines, float angleRad, float spacing, int32_t pattern,
                 std::vector<HatchSegment>& out) {
    const PointTurn turn = ClockwiseTurn(angleRad), back = CounterClockwiseTurn(angleRad);
    std::vector<HatchOutline> turned(outlines.size());
    for (size_t p = 0; p < outlines.size(); ++p) {
        turned[p].resize(outlines[p].size());
        for (size_t k = 0; k < outlines[p].size(); ++k)
            TurnPoint(turn, outlines[p][k].X, outlines[p][k].Y, turned[p][k].X, turned[p][k].Y);
    }
    Bounds b = BoundsOf(turned[0]);
    const float minX = b.MinX - SweepOverhang, maxX = b.MaxX + SweepOverhang;
    const double smallestStep = pattern > 0 ? std::min<double>(spacing, pattern) : spacing;
    if ((static_cast<double>(b.MaxY) - b.MinY) / smallestStep > MostSweepLines) return;

    std::vector<HorizontalSweep> sweeps;
    for (const HatchOutline& o : turned) sweeps.push_back(PrepareHorizontalSweep(o, minX, maxX, b.MinY, b.MaxY));

    std::vector<float> xs;
    float y = b.MinY;
    int32_t lineNo = 0;
    do {
        ++lineNo;
        xs.clear();
        for (const HorizontalSweep& sweep : sweeps) AppendSweepMeetings(sweep, y, xs);
        if (xs.size() > 1) {
            std::sort(xs.begin(), xs.end());
            // Every neighbouring pair is tried: the inside test, not the pair's place in the list,
            // decides which pieces lie inside.
            for (size_t m = 0; m + 1 < xs.size(); ++m) {
                if (!(std::fabs(xs[m + 1] - xs[m]) > ShortestPiece)) continue;
                const float mid = (xs[m] + xs[m + 1]) / 2;
                if (!IsPointInPolygonWithHoles(turned, mid, y, minX, b.MinY, b.MaxY)) continue;
                HatchSegment s;
                TurnPoint(back, xs[m], y, s.X1, s.Y1);
                TurnPoint(back, xs[m + 1], y, s.X2, s.Y2);
                out.push_back(s);
            }
        }
        const float step = pattern > 0 && lineNo % 2 == 1 ? static_cast<float>(pattern) : spacing;
        const float next = y + step;
        if (!(next > y)) break;  // so far from the origin that the step no longer moves the sweep
        y = next;
    } while (y < b.MaxY);
}

}  // namespace

std::vector<HatchSegment> ComputeHatchSegments(std::span<const HatchOutline> outlines, float spacing,
                                               float angleDeg, int32_t pattern) {
    std::vector<HatchSegment> segments;
    if (outlines.empty() || outlines[0].size() < 3 || !IsFinite(outlines[0])) return segments;
    if (!(spacing > 0) || !std::isfinite(spacing) || !std::isfinite(angleDeg)) return segments;
    std::vector<HatchOutline> usable{outlines[0]};
    for (size_t p = 1; p < outlines.size(); ++p)
        if (outlines[p].size() >= 3 && IsFinite(outlines[p])) usable.push_back(outlines[p]);

    SweepOneSet(usable, DegToRad(angleDeg), spacing, pattern, segments);
    if (pattern == CrossHatch) SweepOneSet(usable, DegToRad(GetAnglePlus90(angleDeg)), spacing, pattern, segments);
    return segments;
}

const std::vector<HatchSegment>& CachedHatchSegments(HatchLineCache& cache, std::span<const HatchOutline> outlines,
                                                     float spacing, float angleDeg, int32_t pattern) {
    size_t words = 4;
    for (const HatchOutline& outline : outlines) words += 1 + 2 * outline.size();
    HatchLineCache::Key key;
    key.reserve(words);
    key.insert(key.end(), {std::bit_cast<uint32_t>(spacing), std::bit_cast<uint32_t>(angleDeg),
                           std::bit_cast<uint32_t>(pattern), static_cast<uint32_t>(outlines.size())});
    for (const HatchOutline& outline : outlines) {
        key.push_back(static_cast<uint32_t>(outline.size()));
        for (const PlanPoint& p : outline) {
            key.push_back(std::bit_cast<uint32_t>(p.X));
            key.push_back(std::bit_cast<uint32_t>(p.Y));
        }
    }
    if (const std::vector<HatchSegment>* kept = cache.Find(key)) return *kept;
    return cache.Keep(std::move(key), ComputeHatchSegments(outlines, spacing, angleDeg, pattern));
}

void DrawHatch(PlanOutput& out, std::span<const PlanPoint> points, float spacing, float angleDeg, int32_t pattern,
               int32_t layer, LineStyle style, HatchLineCache* cache) {
    const HatchOutline outline(points.begin(), points.end());
    DrawHatchMulti(out, {&outline, 1}, spacing, angleDeg, pattern, layer, style, cache);
}

void DrawHatchMulti(PlanOutput& out, std::span<const HatchOutline> outlines, float spacing, float angleDeg,
                    int32_t pattern, int32_t layer, LineStyle style, HatchLineCache* cache) {
    if (outlines.empty()) return;
    if (cache != nullptr) {
        out.Hatch(CachedHatchSegments(*cache, outlines, spacing, angleDeg, pattern), outlines[0], layer, style);
        return;
    }
    out.Hatch(ComputeHatchSegments(outlines, spacing, angleDeg, pattern), outlines[0], layer, style);
}

bool FindHatchLineCrossings(std::span<const PlanPoint> points, float x, float y, float farX, float yLow,
                            float yHigh) {
    const PlanPoint far = FarPoint(farX, yLow, yHigh);
    return CountSegmentsCrossing(x, y, far.X, far.Y, points) % 2 == 1;
}

bool IsPointInPolygonWithHoles(std::span<const HatchOutline> outlines, float x, float y, float farX, float yLow,
                               float yHigh) {
    if (outlines.empty()) return false;
    const PlanPoint far = FarPoint(farX, yLow, yHigh);
    if (CountSegmentsCrossing(x, y, far.X, far.Y, outlines[0]) % 2 == 0) return false;
    for (size_t p = 1; p < outlines.size(); ++p)
        if (CountSegmentsCrossing(x, y, far.X, far.Y, outlines[p]) % 2 == 1) return false;
    return true;
}

// The hatch sweep against the edge-by-edge sweep it replaced, to the bit, over seeded random
// outlines of every awkward kind: vertices on sweep lines, collinear and repeated vertices, holes
// inside, outside and degenerate, coordinates far from the origin, huge or tiny, and no numbers.
#include "drawing/Hatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"
#include "tests/support/AwkwardNumbers.h"

namespace {

// The sweep as it stood when every sweep line and every inside test intersected every edge, and
// every point was turned with its own cosine and sine; kept only as the reference.
namespace reference {

constexpr double FarPointShift = 37.74957;
constexpr float SweepOverhang = 1000.0f;
constexpr float ShortestPiece = 0.01f;
constexpr double MostSweepLines = 100000.0;
constexpr double FullTurn = 6.28318530717959;

void RotateSnapped(float x, float y, double angleRad, float& outX, float& outY) {
    float c = static_cast<float>(std::cos(angleRad));
    float s = static_cast<float>(std::sin(angleRad));
    if (std::fabs(c) < 1e-6f) c = 0;
    if (std::fabs(s) < 1e-6f) s = 0;
    outX = c * x + s * y;
    outY = c * y - s * x;
}

struct Bounds {
    float MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

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

int32_t ProperCrossings(std::span<const PlanPoint> points, float x, float y, float fx, float fy) {
    int32_t count = 0;
    const size_t n = points.size();
    for (size_t k = 0; k < n; ++k) {
        const PlanPoint& a = points[k];
        const PlanPoint& b = points[(k + 1) % n];
        float ix = 0, iy = 0;
        if (IntersectSegments(x, y, fx, fy, a.X, a.Y, b.X, b.Y, ix, iy) == IntersectionCode::SegmentsCross) ++count;
    }
    return count;
}

PlanPoint FarPoint(float farX, float yLow, float yHigh) {
    return {static_cast<float>(farX - FarPointShift), (yLow + yHigh) / 2};
}

bool IsPointInPolygonWithHoles(std::span<const HatchOutline> outlines, float x, float y, float farX, float yLow,
                               float yHigh) {
    if (outlines.empty()) return false;
    const PlanPoint far = FarPoint(farX, yLow, yHigh);
    if (ProperCrossings(outlines[0], x, y, far.X, far.Y) % 2 == 0) return false;
    for (size_t p = 1; p < outlines.size(); ++p)
        if (ProperCrossings(outlines[p], x, y, far.X, far.Y) % 2 == 1) return false;
    return true;
}

void CollectCrossings(const HatchOutline& turned, float minX, float maxX, float y, std::vector<float>& xs) {
    const size_t n = turned.size();
    for (size_t k = 0; k < n; ++k) {
        const PlanPoint& a = turned[k];
        const PlanPoint& b = turned[(k + 1) % n];
        float ix = 0, iy = 0;
        if (IntersectSegments(minX, y, maxX, y, a.X, a.Y, b.X, b.Y, ix, iy) > IntersectionCode::LinesMeetOutside)
            xs.push_back(ix);
    }
}

void SweepOneSet(const std::vector<HatchOutline>& outlines, float angleRad, float spacing, int32_t pattern,
                 std::vector<HatchSegment>& out) {
    std::vector<HatchOutline> turned(outlines.size());
    for (size_t p = 0; p < outlines.size(); ++p) {
        turned[p].resize(outlines[p].size());
        for (size_t k = 0; k < outlines[p].size(); ++k)
            RotateSnapped(outlines[p][k].X, outlines[p][k].Y, angleRad, turned[p][k].X, turned[p][k].Y);
    }
    Bounds b = BoundsOf(turned[0]);
    const float minX = b.MinX - SweepOverhang, maxX = b.MaxX + SweepOverhang;
    const double smallestStep = pattern > 0 ? std::min<double>(spacing, pattern) : spacing;
    if ((static_cast<double>(b.MaxY) - b.MinY) / smallestStep > MostSweepLines) return;

    std::vector<float> xs;
    float y = b.MinY;
    int32_t lineNo = 0;
    do {
        ++lineNo;
        xs.clear();
        for (const HatchOutline& o : turned) CollectCrossings(o, minX, maxX, y, xs);
        if (xs.size() > 1) {
            std::sort(xs.begin(), xs.end());
            for (size_t m = 0; m + 1 < xs.size(); ++m) {
                if (!(std::fabs(xs[m + 1] - xs[m]) > ShortestPiece)) continue;
                const float mid = (xs[m] + xs[m + 1]) / 2;
                if (!reference::IsPointInPolygonWithHoles(turned, mid, y, minX, b.MinY, b.MaxY)) continue;
                HatchSegment s;
                RotateSnapped(xs[m], y, FullTurn - angleRad, s.X1, s.Y1);
                RotateSnapped(xs[m + 1], y, FullTurn - angleRad, s.X2, s.Y2);
                out.push_back(s);
            }
        }
        const float step = pattern > 0 && lineNo % 2 == 1 ? static_cast<float>(pattern) : spacing;
        const float next = y + step;
        if (!(next > y)) break;
        y = next;
    } while (y < b.MaxY);
}

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

}  // namespace reference

struct HatchCase {
    std::vector<HatchOutline> outlines;
    float spacing = 10, angle = 0;
    int32_t pattern = 0;
};

// Some 2 to 60 sweep lines across the outline whatever the angle; at times a whole number, so
// that grid vertices fall on sweep lines, and now and then no usable spacing at all.
float RandomSpacing(AwkwardNumbers& numbers, const HatchOutline& outline) {
    float extent = 0;
    for (const PlanPoint& p : outline)
        extent = std::max({extent, std::fabs(p.X - outline[0].X), std::fabs(p.Y - outline[0].Y)});
    if (numbers.OneIn(60)) return numbers.OneIn(2) ? numbers.Special() : -1.0f;
    if (numbers.OneIn(60)) return extent * 1.0e-6f;  // far too fine: nothing
    const float spacing = 1.5f * extent / static_cast<float>(numbers.Between(2, 40));
    if (numbers.OneIn(3) && spacing >= 1) return std::round(spacing);
    return spacing > 0 ? spacing : 1;
}

float RandomAngle(AwkwardNumbers& numbers) {
    const float plain[] = {0, 90, 180, 270, 45, 360, -90, 30};
    switch (numbers.Below(4)) {
    case 0: return plain[numbers.Below(8)];
    case 1: return static_cast<float>(numbers.Between(-720, 720));
    case 2: return static_cast<float>(numbers.Below(360));
    default: return static_cast<float>(numbers.Between(0, 360));
    }
}

HatchCase RandomHatch(AwkwardNumbers& numbers) {
    HatchCase c;
    const NumberScale scale = numbers.AnyScale();
    const PlanPoint centre = numbers.Centre(scale);
    c.outlines.push_back(numbers.Outline(scale, centre, 14));
    if (numbers.OneIn(8)) {
        // A comb: many crossings on one line, with teeth that end on sweep lines.
        HatchOutline comb{{0, 0}, {static_cast<float>(4 * 20 - 2), 0}};
        for (int i = 19; i >= 0; --i) {
            const float left = 4.0f * static_cast<float>(i), right = left + 2;
            const float top = static_cast<float>(10 + numbers.Below(4) * 10);
            comb.insert(comb.end(), {{right, 10}, {right, top}, {left, top}, {left, 10}});
        }
        c.outlines[0] = comb;
    }
    for (int h = numbers.Below(4); h > 0; --h) {
        // Holes mostly inside the outer outline's box, at times anywhere, short or broken.
        HatchOutline hole = numbers.Outline(scale, centre, 8);
        if (numbers.OneIn(3)) {
            const PlanPoint& a = c.outlines[0][0];
            for (PlanPoint& p : hole) p = {(p.X + a.X) / 2, (p.Y + a.Y) / 2};
        }
        c.outlines.push_back(hole);
    }
    c.spacing = RandomSpacing(numbers, c.outlines[0]);
    c.angle = RandomAngle(numbers);
    const int32_t patterns[] = {0, 0, CrossHatch, 1, 2, 3, 7};
    c.pattern = patterns[numbers.Below(7)];
    if (c.pattern > 0 && c.spacing > 0 && c.spacing < 4) c.pattern = 0;  // keep the sweep short
    return c;
}

std::string Describe(const HatchCase& c) {
    std::string text;
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "spacing %a angle %a pattern %d; outlines:", static_cast<double>(c.spacing),
                  static_cast<double>(c.angle), c.pattern);
    text = buffer;
    for (const HatchOutline& o : c.outlines) {
        text += "\n ";
        for (const PlanPoint& p : o) {
            std::snprintf(buffer, sizeof buffer, " {%a, %a}", static_cast<double>(p.X), static_cast<double>(p.Y));
            text += buffer;
        }
    }
    return text;
}

bool SameBits(const std::vector<HatchSegment>& a, const std::vector<HatchSegment>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const float x[] = {a[i].X1, a[i].Y1, a[i].X2, a[i].Y2}, y[] = {b[i].X1, b[i].Y1, b[i].X2, b[i].Y2};
        if (!SameFloats(x, y, 4)) return false;
    }
    return true;
}

}  // namespace

TEST(HatchSweep, GivesTheSegmentsOfTheEdgeByEdgeSweepToTheBit) {
    AwkwardNumbers numbers(1953);
    int mismatches = 0, segments = 0;
    std::string first;
    for (int i = 0; i < 6000; ++i) {
        const HatchCase c = RandomHatch(numbers);
        const auto got = ComputeHatchSegments(c.outlines, c.spacing, c.angle, c.pattern);
        const auto want = reference::ComputeHatchSegments(c.outlines, c.spacing, c.angle, c.pattern);
        segments += static_cast<int>(want.size());
        if (!SameBits(got, want) && ++mismatches <= 3)
            first += Describe(c) + "\n  " + std::to_string(got.size()) + " segments, expected " +
                     std::to_string(want.size()) + "\n";
    }
    EXPECT_EQ(mismatches, 0) << first;
    EXPECT_GT(segments, 50000);  // the cases hatch, not only refuse
}

TEST(HatchSweep, TheInsideTestsAnswerAsTheEdgeByEdgeCount) {
    AwkwardNumbers numbers(88);
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i) {
        const HatchCase c = RandomHatch(numbers);
        const PlanPoint p = numbers.OneIn(2) ? c.outlines[0][0] : numbers.Point(NumberScale::Grid, {0, 0});
        const float x = p.X + static_cast<float>(numbers.Below(3)) * 0.005f, y = p.Y;
        const float farX = x - static_cast<float>(numbers.Between(0, 2000)), yLow = y - 50, yHigh = y + 30;
        if (IsPointInPolygonWithHoles(c.outlines, x, y, farX, yLow, yHigh) !=
            reference::IsPointInPolygonWithHoles(c.outlines, x, y, farX, yLow, yHigh))
            ++mismatches;
        if (FindHatchLineCrossings(c.outlines[0], x, y, farX, yLow, yHigh) !=
            (reference::ProperCrossings(c.outlines[0], x, y, reference::FarPoint(farX, yLow, yHigh).X,
                                        reference::FarPoint(farX, yLow, yHigh).Y) %
                 2 ==
             1))
            ++mismatches;
    }
    EXPECT_EQ(mismatches, 0);
}

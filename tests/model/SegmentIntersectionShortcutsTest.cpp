// The short ways of the tolerant intersection against the long ones, to the bit: the half-degree
// test by the sine of the angle against two rounded arc tangents, and the counting and sweeping
// helpers against intersecting every edge.
#include "model/geometry/SegmentIntersection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "model/geometry/Geometry.h"
#include "tests/support/AwkwardNumbers.h"

namespace {

// IntersectSegments as it stood when it measured both directions with arc tangents, kept only as
// the reference for its shortcut.
namespace reference {

bool SameEnd(double qx, double qy, double rx, double ry) {
    return std::fabs(qx - rx) < 0.01 && std::fabs(qy - ry) < 0.1;
}

bool Within(double v, double lo, double hi) { return v >= lo && v <= hi; }

double SquaredDistance(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x1) - x2;
    const double dy = static_cast<double>(y1) - y2;
    return dx * dx + dy * dy;
}

bool DirectionsDifferByHalfDegree(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                  float y4) {
    const float a1 = GetSegmentDirectionDeg(x1, y1, x2, y2);
    const float a2 = GetSegmentDirectionDeg(x3, y3, x4, y4);
    float delta = std::fabs(a2 - a1);
    if (delta > 180) delta -= 180;
    return delta >= 0.5f && std::fabs(180 - delta) >= 0.5f;
}

void PlaceNearlyParallelMeeting(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                                float& ix, float& iy, float& jx, float& jy) {
    struct EndPair {
        float ax, ay, bx, by;
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

}  // namespace reference

// Hexadecimal floats, so that a failing case can be pasted back exactly.
std::string Hex(std::initializer_list<float> values) {
    std::string text;
    char buffer[40];
    for (float v : values) {
        std::snprintf(buffer, sizeof buffer, "%a ", static_cast<double>(v));
        text += buffer;
    }
    return text;
}

// Counts the cases that differ and keeps the first few for the failure message.
struct Mismatches {
    int count = 0;
    std::string first;
    void Add(const std::string& what) {
        if (++count <= 5) first += what + "\n";
    }
};

struct SegmentPair {
    float v[8];
};

PlanPoint Along(PlanPoint from, double angleRad, double length) {
    return {static_cast<float>(from.X + length * std::cos(angleRad)),
            static_cast<float>(from.Y + length * std::sin(angleRad))};
}

// Two segments within about half a degree of parallel or of opposite, of any lengths, near each
// other or apart, so that the shortcut's band around half a degree is crossed often.
SegmentPair NearlyParallelPair(AwkwardNumbers& numbers) {
    const NumberScale scale = numbers.OneIn(3) ? NumberScale::Plan : numbers.AnyScale();
    const PlanPoint start = numbers.Point(scale, numbers.Centre(scale));
    const double degree = std::numbers::pi / 180;
    const double direction = numbers.OneIn(4) ? numbers.Below(4) * 90 * degree : numbers.Between(0, 360) * degree;
    double apart = numbers.Between(0.40, 0.60) * (numbers.OneIn(2) ? 1 : -1);
    if (numbers.OneIn(4)) apart = numbers.Between(-0.05, 0.05);
    if (numbers.OneIn(2)) apart += 180;
    const double length1 = std::pow(10.0, numbers.Between(-4.5, 4));
    const double length2 = std::pow(10.0, numbers.Between(-4.5, 4));
    const PlanPoint end = Along(start, direction, length1);
    const PlanPoint from = Along(start, direction + numbers.Between(-3, 3), std::pow(10.0, numbers.Between(-3, 3)));
    const PlanPoint to = Along(from, direction + apart * degree, length2);
    return {{start.X, start.Y, end.X, end.Y, from.X, from.Y, to.X, to.Y}};
}

// Segments of any kind, one of them at times so short across one axis that its direction snaps.
SegmentPair AnyPair(AwkwardNumbers& numbers) {
    const NumberScale scale = numbers.AnyScale();
    const PlanPoint centre = numbers.Centre(scale);
    SegmentPair pair;
    for (int k = 0; k < 4; ++k) {
        const PlanPoint p = numbers.Point(scale, centre);
        pair.v[2 * k] = p.X;
        pair.v[2 * k + 1] = p.Y;
    }
    if (numbers.OneIn(3)) {
        const int k = numbers.Below(2) * 4 + numbers.Below(2);
        pair.v[k + 2] = pair.v[k] + static_cast<float>(numbers.Between(-2e-4, 2e-4));
    }
    return pair;
}

}  // namespace

TEST(IntersectSegmentsShortcut, AnswersAsTheRoundedArcTangentsDoToTheBit) {
    AwkwardNumbers numbers(20250611);
    Mismatches mismatches;
    for (int i = 0; i < 300000; ++i) {
        const SegmentPair p = i % 2 == 0 ? NearlyParallelPair(numbers) : AnyPair(numbers);
        const float* v = p.v;
        float got[4] = {-7, -7, 5, 5}, want[4] = {-7, -7, 5, 5};
        const int32_t code = IntersectSegments(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], got[0], got[1],
                                               got[2], got[3]);
        const int32_t expected = reference::IntersectSegments(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7],
                                                              want[0], want[1], want[2], want[3]);
        if (code != expected || !SameFloats(got, want, 4))
            mismatches.Add(Hex({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]}) + "code " + std::to_string(code) +
                           " expected " + std::to_string(expected));
    }
    EXPECT_EQ(mismatches.count, 0) << mismatches.first;
}

namespace {

// A point that the tolerances make awkward against the outline: on a vertex, just off one by
// the end tolerances, halfway along an edge, or anywhere.
PlanPoint AwkwardPointNear(AwkwardNumbers& numbers, const std::vector<PlanPoint>& outline, NumberScale scale) {
    const PlanPoint v = outline[static_cast<size_t>(numbers.Below(static_cast<int>(outline.size())))];
    const PlanPoint w = outline[static_cast<size_t>(numbers.Below(static_cast<int>(outline.size())))];
    const float steps[] = {0, 0.005f, -0.005f, 0.0099f, 0.01f, 0.05f, -0.099f, 0.1f, 0.11f};
    switch (numbers.Below(4)) {
    case 0: return v;
    case 1: return {v.X + steps[numbers.Below(9)], v.Y + steps[numbers.Below(9)]};
    case 2: return {(v.X + w.X) / 2, (v.Y + w.Y) / 2};
    default: return numbers.Point(scale, numbers.Centre(scale));
    }
}

}  // namespace

TEST(CountSegmentsCrossing, CountsWhatIntersectingEveryEdgeCounts) {
    AwkwardNumbers numbers(7031);
    Mismatches mismatches;
    for (int i = 0; i < 60000; ++i) {
        const NumberScale scale = numbers.AnyScale();
        const std::vector<PlanPoint> outline = numbers.Outline(scale, numbers.Centre(scale), 12);
        const PlanPoint p1 = AwkwardPointNear(numbers, outline, scale);
        // Mostly the inside test's far point: well left of the outline, at some height.
        PlanPoint p2 = AwkwardPointNear(numbers, outline, scale);
        if (numbers.OneIn(2)) p2 = {p1.X - 1037.74957f - static_cast<float>(numbers.Between(0, 5000)), p2.Y};
        int32_t expected = 0;
        for (size_t k = 0; k < outline.size(); ++k) {
            const PlanPoint& a = outline[k];
            const PlanPoint& b = outline[(k + 1) % outline.size()];
            float ix = 0, iy = 0;
            if (IntersectSegments(p1.X, p1.Y, p2.X, p2.Y, a.X, a.Y, b.X, b.Y, ix, iy) ==
                IntersectionCode::SegmentsCross)
                ++expected;
        }
        const int32_t count = CountSegmentsCrossing(p1.X, p1.Y, p2.X, p2.Y, outline);
        if (count != expected)
            mismatches.Add(Hex({p1.X, p1.Y, p2.X, p2.Y}) + "outline of " + std::to_string(outline.size()) +
                           ": counted " + std::to_string(count) + " expected " + std::to_string(expected));
    }
    EXPECT_EQ(mismatches.count, 0) << mismatches.first;
    EXPECT_EQ(CountSegmentsCrossing(0, 0, 1, 1, {}), 0);
}

namespace {

// An edge whose line passes within the end tolerance of (x, y) without coming near that height:
// IntersectSegments codes it MeetAtP1 or MeetAtP2 against a sweep segment ending there.
void AddEdgeAimedAt(AwkwardNumbers& numbers, std::vector<PlanPoint>& outline, float x, float y) {
    const double aim = x + numbers.Between(-0.02, 0.02);
    const double run = numbers.Between(-20, 20);  // per unit of rise, across the steep limit of 16
    const double near = numbers.Between(0.05, 500) * (numbers.OneIn(2) ? 1 : -1);
    const double far = near * numbers.Between(1.01, 4);
    outline.push_back({static_cast<float>(aim + run * near), static_cast<float>(y + near)});
    outline.push_back({static_cast<float>(aim + run * far), static_cast<float>(y + far)});
}

// An edge within a degree or so of level.
void AddNearlyLevelEdge(AwkwardNumbers& numbers, std::vector<PlanPoint>& outline, PlanPoint from) {
    const double rise = std::tan(numbers.Between(-1.2, 1.2) * std::numbers::pi / 180);
    const double run = numbers.Between(-3000, 3000);
    outline.push_back(from);
    outline.push_back({static_cast<float>(from.X + run), static_cast<float>(from.Y + run * rise)});
}

// An edge far shorter than the tolerances, somewhere inside the box of the sweep.
void AddShortEdge(AwkwardNumbers& numbers, std::vector<PlanPoint>& outline, float xLow, float xHigh, float yLow,
                  float yHigh) {
    const PlanPoint from{static_cast<float>(numbers.Between(xLow, xHigh)),
                         static_cast<float>(numbers.Between(yLow, yHigh))};
    const double run = std::pow(10.0, numbers.Between(-6, -2)) * (numbers.OneIn(2) ? 1 : -1);
    const double rise = std::pow(10.0, numbers.Between(-6, -2)) * (numbers.OneIn(2) ? 1 : -1);
    outline.push_back(from);
    outline.push_back({static_cast<float>(from.X + run), static_cast<float>(from.Y + rise)});
}

}  // namespace

TEST(AppendSweepMeetings, GivesWhatIntersectingEveryEdgeGivesInTheSameOrder) {
    AwkwardNumbers numbers(4242);
    Mismatches mismatches;
    for (int i = 0; i < 8000; ++i) {
        const NumberScale scale = numbers.AnyScale();
        std::vector<PlanPoint> outline = numbers.Outline(scale, numbers.Centre(scale), 12);
        // The sweep of a hatch: 1000 beyond the outline on either side, from its bottom to its top.
        float minX = outline[0].X, maxX = minX, yLow = outline[0].Y, yHigh = yLow;
        for (const PlanPoint& p : outline) {
            minX = std::min(minX, p.X);
            maxX = std::max(maxX, p.X);
            yLow = std::min(yLow, p.Y);
            yHigh = std::max(yHigh, p.Y);
        }
        minX -= 1000;
        maxX += 1000;
        if (numbers.OneIn(8)) maxX = minX + static_cast<float>(numbers.Between(0, 2));
        // Heights inside the prepared range, and two outside it.
        std::vector<float> ys{yLow, yHigh, static_cast<float>(numbers.Between(yLow, yHigh)), yLow - 5, yHigh + 5};
        if (numbers.OneIn(2))
            AddEdgeAimedAt(numbers, outline, numbers.OneIn(2) ? minX : maxX, ys[2 + numbers.Below(3)]);
        if (numbers.OneIn(3)) AddNearlyLevelEdge(numbers, outline, numbers.Point(scale, numbers.Centre(scale)));
        if (numbers.OneIn(3)) AddShortEdge(numbers, outline, minX + 1000, maxX - 1000, yLow, yHigh);
        for (const PlanPoint& p : outline)
            for (float step : {0.0f, 0.1f, -0.1f})
                for (float y : {p.Y + step, std::nextafter(p.Y + step, 0.0f), std::nextafter(p.Y + step, 1e30f)})
                    ys.push_back(y);

        const HorizontalSweep sweep = PrepareHorizontalSweep(outline, minX, maxX, yLow, yHigh);
        for (float y : ys) {
            std::vector<float> expected, xs{-1};
            expected.push_back(-1);
            for (size_t k = 0; k < outline.size(); ++k) {
                const PlanPoint& a = outline[k];
                const PlanPoint& b = outline[(k + 1) % outline.size()];
                float ix = 0, iy = 0;
                if (IntersectSegments(minX, y, maxX, y, a.X, a.Y, b.X, b.Y, ix, iy) >
                    IntersectionCode::LinesMeetOutside)
                    expected.push_back(ix);
            }
            AppendSweepMeetings(sweep, y, xs);
            if (xs.size() != expected.size() || !SameFloats(xs.data(), expected.data(), xs.size()))
                mismatches.Add(Hex({minX, maxX, yLow, yHigh, y}) + "outline of " + std::to_string(outline.size()) +
                               ": " + std::to_string(xs.size() - 1) + " meetings, expected " +
                               std::to_string(expected.size() - 1));
        }
    }
    EXPECT_EQ(mismatches.count, 0) << mismatches.first;
}

// Upper bars along rows of slabs. Every designed section keeps these rules, checked on its records:
// - bare: top steel asked at a point or along a stretch inside the bar zone lies under a bar;
// - too long: no bar is longer than the longest bar;
// - short: the bars over a point that asks for top steel give its area, unless one of them has
//   the most bars a record takes and the design says so;
// - crowded: no point lies under more than two bars, overlapping bars lie at different places,
//   and a lap the mend makes over steel that goes on past the bars before is 70 cm;
// - short joint: where the asked steel goes on past the end of a bar inside the bar zone, a bar
//   that carries it on from there laps it by at least 70 cm, or holds it wholly;
// - out of the zone: every bar end lies in the bar zone (the section's ends less the 2 cm cover),
//   hooks only where a bar ends at a section end at which the scan had one;
// - reaching far: where bars lie but the scan laid none and no steel is asked, they reach at most
//   a lap past steel asked or laid, and bridge at most two laps between such steel; so a bar moved
//   back over a bare stretch starts at most 70 cm before it;
// - a scan that keeps all of them is written exactly as it is.
// Sections run along x at y = 200, the slabs one after the other from x = 0 (in a row of n equal
// crossings L, slab j from j·L to (j + 1)·L), the bar zone from -13 to n·L + 13.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "design/BarChoice.h"
#include "design/DesignCommands.h"
#include "design/SectionDesign.h"
#include "design/UpperBarMend.h"
#include "tests/design/SectionFixture.h"
#include "tests/support/DeckSession.h"

namespace {

constexpr float Steel = 1.0f;
constexpr double Lap = 70;
constexpr double Tolerance = 0.05;
// Bar areas are worked in single precision, as the bar choice works them.
constexpr double AreaSlack = 1e-4;
constexpr float NoTopSteel = 0.1f;
// A point at the reach of a near-support profile asks for top steel whatever the rounding.
constexpr double ReachSlack = 0.01;
constexpr int32_t LargerDiameter = 12;

// Where a row's diagrams ask for top steel.
struct TopSteel {
    enum Kind { AllAlong, NearSupports, WholeSlabs, AtPoints } kind = AllAlong;
    double reach = 0;                           // NearSupports: a share of the diagram from either end
    std::vector<bool> slabs = {};               // WholeSlabs: the slabs that ask for it all along
    std::vector<std::vector<bool>> points = {};  // AtPoints: per slab, the points that ask for it

    bool Asks(size_t slab, size_t point, double position, double length) const {
        switch (kind) {
            case NearSupports:
                return position <= reach * length + ReachSlack || length - position <= reach * length + ReachSlack;
            case WholeSlabs:
                return slabs.at(slab);
            case AtPoints:
                return points.at(slab).at(point);
            default:
                return true;
        }
    }
};

// The row laid in the fixture, its diagrams as long as the crossings unless `diagrams` says
// otherwise; `steel` gives the area where the profile asks for top steel.
void LayRow(SectionFixture& f, const std::vector<float>& crossings, const std::vector<int32_t>& points,
            const TopSteel& profile, const std::function<float()>& steel, std::vector<float> diagrams = {}) {
    if (diagrams.empty()) diagrams = crossings;
    for (size_t j = 0; j < crossings.size(); ++j) {
        const int32_t slab = static_cast<int32_t>(j);
        if (diagrams[j] != crossings[j]) f.DiagramLength(slab, diagrams[j]);
        std::vector<float> upper(static_cast<size_t>(points[j]), 0);
        for (size_t i = 0; i < upper.size(); ++i) {
            const double position = upper.size() > 1 ? diagrams[j] * static_cast<double>(i) / (upper.size() - 1) : 0;
            if (profile.Asks(j, i, position, diagrams[j])) upper[i] = steel();
        }
        f.Diagram(slab, upper);
    }
}

double From(const UpperRebar& b) { return std::min(b.X1, b.X2); }
double To(const UpperRebar& b) { return std::max(b.X1, b.X2); }
double Length(const UpperRebar& b) { return std::hypot(b.X2 - b.X1, b.Y2 - b.Y1); }
bool Holds(const UpperRebar& b, double at) { return From(b) - Tolerance <= at && at <= To(b) + Tolerance; }
double Area(const UpperRebar& b) { return b.BarCount * std::numbers::pi * b.Diameter * b.Diameter / 400; }
bool Near(double a, double b) { return std::fabs(a - b) <= Tolerance; }

struct Span {
    double from, to;
};
struct AskedPoint {
    double at;
    float steel;
};

// A row as the rules see it: where steel is asked, the bar zone and what the scan laid.
struct Row {
    double zoneFrom = 0, zoneTo = 0;
    int32_t longest = 0;
    std::vector<AskedPoint> points;
    std::vector<Span> stretches;  // between neighbouring points that ask; over a support of no length
    std::vector<UpperRebar> scanned;

    std::vector<Span> Asked() const {
        std::vector<Span> asked = stretches;
        for (const AskedPoint& p : points) asked.push_back({p.at, p.at});
        return asked;
    }
    // Steel asked goes on past `at`.
    bool GoesOn(double at) const {
        return std::any_of(stretches.begin(), stretches.end(),
                           [&](const Span& s) { return s.from <= at + Tolerance && s.to > at + Tolerance; });
    }
    bool ScannedStart(double at) const {
        return std::any_of(scanned.begin(), scanned.end(), [&](const UpperRebar& b) {
            return Near(std::clamp(From(b), zoneFrom, zoneTo), at);
        });
    }
    bool ScannedHook(int32_t flag) const {
        return std::any_of(scanned.begin(), scanned.end(), [&](const UpperRebar& b) { return b.HookFlags & flag; });
    }
};

// A point's place is its slab's entry plus its position.
Row RowOf(const SectionFixture& f) {
    Row row;
    const ReinforcementSections& r = f.model.Reinforcement;
    row.zoneFrom = r.ReinforcementSectionEnds[0][0].X + f.options.LateralCover;
    row.zoneTo = r.ReinforcementSectionEnds[0][1].X - f.options.LateralCover;
    row.longest = f.options.MaxUpperBarLength;
    bool previousAsks = false;
    double previous = 0;
    for (size_t j = 0; j < f.model.FloorSlabs.size(); ++j) {
        const double entry = r.ReinforcementSectionSpans[0][j].X1;
        for (int32_t i = 0; i < f.model.FloorSlabs[j].DiagramPointCount; ++i) {
            const DiagramPoint& p = f.model.FloorSlabDiagram[j][static_cast<size_t>(i)];
            const double at = entry + p.Position;
            const bool asks = p.UpperSteel > NoTopSteel;
            if (asks) row.points.push_back({at, p.UpperSteel});
            if (asks && previousAsks) row.stretches.push_back({std::min(previous, at), std::max(previous, at)});
            previous = at;
            previousAsks = asks;
        }
    }
    row.scanned = ScanUpperBars(f.model, f.options, 0);
    return row;
}

std::vector<UpperRebar> InOrder(std::vector<UpperRebar> bars) {
    std::stable_sort(bars.begin(), bars.end(), [](const auto& a, const auto& b) { return From(a) < From(b); });
    return bars;
}

// The first asked stretch or point that some part of lies under no bar, up to `upTo`.
std::string Bare(const std::vector<UpperRebar>& sorted, const Row& row, double upTo) {
    for (Span s : row.Asked()) {
        if (s.to < row.zoneFrom - Tolerance || s.from > upTo + Tolerance) continue;
        s = {std::clamp(s.from, row.zoneFrom, upTo), std::clamp(s.to, row.zoneFrom, upTo)};
        double covered = s.from;
        bool under = false;
        for (const UpperRebar& b : sorted)
            if (From(b) <= covered + Tolerance && To(b) >= covered - Tolerance) {
                covered = std::max(covered, To(b));
                under = true;
            }
        if (!under || covered < s.to - Tolerance) {
            std::ostringstream out;
            out << "bare from " << covered << " in " << s.from << " - " << s.to << "; ";
            return out.str();
        }
    }
    return {};
}

std::string Short(const std::vector<UpperRebar>& bars, const Row& row, double upTo, bool shortReported) {
    for (const AskedPoint& p : row.points) {
        if (p.at < row.zoneFrom - Tolerance || p.at > upTo + Tolerance) continue;
        const double at = std::clamp(p.at, row.zoneFrom, upTo);
        double area = 0;
        bool atLimit = false;
        for (const UpperRebar& b : bars)
            if (Holds(b, at)) {
                area += Area(b);
                atLimit |= b.BarCount == MaxBarsPerRecord && b.Diameter == LargerDiameter;
            }
        if (!(atLimit && shortReported) && area < p.steel - AreaSlack) {
            std::ostringstream out;
            out << "short at " << at << ": " << area << " for " << p.steel << "; ";
            return out.str();
        }
    }
    return {};
}

std::string Crowded(const std::vector<UpperRebar>& sorted, const Row& row) {
    std::ostringstream out;
    double covered = -std::numeric_limits<double>::infinity();
    for (const UpperRebar& a : sorted) {
        int32_t over = 0;
        for (const UpperRebar& b : sorted) {
            if (From(b) <= From(a) + Tolerance && To(b) > From(a) + Tolerance) ++over;
            if (&a != &b && a.Y1 == b.Y1 && std::min(To(a), To(b)) - std::max(From(a), From(b)) > Tolerance)
                out << "overlapping at one place: " << a << "; ";
        }
        if (over > 2) out << over << " bars over " << From(a) << "; ";
        // A lap over steel that goes on past the bars before, where the scan started no bar.
        const double lap = covered - From(a);
        if (lap > Tolerance && row.GoesOn(covered) && !row.ScannedStart(From(a)) && !Near(From(a), row.zoneFrom) &&
            !Near(lap, Lap))
            out << "lap of " << lap << " at " << a << "; ";
        covered = std::max(covered, To(a));
    }
    return out.str();
}

std::string ShortJoint(const std::vector<UpperRebar>& bars, const Row& row) {
    std::ostringstream out;
    for (const UpperRebar& a : bars) {
        const double end = To(a);
        if (end >= row.zoneTo - Tolerance || !row.GoesOn(end)) continue;
        double longestLap = -std::numeric_limits<double>::infinity();
        for (const UpperRebar& b : bars)
            if (&a != &b && From(b) <= end + Tolerance && To(b) > end + Tolerance)
                longestLap = std::max(longestLap, From(b) <= From(a) + Tolerance ? Lap : end - From(b));
        if (longestLap > -std::numeric_limits<double>::infinity() && longestLap < Lap - Tolerance)
            out << "joint lapped by " << longestLap << " at " << end << "; ";
    }
    return out.str();
}

std::string OutOfZone(const std::vector<UpperRebar>& bars, const Row& row) {
    std::ostringstream out;
    for (const UpperRebar& b : bars) {
        if (From(b) < row.zoneFrom - Tolerance || To(b) > row.zoneTo + Tolerance)
            out << "out of the zone: " << b << "; ";
        if ((b.HookFlags & 1) && !(Near(b.X1, row.zoneFrom) && row.ScannedHook(1)))
            out << "start hook away from the start: " << b << "; ";
        if ((b.HookFlags & 2) && !(Near(b.X2, row.zoneTo) && row.ScannedHook(2)))
            out << "end hook away from the end: " << b << "; ";
    }
    return out.str();
}

// Where bars lie but the scan laid none and no steel is asked: at most a lap at either end of a
// run of overlapping bars, at most two laps between steel asked or laid within it.
std::string ReachingFar(const std::vector<UpperRebar>& sorted, const Row& row) {
    std::vector<Span> laidOrAsked = row.Asked();
    for (const UpperRebar& s : row.scanned) laidOrAsked.push_back({From(s), To(s)});
    std::sort(laidOrAsked.begin(), laidOrAsked.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
    std::vector<Span> runs;
    for (const UpperRebar& b : sorted) {
        if (!runs.empty() && From(b) <= runs.back().to + Tolerance)
            runs.back().to = std::max(runs.back().to, To(b));
        else
            runs.push_back({From(b), To(b)});
    }
    std::ostringstream out;
    for (const Span& run : runs) {
        double at = run.from;
        bool atEnd = true;
        auto check = [&](double next, bool end) {
            if (next - at > (end ? Lap : 2 * Lap) + Tolerance)
                out << "nothing asked or laid from " << at << " to " << next << "; ";
        };
        for (const Span& s : laidOrAsked) {
            if (s.to < at - Tolerance) continue;
            if (s.from > run.to) break;
            if (s.from > at + Tolerance) check(s.from, atEnd);
            atEnd = false;
            at = std::max(at, s.to);
        }
        if (run.to > at + Tolerance) check(run.to, true);
    }
    return out.str();
}

// Every rule the bars break, described; empty when they keep them all. A table cut short keeps
// them up to its last bar.
std::string Broken(const std::vector<UpperRebar>& bars, const Row& row, bool shortReported = false,
                   bool cutShort = false) {
    const std::vector<UpperRebar> sorted = InOrder(bars);
    double upTo = row.zoneTo;
    if (cutShort) {
        double last = row.zoneFrom;
        for (const UpperRebar& b : bars) last = std::max(last, To(b));
        upTo = std::min(upTo, last);
    }
    std::string broken = Bare(sorted, row, upTo) + Short(bars, row, upTo, shortReported) + Crowded(sorted, row) +
                         ShortJoint(bars, row) + OutOfZone(bars, row) + ReachingFar(sorted, row);
    for (const UpperRebar& b : bars)
        if (Length(b) > row.longest + Tolerance) broken += "too long: " + ::testing::PrintToString(b) + "; ";
    return broken;
}

UpperRebar Bar(float from, float to, bool alternate, int32_t hooks) {
    return UpperAlongX(12, 1, from, to, alternate ? 240 : 215, hooks);
}
UpperRebar Bars(int32_t diameter, int32_t count, float from, float to, bool alternate, int32_t hooks) {
    return UpperAlongX(diameter, count, from, to, alternate ? 240 : 215, hooks);
}

TEST(UpperBarRows, PiecesOfTheRow) {
    const TopSteel all{TopSteel::AllAlong};
    auto near = [](double reach) { return TopSteel{TopSteel::NearSupports, reach}; };
    struct Case {
        const char* what;
        std::vector<float> spans;
        int32_t points;
        TopSteel profile;
        int32_t longest;
        std::vector<UpperRebar> bars;
    } cases[] = {
        // The stretch over the support the scan left bare between 452 and 590 is lapped from 382;
        // that piece, 631 long, becomes two.
        {"bare over a support",
         {500, 500},
         5,
         all,
         500,
         {Bar(-13, 452, false, 1), Bar(382, 732.5f, true, 0), Bar(662.5f, 1013, false, 2)}},
        // 452 to 465 and 930 to 965 were bare.
        {"bare after cuts at the longest length",
         {1000},
         21,
         all,
         500,
         {Bar(-13, 452, false, 1), Bar(382, 691, true, 0), Bar(621, 930, false, 0), Bar(860, 1013, true, 2)}},
        // 765 to 805 was bare next to the support.
        {"bare next to a support",
         {600, 600},
         11,
         near(0.4),
         500,
         {Bar(-13, 300, false, 1), Bar(300, 765, false, 0), Bar(695, 900, true, 0), Bar(900, 1213, false, 2)}},
        // One piece of 700 over the support.
        {"too long over a support",
         {700, 700},
         5,
         near(0.3),
         500,
         {Bar(-13, 350, false, 1), Bar(350, 735, false, 0), Bar(665, 1050, true, 0), Bar(1050, 1413, false, 2)}},
        // Two pieces of 513 at the ends.
        {"too long at the ends",
         {1500},
         7,
         near(0.3),
         500,
         {Bar(-13, 278.5f, false, 1), Bar(208.5f, 500, true, 0), Bar(1000, 1291.5f, false, 0),
          Bar(1221.5f, 1513, true, 2)}},
        // Sound sections as the scan lays them.
        {"one bar all along", {500, 500}, 11, all, 1200, {Bar(-13, 1013, false, 3)}},
        {"split past the middle of the previous slab",
         {500, 500, 500},
         11,
         all,
         1200,
         {Bar(-13, 835, false, 1), Bar(765, 1513, true, 2)}},
        // Split 35 past the middle point of the second slab, the next piece 35 before it: a lap
        // of 70 that stays as the scan made it.
        {"split far past the middle",
         {500, 500, 500, 500},
         21,
         all,
         1200,
         {Bar(-13, 785, false, 1), Bar(715, 1785, true, 0), Bar(1715, 2013, false, 2)}},
        {"near the supports of short spans",
         {500, 500, 500},
         11,
         near(0.25),
         500,
         {Bar(-13, 150, false, 1), Bar(350, 650, false, 0), Bar(850, 1150, false, 0), Bar(1350, 1513, false, 2)}},
    };
    for (const Case& c : cases) {
        SectionFixture f(c.spans);
        f.options.MaxUpperBarLength = c.longest;
        LayRow(f, c.spans, std::vector<int32_t>(c.spans.size(), c.points), c.profile, [] { return Steel; });
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(f.Design().Any());
        ExpectBars(f.Upper(), c.bars);
    }
}

TEST(UpperBarRows, TheMendFollowsTheSectionWhateverItsSpanAngle) {
    // The bare stretch over the support of two slabs of 500 at 5 points, with bars of 500; the
    // pieces lie on the side of the span direction's left normal, 15 and 40 cm from the line.
    struct Case {
        float angle;
        bool alongY;
        float side;  // +1 when the upper bars lie towards larger x (or y) than the line at 200
    } cases[] = {{180, false, -1}, {90, true, -1}, {270, true, 1}};
    for (const Case& c : cases) {
        const std::vector<float> spans = {500, 500};
        SectionFixture f(spans, c.angle, c.alongY);
        f.options.MaxUpperBarLength = 500;
        LayRow(f, spans, {5, 5}, TopSteel{}, [] { return Steel; });
        f.Design();
        SCOPED_TRACE(c.angle);
        auto bar = [&](float from, float to, float place, int32_t hooks) {
            const float across = 200 + c.side * place;
            const PlanPoint a = c.alongY ? PlanPoint{across, from} : PlanPoint{from, across};
            const PlanPoint b = c.alongY ? PlanPoint{across, to} : PlanPoint{to, across};
            return UpperRebar{
                .Diameter = 12, .X1 = a.X, .X2 = b.X, .Y1 = a.Y, .Y2 = b.Y, .BarCount = 1, .HookFlags = hooks};
        };
        ExpectBars(f.Upper(), {bar(-13, 452, 15, 1), bar(382, 732.5f, 40, 0), bar(662.5f, 1013, 15, 2)});
    }
}

TEST(UpperBarRows, PiecesTheMendAddsBeyondTheTableAreReported) {
    // 25 slabs of 1000 with top steel all along and bars of 500: four pieces a slab once mended,
    // beyond the table. The ones written still keep the rules up to the last of them.
    const std::vector<float> spans(25, 1000);
    SectionFixture f(spans);
    f.options.MaxUpperBarLength = 500;
    LayRow(f, spans, std::vector<int32_t>(spans.size(), 21), TopSteel{}, [] { return Steel; });
    ASSERT_LE(ScanUpperBars(f.model, f.options, 0).size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
    EXPECT_TRUE(f.Design().TooManyRebars);
    const std::vector<UpperRebar> bars = f.Upper();
    ASSERT_EQ(bars.size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
    EXPECT_EQ(Broken(bars, RowOf(f), false, true), "");
}

// A diagram of `count` points asking for top steel only at the ones given.
std::vector<float> AskingAt(int32_t count, const std::vector<std::pair<int32_t, float>>& asked) {
    std::vector<float> upper(static_cast<size_t>(count), 0);
    for (const auto& [point, steel] : asked) upper.at(static_cast<size_t>(point)) = steel;
    return upper;
}
// Points `first` to `last` asking for `steel`.
std::vector<std::pair<int32_t, float>> PointsAsking(int32_t first, int32_t last, float steel) {
    std::vector<std::pair<int32_t, float>> asked;
    for (int32_t i = first; i <= last; ++i) asked.push_back({i, steel});
    return asked;
}

// Rows whose scans break a rule, mended. On a slanted row of one slab crossed over 577 cm, its
// diagram of 500 cm at 11 points (x 0, 50, …), the scan opens a piece after the point before the
// first that asks, measured back from the slab's end: 77 cm late.
TEST(UpperBarRows, ScansThatBreakARuleAreMended) {
    std::vector<std::pair<int32_t, float>> atTwoEnds = {{0, 4.0f}, {1, 4.0f}};
    for (const auto& p : PointsAsking(5, 10, 4.0f)) atTwoEnds.push_back(p);
    struct Case {
        const char* what;
        std::vector<float> crossings, diagrams;
        std::vector<std::vector<float>> upper;
        int32_t longest;
        std::vector<UpperRebar> bars;
    } cases[] = {
        // Scanned over the supports from 300 to 900 and 900 to 1500, 600 long each: the pieces
        // split from them carry the supports' 2.5 and 3.4 cm², not one bar.
        {"3-point diagrams asking only over the supports",
         {600, 600, 600},
         {},
         {{1.0f, 0, 2.5f}, {2.5f, 0, 3.4f}, {3.4f, 0, 1.0f}},
         500,
         {Bars(12, 1, -13, 300, false, 1), Bars(10, 4, 300, 635, false, 0), Bars(10, 4, 565, 900, true, 0),
          Bars(10, 5, 900, 1235, false, 0), Bars(10, 5, 1165, 1500, true, 0), Bars(12, 1, 1500, 1813, false, 2)}},
        // From 500 to 60 into the next slab, over the one point at the support that asks.
        {"a single point asking over a support",
         {1000, 1000},
         {},
         {AskingAt(3, {{2, 2.5f}}), AskingAt(3, {})},
         500,
         {Bars(10, 4, 500, 815, false, 0), Bars(10, 4, 745, 1060, true, 0)}},
        // 300 to 327 was bare at 4.00 cm² before the only piece.
        {"bare before the first piece of a slanted row",
         {577},
         {500},
         {AskingAt(11, PointsAsking(6, 10, 4.0f))},
         500,
         {Bars(12, 4, 230, 590, false, 2)}},
        // 250 to 277 was bare; nothing is asked from 100 to 250.
        {"a bare gap pulls a piece back a lap, not to the piece before",
         {577},
         {500},
         {AskingAt(11, atTwoEnds)},
         500,
         {Bars(12, 4, -13, 100, false, 1), Bars(12, 4, 180, 590, false, 2)}},
        // 50 to 77 was bare; the piece starts at the zone's start, without the hook the scan never
        // had there, and is split.
        {"a piece moved back stays in the zone",
         {577},
         {500},
         {AskingAt(11, PointsAsking(1, 10, 4.0f))},
         500,
         {Bars(12, 4, -13, 323.5f, false, 0), Bars(12, 4, 253.5f, 590, true, 2)}},
        // The first slab's diagram reaches 200 cm into the second; its steel from 600 to 700 was
        // bare, the next piece 700 cm further on: a piece of its own, not that one moved back.
        {"bare steel far from the next piece",
         {500, 1000},
         {700, 1000},
         {AskingAt(8, PointsAsking(6, 7, 1.0f)), AskingAt(21, {{0, 1.0f}, {1, 1.0f}, {19, 1.0f}, {20, 1.0f}})},
         1200,
         {Bar(300, 600, false, 0), Bar(530, 770, true, 0), Bar(1400, 1513, false, 2)}},
        // The piece from 500 to 550 of the next slab's second point lay in the one from 375 to 60
        // into it, at the same place; its 2.6 cm² go to that one.
        {"a nested pair",
         {500, 500},
         {},
         {AskingAt(5, {{4, 1.0f}}), AskingAt(21, {{1, 2.6f}})},
         1200,
         {Bars(10, 4, 375, 560, false, 0)}},
        // 200 to 600, 440 to 650 and 550 to 750 lay three over 550 to 600.
        {"three pieces over a point",
         {500, 500},
         {600, 600},
         {AskingAt(7, PointsAsking(4, 5, 1.0f)), AskingAt(13, {{0, 1.0f}, {1, 1.0f}, {2, 1.0f}, {4, 1.0f}})},
         1200,
         {Bar(200, 600, false, 0), Bar(550, 750, true, 0)}},
        // Past the diagram's middle the scan's last piece starts at 1265, beyond the end, and runs
        // back to it with the end hook; the one before runs to 1130.
        {"a backwards piece",
         {1000},
         {1300},
         {std::vector<float>(14, Steel)},
         500,
         {Bar(-13, 452, false, 1), Bar(382, 735, true, 0), Bar(665, 1013, false, 2)}},
        // Joints in asked steel lapped by less than 70 cm: each next piece starts 70 before the end
        // of the one before. Cut at the longest length, 452, the next piece started at 437.5.
        {"a lap of 14.5",
         {1350},
         {},
         {std::vector<float>(21, 4.0f)},
         500,
         {Bars(12, 4, -13, 452, false, 1), Bars(12, 4, 382, 710, true, 0), Bars(12, 4, 640, 1105, false, 0),
          Bars(12, 4, 1035, 1363, true, 2)}},
        // Cut at 652, the next piece started at 640.
        {"a lap of 12",
         {1350},
         {},
         {std::vector<float>(21, 4.0f)},
         700,
         {Bars(12, 4, -13, 652, false, 1), Bars(12, 4, 582, 978.5f, true, 0), Bars(12, 4, 908.5f, 1305, false, 0),
          Bars(12, 4, 1235, 1363, true, 2)}},
        // Cut at 452, the next piece started there, 35 before point 8: nothing else was wrong.
        {"a joint end to end",
         {669.625f},
         {},
         {std::vector<float>(12, Steel)},
         500,
         {Bar(-13, 452, false, 1), Bar(382, 682.625f, true, 2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SectionFixture f(c.crossings);
        f.options.MaxUpperBarLength = c.longest;
        for (size_t j = 0; j < c.crossings.size(); ++j) {
            if (!c.diagrams.empty()) f.DiagramLength(static_cast<int32_t>(j), c.diagrams[j]);
            f.Diagram(static_cast<int32_t>(j), c.upper[j]);
        }
        const Row row = RowOf(f);
        EXPECT_NE(Broken(row.scanned, row), "");
        EXPECT_FALSE(f.Design().Any());
        ExpectBars(f.Upper(), c.bars);
        EXPECT_EQ(Broken(f.Upper(), row), "");
    }
}

// The offset deck's two slabs stretched to 600 cm along y: 3-point diagrams asking 2.00 cm² over
// the supports only. The scan's 2 Ø12 from 300 to 900 over the middle support, longer than bars
// of 500, becomes two pieces of 2 Ø12.
TEST(UpperBarRows, TheStretchedOffsetDeckKeepsTheSteelOverItsMiddleSupport) {
    const std::string path = DeckFixture("design-offset/SOLAI.CRP");
    std::string text = FileText(path);
    auto replaceAll = [&](const std::string& from, const std::string& to) {
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    };
    replaceAll("800.00", "1200.00");
    replaceAll("400.00", "600.00");
    replaceAll("200.00 3.00", "300.00 3.00");
    DeckSession deck;
    ASSERT_TRUE(deck.LoadText(path, text));
    deck.design.MaxUpperBarLength = 500;
    DesignAllFloorSlabs(deck, deck.platform);

    const ReinforcementSections& r = deck.model.Reinforcement;
    ASSERT_EQ(r.ReinforcementSectionCount, 1);
    EXPECT_NEAR(r.ReinforcementSectionEnds[0][1].Y, 1215, BarEndTolerance);
    auto upper = [](float y1, float y2, bool alternate, int32_t hooks) {
        const float x = alternate ? 210 : 235;
        return UpperRebar{.Diameter = 12, .X1 = x, .X2 = x, .Y1 = y1, .Y2 = y2, .BarCount = 2, .HookFlags = hooks};
    };
    ExpectBars(UpperBars(deck.model, 0),
               {upper(-13, 300, false, 1), upper(300, 635, false, 0), upper(565, 900, true, 0),
                upper(900, 1213, false, 2)});
}

// Covers of 80 cm leave no bar zone in a section 130 long: the scan's one bar, from 80 past the
// start back to 80 before the end, stands as it is.
TEST(UpperBarRows, ASectionShorterThanItsCoversKeepsItsScan) {
    SectionFixture f({100});
    f.options.LateralCover = 80;
    f.options.MaxUpperBarLength = 500;
    f.UniformDiagram(0, 5, Steel);
    f.Design();
    ExpectBars(f.Upper(), {Bar(65, 35, false, 3)});
}

// On a slanted row the scan's first piece, hooked at the start, ends at 116; the next runs back
// past the start to 624. Cut to the zone, the second starts where the first does (but for
// rounding) and covers it: one piece from the zone's start keeps the hook, split at the longest
// bar, never a second one under it.
TEST(UpperBarRows, APieceRunningBackPastTheStartHoldsTheHookedOneItCovers) {
    const UpperBarSection section{2, 1013, 500, MakeBarSizes(10, 12), 15, 40, 1, 2};
    TopSteelAsked asked;
    for (double x = 15; x + 50 <= 600; x += 50) asked.stretches.push_back({x, x + 50});
    for (double x = 15; x <= 600; x += 50) asked.points.push_back({x, 1.0f});
    const std::vector<UpperPiece> scanned = {{1.99997, 116.488, 15, section.startHook, 1.0f, 0},
                                             {-9.3186, 623.927, 15, 0, 1.0f, 1}};
    const std::vector<UpperPiece> mended = MendUpperPieces(scanned, asked, section);
    EXPECT_TRUE(UpperPiecesKeepRules(mended, asked, section));
    ASSERT_EQ(mended.size(), 2u);
    EXPECT_NEAR(mended[0].from, 2, 1e-3);
    EXPECT_EQ(mended[0].hooks, section.startHook);
    EXPECT_NEAR(mended[1].from, mended[0].to - MendLap, 1e-3);
    EXPECT_NEAR(mended[1].to, 623.927, 1e-3);
    EXPECT_EQ(mended[1].hooks, 0);
}

// A row drawn at random: 1 to 5 slabs crossed over 200 to 1500 cm, 3 to 21 diagram points each,
// a longest bar of 500 to 1200; top steel all along, near the supports, in whole slabs, at the
// supports of 3-point diagrams (now and then at one of them only) or at scattered points; in half
// of the rows the diagrams are shorter or longer than the crossings, as where a section runs
// slanted, and now and then more steel is asked than any bar count gives.
struct RandomRow {
    std::vector<float> crossings, diagrams;
    std::vector<int32_t> points;
    TopSteel profile;
    int32_t longest = 0;
    int32_t mostSteel = 0;  // tenths of cm²

    static RandomRow Draw(std::mt19937& random) {
        auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        RandomRow r;
        const size_t n = static_cast<size_t>(uniform(1, 5));
        r.profile.kind = static_cast<TopSteel::Kind>(std::min(uniform(0, 4), 3));
        const bool supportsOnly = r.profile.kind == TopSteel::AtPoints && uniform(0, 1) == 0;
        const bool slanted = uniform(0, 1) == 0;
        r.profile.reach = uniform(10, 45) / 100.0;
        for (size_t j = 0; j < n; ++j) {
            r.crossings.push_back(static_cast<float>(uniform(200, 1500)));
            const float share = slanted ? static_cast<float>(uniform(75, 130)) / 100 : 1;
            r.diagrams.push_back(r.crossings[j] * share);
            r.points.push_back(supportsOnly ? 3 : uniform(3, 21));
            r.profile.slabs.push_back(uniform(0, 1) == 1);
            std::vector<bool> asks;
            for (int32_t i = 0; i < r.points[j]; ++i)
                asks.push_back(supportsOnly ? i != 1 && uniform(0, 3) > 0 : uniform(0, 1) == 1);
            r.profile.points.push_back(asks);
        }
        r.longest = uniform(500, 1200);
        r.mostSteel = uniform(0, 29) == 0 ? 700 : 30;
        return r;
    }

    std::string Describe() const {
        std::ostringstream out;
        out << "longest " << longest << ", kind " << profile.kind << ", crossing/diagram/points";
        for (size_t j = 0; j < crossings.size(); ++j)
            out << " " << crossings[j] << "/" << diagrams[j] << "/" << points[j];
        return out.str();
    }
};

// Rows drawn with a fixed seed. A scan that keeps the rules is written as it is; any other is
// mended within them.
TEST(UpperBarRows, RandomRowsKeepTheRules) {
    constexpr int RowCount = 500;
    std::mt19937 random(20261212);
    int kept = 0, mended = 0, slantedMended = 0, pointsMended = 0, jointsMended = 0, beyondAnyCount = 0;
    for (int row = 0; row < RowCount; ++row) {
        const RandomRow r = RandomRow::Draw(random);
        SectionFixture f(r.crossings);
        f.options.MaxUpperBarLength = r.longest;
        LayRow(f, r.crossings, r.points, r.profile,
               [&] { return static_cast<float>(std::uniform_int_distribution<int>(2, r.mostSteel)(random)) / 10; },
               r.diagrams);
        const Row rules = RowOf(f);
        const DesignWarnings warnings = f.Design();
        const std::vector<UpperRebar> bars = f.Upper();
        SCOPED_TRACE("row " + std::to_string(row) + ": " + r.Describe());

        if (Broken(rules.scanned, rules, true).empty()) {
            ++kept;
            EXPECT_EQ(bars, rules.scanned);
            continue;
        }
        ++mended;
        slantedMended += r.diagrams != r.crossings;
        pointsMended += r.profile.kind == TopSteel::AtPoints;
        jointsMended += !ShortJoint(rules.scanned, rules).empty();
        beyondAnyCount += warnings.BarCountShort;
        EXPECT_EQ(Broken(bars, rules, warnings.BarCountShort, warnings.TooManyRebars), "");
        if (warnings.TooManyRebars) {
            EXPECT_EQ(bars.size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
        }
    }
    // The rows exercise the mend, on slanted rows, scattered or support-only steel and short
    // joints too and where no bar count gives the steel, as well as scans kept as they are.
    EXPECT_GT(mended, RowCount / 10);
    EXPECT_GT(kept, RowCount / 10);
    EXPECT_GT(slantedMended, mended / 4);
    EXPECT_GT(pointsMended, mended / 10);
    EXPECT_GT(jointsMended, 0);
    EXPECT_GT(beyondAnyCount, 0);
}

}  // namespace

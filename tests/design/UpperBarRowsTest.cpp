// Upper bars along rows of slabs: top steel wherever a diagram asks for it, no piece longer than the
// longest bar, every lap the mend adds 70 cm, and sections that were already sound left exactly as
// the scan lays them. Sections run along x at y = 200, the slabs one after the other from x = 0 (in a
// row of n equal spans L, slab j from j·L to (j + 1)·L), the bars 2 cm inside the section's ends at
// -15 and n·L + 15.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "design/SectionDesign.h"
#include "tests/design/SectionFixture.h"

namespace {

constexpr float Steel = 1.0f;
constexpr float Lap = 70;
constexpr float Tolerance = 0.05f;
// A point at the reach of a near-support profile asks for top steel whatever the rounding.
constexpr double ReachSlack = 0.01;

// Where a row's diagrams ask for top steel.
struct TopSteel {
    enum Kind { AllAlong, NearSupports, WholeSlabs } kind = AllAlong;
    double reach = 0;               // NearSupports: a share of the span from either support
    std::vector<bool> slabs = {};  // WholeSlabs: the slabs that ask for it all along

    bool Asks(size_t slab, double position, double span) const {
        switch (kind) {
            case NearSupports:
                return position <= reach * span + ReachSlack || span - position <= reach * span + ReachSlack;
            case WholeSlabs:
                return slabs.at(slab);
            default:
                return true;
        }
    }
};

// The row laid in the fixture; `steel` gives the area where the profile asks for top steel.
void LayRow(SectionFixture& f, const std::vector<float>& spans, const std::vector<int32_t>& points,
            const TopSteel& profile, const std::function<float()>& steel) {
    for (size_t j = 0; j < spans.size(); ++j) {
        std::vector<float> upper(static_cast<size_t>(points[j]), 0);
        for (size_t i = 0; i < upper.size(); ++i) {
            const double position = upper.size() > 1 ? spans[j] * static_cast<double>(i) / (upper.size() - 1) : 0;
            if (profile.Asks(j, position, spans[j])) upper[i] = steel();
        }
        f.Diagram(static_cast<int32_t>(j), upper);
    }
}

struct Stretch {
    double from, to;
};

// The stretches between neighbouring points that both ask for top steel, over supports too.
std::vector<Stretch> AskedStretches(const SectionFixture& f) {
    std::vector<Stretch> out;
    double start = 0, previous = 0;
    bool previousAsks = false;
    for (size_t j = 0; j < f.model.FloorSlabs.size(); ++j) {
        const FloorSlab& slab = f.model.FloorSlabs[j];
        for (int32_t i = 0; i < slab.DiagramPointCount; ++i) {
            const DiagramPoint& p = f.model.FloorSlabDiagram[j][static_cast<size_t>(i)];
            const double at = start + p.Position;
            const bool asks = p.UpperSteel > 0.1f;
            if (asks && previousAsks) out.push_back({previous, at});
            previous = at;
            previousAsks = asks;
        }
        start += GetSpanSegmentLength(slab);
    }
    return out;
}

double From(const UpperRebar& b) { return std::min(b.X1, b.X2); }
double To(const UpperRebar& b) { return std::max(b.X1, b.X2); }
double Length(const UpperRebar& b) { return std::hypot(b.X2 - b.X1, b.Y2 - b.Y1); }

// The first stretch some part of which no bar covers, described; empty when all are covered.
std::string BareStretch(const std::vector<UpperRebar>& bars, const std::vector<Stretch>& stretches) {
    std::vector<UpperRebar> sorted = bars;
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return From(a) < From(b); });
    for (const Stretch& s : stretches) {
        double covered = s.from;
        for (const UpperRebar& b : sorted)
            if (From(b) <= covered + Tolerance) covered = std::max(covered, To(b));
        if (covered < s.to - Tolerance) {
            std::ostringstream out;
            out << "bare from " << covered << " in " << s.from << " - " << s.to;
            return out.str();
        }
    }
    return {};
}

bool Sound(const std::vector<UpperRebar>& bars, const std::vector<Stretch>& stretches, int32_t longest) {
    return BareStretch(bars, stretches).empty() &&
           std::all_of(bars.begin(), bars.end(), [&](const auto& b) { return Length(b) <= longest + Tolerance; });
}

UpperRebar Bar(float from, float to, bool alternate, int32_t hooks) {
    return UpperAlongX(12, 1, from, to, alternate ? 240 : 215, hooks);
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
    // beyond the table. The ones written still leave nothing bare up to the last of them.
    const std::vector<float> spans(25, 1000);
    SectionFixture f(spans);
    f.options.MaxUpperBarLength = 500;
    LayRow(f, spans, std::vector<int32_t>(spans.size(), 21), TopSteel{}, [] { return Steel; });
    ASSERT_LE(ScanUpperBars(f.model, f.options, 0).size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
    EXPECT_TRUE(f.Design().TooManyRebars);
    const std::vector<UpperRebar> bars = f.Upper();
    ASSERT_EQ(bars.size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
    std::vector<Stretch> written;
    for (const Stretch& s : AskedStretches(f))
        if (s.to <= To(bars.back())) written.push_back(s);
    EXPECT_EQ(BareStretch(bars, written), "");
    for (const UpperRebar& b : bars) EXPECT_LE(Length(b), 500 + Tolerance) << b;
}

// Rows drawn at random with a fixed seed: 1 to 5 slabs of 200 to 1500 cm, 3 to 21 points each,
// a longest bar of 500 to 1200, top steel all along, near the supports or in whole slabs.
TEST(UpperBarRows, RandomRowsAreCoveredWithinTheLongestBar) {
    constexpr int RowCount = 400;
    std::mt19937 random(20261211);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    int mended = 0;
    for (int row = 0; row < RowCount; ++row) {
        const size_t n = static_cast<size_t>(uniform(1, 5));
        std::vector<float> spans;
        std::vector<int32_t> points;
        for (size_t j = 0; j < n; ++j) {
            spans.push_back(static_cast<float>(uniform(200, 1500)));
            points.push_back(uniform(3, 21));
        }
        TopSteel profile{static_cast<TopSteel::Kind>(uniform(0, 2)), uniform(10, 45) / 100.0};
        for (size_t j = 0; j < n; ++j) profile.slabs.push_back(uniform(0, 1) == 1);
        const int32_t longest = uniform(500, 1200);

        SectionFixture f(spans);
        f.options.MaxUpperBarLength = longest;
        LayRow(f, spans, points, profile, [&] { return uniform(2, 30) / 10.0f; });
        const std::vector<UpperRebar> scanned = ScanUpperBars(f.model, f.options, 0);
        const DesignWarnings warnings = f.Design();
        const std::vector<UpperRebar> bars = f.Upper();
        const std::vector<Stretch> stretches = AskedStretches(f);

        std::ostringstream what;
        what << "row " << row << ": longest " << longest << ", kind " << profile.kind << ", spans/points";
        for (size_t j = 0; j < n; ++j) what << " " << spans[j] << "/" << points[j];
        SCOPED_TRACE(what.str());

        if (Sound(scanned, stretches, longest)) {
            ExpectBars(bars, scanned);
            continue;
        }
        ++mended;
        ASSERT_FALSE(bars.empty());
        if (warnings.TooManyRebars) {
            EXPECT_EQ(bars.size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
        } else {
            EXPECT_EQ(BareStretch(bars, stretches), "");
        }
        double covered = -1e9;
        for (const UpperRebar& b : bars) {
            EXPECT_LE(Length(b), longest + Tolerance) << b;
            // A piece that starts where no scanned one did was lapped by the mend.
            const bool scannedStart = std::any_of(scanned.begin(), scanned.end(), [&](const UpperRebar& s) {
                return std::fabs(From(s) - From(b)) <= Tolerance;
            });
            if (!scannedStart) {
                EXPECT_NEAR(From(b), covered - Lap, Tolerance) << b;
            }
            covered = std::max(covered, To(b));
        }
    }
    // The rows exercise the mend as well as sound sections.
    EXPECT_GT(mended, RowCount / 10);
    EXPECT_LT(mended, RowCount);
}

}  // namespace

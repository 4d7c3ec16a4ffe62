// The engine on sections written by hand. Most run along x at y = 200: upper bars lie 15 (or 40)
// cm to their left, lower bars 20, 35, 50 or 65 cm to their right; the section's ends lie 15 cm
// beyond the outer supports, the bars 2 cm (the cover) inside them.
#include <gtest/gtest.h>

#include "design/BarChoice.h"
#include "design/SectionDesign.h"
#include "tests/design/SectionFixture.h"

namespace {

// One slab 500 long, eleven points 50 apart: top steel over both supports, 3.0 cm² of bottom
// steel at most.
void SupportsOnly(SectionFixture& f) {
    f.Diagram(0, {2.0f, 1.0f, 0, 0, 0, 0, 0, 0, 0, 1.2f, 2.5f}, {0, 1, 2, 3, 2.5f, 2, 1.5f, 1, 0.5f, 0.2f, 0});
}

TEST(SectionDesign, SlabAloneWithTopSteelAtBothSupports) {
    SectionFixture f({500});
    SupportsOnly(f);
    EXPECT_FALSE(f.Design().Any());
    ExpectBars(f.Upper(), {
                              // From the start's cover to point 2 (x 100); 2.0 cm²: two 12 mm bars.
                              UpperAlongX(12, 2, -13, 100, 215, 1),
                              // From point 8 (measured back from the span's end) to the end's cover;
                              // 2.5 cm²: four 10 mm bars weigh less than three 12 mm ones.
                              UpperAlongX(10, 4, 400, 513, 215, 2),
                          });
    // 3.0 less two 5 mm assembly bars (0.393) leaves 2.607 cm²: four 10 mm bars.
    ExpectBars(f.Lower(), {LowerAlongX(5, 2, -13, 513, 180, 0), LowerAlongX(10, 4, -13, 513, 150, 1)});
}

TEST(SectionDesign, BarWithoutBreakHasHooksAtBothEnds) {
    SectionFixture f({500});
    f.UniformDiagram(0, 11, 1.0f);
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 1, -13, 513, 215, 3)});
}

TEST(SectionDesign, UpperSteelOfExactlyATenthIsNone) {
    SectionFixture f({500});
    f.Diagram(0, {0.1f, 0.1f, 0.11f, 0.1f, 0.1f});
    f.Design();
    // Point 2 only: from point 1 (125, back from the span's end) to point 3.
    ExpectBars(f.Upper(), {UpperAlongX(10, 1, 125, 375, 215, 0)});
}

TEST(SectionDesign, BarOverAnInnerSupport) {
    struct Case {
        const char* what;
        float nextSlabFirstPoint;
        UpperRebar bar;
    } cases[] = {
        // Goes on over the support and ends at the next slab's first point without top steel (x 750).
        {"needed over the support", 2.0f, UpperAlongX(12, 2, 250, 750, 215, 0)},
        // Ends 60 cm into the next slab.
        {"not needed over the support", 0, UpperAlongX(12, 2, 250, 560, 215, 0)},
    };
    for (const Case& c : cases) {
        SectionFixture f({500, 500});
        f.Diagram(0, {0, 0, 0, 1.5f, 2.0f});
        f.Diagram(1, {c.nextSlabFirstPoint, c.nextSlabFirstPoint / 2, 0, 0, 0});
        f.Design();
        SCOPED_TRACE(c.what);
        ExpectBars(f.Upper(), {c.bar});
    }
}

TEST(SectionDesign, LongBarSplitAtTheMiddleOfThePreviousSlab) {
    // Three slabs of 500 with eleven points each: the length grows by 50 a point from the second
    // point on and passes 1100 at point 4 of slab 2. The middle point of slab 2 is point 6 (5.5
    // rounds to 6); 35 cm past it lies 1348 cm from the start, too far; the bar began two slabs back,
    // so it ends 35 past the middle of slab 1 (x 835) and the next piece starts 35 before it, in
    // the other place, and goes on from point 7 of slab 1.
    SectionFixture f({500, 500, 500});
    for (int32_t j = 0; j < 3; ++j) f.UniformDiagram(j, 11, 1.0f);
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 1, -13, 835, 215, 1), UpperAlongX(12, 1, 765, 1513, 240, 2)});
}

TEST(SectionDesign, LongBarSplitPastTheMiddleOfTheCurrentSlab) {
    // Three slabs of 400 with 21 points 20 apart: the length passes 1100 at point 17 of slab 2. Its
    // middle point is point 10 (10.5 rounds to 10); 35 cm past it (x 1035) lies within 1100 cm of
    // the start, so the bar ends there. Point 17 lies 140 past the middle point, so the next piece
    // starts 35 cm before the middle point (x 965) rather than before point 17.
    SectionFixture f({400, 400, 400});
    for (int32_t j = 0; j < 3; ++j) f.UniformDiagram(j, 21, 1.0f);
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 1, -13, 1035, 215, 1), UpperAlongX(12, 1, 965, 1213, 240, 2)});
}

TEST(SectionDesign, LongBarInItsFirstSlabSplitAtTheLongestLength) {
    // Longest bar 500: split once the length passes 400, at point 10 of a slab of 1000 (21 points 50
    // apart). The middle lies too far and the bar began in this slab: it ends 465 cm (500 - 35) from
    // its start. The next piece, 35 before point 10, would leave 452 to 465 bare: it starts 70 before
    // the first one ends and ends at point 13, the first without top steel.
    SectionFixture f({1000});
    f.options.MaxUpperBarLength = 500;
    std::vector<float> upper(21, 0);
    for (int i = 0; i <= 12; ++i) upper[static_cast<size_t>(i)] = 1.0f;
    f.Diagram(0, upper);
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 1, -13, 452, 215, 1), UpperAlongX(12, 1, 382, 650, 240, 0)});
}

TEST(SectionDesign, LongBarSplitFarPastTheMiddleGoesOnFromBeforeIt) {
    // Top steel all along, 21 points a slab. A split point more than 70 cm past the middle point
    // would leave the stretch between the piece ending 35 past the middle and the next starting 35
    // before the split point bare: the next piece starts 35 before the middle point and the scan
    // goes on from there.
    struct Case {
        const char* what;
        std::vector<float> lengths;
        int32_t longest;
        std::vector<UpperRebar> bars;
    } cases[] = {
        // Points 25 apart. The first piece ends past the middle of slab 1 (x 785, as in the split
        // of three slabs above); the second, from x 715, passes 1100 at point 16 of slab 3 (x 1900),
        // 150 past its middle point (x 1750): it ends at 1785 and the third starts at 1715. Every
        // two pieces overlap by 70.
        {"row of slabs",
         {500, 500, 500, 500},
         1200,
         {UpperAlongX(12, 1, -13, 785, 215, 1), UpperAlongX(12, 1, 715, 1785, 240, 0),
          UpperAlongX(12, 1, 1715, 2013, 215, 2)}},
        // Points 50 apart. The first piece is cut at the longest length (x 452) and the second
        // starts 35 before point 10, the middle point; it passes 400 at point 20 (x 1000). Having
        // begun at the middle point itself, it does not go back there but is cut at the longest
        // length too (x 930), and the last piece starts 35 before point 20. The stretches these
        // cuts leave bare, 452 to 465 and 930 to 965, are lapped by 70: the second piece starts at
        // 382, and at 548 long is split in two equal pieces; the last starts at 860.
        {"one long slab",
         {1000},
         500,
         {UpperAlongX(12, 1, -13, 452, 215, 1), UpperAlongX(12, 1, 382, 691, 240, 0),
          UpperAlongX(12, 1, 621, 930, 215, 0), UpperAlongX(12, 1, 860, 1013, 240, 2)}},
    };
    for (const Case& c : cases) {
        SectionFixture f(c.lengths);
        f.options.MaxUpperBarLength = c.longest;
        for (int32_t j = 0; j < static_cast<int32_t>(c.lengths.size()); ++j) f.UniformDiagram(j, 21, 1.0f);
        f.Design();
        SCOPED_TRACE(c.what);
        ExpectBars(f.Upper(), c.bars);
    }
}

TEST(SectionDesign, SplitsMoveOnWhateverTheInput) {
    // Top steel all along. Each piece of a split bar goes on from a point after the one where the
    // bar began, so the design ends, one piece per stretch the longest bar allows.
    struct Case {
        const char* what;
        std::vector<float> lengths;
        int32_t points, longest, pieces;
    } cases[] = {
        // Split at every point after the first: the split margin exceeds the longest bar.
        {"longest bar within the split margin", {1000}, 21, 50, 21},
        // Every piece reaches past the middle point only by less than the overlap.
        {"pieces shorter than their overlap", {1000}, 21, 150, 7},
        {"slabs of no length", {0, 0, 0}, 3, 50, 9},
        {"a slab of no length in a row", {500, 0, 500}, 21, 500, 4},
    };
    for (const Case& c : cases) {
        SectionFixture f(c.lengths);
        f.options.MaxUpperBarLength = c.longest;
        for (int32_t j = 0; j < static_cast<int32_t>(c.lengths.size()); ++j) f.UniformDiagram(j, c.points, 1.0f);
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(f.Design().Any());
        EXPECT_EQ(f.Upper().size(), static_cast<size_t>(c.pieces));
    }
}

TEST(SectionDesign, LowerBarsPerSlab) {
    struct Case {
        const char* what;
        int32_t assembly, grouped;
        std::vector<LowerRebar> bars;
    } cases[] = {
        // Assembly and main records of each slab, the places alternating with the slab's place.
        {"assembly bars apart",
         5,
         0,
         {LowerAlongX(5, 2, -13, 500, 180, 0), LowerAlongX(10, 4, -13, 500, 150, 1),
          LowerAlongX(5, 2, 500, 1000, 165, 0), LowerAlongX(10, 4, 500, 1000, 135, 1),
          LowerAlongX(5, 2, 1000, 1513, 180, 0)}},
        // The main bars take the assembly bars' place; slab 2's need (0.3) the assembly bars cover.
        {"grouped with assembly bars",
         5,
         1,
         {LowerAlongX(10, 4, -13, 500, 180, 3), LowerAlongX(10, 4, 500, 1000, 165, 3)}},
        // Without assembly bars the need is not reduced: 3.0 cm² needs more than three 10 mm bars.
        {"no assembly bars",
         0,
         0,
         {LowerAlongX(10, 4, -13, 500, 150, 1), LowerAlongX(10, 4, 500, 1000, 135, 1),
          LowerAlongX(10, 1, 1000, 1513, 150, 1)}},
    };
    for (const Case& c : cases) {
        SectionFixture f({500, 500, 500});
        f.UniformDiagram(0, 3, 0, 3.0f);
        f.UniformDiagram(1, 3, 0, 3.0f);
        f.UniformDiagram(2, 3, 0, 0.3f);
        f.options.LowerAssemblyBarDiameter = c.assembly;
        f.options.GroupLowerBars = c.grouped;
        f.Design();
        SCOPED_TRACE(c.what);
        ExpectBars(f.Lower(), c.bars);
    }
}

TEST(SectionDesign, OneDiameterNotGivenTakesTheOther) {
    SectionFixture f({500});
    f.model.FloorSlabs[0].BarDiameterB = 0;
    f.UniformDiagram(0, 11, 2.0f);
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 2, -13, 513, 215, 3)});
}

TEST(SectionDesign, SlabWithoutDiagramPoints) {
    // Slab 1 has no points: its point 0 still ends the bar open over its support, 60 cm into it,
    // and it gets the assembly bars only.
    SectionFixture f({500, 500});
    f.Diagram(0, {0, 0, 0, 1.5f, 2.0f}, {1.0f});
    f.Diagram(1, {});
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 2, 250, 560, 215, 0)});
    ExpectBars(f.Lower(), {LowerAlongX(5, 2, -13, 500, 180, 0), LowerAlongX(10, 1, -13, 500, 150, 1),
                           LowerAlongX(5, 2, 500, 1013, 165, 0)});
}

// The section runs left to right (bottom to top) whatever the span angle; angles between 90 and
// 270 degrees point the other way. The bars stay between the section's ends, on the side of the
// span direction's left normal.
TEST(SectionDesign, SpanAnglesPointingAgainstTheSectionKeepTheBarsInside) {
    struct Case {
        float angle;
        bool alongY;
        float upperSide, lowerSide;  // the bars' offset across the section: x for a vertical one, else y
    } cases[] = {
        {0, false, 215, 180},
        {180, false, 185, 220},
        {90, true, 185, 220},
        {270, true, 215, 180},
    };
    for (const Case& c : cases) {
        SectionFixture f({500}, c.angle, c.alongY);
        SupportsOnly(f);
        f.Design();
        SCOPED_TRACE(c.angle);
        auto place = [&](float along, float across) {
            return c.alongY ? PlanPoint{across, along} : PlanPoint{along, across};
        };
        auto upper = [&](int32_t d, int32_t n, float a1, float a2, int32_t hooks) {
            const PlanPoint p = place(a1, c.upperSide), q = place(a2, c.upperSide);
            return UpperRebar{
                .Diameter = d, .X1 = p.X, .X2 = q.X, .Y1 = p.Y, .Y2 = q.Y, .BarCount = n, .HookFlags = hooks};
        };
        auto lower = [&](int32_t d, int32_t n, float offset, int32_t kind) {
            const float across = c.lowerSide + (c.lowerSide < 200 ? -offset : offset);
            const PlanPoint p = place(-13, across), q = place(513, across);
            return LowerRebar{.Diameter = d, .X1 = p.X, .X2 = q.X, .Y1 = p.Y, .Y2 = q.Y, .BarCount = n, .Kind = kind};
        };
        ExpectBars(f.Upper(), {upper(12, 2, -13, 100, 1), upper(10, 4, 400, 513, 2)});
        ExpectBars(f.Lower(), {lower(5, 2, 0, 0), lower(10, 4, 30, 1)});
    }
}

TEST(SectionDesign, RecordsBeyondTheTablesAreLeftOutAndReported) {
    // Eight slabs of 21 points with top steel at every other point: ten bars a slab and one at the
    // end, 81 in all.
    SectionFixture upper(std::vector<float>(8, 400));
    std::vector<float> alternate(21, 0);
    for (size_t i = 0; i < alternate.size(); i += 2) alternate[i] = 1.0f;
    for (int32_t j = 0; j < 8; ++j) upper.Diagram(j, alternate);
    EXPECT_TRUE(upper.Design().TooManyRebars);
    ASSERT_EQ(upper.model.Reinforcement.UpperRebarCount[0], ReinforcementSections::MaxRebars);
    // The last one written: from the last point of slab 6 over its support to point 1 of slab 7.
    ExpectBars<UpperRebar>({upper.Upper().back()}, {UpperAlongX(12, 1, 2780, 2820, 215, 0)});

    // 36 slabs with assembly and main bars: 72 records.
    SectionFixture lower(std::vector<float>(36, 100));
    for (int32_t j = 0; j < 36; ++j) lower.UniformDiagram(j, 2, 0, 3.0f);
    EXPECT_TRUE(lower.Design().TooManyRebars);
    ASSERT_EQ(lower.model.Reinforcement.LowerRebarCount[0], ReinforcementSections::MaxRebars);
    // The last one written: the assembly bars of slab 35.
    ExpectBars<LowerRebar>({lower.Lower().back()}, {LowerAlongX(5, 2, 3500, 3613, 165, 0)});
}

TEST(SectionDesign, EveryFieldOfARecordIsWritten) {
    SectionFixture f({500});
    // A need no 50 bars cover, and slots that hold an earlier design.
    f.UniformDiagram(0, 11, 100.0f, 100.0f);
    f.model.Reinforcement.UpperRebars[0][0] = UpperAlongX(8, 7, 1, 2, 3, 3);
    for (LowerRebar& slot : f.model.Reinforcement.LowerRebars[0]) {
        slot = LowerAlongX(8, 7, 1, 2, 3, 3);
        slot.HookFlags = 3;
    }
    EXPECT_TRUE(f.Design().BarCountShort);
    ExpectBars(f.Upper(), {UpperAlongX(12, MaxBarsPerRecord, -13, 513, 215, 3)});
    ExpectBars(f.Lower(), {LowerAlongX(5, 2, -13, 513, 180, 0), LowerAlongX(12, MaxBarsPerRecord, -13, 513, 150, 1)});
}

TEST(SectionDesign, WarningsOnlyForWhatWasLeftOut) {
    SectionFixture f({500});
    SupportsOnly(f);
    EXPECT_EQ(f.Design(), DesignWarnings{});
}

}  // namespace

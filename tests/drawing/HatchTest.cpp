#include "drawing/Hatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/drawing/DrawerPass.h"
#include "tests/support/DxfEntities.h"

namespace {

const HatchOutline Square{{0, 0}, {100, 0}, {100, 100}, {0, 100}};

std::vector<HatchSegment> Hatch(const HatchOutline& outline, float spacing, float angle, int32_t pattern) {
    return ComputeHatchSegments({&outline, 1}, spacing, angle, pattern);
}

std::vector<float> SweepHeights(const std::vector<HatchSegment>& segments) {
    std::vector<float> ys;
    for (const HatchSegment& s : segments) ys.push_back(s.Y1);
    return ys;
}

std::vector<HatchSegment> OnLine(const std::vector<HatchSegment>& segments, float y) {
    std::vector<HatchSegment> found;
    for (const HatchSegment& s : segments)
        if (s.Y1 == y && s.Y2 == y) found.push_back(s);
    return found;
}

TEST(Hatch, AHundredCentimetreSquareIsSweptFromItsBottomUpToButNotAtItsTop) {
    const auto segments = Hatch(Square, 10, 0, 0);
    EXPECT_EQ(SweepHeights(segments), (std::vector<float>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    for (const HatchSegment& s : segments) {
        EXPECT_FLOAT_EQ(s.X1, 0);
        EXPECT_FLOAT_EQ(s.X2, 100);
    }
}

TEST(Hatch, PatternsGiveSingleLinesPairsOrASecondSetAcross) {
    struct Case {
        int32_t pattern;
        std::vector<float> heights;  // of the lines along x
        size_t across;               // lines of the second set
    };
    const Case cases[] = {
        {0, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}, 0},
        {3, {0, 3, 13, 16, 26, 29, 39, 42, 52, 55, 65, 68, 78, 81, 91, 94}, 0},
        {CrossHatch, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}, 10},
    };
    for (const Case& c : cases) {
        const auto segments = Hatch(Square, 10, 0, c.pattern);
        ASSERT_EQ(segments.size(), c.heights.size() + c.across) << "pattern " << c.pattern;
        const std::vector<HatchSegment> along(segments.begin(), segments.begin() + long(c.heights.size()));
        EXPECT_EQ(SweepHeights(along), c.heights) << "pattern " << c.pattern;
        // The second set runs upright, swept from the right-hand side of the square.
        for (size_t i = 0; i < c.across; ++i) {
            const HatchSegment& s = segments[c.heights.size() + i];
            EXPECT_FLOAT_EQ(s.X1, 100 - 10.0f * float(i));
            EXPECT_FLOAT_EQ(s.X2, s.X1);
            EXPECT_FLOAT_EQ(s.Y1, 0);
            EXPECT_FLOAT_EQ(s.Y2, 100);
        }
    }
}

TEST(Hatch, NeighbouringCrossingsArePairedByWhereTheirMiddleLies) {
    // A U: the sweep at 50 crosses both arms; the gap between them gets no line.
    const HatchOutline u{{0, 0}, {100, 0}, {100, 100}, {70, 100}, {70, 30}, {30, 30}, {30, 100}, {0, 100}};
    const auto atFifty = OnLine(Hatch(u, 10, 0, 0), 50);
    ASSERT_EQ(atFifty.size(), 2u);
    EXPECT_FLOAT_EQ(atFifty[0].X2, 30);
    EXPECT_FLOAT_EQ(atFifty[1].X1, 70);

    // A hole stays free: the sweeps through it give two pieces each, none inside it.
    const std::vector<HatchOutline> withHole{Square, {{35, 33}, {35, 67}, {65, 67}, {65, 33}}};
    const auto segments = ComputeHatchSegments(withHole, 10, 0, 0);
    EXPECT_EQ(segments.size(), 13u);
    for (float y : {40.0f, 50.0f, 60.0f}) {
        const auto pieces = OnLine(segments, y);
        ASSERT_EQ(pieces.size(), 2u) << "y " << y;
        EXPECT_FLOAT_EQ(pieces[0].X2, 35);
        EXPECT_FLOAT_EQ(pieces[1].X1, 65);
    }
}

TEST(Hatch, MoreCrossingsOnOneSweepThanTheOldBufferHeldAreAllKept) {
    // A comb of 150 teeth, 2 wide and 2 apart, standing on a base 10 high.
    HatchOutline comb{{0, 0}, {598, 0}};
    for (int i = 149; i >= 0; --i) {
        const float left = 4.0f * float(i), right = left + 2;
        comb.insert(comb.end(), {{right, 10}, {right, 50}, {left, 50}, {left, 10}});
    }
    const auto segments = Hatch(comb, 10, 0, 0);
    for (float y : {20.0f, 30.0f, 40.0f}) {
        const auto teeth = OnLine(segments, y);
        ASSERT_EQ(teeth.size(), 150u) << "y " << y;
        EXPECT_FLOAT_EQ(teeth[149].X1, 596);
        EXPECT_FLOAT_EQ(teeth[149].X2, 598);
    }
}

TEST(Hatch, WhatCannotBeSweptDrawsNothingAndNeverHangs) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        HatchOutline outline;
        float spacing, angle;
        int32_t pattern;
    };
    const Case cases[] = {
        {"spacing 0", Square, 0, 45, 0},
        {"negative spacing", Square, -10, 45, 0},
        {"spacing not a number", Square, nan, 45, 0},
        {"infinite spacing", Square, inf, 45, 0},
        {"angle not a number", Square, 10, nan, CrossHatch},
        {"infinite angle", Square, 10, inf, 0},
        {"a spacing far too fine for the outline", Square, 1.0e-5f, 0, 0},
        {"two points", {{0, 0}, {100, 100}}, 10, 45, 0},
        {"a vertex not a number", {{0, 0}, {100, 0}, {nan, 100}}, 10, 45, 0},
    };
    for (const Case& c : cases) EXPECT_TRUE(Hatch(c.outline, c.spacing, c.angle, c.pattern).empty()) << c.what;

    // So far from the origin that a step of 10 no longer moves a 32-bit sweep: one line, then done.
    const HatchOutline far{{0, 1.0e9f}, {100, 1.0e9f}, {100, 1.0e9f + 1000}, {0, 1.0e9f + 1000}};
    EXPECT_LE(Hatch(far, 10, 0, 0).size(), 1u);
}

TEST(DrawHatch, CanvasLinesTakeTheLayerColourAndDottedStylesAndDxfGetsLines) {
    DrawerPass p;
    DrawHatch(p.target, Square, 10, 0, 0, 20, 3, 0);
    const auto lines = p.canvas.RecordsOf(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 10u);
    for (const CanvasRecord& r : lines) {
        EXPECT_EQ(r.Colour, p.Colour(20));
        EXPECT_EQ(r.State.Drawing, DrawStyle::Dotted);
    }
    EXPECT_FLOAT_EQ(ModelY(lines[3].Y1), 30);
    EXPECT_EQ(p.canvas.State().Drawing, DrawStyle::Solid) << "the pen goes back to solid";

    DrawHatch(p.target, Square, 10, 0, 0, 20, 3, 1);
    const auto entities = ReadEntities(p.writer.EntitySpool);
    ASSERT_EQ(entities.size(), 10u);
    for (const DxfEntity& e : entities) {
        EXPECT_EQ(e.Kind, "LINE");
        EXPECT_EQ(e.Layer, "TRATTEGGIO_SOLAI");
        EXPECT_EQ(e.LineType, "DASHED2");
    }
}

TEST(FindHatchLineCrossings, AnOddNumberOfProperCrossingsMeansInside) {
    EXPECT_TRUE(FindHatchLineCrossings(Square, 50, 50, -1000, 0, 100));
    EXPECT_FALSE(FindHatchLineCrossings(Square, 150, 50, -1000, 0, 100));
    EXPECT_FALSE(FindHatchLineCrossings(Square, 50, 150, -1000, 0, 100));
    const std::vector<HatchOutline> withHole{Square, {{25, 25}, {25, 75}, {75, 75}, {75, 25}}};
    EXPECT_FALSE(IsPointInPolygonWithHoles(withHole, 50, 50, -1000, 0, 100));
    EXPECT_TRUE(IsPointInPolygonWithHoles(withHole, 10, 50, -1000, 0, 100));
}

}  // namespace

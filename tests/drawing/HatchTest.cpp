#include "drawing/Hatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "state/LayerRows.h"
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

// The lines as bit patterns, so that -0 and 0 differ and equal lines compare equal.
std::vector<uint32_t> Bits(const std::vector<HatchSegment>& segments) {
    std::vector<uint32_t> bits;
    for (const HatchSegment& s : segments)
        for (float v : {s.X1, s.Y1, s.X2, s.Y2}) bits.push_back(std::bit_cast<uint32_t>(v));
    return bits;
}

TEST(CachedHatchSegments, TheSweepsLinesAreKeptBitForBitAndFoundOnlyForTheSameInputs) {
    struct Inputs {
        std::vector<HatchOutline> outlines;
        float spacing, angle;
        int32_t pattern;
    };
    const HatchOutline skew{{0.1f, 0.2f}, {97.3f, 3.1f}, {101.7f, 88.9f}, {-2.5f, 104.3f}};
    const HatchOutline hole{{30, 30}, {60, 30}, {60, 60}, {30, 60}};
    HatchOutline nudged = skew;
    nudged[2].X = std::nextafter(nudged[2].X, 1000.0f);
    HatchOutline negativeZero = Square;
    negativeZero[0].X = -0.0f;
    const Inputs base{{skew}, 7.5f, 33.3f, 0};
    const Inputs cases[] = {
        base,
        {{nudged}, 7.5f, 33.3f, 0},
        {{skew}, std::nextafter(7.5f, 8.0f), 33.3f, 0},
        {{skew}, 7.5f, 33.4f, 0},
        {{skew}, 7.5f, 33.3f, CrossHatch},
        {{skew}, 7.5f, 33.3f, 3},
        {{skew, hole}, 7.5f, 33.3f, 0},
        {{Square}, 10, 0, 0},
        {{negativeZero}, 10, 0, 0},
    };
    HatchLineCache cache;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Inputs& c = cases[i];
        const auto& kept = CachedHatchSegments(cache, c.outlines, c.spacing, c.angle, c.pattern);
        EXPECT_EQ(cache.EntryCount(), i + 1) << "case " << i << " has inputs of its own";
        EXPECT_EQ(Bits(kept), Bits(ComputeHatchSegments(c.outlines, c.spacing, c.angle, c.pattern))) << "case " << i;
    }
    const auto& first = CachedHatchSegments(cache, base.outlines, base.spacing, base.angle, base.pattern);
    EXPECT_EQ(&first, &CachedHatchSegments(cache, base.outlines, base.spacing, base.angle, base.pattern));
    EXPECT_EQ(cache.EntryCount(), std::size(cases)) << "found, not swept again";
    cache.Clear();
    EXPECT_EQ(cache.EntryCount(), 0u);
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

TEST(DrawHatch, CanvasLinesTakeTheLayerColourAndDottedStyles) {
    DrawerPass p;
    DrawHatch(p.canvasOut, Square, 10, 0, 0, LayerRow::FloorSlabHatch, LineStyle::Dashed2);
    const auto lines = p.canvas.RecordsOf(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 10u);
    for (const CanvasRecord& r : lines) {
        EXPECT_EQ(r.Colour, p.Colour(LayerRow::FloorSlabHatch));
        EXPECT_EQ(r.State.Drawing, DrawStyle::Dotted);
    }
    EXPECT_FLOAT_EQ(ModelY(lines[3].Y1), 30);
    EXPECT_EQ(p.canvas.State().Drawing, DrawStyle::Solid) << "the pen goes back to solid";

}

// The value of the first group `code` of the record that starts with the group 0 `kind`.
std::string FirstValue(const std::string& spool, const std::string& kind, const std::string& code) {
    bool inRecord = false;
    for (const auto& [c, v] : SplitGroups(spool)) {
        if (std::stoi(c) == 0) inRecord = v == kind;
        else if (inRecord && std::stoi(c) == std::stoi(code)) return v;
    }
    return {};
}

TEST(DrawHatch, InDxfEachHatchIsOneAnonymousBlockInsertedAtTheOutlineCentroid) {
    for (const int32_t r12 : {0, 1}) {
        DrawerPass p;
        p.session.dxf.DxfR12 = r12;
        p.session.dxf.DxfScaleFactor = 2;
        p.session.dxf.DxfOffsetX = 1000;
        DrawHatch(p.dxfOut, Square, 10, 0, 0, LayerRow::FloorSlabHatch, LineStyle::Dashed2);
        DrawHatch(p.dxfOut, Square, 10, 45, CrossHatch, LayerRow::PillarHatch, LineStyle::ByLayer);

        const auto inserts = ReadEntities(p.writer.EntitySpool);
        ASSERT_EQ(inserts.size(), 2u) << "R12 " << r12;
        EXPECT_EQ(inserts[0].Kind, "INSERT");
        EXPECT_EQ(inserts[0].Layer, "TRATTEGGIO_SOLAI");
        EXPECT_FLOAT_EQ(inserts[0].X1, (50 + 1000) * 2);
        EXPECT_FLOAT_EQ(inserts[0].Y1, 50 * 2);
        EXPECT_EQ(FirstValue(p.writer.EntitySpool, "INSERT", "2"), "*X0");

        // The block's lines: relative to the centroid, in DXF units, with the style's line type.
        const auto records = ReadEntities(p.writer.BlockSpool);
        std::vector<DxfEntity> firstBlock;
        for (const DxfEntity& e : records) {
            if (e.Kind == "ENDBLK") break;
            if (e.Kind == "LINE") firstBlock.push_back(e);
        }
        ASSERT_EQ(firstBlock.size(), 10u);
        EXPECT_FLOAT_EQ(firstBlock[0].X1, -100);
        EXPECT_FLOAT_EQ(firstBlock[0].Y1, -100);
        EXPECT_FLOAT_EQ(firstBlock[0].X2, 100);
        for (const DxfEntity& e : firstBlock) EXPECT_EQ(e.LineType, "DASHED2");
        // A cross hatch is one block holding both sets.
        size_t lines = 0;
        for (const DxfEntity& e : records) lines += e.Kind == "LINE";
        EXPECT_GT(lines, 10u + 20u);
        EXPECT_EQ(FirstValue(p.writer.BlockSpool, "BLOCK", "2"), "*X0");
        EXPECT_EQ(FirstValue(p.writer.BlockSpool, "BLOCK", "70"), r12 != 0 ? "     1" : "     0");
        EXPECT_EQ(p.writer.HatchBlockCount, 2);
        EXPECT_EQ(p.writer.HatchBlockRecordHandles.size(), r12 != 0 ? 0u : 2u);
    }
}

TEST(DrawHatch, NothingToHatchWritesNoBlockAndTakesNoNumber) {
    const HatchOutline line{{0, 0}, {100, 0}};
    const HatchOutline notFinite{{0, 0}, {100, 0}, {std::numeric_limits<float>::quiet_NaN(), 100}};
    struct Case {
        const HatchOutline* outline;
        float spacing;
    };
    for (const Case& c : {Case{&Square, 0}, Case{&Square, -5}, Case{&line, 10}, Case{&notFinite, 10}}) {
        DrawerPass p;
        const int32_t handles = p.writer.HandleLow;
        DrawHatch(p.dxfOut, *c.outline, c.spacing, 0, 0, LayerRow::FloorSlabHatch, LineStyle::ByLayer);
        EXPECT_TRUE(p.writer.EntitySpool.empty());
        EXPECT_TRUE(p.writer.BlockSpool.empty());
        EXPECT_EQ(p.writer.HatchBlockCount, 0);
        EXPECT_EQ(p.writer.HandleLow, handles);
    }
}

TEST(DrawHatchMulti, TheHoleStaysFreeAndTheBlockStandsAtTheOuterCentroid) {
    DrawerPass p;
    p.session.dxf.DxfScaleFactor = 1;
    const std::vector<HatchOutline> withHole{{{0, 0}, {200, 0}, {200, 100}, {0, 100}},
                                             {{50, 25}, {50, 75}, {150, 75}, {150, 25}}};
    DrawHatchMulti(p.dxfOut, withHole, 10, 0, 0, LayerRow::ConcreteSlabHatch, LineStyle::ByLayer);
    const auto inserts = ReadEntities(p.writer.EntitySpool);
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_FLOAT_EQ(inserts[0].X1, 100);
    EXPECT_FLOAT_EQ(inserts[0].Y1, 50);
    for (const DxfEntity& e : ReadEntities(p.writer.BlockSpool)) {
        if (e.Kind != "LINE") continue;
        const float y = e.Y1 + 50, left = std::min(e.X1, e.X2) + 100, right = std::max(e.X1, e.X2) + 100;
        if (y > 25 && y < 75) {
            EXPECT_TRUE(right <= 50.01f || left >= 149.99f) << "a line crosses the hole at " << y;
        }
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

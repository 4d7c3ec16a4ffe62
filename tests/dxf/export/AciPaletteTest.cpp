// The DXF colour numbers as screen colours and the picker's grid of swatches.
#include "dxf/export/AciPalette.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

struct PaletteCase {
    int32_t aci;
    int32_t r, g, b;
};

TEST(AciPaletteTest, ColourNumbersGiveTheirScreenColours) {
    const PaletteCase cases[] = {
        {1, 255, 0, 0},       {7, 255, 255, 255},   {8, 128, 128, 128},   {9, 192, 192, 192},
        {10, 255, 0, 0},      {11, 255, 127, 127},  {105, 76, 153, 95},  {22, 204, 51, 0},     {63, 178, 204, 102},
        {171, 127, 127, 255}, {233, 204, 102, 153},   {249, 76, 38, 47},    {250, 0, 0, 0},
        {251, 51, 51, 51},    {252, 91, 91, 91},    {253, 132, 132, 132}, {254, 173, 173, 173},
        {255, 214, 214, 214},
    };
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.aci);
        AciRgb rgb;
        AciToRgb(c.aci, rgb);
        EXPECT_EQ(rgb.R, c.r);
        EXPECT_EQ(rgb.G, c.g);
        EXPECT_EQ(rgb.B, c.b);
        EXPECT_EQ(AciToColor(c.aci), c.r + 256 * c.g + 65536 * c.b);
    }
}

TEST(AciPaletteTest, NumbersOutsideThePaletteLeaveTheRecordAndAreBlack) {
    for (int32_t aci : {0, -1, 256, 1000}) {
        SCOPED_TRACE(aci);
        AciRgb rgb{1, 2, 3};
        AciToRgb(aci, rgb);
        EXPECT_EQ(rgb.R, 1);
        EXPECT_EQ(rgb.G, 2);
        EXPECT_EQ(rgb.B, 3);
        EXPECT_EQ(AciToColor(aci), 0);
    }
}

TEST(AciPaletteTest, GridCellsGiveTheirColourNumbers) {
    const std::array<std::array<int32_t, 2>, 10> cases{{{0, 18},
                                                        {23, 248},
                                                        {24, 16},
                                                        {96, 10},
                                                        {120, 11},
                                                        {239, 249},
                                                        {240, 1},
                                                        {248, 9},
                                                        {249, 250},
                                                        {254, 255}}};
    for (const auto& [cell, expected] : cases) {
        SCOPED_TRACE(cell);
        int32_t aci = 0;
        ColourRef colour = -1;
        EXPECT_EQ(GridCellToAci(cell, aci, colour), AciToColor(expected));
        EXPECT_EQ(aci, expected);
        EXPECT_EQ(colour, AciToColor(expected));
    }
}

TEST(AciPaletteTest, CellsOutsideTheGridKeepTheNumber) {
    for (int32_t cell : {-1, 255}) {
        SCOPED_TRACE(cell);
        int32_t aci = 171;
        ColourRef colour = 0;
        EXPECT_EQ(GridCellToAci(cell, aci, colour), AciToColor(171));
        EXPECT_EQ(aci, 171);
        EXPECT_EQ(colour, AciToColor(171));
    }
}

TEST(AciPaletteTest, EveryNumberHasOneSwatchOfItsColour) {
    const AciSwatchTable& swatches = AciSwatches();
    EXPECT_EQ(&swatches, &AciSwatches());
    std::set<int32_t> seen;
    for (const AciSwatch& s : swatches) {
        SCOPED_TRACE(s.Aci);
        EXPECT_TRUE(seen.insert(s.Aci).second);
        EXPECT_EQ(s.Colour, AciToColor(s.Aci));
        EXPECT_EQ(s.Right - s.Left, 20);
        EXPECT_EQ(s.Bottom - s.Top, 20);
    }
    ASSERT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 255);
    for (int32_t aci = 1; aci <= 255; ++aci) EXPECT_EQ(swatches[AciSwatchOf(swatches, aci)].Aci, aci);
    EXPECT_EQ(AciSwatchOf(swatches, 0), -1);
    EXPECT_EQ(AciSwatchOf(swatches, 256), -1);
}

struct PlaceCase {
    int32_t aci;
    int32_t left, top;
};

TEST(AciPaletteTest, SwatchesSitInHueColumnsWithTheGreysBottomRight) {
    const PlaceCase cases[] = {
        {18, 5, 5},     {248, 580, 5},   {16, 5, 30},    {10, 5, 105},  {249, 580, 240},
        {11, 5, 140},   {171, 405, 140}, {1, 5, 275},    {9, 205, 275}, {250, 305, 275},
        {255, 430, 275}, {130, 305, 105},
    };
    const AciSwatchTable& swatches = AciSwatches();
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.aci);
        const int32_t index = AciSwatchOf(swatches, c.aci);
        ASSERT_GE(index, 0);
        EXPECT_EQ(swatches[index].Left, c.left);
        EXPECT_EQ(swatches[index].Top, c.top);
    }
}

TEST(AciPaletteTest, PointsHitSwatchesEdgesIncludedAndNothingBetween) {
    const AciSwatchTable& swatches = AciSwatches();
    const int32_t seven = AciSwatchOf(swatches, 7);
    const AciSwatch& s = swatches[seven];
    EXPECT_EQ(AciSwatchAt(swatches, s.Left, s.Top), seven);
    EXPECT_EQ(AciSwatchAt(swatches, s.Right, s.Bottom), seven);
    EXPECT_EQ(AciSwatchAt(swatches, s.Left + 10, s.Top + 10), seven);
    EXPECT_EQ(AciSwatchAt(swatches, s.Right + 2, s.Top + 10), -1);
    EXPECT_EQ(AciSwatchAt(swatches, s.Left + 10, s.Bottom + 2), -1);
    EXPECT_EQ(AciSwatchAt(swatches, s.Left - 1, s.Top), -1);
    EXPECT_EQ(AciSwatchAt(swatches, s.Right + 5, s.Top), AciSwatchOf(swatches, 8));
    // The wider gap between the two halves of the hue block, and the picture's corners.
    EXPECT_EQ(AciSwatchAt(swatches, 15, 130), -1);
    EXPECT_EQ(AciSwatchAt(swatches, 0, 0), -1);
    EXPECT_EQ(AciSwatchAt(swatches, 500, 285), -1);
    for (int32_t i = 0; i < AciSwatchCount; ++i) {
        const AciSwatch& t = swatches[i];
        EXPECT_EQ(AciSwatchAt(swatches, (t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2), i);
    }
}

}  // namespace

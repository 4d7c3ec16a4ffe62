#include "dxf/export/AciPalette.h"

namespace {

// Numbers 1 to 9.
constexpr std::array<AciRgb, 9> Standard{{{255, 0, 0},
                                          {255, 255, 0},
                                          {0, 255, 0},
                                          {0, 255, 255},
                                          {0, 0, 255},
                                          {255, 0, 255},
                                          {255, 255, 255},
                                          {128, 128, 128},
                                          {192, 192, 192}}};

// Full shade of each of the 24 hues of numbers 10 to 249, as levels 0 to 4 of the component table.
constexpr std::array<std::array<int32_t, 3>, 24> HueLevels{{{4, 0, 0}, {4, 1, 0}, {4, 2, 0}, {4, 3, 0},
                                                            {4, 4, 0}, {3, 4, 0}, {2, 4, 0}, {1, 4, 0},
                                                            {0, 4, 0}, {0, 4, 1}, {0, 4, 2}, {0, 4, 3},
                                                            {0, 4, 4}, {0, 3, 4}, {0, 2, 4}, {0, 1, 4},
                                                            {0, 0, 4}, {1, 0, 4}, {2, 0, 4}, {3, 0, 4},
                                                            {4, 0, 4}, {4, 0, 3}, {4, 0, 2}, {4, 0, 1}}};

// A component of level 0 to 4 (0, 63, 127, 191, 255 at full shade) in shades 0 to 9. The shades
// are not a single formula: even ones darken towards black, odd ones start paler and darken too.
constexpr std::array<std::array<int32_t, 10>, 5> ShadeTable{{
    {0, 127, 0, 102, 0, 76, 0, 63, 0, 38},
    {63, 159, 51, 127, 38, 95, 31, 79, 19, 47},
    {127, 191, 102, 153, 76, 114, 63, 95, 38, 57},
    {191, 223, 153, 178, 114, 133, 95, 111, 57, 66},
    {255, 255, 204, 204, 153, 153, 127, 127, 76, 76},
}};

// Numbers 250 to 255.
constexpr std::array<int32_t, 6> Greys{0, 51, 91, 132, 173, 214};

constexpr int32_t Pitch = 25;  // a 20-pixel swatch and a 5-pixel gap
constexpr int32_t SwatchSize = 20;
constexpr int32_t HueColumns = 24;

// Shades of the five rows of each half of the hue block, top row first.
constexpr std::array<int32_t, 5> UpperShades{8, 6, 4, 2, 0};
constexpr std::array<int32_t, 5> LowerShades{1, 3, 5, 7, 9};
constexpr std::array<int32_t, 5> UpperTops{5, 30, 55, 80, 105};
constexpr std::array<int32_t, 5> LowerTops{140, 165, 190, 215, 240};
constexpr int32_t LastRowTop = 275;
constexpr int32_t GreysLeft = 305;

// Left and Top of a cell 0 to 254.
void CellCorner(int32_t cell, int32_t& left, int32_t& top) {
    if (cell < 120) {
        left = 5 + Pitch * (cell % HueColumns);
        top = UpperTops[cell / HueColumns];
    } else if (cell < 240) {
        left = 5 + Pitch * ((cell - 120) % HueColumns);
        top = LowerTops[(cell - 120) / HueColumns];
    } else if (cell < 249) {
        left = 5 + Pitch * (cell - 240);
        top = LastRowTop;
    } else {
        left = GreysLeft + Pitch * (cell - 249);
        top = LastRowTop;
    }
}

}  // namespace

void AciToRgb(int32_t aci, AciRgb& rgb) {
    if (aci >= 1 && aci <= 9) {
        rgb = Standard[aci - 1];
    } else if (aci >= 10 && aci <= 249) {
        const std::array<int32_t, 3>& levels = HueLevels[aci / 10 - 1];
        const int32_t shade = aci % 10;
        rgb.R = ShadeTable[levels[0]][shade];
        rgb.G = ShadeTable[levels[1]][shade];
        rgb.B = ShadeTable[levels[2]][shade];
    } else if (aci >= 250 && aci <= 255) {
        const int32_t v = Greys[aci - 250];
        rgb = {v, v, v};
    }
}

ColourRef AciToColor(int32_t aci) {
    AciRgb rgb;
    AciToRgb(aci, rgb);
    return PackRgb(rgb.R, rgb.G, rgb.B);
}

ColourRef GridCellToAci(int32_t cell, int32_t& aci, ColourRef& colour) {
    if (cell >= 0 && cell < 120) {
        aci = 10 * (cell % HueColumns + 1) + UpperShades[cell / HueColumns];
    } else if (cell >= 120 && cell < 240) {
        aci = 10 * ((cell - 120) % HueColumns + 1) + LowerShades[(cell - 120) / HueColumns];
    } else if (cell >= 240 && cell < 249) {
        aci = cell - 239;
    } else if (cell >= 249 && cell < AciSwatchCount) {
        aci = cell + 1;
    }
    colour = AciToColor(aci);
    return colour;
}

const AciSwatchTable& AciSwatches() {
    static const AciSwatchTable table = [] {
        AciSwatchTable swatches;
        for (int32_t cell = 0; cell < AciSwatchCount; ++cell) {
            AciSwatch& swatch = swatches[cell];
            CellCorner(cell, swatch.Left, swatch.Top);
            swatch.Right = swatch.Left + SwatchSize;
            swatch.Bottom = swatch.Top + SwatchSize;
            GridCellToAci(cell, swatch.Aci, swatch.Colour);
        }
        return swatches;
    }();
    return table;
}

int32_t AciSwatchAt(const AciSwatchTable& swatches, int32_t x, int32_t y) {
    for (int32_t i = 0; i < AciSwatchCount; ++i) {
        const AciSwatch& s = swatches[i];
        if (x >= s.Left && x <= s.Right && y >= s.Top && y <= s.Bottom) return i;
    }
    return -1;
}

int32_t AciSwatchOf(const AciSwatchTable& swatches, int32_t aci) {
    for (int32_t i = 0; i < AciSwatchCount; ++i)
        if (swatches[i].Aci == aci) return i;
    return -1;
}

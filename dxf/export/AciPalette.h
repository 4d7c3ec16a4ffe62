#pragma once
// The colour numbers of DXF layers (1 to 255) as screen colours, and the grid of swatches in which
// the colour picker shows them.
#include <array>
#include <cstdint>

#include "platform/Canvas.h"

struct AciRgb {
    int32_t R = 0, G = 0, B = 0;
};

// The palette entry of `aci` written into `rgb` for 1 to 255; any other number leaves `rgb` as the
// caller filled it.
void AciToRgb(int32_t aci, AciRgb& rgb);
// The screen colour of `aci`, black for a number outside 1 to 255.
ColourRef AciToColor(int32_t aci);

// Cell 0 to 254 of the picker's grid: `aci` becomes its colour number; any other cell leaves `aci`
// as it was. Then `colour` becomes, and the result is, the screen colour of `aci`.
ColourRef GridCellToAci(int32_t cell, int32_t& aci, ColourRef& colour);

// One swatch of the picker's grid, in pixels of the grid picture; Right and Bottom belong to it.
struct AciSwatch {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int32_t Aci = 0;
    ColourRef Colour = 0;
};

constexpr int32_t AciSwatchCount = 255;
using AciSwatchTable = std::array<AciSwatch, AciSwatchCount>;

// The grid, built once on first use and never changed afterwards.
const AciSwatchTable& AciSwatches();
// Index of the first swatch holding the point (x, y), edges included; -1 between swatches.
int32_t AciSwatchAt(const AciSwatchTable& swatches, int32_t x, int32_t y);
// Index of the swatch of colour number `aci`; -1 when no swatch has it.
int32_t AciSwatchOf(const AciSwatchTable& swatches, int32_t aci);

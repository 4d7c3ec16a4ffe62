#include "drawing/LayerDefaults.h"

#include <array>

#include "state/LayerRows.h"

namespace {

constexpr std::array<std::array<int32_t, 3>, 16> StandardRgb{{
    {0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 128, 128}, {128, 0, 0}, {128, 0, 128}, {128, 128, 0},
    {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0}, {255, 0, 255},
    {255, 255, 0}, {255, 255, 255},
}};

enum class Pal { Ink, Blue, Green, Cyan, Red, Magenta, Yellow, Grey, AxisGrey };

struct DefaultRow {
    const char* Name;
    int32_t Aci;
    Pal Screen;
};

constexpr std::array<DefaultRow, 24> DefaultRows{{
    {"ASSI", 9, Pal::AxisGrey},
    {"PERIM_SOLAI", 1, Pal::Grey},
    {"PERIM_PILASTRI", 1, Pal::Magenta},
    {"PILASTRI_ACCIAIO", 5, Pal::Magenta},
    {"PERIM_SETTI", 6, Pal::Magenta},
    {"PERIM_SOLETTE", 7, Pal::Grey},
    {"PLINTI", 1, Pal::Yellow},
    {"TRAVI_ESTRADOSSO", 2, Pal::Yellow},
    {"TRAVI_INTRADOSSO", 2, Pal::Yellow},
    {"QUOTE", 4, Pal::Cyan},
    {"ARMATURA_SOLAI", 6, Pal::Red},
    {"SEZIONI", 3, Pal::Blue},
    {"TESTO_TITOLI", 3, Pal::Green},
    {"TESTO_SOLAI", 3, Pal::Green},
    {"TESTO_PILASTRI", 3, Pal::Green},
    {"TESTO_SETTI", 3, Pal::Green},
    {"TESTO_SOLETTE", 3, Pal::Green},
    {"TESTO_TRAVI", 3, Pal::Green},
    {"TESTO_QUOTE", 3, Pal::Cyan},
    {"TESTO_FERRI", 3, Pal::Green},
    {"TRATTEGGIO_SOLAI", 8, Pal::Cyan},
    {"TRATTEGGIO_PILASTRI", 8, Pal::Grey},
    {"TRATTEGGIO_SETTI", 8, Pal::Grey},
    {"TRATTEGGIO_SOLETTE", 9, Pal::Grey},
}};

int32_t PaletteColour(const ScreenPalette& p, Pal entry, bool white) {
    switch (entry) {
    case Pal::Ink: return p.PaletteInk;
    case Pal::Blue: return p.PaletteBlue;
    case Pal::Green: return p.PaletteGreen;
    case Pal::Cyan: return p.PaletteCyan;
    case Pal::Red: return p.PaletteRed;
    case Pal::Magenta: return p.PaletteMagenta;
    case Pal::Yellow: return p.PaletteYellow;
    case Pal::Grey: return p.PaletteGrey;
    case Pal::AxisGrey: return StandardColour(white ? 7 : 8);  // the other way from PaletteGrey
    }
    return 0;
}

}  // namespace

int32_t StandardColour(int32_t n) {
    if (n < 0 || n >= static_cast<int32_t>(StandardRgb.size())) return 0;
    const auto& c = StandardRgb[static_cast<size_t>(n)];
    return c[0] + 256 * c[1] + 65536 * c[2];
}

void SetDefaultScreenColors(DrawingState& drawing) {
    const bool white = drawing.WhiteBackground != 0;
    auto pick = [white](int32_t onWhite, int32_t onBlack) { return StandardColour(white ? onWhite : onBlack); };
    ScreenPalette& p = drawing.Palette;
    p.PaletteInk = pick(0, 15);
    p.PaletteBlue = pick(1, 9);
    p.PaletteGreen = pick(2, 10);
    p.PaletteCyan = pick(3, 11);
    p.PaletteRed = pick(4, 12);
    p.PaletteMagenta = pick(5, 13);
    p.PaletteYellow = pick(6, 14);
    p.PaletteGrey = pick(8, 7);

    for (size_t row = 0; row < DefaultRows.size(); ++row)
        drawing.LayerScreenColours[row] = PaletteColour(p, DefaultRows[row].Screen, white);
    drawing.LayerScreenColours[LayerRow::PillarTops] = drawing.LayerScreenColours[LayerRow::PillarOutlines];
    for (size_t row = 0; row < DefaultRows.size(); ++row) drawing.LayerScreenOn[row] = 1;
    drawing.DimOsnapOn.fill(1);
    drawing.CanvasBackColour = white ? StandardColour(15) : 0;
}

void DerivePillarTopLayer(DrawingState& drawing) {
    drawing.LayerNames[LayerRow::PillarTops] = drawing.LayerNames[LayerRow::PillarOutlines] + "_SUP";
    drawing.LayerAci[LayerRow::PillarTops] = drawing.LayerAci[LayerRow::PillarOutlines];
    drawing.LayerDxfOn[LayerRow::PillarTops] = drawing.LayerDxfOn[LayerRow::PillarOutlines];
}

void SetDefaultLayersAndOptions(DrawingState& drawing, ShellOptions& shell, DesignOptions& design,
                                DxfOptions& dxf) {
    for (size_t row = 0; row < DefaultRows.size(); ++row) {
        drawing.LayerNames[row] = DefaultRows[row].Name;
        drawing.LayerAci[row] = DefaultRows[row].Aci;
        drawing.LayerDxfOn[row] = 1;
    }
    DerivePillarTopLayer(drawing);

    design.MaxUpperBarLength = 1200;
    design.LowerAssemblyBarDiameter = 5;
    shell.DimensionUnitMetres = 0;
    shell.SpareOption1 = 0;
    shell.SpareOption2 = 1;
    shell.SpareOption3 = 1;
    shell.LateralCover = 2;
    shell.OptimalTextSize = 1;
    shell.OsnapEnabled = 0;
    drawing.Display = DisplayOptions{};
    dxf.DxfSpanSymbol = 1;
    dxf.DxfScaleIs50 = 1;
    dxf.CadPrintMm = 1.0f;
    dxf.CadPrintUnits = 10.0f;
    dxf.DxfUnitFactor = 1.0f;
    dxf.DxfScaleFactor = 2.0f;
}

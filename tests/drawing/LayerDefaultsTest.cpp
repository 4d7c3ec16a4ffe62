#include "drawing/LayerDefaults.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

struct Defaults {
    DrawingState drawing;
    ShellOptions shell;
    DesignOptions design;
    DxfOptions dxf;
    explicit Defaults(int32_t white) {
        drawing.WhiteBackground = white;
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell, design, dxf);
    }
};

TEST(LayerDefaults, ScreenColoursFollowTheBackground) {
    const int32_t lightGrey = Rgb(192, 192, 192), darkGrey = Rgb(128, 128, 128);
    struct Row {
        int layer;
        int32_t onBlack, onWhite;
    };
    const Row rows[] = {
        {0, darkGrey, lightGrey},  // the axes run the other way from the palette's grey
        {1, lightGrey, darkGrey},
        {2, Rgb(255, 0, 255), Rgb(128, 0, 128)},
        {6, Rgb(255, 255, 0), Rgb(128, 128, 0)},
        {9, Rgb(0, 255, 255), Rgb(0, 128, 128)},
        {10, Rgb(255, 0, 0), Rgb(128, 0, 0)},
        {11, Rgb(0, 0, 255), Rgb(0, 0, 128)},
        {12, Rgb(0, 255, 0), Rgb(0, 128, 0)},
        {21, lightGrey, darkGrey},
        {23, lightGrey, darkGrey},
        {24, Rgb(255, 0, 255), Rgb(128, 0, 128)},  // row 24 follows row 2
    };
    const Defaults black(0), white(1);
    for (const Row& r : rows) {
        EXPECT_EQ(black.drawing.LayerScreenColours[r.layer], r.onBlack) << "layer " << r.layer;
        EXPECT_EQ(white.drawing.LayerScreenColours[r.layer], r.onWhite) << "layer " << r.layer;
    }
    EXPECT_EQ(black.drawing.CanvasBackColour, 0);
    EXPECT_EQ(white.drawing.CanvasBackColour, Rgb(255, 255, 255));
    EXPECT_EQ(black.drawing.Palette.PaletteYellow, Rgb(255, 255, 0));
    EXPECT_EQ(white.drawing.Palette.PaletteInk, 0);
}

TEST(LayerDefaults, NamesColourNumbersAndSwitches) {
    const Defaults d(0);
    EXPECT_EQ(d.drawing.LayerNames[0], "ASSI");
    EXPECT_EQ(d.drawing.LayerNames[9], "QUOTE");
    EXPECT_EQ(d.drawing.LayerNames[18], "TESTO_QUOTE");
    EXPECT_EQ(d.drawing.LayerNames[23], "TRATTEGGIO_SOLETTE");
    EXPECT_EQ(d.drawing.LayerNames[24], "PERIM_PILASTRI_SUP");
    EXPECT_EQ(d.drawing.LayerAci[0], 9);
    EXPECT_EQ(d.drawing.LayerAci[23], 9);
    EXPECT_EQ(d.drawing.LayerAci[24], d.drawing.LayerAci[2]);
    for (int row = 0; row < 24; ++row) {
        EXPECT_EQ(d.drawing.LayerDxfOn[row], 1);
        EXPECT_EQ(d.drawing.LayerScreenOn[row], 1);
    }
    EXPECT_EQ(d.drawing.LayerScreenOn[24], 0) << "no default sets row 24's screen switch";
    EXPECT_FLOAT_EQ(d.dxf.DxfScaleFactor, 2.0f);
    EXPECT_FLOAT_EQ(d.dxf.DxfUnitFactor, 1.0f);
    EXPECT_EQ(d.drawing.Display.FloorSlabDisplayMode, 1);
    EXPECT_EQ(d.design.MaxUpperBarLength, 1200);
}

TEST(LayerDefaults, EachHalfLeavesTheOtherAlone) {
    Defaults d(0);
    d.drawing.LayerNames[2] = "PILASTRI_UTENTE";
    d.drawing.LayerAci[5] = 42;
    d.drawing.WhiteBackground = 1;
    SetDefaultScreenColors(d.drawing);
    EXPECT_EQ(d.drawing.LayerNames[2], "PILASTRI_UTENTE");
    EXPECT_EQ(d.drawing.LayerAci[5], 42);

    d.drawing.LayerScreenColours[3] = 12345;
    SetDefaultLayersAndOptions(d.drawing, d.shell, d.design, d.dxf);
    EXPECT_EQ(d.drawing.LayerScreenColours[3], 12345);
    EXPECT_EQ(d.drawing.LayerNames[24], "PERIM_PILASTRI_SUP");
}

}  // namespace

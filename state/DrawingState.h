#pragma once
// The drawing state: the layer table with its switches and colours, the screen palette, the display
// options and the view window. What holds for one drawing pass only lives in the pass.
#include <array>
#include <cstdint>
#include <string>

constexpr int LayerCount = 25;
constexpr int DimOsnapLayerCount = 9;
// Row 24 is the pillar outlines' second layer, derived from row 2.
constexpr int PillarTopLayer = 24;

struct ViewWindow {
    float ViewXMin = 0, ViewXMax = 0, ViewYMin = 0, ViewYMax = 0;
    float PrevViewXMin = 0, PrevViewXMax = 0, PrevViewYMin = 0, PrevViewYMax = 0;
    float ViewScale = 1;  // canvas pixels per model centimetre
    float CanvasWidthPx = 0, CanvasHeightPx = 0;
    float TwipsPerPixel = 15;
    float CursorWorldX = 0, CursorWorldY = 0;  // model point under the mouse; the wheel zoom's centre
};

inline std::array<int32_t, LayerCount> DefaultLayerScreenOn() {
    std::array<int32_t, LayerCount> on{};
    for (int i = 0; i < 24; ++i) on[i] = 1;
    return on;
}

// Colours are packed as R + 256·G + 65536·B.
struct ScreenPalette {
    int32_t PaletteInk = 0, PaletteBlue = 0, PaletteGreen = 0, PaletteCyan = 0;
    int32_t PaletteRed = 0, PaletteMagenta = 0, PaletteYellow = 0, PaletteGrey = 0;
};

// Screen fill of each element kind: 0 solid, 1 hatch, 2 outline only.
struct DisplayOptions {
    int32_t WallDisplayMode = 0;
    int32_t FloorSlabDisplayMode = 1;
    int32_t ConcreteSlabDisplayMode = 0;
    int32_t PillarDisplayMode = 0;
};

struct DrawingState {
    // The layer table, rows 0 to 24.
    std::array<std::string, LayerCount> LayerNames{};
    std::array<int32_t, LayerCount> LayerAci{};
    std::array<int32_t, LayerCount> LayerDxfOn{};
    std::array<int32_t, LayerCount> LayerScreenColours{};
    std::array<int32_t, LayerCount> LayerScreenOn = DefaultLayerScreenOn();
    std::array<int32_t, DimOsnapLayerCount> DimOsnapOn{1, 1, 1, 1, 1, 1, 1, 1, 1};
    ScreenPalette Palette;
    int32_t WhiteBackground = 0;
    int32_t CanvasBackColour = 0;
    DisplayOptions Display;

    ViewWindow View;
};

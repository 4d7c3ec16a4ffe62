#pragma once
// The drawing state: layer switches, view window and the output selector in force.
#include <array>
#include <cstdint>

constexpr int LayerCount = 25;
constexpr int DimOsnapLayerCount = 9;

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

struct DrawingState {
    std::array<int32_t, LayerCount> LayerScreenOn = DefaultLayerScreenOn();
    std::array<int32_t, DimOsnapLayerCount> DimOsnapOn{1, 1, 1, 1, 1, 1, 1, 1, 1};
    ViewWindow View;
    int32_t toDxf = 0;      // 0 draws on the canvas, 1 writes DXF
    bool ScaleIs50 = false;
};

#pragma once
// Model (cm, y up) to canvas (pixels, y down) and back, through the view window. Nothing clips:
// points outside the window map outside the canvas.
#include "state/DrawingState.h"

// Inline: the canvas takes two of each for every line it draws.
inline float WorldToScreenX(const ViewWindow& view, float x) {
    return static_cast<float>((static_cast<double>(x) - view.ViewXMin) * view.ViewScale);
}

inline float WorldToScreenY(const ViewWindow& view, float y) {
    return static_cast<float>((static_cast<double>(view.ViewYMin) - y) * view.ViewScale + view.CanvasHeightPx);
}

// Canvas events deliver integer or fractional pixels; ViewScale must be positive.
float ScreenToWorldX(const ViewWindow& view, double sx);
float ScreenToWorldY(const ViewWindow& view, double sy);

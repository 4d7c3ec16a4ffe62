#pragma once
// Model (cm, y up) to canvas (pixels, y down) and back, through the view window. Nothing clips:
// points outside the window map outside the canvas.
#include "state/DrawingState.h"

float WorldToScreenX(const ViewWindow& view, float x);
float WorldToScreenY(const ViewWindow& view, float y);
// Canvas events deliver integer or fractional pixels; ViewScale must be positive.
float ScreenToWorldX(const ViewWindow& view, double sx);
float ScreenToWorldY(const ViewWindow& view, double sy);

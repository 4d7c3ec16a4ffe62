#pragma once
// The rebar being edited graphically, drawn on the canvas over the plan: the bar between its two
// ends (canvas pixels), dotted over a black line, with a grip box at its start, middle and end.
#include <cstdint>

#include "platform/Canvas.h"

// Grips: 0 none, 1 start, 2 end, 3 middle; the active one is drawn in light red.
void DrawRebarGrips(Canvas& canvas, float x1, float y1, float x2, float y2, int32_t activeGrip);

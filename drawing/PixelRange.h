#pragma once
// Pixel values from far outside the view: a zoom far into the plan puts most of it millions of
// pixels away. Such values must neither wrap when they become integers nor reach the canvas
// unclipped, where a wrapped end would draw a line across the screen.
#include <cstdint>

// The pixel value rounded to the nearest integer (halves to even), clamped to the 32-bit range;
// 0 for a value that is not a number.
int32_t ToPixelInt(float value);

// Clips the segment to a square of pixels far larger than any canvas, so that its visible part
// keeps its exact direction. False when nothing of it lies there (or an end is not finite).
bool ClipToDrawableRange(float& x1, float& y1, float& x2, float& y2);

// Whether a circle (centre and radius in pixels, all finite) touches that square at all.
bool CircleReachesDrawableRange(float cx, float cy, float radius);

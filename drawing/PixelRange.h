#pragma once
// Pixel values from far outside the view: a zoom far into the plan puts most of it millions of
// pixels away. Such values must neither wrap when they become integers nor reach the canvas
// unclipped, where a wrapped end would draw a line across the screen.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Canvas.h"

// The pixel value rounded to the nearest integer (halves to even), clamped to the 32-bit range;
// 0 for a value that is not a number.
int32_t ToPixelInt(float value);

// Clips the segment to a square of pixels far larger than any canvas, so that its visible part
// keeps its exact direction. False when nothing of it lies there (or an end is not finite).
bool ClipToDrawableRange(float& x1, float& y1, float& x2, float& y2);

// Whether a circle (centre and radius in pixels, all finite) touches that square at all.
bool CircleReachesDrawableRange(float cx, float cy, float radius);

// A pixel position before rounding.
struct PixelPosition {
    float X = 0, Y = 0;
};

// The box of pixel positions around the points it was given.
struct PixelBox {
    float Left, Top, Right, Bottom;

    PixelBox(float x, float y) : Left(x), Top(y), Right(x), Bottom(y) {}
    void Take(float x, float y) {
        Left = std::min(Left, x), Right = std::max(Right, x);
        Top = std::min(Top, y), Bottom = std::max(Bottom, y);
    }
};

// The closed polygon clipped to the same square and rounded to whole pixels (halves to even): what
// lies inside the square is filled exactly as the whole polygon would fill it. Empty when a
// position is not finite or nothing of the polygon lies in the square.
std::vector<PixelPoint> ToDrawablePolygon(std::span<const PixelPosition> polygon);

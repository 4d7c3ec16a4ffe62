#pragma once
// Texts as the canvas paints them: a rotated Arial cell of a given size, and the width the screen
// reckons a text takes for centring and right alignment.
#include <cstdint>
#include <string>

#include "platform/Canvas.h"

// Paints the text with its cell's top-left corner at the pixel (x, y), in the canvas fore colour;
// nothing for a cell that rounds to no height.
void DrawRotatedText(Canvas& canvas, int32_t x, int32_t y, float height, float width, int32_t angleDeg,
                     const std::string& text);

// The width of a text in characters as the canvas estimates it for centring and right alignment.
float EstimatedCharacterCount(const std::string& text);

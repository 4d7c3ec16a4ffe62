#pragma once
// Texts of the plan: one line anchored at a model point with a height class (kind 0, 1, 2: 20, 25,
// 42 times the text base), a layer, an alignment (horizontal 0 left, 1 centre, 2 right; vertical 0
// bottom, 1 middle, 2 top) and an angle in degrees, on the canvas or as a DXF TEXT. Texts are
// single-byte Windows text, as the data files hold them.
#include <cstdint>
#include <string>

#include "drawing/CanvasText.h"
#include "drawing/DrawingPass.h"

// The height of a kind for the output: DxfUnitFactor × factor for DXF; on the canvas the base is
// 1 at 1:50 and 2 at 1:100.
float GetTextHeight(DrawTarget& target, int32_t kind, int32_t toDxf);

void DrawText(DrawTarget& target, float x, float y, const std::string& text, int32_t kind, int32_t layer,
              int32_t hAlign, int32_t vAlign, float angleDeg, int32_t toDxf);
// The text centred on the segment's midpoint, along the segment, reading left to right or upwards.
void DrawTextAlongSegment(DrawTarget& target, float x1, float y1, float x2, float y2, const std::string& text,
                          int32_t layer, int32_t kind, int32_t toDxf);
// The segment as a line on lineLayer and the text above (above non-zero) or below its middle;
// nothing for a segment that rounds to 0 cm.
void DrawRebarText(DrawTarget& target, const std::string& text, float x1, float y1, float x2, float y2,
                   int32_t above, int32_t lineLayer, int32_t textLayer, int32_t toDxf);

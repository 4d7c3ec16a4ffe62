#pragma once
// The output-neutral primitives every element of the plan goes through: model coordinates (cm,
// y up), a layer of the layer table and the output selector. On the canvas (toDxf 0) they paint in
// the layer's screen colour; otherwise they hand the entity, on the layer's DXF name, to the DXF
// entity writers. They never consult the layer switches: the caller decides what is drawn.
//
// Layers 0 to 24 are rows of the layer table; the canvas lines of the editor's highlights also take
// -1 (light cyan) and -2 (yellow). Styles: 0 the layer's linetype, 1 dashed (dotted pen on the
// canvas), 2 continuous, 3 "DASHED2" (dotted pen), 4 and above solid (a circle then takes
// PaletteYellow).
#include <cstdint>
#include <span>

#include "drawing/DrawingPass.h"
#include "model/tables/ModelTables.h"

constexpr int32_t DimensionLineLayer = 9;
constexpr int32_t DimensionTextLayer = 18;

void DrawLine(DrawTarget& target, float x1, float y1, float x2, float y2, int32_t layer, int32_t style,
              int32_t toDxf);
void DrawPolyline(DrawTarget& target, std::span<const PlanPoint> points, int32_t layer, int16_t closed,
                  int32_t toDxf);
void DrawCircle(DrawTarget& target, float cx, float cy, float r, int32_t layer, int32_t style, int32_t toDxf);
// A cross of 4 cm on layer 6 and a circle of radius r on layer 2.
void DrawPointMarker(DrawTarget& target, float x, float y, float r, int32_t toDxf);
// A linear dimension: the ends of its line, the measured points (used by a DXF 2000 DIMENSION
// only) and the 1:50 flag of the pass.
void DrawDimension(DrawTarget& target, float x1, float y1, float x2, float y2, float mx1, float my1, float mx2,
                   float my2, bool scaleIs50, int32_t toDxf);

#pragma once
// The entity writers the drawing primitives hand their output to on a DXF pass: LINE, CIRCLE and
// TEXT records, in the dialect of the export (a DXF 2000 record adds its handle, the model-space
// owner and the subclass markers; an R12 record leaves them out), appended to the entity spool.
// Coordinates are DXF units (already through WorldToDxfX / WorldToDxfY); numbers never depend on
// the process locale; layer names are written as DxfLayerName gives them.
#include <cstdint>
#include <span>
#include <string>

#include "dxf/writers/DxfWriterState.h"
#include "state/DxfOptions.h"

struct DxfPoint {
    float X = 0, Y = 0;
};

// The line type a drawing style gives an entity (group 6); other styles write none, and the entity
// takes its layer's line type.
const char* DxfLineTypeOfStyle(int32_t style);

// Model cm to DXF units: (v + offset) × DxfScaleFactor. A result beyond a 32-bit float throws
// std::overflow_error, which ends the export.
float WorldToDxfX(const DxfOptions& options, float x);
float WorldToDxfY(const DxfOptions& options, float y);

// style: 1 "DASHED", 2 "Continuous", 3 "DASHED2" give the entity a linetype; other values none.
void WriteDxfLine(DxfWriterState& state, const DxfOptions& options, float x1, float y1, float x2, float y2,
                  const std::string& layerName, int32_t style);
void WriteDxfCircle(DxfWriterState& state, const DxfOptions& options, float x, float y, float r,
                    const std::string& layerName, int32_t style);
// hAlign and vAlign are written as groups 72 and 73 as they come: hAlign 0 left, 1 centre,
// 2 right; vAlign 1 bottom, 2 middle, 3 top. Rotation in degrees; line breaks in text become blanks,
// other control characters and the bytes code page 1252 leaves undefined "?" (DxfGroups::Text).
void WriteDxfText(DxfWriterState& state, const DxfOptions& options, const std::string& layerName,
                  const std::string& text, float x, float y, float height, float rotation, int32_t hAlign,
                  int32_t vAlign);
// One LINE (style 0) per consecutive pair of points, and the closing one from the first point to
// the last when closed is non-zero; nothing for no points.
void WriteDxfPolyline(DxfWriterState& state, const DxfOptions& options, const std::string& layerName,
                      int32_t closed, std::span<const DxfPoint> points);

#include "dxf/writers/DxfEntityWriters.h"

#include <cmath>
#include <stdexcept>

#include "dxf/writers/DxfGroups.h"

namespace {

float Scaled(float v, float scale) {
    const float result = v * scale;
    if (!std::isfinite(result)) throw std::overflow_error("a DXF coordinate overflows a 32-bit float");
    return result;
}

// The head every entity record shares: its name; in DXF 2000 the handle, taken now, the owner
// and the entity marker; the layer; in DXF 2000 the marker of the entity's own subclass.
DxfGroups BeginEntity(DxfWriterState& state, const DxfOptions& options, const char* name, const char* subclass,
                      const std::string& layerName) {
    const bool dxf2000 = options.DxfR12 == 0;
    DxfGroups groups(state.EntitySpool, state.EntitySpoolFile);
    groups.Text(0, name);
    if (dxf2000)
        groups.Text(5, TakeNextHandle(state).View()).Text(330, state.HandleModelSpaceRecord).Text(100, "AcDbEntity");
    groups.Layer(8, layerName);
    if (dxf2000) groups.Text(100, subclass);
    return groups;
}

void WriteLineType(DxfGroups& groups, int32_t style) {
    if (const char* lineType = DxfLineTypeOfStyle(style)) groups.Text(6, lineType);
}

}  // namespace

const char* DxfLineTypeOfStyle(int32_t style) {
    switch (style) {
        case 1: return "DASHED";
        case 2: return "Continuous";
        case 3: return "DASHED2";
        default: return nullptr;
    }
}

float WorldToDxfX(const DxfOptions& options, float x) { return Scaled(x + options.DxfOffsetX, options.DxfScaleFactor); }

float WorldToDxfY(const DxfOptions& options, float y) { return Scaled(y + options.DxfOffsetY, options.DxfScaleFactor); }

void WriteDxfLine(DxfWriterState& state, const DxfOptions& options, float x1, float y1, float x2, float y2,
                  const std::string& layerName, int32_t style) {
    DxfGroups groups = BeginEntity(state, options, "LINE", "AcDbLine", layerName);
    WriteLineType(groups, style);
    groups.Real(10, x1).Real(20, y1).Text(30, "0").Real(11, x2).Real(21, y2).Text(31, "0");
}

void WriteDxfCircle(DxfWriterState& state, const DxfOptions& options, float x, float y, float r,
                    const std::string& layerName, int32_t style) {
    DxfGroups groups = BeginEntity(state, options, "CIRCLE", "AcDbCircle", layerName);
    WriteLineType(groups, style);
    groups.Real(10, x).Real(20, y).Text(30, "0").Real(40, r);
}

// Both alignment points are the insertion point, so the text stands where it is meant to whichever
// of the two a reader honours for the justification.
void WriteDxfText(DxfWriterState& state, const DxfOptions& options, const std::string& layerName,
                  const std::string& text, float x, float y, float height, float rotation, int32_t hAlign,
                  int32_t vAlign) {
    DxfGroups groups = BeginEntity(state, options, "TEXT", "AcDbText", layerName);
    groups.Real(10, x).Real(20, y).Text(30, "0.0").Int(72, hAlign);
    groups.Real(11, x).Real(21, y).Text(31, "0.0").Real(40, height).Text(1, text).Real(50, rotation);
    if (options.DxfR12 == 0) groups.Text(100, "AcDbText");
    groups.Int(73, vAlign);
}

void WriteDxfPolyline(DxfWriterState& state, const DxfOptions& options, const std::string& layerName,
                      int32_t closed, std::span<const DxfPoint> points) {
    if (points.empty()) return;  // no first point to close on
    for (size_t i = 0; i + 1 < points.size(); ++i)
        WriteDxfLine(state, options, points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y, layerName, 0);
    if (closed != 0)
        WriteDxfLine(state, options, points.front().X, points.front().Y, points.back().X, points.back().Y, layerName,
                     0);
}

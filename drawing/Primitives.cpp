#include "drawing/Primitives.h"

#include <vector>

#include "drawing/ExplodedDimension.h"
#include "drawing/PixelRange.h"
#include "drawing/TextPrimitives.h"
#include "dxf/writers/DxfDimensions.h"
#include "dxf/writers/DxfEntityWriters.h"
#include "model/geometry/ViewTransforms.h"

namespace {

constexpr ColourRef LightCyan = PackRgb(0, 255, 255);
constexpr ColourRef Yellow = PackRgb(255, 255, 0);
constexpr int32_t MarkerCrossLayer = 6;
constexpr int32_t MarkerCircleLayer = 2;

bool IsTableLayer(int32_t layer) { return layer >= 0 && layer < LayerCount; }

ColourRef LineColour(const DrawingState& d, int32_t layer) {
    if (layer == HighlightCyanLayer) return LightCyan;
    if (layer == HighlightYellowLayer) return Yellow;
    return IsTableLayer(layer) ? d.LayerScreenColours[static_cast<size_t>(layer)] : 0;
}

const std::string& LayerName(const DrawingState& d, int32_t layer) {
    static const std::string none;
    return IsTableLayer(layer) ? d.LayerNames[static_cast<size_t>(layer)] : none;
}

bool IsDottedStyle(int32_t style) { return style == 1 || style == 3; }

// One canvas segment in model coordinates, clipped so that far-away ends never wrap.
void CanvasSegment(DrawTarget& t, float x1, float y1, float x2, float y2, ColourRef colour) {
    const ViewWindow& v = t.drawing.View;
    float sx1 = WorldToScreenX(v, x1), sy1 = WorldToScreenY(v, y1);
    float sx2 = WorldToScreenX(v, x2), sy2 = WorldToScreenY(v, y2);
    if (!ClipToDrawableRange(sx1, sy1, sx2, sy2)) return;
    t.canvas.Line(sx1, sy1, sx2, sy2, colour);
}

}  // namespace

void DrawLine(DrawTarget& t, float x1, float y1, float x2, float y2, int32_t layer, int32_t style, int32_t toDxf) {
    if (toDxf == 0) {
        const ColourRef colour = LineColour(t.drawing, layer);
        const bool dotted = IsTableLayer(layer) && IsDottedStyle(style);
        if (dotted) t.canvas.SetDrawStyle(DrawStyle::Dotted);
        CanvasSegment(t, x1, y1, x2, y2, colour);
        t.canvas.SetDrawStyle(DrawStyle::Solid);
        return;
    }
    if (!IsTableLayer(layer)) return;
    WriteDxfLine(t.writer, t.dxf, WorldToDxfX(t.dxf, x1), WorldToDxfY(t.dxf, y1), WorldToDxfX(t.dxf, x2),
                 WorldToDxfY(t.dxf, y2), LayerName(t.drawing, layer), style);
}

void DrawPolyline(DrawTarget& t, std::span<const PlanPoint> points, int32_t layer, int16_t closed, int32_t toDxf) {
    if (points.empty()) return;
    const bool isClosed = closed == PolylineClosed;
    if (toDxf == 0) {
        const ColourRef colour = LineColour(t.drawing, layer);
        t.canvas.SetDrawStyle(DrawStyle::Solid);
        const size_t n = points.size() - 1;  // the upper bound
        const size_t segments = isClosed ? n + 1 : n;
        for (size_t i = 0; i < segments; ++i) {
            const PlanPoint& a = points[i];
            const PlanPoint& b = points[i + 1 <= n ? i + 1 : 0];
            CanvasSegment(t, a.X, a.Y, b.X, b.Y, colour);
        }
        return;
    }
    if (!IsTableLayer(layer)) return;
    std::vector<DxfPoint> converted;
    converted.reserve(points.size());
    for (const PlanPoint& p : points) converted.push_back({WorldToDxfX(t.dxf, p.X), WorldToDxfY(t.dxf, p.Y)});
    WriteDxfPolyline(t.writer, t.dxf, LayerName(t.drawing, layer), isClosed ? 1 : 0, converted);
}

void DrawCircle(DrawTarget& t, float cx, float cy, float r, int32_t layer, int32_t style, int32_t toDxf) {
    if (!IsTableLayer(layer)) return;
    if (toDxf == 0) {
        const ViewWindow& v = t.drawing.View;
        const float sx = WorldToScreenX(v, cx), sy = WorldToScreenY(v, cy);
        const float radius = r * v.ViewScale;
        const bool dotted = IsDottedStyle(style);
        if (dotted) t.canvas.SetDrawStyle(DrawStyle::Dotted);
        const ColourRef colour = style > 3 ? t.drawing.Palette.PaletteYellow
                                           : t.drawing.LayerScreenColours[static_cast<size_t>(layer)];
        // A circle wholly beyond the drawable range could not be seen; its huge numbers stay out.
        if (CircleReachesDrawableRange(sx, sy, radius)) t.canvas.Circle(sx, sy, radius, colour);
        if (dotted) t.canvas.SetDrawStyle(DrawStyle::Solid);
        return;
    }
    WriteDxfCircle(t.writer, t.dxf, WorldToDxfX(t.dxf, cx), WorldToDxfY(t.dxf, cy), r * t.dxf.DxfScaleFactor,
                   LayerName(t.drawing, layer), style);
}

void DrawPointMarker(DrawTarget& t, float x, float y, float r, int32_t toDxf) {
    DrawLine(t, x - 2, y, x + 2, y, MarkerCrossLayer, 0, toDxf);
    DrawLine(t, x, y - 2, x, y + 2, MarkerCrossLayer, 0, toDxf);
    DrawCircle(t, x, y, r, MarkerCircleLayer, 0, toDxf);
}

void DrawDimension(DrawTarget& t, float x1, float y1, float x2, float y2, float mx1, float my1, float mx2, float my2,
                   bool scaleIs50, int32_t toDxf) {
    if (toDxf == 0 || t.dxf.DxfR12 != 0) {
        DrawExplodedDimension(t, x1, y1, x2, y2, DimensionLineLayer, DimensionTextLayer, toDxf);
        return;
    }
    Dxf2000Dimension d;
    d.LineLayer = DimensionLineLayer;
    d.TextLayer = DimensionTextLayer;
    d.Decimals = 1;
    d.TextHeight = GetTextHeight(t, 0, toDxf);
    d.ArrowSizeFactor = 1.0f;
    d.ArrowKind = 0;
    d.X1 = x1, d.Y1 = y1, d.X2 = x2, d.Y2 = y2;
    d.MX1 = mx1, d.MY1 = my1, d.MX2 = mx2, d.MY2 = my2;
    d.LengthDivisor = 1.0f;
    d.StyleName = scaleIs50 ? "SC50" : "SC100";
    WriteDxf2000Dimension(t.writer, t.dxf, t.drawing, d);
}

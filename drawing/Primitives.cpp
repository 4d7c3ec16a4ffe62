#include "drawing/Primitives.h"

namespace {

constexpr int32_t MarkerCrossLayer = 6;
constexpr int32_t MarkerCircleLayer = 2;

}  // namespace

void DrawLine(DrawTarget& t, float x1, float y1, float x2, float y2, int32_t layer, int32_t style, int32_t toDxf) {
    t.Output(toDxf).Line(x1, y1, x2, y2, layer, static_cast<LineStyle>(style));
}

void DrawPolyline(DrawTarget& t, std::span<const PlanPoint> points, int32_t layer, int16_t closed, int32_t toDxf) {
    t.Output(toDxf).Polyline(points, layer, closed);
}

void DrawCircle(DrawTarget& t, float cx, float cy, float r, int32_t layer, int32_t style, int32_t toDxf) {
    t.Output(toDxf).Circle(cx, cy, r, layer, static_cast<LineStyle>(style));
}

void DrawPointMarker(DrawTarget& t, float x, float y, float r, int32_t toDxf) {
    DrawLine(t, x - 2, y, x + 2, y, MarkerCrossLayer, 0, toDxf);
    DrawLine(t, x, y - 2, x, y + 2, MarkerCrossLayer, 0, toDxf);
    DrawCircle(t, x, y, r, MarkerCircleLayer, 0, toDxf);
}

void DrawDimension(DrawTarget& t, float x1, float y1, float x2, float y2, float mx1, float my1, float mx2, float my2,
                   bool, int32_t toDxf) {
    Dimension d;
    d.LineX1 = x1, d.LineY1 = y1, d.LineX2 = x2, d.LineY2 = y2;
    d.MeasuredX1 = mx1, d.MeasuredY1 = my1, d.MeasuredX2 = mx2, d.MeasuredY2 = my2;
    t.Output(toDxf).LinearDimension(d);
}

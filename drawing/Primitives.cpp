#include "drawing/Primitives.h"

#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "state/LayerRows.h"

void DrawPointMarker(PlanOutput& out, float x, float y, float r) {
    out.Line(x - 2, y, x + 2, y, LayerRow::Footings, LineStyle::ByLayer);
    out.Line(x, y - 2, x, y + 2, LayerRow::Footings, LineStyle::ByLayer);
    out.Circle(x, y, r, LayerRow::PillarOutlines, LineStyle::ByLayer);
}

void DrawTextAlongSegment(PlanOutput& out, float x1, float y1, float x2, float y2, const std::string& text,
                          int32_t layer, TextKind kind) {
    out.Text((x1 + x2) / 2, (y1 + y2) / 2, text, kind, layer, HAlign::Centre, VAlign::Middle,
             GetLineAngleDeg(x1, y1, x2, y2));
}

void DrawRebarText(PlanOutput& out, const std::string& text, float x1, float y1, float x2, float y2, bool above,
                   int32_t lineLayer, int32_t textLayer) {
    if (RoundHalfEven(GetDistance(x1, y1, x2, y2), 0) == 0) return;
    out.Line(x1, y1, x2, y2, lineLayer, LineStyle::ByLayer);
    out.Text((x1 + x2) / 2, (y1 + y2) / 2, text, TextKind::Small, textLayer, HAlign::Centre,
             above ? VAlign::Bottom : VAlign::Top, GetLineAngleDeg(x1, y1, x2, y2));
}

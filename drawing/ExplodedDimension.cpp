#include "drawing/ExplodedDimension.h"

#include <cmath>
#include <string>

#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"

std::string DimensionLabel(float length) {
    const float fraction = static_cast<float>(length - std::trunc(length));
    return fraction >= 0.1f && fraction <= 0.9f ? FormatNum(length, 1) : FormatNum(length, 0);
}

void DrawExplodedDimension(PlanOutput& out, float x1, float y1, float x2, float y2, int32_t lineLayer,
                           int32_t textLayer) {
    const float length = GetDistance(x1, y1, x2, y2);
    if (!(length >= 0.001f)) return;
    const std::string label = DimensionLabel(length);
    if ((std::fabs(x1 - x2) > 0.0001f && x1 > x2) || (std::fabs(x1 - x2) <= 0.0001f && y1 > y2)) {
        SwapValues(x1, x2);
        SwapValues(y1, y2);
    }
    const LineAngleSinCos angle = ComputeLineAngleDegSinCos(x1, y1, x2, y2);
    const float s = angle.SinA, c = angle.CosA;
    out.Line(x1, y1, x2, y2, lineLayer, LineStyle::ByLayer);
    out.Line(x1 + 8 * s, y1 - 8 * c, x1 - 8 * s, y1 + 8 * c, lineLayer, LineStyle::ByLayer);
    out.Line(x2 + 8 * s, y2 - 8 * c, x2 - 8 * s, y2 + 8 * c, lineLayer, LineStyle::ByLayer);
    out.Circle(x1, y1, 1.2f, lineLayer, LineStyle::ByLayer);
    out.Circle(x2, y2, 1.2f, lineLayer, LineStyle::ByLayer);
    const float offset = length >= 8.0f * static_cast<float>(label.size()) ? 0.0f : 7.0f;
    out.Text((x1 + x2) / 2 - offset * s, (y1 + y2) / 2 + offset * c, label, TextKind::Small, textLayer, HAlign::Centre,
             VAlign::Bottom, angle.Angle);
}

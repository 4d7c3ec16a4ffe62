#include "drawing/TextPrimitives.h"

#include "drawing/Primitives.h"
#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"

float GetTextHeight(DrawTarget& t, int32_t kind, int32_t toDxf) { return t.Output(toDxf).TextHeight(kind); }

void DrawText(DrawTarget& t, float x, float y, const std::string& text, int32_t kind, int32_t layer, int32_t hAlign,
              int32_t vAlign, float angleDeg, int32_t toDxf) {
    t.Output(toDxf).Text(x, y, text, kind, layer, static_cast<HAlign>(hAlign), static_cast<VAlign>(vAlign), angleDeg);
}

void DrawTextAlongSegment(DrawTarget& t, float x1, float y1, float x2, float y2, const std::string& text,
                          int32_t layer, int32_t kind, int32_t toDxf) {
    DrawText(t, (x1 + x2) / 2, (y1 + y2) / 2, text, kind, layer, 1, 1, GetLineAngleDeg(x1, y1, x2, y2), toDxf);
}

void DrawRebarText(DrawTarget& t, const std::string& text, float x1, float y1, float x2, float y2, int32_t above,
                   int32_t lineLayer, int32_t textLayer, int32_t toDxf) {
    if (RoundHalfEven(GetDistance(x1, y1, x2, y2), 0) == 0) return;
    DrawLine(t, x1, y1, x2, y2, lineLayer, 0, toDxf);
    DrawText(t, (x1 + x2) / 2, (y1 + y2) / 2, text, 0, textLayer, 1, above != 0 ? 0 : 2,
             GetLineAngleDeg(x1, y1, x2, y2), toDxf);
}

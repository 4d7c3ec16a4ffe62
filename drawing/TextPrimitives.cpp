#include "drawing/TextPrimitives.h"

#include <cmath>

#include "drawing/PixelRange.h"
#include "drawing/Primitives.h"
#include "dxf/writers/DxfEntityWriters.h"
#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/ViewTransforms.h"

namespace {

float KindFactor(int32_t kind) {
    switch (kind) {
    case 1: return 25.0f;
    case 2: return 42.0f;
    default: return 20.0f;
    }
}

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

float GetTextHeight(const DrawTarget& t, int32_t kind, int32_t toDxf) {
    const float base = toDxf != 0 ? t.dxf.DxfUnitFactor : (t.drawing.ScaleIs50 ? 1.0f : 2.0f);
    return KindFactor(kind) * base;
}

float EstimatedCharacterCount(const std::string& text) {
    float n = static_cast<float>(text.size());
    if (Has(text, ".")) n -= 0.8f;
    if (Has(text, " ")) n -= 0.8f;
    if (Has(text, ",")) n -= 0.8f;
    if (Has(text, "tt")) n -= 1.0f;
    else if (Has(text, "t")) n -= 0.6f;
    if (Has(text, "ff")) n -= 1.0f;
    else if (Has(text, "f")) n -= 0.6f;
    if (Has(text, "/")) n -= 0.6f;
    if (Has(text, "m")) n += 0.4f;
    if (Has(text, "i")) n -= 0.6f;
    if (Has(text, "r")) n -= 0.6f;
    return n;
}

void DrawText(DrawTarget& t, float x, float y, const std::string& text, int32_t kind, int32_t layer, int32_t hAlign,
              int32_t vAlign, float angleDeg, int32_t toDxf) {
    if (layer < 0 || layer >= LayerCount) return;
    const float a = DegToRad(angleDeg);
    const float s = std::sin(a), c = std::cos(a);
    if (toDxf != 0) {
        const float h = GetTextHeight(t, kind, toDxf);
        float px = WorldToDxfX(t.dxf, x), py = WorldToDxfY(t.dxf, y);
        if (vAlign == 2) {
            px += 2 * t.dxf.DxfScaleFactor * s;
            py -= 2 * t.dxf.DxfScaleFactor * c;
        }
        WriteDxfText(t.writer, t.dxf, t.drawing.LayerNames[static_cast<size_t>(layer)], text, px, py, h, angleDeg,
                     hAlign, vAlign + 1);
        return;
    }
    const ViewWindow& v = t.drawing.View;
    const float h = GetTextHeight(t, kind, toDxf);
    const float hp = v.ViewScale * h * 0.9f;
    const float cw = hp * 0.38f;
    // Too small to read (or no positive size at all): skipped rather than painted as a speck.
    if (!(cw > 1.0f) || !std::isfinite(hp)) return;

    float sx = WorldToScreenX(v, x), d = 0;
    if (hAlign != 0) {
        const float w = (v.ViewScale * 0.5f + cw) * EstimatedCharacterCount(text);
        const float part = hAlign == 1 ? 0.5f : 1.0f;
        sx -= c * w * part;
        d = s * w * part;
    }
    float sy = WorldToScreenY(v, y) + d;
    if (vAlign == 0) {
        sx -= hp * 1.05f * s;
        sy -= c * hp;
    } else if (vAlign == 1) {
        sx -= hp * 0.55f * s;
        sy -= c * hp * 0.5f;
    }
    t.canvas.SetForeColour(t.drawing.LayerScreenColours[static_cast<size_t>(layer)]);
    DrawRotatedText(t, ToPixelInt(sx), ToPixelInt(sy), hp, cw, ToPixelInt(angleDeg), text);
}

void DrawRotatedText(DrawTarget& t, int32_t x, int32_t y, float height, float width, int32_t angleDeg,
                     const std::string& text) {
    CanvasFont font;
    font.Height = ToPixelInt(height);
    font.Width = ToPixelInt(width);
    font.Escapement = angleDeg * 10;
    font.Face = "Arial";
    if (font.Height <= 0) return;
    t.canvas.Text(x, y, font, text);
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

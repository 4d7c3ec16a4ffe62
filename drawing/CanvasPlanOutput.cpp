#include "drawing/CanvasPlanOutput.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/CanvasText.h"
#include "drawing/ExplodedDimension.h"
#include "drawing/PixelRange.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/ViewTransforms.h"
#include "state/LayerRows.h"

namespace {

constexpr ColourRef LightCyan = PackRgb(0, 255, 255);
constexpr ColourRef Yellow = PackRgb(255, 255, 0);

bool IsTableLayer(int32_t layer) { return layer >= 0 && layer < LayerCount; }

ColourRef LineColour(const DrawingState& d, int32_t layer) {
    if (layer == HighlightCyanLayer) return LightCyan;
    if (layer == HighlightYellowLayer) return Yellow;
    return IsTableLayer(layer) ? d.LayerScreenColours[static_cast<size_t>(layer)] : 0;
}

bool IsDottedStyle(LineStyle style) { return style == LineStyle::Dashed || style == LineStyle::Dashed2; }

// Pixels beyond the pen's own width that an off-canvas primitive must keep from the canvas: the
// rounding of ends and the painter's own clip reach a pixel or two.
constexpr float OffCanvasMargin = 8.0f;

// A generous box around the glyphs of a text cell whose top-left corner is at the pixel (x, y),
// turned as the canvas turns it (counter-clockwise about that corner). Along the line: no glyph of
// a face stretched to the cell's average width is three such widths wide, with room for bearings;
// across it, accents and descenders stay within half a cell height above and below the cell.
PixelBox TextGlyphBox(int32_t x, int32_t y, float height, float width, int32_t turnDeg, size_t characters) {
    const float h = height + 1, w = width + 1;  // the cell is rounded to whole pixels
    const float along[] = {-0.5f * h, static_cast<float>(characters) * (3 * w + 0.25f * h) + 0.5f * h};
    const float across[] = {-0.5f * h, 1.5f * h};
    const double turn = DegToRad(turnDeg);
    const float c = turnDeg == 0 ? 1.0f : static_cast<float>(std::cos(turn));
    const float s = turnDeg == 0 ? 0.0f : static_cast<float>(std::sin(turn));
    PixelBox box(static_cast<float>(x), static_cast<float>(y));
    for (const float u : along)
        for (const float v : across) box.Take(static_cast<float>(x) + u * c + v * s, static_cast<float>(y) - u * s + v * c);
    return box;
}

}  // namespace

CanvasPlanOutput::CanvasPlanOutput(Canvas& canvas, const DrawingState& drawing, const ShellOptions& options,
                                   OffCanvasPrimitives offCanvas)
    : canvas_(canvas),
      drawing_(drawing),
      options_(options),
      skipOffCanvas_(offCanvas == OffCanvasPrimitives::Skipped),
      canvasWidth_(static_cast<float>(canvas.WidthPx())),
      canvasHeight_(static_cast<float>(canvas.HeightPx())) {}

bool CanvasPlanOutput::NearCanvas(float x, float y) const {
    return x >= -OffCanvasMargin && x <= canvasWidth_ + OffCanvasMargin && y >= -OffCanvasMargin &&
           y <= canvasHeight_ + OffCanvasMargin;
}

bool CanvasPlanOutput::OffCanvas(const PixelBox& box) const {
    if (!skipOffCanvas_) return false;
    const auto beyond = [&box, this](float m) {
        return box.Right < -m || box.Bottom < -m || box.Left > canvasWidth_ + m || box.Top > canvasHeight_ + m;
    };
    // Most of a plan lies on the canvas: the pen is asked for only near its edges.
    return beyond(OffCanvasMargin) && beyond(OffCanvasMargin + static_cast<float>(std::max(canvas_.DrawWidth(), 1)));
}

// One canvas segment in model coordinates, clipped so that far-away ends never wrap.
void CanvasPlanOutput::Segment(float x1, float y1, float x2, float y2, ColourRef colour) {
    const ViewWindow& v = drawing_.View;
    float sx1 = WorldToScreenX(v, x1), sy1 = WorldToScreenY(v, y1);
    float sx2 = WorldToScreenX(v, x2), sy2 = WorldToScreenY(v, y2);
    // The usual case, both ends on the canvas or just beside it, needs neither test.
    if (!NearCanvas(sx1, sy1) || !NearCanvas(sx2, sy2)) {
        PixelBox box(sx1, sy1);
        box.Take(sx2, sy2);
        if (OffCanvas(box)) return;
        if (!ClipToDrawableRange(sx1, sy1, sx2, sy2)) return;
    }
    canvas_.Line(sx1, sy1, sx2, sy2, colour);
}

void CanvasPlanOutput::Strokes(std::span<const HatchSegment> segments, int32_t layer, LineStyle style) {
    const ColourRef colour = LineColour(drawing_, layer);
    if (IsTableLayer(layer) && IsDottedStyle(style)) canvas_.SetDrawStyle(DrawStyle::Dotted);
    for (const HatchSegment& s : segments) Segment(s.X1, s.Y1, s.X2, s.Y2, colour);
    canvas_.SetDrawStyle(DrawStyle::Solid);
}

void CanvasPlanOutput::Line(float x1, float y1, float x2, float y2, int32_t layer, LineStyle style) {
    const HatchSegment line{x1, y1, x2, y2};
    Strokes({&line, 1}, layer, style);
}

void CanvasPlanOutput::Polyline(std::span<const PlanPoint> points, int32_t layer, int16_t closed) {
    if (points.empty()) return;
    const ColourRef colour = LineColour(drawing_, layer);
    canvas_.SetDrawStyle(DrawStyle::Solid);
    const size_t n = points.size() - 1;  // the upper bound
    const size_t segments = closed == PolylineClosed ? n + 1 : n;
    for (size_t i = 0; i < segments; ++i) {
        const PlanPoint& a = points[i];
        const PlanPoint& b = points[i + 1 <= n ? i + 1 : 0];
        Segment(a.X, a.Y, b.X, b.Y, colour);
    }
}

void CanvasPlanOutput::Circle(float cx, float cy, float r, int32_t layer, LineStyle style) {
    if (!IsTableLayer(layer)) return;
    const ViewWindow& v = drawing_.View;
    const float sx = WorldToScreenX(v, cx), sy = WorldToScreenY(v, cy);
    const float radius = r * v.ViewScale;
    const bool dotted = IsDottedStyle(style);
    if (dotted) canvas_.SetDrawStyle(DrawStyle::Dotted);
    const ColourRef colour = style > LineStyle::Dashed2 ? drawing_.Palette.PaletteYellow
                                                        : drawing_.LayerScreenColours[static_cast<size_t>(layer)];
    // A circle wholly beyond the drawable range could not be seen; its huge numbers stay out.
    PixelBox box(sx - std::fabs(radius), sy - std::fabs(radius));
    box.Take(sx + std::fabs(radius), sy + std::fabs(radius));
    if (CircleReachesDrawableRange(sx, sy, radius) && !OffCanvas(box)) canvas_.Circle(sx, sy, radius, colour);
    if (dotted) canvas_.SetDrawStyle(DrawStyle::Solid);
}

void CanvasPlanOutput::Text(float x, float y, const std::string& text, TextKind kind, int32_t layer, HAlign hAlign,
                            VAlign vAlign, float angleDeg) {
    if (!IsTableLayer(layer)) return;
    const float a = DegToRad(angleDeg);
    const float s = std::sin(a), c = std::cos(a);
    const ViewWindow& v = drawing_.View;
    const float h = TextHeight(kind);
    const float hp = v.ViewScale * h * 0.9f;
    const float cw = hp * 0.38f;
    // Too small to read (or no positive size at all): skipped rather than painted as a speck.
    if (!(cw > 1.0f) || !std::isfinite(hp)) return;

    float sx = WorldToScreenX(v, x), d = 0;
    if (hAlign != HAlign::Left) {
        const float w = (v.ViewScale * 0.5f + cw) * EstimatedCharacterCount(text);
        const float part = hAlign == HAlign::Centre ? 0.5f : 1.0f;
        sx -= c * w * part;
        d = s * w * part;
    }
    float sy = WorldToScreenY(v, y) + d;
    if (vAlign == VAlign::Bottom) {
        sx -= hp * 1.05f * s;
        sy -= c * hp;
    } else if (vAlign == VAlign::Middle) {
        sx -= hp * 0.55f * s;
        sy -= c * hp * 0.5f;
    }
    canvas_.SetForeColour(drawing_.LayerScreenColours[static_cast<size_t>(layer)]);
    const int32_t cellX = ToPixelInt(sx), cellY = ToPixelInt(sy), turn = ToPixelInt(angleDeg);
    if (skipOffCanvas_ && OffCanvas(TextGlyphBox(cellX, cellY, hp, cw, turn, text.size()))) return;
    DrawRotatedText(canvas_, cellX, cellY, hp, cw, turn, text);
}

void CanvasPlanOutput::LinearDimension(const Dimension& d) {
    DrawExplodedDimension(*this, d.LineX1, d.LineY1, d.LineX2, d.LineY2, LayerRow::Dimensions,
                          LayerRow::DimensionTexts);
}

void CanvasPlanOutput::Hatch(std::span<const HatchSegment> segments, std::span<const PlanPoint>, int32_t layer,
                             LineStyle style) {
    if (!segments.empty()) Strokes(segments, layer, style);
}

void CanvasPlanOutput::FillPolygonSolid(std::span<const PlanPoint> points, ColourRef fillColour,
                                        ColourRef penColour) {
    canvas_.SetFillStyle(FillStyle::Solid);
    canvas_.SetDrawStyle(DrawStyle::Solid);
    canvas_.SetForeColour(penColour);
    canvas_.SetFillColour(fillColour);
    if (points.size() < 3) return;
    const ViewWindow& view = drawing_.View;
    screen_.clear();
    for (const PlanPoint& p : points) screen_.push_back({WorldToScreenX(view, p.X), WorldToScreenY(view, p.Y)});
    PixelBox box(screen_[0].X, screen_[0].Y);
    for (const PixelPosition& p : screen_) box.Take(p.X, p.Y);
    if (OffCanvas(box)) return;
    const std::vector<PixelPoint> polygon = ToDrawablePolygon(screen_);
    if (polygon.size() >= 3) canvas_.Polygon(polygon);
}

int32_t CanvasPlanOutput::FillModeFor(int32_t displayMode) const {
    if (displayMode == 0) return FillSolid;
    if (displayMode >= 2) return FillOutlineOnly;
    return FillHatch;
}

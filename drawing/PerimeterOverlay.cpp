#include "drawing/PerimeterOverlay.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "drawing/PixelRange.h"
#include "drawing/CanvasText.h"
#include "model/common/Helpers.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr ColourRef DarkGrey = PackRgb(80, 80, 80);
constexpr ColourRef Grey = PackRgb(128, 128, 128);
constexpr ColourRef LightGrey = PackRgb(192, 192, 192);
constexpr ColourRef LightRed = PackRgb(255, 0, 0);
constexpr ColourRef Yellow = PackRgb(255, 255, 0);

using VertexPixels = std::vector<std::optional<PixelPoint>>;

PixelPoint PixelOf(const ViewWindow& view, float x, float y) {
    return {ToPixelInt(WorldToScreenX(view, x)), ToPixelInt(WorldToScreenY(view, y))};
}

// The edited vertices on the canvas, in outline order; none for a vertex whose plan point does not
// exist, so that a stale panel never reads outside the plan.
VertexPixels PixelsOfEditedVertices(const Session& session) {
    const VertexPanelState& panel = session.editor.VertexPanel;
    const Model& m = session.model;
    const int64_t count = std::clamp<int64_t>(int64_t{panel.EditedVertexLast} + 1, 0,
                                              static_cast<int64_t>(panel.EditedVertices.size()));
    VertexPixels pixels;
    for (int64_t i = 0; i < count; ++i) {
        const int32_t point = panel.EditedVertices[static_cast<size_t>(i)];
        if (!IsPlanPointIndex(m, point)) {
            pixels.emplace_back();
            continue;
        }
        const PlanPoint& p = m.PlanNodes[static_cast<size_t>(point)];
        pixels.emplace_back(PixelOf(session.drawing.View, p.X, p.Y));
    }
    return pixels;
}

// The inside takes whatever fill the canvas has in force: the overlay leaves it as the pass left it.
void Mark(Canvas& canvas, PixelPoint p, ColourRef colour) {
    canvas.Box(static_cast<float>(p.X - 2), static_cast<float>(p.Y - 2), static_cast<float>(p.X + 2),
               static_cast<float>(p.Y + 2), colour, BoxInside::FillState);
}

void DottedLine(Canvas& canvas, PixelPoint a, const std::optional<PixelPoint>& b, ColourRef colour) {
    if (!b) return;
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.Line(static_cast<float>(a.X), static_cast<float>(a.Y), static_cast<float>(b->X), static_cast<float>(b->Y),
                colour);
    canvas.SetDrawStyle(DrawStyle::Solid);
}

}  // namespace

void FillEditedPolygon(const Session& session, Canvas& canvas) {
    canvas.SetForeColour(Grey);
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.SetDrawStyle(DrawStyle::Solid);
    canvas.SetFillColour(DarkGrey);
    std::vector<PixelPoint> corners;
    for (const auto& p : PixelsOfEditedVertices(session))
        if (p) corners.push_back(*p);
    if (corners.empty()) return;
    corners.push_back(corners.front());
    canvas.Polygon(corners);
}

void DrawEditedPolygonOutline(const Session& session, Canvas& canvas) {
    const VertexPanelState& panel = session.editor.VertexPanel;
    const VertexPixels vertices = PixelsOfEditedVertices(session);
    const size_t count = vertices.size();
    const auto selected = static_cast<size_t>(panel.SelectedVertex);
    const bool hasSelected = panel.SelectedVertex >= 0 && selected < count;
    for (size_t i = 0; i < count; ++i) {
        if (!vertices[i]) continue;
        const PixelPoint p = *vertices[i];
        const ColourRef colour = hasSelected && i == selected ? Yellow : LightRed;
        canvas.SetForeColour(colour);
        Mark(canvas, p, colour);
        DrawRotatedText(canvas, p.X, p.Y, 24, 10, 0, " " + std::to_string(i + 1));
        DottedLine(canvas, p, vertices[(i + 1) % count], LightGrey);
    }

    // The point typed into the panel, and the edges the selected vertex would get if moved there.
    const PixelPoint typed = PixelOf(session.drawing.View, TextToSingle(panel.TypedCoordinates[0]),
                                     TextToSingle(panel.TypedCoordinates[1]));
    Mark(canvas, typed, Yellow);
    if (!hasSelected || !vertices[selected]) return;
    const PixelPoint at = *vertices[selected];
    if (typed.X == at.X || typed.Y == at.Y) return;
    DottedLine(canvas, typed, vertices[(selected + 1) % count], Yellow);
    DottedLine(canvas, typed, vertices[(selected + count - 1) % count], Yellow);
}

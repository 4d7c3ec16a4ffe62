#include "drawing/FillModes.h"

#include <vector>

#include "drawing/PixelRange.h"
#include "model/geometry/ViewTransforms.h"

namespace {

// The screen display options: 0 solid, 2 and above outline only, anything else a hatch.
int32_t FillModeOf(const PlanPass& pass, int32_t fillLayer, int32_t displayMode) {
    if (!pass.On(fillLayer)) return FillOutlineOnly;
    if (pass.toDxf != 0) return FillHatch;  // a DXF file receives hatches, never solid fills
    if (displayMode == 0) return FillSolid;
    if (displayMode >= 2) return FillOutlineOnly;
    return FillHatch;
}

// Only the screen shows the edited perimeter: an export drawn meanwhile keeps its slab hatches.
bool IsEditingPerimeter(const PlanPass& pass) {
    return pass.toDxf == 0 && pass.session.editor.VertexPanel.VertexPanelMode != 0;
}

}  // namespace

int32_t GetConcreteSlabFillMode(const PlanPass& pass) {
    if (IsEditingPerimeter(pass)) return FillOutlineOnly;
    return FillModeOf(pass, ConcreteSlabFillLayer, pass.drawing().Display.ConcreteSlabDisplayMode);
}

int32_t GetFloorSlabFillMode(const PlanPass& pass) {
    if (IsEditingPerimeter(pass)) return FillOutlineOnly;
    return FillModeOf(pass, FloorSlabFillLayer, pass.drawing().Display.FloorSlabDisplayMode);
}

int32_t GetWallFillMode(const PlanPass& pass) {
    return FillModeOf(pass, WallFillLayer, pass.drawing().Display.WallDisplayMode);
}

int32_t GetPillarFillMode(const PlanPass& pass) {
    return FillModeOf(pass, PillarFillLayer, pass.drawing().Display.PillarDisplayMode);
}

void FillPolygonSolid(DrawTarget& target, std::span<const PlanPoint> points, ColourRef fillColour,
                      ColourRef penColour) {
    Canvas& canvas = target.canvas;
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.SetDrawStyle(DrawStyle::Solid);
    canvas.SetForeColour(penColour);
    canvas.SetFillColour(fillColour);
    if (points.size() < 3) return;
    const ViewWindow& view = target.drawing.View;
    std::vector<PixelPosition> screen;
    screen.reserve(points.size());
    for (const PlanPoint& p : points) screen.push_back({WorldToScreenX(view, p.X), WorldToScreenY(view, p.Y)});
    const std::vector<PixelPoint> polygon = ToDrawablePolygon(screen);
    if (polygon.size() >= 3) canvas.Polygon(polygon);
}

ColourRef BackgroundColour(const DrawingState& drawing) {
    return drawing.WhiteBackground != 0 ? PackRgb(255, 255, 255) : PackRgb(0, 0, 0);
}

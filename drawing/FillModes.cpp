#include "drawing/FillModes.h"

namespace {

int32_t FillModeOf(const PlanPass& pass, int32_t fillLayer, int32_t displayMode) {
    if (!pass.On(fillLayer)) return FillOutlineOnly;
    return pass.target.Output(pass.toDxf).FillModeFor(displayMode);
}

bool IsEditingPerimeter(const PlanPass& pass) {
    return pass.target.Output(pass.toDxf).ShowsEditedPerimeter() &&
           pass.session.editor.VertexPanel.VertexPanelMode != 0;
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
    target.canvasOutput.FillPolygonSolid(points, fillColour, penColour);
}

ColourRef BackgroundColour(const DrawingState& drawing) {
    return drawing.WhiteBackground != 0 ? PackRgb(255, 255, 255) : PackRgb(0, 0, 0);
}

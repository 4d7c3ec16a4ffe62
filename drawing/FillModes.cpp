#include "drawing/FillModes.h"

#include "state/LayerRows.h"

namespace {

int32_t FillModeOf(const PlanPass& pass, int32_t hatchRow, int32_t displayMode) {
    if (!pass.On(hatchRow)) return FillOutlineOnly;
    return pass.out.FillModeFor(displayMode);
}

bool IsEditingPerimeter(const PlanPass& pass) {
    return pass.out.ShowsEditedPerimeter() && PerimeterBeingEdited(pass.session.editor);
}

}  // namespace

int32_t GetConcreteSlabFillMode(const PlanPass& pass) {
    if (IsEditingPerimeter(pass)) return FillOutlineOnly;
    return FillModeOf(pass, LayerRow::ConcreteSlabHatch, pass.drawing().Display.ConcreteSlabDisplayMode);
}

int32_t GetFloorSlabFillMode(const PlanPass& pass) {
    if (IsEditingPerimeter(pass)) return FillOutlineOnly;
    return FillModeOf(pass, LayerRow::FloorSlabHatch, pass.drawing().Display.FloorSlabDisplayMode);
}

int32_t GetWallFillMode(const PlanPass& pass) {
    return FillModeOf(pass, LayerRow::WallHatch, pass.drawing().Display.WallDisplayMode);
}

int32_t GetPillarFillMode(const PlanPass& pass) {
    return FillModeOf(pass, LayerRow::PillarHatch, pass.drawing().Display.PillarDisplayMode);
}

ColourRef BackgroundColour(const DrawingState& drawing) {
    return drawing.WhiteBackground != 0 ? PackRgb(255, 255, 255) : PackRgb(0, 0, 0);
}

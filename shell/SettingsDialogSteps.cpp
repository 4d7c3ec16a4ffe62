#include "shell/SettingsDialogSteps.h"

#include "drawing/LayerDefaults.h"
#include "model/common/Helpers.h"
#include "model/common/TypedNumbers.h"
#include "model/geometry/Geometry.h"
#include "model/tables/TableAccess.h"
#include "plangeom/AutoDimensions.h"

namespace {

void ShowDefaultBackground(DrawingState& drawing, Canvas& canvas) {
    canvas.SetBackColour(drawing.CanvasBackColour);
    canvas.Clear();
}

}  // namespace

void RestoreDefaultScreenColours(Session& session, Canvas& canvas, int32_t whiteBackground) {
    session.drawing.WhiteBackground = whiteBackground;
    SetDefaultScreenColors(session.drawing);
    ShowDefaultBackground(session.drawing, canvas);
}

void RestoreAllDefaults(Session& session, Canvas& canvas) {
    SetDefaultScreenColors(session.drawing);
    SetDefaultLayersAndOptions(session.drawing, session.shell.Options, session.design, session.dxf);
    ShowDefaultBackground(session.drawing, canvas);
    RewriteDimensionTexts(session.model, session.shell.Options);
}

void RewriteDimensionTexts(Model& model, const ShellOptions& options) {
    const int32_t count = UsableCount(model.DimensionCount, model.Dimensions);
    for (int32_t i = 0; i < count; ++i) {
        Dimension& d = model.Dimensions[static_cast<size_t>(i)];
        d.Text = DimensionText(GetDistance(d.LineX1, d.LineY1, d.LineX2, d.LineY2), options.DimensionUnitMetres);
    }
}

std::optional<int32_t> ReadLateralCover(const std::string& text) { return ReadTypedRounded(text); }

void PaintCanvasBackground(DrawingState& drawing, Canvas& canvas) {
    drawing.CanvasBackColour = drawing.WhiteBackground != 0 ? StandardColour(15) : 0;
    canvas.SetBackColour(drawing.CanvasBackColour);
}

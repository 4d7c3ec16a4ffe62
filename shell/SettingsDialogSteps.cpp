#include "shell/SettingsDialogSteps.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "drawing/LayerDefaults.h"
#include "model/common/Helpers.h"
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

std::optional<int32_t> ReadLateralCover(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::string number = CommaToDot(text.substr(first, text.find_last_not_of(" \t") - first + 1));
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value, 0);
    if (std::fabs(rounded) > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

void PaintCanvasBackground(DrawingState& drawing, Canvas& canvas) {
    drawing.CanvasBackColour = drawing.WhiteBackground != 0 ? StandardColour(15) : 0;
    canvas.SetBackColour(drawing.CanvasBackColour);
}

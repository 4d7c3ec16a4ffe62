#include "editing/RebarHighlight.h"

#include <cmath>
#include <optional>

#include "design/RebarEdits.h"
#include "drawing/LayerDefaults.h"
#include "editing/CanvasEdit.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float MarkLength = 15;  // cm of the model
constexpr int32_t StartHook = 1, EndHook = 2;

// u along the span of the section's first slab and n across it, on the canvas, each MarkLength long.
struct MarkFrame {
    float ux = 0, uy = 0, nx = 0, ny = 0;
};

std::optional<MarkFrame> MarkFrameOf(const Session& session, int32_t section) {
    const Model& m = session.model;
    const ReinforcementSections& r = m.Reinforcement;
    if (section < 0 || section >= UsableCount(r.ReinforcementSectionCount, r.SectionSlabs) ||
        section >= UsableCount(r.ReinforcementSectionCount, r.SectionSlabCount) ||
        r.SectionSlabCount[static_cast<size_t>(section)] < 1)
        return std::nullopt;
    const int32_t slab = r.SectionSlabs[static_cast<size_t>(section)][0];
    if (slab < 0 || slab >= UsableCount(m.FloorSlabCount, m.FloorSlabs)) return std::nullopt;
    const float a = DegToRad(m.FloorSlabs[static_cast<size_t>(slab)].SpanAngle);
    const float length = MarkLength * session.drawing.View.ViewScale;
    const float ux = std::cos(a) * length, uy = -std::sin(a) * length;
    return MarkFrame{ux, uy, -uy, ux};
}

void Mark(Canvas& canvas, float x, float y, float dx, float dy, ColourRef colour) {
    canvas.Line(x, y, x + dx, y + dy, colour);
}

void UpperBarMarks(Canvas& canvas, const MarkFrame& f, const RebarOnCanvas& p, int32_t hooks, ColourRef colour) {
    if (hooks & StartHook) Mark(canvas, p.X1, p.Y1, f.nx, f.ny, colour);
    else Mark(canvas, p.X1, p.Y1, f.nx - f.ux, f.ny - f.uy, colour);
    if (hooks & EndHook) Mark(canvas, p.X2, p.Y2, f.nx, f.ny, colour);
    else Mark(canvas, p.X2, p.Y2, f.nx + f.ux, f.ny + f.uy, colour);
}

}  // namespace

bool RebarEndsOnCanvas(Session& session, int32_t section, int32_t bar, int32_t isLower, RebarOnCanvas& ends) {
    const std::optional<RebarFields> fields = RebarAt(session.model, section, bar, isLower);
    if (!fields) return false;
    const ViewWindow& view = session.drawing.View;
    ends = {WorldToScreenX(view, fields->X1), WorldToScreenY(view, fields->Y1), WorldToScreenX(view, fields->X2),
            WorldToScreenY(view, fields->Y2)};
    return true;
}

void HighlightRebarToEdit(Session& session, Canvas& canvas, int32_t section, int32_t bar, int32_t isLower) {
    RebarOnCanvas p;
    if (!RebarEndsOnCanvas(session, section, bar, isLower, p)) return;
    BeginOverlay(canvas);
    const ColourRef yellow = StandardColour(14);
    canvas.Line(p.X1, p.Y1, p.X2, p.Y2, yellow);
    const std::optional<MarkFrame> frame = MarkFrameOf(session, section);
    if (isLower == 0 && frame)
        UpperBarMarks(canvas, *frame, p, RebarAt(session.model, section, bar, isLower)->HookFlags, yellow);
}

void HighlightRebarToDelete(Session& session, Canvas& canvas, int32_t section, int32_t bar, int32_t isLower) {
    RebarOnCanvas p;
    if (!RebarEndsOnCanvas(session, section, bar, isLower, p)) return;
    const int32_t hooks = RebarAt(session.model, section, bar, isLower)->HookFlags;
    const ColourRef magenta = StandardColour(13);
    BeginOverlay(canvas);
    canvas.Line(p.X1, p.Y1, p.X2, p.Y2, StandardColour(0));
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.Line(p.X1, p.Y1, p.X2, p.Y2, magenta);
    if (const std::optional<MarkFrame> f = MarkFrameOf(session, section)) {
        if (isLower == 0) {
            UpperBarMarks(canvas, *f, p, hooks, magenta);
        } else {
            if (hooks & StartHook) Mark(canvas, p.X1, p.Y1, -f->nx, -f->ny, magenta);
            if (hooks & EndHook) Mark(canvas, p.X2, p.Y2, -f->nx, -f->ny, magenta);
        }
    }
    canvas.SetDrawStyle(DrawStyle::Solid);
}

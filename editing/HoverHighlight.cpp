#include "editing/HoverHighlight.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "drawing/PixelRange.h"
#include "drawing/CanvasPlanOutput.h"
#include "editing/DimensionEditing.h"
#include "editing/InteractionModes.h"
#include "editing/Picking.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr int32_t SlabHighlightColour = 12;
constexpr float HookLength = 15;
constexpr float EndMarkStep = 10.6f;

// The shared frame of the four routines: the temporary layer is wiped when something else was
// lit last; true when there is an element to light.
bool BeginHighlight(CanvasEdit& edit, int32_t index) {
    const int32_t last = edit.session.editor.Hover.LastHighlightedIndex;
    if (last != -1 && last != index) edit.canvas.ClearTemporary();
    return index != -1;
}

// Outline row `slab` filled with a light red cross hatch. An outline with a point outside the
// plan points is never picked, so it is never drawn either.
void DrawSlabHighlight(CanvasEdit& edit, const IndexRows& outlines, const std::vector<int32_t>& counts, int32_t slab) {
    const Model& m = edit.session.model;
    const size_t row = static_cast<size_t>(slab);
    if (slab < 0 || row >= outlines.size() || row >= counts.size()) return;
    const std::vector<int32_t>& outline = outlines[row];
    const int32_t n = UsableCount(counts[row], outline);
    std::vector<PixelPosition> corners;
    corners.reserve(static_cast<size_t>(n));
    const ViewWindow& view = edit.session.drawing.View;
    for (int32_t k = 0; k < n; ++k) {
        const int32_t point = outline[static_cast<size_t>(k)];
        if (!IsPlanPointIndex(m, point)) return;
        const PlanPoint& p = m.PlanNodes[static_cast<size_t>(point)];
        corners.push_back({WorldToScreenX(view, p.X), WorldToScreenY(view, p.Y)});
    }
    Canvas& canvas = edit.canvas;
    const ColourRef colour = StandardColour(SlabHighlightColour);
    BeginOverlay(canvas);
    canvas.SetForeColour(colour);
    canvas.SetFillStyle(FillStyle::CrossHatch);
    canvas.SetDrawStyle(DrawStyle::Solid);
    canvas.SetFillColour(colour);
    canvas.Polygon(ToDrawablePolygon(corners));
}

// Model lines of the highlight, in a fixed colour of their own.
class HighlightLines {
public:
    HighlightLines(CanvasEdit& edit, int32_t layer)
        : out_(edit.canvas, edit.session.drawing, edit.session.shell.Options), layer_(layer) {
        BeginOverlay(edit.canvas);
    }
    void Line(PlanPoint a, PlanPoint b) { out_.Line(a.X, a.Y, b.X, b.Y, layer_, LineStyle::ByLayer); }
    // From `a` to a + k·v.
    void Stroke(PlanPoint a, PlanPoint v, float k) { Line(a, {a.X + k * v.X, a.Y + k * v.Y}); }

private:
    CanvasPlanOutput out_;
    int32_t layer_;
};

// The span direction u of the section's first slab and the normal w, which turn its hooks; none
// when the section names no slab of the table.
bool SectionSpanFrame(const Model& m, int32_t section, PlanPoint& u, PlanPoint& w) {
    const ReinforcementSections& r = m.Reinforcement;
    const size_t s = static_cast<size_t>(section);
    if (s >= r.SectionSlabCount.size() || s >= r.SectionSlabs.size() || r.SectionSlabCount[s] < 1) return false;
    const int32_t slab = r.SectionSlabs[s][0];
    if (slab < 0 || slab >= UsableCount(m.FloorSlabCount, m.FloorSlabs)) return false;
    const float a = DegToRad(-m.FloorSlabs[static_cast<size_t>(slab)].SpanAngle);
    u = {std::cos(a), -std::sin(a)};
    w = {std::sin(a), std::cos(a)};
    return true;
}

template <class Bar>
int32_t BarsOf(const std::vector<int32_t>& counts, const std::vector<Bar>& rows, int32_t section) {
    const size_t s = static_cast<size_t>(section);
    if (s >= counts.size() || s >= rows.size()) return 0;
    return std::clamp<int32_t>(counts[s], 0, static_cast<int32_t>(rows[s].size()));
}

// The bars of the section with their hooks and end marks as the plan draws them; a section that
// names no slab to turn them by shows its bars alone.
void DrawSectionHighlight(CanvasEdit& edit, int32_t section) {
    const Model& m = edit.session.model;
    const ReinforcementSections& r = m.Reinforcement;
    PlanPoint u, w;
    const bool turned = SectionSpanFrame(m, section, u, w);
    HighlightLines lines(edit, HighlightCyanLayer);
    const size_t s = static_cast<size_t>(section);
    for (int32_t k = 0; k < BarsOf(r.LowerRebarCount, r.LowerRebars, section); ++k) {
        const LowerRebar& bar = r.LowerRebars[s][static_cast<size_t>(k)];
        const PlanPoint start{bar.X1, bar.Y1}, end{bar.X2, bar.Y2};
        if (turned && (bar.HookFlags & 1)) lines.Stroke(start, w, HookLength);
        if (turned && (bar.HookFlags & 2)) lines.Stroke(end, w, HookLength);
        lines.Line(start, end);
    }
    for (int32_t k = 0; k < BarsOf(r.UpperRebarCount, r.UpperRebars, section); ++k) {
        const UpperRebar& bar = r.UpperRebars[s][static_cast<size_t>(k)];
        const PlanPoint start{bar.X1, bar.Y1}, end{bar.X2, bar.Y2};
        lines.Line(start, end);
        if (!turned) continue;
        if (bar.HookFlags & 1) lines.Stroke(start, w, -HookLength);
        else lines.Stroke(start, {-u.X - w.X, -u.Y - w.Y}, EndMarkStep);
        if (bar.HookFlags & 2) lines.Stroke(end, w, -HookLength);
        else lines.Stroke(end, {u.X - w.X, u.Y - w.Y}, EndMarkStep);
    }
}

void Remember(CanvasEdit& edit, int32_t index) { edit.session.editor.Hover.LastHighlightedIndex = index; }

}  // namespace

void EvidenziaSolaio(CanvasEdit& edit, float x, float y) {
    const int32_t slab = PickFloorSlabAt(edit.session, x, y);
    if (!BeginHighlight(edit, slab)) return;
    const Model& m = edit.session.model;
    DrawSlabHighlight(edit, m.FloorSlabOutline, m.FloorSlabOutlineCount, slab);
    Remember(edit, slab);
}

void EvidenziaSoletta(CanvasEdit& edit, float x, float y) {
    int32_t count = 0;
    const int32_t slab = PickConcreteSlabAt(edit.session, x, y, count);
    if (!BeginHighlight(edit, slab)) return;
    const Model& m = edit.session.model;
    DrawSlabHighlight(edit, m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, slab);
    Remember(edit, slab);
}

void EvidenziaSez(CanvasEdit& edit, float x, float y) {
    const Session& s = edit.session;
    const int32_t mode = s.editor.InteractionState;
    const bool sections = s.model.Reinforcement.ReinforcementSectionCount > 0;
    if (!(mode == Mode::PickSectionToMove || (mode == Mode::DeleteSection && sections))) return;
    const int32_t section = BeccaSezione(s, x, y);
    if (!BeginHighlight(edit, section)) return;
    DrawSectionHighlight(edit, section);
    Remember(edit, section);
}

void EvidenziaQuota(CanvasEdit& edit, float x, float y) {
    const Session& s = edit.session;
    const int32_t mode = s.editor.InteractionState;
    if (!(mode == Mode::PickDimensionToMove || (mode == Mode::DeleteDimension && s.model.DimensionCount > 0))) return;
    const int32_t index = BeccaQuota(s, x, y);
    if (!BeginHighlight(edit, index)) return;
    const Dimension& d = s.model.Dimensions[static_cast<size_t>(index)];
    HighlightLines(edit, HighlightYellowLayer).Line({d.LineX1, d.LineY1}, {d.LineX2, d.LineY2});
    Remember(edit, index);
}

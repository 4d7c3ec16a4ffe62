#include "editing/DimensionPlacement.h"

#include <array>

#include "drawing/LayerDefaults.h"
#include "editing/DimensionEditing.h"
#include "editing/InteractionModes.h"
#include "editing/ObjectSnap.h"
#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"
#include "plangeom/AutoDimensions.h"
#include "state/Languages.h"

namespace {

constexpr int32_t PickedPointColour = 13;
constexpr float CrossArm = 6;  // pixels

constexpr Bilingual EndChainPrompt{"Premi il pulsante destro per terminare l'inserimento",
                                   "Press the right button to complete the entry"};

// The cross on a picked point goes into the persistent image: the previews that wipe the
// temporary layer leave it, the next full redraw takes it away.
void MarkPickedPoint(Canvas& canvas, float x, float y) {
    const ColourRef colour = StandardColour(PickedPointColour);
    canvas.SetAutoRedraw(true);
    canvas.Line(x + CrossArm, y, x - CrossArm, y, colour);
    canvas.Line(x, y + CrossArm, x, y - CrossArm, colour);
    canvas.SetAutoRedraw(false);
}

// The snap of a click: true when it took a point.
bool SnapClick(CanvasEdit& edit, float x, float y) {
    BeccaOSNAP(edit.session, edit.canvas, x, y, 1);
    return edit.session.editor.Snap.SnapFound == 1;
}

// The dimension line of the tool in force through the model point w: its two ends.
std::array<PlanPoint, 2> DimensionLineThrough(EditorState& e, const ViewWindow& view, PlanPoint w) {
    ReferencePoints& r = e.Reference;
    const float x1 = ScreenToWorldX(view, r.RefP1ScreenX), y1 = ScreenToWorldY(view, r.RefP1ScreenY);
    const float x2 = ScreenToWorldX(view, r.RefP2ScreenX), y2 = ScreenToWorldY(view, r.RefP2ScreenY);
    switch (e.InteractionState) {
        case Mode::HorizontalLine: return {PlanPoint{x1, w.Y}, PlanPoint{x2, w.Y}};
        case Mode::VerticalLine: return {PlanPoint{w.X, y1}, PlanPoint{w.X, y2}};
        default: break;
    }
    // Aligned: parallel to the measured points, between the feet of the perpendiculars from them.
    // The direction is taken on the canvas (y down): (cos, -sin) in the model, (sin, cos) across.
    const LineAngleSinCos direction =
        ComputeLineAngleRadSinCos(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY);
    r.RefDirSin = direction.SinA, r.RefDirCos = direction.CosA;
    const float c = r.RefDirCos, s = r.RefDirSin;
    return {LinesMeeting(w.X, w.Y, -c, s, x1, y1, -s, -c), LinesMeeting(w.X, w.Y, -c, s, x2, y2, -s, -c)};
}

float RoundedToHundredths(float value) { return static_cast<float>(RoundHalfEven(value, 2)); }

}  // namespace

void PickMeasuredPoint(CanvasEdit& edit, float x, float y) {
    if (!SnapClick(edit, x, y)) return;
    Session& s = edit.session;
    EditorState& e = s.editor;
    const ViewWindow& view = s.drawing.View;
    const bool first = e.InteractionState % 1000 == 0;
    ReferencePoints& r = e.Reference;
    const SnapState& snap = e.Snap;
    if (first) {
        r.RefP1ScreenX = snap.SnapX, r.RefP1ScreenY = snap.SnapY;
        s.measured.MeasP1X = ScreenToWorldX(view, r.RefP1ScreenX);
        s.measured.MeasP1Y = ScreenToWorldY(view, r.RefP1ScreenY);
    } else {
        r.RefP2ScreenX = snap.SnapX, r.RefP2ScreenY = snap.SnapY;
        s.measured.MeasP2X = ScreenToWorldX(view, r.RefP2ScreenX);
        s.measured.MeasP2Y = ScreenToWorldY(view, r.RefP2ScreenY);
        const LineAngleSinCos direction =
            ComputeLineAngleRadSinCos(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY);
        r.RefDirSin = direction.SinA, r.RefDirCos = direction.CosA;
    }
    MarkPickedPoint(edit.canvas, snap.SnapX, snap.SnapY);
    ++e.InteractionState;
}

void AggiungiQuota(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    Model& m = s.model;
    const ViewWindow& view = s.drawing.View;
    PlanPoint w{ScreenToWorldX(view, x), ScreenToWorldY(view, y)};
    const int32_t aligned = BeccaQuota(s, x, y);
    if (aligned > -1) w = NearerLineEnd(m.Dimensions[static_cast<size_t>(aligned)], w.X, w.Y);
    const std::array<PlanPoint, 2> line = DimensionLineThrough(s.editor, view, w);
    AddDimension(m, s.shell.Options, s.measured, line[0].X, line[0].Y, line[1].X, line[1].Y);
    s.editor.InteractionState = Mode::Idle;
    edit.FullRedraw();
}

void PickContinuedBase(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    EditorState& e = s.editor;
    e.Dimensions.CurrentDimension = BeccaQuota(s, x, y);
    e.InteractionState = e.Dimensions.CurrentDimension > -1 ? Mode::ContinuedPoint : Mode::Idle;
    edit.host.SetPanelText(PromptPanel, UiText(EndChainPrompt, s.shell.Languages));
}

void AddContinuedDimension(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    Model& m = s.model;
    EditorState& e = s.editor;
    if (!SnapClick(edit, x, y)) return;
    const int32_t count = UsableCount(m.DimensionCount, m.Dimensions);
    int32_t& current = e.Dimensions.CurrentDimension;
    if (current < 0 || current >= count) {
        e.InteractionState = Mode::Idle;  // the base is gone: nothing to carry on from
        return;
    }
    const Dimension base = m.Dimensions[static_cast<size_t>(current)];
    const LineAngleSinCos direction = ComputeLineAngleRadSinCos(base.LineX1, base.LineY1, base.LineX2, base.LineY2);
    const ViewWindow& view = s.drawing.View;
    const PlanPoint snapped{RoundedToHundredths(ScreenToWorldX(view, e.Snap.SnapX)),
                            RoundedToHundredths(ScreenToWorldY(view, e.Snap.SnapY))};
    // The foot of the snapped point on the base's line, extended.
    PlanPoint foot = snapped;
    const int32_t code = IntersectSegments(base.LineX1, base.LineY1, base.LineX2, base.LineY2, snapped.X, snapped.Y,
                                           snapped.X + 10 * direction.SinA, snapped.Y - 10 * direction.CosA, foot.X,
                                           foot.Y);
    if (code <= IntersectionCode::ParallelDistinct) return;  // a base line of no length has no foot
    const bool fromSecondEnd = IsSecondEndNearer(base, foot.X, foot.Y);
    MeasuredPoints& measured = s.measured;
    measured.MeasP1X = fromSecondEnd ? base.MeasuredX2 : base.MeasuredX1;
    measured.MeasP1Y = fromSecondEnd ? base.MeasuredY2 : base.MeasuredY1;
    measured.MeasP2X = snapped.X, measured.MeasP2Y = snapped.Y;
    const PlanPoint start = fromSecondEnd ? PlanPoint{base.LineX2, base.LineY2} : PlanPoint{base.LineX1, base.LineY1};
    AddDimension(m, s.shell.Options, measured, start.X, start.Y, foot.X, foot.Y);
    // The next point carries on from the new dimension only when there is one.
    if (UsableCount(m.DimensionCount, m.Dimensions) > count) current = count;
    edit.FullRedraw();
}

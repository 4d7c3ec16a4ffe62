#include "model/geometry/ViewFit.h"

#include <cmath>

#include "model/geometry/ViewTransforms.h"
#include "state/InteractionModes.h"

namespace {

void SuspendTool(EditorState& e) {
    const int32_t s = e.InteractionState;
    if (s != Mode::ZoomFirstCorner && s != Mode::ZoomSecondCorner && s != Mode::PanAnchor && s != Mode::PanDrag)
        e.SuspendedInteractionState = s;
}

}  // namespace

float GetFitScale(const ViewWindow& view, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 || dy == 0) return 1.0f;
    const float sx = view.CanvasWidthPx / dx, sy = view.CanvasHeightPx / dy;
    const float fit = sy < sx ? sy : sx;
    return fit > 0 && std::isfinite(fit) ? fit : 1.0f;
}

void FitZoomWindowToAspect(const ViewWindow& view, ZoomPanState& z) {
    const double rw = std::abs(z.DragEndX - z.DragStartX), rh = std::abs(z.DragEndY - z.DragStartY);
    if (rh == 0 || !(view.CanvasHeightPx > 0)) return;
    const double a = rw / rh, c = static_cast<double>(view.CanvasWidthPx) / view.CanvasHeightPx;
    auto resize = [](int32_t& start, int32_t& end, double n) {
        const double m = (start + end) / 2.0;
        start = static_cast<int32_t>(std::nearbyint(m - n / 2));
        end = static_cast<int32_t>(std::nearbyint(m + n / 2));
    };
    if (a > c && c > 0) resize(z.DragStartY, z.DragEndY, rw / c);
    else if (a < c) resize(z.DragStartX, z.DragEndX, c * rh);
}

void TakeReferencePointsToWorld(const ViewWindow& view, ReferencePoints& r) {
    r.RefP1WorldX = ScreenToWorldX(view, r.RefP1ScreenX);
    r.RefP1WorldY = ScreenToWorldY(view, r.RefP1ScreenY);
    r.RefP2WorldX = ScreenToWorldX(view, r.RefP2ScreenX);
    r.RefP2WorldY = ScreenToWorldY(view, r.RefP2ScreenY);
}

void ReferencePointsToScreen(const ViewWindow& view, ReferencePoints& r) {
    r.RefP1ScreenX = WorldToScreenX(view, r.RefP1WorldX);
    r.RefP1ScreenY = WorldToScreenY(view, r.RefP1WorldY);
    r.RefP2ScreenX = WorldToScreenX(view, r.RefP2WorldX);
    r.RefP2ScreenY = WorldToScreenY(view, r.RefP2WorldY);
}

void StorePreviousView(ViewWindow& v) {
    v.PrevViewXMin = v.ViewXMin, v.PrevViewXMax = v.ViewXMax;
    v.PrevViewYMin = v.ViewYMin, v.PrevViewYMax = v.ViewYMax;
}

void Refit(ViewWindow& view, ReferencePoints& points) {
    view.ViewScale = GetFitScale(view, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
    ReferencePointsToScreen(view, points);
}

void StartZoomWindow(const ViewWindow& view, EditorState& e) {
    TakeReferencePointsToWorld(view, e.Reference);
    SuspendTool(e);
    e.InteractionState = Mode::ZoomFirstCorner;
    e.ZoomPan = ZoomPanState{};  // no corner taken, no band
}

void StartPan(const ViewWindow& view, EditorState& e) {
    TakeReferencePointsToWorld(view, e.Reference);
    SuspendTool(e);
    e.InteractionState = Mode::PanAnchor;
}

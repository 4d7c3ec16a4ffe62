#include "model/geometry/ViewFit.h"

#include <cmath>

#include "model/geometry/ViewTransforms.h"

namespace {

constexpr int32_t ZoomWindowFirstCorner = 2, ZoomWindowSecondCorner = 3;
constexpr int32_t PanAwaitingPress = 500, PanDragging = 501;

void SuspendTool(EditorState& e) {
    const int32_t s = e.InteractionState;
    if (s != ZoomWindowFirstCorner && s != ZoomWindowSecondCorner && s != PanAwaitingPress && s != PanDragging)
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

void FitZoomWindowToAspect(const ViewWindow& view, EditorState& e) {
    const double rw = std::abs(e.DragEndX - e.DragStartX), rh = std::abs(e.DragEndY - e.DragStartY);
    if (rh == 0 || !(view.CanvasHeightPx > 0)) return;
    const double a = rw / rh, c = static_cast<double>(view.CanvasWidthPx) / view.CanvasHeightPx;
    auto resize = [](int32_t& start, int32_t& end, double n) {
        const double m = (start + end) / 2.0;
        start = static_cast<int32_t>(std::nearbyint(m - n / 2));
        end = static_cast<int32_t>(std::nearbyint(m + n / 2));
    };
    if (a > c && c > 0) resize(e.DragStartY, e.DragEndY, rw / c);
    else if (a < c) resize(e.DragStartX, e.DragEndX, c * rh);
}

void TakeReferencePointsToWorld(const ViewWindow& view, EditorState& e) {
    e.RefP1WorldX = ScreenToWorldX(view, e.RefP1ScreenX);
    e.RefP1WorldY = ScreenToWorldY(view, e.RefP1ScreenY);
    e.RefP2WorldX = ScreenToWorldX(view, e.RefP2ScreenX);
    e.RefP2WorldY = ScreenToWorldY(view, e.RefP2ScreenY);
}

void ReferencePointsToScreen(const ViewWindow& view, EditorState& e) {
    e.RefP1ScreenX = WorldToScreenX(view, e.RefP1WorldX);
    e.RefP1ScreenY = WorldToScreenY(view, e.RefP1WorldY);
    e.RefP2ScreenX = WorldToScreenX(view, e.RefP2WorldX);
    e.RefP2ScreenY = WorldToScreenY(view, e.RefP2WorldY);
}

void StorePreviousView(ViewWindow& v) {
    v.PrevViewXMin = v.ViewXMin, v.PrevViewXMax = v.ViewXMax;
    v.PrevViewYMin = v.ViewYMin, v.PrevViewYMax = v.ViewYMax;
}

void Refit(ViewWindow& view, EditorState& editor) {
    view.ViewScale = GetFitScale(view, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
    ReferencePointsToScreen(view, editor);
}

void StartZoomWindow(const ViewWindow& view, EditorState& e) {
    TakeReferencePointsToWorld(view, e);
    SuspendTool(e);
    e.InteractionState = ZoomWindowFirstCorner;
    e.DragStartX = -1;
    e.DragEndX = e.DragStartY = e.DragEndY = 0;
    e.RubberBandRect = {};
}

void StartPan(const ViewWindow& view, EditorState& e) {
    TakeReferencePointsToWorld(view, e);
    SuspendTool(e);
    e.InteractionState = PanAwaitingPress;
}

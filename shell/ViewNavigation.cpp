#include "shell/ViewNavigation.h"

#include <cmath>
#include <utility>

#include "model/geometry/ViewTransforms.h"

namespace {

// A step's view is refused when its scale would pass the limit.
bool ScaleAllowed(const ViewWindow& view, float x0, float y0, float x1, float y1) {
    return GetFitScale(view, x0, y0, x1, y1) <= MaxViewScale;
}

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

void ZoomToModelExtents(ViewWindow& view, const PlanHeader& h) {
    const float mx = (h.ModelMaxX - h.ModelMinX) / 10, my = (h.ModelMaxY - h.ModelMinY) / 10;
    view.ViewXMin = h.ModelMinX - mx;
    view.ViewYMin = h.ModelMinY - my;
    view.ViewXMax = h.ModelMaxX + mx;
    view.ViewYMax = h.ModelMaxY + my;
    view.ViewScale = GetFitScale(view, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
    CenterViewOnModel(view, h);
}

void CenterViewOnModel(ViewWindow& view, const PlanHeader& h) {
    const float w = h.ModelMaxX - h.ModelMinX, ht = h.ModelMaxY - h.ModelMinY;
    if (std::fabs(ht) < 1e-5f || !(view.CanvasHeightPx > 0) || !(view.ViewScale > 0)) return;
    if (view.CanvasWidthPx / view.CanvasHeightPx < w / ht) {
        view.ViewYMin = (h.ModelMinY + h.ModelMaxY) / 2 - view.CanvasHeightPx / view.ViewScale / 2;
        view.ViewYMax = view.ViewYMin + view.CanvasHeightPx / view.ViewScale;
    } else {
        view.ViewXMin = (h.ModelMinX + h.ModelMaxX) / 2 - view.CanvasWidthPx / view.ViewScale / 2;
        view.ViewXMax = view.ViewXMin + view.CanvasWidthPx / view.ViewScale;
    }
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

void StorePreviousView(ViewWindow& v) {
    v.PrevViewXMin = v.ViewXMin, v.PrevViewXMax = v.ViewXMax;
    v.PrevViewYMin = v.ViewYMin, v.PrevViewYMax = v.ViewYMax;
}

void Refit(ViewWindow& view, EditorState& editor) {
    view.ViewScale = GetFitScale(view, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
    ReferencePointsToScreen(view, editor);
}

bool PreviousView(ViewWindow& v, EditorState& editor) {
    TakeReferencePointsToWorld(v, editor);
    std::swap(v.ViewXMin, v.PrevViewXMin);
    std::swap(v.ViewXMax, v.PrevViewXMax);
    std::swap(v.ViewYMin, v.PrevViewYMin);
    std::swap(v.ViewYMax, v.PrevViewYMax);
    Refit(v, editor);
    return true;
}

bool ZoomIn(ViewWindow& v, EditorState& editor) {
    TakeReferencePointsToWorld(v, editor);
    StorePreviousView(v);
    const float w = v.ViewXMax - v.ViewXMin, h = v.ViewYMax - v.ViewYMin;
    if (!(w > 0.3f)) return false;
    const float x0 = v.ViewXMin + 0.05f * w, x1 = v.ViewXMax - 0.05f * w;
    const float y0 = v.ViewYMin + 0.05f * h, y1 = v.ViewYMax - 0.05f * h;
    if (!ScaleAllowed(v, x0, y0, x1, y1)) return false;
    v.ViewXMin = x0, v.ViewXMax = x1, v.ViewYMin = y0, v.ViewYMax = y1;
    Refit(v, editor);
    return true;
}

bool ZoomOut(ViewWindow& v, EditorState& editor) {
    TakeReferencePointsToWorld(v, editor);
    StorePreviousView(v);
    const float w = v.ViewXMax - v.ViewXMin, h = v.ViewYMax - v.ViewYMin;
    v.ViewXMin -= 0.05f * w, v.ViewXMax += 0.05f * w;
    v.ViewYMin -= 0.05f * h, v.ViewYMax += 0.05f * h;
    Refit(v, editor);
    return true;
}

bool ExtendedView(ViewWindow& v, EditorState& editor, const PlanHeader& header) {
    TakeReferencePointsToWorld(v, editor);
    StorePreviousView(v);
    ZoomToModelExtents(v, header);
    ReferencePointsToScreen(v, editor);
    return true;
}

bool WheelZoom(ViewWindow& v, EditorState& editor, int32_t nodeCount, bool zoomIn) {
    if (nodeCount == 0) return false;
    TakeReferencePointsToWorld(v, editor);
    StorePreviousView(v);
    const float w = v.ViewXMax - v.ViewXMin, h = v.ViewYMax - v.ViewYMin;
    if (w == 0 || h == 0) return false;
    const float fx = (v.CursorWorldX - v.ViewXMin) / w, fy = (v.CursorWorldY - v.ViewYMin) / h;
    const float sign = zoomIn ? 1.0f : -1.0f;
    if (zoomIn && !(w > 5.0f)) return false;
    const float x0 = v.ViewXMin + sign * 0.1f * w * fx, x1 = v.ViewXMax - sign * 0.1f * w * (1 - fx);
    const float y0 = v.ViewYMin + sign * 0.1f * h * fy, y1 = v.ViewYMax - sign * 0.1f * h * (1 - fy);
    if (zoomIn && !ScaleAllowed(v, x0, y0, x1, y1)) return false;
    v.ViewXMin = x0, v.ViewXMax = x1, v.ViewYMin = y0, v.ViewYMax = y1;
    Refit(v, editor);
    return true;
}

#include "shell/ViewNavigation.h"

#include <cmath>
#include <utility>

namespace {

// A step's view is refused when its scale would pass the limit.
bool ScaleAllowed(const ViewWindow& view, float x0, float y0, float x1, float y1) {
    return GetFitScale(view, x0, y0, x1, y1) <= MaxViewScale;
}

}  // namespace

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

bool PreviousView(ViewWindow& v, EditorState& editor) {
    TakeReferencePointsToWorld(v, editor.Reference);
    std::swap(v.ViewXMin, v.PrevViewXMin);
    std::swap(v.ViewXMax, v.PrevViewXMax);
    std::swap(v.ViewYMin, v.PrevViewYMin);
    std::swap(v.ViewYMax, v.PrevViewYMax);
    Refit(v, editor.Reference);
    return true;
}

bool ZoomIn(ViewWindow& v, EditorState& editor) {
    TakeReferencePointsToWorld(v, editor.Reference);
    StorePreviousView(v);
    const float w = v.ViewXMax - v.ViewXMin, h = v.ViewYMax - v.ViewYMin;
    if (!(w > 0.3f)) return false;
    const float x0 = v.ViewXMin + 0.05f * w, x1 = v.ViewXMax - 0.05f * w;
    const float y0 = v.ViewYMin + 0.05f * h, y1 = v.ViewYMax - 0.05f * h;
    if (!ScaleAllowed(v, x0, y0, x1, y1)) return false;
    v.ViewXMin = x0, v.ViewXMax = x1, v.ViewYMin = y0, v.ViewYMax = y1;
    Refit(v, editor.Reference);
    return true;
}

bool ZoomOut(ViewWindow& v, EditorState& editor) {
    TakeReferencePointsToWorld(v, editor.Reference);
    StorePreviousView(v);
    const float w = v.ViewXMax - v.ViewXMin, h = v.ViewYMax - v.ViewYMin;
    v.ViewXMin -= 0.05f * w, v.ViewXMax += 0.05f * w;
    v.ViewYMin -= 0.05f * h, v.ViewYMax += 0.05f * h;
    Refit(v, editor.Reference);
    return true;
}

bool ExtendedView(ViewWindow& v, EditorState& editor, const PlanHeader& header) {
    TakeReferencePointsToWorld(v, editor.Reference);
    StorePreviousView(v);
    ZoomToModelExtents(v, header);
    ReferencePointsToScreen(v, editor.Reference);
    return true;
}

bool WheelZoom(ViewWindow& v, EditorState& editor, int32_t nodeCount, bool zoomIn) {
    if (nodeCount == 0) return false;
    TakeReferencePointsToWorld(v, editor.Reference);
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
    Refit(v, editor.Reference);
    return true;
}

#include "shell/ViewFit.h"

#include <cmath>

float GetFitScale(const ViewWindow& view, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 || dy == 0) return 1.0f;
    const float sx = view.CanvasWidthPx / dx, sy = view.CanvasHeightPx / dy;
    return sy < sx ? sy : sx;
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
    if (std::fabs(ht) < 1e-5f || view.CanvasHeightPx == 0 || view.ViewScale == 0) return;
    if (view.CanvasWidthPx / view.CanvasHeightPx < w / ht) {
        view.ViewYMin = (h.ModelMinY + h.ModelMaxY) / 2 - view.CanvasHeightPx / view.ViewScale / 2;
        view.ViewYMax = view.ViewYMin + view.CanvasHeightPx / view.ViewScale;
    } else {
        view.ViewXMin = (h.ModelMinX + h.ModelMaxX) / 2 - view.CanvasWidthPx / view.ViewScale / 2;
        view.ViewXMax = view.ViewXMin + view.CanvasWidthPx / view.ViewScale;
    }
}

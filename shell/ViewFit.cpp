#include "shell/ViewFit.h"

#include <cmath>

float GetFitScale(const Canvas& canvas, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    if (dx == 0 || dy == 0) return 1.0f;
    const float fitX = static_cast<float>(canvas.WidthPx()) / dx;
    const float fitY = static_cast<float>(canvas.HeightPx()) / dy;
    return fitY < fitX ? fitY : fitX;
}

void ZoomToModelExtents(ViewWindow& view, const PlanHeader& header, const Canvas& canvas) {
    const float mx = (header.ModelMaxX - header.ModelMinX) / 10;
    const float my = (header.ModelMaxY - header.ModelMinY) / 10;
    view.ViewXMin = header.ModelMinX - mx;
    view.ViewYMin = header.ModelMinY - my;
    view.ViewXMax = header.ModelMaxX + mx;
    view.ViewYMax = header.ModelMaxY + my;
    view.ViewScale = GetFitScale(canvas, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
    CenterViewOnModel(view, header);
}

void CenterViewOnModel(ViewWindow& view, const PlanHeader& header) {
    const float width = header.ModelMaxX - header.ModelMinX;
    const float height = header.ModelMaxY - header.ModelMinY;
    if (std::fabs(height) < 1e-5f) return;
    if (!(view.CanvasWidthPx > 0 && view.CanvasHeightPx > 0 && view.ViewScale > 0)) return;
    if (view.CanvasWidthPx / view.CanvasHeightPx < width / height) {
        view.ViewYMin = (header.ModelMinY + header.ModelMaxY) / 2 - view.CanvasHeightPx / view.ViewScale / 2;
        view.ViewYMax = view.ViewYMin + view.CanvasHeightPx / view.ViewScale;
    } else {
        view.ViewXMin = (header.ModelMinX + header.ModelMaxX) / 2 - view.CanvasWidthPx / view.ViewScale / 2;
        view.ViewXMax = view.ViewXMin + view.CanvasWidthPx / view.ViewScale;
    }
}

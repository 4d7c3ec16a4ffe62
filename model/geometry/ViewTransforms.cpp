#include "model/geometry/ViewTransforms.h"

float ScreenToWorldX(const ViewWindow& view, double sx) {
    return static_cast<float>(view.ViewXMin + sx / view.ViewScale);
}

float ScreenToWorldY(const ViewWindow& view, double sy) {
    return static_cast<float>(view.ViewYMin + (view.CanvasHeightPx - sy) / view.ViewScale);
}

#include "model/geometry/ViewTransforms.h"

float WorldToScreenX(const ViewWindow& view, float x) {
    return static_cast<float>((static_cast<double>(x) - view.ViewXMin) * view.ViewScale);
}

float WorldToScreenY(const ViewWindow& view, float y) {
    return static_cast<float>((static_cast<double>(view.ViewYMin) - y) * view.ViewScale + view.CanvasHeightPx);
}

float ScreenToWorldX(const ViewWindow& view, double sx) {
    return static_cast<float>(view.ViewXMin + sx / view.ViewScale);
}

float ScreenToWorldY(const ViewWindow& view, double sy) {
    return static_cast<float>(view.ViewYMin + (view.CanvasHeightPx - sy) / view.ViewScale);
}

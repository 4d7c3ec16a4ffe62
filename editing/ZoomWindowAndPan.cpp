#include "editing/ZoomWindowAndPan.h"

#include <cmath>
#include <utility>

#include "editing/InteractionModes.h"
#include "model/geometry/ViewFit.h"
#include "model/geometry/ViewTransforms.h"

namespace {

// Event coordinates to whole pixels, halves to the even neighbour.
int32_t WholePixel(float v) { return static_cast<int32_t>(std::nearbyint(v)); }

bool BandShown(const ZoomPanState& z) { return z.DragEndX != 0 || z.DragEndY != 0; }

// The band is the canvas's inverse, as a focus rectangle shows on a plain background.
ColourRef BandColour(const Canvas& canvas) { return canvas.BackColour() ^ PackRgb(255, 255, 255); }

void ShowPointer(CanvasEdit& edit, CanvasPointerShape shape) {
    edit.session.shell.CanvasPointer = shape;
    edit.canvas.SetPointer(shape == PointerPan ? CanvasPointer::Pan : CanvasPointer::Crosshair);
}

}  // namespace

void ZoomWindowFirstCorner(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    e.ZoomPan.DragStartX = WholePixel(x);
    e.ZoomPan.DragStartY = WholePixel(y);
    if (BandShown(e.ZoomPan)) edit.canvas.ClearTemporary();
    e.InteractionState = Mode::ZoomSecondCorner;
}

void DragRubberBand(CanvasEdit& edit, float x, float y) {
    ZoomPanState& z = edit.session.editor.ZoomPan;
    if (z.DragStartX < 0) return;
    Canvas& canvas = edit.canvas;
    if (BandShown(z)) canvas.ClearTemporary();
    z.DragEndX = WholePixel(x);
    z.DragEndY = WholePixel(y);
    auto& band = z.RubberBandRect;
    band = {z.DragStartX, z.DragStartY, z.DragEndX, z.DragEndY};
    if (band[2] < band[0]) std::swap(band[0], band[2]);
    if (band[3] < band[1]) std::swap(band[1], band[3]);
    BeginOverlay(canvas);
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.Box(float(band[0]), float(band[1]), float(band[2]), float(band[3]), BandColour(canvas), BoxInside::Empty);
    canvas.SetDrawStyle(DrawStyle::Solid);
}

void ZoomWindowSecondCorner(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    EditorState& e = s.editor;
    ZoomPanState& z = e.ZoomPan;
    ViewWindow& view = s.drawing.View;
    if (BandShown(z)) edit.canvas.ClearTemporary();
    z.RubberBandRect = {};
    z.DragEndX = WholePixel(x);
    z.DragEndY = WholePixel(y);
    if (z.DragStartX > z.DragEndX) std::swap(z.DragStartX, z.DragEndX);
    if (z.DragStartY > z.DragEndY) std::swap(z.DragStartY, z.DragEndY);
    if (z.DragEndX - z.DragStartX <= 10 || z.DragEndY - z.DragStartY <= 10) return;

    ZoomPanState fitted = z;
    FitZoomWindowToAspect(view, fitted);
    // All four bounds through the view in force before the change.
    const float xMax = ScreenToWorldX(view, fitted.DragEndX), yMax = ScreenToWorldY(view, fitted.DragStartY);
    const float xMin = ScreenToWorldX(view, fitted.DragStartX), yMin = ScreenToWorldY(view, fitted.DragEndY);
    if (!(GetFitScale(view, xMin, yMin, xMax, yMax) <= MaxViewScale)) return;

    z = fitted;
    e.InteractionState = e.SuspendedInteractionState;
    StorePreviousView(view);
    view.ViewXMin = xMin, view.ViewXMax = xMax, view.ViewYMin = yMin, view.ViewYMax = yMax;
    Refit(view, e.Reference);
    edit.FullRedraw();
}

void StartPanDrag(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    ShowPointer(edit, PointerPan);
    e.ZoomPan.DragStartX = WholePixel(x);
    e.ZoomPan.DragStartY = WholePixel(y);
    e.InteractionState = Mode::PanDrag;
}

void DragPan(CanvasEdit& edit, int16_t buttons, float x, float y) {
    if (buttons != LeftButton && buttons != MiddleButton) return;
    ZoomPanState& z = edit.session.editor.ZoomPan;
    ViewWindow& view = edit.session.drawing.View;
    z.DragEndX = WholePixel(x);
    z.DragEndY = WholePixel(y);
    const float dx = static_cast<float>(z.DragEndX - z.DragStartX) / view.ViewScale;
    const float dy = static_cast<float>(z.DragEndY - z.DragStartY) / view.ViewScale;
    view.ViewXMin -= dx, view.ViewXMax -= dx;
    view.ViewYMin += dy, view.ViewYMax += dy;
    z.DragStartX = z.DragEndX;
    z.DragStartY = z.DragEndY;
    edit.FullRedraw();
}

void EndPan(CanvasEdit& edit) {
    EditorState& e = edit.session.editor;
    e.InteractionState = e.SuspendedInteractionState;
    ReferencePointsToScreen(edit.session.drawing.View, e.Reference);
    ShowPointer(edit, PointerCrosshair);
    edit.FullRedraw();
}

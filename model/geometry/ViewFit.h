#pragma once
// The view window fitted to a box of the model, the zoom-window rectangle fitted to the canvas
// proportions, and the editor's two reference points carried across a change of the view: what
// the view steps of the shell and the zoom window and pan of the canvas editor share.
#include "state/DrawingState.h"
#include "state/EditorState.h"

// Beyond this many pixels per cm a model a few hundred metres wide no longer fits 32-bit pixel
// values: zooming in stops there.
constexpr float MaxViewScale = 2000.0f;

// Canvas pixels per cm that fit the box (x0, y0)-(x1, y1) into the canvas: the smaller of the two
// axis fits; 1 for a box of no width or no height, or a canvas of no size.
float GetFitScale(const ViewWindow& view, float x0, float y0, float x1, float y1);
// Widens or heightens the zoom-window rectangle (DragStartX .. DragEndY) about its centre to the
// canvas proportions.
void FitZoomWindowToAspect(const ViewWindow& view, ZoomPanState& zoom);

// The reference points' model copies from their canvas positions, and back.
void TakeReferencePointsToWorld(const ViewWindow& view, ReferencePoints& points);
void ReferencePointsToScreen(const ViewWindow& view, ReferencePoints& points);

// The starts of the two view modes the canvas editor completes: the zoom window (state 2, no corner
// taken yet) and the pan (state 500). The tool in force is kept to be resumed afterwards, unless it
// is itself one of these modes, whose resumption would never end the zoom or the pan. Nothing is
// redrawn.
void StartZoomWindow(const ViewWindow& view, EditorState& editor);
void StartPan(const ViewWindow& view, EditorState& editor);

void StorePreviousView(ViewWindow& view);
// The scale fitted to the view's bounds and the reference points put back on the canvas: what
// every step that changes the view does before the redraw.
void Refit(ViewWindow& view, ReferencePoints& points);

#pragma once
// The view window's steps: the fit of a world box to the canvas, the whole model with a margin,
// zoom in and out, the previous view, the wheel zoom about the cursor and the zoom window's fit to
// the canvas proportions. They change the view only; the callers redraw. Every step keeps the
// editor's two reference points on the same model points.
#include <cstdint>

#include "model/tables/ModelTables.h"
#include "state/DrawingState.h"
#include "state/EditorState.h"

// Beyond this many pixels per cm a model a few hundred metres wide no longer fits 32-bit pixel
// values: zooming in stops there.
constexpr float MaxViewScale = 2000.0f;

// Canvas pixels per cm that fit the box (x0, y0)-(x1, y1) into the canvas: the smaller of the two
// axis fits; 1 for a box of no width or no height, or a canvas of no size.
float GetFitScale(const ViewWindow& view, float x0, float y0, float x1, float y1);
// The model's node extents with a tenth of their size around them, the slack axis centred.
void ZoomToModelExtents(ViewWindow& view, const PlanHeader& header);
void CenterViewOnModel(ViewWindow& view, const PlanHeader& header);
// Widens or heightens the zoom-window rectangle (DragStartX .. DragEndY) about its centre to the
// canvas proportions.
void FitZoomWindowToAspect(const ViewWindow& view, EditorState& editor);

// The reference points' model copies from their canvas positions, and back.
void TakeReferencePointsToWorld(const ViewWindow& view, EditorState& editor);
void ReferencePointsToScreen(const ViewWindow& view, EditorState& editor);

void StorePreviousView(ViewWindow& view);
// The scale fitted to the view's bounds and the reference points put back on the canvas: what
// every step that changes the view does before the redraw.
void Refit(ViewWindow& view, EditorState& editor);

// The starts of the two view modes the canvas editor completes: the zoom window (state 2, no corner
// taken yet) and the pan (state 500). The tool in force is kept to be resumed afterwards, unless it
// is itself one of these modes, whose resumption would never end the zoom or the pan. Nothing is
// redrawn.
void StartZoomWindow(const ViewWindow& view, EditorState& editor);
void StartPan(const ViewWindow& view, EditorState& editor);

// The view steps. Each returns true when the view changed and the plan must be redrawn.
bool PreviousView(ViewWindow& view, EditorState& editor);
bool ZoomIn(ViewWindow& view, EditorState& editor);
bool ZoomOut(ViewWindow& view, EditorState& editor);
bool ExtendedView(ViewWindow& view, EditorState& editor, const PlanHeader& header);
// One notch of the wheel about the cursor's model point: towards the user (zoomIn false) widens
// the view by a tenth, away narrows it. Nothing while no model is loaded.
bool WheelZoom(ViewWindow& view, EditorState& editor, int32_t nodeCount, bool zoomIn);

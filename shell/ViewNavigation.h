#pragma once
// The view window's steps: the whole model with a margin, zoom in and out, the previous view and
// the wheel zoom about the cursor; the fit of a box to the canvas is in model/geometry/ViewFit.h.
// They change the view only; the callers redraw. Every step keeps the editor's two reference
// points on the same model points.
#include <cstdint>

#include "model/geometry/ViewFit.h"
#include "model/tables/ModelTables.h"
#include "state/DrawingState.h"
#include "state/EditorState.h"

// The model's node extents with a tenth of their size around them, the slack axis centred.
void ZoomToModelExtents(ViewWindow& view, const PlanHeader& header);
void CenterViewOnModel(ViewWindow& view, const PlanHeader& header);

// The view steps. Each returns true when the view changed and the plan must be redrawn.
bool PreviousView(ViewWindow& view, EditorState& editor);
bool ZoomIn(ViewWindow& view, EditorState& editor);
bool ZoomOut(ViewWindow& view, EditorState& editor);
bool ExtendedView(ViewWindow& view, EditorState& editor, const PlanHeader& header);
// One notch of the wheel about the cursor's model point: towards the user (zoomIn false) widens
// the view by a tenth, away narrows it. Nothing while no model is loaded.
bool WheelZoom(ViewWindow& view, EditorState& editor, int32_t nodeCount, bool zoomIn);

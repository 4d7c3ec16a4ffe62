#pragma once
// Fitting the view window to the canvas: the scale that shows a world box whole, and the whole
// model with a margin, centred along the axis that has room to spare.
#include "model/tables/ModelTables.h"
#include "platform/Canvas.h"
#include "state/DrawingState.h"

// Canvas pixels per centimetre that show the box (x0, y0)-(x1, y1) whole on `canvas`: the smaller
// of the two axes' fits, the x fit on a tie; 1 when the box has no width or no height.
float GetFitScale(const Canvas& canvas, float x0, float y0, float x1, float y1);

// The view window on the model's extents with a margin of a tenth of each size on each side, its
// scale fitted to `canvas`, then centred by CenterViewOnModel. Draws nothing and keeps the
// previous view.
void ZoomToModelExtents(ViewWindow& view, const PlanHeader& header, const Canvas& canvas);

// Centres the model along the axis that has room to spare at the current scale; the other axis
// keeps its margin. Nothing changes for a model without height or a canvas without size.
void CenterViewOnModel(ViewWindow& view, const PlanHeader& header);

#pragma once
// The scale that fits a world box into the canvas, and the view of the whole model with a margin
// that every open starts from. Neither draws.
#include "model/tables/ModelTables.h"
#include "state/DrawingState.h"

// Canvas pixels per cm that fit the box (x0, y0)-(x1, y1) into the canvas: the smaller of the two
// axis fits; 1 for a box of no width or no height.
float GetFitScale(const ViewWindow& view, float x0, float y0, float x1, float y1);
// The model's node extents with a tenth of their size around them, the slack axis centred.
void ZoomToModelExtents(ViewWindow& view, const PlanHeader& header);
void CenterViewOnModel(ViewWindow& view, const PlanHeader& header);

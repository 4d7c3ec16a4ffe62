#pragma once
// New dimensions on the canvas. The horizontal, vertical and aligned tools (modes 2000, 3000,
// 4000) take two snapped points and then the place of the dimension line; the continued tool
// (modes 5000 and 5001) picks a base dimension and appends, for each further snapped point, a
// dimension that carries on along the base's line from the end nearer to that point.
#include "editing/CanvasEdit.h"

// Click in modes 2000, 3000, 4000 (the first point) and 2001, 3001, 4001 (the second): only a
// snapped point counts. It becomes a reference point, is marked with a cross that lasts until the
// next full redraw, and the tool goes on to its next step.
void PickMeasuredPoint(CanvasEdit& edit, float x, float y);

// Click in modes 2002, 3002 and 4002: the dimension line through the click, or through the end of
// a dimension line within 7 pixels so that the new line continues that row; the dimension is
// appended unless its line has no length, and the tool ends.
void AggiungiQuota(CanvasEdit& edit, float x, float y);

// Click in mode 5000: the dimension under the cursor becomes the base of the chain; none ends the
// tool.
void PickContinuedBase(CanvasEdit& edit, float x, float y);

// Click in mode 5001: a dimension from the base's end nearer to the snapped point to the foot of
// that point on the base's line; it becomes the base of the next one. A dimension too short to
// keep leaves the base where it was.
void AddContinuedDimension(CanvasEdit& edit, float x, float y);

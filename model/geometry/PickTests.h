#pragma once
// Whether a point lies within a tolerance of a segment, measured along the axes: in the model, or
// on the canvas for the mouse. The ends themselves never count, and nothing extends a segment
// beyond them but the box around it, widened by tol on every side.
#include "state/DrawingState.h"

// Point, segment and tol in model units; the segment counts as upright or level within 0.01.
bool IsNearSegment(float px, float py, float x1, float y1, float x2, float y2, float tol);
// Point and tol in canvas pixels, segment in model units; upright or level is decided on the
// model deltas (within 0.001), the distances are measured in pixels.
bool IsNearSegmentOnScreen(const ViewWindow& view, float px, float py, float x1, float y1, float x2, float y2,
                           float tol);
// As above, but upright or level is decided on the canvas (within 0.01 pixels).
bool IsNearSegmentInPixels(const ViewWindow& view, float px, float py, float x1, float y1, float x2, float y2,
                           float tol);

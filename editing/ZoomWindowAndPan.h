#pragma once
// The view changed with the mouse: the zoom window drawn as a rubber band between two clicks, and
// the pan that drags the plan with the left or the middle button. They start with StartZoomWindow
// and StartPan (model/geometry/ViewFit.h), which keep the tool in force to be resumed when they
// end, and both keep the tool's reference points on the same model points.
#include <cstdint>

#include "editing/CanvasEdit.h"

// Click in mode 2: the first corner.
void ZoomWindowFirstCorner(CanvasEdit& edit, float x, float y);
// Mouse move in mode 3: the band from the first corner to the cursor, on the temporary layer.
void DragRubberBand(CanvasEdit& edit, float x, float y);
// Left click in mode 3: the second corner. A rectangle 10 pixels or less wide or high, or one
// that would zoom beyond MaxViewScale, is refused and the second corner is asked for again;
// otherwise the rectangle, fitted to the canvas proportions, becomes the view.
void ZoomWindowSecondCorner(CanvasEdit& edit, float x, float y);

// Click in mode 500: the anchor of the drag.
void StartPanDrag(CanvasEdit& edit, float x, float y);
// Mouse move in mode 501: the plan follows the cursor while only the left or only the middle
// button is held.
void DragPan(CanvasEdit& edit, int16_t buttons, float x, float y);
// Button release in mode 501: back to the suspended tool.
void EndPan(CanvasEdit& edit);

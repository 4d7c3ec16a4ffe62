#pragma once
// The reinforcement sections on the canvas. A new section: a press in a designable floor slab
// (mode 1002) and the release in the same slab (mode 1003) lay a section through the release
// point along that slab's span and design it. A move: a click on a section (mode 1000), a drag,
// and the release in one of the slabs it crosses (mode 1001) rebuild it through the release point.
// A deletion: a click on a section (mode 1300). While the button is held a line along the span
// through the cursor previews the section.
#include "editing/CanvasEdit.h"

// Click in mode 1000: the section under the cursor is taken for the move, with the span direction
// of the first slab it crosses; none is reported and ends the tool.
void PickSectionToMove(CanvasEdit& edit, float x, float y);
// Release in mode 1001: the section rebuilt through the release point when that lies in one of
// the slabs it crosses; the tool ends.
void DropMovedSection(CanvasEdit& edit, float x, float y);

// Press in mode 1002: the designable floor slab under the cursor becomes the target; none is
// reported and ends the tool.
void PickSlabOfNewSection(CanvasEdit& edit, float x, float y);
// Release in mode 1003: a new section through the release point when it lies in the target slab;
// the tool ends.
void PlaceNewSection(CanvasEdit& edit, float x, float y);

// Click in mode 1300: deletes the section under the cursor (or reports that there is none); the
// tool ends.
void DeleteSectionAt(CanvasEdit& edit, float x, float y);

// On the temporary layer, wiped first: a bright white line through the canvas point along the
// model direction (cosA, sinA), long enough to cross the whole canvas.
void DrawSectionLinePreview(Canvas& canvas, float x, float y, double cosA, double sinA);

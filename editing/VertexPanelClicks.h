#pragma once
// The canvas clicks of the perimeter editor: in the tools of commands 127 and 128 a click opens the
// vertex panel on the slab under it; while the panel is open, a click in idle selects the edited
// vertex under it or enters the clicked point (snapped when the panel's snap box is ticked) into
// the panel's fields.
#include <cstdint>

#include "editing/CanvasEdit.h"

// The first edited vertex, in list order, within 4 pixels of the canvas point in x and in y; -1
// when none.
int32_t PickEditedVertexAt(const Session& session, float x, float y);

// A click in mode 9600 (any floor slab) or 9605 (concrete slabs). The tool ends in either case;
// with no slab there nothing else happens.
void OpenVertexPanelAt(CanvasEdit& edit, float x, float y);

// A click in idle: acts only while the panel is open.
void ClickWithVertexPanelOpen(CanvasEdit& edit, int16_t button, float x, float y);

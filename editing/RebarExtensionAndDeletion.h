#pragma once
// Two rebar tools that change single bars without a new design: the extension of bars onto a
// target line picked on the plan (an axis or face of a beam or wall, or an edge of a slab outline),
// and the deletion of a bar after a question.
#include <cstdint>

#include "editing/CanvasEdit.h"

// The first element edge within 10 pixels of the canvas point, tested in this order, each group in
// table order: beam axes, beam top faces, beam bottom faces, wall axes, wall faces, edges of the
// concrete-slab outlines, edges of the floor-slab outlines. A hit stores the edge's model ends in
// PickedEdgeX1 .. PickedEdgeY2 and returns the element's index in its own table; -1 when nothing
// is in reach, the picked edge then keeping its ends.
int32_t PickEdgeAt(Session& session, float x, float y);

// Mode 9000: the edge under the point becomes the target line, drawn over the plan, and the bars
// can be clicked; with no edge in reach the tool ends.
void PickExtensionEdge(CanvasEdit& edit, float x, float y);

// Mode 9001: the bar clicked has its end nearer the target line moved onto it, LateralCover short
// of it; a bar parallel to the line is refused with a message. The tool stays for the next bar.
void ExtendRebarAt(CanvasEdit& edit, float x, float y);

// Mode 9500: the bar clicked is highlighted and, when the user says Yes, removed from its section;
// either way the tool ends.
void DeleteRebarAt(CanvasEdit& edit, float x, float y);

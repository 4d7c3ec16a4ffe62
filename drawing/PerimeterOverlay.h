#pragma once
// The perimeter editor's overlay on the canvas: the edited outline filled under the plan, and over
// it the vertices with their numbers, the dotted edges and the preview of the typed point.
#include <cstdint>

#include "model/Session.h"
#include "platform/Canvas.h"

// The outline being edited, filled dark grey at the start of a canvas pass.
void FillEditedPolygon(const Session& session, Canvas& canvas);
// The outline being edited with its vertex numbers, at the end of a canvas pass: the selected
// vertex in yellow, a yellow mark at the point typed into the panel and, when that point differs
// from the selected vertex in both x and y, dotted lines from it to the vertex's neighbours.
void DrawEditedPolygonOutline(const Session& session, Canvas& canvas);

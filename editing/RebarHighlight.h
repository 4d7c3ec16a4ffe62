#pragma once
// A picked rebar shown over the plan on the temporary layer: its line between its canvas ends and
// marks at its ends across the span of the first floor slab its section crosses, 15 cm of the
// model long.
#include <cstdint>

#include "model/Session.h"
#include "platform/Canvas.h"

// The bar's ends on the canvas.
struct RebarOnCanvas {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// The canvas ends of bar `bar` of section `section` in its table; false when there is no such bar.
bool RebarEndsOnCanvas(Session& session, int32_t section, int32_t bar, int32_t isLower, RebarOnCanvas& ends);

// The bar picked to edit: a yellow line; an upper bar also gets a tick at each end, across the
// span at a hooked end and slanted outwards at 45 degrees at a straight one.
void HighlightRebarToEdit(Session& session, Canvas& canvas, int32_t section, int32_t bar, int32_t isLower);

// The bar picked to delete: a dotted light-magenta line over a black one, the ends of an upper bar
// marked as above and the hooked ends of a lower bar marked the other way across the span.
void HighlightRebarToDelete(Session& session, Canvas& canvas, int32_t section, int32_t bar, int32_t isLower);

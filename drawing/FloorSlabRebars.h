#pragma once
// The designed rebars of the floor slabs: bars, hooks, end marks and labels.
#include <cstdint>

#include "drawing/PlanPass.h"

// Every design section's lower bars, then its upper bars, each with its label of count, diameter
// and cut length; the hooks turn across the span of the first slab the section crosses, and a
// section that crosses no slab of the table is left out.
void DrawFloorSlabRebars(PlanPass& pass);

// The cut length a bar's label shows: an upper bar's length with 30 cm for its bends, rounded to
// 5 cm; a lower bar's rounded length with 15 cm for each hooked end (bit 0 the start, bit 1 the end).
float RebarCutLength(float x1, float y1, float x2, float y2, int32_t hookFlags, bool lower);

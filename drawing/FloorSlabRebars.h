#pragma once
// The designed rebars of the floor slabs: bars, hooks, end marks and labels.
#include <cstdint>

#include "drawing/PlanPass.h"

// Every design section's lower bars, then its upper bars, each with its label of count, diameter
// and cut length; the hooks turn across the span of the first slab the section crosses, and a
// section that crosses no slab of the table is left out.
void DrawFloorSlabRebars(PlanPass& pass);

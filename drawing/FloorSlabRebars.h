#pragma once
// The designed rebars of the floor slabs: bars, hooks, end marks and labels.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draws nothing until the floor-slab rebar drawer is built.
void DrawFloorSlabRebars(PlanPass& pass);

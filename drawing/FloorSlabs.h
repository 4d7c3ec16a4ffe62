#pragma once
// Joist floor slabs in plan: fill or hatch, band lines, outlines, span symbol, labels, curbs.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draws nothing until the floor-slab drawer is built.
void DrawFloorSlabs(PlanPass& pass, int32_t outlineSwitch, int32_t textSwitch);

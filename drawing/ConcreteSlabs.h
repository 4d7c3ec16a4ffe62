#pragma once
// Concrete slabs in plan: openings, outlines and labels.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draws nothing until the concrete-slab drawer is built.
void DrawConcreteSlabs(PlanPass& pass, int32_t textSwitch);

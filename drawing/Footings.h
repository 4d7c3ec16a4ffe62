#pragma once
// The footing under a node, by the shape code of its footing type.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draws nothing until the footing drawer is built.
void DrawFooting(PlanPass& pass, int32_t node);

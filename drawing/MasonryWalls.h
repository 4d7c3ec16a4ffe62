#pragma once
// Reinforced-masonry and block-system walls and lintels in plan.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draw nothing until the masonry drawers are built.
void DrawMasonryWalls(PlanPass& pass);
void DrawMasonryBeams(PlanPass& pass);

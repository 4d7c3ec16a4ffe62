#pragma once
// Concrete walls in plan: edge lines, panels and junction loops.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draws nothing until the concrete-wall drawer is built.
void DrawWalls(PlanPass& pass);

#pragma once
// Pillars in plan: outlines, fills, alignment marks and labels; the section list's pillars.
#include <cstdint>

#include "drawing/PlanPass.h"

// Draws nothing until the pillar drawer is built.
void DrawPillars(PlanPass& pass);

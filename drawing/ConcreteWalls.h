#pragma once
// Concrete walls in plan: every face and end line, then the panels (the strip between the two face
// lines of a wall segment) and the junction loops (where three or more walls meet), hatched or
// solid.
#include <cstdint>
#include <vector>

#include "drawing/PlanPass.h"

void DrawWalls(PlanPass& pass);

// The areas a wall fill paints, in drawing order: the panels, then the junction loops. A junction
// block that does not start with a negative count, runs past the end of the list or names a point
// that is not a plan point is left out, and the walk goes on after it.
std::vector<std::vector<PlanPoint>> WallFillAreas(const Model& model);

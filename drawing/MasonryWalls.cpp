#include "drawing/MasonryWalls.h"

void DrawMasonryWalls(PlanPass&) {}

void DrawMasonryBeams(PlanPass&) {}

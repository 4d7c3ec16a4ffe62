#include "drawing/FloorSlabRebars.h"

void DrawFloorSlabRebars(PlanPass&) {}

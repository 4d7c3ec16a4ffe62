#include "drawing/FloorSlabs.h"

void DrawFloorSlabs(PlanPass&, int32_t, int32_t) {}

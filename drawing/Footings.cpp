#include "drawing/Footings.h"

void DrawFooting(PlanPass&, int32_t) {}

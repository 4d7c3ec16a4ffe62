#include "drawing/Pillars.h"

void DrawPillars(PlanPass&) {}

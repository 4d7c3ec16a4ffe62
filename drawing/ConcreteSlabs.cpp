#include "drawing/ConcreteSlabs.h"

void DrawConcreteSlabs(PlanPass&, int32_t) {}

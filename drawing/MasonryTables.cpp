#include "drawing/MasonryTables.h"

float DrawMasonryTables(PlanPass& pass) { return -210.0f - pass.k.L; }

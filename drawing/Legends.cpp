#include "drawing/Legends.h"

float DrawLegendOfAbbreviations(PlanPass& pass) { return -210.0f - pass.k.L; }

void DrawSectionListsAndSlabTable(PlanPass&, float) {}

#pragma once
// Below the deck: the legend of abbreviations, the section lists and the floor-slab table, in the
// drawing language, stacked one row step (22 cm × f) apart on a running y.
#include <cstdint>

#include "drawing/PlanPass.h"

// The legend of abbreviations of a plan that is no masonry plan; returns the y of its last line.
float DrawLegendOfAbbreviations(PlanPass& pass);
// With the pillar text layer on: the pillar section list, the beam section list and the floor-slab
// table, each when its table is not empty, stacked from the running y.
void DrawSectionListsAndSlabTable(PlanPass& pass, float runningY);

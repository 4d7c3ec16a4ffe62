#pragma once
// Below the deck: the legend of abbreviations, the section lists and the floor-slab table.
#include <cstdint>

#include "drawing/PlanPass.h"

// The legend of abbreviations below the deck; returns the running y it ends on. Draws nothing
// until the legend drawer is built.
float DrawLegendOfAbbreviations(PlanPass& pass);
// The pillar and beam section lists and the floor-slab table, stacked from the running y.
void DrawSectionListsAndSlabTable(PlanPass& pass, float runningY);

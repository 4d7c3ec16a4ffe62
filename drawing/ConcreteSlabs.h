#pragma once
// Concrete slabs in plan: the area inside each slab (hatched or solid, its openings left free),
// its outlines, and a label with its number and thickness at the centroid of its outer outline.
#include <cstdint>

#include "drawing/PlanPass.h"

// Consecutive records with the same Id form one slab: the first record's outline bounds it, the
// others are its openings. Labels are drawn when textSwitch is 1.
void DrawConcreteSlabs(PlanPass& pass, int32_t textSwitch);
// The two-line label of record `slab` at the centroid given by the shoelace sums of an outline;
// at the model origin when the outline has no area.
void DrawConcreteSlabLabel(PlanPass& pass, int32_t slab, float momentY, float momentX, float area);

#pragma once
// Concrete pillars (parametric sections) in plan: the alignment mark at the node, the label, the
// section outline placed and turned, its hatch or solid fill, and the pillar numbers of each
// section for the section list. A pillar of the other side of the deck that shares its number with
// another concrete pillar is repeated: it is drawn on the pillars' second layer, without label,
// hatch or list entry.
#include <cstdint>

#include "drawing/PlanPass.h"

// Whether the pillar belongs to the side of the deck that the plan kind shows.
bool IsMainPillar(const Pillar& pillar, int32_t planKind);

void DrawPillars(PlanPass& pass);

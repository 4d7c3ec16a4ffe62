#pragma once
// Reinforced-masonry and block-system walls and lintels in plan: faces, closed ends, labels, the
// vertical reinforcement of the walls as a text along the wall and, for the block system, a
// symbol at every vertical bar. Every text is Italian, whatever the drawing language.
#include <cstdint>
#include <optional>

#include "drawing/PlanPass.h"

// Draws the walls in table order, each with the intermediate bars that fit on it. A wall whose
// node or corner index designates nothing is left out.
void DrawMasonryWalls(PlanPass& pass);
// How many of the intermediate vertical bars a wall asks for fit on it, as the plan draws them;
// none for a wall that asks for none or whose node or corner index designates nothing.
std::optional<int32_t> VerticalBarsThatFit(const Model& model, const MasonryElement& wall);
void DrawMasonryBeams(PlanPass& pass);

// One vertical bar at (x, y): a point marker of the bar's own radius and, unless noLabel, a leader
// with the bar's count (when above 1) and diameter, as in 2Ø16.
void DrawMasonryRebarSymbol(PlanPass& pass, float x, float y, int32_t count, int32_t diameter, bool noLabel);

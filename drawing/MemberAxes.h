#pragma once
// Beam and wall axes as broken lines, the section marks of the beams (at the start of every beam
// and wherever the section changes, recorded for the beam section list), and one label per beam
// and per wall group on its middle element.
#include "drawing/PlanPass.h"

// Axes, and section marks when the sections layer is on; nothing when the axes layer is off.
void DrawMemberAxesAndSectionMarks(PlanPass& pass);
void DrawBeamLabels(PlanPass& pass);
void DrawWallLabels(PlanPass& pass);

// The middle index of a run from first to last, halves to the even neighbour: (0, 1) gives 0,
// (0, 3) gives 2, (2, 3) gives 2.
int32_t MiddleOfRun(int32_t first, int32_t last);

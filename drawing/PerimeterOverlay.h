#pragma once
// The perimeter editor's overlay on the canvas: the edited outline and its vertex numbers.
#include <cstdint>

#include "drawing/PlanPass.h"

// The outline being edited, filled at the start of a canvas pass; draws nothing until the
// perimeter overlay is built.
void FillEditedPolygon(PlanPass& pass);
// The outline being edited with its vertex numbers, at the end of a canvas pass.
void DrawEditedPolygonOutline(PlanPass& pass);

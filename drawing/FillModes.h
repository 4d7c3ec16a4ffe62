#pragma once
// How the area inside an element's outline is painted in a pass: not at all, with hatch lines on
// the element kind's hatch row, or (where the output paints solid fills) solid in that row's
// screen colour. The hatch row's switch gates the fill. Each drawer asks once per pass.
#include <cstdint>

#include "drawing/PlanPass.h"

// The slabs are drawn as outlines only while the vertex panel edits a perimeter where the output
// shows it, so that the edited outline shows; walls and pillars keep their fill.
int32_t GetConcreteSlabFillMode(const PlanPass& pass);
int32_t GetFloorSlabFillMode(const PlanPass& pass);
int32_t GetWallFillMode(const PlanPass& pass);
int32_t GetPillarFillMode(const PlanPass& pass);

// The canvas background, which paints the openings of a solid slab.
ColourRef BackgroundColour(const DrawingState& drawing);

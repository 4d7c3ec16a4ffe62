#pragma once
// How the area inside an element's outline is painted in a pass: not at all, with hatch lines on
// the element kind's hatch layer, or (on the canvas only) solid in that layer's screen colour.
// Each drawer asks once per pass. A solid fill leaves the canvas's fill style, fill colour, pen
// colour and draw style as it set them: nothing restores them, and a canvas circle drawn while the
// fill style is solid comes out filled.
#include <cstdint>
#include <span>

#include "drawing/PlanPass.h"
#include "model/tables/ModelTables.h"

// The hatch layer of each element kind; its switch gates the fill, its screen colour paints it.
constexpr int32_t FloorSlabFillLayer = 20;
constexpr int32_t PillarFillLayer = 21;
constexpr int32_t WallFillLayer = 22;
constexpr int32_t ConcreteSlabFillLayer = 23;

// The slabs are drawn as outlines only while the vertex panel edits a perimeter, so that the
// edited outline shows; walls and pillars keep their fill.
int32_t GetConcreteSlabFillMode(const PlanPass& pass);
int32_t GetFloorSlabFillMode(const PlanPass& pass);
int32_t GetWallFillMode(const PlanPass& pass);
int32_t GetPillarFillMode(const PlanPass& pass);

// Paints the closed polygon through the model points (the first not repeated) on the canvas:
// inside in fillColour by the even-odd rule, border in penColour. Fewer than three points paint
// nothing.
void FillPolygonSolid(DrawTarget& target, std::span<const PlanPoint> points, ColourRef fillColour,
                      ColourRef penColour);

// The canvas background, which paints the openings of a solid slab.
ColourRef BackgroundColour(const DrawingState& drawing);

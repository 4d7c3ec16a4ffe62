#pragma once
// Joist floor slabs in plan: the area inside each slab (hatched along the span or solid), the span
// symbol with the slab's label, the band lines at its supports, its outline, and the distribution
// curb across a slab whose span exceeds the threshold.
#include <cstdint>
#include <span>

#include "drawing/PlanPass.h"

// Everything but the fill needs outlineSwitch 1; the label also a non-zero textSwitch.
void DrawFloorSlabs(PlanPass& pass, int32_t outlineSwitch, int32_t textSwitch);
// The curb lines of slab `slab` (record index) with the given outline, on curbLayer; then, on the
// canvas or when the export asks for it, the span symbol and, with a non-zero textSwitch, the label
// (on the floor-slab texts' row).
void DrawFloorSlabSpanSymbol(PlanPass& pass, std::span<const PlanPoint> points, int32_t slab, int32_t curbLayer,
                             int32_t textSwitch);

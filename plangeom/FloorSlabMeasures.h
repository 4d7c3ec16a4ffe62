#pragma once
// What a floor slab's plan outline gives the drawing and the design: its area and centroid, the
// second and third design reference points and the band lines near its supports.
#include <cstdint>

#include "model/tables/ModelTables.h"

// Measures floor slab `slab` from its current outline (FloorSlabOutline, FloorSlabOutlineCount):
// Area (signed, negative for a counter-clockwise outline), CentroidX/Y and RefPoint2/3 always;
// the band lines when the slab has design data and a band length above 0. A band line is set
// only when the extended design segment meets the outline at two distinct supports and the band
// ray crosses the outline twice; otherwise that band line is cleared to 0.
void ComputeFloorSlabMeasures(Model& model, int32_t slab);

// Only the second and third reference points, from the slab's current outline and centroid: for a
// saved deck, whose file does not keep them.
void ComputeFloorSlabReferencePoints(Model& model, int32_t slab);

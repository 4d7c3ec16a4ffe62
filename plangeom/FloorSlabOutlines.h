#pragma once
// The plan outlines of the joist floor slabs: each slab's polygon of analysis nodes turned
// counter-clockwise and traced along the faces of the beams and walls that carry it.
#include <cstdint>

#include "model/tables/ModelTables.h"

// spanOnly 0 (completion of a fresh export): orients every model polygon and rebuilds every
// outline, then measures the slabs and removes repeated outline entries. Any other value (after a
// perimeter edit): keeps the polygons and the outlines as they are and only measures the slabs
// and removes repeated entries. The outline lists grow as needed.
void BuildFloorSlabOutlines(Model& model, int32_t spanOnly);

#pragma once
// The plan outlines of the joist floor slabs: each slab's polygon of analysis nodes turned
// counter-clockwise and traced along the faces of the beams and walls that carry it.
#include <cstdint>

#include "model/tables/ModelTables.h"
#include "plangeom/PlanPointIndex.h"

// spanOnly 0 (completion of a fresh export): orients every model polygon and rebuilds every
// outline, then measures the slabs and removes repeated outline entries. Any other value (after a
// perimeter edit): keeps the polygons and the outlines as they are and only measures the slabs
// and removes repeated entries. The outline lists grow as needed.
void BuildFloorSlabOutlines(Model& model, int32_t spanOnly);

// spanOnly 0, with the plan points of `points`, an index over this model's plan points that the
// steps of one completion share (nothing else adds plan points while it is in use).
void BuildFloorSlabOutlines(Model& model, PlanPointIndex& points);

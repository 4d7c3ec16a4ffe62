#pragma once
// The two plan outlines of the concrete slabs: list 1 along the outer faces of the beams and walls
// that carry a slab (the concrete-slab outline of the plan), list 2 along their inner faces.
#include <cstdint>

#include "model/tables/ModelTables.h"
#include "plangeom/PlanPointIndex.h"

// which 0 rebuilds list 1 (ConcreteSlabOutline), any other value list 2 (ConcreteSlabOutline2);
// the other list is not touched. Orients every model polygon counter-clockwise first (a polygon
// of no area is left as it is, so that repeated calls agree) and removes consecutive outline
// entries that lie at one place. Rebuilding a list on an unchanged model gives the same list and
// adds no plan point. List 2, rebuilt at every load, takes for a corner the plan point that the
// data file saved for it (PlanPointIndex::FindOrAddNearSavedPoint), so that a deck reloaded from
// its own file gets the same list again. The outline lists grow as needed.
void BuildConcreteSlabOutlines(Model& model, int32_t which);
// The same, with the plan points of `points`, an index over this model's plan points that the
// steps of one completion share (nothing else adds plan points while it is in use).
void BuildConcreteSlabOutlines(Model& model, PlanPointIndex& points, int32_t which);

#pragma once
// Tidying of a fresh export before any face line is built: the analysis mesh leaves intermediate
// nodes on straight slab sides and splits straight walls into several segments.
#include "model/tables/ModelTables.h"

// Drops from every concrete-slab model polygon the vertices that lie on the straight line between
// their neighbours when no beam frames in there (none, or two of one section), no wall ends there
// (none, or two of one thickness) and no pillar stands there. Keeps the lists closed and never
// thins a polygon below three vertices.
void SimplifyConcreteSlabPolygons(Model& model);

// Joins two wall segments of one group and thickness that continue each other in a straight line
// at a node where nothing else happens (no other wall, footing, pillar or slab vertex). The
// surviving segment runs from the end with the smaller x (smaller y for an upright wall).
void MergeCollinearWallSegments(Model& model);

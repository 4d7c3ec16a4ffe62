#pragma once
// The outlines in plan of the masonry walls and lintels: two corners at each end of an element,
// stored as plan points, with the right face running from BorderA1 to BorderB1 and the left face
// (looking from NodeI to NodeJ) from BorderA2 to BorderB2.
#include "model/tables/ModelTables.h"
#include "plangeom/PlanPointIndex.h"

// Sets the six border fields of every masonry wall, appending plan points. Where exactly one other
// wall ends at the same node the two walls meet in a mitred corner (the end stays open, flag 0)
// unless they run on one line, or within half a degree of it; an end that touches the axis of a
// wall not parallel to it is cut along that wall's facing side (flag 0); every other end is square
// (flag -1). A node missing from the table stands at the origin; a thickness that is not a
// positive number counts as none.
void BuildMasonryWallOutlines(Model& model);
// As BuildMasonryWallOutlines, with the plan points of `points`, an index over this model's plan points that the
// steps of one completion share (nothing else adds plan points while it is in use).
void BuildMasonryWallOutlines(Model& model, PlanPointIndex& points);

// Sets the four corner fields of every masonry beam, appending plan points. Beam ends are always
// square; the two flags are left alone.
void BuildMasonryBeamOutlines(Model& model);
// As BuildMasonryBeamOutlines, with the plan points of `points`, an index over this model's plan points that the
// steps of one completion share (nothing else adds plan points while it is in use).
void BuildMasonryBeamOutlines(Model& model, PlanPointIndex& points);

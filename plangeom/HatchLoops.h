#pragma once
// The closed loops around the cores of wall junctions, which the wall drawing fills with the walls.
#include "model/tables/ModelTables.h"

// Rebuilds HatchLoops from WallJunctionEdges (which it reorders so that the records of each
// junction stand together): per junction the negated vertex count, then the plan points of the
// loop in loop order, the first not repeated at the end.
void BuildHatchLoops(Model& model);

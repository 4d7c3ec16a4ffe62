#pragma once
// The shared plan points of the derived geometry: a corner met twice is one plan point, so the
// lines of members that meet there refer to the same index.
#include <cstdint>

#include "model/tables/ModelTables.h"

// Index of the first plan point within 0.0001 of (x, y) in both coordinates (strictly), or -1.
// Earlier points win over later ones, whatever lookup is used.
int32_t FindPlanNode(const Model& model, float x, float y);

// The index of the plan point at (x, y): the first one within 0.0001, or a point appended at
// PlanNodeCount. Points are never moved or removed, so an index stays valid.
int32_t FindOrAddPlanNode(Model& model, float x, float y);

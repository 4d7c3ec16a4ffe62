#pragma once
// The outlines of slabs and wall junctions as the model stores them, lists of PlanNodes indexes,
// turned into their plan points.
#include <cstdint>
#include <span>
#include <vector>

#include "model/tables/ModelTables.h"

// The points of the first `count` indexes, never beyond the list; an index that designates no
// plan point is left out.
std::vector<PlanPoint> OutlinePoints(const Model& model, std::span<const int32_t> indexes, int32_t count);
// The outline of record `record` of a table of outlines with its vertex counts beside it; empty
// for a record that the tables do not hold.
std::vector<PlanPoint> OutlineOfRecord(const Model& model, const IndexRows& outlines,
                                       const std::vector<int32_t>& counts, int32_t record);

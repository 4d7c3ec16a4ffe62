#pragma once
// The outlines of slabs and wall junctions as the model stores them, lists of PlanNodes indexes,
// turned into their plan points, and drawn edge by edge.
#include <cstdint>
#include <span>
#include <vector>

#include "drawing/PlanOutput.h"
#include "model/tables/ModelTables.h"

// The points of the first `count` indexes, never beyond the list; an index that designates no
// plan point is left out.
std::vector<PlanPoint> OutlinePoints(const Model& model, std::span<const int32_t> indexes, int32_t count);
// The outline of record `record` of a table of outlines with its vertex counts beside it; empty
// for a record that the tables do not hold.
std::vector<PlanPoint> OutlineOfRecord(const Model& model, const IndexRows& outlines,
                                       const std::vector<int32_t>& counts, int32_t record);

// One line per edge, from each vertex to the next and from the last back to the first, in the
// layer's linetype.
void DrawClosedOutline(PlanOutput& out, std::span<const PlanPoint> points, int32_t layer);

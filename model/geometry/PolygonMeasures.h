#pragma once
// Shoelace area and centroid of plan polygons.
#include <cstdint>
#include <span>
#include <vector>

#include "model/tables/ModelTables.h"

// Adds one edge, from (x0, y0) to (x1, y1), to the shoelace sums: the area by (x0·y1 − y0·x1)/2,
// the moments by the mean coordinate times that area. The moment about y comes first.
void AccumulateCentroid(float x0, float y0, float x1, float y1, float& area, float& momentY,
                        float& momentX);

struct PolygonMeasure {
    // Positive for a clockwise vertex order with y up, negative for a counter-clockwise one.
    float PolygonArea = 0;
    // (0, 0) when the polygon has no area.
    float PolygonCentroidX = 0, PolygonCentroidY = 0;
};

// The polygon through planNodes[nodes[0]] .. planNodes[nodes[n - 1]], closed back to the first.
// Indexes that designate no plan point count as the point (0, 0).
PolygonMeasure ComputePlanPolygonCentroid(const std::vector<PlanPoint>& planNodes,
                                          std::span<const int32_t> nodes, int32_t n);

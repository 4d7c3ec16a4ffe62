#include "model/geometry/PolygonMeasures.h"

#include <algorithm>
#include <cmath>

void AccumulateCentroid(float x0, float y0, float x1, float y1, float& area, float& momentY,
                        float& momentX) {
    float t = static_cast<float>((static_cast<double>(x0) * y1 - static_cast<double>(y0) * x1) / 2);
    area += t;
    momentY += static_cast<float>((static_cast<double>(y0) + y1) * t / 3);
    momentX += static_cast<float>((static_cast<double>(x0) + x1) * t / 3);
}

PolygonMeasure ComputePlanPolygonCentroid(const std::vector<PlanPoint>& planNodes,
                                          std::span<const int32_t> nodes, int32_t n) {
    PolygonMeasure result;
    int64_t count = std::min<int64_t>(n, static_cast<int64_t>(nodes.size()));
    auto vertex = [&](int64_t j) {
        int32_t index = nodes[j];
        if (index < 0 || index >= static_cast<int64_t>(planNodes.size())) return PlanPoint{};
        return planNodes[index];
    };
    float momentY = 0, momentX = 0;
    for (int64_t j = 0; j < count; ++j) {
        PlanPoint current = vertex(j);
        PlanPoint next = vertex(j + 1 < count ? j + 1 : 0);
        AccumulateCentroid(next.X, next.Y, current.X, current.Y, result.PolygonArea, momentY, momentX);
    }
    if (std::fabs(result.PolygonArea) > 1e-6f) {
        result.PolygonCentroidX = momentX / result.PolygonArea;
        result.PolygonCentroidY = momentY / result.PolygonArea;
    }
    return result;
}

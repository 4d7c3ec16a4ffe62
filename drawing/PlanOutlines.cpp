#include "drawing/PlanOutlines.h"

#include <algorithm>

#include "model/tables/TableAccess.h"

std::vector<PlanPoint> OutlinePoints(const Model& model, std::span<const int32_t> indexes, int32_t count) {
    std::vector<PlanPoint> points;
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), indexes.size());
    points.reserve(n);
    for (size_t k = 0; k < n; ++k)
        if (IsPlanPointIndex(model, indexes[k])) points.push_back(model.PlanNodes[static_cast<size_t>(indexes[k])]);
    return points;
}

std::vector<PlanPoint> OutlineOfRecord(const Model& model, const IndexRows& outlines,
                                       const std::vector<int32_t>& counts, int32_t record) {
    if (record < 0 || static_cast<size_t>(record) >= outlines.size() || static_cast<size_t>(record) >= counts.size())
        return {};
    const size_t r = static_cast<size_t>(record);
    return OutlinePoints(model, outlines[r], counts[r]);
}

void DrawClosedOutline(PlanOutput& out, std::span<const PlanPoint> points, int32_t layer) {
    for (size_t k = 0; k < points.size(); ++k) {
        const PlanPoint& a = points[k];
        const PlanPoint& b = points[(k + 1) % points.size()];
        out.Line(a.X, a.Y, b.X, b.Y, layer, LineStyle::ByLayer);
    }
}

#include "plangeom/PlanPoints.h"

#include <cmath>

#include "model/tables/TableAccess.h"

int32_t FindPlanNode(const Model& model, float x, float y) {
    constexpr float Tolerance = 0.0001f;
    const int32_t count = UsableCount(model.PlanNodeCount, model.PlanNodes);
    for (int32_t j = 0; j < count; ++j) {
        // The differences are rounded to floats before the comparison.
        const float dx = model.PlanNodes[j].X - x;
        const float dy = model.PlanNodes[j].Y - y;
        if (std::fabs(dx) < Tolerance && std::fabs(dy) < Tolerance) return j;
    }
    return -1;
}

int32_t FindOrAddPlanNode(Model& model, float x, float y) {
    const int32_t found = FindPlanNode(model, x, y);
    if (found >= 0) return found;
    // A count beyond its table would leave unset points before the new one: keep only real ones.
    model.PlanNodeCount = UsableCount(model.PlanNodeCount, model.PlanNodes);
    const int32_t index = model.PlanNodeCount;
    // After an append the table holds exactly PlanNodeCount points.
    model.PlanNodes.resize(static_cast<size_t>(index) + 1);
    model.PlanNodes[index] = {x, y};
    ++model.PlanNodeCount;
    return index;
}

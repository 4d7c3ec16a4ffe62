#include "plangeom/OutlineCleanup.h"

#include <algorithm>
#include <cmath>

#include "model/tables/TableAccess.h"

namespace {

// Scans pairs (j, j + 1) while j <= count - 2, with the count as it stands, removing entry j when
// repeats(j) holds; j advances after a removal too.
template <class Repeats>
void RemoveEntries(std::vector<int32_t>& outline, int32_t& count, Repeats repeats) {
    for (int32_t j = 0; j <= count - 2; ++j) {
        if (!repeats(j)) continue;
        // The entries after j move down by one place; the old last place keeps its value.
        std::copy(outline.begin() + j + 1, outline.begin() + count, outline.begin() + j);
        --count;
    }
}

bool IsPlanPoint(const Model& model, int32_t index) {
    return index >= 0 && index < UsableCount(model.PlanNodeCount, model.PlanNodes);
}

}  // namespace

void RemoveRepeatedOutlineEntries(std::vector<int32_t>& outline, int32_t& count) {
    count = UsableCount(count, outline);
    if (count <= 2) return;
    RemoveEntries(outline, count, [&](int32_t j) { return outline[j] == outline[j + 1]; });
}

void RemoveCoincidentOutlineEntries(const Model& model, std::vector<int32_t>& outline, int32_t& count) {
    count = UsableCount(count, outline);
    if (count < 2) return;
    RemoveEntries(outline, count, [&](int32_t j) {
        const int32_t a = outline[j], b = outline[j + 1];
        if (!IsPlanPoint(model, a) || !IsPlanPoint(model, b)) return a == b;
        const PlanPoint& p = model.PlanNodes[a];
        const PlanPoint& q = model.PlanNodes[b];
        return std::fabs(p.X - q.X) < 0.0001f && std::fabs(p.Y - q.Y) < 0.0001f;
    });
}

#include "editing/SlabPerimeter.h"

#include <algorithm>
#include <vector>

#include "model/tables/TableAccess.h"
#include "plangeom/DirectionGroups.h"
#include "plangeom/FloorSlabOutlines.h"
#include "plangeom/PlanPointIndex.h"

namespace {

// Models built outside the reader may lack the per-slab lists.
void EnsureRow(IndexRows& rows, std::vector<int32_t>& counts, int32_t slab) {
    const size_t needed = static_cast<size_t>(slab) + 1;
    if (rows.size() < needed) rows.resize(needed);
    if (counts.size() < needed) counts.resize(needed, 0);
}

// The place after the last entry repeats the first, as the outline lists keep it.
void CloseOutline(std::vector<int32_t>& row, int32_t count) {
    if (count < 1) return;
    if (row.size() < static_cast<size_t>(count) + 1) row.resize(static_cast<size_t>(count) + 1);
    row[static_cast<size_t>(count)] = row[0];
}

void WriteOutline(std::vector<int32_t>& row, int32_t& count, std::span<const int32_t> vertices) {
    if (row.size() < vertices.size() + 1) row.resize(vertices.size() + 1);
    std::copy(vertices.begin(), vertices.end(), row.begin());
    count = static_cast<int32_t>(vertices.size());
    CloseOutline(row, count);
}

bool AtSamePlace(const Model& model, int32_t second, int32_t first) {
    if (second == first) return true;
    if (!IsPlanPointIndex(model, second) || !IsPlanPointIndex(model, first)) return false;
    const PlanPoint& p = model.PlanNodes[static_cast<size_t>(first)];
    return NearSavedPosition(model.PlanNodes[static_cast<size_t>(second)], p.X, p.Y);
}

// Before the first list is rewritten: the second list's entries that agree with it take the
// edited points.
void FollowInSecondList(Model& model, int32_t slab, std::span<const int32_t> vertices) {
    if (static_cast<size_t>(slab) >= model.ConcreteSlabOutline2.size() ||
        static_cast<size_t>(slab) >= model.ConcreteSlabOutline2Count.size())
        return;
    const std::vector<int32_t>& first = model.ConcreteSlabOutline[static_cast<size_t>(slab)];
    std::vector<int32_t>& second = model.ConcreteSlabOutline2[static_cast<size_t>(slab)];
    const int32_t firstCount = UsableCount(model.ConcreteSlabOutlineCount[static_cast<size_t>(slab)], first);
    const int32_t secondCount = UsableCount(model.ConcreteSlabOutline2Count[static_cast<size_t>(slab)], second);
    const size_t shared = std::min({static_cast<size_t>(firstCount), static_cast<size_t>(secondCount), vertices.size()});
    const int32_t firstBefore = secondCount > 0 ? second[0] : -1;
    for (size_t k = 0; k < shared; ++k)
        if (AtSamePlace(model, second[k], first[k])) second[k] = vertices[k];
    // Its closing repeat follows its first entry.
    if (secondCount > 0 && second.size() > static_cast<size_t>(secondCount) &&
        second[static_cast<size_t>(secondCount)] == firstBefore)
        second[static_cast<size_t>(secondCount)] = second[0];
}

}  // namespace

void AssignFloorSlabPerimeter(Model& model, int32_t slab, std::span<const int32_t> vertices) {
    if (slab < 0 || slab >= UsableCount(model.FloorSlabCount, model.FloorSlabs) || vertices.empty()) return;
    EnsureRow(model.FloorSlabOutline, model.FloorSlabOutlineCount, slab);
    const auto s = static_cast<size_t>(slab);
    WriteOutline(model.FloorSlabOutline[s], model.FloorSlabOutlineCount[s], vertices);
    BuildFloorSlabOutlines(model, 1);
    // Repeated entries the edit left have gone, and the closing repeat follows the shorter list.
    CloseOutline(model.FloorSlabOutline[s], model.FloorSlabOutlineCount[s]);
    AssignFloorSlabDirectionGroups(model);
}

void AssignConcreteSlabPerimeter(Model& model, int32_t slab, std::span<const int32_t> vertices) {
    if (slab < 0 || slab >= UsableCount(model.ConcreteSlabCount, model.ConcreteSlabs) || vertices.empty()) return;
    EnsureRow(model.ConcreteSlabOutline, model.ConcreteSlabOutlineCount, slab);
    FollowInSecondList(model, slab, vertices);
    const auto s = static_cast<size_t>(slab);
    WriteOutline(model.ConcreteSlabOutline[s], model.ConcreteSlabOutlineCount[s], vertices);
}

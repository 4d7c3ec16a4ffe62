#include "plangeom/PlanPointIndex.h"

#include <algorithm>
#include <cmath>

#include "model/common/Helpers.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float Tolerance = 0.0001f;  // that of FindPlanNode
// Cells are twice as wide as the reach of the search near a saved point, which then looks at the
// 2 × 2 cells around it. Their edges lie 0.3 of a cell off the multiples of their size, away from
// every coordinate with two decimals: an ordinary search around such a point, the most common
// kind, looks at its own cell only.
constexpr double CellsPerUnit = 25;  // cells of 0.04
constexpr double CellOffset = 0.3;
// Reach of an ordinary search: the tolerance with room for the rounding of the differences.
constexpr double ToleranceReach = 0.0002;
constexpr double SavedPointReach = 0.02;
// The cells looked at for it: with room for the rounding of the differences too.
constexpr double SavedPointCellReach = 0.0201;
// Half the last saved decimal, plus what the coordinates of a reloaded deck, read back into 32-bit
// floats, may differ from those it was saved from.
constexpr double SavedPositionTolerance = 0.006;
constexpr int32_t SavedDecimals = 2;

// Cells beyond this stand together at the edge: coordinates that large are exact floats far apart.
constexpr double CellLimit = 1e15;

int64_t CellOf(double v) {
    double c = std::floor(v * CellsPerUnit + CellOffset);
    if (!(c > -CellLimit)) c = -CellLimit;  // NaN included
    if (c > CellLimit) c = CellLimit;
    return static_cast<int64_t>(c);
}

size_t CellHash(int64_t x, int64_t y) {
    // Two rounds of multiply and shift, so that the cells of a row or a column spread over the table.
    uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(y);
    h = (h ^ (h >> 32)) * 0xD6E8FEB86659FD93ull;
    return static_cast<size_t>(h ^ (h >> 32));
}

constexpr size_t InitialSlots = 64;

bool WithinTolerance(const PlanPoint& p, float x, float y) {
    // The differences are rounded to floats before the comparison, as FindPlanNode does.
    const float dx = p.X - x;
    const float dy = p.Y - y;
    return std::fabs(dx) < Tolerance && std::fabs(dy) < Tolerance;
}

// The value the data file gives back for a coordinate it saved.
double SavedValue(float v) { return ValueAsWritten(v, SavedDecimals); }

// Far from the origin the floats are coarser than the saved decimals, and a saved text may lie up
// to the spacing of the floats there from the value it came from.
bool NearSavedCoordinate(float saved, float v) {
    const float magnitude = std::fabs(v);
    const double spacing = static_cast<double>(std::nextafter(magnitude, INFINITY)) - magnitude;
    return std::fabs(SavedValue(saved) - v) <= SavedPositionTolerance + spacing;
}

}  // namespace

bool NearSavedPosition(const PlanPoint& p, float x, float y) {
    const float dx = p.X - x;
    const float dy = p.Y - y;
    if (!(std::fabs(dx) < SavedPointReach && std::fabs(dy) < SavedPointReach)) return false;
    return NearSavedCoordinate(p.X, x) && NearSavedCoordinate(p.Y, y);
}

size_t PlanPointIndex::SlotOf(const Cell& cell) const {
    const size_t mask = slots_.size() - 1;
    size_t at = CellHash(cell.X, cell.Y) & mask;
    while (slots_[at].Newest >= 0 &&
           !(CellOf(slots_[at].Point.X) == cell.X && CellOf(slots_[at].Point.Y) == cell.Y))
        at = (at + 1) & mask;
    return at;
}

void PlanPointIndex::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max(InitialSlots, old.size() * 2), Slot{});
    for (const Slot& s : old)
        if (s.Newest >= 0) slots_[SlotOf({CellOf(s.Point.X), CellOf(s.Point.Y)})] = s;
}

PlanPointIndex::PlanPointIndex(Model& model) : model_(model) {
    const int32_t count = UsableCount(model.PlanNodeCount, model.PlanNodes);
    size_t slots = InitialSlots;
    while (slots < static_cast<size_t>(count) * 2) slots *= 2;
    slots_.assign(slots, Slot{});
    previousInCell_.reserve(static_cast<size_t>(count) * 2);
    for (int32_t i = 0; i < count; ++i) Insert(i);
}

void PlanPointIndex::Insert(int32_t index) {
    if (previousInCell_.size() <= static_cast<size_t>(index))
        previousInCell_.resize(static_cast<size_t>(index) + 1, -1);
    if ((occupied_ + 1) * 2 > slots_.size()) Grow();
    const PlanPoint p = model_.PlanNodes[static_cast<size_t>(index)];
    Slot& slot = slots_[SlotOf({CellOf(p.X), CellOf(p.Y)})];
    if (slot.Newest < 0) ++occupied_;
    previousInCell_[static_cast<size_t>(index)] = slot.Newest;
    slot = {p, index, slot.Newest};
}

template <class Match>
int32_t PlanPointIndex::FirstMatch(float x, float y, double reach, Match matches) const {
    // A point that is no number, or infinite, lies within no tolerance of anything.
    if (!std::isfinite(x) || !std::isfinite(y)) return -1;
    const int64_t x0 = CellOf(x - reach), x1 = CellOf(x + reach);
    const int64_t y0 = CellOf(y - reach), y1 = CellOf(y + reach);
    int32_t first = -1;
    for (int64_t cx = x0; cx <= x1; ++cx)
        for (int64_t cy = y0; cy <= y1; ++cy) {
            const Slot& slot = slots_[SlotOf(Cell{cx, cy})];
            if (slot.Newest < 0) continue;
            if ((first < 0 || slot.Newest < first) && matches(slot.Point, x, y)) first = slot.Newest;
            for (int32_t j = slot.Previous; j >= 0; j = previousInCell_[static_cast<size_t>(j)])
                if ((first < 0 || j < first) && matches(model_.PlanNodes[static_cast<size_t>(j)], x, y)) first = j;
        }
    return first;
}

void PlanPointIndex::Prefetch(float x, float y) const {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    __builtin_prefetch(&slots_[CellHash(CellOf(x), CellOf(y)) & (slots_.size() - 1)]);
}

int32_t PlanPointIndex::Find(float x, float y) const { return FirstMatch(x, y, ToleranceReach, WithinTolerance); }

int32_t PlanPointIndex::FindNearSavedPoint(float x, float y) const {
    return FirstMatch(x, y, SavedPointCellReach, NearSavedPosition);
}

int32_t PlanPointIndex::Append(float x, float y) {
    // As FindOrAddPlanNode: only the real points stay, and the table then holds exactly them.
    model_.PlanNodeCount = UsableCount(model_.PlanNodeCount, model_.PlanNodes);
    const int32_t index = model_.PlanNodeCount;
    model_.PlanNodes.resize(static_cast<size_t>(index) + 1);
    model_.PlanNodes[index] = {x, y};
    ++model_.PlanNodeCount;
    Insert(index);
    return index;
}

int32_t PlanPointIndex::FindOrAdd(float x, float y) {
    const int32_t found = Find(x, y);
    return found >= 0 ? found : Append(x, y);
}

int32_t PlanPointIndex::FindOrAddNearSavedPoint(float x, float y) {
    const int32_t found = FindNearSavedPoint(x, y);
    return found >= 0 ? found : Append(x, y);
}

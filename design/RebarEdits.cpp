#include "design/RebarEdits.h"

#include <algorithm>
#include <cmath>

#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"

namespace {

// Sections whose counts and bar rows of the family can be read.
template <class Bars>
bool HoldsBar(const std::vector<int32_t>& counts, const std::vector<Bars>& rows, int32_t sections, int32_t section,
              int32_t bar) {
    if (section < 0 || section >= std::min({sections, UsableCount(sections, counts), UsableCount(sections, rows)}))
        return false;
    const int32_t count = std::clamp<int32_t>(counts[static_cast<size_t>(section)], 0, ReinforcementSections::MaxRebars);
    return bar >= 0 && bar < count;
}

template <class Bar>
RebarFields FieldsOf(Bar& b) {
    return {b.Diameter, b.X1, b.X2, b.Y1, b.Y2, b.BarCount, b.HookFlags};
}

template <class Bars>
void RemoveFrom(std::vector<int32_t>& counts, std::vector<Bars>& rows, int32_t section, int32_t bar) {
    auto& row = rows[static_cast<size_t>(section)];
    int32_t& count = counts[static_cast<size_t>(section)];
    std::move(row.begin() + bar + 1, row.begin() + std::min<int32_t>(count, ReinforcementSections::MaxRebars),
              row.begin() + bar);
    --count;
}

struct Direction {
    double x = 0, y = 0;
};

// The unit direction from the bar's start to its end; none for a bar without length.
std::optional<Direction> DirectionOf(const RebarFields& bar) {
    const double dx = static_cast<double>(bar.X2) - bar.X1, dy = static_cast<double>(bar.Y2) - bar.Y1;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return std::nullopt;
    return Direction{dx / length, dy / length};
}

}  // namespace

std::optional<RebarFields> RebarAt(Model& model, int32_t section, int32_t bar, int32_t isLower) {
    ReinforcementSections& r = model.Reinforcement;
    const int32_t sections = r.ReinforcementSectionCount;
    if (isLower != 0) {
        if (!HoldsBar(r.LowerRebarCount, r.LowerRebars, sections, section, bar)) return std::nullopt;
        return FieldsOf(r.LowerRebars[static_cast<size_t>(section)][static_cast<size_t>(bar)]);
    }
    if (!HoldsBar(r.UpperRebarCount, r.UpperRebars, sections, section, bar)) return std::nullopt;
    return FieldsOf(r.UpperRebars[static_cast<size_t>(section)][static_cast<size_t>(bar)]);
}

std::optional<RebarFields> SelectedRebar(Session& session) {
    const RebarToolState& r = session.editor.Rebar;
    return RebarAt(session.model, r.SelectedBarSection, r.SelectedBar, r.SelectedBarIsLower);
}

void StretchRebar(const RebarFields& bar, float start, float end) {
    const std::optional<Direction> d = DirectionOf(bar);
    if (!d) return;
    bar.X1 = static_cast<float>(bar.X1 - start * d->x);
    bar.Y1 = static_cast<float>(bar.Y1 - start * d->y);
    bar.X2 = static_cast<float>(bar.X2 + end * d->x);
    bar.Y2 = static_cast<float>(bar.Y2 + end * d->y);
}

RebarExtension ExtendRebarToLine(const RebarFields& bar, float x1, float y1, float x2, float y2, float cover) {
    const std::optional<Direction> d = DirectionOf(bar);
    if (!d) return RebarExtension::NoCrossing;
    float ix = 0, iy = 0;
    if (IntersectSegments(bar.X1, bar.Y1, bar.X2, bar.Y2, x1, y1, x2, y2, ix, iy) <= 0)
        return RebarExtension::NoCrossing;
    const float toEnd = GetDistance(ix, iy, bar.X2, bar.Y2), toStart = GetDistance(ix, iy, bar.X1, bar.Y1);
    if (toEnd > toStart) {
        bar.X1 = static_cast<float>(ix + cover * d->x);
        bar.Y1 = static_cast<float>(iy + cover * d->y);
    } else {
        bar.X2 = static_cast<float>(ix - cover * d->x);
        bar.Y2 = static_cast<float>(iy - cover * d->y);
    }
    return RebarExtension::Moved;
}

bool RemoveRebar(Model& model, int32_t section, int32_t bar, int32_t isLower) {
    if (!RebarAt(model, section, bar, isLower)) return false;
    ReinforcementSections& r = model.Reinforcement;
    if (isLower != 0) RemoveFrom(r.LowerRebarCount, r.LowerRebars, section, bar);
    else RemoveFrom(r.UpperRebarCount, r.UpperRebars, section, bar);
    return true;
}

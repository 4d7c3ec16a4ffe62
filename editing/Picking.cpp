#include "editing/Picking.h"

#include <algorithm>
#include <vector>

#include "editing/InteractionModes.h"
#include "model/files/ArchiveReader.h"
#include "model/geometry/PickTests.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float SectionTolerance = 15.0f;
constexpr float RebarTolerance = 7.0f;

// The point in model coordinates and the far end of the ray whose crossings with an outline are
// counted.
struct OutlineProbe {
    float Px = 0, Py = 0, Fx = 0, Fy = 0;
};

OutlineProbe ProbeAt(const ViewWindow& view, float x, float y) {
    OutlineProbe probe;
    probe.Px = ScreenToWorldX(view, x);
    probe.Py = ScreenToWorldY(view, y);
    probe.Fx = static_cast<float>(static_cast<double>(probe.Px) - 3849.749);
    probe.Fy = static_cast<float>(static_cast<double>(probe.Py) - 2017.337);
    return probe;
}

// Whether the probe's point lies inside outline row `slab` (its plan points 0 .. count - 1, each
// edge to the next and the last back to the first), by the parity of proper crossings. A slab
// without such a row, or with a point outside the plan points, contains nothing.
bool OutlineContains(const Model& m, const IndexRows& outlines, const std::vector<int32_t>& counts, int32_t slab,
                     const OutlineProbe& probe) {
    if (slab < 0 || slab >= static_cast<int64_t>(outlines.size()) || slab >= static_cast<int64_t>(counts.size()))
        return false;
    const std::vector<int32_t>& outline = outlines[static_cast<size_t>(slab)];
    const int32_t n = UsableCount(counts[static_cast<size_t>(slab)], outline);
    if (n < 1) return false;
    for (int32_t k = 0; k < n; ++k)
        if (!IsPlanPointIndex(m, outline[static_cast<size_t>(k)])) return false;
    int32_t crossings = 0;
    for (int32_t k = 0; k < n; ++k) {
        const PlanPoint& a = m.PlanNodes[static_cast<size_t>(outline[static_cast<size_t>(k)])];
        const PlanPoint& b = m.PlanNodes[static_cast<size_t>(outline[static_cast<size_t>((k + 1) % n)])];
        float ix = 0, iy = 0;
        if (IntersectSegments(probe.Px, probe.Py, probe.Fx, probe.Fy, a.X, a.Y, b.X, b.Y, ix, iy) ==
            IntersectionCode::SegmentsCross)
            ++crossings;
    }
    return crossings % 2 == 1;
}

// Sections whose line, counts and bar rows can all be read.
int32_t ReadableSections(const ReinforcementSections& r) {
    const int32_t count = r.ReinforcementSectionCount;
    return std::min({UsableCount(count, r.ReinforcementSectionEnds), UsableCount(count, r.LowerRebarCount),
                     UsableCount(count, r.LowerRebars), UsableCount(count, r.UpperRebarCount),
                     UsableCount(count, r.UpperRebars)});
}

// The first bar of one family within the tolerance, over every section in order.
template <class Bars>
bool FindBar(const ViewWindow& view, const std::vector<int32_t>& counts, const std::vector<Bars>& bars,
             int32_t sections, float x, float y, int32_t& section, int32_t& rebar) {
    for (int32_t s = 0; s < sections; ++s) {
        const auto& row = bars[static_cast<size_t>(s)];
        const int32_t n = std::clamp<int32_t>(counts[static_cast<size_t>(s)], 0, static_cast<int32_t>(row.size()));
        for (int32_t k = 0; k < n; ++k) {
            const auto& bar = row[static_cast<size_t>(k)];
            if (IsNearSegmentOnScreen(view, x, y, bar.X1, bar.Y1, bar.X2, bar.Y2, RebarTolerance)) {
                section = s, rebar = k;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int32_t PickFloorSlabAt(const Session& session, float x, float y) {
    const Model& m = session.model;
    const OutlineProbe probe = ProbeAt(session.drawing.View, x, y);
    const bool everySlab = session.editor.InteractionState == Mode::FloorSlabPerimeter;
    for (int32_t i = 0; i < UsableCount(m.FloorSlabCount, m.FloorSlabs); ++i) {
        if (!everySlab && !IsDesignableFloorSlab(m, i)) continue;
        if (OutlineContains(m, m.FloorSlabOutline, m.FloorSlabOutlineCount, i, probe)) return i;
    }
    return -1;
}

int32_t PickConcreteSlabAt(Session& session, float x, float y, int32_t& count) {
    const Model& m = session.model;
    std::vector<int32_t>& found = session.editor.SlabPick.FoundConcreteSlabs;
    const int32_t slabs = UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs);
    found.assign(static_cast<size_t>(slabs) + 1, 0);
    const OutlineProbe probe = ProbeAt(session.drawing.View, x, y);
    const auto inside = [&](int32_t s) {
        return OutlineContains(m, m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, s, probe);
    };
    count = 0;
    int32_t result = -1;
    for (int32_t s = 0; s < slabs; ++s) {
        const ConcreteSlab& slab = m.ConcreteSlabs[static_cast<size_t>(s)];
        if (slab.Kind != 0 || !inside(s)) continue;
        bool inOpening = false;
        for (int32_t j = s + 1; j < slabs && !inOpening; ++j)
            inOpening = m.ConcreteSlabs[static_cast<size_t>(j)].Id == slab.Id && inside(j);
        if (inOpening) continue;
        found[static_cast<size_t>(count++)] = s;
        result = s;
    }
    return result;
}

int32_t BeccaSezione(const Session& session, float x, float y) {
    const ReinforcementSections& r = session.model.Reinforcement;
    const int32_t sections = UsableCount(r.ReinforcementSectionCount, r.ReinforcementSectionEnds);
    for (int32_t s = 0; s < sections; ++s) {
        const auto& ends = r.ReinforcementSectionEnds[static_cast<size_t>(s)];
        if (IsNearSegmentOnScreen(session.drawing.View, x, y, ends[0].X, ends[0].Y, ends[1].X, ends[1].Y,
                                  SectionTolerance))
            return s;
    }
    return -1;
}

void BeccaFerro(const Session& session, float x, float y, int32_t& section, int32_t& rebar, int32_t& family) {
    const ReinforcementSections& r = session.model.Reinforcement;
    const ViewWindow& view = session.drawing.View;
    const int32_t sections = ReadableSections(r);
    rebar = -1;
    if (FindBar(view, r.LowerRebarCount, r.LowerRebars, sections, x, y, section, rebar)) {
        family = 1;
    } else if (FindBar(view, r.UpperRebarCount, r.UpperRebars, sections, x, y, section, rebar)) {
        family = 0;
    }
}

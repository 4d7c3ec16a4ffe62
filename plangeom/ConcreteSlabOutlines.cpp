#include "plangeom/ConcreteSlabOutlines.h"

#include <vector>

#include "plangeom/OutlineCleanup.h"
#include "plangeom/SlabOutlineCorners.h"
#include "model/tables/TableAccess.h"

namespace {

struct OutlineList {
    IndexRows& Rows;
    std::vector<int32_t>& Counts;
};

OutlineList SelectedList(Model& model, int32_t which) {
    if (which == 0) return {model.ConcreteSlabOutline, model.ConcreteSlabOutlineCount};
    return {model.ConcreteSlabOutline2, model.ConcreteSlabOutline2Count};
}

// Models built outside the reader may lack the per-slab lists.
void EnsureRows(const OutlineList& list, int32_t slabs) {
    const size_t rows = static_cast<size_t>(slabs);
    if (list.Rows.size() < rows) list.Rows.resize(rows);
    if (list.Counts.size() < rows) list.Counts.resize(rows, 0);
}

}  // namespace

void BuildConcreteSlabOutlines(Model& model, int32_t which) {
    PlanPointIndex points(model);
    BuildConcreteSlabOutlines(model, points, which);
}

void BuildConcreteSlabOutlines(Model& model, PlanPointIndex& points, int32_t which) {
    const int32_t slabs = UsableCount(model.ConcreteSlabCount, model.ConcreteSlabs);
    const OutlineList list = SelectedList(model, which);
    EnsureRows(list, slabs);
    // List 2 is rebuilt at every load, also of a deck that saved the points of the previous build
    // with 2 decimals: it finds those again rather than adding a new point at every load.
    const CornerPoint cornerPoint = which == 0 ? CornerPoint::WithinTolerance : CornerPoint::NearSavedPoint;
    // Every kind of slab matches its edges with the members in one way.
    const SlabEdgeMembers members = FileSlabEdgeMembers(model, ConcreteSlabFaceRules(which, 0));
    SlabOutlinePass pass{points, cornerPoint, members};
    for (int32_t i = 0; i < slabs; ++i) {
        std::vector<int32_t> noPolygon;
        std::vector<int32_t>& polygon = i < static_cast<int32_t>(model.ConcreteSlabModelPolygon.size())
                                            ? model.ConcreteSlabModelPolygon[i]
                                            : noPolygon;
        const ConcreteSlab& slab = model.ConcreteSlabs[i];
        BuildSlabOutlineCorners(model, pass, ConcreteSlabFaceRules(which, slab.Kind), polygon, slab.VertexCount,
                                ZeroAreaPolygon::Keep, list.Rows[i], list.Counts[i]);
    }
    for (int32_t i = 0; i < slabs; ++i) RemoveCoincidentOutlineEntries(model, list.Rows[i], list.Counts[i]);
}

#include "plangeom/FloorSlabOutlines.h"

#include <vector>

#include "plangeom/FloorSlabMeasures.h"
#include "plangeom/OutlineCleanup.h"
#include "plangeom/SlabOutlineCorners.h"
#include "model/tables/TableAccess.h"

namespace {

// Models built outside the reader may lack the per-slab lists.
void EnsureOutlineRows(Model& model, int32_t slabs) {
    const size_t rows = static_cast<size_t>(slabs);
    if (model.FloorSlabOutline.size() < rows) model.FloorSlabOutline.resize(rows);
    if (model.FloorSlabOutlineCount.size() < rows) model.FloorSlabOutlineCount.resize(rows, 0);
}

void BuildOutline(Model& model, SlabOutlinePass& pass, int32_t i) {
    std::vector<int32_t> noPolygon;
    std::vector<int32_t>& polygon =
        i < static_cast<int32_t>(model.FloorSlabModelPolygon.size()) ? model.FloorSlabModelPolygon[i] : noPolygon;
    BuildSlabOutlineCorners(model, pass, FloorSlabFaceRules(), polygon, model.FloorSlabs[i].VertexCount,
                            ZeroAreaPolygon::Reverse, model.FloorSlabOutline[i], model.FloorSlabOutlineCount[i]);
}

// Measures the slabs and removes repeated outline entries.
void FinishOutlines(Model& model, int32_t slabs) {
    for (int32_t i = 0; i < slabs; ++i) ComputeFloorSlabMeasures(model, i);
    for (int32_t i = 0; i < slabs; ++i) RemoveRepeatedOutlineEntries(model.FloorSlabOutline[i], model.FloorSlabOutlineCount[i]);
}

}  // namespace

void BuildFloorSlabOutlines(Model& model, PlanPointIndex& points) {
    const int32_t slabs = UsableCount(model.FloorSlabCount, model.FloorSlabs);
    EnsureOutlineRows(model, slabs);
    const SlabEdgeMembers members = FileSlabEdgeMembers(model, FloorSlabFaceRules());
    SlabOutlinePass pass{points, CornerPoint::WithinTolerance, members};
    for (int32_t i = 0; i < slabs; ++i) BuildOutline(model, pass, i);
    FinishOutlines(model, slabs);
}

void BuildFloorSlabOutlines(Model& model, int32_t spanOnly) {
    if (spanOnly == 0) {
        PlanPointIndex points(model);
        BuildFloorSlabOutlines(model, points);
        return;
    }
    const int32_t slabs = UsableCount(model.FloorSlabCount, model.FloorSlabs);
    EnsureOutlineRows(model, slabs);
    FinishOutlines(model, slabs);
}

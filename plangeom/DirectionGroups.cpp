#include "plangeom/DirectionGroups.h"

#include <algorithm>
#include <cmath>

#include "model/files/ArchiveReader.h"

namespace {
constexpr float SameDirectionDegrees = 0.1f;
}  // namespace

void AssignFloorSlabDirectionGroups(Model& model) {
    const int32_t count = std::clamp<int32_t>(model.FloorSlabCount, 0, static_cast<int32_t>(model.FloorSlabs.size()));
    int32_t groups = 0;
    for (int32_t i = 0; i < count; ++i) {
        FloorSlab& slab = model.FloorSlabs[i];
        slab.DirectionGroup = -1;
        if (!IsDesignableFloorSlab(model, i)) continue;
        for (int32_t k = 0; k < i; ++k) {
            const FloorSlab& earlier = model.FloorSlabs[k];
            if (earlier.DirectionGroup > 0 &&
                std::fabs(slab.SpanAngle - earlier.SpanAngle) <= SameDirectionDegrees) {
                slab.DirectionGroup = earlier.DirectionGroup;
                break;
            }
        }
        if (slab.DirectionGroup < 0) slab.DirectionGroup = ++groups;
    }
}

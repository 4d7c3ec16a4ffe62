#include "drawing/DrawingPass.h"

#include <algorithm>

PassConstants PassConstantsFor(bool scaleIs50) {
    PassConstants c;
    c.f = scaleIs50 ? 1.0f : 2.0f;
    c.L = 22.0f * c.f;
    return c;
}

PassConstants BeginDrawingPass(const PlanOutput& out, DrawingState& d, int32_t archiveSectionCount) {
    const size_t entries = static_cast<size_t>(std::max(archiveSectionCount, 0)) + 1;
    d.Legend.PillarListBySection.assign(entries, std::string());
    d.Legend.BeamSectionUsed.assign(entries, 0);
    std::copy_n(out.LayerSwitches().begin(), 24, d.LayerOn.begin());
    d.ScaleIs50 = out.ScaleIs50();
    return PassConstantsFor(d.ScaleIs50);
}

#include "drawing/PlanPass.h"

#include <algorithm>

namespace {

PassConstants PassConstantsFor(bool scaleIs50) {
    PassConstants c;
    c.f = scaleIs50 ? 1.0f : 2.0f;
    c.L = 22.0f * c.f;
    return c;
}

}  // namespace

PlanPass BeginPlanPass(PlanOutput& out, const Session& session) {
    const bool scaleIs50 = out.ScaleIs50();
    PlanPass pass{out, session, scaleIs50, PassConstantsFor(scaleIs50), {}, {}};
    std::copy_n(out.LayerSwitches().begin(), 24, pass.LayerOn.begin());
    const size_t entries = static_cast<size_t>(std::max(session.model.Catalogue.ArchiveSectionCount, 0)) + 1;
    pass.Legend.PillarListBySection.assign(entries, std::string());
    pass.Legend.BeamSectionUsed.assign(entries, 0);
    return pass;
}

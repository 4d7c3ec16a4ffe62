#include "design/DesignCommands.h"

#include <algorithm>

#include "design/SectionPlacement.h"
#include "design/SectionSlot.h"
#include "drawing/PlanDriver.h"
#include "model/files/ArchiveReader.h"
#include "model/tables/TableAccess.h"
#include "plangeom/FloorSlabMeasures.h"

namespace {

bool LacksReferencePoints(const FloorSlab& slab) {
    return slab.RefPoint2X == 0 && slab.RefPoint2Y == 0 && slab.RefPoint3X == 0 && slab.RefPoint3Y == 0;
}

// A saved deck brings no second and third reference points: left at (0, 0), they would lay
// sections through the corner of the model frame.
void RestoreMissingReferencePoints(Model& model) {
    for (int32_t i = 0; i < UsableCount(model.FloorSlabCount, model.FloorSlabs); ++i)
        if (IsDesignableFloorSlab(model, i) && LacksReferencePoints(model.FloorSlabs[static_cast<size_t>(i)]))
            ComputeFloorSlabReferencePoints(model, i);
}

PlanPoint ReferencePoint(const FloorSlab& slab, int pass) {
    switch (pass) {
        case 0:
            return {slab.CentroidX, slab.CentroidY};
        case 1:
            return {slab.RefPoint2X, slab.RefPoint2Y};
        default:
            return {slab.RefPoint3X, slab.RefPoint3Y};
    }
}

}  // namespace

DesignWarnings LayAllFloorSlabSections(Session& session, MessageBoxes& messages) {
    Model& model = session.model;
    RestoreMissingReferencePoints(model);
    DesignWarnings warnings;
    for (int pass = 0; pass < 3; ++pass)
        for (int32_t i = 0; i < UsableCount(model.FloorSlabCount, model.FloorSlabs); ++i) {
            session.editor.Sections.TargetSlab = i;
            if (!IsDesignableFloorSlab(model, i)) continue;
            const PlanPoint at = ReferencePoint(model.FloorSlabs[static_cast<size_t>(i)], pass);
            LayReinforcementSection(session, messages, at.X, at.Y, PlaceForDesignAll, warnings);
        }
    return warnings;
}

void DesignAllFloorSlabs(Session& session, Platform& platform) {
    const DesignWarnings warnings = LayAllFloorSlabSections(session, platform.messages);
    session.shell.Document.SlabDesignState = SlabDesignPresent;
    RedrawPlanOnCanvas(session, platform);
    ShowDesignWarnings(warnings, platform.messages, session.shell.Languages);
}

void DesignReinforcementAgain(Session& session, Platform& platform) {
    ReinforcementSections& sections = session.model.Reinforcement;
    if (sections.ReinforcementSectionCount > 0) sections.Clear();
    DesignAllFloorSlabs(session, platform);
}

void DeleteReinforcementSection(Session& session, Platform& platform, int32_t k) {
    if (RemoveReinforcementSection(session.model.Reinforcement, k)) RedrawPlanOnCanvas(session, platform);
}

bool RemoveReinforcementSection(ReinforcementSections& r, int32_t k) {
    if (k < 0 || k >= r.ReinforcementSectionCount || !IsSectionSlot(r, k)) return false;
    for (int32_t s = k; s + 1 < r.ReinforcementSectionCount && IsSectionSlot(r, s + 1); ++s) {
        const int32_t slabs = std::clamp(r.SectionSlabCount[s + 1], 0, ReinforcementSections::MaxSlabsPerSection);
        const int32_t upper = std::clamp(r.UpperRebarCount[s + 1], 0, ReinforcementSections::MaxRebars);
        const int32_t lower = std::clamp(r.LowerRebarCount[s + 1], 0, ReinforcementSections::MaxRebars);
        // Only the entries within the counts move; the ones beyond stay as they are.
        std::copy_n(r.SectionSlabs[s + 1].begin(), slabs, r.SectionSlabs[s].begin());
        std::copy_n(r.ReinforcementSectionSpans[s + 1].begin(), slabs, r.ReinforcementSectionSpans[s].begin());
        std::copy_n(r.UpperRebars[s + 1].begin(), upper, r.UpperRebars[s].begin());
        std::copy_n(r.LowerRebars[s + 1].begin(), lower, r.LowerRebars[s].begin());
        r.SectionSlabCount[s] = r.SectionSlabCount[s + 1];
        r.ReinforcementSectionEnds[s] = r.ReinforcementSectionEnds[s + 1];
        r.UpperRebarCount[s] = r.UpperRebarCount[s + 1];
        r.LowerRebarCount[s] = r.LowerRebarCount[s + 1];
    }
    --r.ReinforcementSectionCount;
    return true;
}

void RedrawPlanOnCanvas(Session& session, Platform& platform) { DrawPlanOnCanvas(session, platform.canvas); }

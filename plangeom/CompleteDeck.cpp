#include "plangeom/CompleteDeck.h"

#include "plangeom/AutoDimensions.h"
#include "plangeom/BeamEdges.h"
#include "plangeom/ConcreteSlabOutlines.h"
#include "plangeom/DirectionGroups.h"
#include "plangeom/FloorSlabOutlines.h"
#include "plangeom/HatchLoops.h"
#include "plangeom/ImportCleanup.h"
#include "plangeom/MasonryOutlines.h"
#include "plangeom/WallEdges.h"

namespace {

constexpr int32_t OuterOutlines = 0;
constexpr int32_t InnerOutlines = 1;

}  // namespace

void CompleteFreshExport(Model& model, const ShellOptions& options, MeasuredPoints& measured) {
    // Every step finds or adds its corners among the plan points of the steps before it.
    model.PlanNodeCount = 0;
    if (model.MasonryWallCount > 0) BuildMasonryWallOutlines(model);
    if (model.MasonryBeamCount > 0) BuildMasonryBeamOutlines(model);
    SimplifyConcreteSlabPolygons(model);
    MergeCollinearWallSegments(model);
    BuildBeamEdges(model);
    BuildWallEdges(model);
    BuildHatchLoops(model);
    BuildFloorSlabOutlines(model, 0);
    AssignFloorSlabDirectionGroups(model);
    BuildConcreteSlabOutlines(model, OuterOutlines);
    if (model.Header.PlanKind == MasonryPlan) CreateAutoDimensions(model, options, measured);
}

void CompleteLoadedDeck(Model& model, bool freshExport, const ShellOptions& options, MeasuredPoints& measured) {
    if (freshExport) CompleteFreshExport(model, options, measured);
    BuildConcreteSlabOutlines(model, InnerOutlines);
}

DeckCompletion SessionCompletion(Session& session) {
    return [&session](Model& model, bool freshExport) {
        CompleteLoadedDeck(model, freshExport, session.shell.Options, session.measured);
    };
}

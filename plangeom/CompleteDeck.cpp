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

// The derived plan geometry of a fresh export, with the inner concrete-slab outlines when asked.
// Every step finds or adds its corners among the plan points of the steps before it, through one
// index over them: no step adds plan points but through it.
void CompleteFresh(Model& model, const ShellOptions& options, MeasuredPoints& measured, bool innerOutlines) {
    model.PlanNodeCount = 0;
    PlanPointIndex points(model);
    if (model.MasonryWallCount > 0) BuildMasonryWallOutlines(model, points);
    if (model.MasonryBeamCount > 0) BuildMasonryBeamOutlines(model, points);
    SimplifyConcreteSlabPolygons(model);
    MergeCollinearWallSegments(model);
    BuildBeamEdges(model, points);
    BuildWallEdges(model, points);
    BuildHatchLoops(model);
    BuildFloorSlabOutlines(model, points);
    AssignFloorSlabDirectionGroups(model);
    BuildConcreteSlabOutlines(model, points, OuterOutlines);
    if (model.Header.PlanKind == MasonryPlan) CreateAutoDimensions(model, options, measured);
    if (innerOutlines) BuildConcreteSlabOutlines(model, points, InnerOutlines);
}

}  // namespace

void CompleteFreshExport(Model& model, const ShellOptions& options, MeasuredPoints& measured) {
    CompleteFresh(model, options, measured, false);
}

void CompleteLoadedDeck(Model& model, bool freshExport, const ShellOptions& options, MeasuredPoints& measured) {
    if (freshExport) CompleteFresh(model, options, measured, true);
    else BuildConcreteSlabOutlines(model, InnerOutlines);
}

DeckCompletion SessionCompletion(Session& session) {
    return [&session](Model& model, bool freshExport) {
        CompleteLoadedDeck(model, freshExport, session.shell.Options, session.measured);
    };
}

#pragma once
// The completion of a loaded deck. A fresh export of the analysis program holds the analysis model
// only: it gets its whole derived plan geometry, in a fixed order that also fixes the numbering of
// the plan points. A saved deck brings that geometry with it. Every deck, fresh or saved, gets the
// inner outlines of its concrete slabs (list 2) rebuilt.
#include "editing/MeasuredPoints.h"
#include "model/DeckFileContext.h"
#include "model/ModelTables.h"
#include "shell/ShellState.h"

// The derived plan geometry of a fresh export, from no plan point: masonry outlines, clean-up of
// the concrete-slab polygons and of the walls, beam and wall face lines, hatch loops, floor-slab
// outlines with their measures and direction groups, the outer concrete-slab outlines (list 1) and, for a masonry plan,
// the automatic dimensions (which set `measured` as they go).
void CompleteFreshExport(Model& model, const ShellOptions& options, MeasuredPoints& measured);

// What every good load ends with: CompleteFreshExport for a fresh export, then, for any deck, the
// inner concrete-slab outlines.
void CompleteLoadedDeck(Model& model, bool freshExport, const ShellOptions& options, MeasuredPoints& measured);

// Makes every load through `context` end with CompleteLoadedDeck, with the options of the context's
// shell state. `measured` must outlive the loads.
void UseDeckCompletion(DeckFileContext& context, MeasuredPoints& measured);

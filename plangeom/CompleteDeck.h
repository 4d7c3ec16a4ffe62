#pragma once
// The completion of a loaded deck. A fresh export of the analysis program holds the analysis model
// only: it gets its whole derived plan geometry, in a fixed order that also fixes the numbering of
// the plan points. A saved deck brings that geometry with it. Every deck, fresh or saved, gets the
// inner outlines of its concrete slabs (list 2) rebuilt.
#include "model/Session.h"
#include "model/files/LoadCrpFile.h"
#include "model/tables/ModelTables.h"
#include "state/MeasuredPoints.h"
#include "state/ShellState.h"

// The derived plan geometry of a fresh export, from no plan point: masonry outlines, clean-up of
// the concrete-slab polygons and of the walls, beam and wall face lines, hatch loops, floor-slab
// outlines with their measures and direction groups, the outer concrete-slab outlines (list 1) and, for a masonry plan,
// the automatic dimensions (which set `measured` as they go).
void CompleteFreshExport(Model& model, const ShellOptions& options, MeasuredPoints& measured);

// What every good load ends with: CompleteFreshExport for a fresh export, then, for any deck, the
// inner concrete-slab outlines.
void CompleteLoadedDeck(Model& model, bool freshExport, const ShellOptions& options, MeasuredPoints& measured);

// The completion a load of `session` hands to the loader: CompleteLoadedDeck with the session's
// options and measured points. Made for one load call, it is not kept beyond it.
DeckCompletion SessionCompletion(Session& session);

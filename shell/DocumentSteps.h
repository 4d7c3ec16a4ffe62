#pragma once
// Steps the document flows share: the canvas pointer, the commands a loaded deck's reinforcement
// state enables, and emptying the document after a failed load.
#include <cstdint>

#include "model/Session.h"
#include "platform/Platform.h"

// The pointer of the canvas, kept in the shell state and shown.
void SetCanvasPointer(Session& session, Canvas& canvas, CanvasPointerShape shape);

// SlabDesignState from what the load said of the floor-slab design: -1 (no floor slabs) and 0
// (floor slabs without design, after a warning) give 1, 1 (design present) gives 2; any other
// value leaves it as it is.
void ApplySlabDesignState(Session& session, MessageBoxes& messages, int32_t slabDesign);

// The empty document after a failed load: the vertex panel closed as by Cancel, dimensions, reinforcement sections and server sections
// emptied (the tables the reader filled so far stay), the settings read again, no document for the
// commands, the canvas cleared, the document unnamed and the crosshair pointer. The caller then
// rebuilds the window's caption.
void EmptyDocument(Session& session, Canvas& canvas);

#pragma once
// Steps the document flows and the start-up share: the canvas pointer, the session a deck is
// opened into and its taking over, the deck placed after a good load, the commands a loaded deck's
// reinforcement state enables, emptying the document after a failed load, and the document's
// unchanged state.
#include <cstdint>
#include <string>

#include "model/Session.h"
#include "platform/Platform.h"

// The pointer of the canvas, kept in the shell state and shown.
void SetCanvasPointer(Session& session, Canvas& canvas, CanvasPointerShape shape);

// SlabDesignState from what the load said of the floor-slab design: -1 (no floor slabs) and 0
// (floor slabs without design, after a warning) give 1, 1 (design present) gives 2; any other
// value leaves it as it is.
void ApplySlabDesignState(Session& session, MessageBoxes& messages, int32_t slabDesign);

// A session for the deck of `path` to be read into beside the document: an empty model, the
// document's state that a load reads or fills (languages, folders, recent files, options, layers,
// view, measured points) copied, and `path` as its file. The document's model is not copied.
Session SessionForLoad(const Session& document, const std::string& path);
// The deck read whole into `loaded` becomes the document, with the state its load brought; the
// models are moved, not copied. The editor's state stays the document's.
void TakeLoadedDeck(Session& document, Session&& loaded);

// After a good load: the document holds a deck, the data folder, the archive's folder and the
// file dialogs' folder become the deck's, and the view takes in the whole model on the canvas as
// it is now. Draws nothing.
void PlaceLoadedDeck(Session& session, const Canvas& canvas);
// The end of a good load once the plan is on screen: the crosshair, the reinforcement state
// (with its warning) and the deck at the head of the recent files. True when the recent list
// changed.
bool FinishLoadedDeck(Session& session, Platform& platform, int32_t slabDesign);

// The document as it is now counts as unchanged: after a load has been drawn, and for the empty
// document. A save marks what it wrote by itself.
void MarkDocumentUnchanged(Session& session);

// The canvas tools end with the document they work on, when another deck replaces it or it is
// emptied: the vertex panel closes as by Cancel, and no tool stays in force, nor one that a zoom or
// a pan would hand back to. The window then clears the tools' prompt.
void EndToolsOfTheDocument(Session& session);

// The empty document after a failed load: the tools ended, every model table emptied, the derived
// geometry included, so that nothing half read stays; the settings read again, no document for the
// commands, the canvas cleared, the document unnamed and holding no deck, and the crosshair
// pointer; it counts as unchanged. The caller then rebuilds the window's caption.
void EmptyDocument(Session& session, Canvas& canvas);

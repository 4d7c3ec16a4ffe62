#pragma once
// While a tool waits for its element, the element a click would take lights up under the cursor
// on the temporary layer: a floor slab or a concrete slab filled with a light red cross hatch, a
// reinforcement section shown by its bars in light cyan, a dimension line in yellow. The four
// routines share one memory, LastHighlightedIndex, of what was lit last: moving onto another
// element (or off every element) wipes the temporary layer first, moving over the same one draws
// it again without wiping.
#include "editing/CanvasEdit.h"

// The floor slab under the cursor (mode 9600).
void EvidenziaSolaio(CanvasEdit& edit, float x, float y);
// The concrete slab under the cursor, the last of several found (modes 9550 and 9605).
void EvidenziaSoletta(CanvasEdit& edit, float x, float y);
// The reinforcement section under the cursor. Acts in mode 1000, and in mode 1300 while the deck
// has a section; in any other mode it returns at once.
void EvidenziaSez(CanvasEdit& edit, float x, float y);
// The dimension under the cursor. Acts in mode 7000, and in mode 6000 while the deck has a
// dimension; in any other mode it returns at once.
void EvidenziaQuota(CanvasEdit& edit, float x, float y);

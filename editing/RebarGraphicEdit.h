#pragma once
// Editing one rebar of a design section: the pick opens the rebar editor; its graphic-edit button
// hands the bar back to the canvas, where grips at its start, end and middle slide either end, or
// the whole bar, along the bar's own line; a right click writes the ends moved into the bar.
#include <cstdint>

#include "editing/CanvasEdit.h"

// Grips: the start, the end and the middle of the bar being edited.
namespace Grip {
constexpr int32_t None = 0, Start = 1, End = 2, Middle = 3;
}

// The grip of the bar between the reference points whose 10-pixel square holds the canvas point,
// tested in the order start, end, middle with strict bounds; Grip::None when none does.
int32_t GetRebarGripAt(const ReferencePoints& bar, float x, float y);

// Mode 8000: picks the bar within reach, highlights it and shows the rebar editor; afterwards the
// tool ends with the plan redrawn, or the graphic edit begins on the bar as it was picked. A deck
// without design sections ends the tool at once.
void PickRebarToEdit(CanvasEdit& edit, float x, float y);

// Modes 8001 and 8003: grabs the grip under the point, if any.
void GrabRebarGrip(CanvasEdit& edit, float x, float y);

// Mode 8002, a move: the grabbed grip follows the cursor's foot on the bar's line, as a preview.
void DragRebarGrip(CanvasEdit& edit, float x, float y);

// Mode 8002, a click: the grabbed grip is put down at the click's foot on the bar's line.
void PutRebarGripDown(CanvasEdit& edit, float x, float y);

// Mode 8003, a right click: writes every end the grips have moved since the edit began into the
// bar (a bar slid whole is stored from its smaller x to its larger), ends the tool and redraws.
void CommitRebarEdit(CanvasEdit& edit);

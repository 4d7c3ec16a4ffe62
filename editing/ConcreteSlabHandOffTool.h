#pragma once
// The canvas tool of the concrete-slab hand-off (mode 9550): one click hands the concrete slabs
// under it to the slab-design program, and the tool ends whatever the click found.
#include "editing/CanvasEdit.h"

void HandOffConcreteSlabAt(CanvasEdit& edit, float x, float y);

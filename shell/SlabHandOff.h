#pragma once
// Handing one concrete slab to the slab-design program: its input file beside the data file and,
// unless only the file is wanted, the program started on it. The hand-off comes with the
// floor-slab design; until then it says so.
#include <cstdint>

#include "model/Session.h"
#include "platform/Platform.h"

// `slab` is an index into ConcreteSlabs. True when the hand-off was done.
bool HandOffConcreteSlab(Session& session, Platform& platform, int32_t slab, int32_t mode);

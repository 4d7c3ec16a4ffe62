#pragma once
// The values of InteractionState the canvas editor acts on, and the mouse buttons as the canvas
// reports them.
#include <cstdint>

#include "state/InteractionModes.h"

// Buttons: the one pressed or released, or for a move the set held.
constexpr int16_t LeftButton = 1;
constexpr int16_t RightButton = 2;
constexpr int16_t MiddleButton = 4;

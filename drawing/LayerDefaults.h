#pragma once
// The default rows of the layer table, the screen palette of either background and the default
// user options.
#include <cstdint>

#include "state/DesignOptions.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"
#include "state/ShellState.h"

// Standard colour n (0 to 15) packed as R + 256·G + 65536·B; values outside give black.
int32_t StandardColour(int32_t n);

// The screen side, for the background in DrawingState::WhiteBackground: the palette, the screen
// colours of rows 0 to 24, the screen switches of rows 0 to 23, the snap switches and the canvas
// background colour. Names, colour numbers and DXF switches stay as they are.
void SetDefaultScreenColors(DrawingState& drawing);

// The DXF side (names, colour numbers, DXF switches of rows 0 to 24, row 24 following row 2) and
// the option defaults. The screen side stays as it is.
void SetDefaultLayersAndOptions(DrawingState& drawing, ShellOptions& shell, DesignOptions& design,
                                DxfOptions& dxf);

// Row 24, the pillar outlines' upper layer, named, coloured and switched in a DXF file after row 2.
void DerivePillarTopLayer(DrawingState& drawing);

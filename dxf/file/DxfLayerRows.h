#pragma once
// The LAYER records a DXF file holds, in either dialect: "0" and "Defpoints" first, then each row
// of the layer table under its DXF name. A row whose name is already taken (in any case) adds no
// second record; its entities lie on the first one.
#include <cstdint>
#include <string>
#include <vector>

#include "state/DrawingState.h"

struct DxfLayerRow {
    std::string Name;
    int32_t Colour = 7;
    int32_t Row = -1;  // of the layer table; -1 for "0" and "Defpoints"
};

std::vector<DxfLayerRow> DxfLayerRows(const DrawingState& drawing);

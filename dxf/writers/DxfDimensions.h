#pragma once
// A DXF 2000 DIMENSION entity with its anonymous *D block.
#include <cstdint>
#include <string>

#include "dxf/writers/DxfWriterState.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"
#include "state/LayerRows.h"

struct Dxf2000Dimension {
    int32_t LineLayer = LayerRow::Dimensions, TextLayer = LayerRow::DimensionTexts;
    int32_t Decimals = 1;
    float TextHeight = 0;
    float ArrowSizeFactor = 1.0f;
    int32_t ArrowKind = 0;  // below 1 the arrow block, otherwise none
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;      // the dimension line, cm
    float MX1 = 0, MY1 = 0, MX2 = 0, MY2 = 0;  // the measured points, cm
    float LengthDivisor = 1.0f;
    std::string StyleName;
};

void WriteDxf2000Dimension(DxfWriterState& state, const DxfOptions& options, const DrawingState& drawing,
                           const Dxf2000Dimension& dimension);

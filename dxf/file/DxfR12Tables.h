#pragma once
// The TABLES section of an R12 file: the line types, the layers ("0", "Defpoints" and the rows of
// the layer table, every row whatever its DXF switch) and the two text styles. Nothing in it
// depends on the drawing but the layer table.
#include <cstdint>
#include <string>

#include "state/DrawingState.h"

void WriteDxf12Tables(std::string& out, const DrawingState& drawing);

// One LAYER record, its name as DxfLayerName gives it; its colour line is the number between two blanks (" 7 ").
void WriteDxf12LayerRecord(std::string& out, const std::string& name, int32_t colour, const std::string& lineType);

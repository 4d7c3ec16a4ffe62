#pragma once
// The BLOCKS section. In a DXF 2000 file: model and paper space, the arrow blocks the dimension
// styles name, then the hatch and dimension blocks the drawing pass spooled.
#include <string>

#include "dxf/writers/DxfWriterState.h"

void WriteDxf2000Blocks(DxfWriterState& state, std::string& out);

// The BLOCKS section of an R12 file: the spooled hatch blocks alone.
void WriteDxf12Blocks(const DxfWriterState& state, std::string& out);

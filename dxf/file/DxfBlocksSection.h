#pragma once
// The BLOCKS section of a DXF 2000 file: model and paper space, the arrow blocks the dimension
// styles name, then the hatch and dimension blocks the drawing pass spooled.
#include <string>

#include "dxf/writers/DxfWriterState.h"

void WriteDxf2000Blocks(DxfWriterState& state, std::string& out);

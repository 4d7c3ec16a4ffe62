#pragma once
// The BLOCKS section. In a DXF 2000 file: model and paper space, the arrow blocks the dimension
// styles name, then the hatch and dimension blocks the drawing pass spooled.
#include "dxf/file/DxfFileParts.h"
#include "dxf/writers/DxfWriterState.h"

void WriteDxf2000Blocks(DxfWriterState& state, DxfFileParts& file);

// The BLOCKS section of an R12 file: the spooled hatch blocks alone.
void WriteDxf12Blocks(const DxfWriterState& state, DxfFileParts& file);

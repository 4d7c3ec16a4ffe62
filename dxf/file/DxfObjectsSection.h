#pragma once
// The OBJECTS section of a DXF 2000 file: the root dictionary and the dictionaries it owns, the
// drawing properties, the model and paper layouts, the multiline style, the plot-style
// placeholder and the dictionary variables.
#include <string>

#include "dxf/writers/DxfWriterState.h"

// Takes its nineteen handles before its first line; the model layout has the fixed handle
// HandleModelLayout, which the "*Model_Space" record names.
void WriteDxf2000Objects(DxfWriterState& state, std::string& out);

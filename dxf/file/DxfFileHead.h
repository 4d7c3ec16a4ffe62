#pragma once
// The head of a DXF 2000 file: the HEADER section with its system variables and the CLASSES
// section. Both are fixed but for the handle seed, which is why the head is written after the rest
// of the file has taken its handles.
#include <string>

#include "dxf/writers/DxfWriterState.h"

// Takes one handle, the seed: every handle taken before it lies below it.
void WriteDxf2000Header(DxfWriterState& state, std::string& out);
void WriteDxf2000Classes(std::string& out);

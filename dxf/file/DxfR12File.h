#pragma once
// A whole R12 file, put together in memory from what the drawing pass spooled: header, tables,
// blocks, entities and the end. It has no classes and no objects, and takes no handle.
#include <string>

#include "dxf/writers/DxfWriterState.h"
#include "state/DrawingState.h"

std::string DxfR12FileText(const DxfWriterState& state, const DrawingState& drawing);

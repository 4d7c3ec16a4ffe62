#pragma once
// A whole R12 file, put together from what the drawing pass spooled: header, tables, blocks,
// entities and the end. It has no classes and no objects, and takes no handle.
#include <string>

#include "dxf/file/DxfFileParts.h"
#include "dxf/writers/DxfWriterState.h"
#include "state/DrawingState.h"

// The parts refer to the spools of `state`.
DxfFileParts DxfR12FileParts(const DxfWriterState& state, const DrawingState& drawing);
std::string DxfR12FileText(const DxfWriterState& state, const DrawingState& drawing);

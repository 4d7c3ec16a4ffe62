#pragma once
// The whole DXF file of an export in the dialect its options choose: DXF 2000, or R12 when
// DxfR12 is set.
#include <string>

#include "dxf/file/DxfFileParts.h"
#include "dxf/writers/DxfWriterState.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"

// The parts refer to the spools of `state`.
DxfFileParts DxfFileFor(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options);
std::string DxfFileText(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options);

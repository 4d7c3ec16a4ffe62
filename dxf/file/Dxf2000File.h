#pragma once
// A whole DXF 2000 file, put together from what the drawing pass spooled, and written in one go.
#include <string>

#include "dxf/file/DxfFileParts.h"
#include "dxf/writers/DxfWriterState.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"

// The file: header and classes, then tables (the layer table of `drawing`, the dimension styles at
// the unit factor of `options`), blocks, entities, objects and the end. Takes the remaining
// handles from `state`; the header's seed comes last, above every handle in the file. The parts
// refer to the spools of `state`.
DxfFileParts Dxf2000FileParts(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options);
// The same file as one text.
std::string Dxf2000FileText(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options);

// Writes that file to `path`: through a temporary file beside it that takes the name only once it
// is whole, so a failure never leaves a half-written file over a good one. False, with the reason
// in `reason`, when it failed.
bool SaveDxf2000File(const std::string& path, DxfWriterState& state, const DrawingState& drawing,
                     const DxfOptions& options, std::string& reason);

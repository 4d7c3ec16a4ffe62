#pragma once
// The TABLES section of a DXF 2000 file: the viewport, the line types, the layers of the layer
// table, the text style, the application ids, the dimension styles at the export's unit factor and
// the block records, one for each anonymous hatch and dimension block spooled by the drawing pass.
#include <cstdint>
#include <string>

#include "dxf/writers/DxfWriterState.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"

// Written after the drawing pass, so that the block counts and their record handles are complete.
void WriteDxf2000Tables(DxfWriterState& state, std::string& out, const DrawingState& drawing,
                        const DxfOptions& options);

// One LAYER record, its name as DxfLayerName gives it; "Defpoints" is marked not to be plotted.
void WriteDxf2000LayerRecord(DxfWriterState& state, std::string& out, const std::string& name, int32_t colour,
                             const std::string& lineType);

#pragma once
// The records inside the anonymous blocks spooled while the decks are drawn (the *D blocks of the
// dimensions, the *X blocks of the hatches) and the INSERTs that place them: numbers with exactly
// eight decimals, layer names as DxfLayerName gives them, each record taking its handle from the
// counter at the moment it is written.
#include <cstdint>
#include <string>

#include "dxf/writers/DxfWriterState.h"

// A LINE of a DXF 2000 block, owned by the block's record. byBlock non-zero: colour and line
// weight by block. style 1, 2, 3: the line types "DASHED", "Continuous", "DASHED2".
void WriteBlockLine(DxfWriterState& state, float x1, float y1, float x2, float y2, int32_t style, int32_t byBlock,
                    const std::string& layerName, const std::string& ownerHandle);
// attachment and direction are the MTEXT's groups 71 and 72.
void WriteBlockMText(DxfWriterState& state, float x, float y, const std::string& text, float rotationDeg,
                     float height, int32_t direction, int32_t attachment, const std::string& layerName,
                     const std::string& ownerHandle);
// A definition point, always on layer "DEFPOINTS".
void WriteBlockPoint(DxfWriterState& state, float x, float y, const std::string& ownerHandle);
// An INSERT inside a DXF 2000 block: the arrow `blockName` at (x, y), scaled by `scale`, turned.
void WriteBlockArrowInsert(DxfWriterState& state, const std::string& blockName, float x, float y, float scale,
                           float rotationDeg, const std::string& layerName, const std::string& ownerHandle);

// The frame and lines of an R12 hatch block: anonymous (flags 1), with a handle, on layer "0".
void WriteDxf12BlockBegin(DxfWriterState& state, const std::string& name);
void WriteDxf12BlockEnd(DxfWriterState& state);
void WriteDxf12BlockLine(DxfWriterState& state, float x1, float y1, float x2, float y2, int32_t style,
                         int32_t byBlock, const std::string& layerName);

// The INSERT of a hatch block into the entity spool, in the dialect of the export; (x, y) in DXF
// units, no scale or rotation: the block's lines carry both.
void WriteHatchInsert(DxfWriterState& state, bool dxf2000, const std::string& blockName, float x, float y,
                      const std::string& layerName);

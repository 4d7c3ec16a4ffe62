#pragma once
// The ENTITIES section, the entity spool in place, and the end of file: the same in both dialects.
#include <string>

#include "dxf/file/DxfFileParts.h"
#include "dxf/writers/DxfWriterState.h"

void WriteDxfEntities(const DxfWriterState& state, DxfFileParts& file);
void WriteDxfEof(std::string& out);

#pragma once
// The ENTITIES section, copied from the entity spool, and the end of file: the same in both
// dialects.
#include <string>

#include "dxf/writers/DxfWriterState.h"

// Copies a spool behind `out`; its last line is ended like every other, so that what follows
// starts a line of its own.
void AppendDxfSpool(std::string& out, const std::string& spool);

void WriteDxfEntities(const DxfWriterState& state, std::string& out);
void WriteDxfEof(std::string& out);

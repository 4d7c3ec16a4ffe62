#include "dxf/file/DxfR12File.h"

#include "dxf/file/DxfBlocksSection.h"
#include "dxf/file/DxfEntitiesSection.h"
#include "dxf/file/DxfR12Head.h"
#include "dxf/file/DxfR12Tables.h"

std::string DxfR12FileText(const DxfWriterState& state, const DrawingState& drawing) {
    std::string file;
    file.reserve(state.EntitySpool.size() + state.BlockSpool.size() + (16 << 10));
    WriteDxf12Header(file);
    WriteDxf12Tables(file, drawing);
    WriteDxf12Blocks(state, file);
    WriteDxfEntities(state, file);
    WriteDxfEof(file);
    return file;
}

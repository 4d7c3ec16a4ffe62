#include "dxf/file/DxfR12File.h"

#include "dxf/file/DxfBlocksSection.h"
#include "dxf/file/DxfEntitiesSection.h"
#include "dxf/file/DxfR12Head.h"
#include "dxf/file/DxfR12Tables.h"

DxfFileParts DxfR12FileParts(const DxfWriterState& state, const DrawingState& drawing) {
    DxfFileParts file;
    WriteDxf12Header(file.Text(), PeekNextHandle(state));
    WriteDxf12Tables(file.Text(), drawing);
    WriteDxf12Blocks(state, file);
    WriteDxfEntities(state, file);
    WriteDxfEof(file.Text());
    return file;
}

std::string DxfR12FileText(const DxfWriterState& state, const DrawingState& drawing) {
    return DxfR12FileParts(state, drawing).Joined();
}

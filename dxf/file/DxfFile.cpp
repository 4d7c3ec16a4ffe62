#include "dxf/file/DxfFile.h"

#include "dxf/file/Dxf2000File.h"
#include "dxf/file/DxfR12File.h"

DxfFileParts DxfFileFor(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options) {
    return options.DxfR12 != 0 ? DxfR12FileParts(state, drawing) : Dxf2000FileParts(state, drawing, options);
}

std::string DxfFileText(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options) {
    return DxfFileFor(state, drawing, options).Joined();
}

#include "dxf/file/DxfFile.h"

#include "dxf/file/Dxf2000File.h"
#include "dxf/file/DxfR12File.h"

std::string DxfFileText(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options) {
    return options.DxfR12 != 0 ? DxfR12FileText(state, drawing) : Dxf2000FileText(state, drawing, options);
}

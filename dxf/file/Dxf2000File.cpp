#include "dxf/file/Dxf2000File.h"

#include "dxf/file/DxfBlocksSection.h"
#include "dxf/file/DxfEntitiesSection.h"
#include "dxf/file/DxfFileHead.h"
#include "dxf/file/DxfObjectsSection.h"
#include "dxf/file/DxfTables.h"
#include "model/files/WholeFiles.h"

std::string Dxf2000FileText(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options) {
    std::string body;
    body.reserve(state.EntitySpool.size() + state.BlockSpool.size() + (64 << 10));
    WriteDxf2000Tables(state, body, drawing, options);
    WriteDxf2000Blocks(state, body);
    WriteDxfEntities(state, body);
    WriteDxf2000Objects(state, body);
    WriteDxfEof(body);

    // Written last, when nothing takes a handle any more.
    std::string file;
    file.reserve(body.size() + (16 << 10));
    WriteDxf2000Header(state, file);
    WriteDxf2000Classes(file);
    file += body;
    return file;
}

bool SaveDxf2000File(const std::string& path, DxfWriterState& state, const DrawingState& drawing,
                     const DxfOptions& options, std::string& reason) {
    return ReplaceWholeFile(path, Dxf2000FileText(state, drawing, options), reason);
}

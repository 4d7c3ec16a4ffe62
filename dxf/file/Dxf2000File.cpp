#include "dxf/file/Dxf2000File.h"

#include <system_error>

#include "dxf/file/DxfBlocksSection.h"
#include "dxf/file/DxfEntitiesSection.h"
#include "dxf/file/DxfFileHead.h"
#include "dxf/file/DxfObjectsSection.h"
#include "dxf/file/DxfTables.h"
#include "model/files/WholeFiles.h"

DxfFileParts Dxf2000FileParts(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options) {
    DxfFileParts file;
    WriteDxf2000Tables(state, file.Text(), drawing, options);
    WriteDxf2000Blocks(state, file);
    WriteDxfEntities(state, file);
    WriteDxf2000Objects(state, file.Text());
    WriteDxfEof(file.Text());

    // Written last, when nothing takes a handle any more.
    std::string head;
    WriteDxf2000Header(state, head);
    WriteDxf2000Classes(head);
    file.Prepend(std::move(head));
    return file;
}

std::string Dxf2000FileText(DxfWriterState& state, const DrawingState& drawing, const DxfOptions& options) {
    return Dxf2000FileParts(state, drawing, options).Joined();
}

bool SaveDxf2000File(const std::string& path, DxfWriterState& state, const DrawingState& drawing,
                     const DxfOptions& options, std::string& reason) {
    const DxfFileParts parts = Dxf2000FileParts(state, drawing, options);
    const WholeFileText file[] = {{path, {}, [&parts](std::FILE* out, std::error_code& error) {
                                       return parts.WriteTo(out, error);
                                   }}};
    std::error_code error;
    size_t failed = 0;
    if (ReplaceWholeFiles(file, error, failed)) return true;
    reason = error.message();
    return false;
}

#include "dxf/file/DxfEntitiesSection.h"

#include "dxf/writers/DxfGroups.h"

void AppendDxfSpool(std::string& out, const std::string& spool) {
    out += spool;
    if (!spool.empty() && !spool.ends_with("\r\n")) out += "\r\n";
}

void WriteDxfEntities(const DxfWriterState& state, std::string& out) {
    DxfGroups(out).Text(0, "SECTION").Text(2, "ENTITIES");
    AppendDxfSpool(out, state.EntitySpool);
    DxfGroups(out).Text(0, "ENDSEC");
}

void WriteDxfEof(std::string& out) { DxfGroups(out).Text(0, "EOF"); }

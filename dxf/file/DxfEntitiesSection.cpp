#include "dxf/file/DxfEntitiesSection.h"

#include "dxf/writers/DxfGroups.h"

void WriteDxfEntities(const DxfWriterState& state, DxfFileParts& file) {
    DxfGroups(file.Text()).Text(0, "SECTION").Text(2, "ENTITIES");
    file.Spool(state.EntitySpool, state.EntitySpoolFile);
    DxfGroups(file.Text()).Text(0, "ENDSEC");
}

void WriteDxfEof(std::string& out) { DxfGroups(out).Text(0, "EOF"); }

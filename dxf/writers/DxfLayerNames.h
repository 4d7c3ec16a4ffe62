#pragma once
// The name a layer goes by in a DXF file. Every writer that names a layer (the entity records, the
// block headers, the layer table) goes through here, so that an entity and its layer record always
// agree, and a layer table holding a name no DXF reader takes still gives a file that opens.
#include <string>
#include <string_view>

// The name without its outer blanks, every character a layer name cannot hold (control characters
// and < > / \ " : ; ? * | , = `) turned into "_"; an empty or blank name becomes "0", the layer
// every drawing has. A name already valid comes back unchanged, so applying it twice changes
// nothing more.
std::string DxfLayerName(std::string_view name);
// Whether DxfLayerName would give the name back unchanged.
bool IsDxfLayerName(std::string_view name);

// Layer names are one name whatever the case of their ASCII letters ("Quote" and "QUOTE").
bool SameDxfLayerName(std::string_view a, std::string_view b);

#pragma once
// The name a layer goes by in a DXF file. Every writer that names a layer (the entity records, the
// block headers, the layer table) goes through here, so that an entity and its layer record always
// agree, and a layer table holding a name no DXF reader takes still gives a file that opens.
#include <cstddef>
#include <string>
#include <string_view>

// The name without its outer blanks, every character a layer name cannot hold (control characters,
// the bytes code page 1252 leaves undefined and < > / \ " : ; ? * | , = `) turned into "_"; an
// empty or blank name becomes "0", the layer every drawing has. A name already valid comes back
// unchanged, so applying it twice changes nothing more.
std::string DxfLayerName(std::string_view name);
// Whether DxfLayerName would give the name back unchanged.
bool IsDxfLayerName(std::string_view name);

// The most characters a layer name may have in a DXF file.
constexpr size_t DxfLayerNameMaxLength = 255;
// Whether a DXF file can hold the name as DxfLayerName gives it: its characters are mended there,
// its length is not.
bool FitsDxfLayerName(std::string_view name);

// Layer names are one name whatever the case of their ASCII letters ("Quote" and "QUOTE").
bool SameDxfLayerName(std::string_view a, std::string_view b);

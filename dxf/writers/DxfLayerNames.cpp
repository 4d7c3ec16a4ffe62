#include "dxf/writers/DxfLayerNames.h"

#include <algorithm>

namespace {

bool IsForbidden(unsigned char c) {
    constexpr std::string_view Reserved = "<>/\\\":;?*|,=`";
    return c < 0x20 || c == 0x7F || Reserved.find(static_cast<char>(c)) != std::string_view::npos;
}

unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

}  // namespace

std::string DxfLayerName(std::string_view name) {
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return "0";
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::string valid(name);
    std::replace_if(valid.begin(), valid.end(), [](char c) { return IsForbidden(static_cast<unsigned char>(c)); }, '_');
    return valid;
}

bool SameDxfLayerName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return AsciiLower(static_cast<unsigned char>(x)) == AsciiLower(static_cast<unsigned char>(y));
    });
}

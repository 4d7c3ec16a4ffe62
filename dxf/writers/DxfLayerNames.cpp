#include "dxf/writers/DxfLayerNames.h"

#include <algorithm>
#include <array>

#include "model/common/Helpers.h"
#include "platform/TextEncoding.h"

namespace {

// Every entity names its layer: a table rather than a search of the reserved characters.
constexpr std::array<bool, 256> ForbiddenCharacters = [] {
    std::array<bool, 256> forbidden{};
    for (int c = 0; c < 256; ++c) forbidden[static_cast<size_t>(c)] = !IsPrintableAnsi(static_cast<unsigned char>(c));
    for (char c : std::string_view("<>/\\\":;?*|,=`")) forbidden[static_cast<unsigned char>(c)] = true;
    return forbidden;
}();

bool IsForbidden(unsigned char c) { return ForbiddenCharacters[c]; }

unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

}  // namespace

std::string DxfLayerName(std::string_view name) {
    name = TrimBlanks(name);
    if (name.empty()) return "0";
    std::string valid(name);
    std::replace_if(valid.begin(), valid.end(), [](char c) { return IsForbidden(static_cast<unsigned char>(c)); }, '_');
    return valid;
}

bool IsDxfLayerName(std::string_view name) {
    return !name.empty() && name.front() != ' ' && name.back() != ' ' &&
           std::none_of(name.begin(), name.end(), [](char c) { return IsForbidden(static_cast<unsigned char>(c)); });
}

bool FitsDxfLayerName(std::string_view name) { return DxfLayerName(name).size() <= DxfLayerNameMaxLength; }

bool SameDxfLayerName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return AsciiLower(static_cast<unsigned char>(x)) == AsciiLower(static_cast<unsigned char>(y));
    });
}

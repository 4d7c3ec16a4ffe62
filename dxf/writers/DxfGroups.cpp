#include "dxf/writers/DxfGroups.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

DxfGroups& DxfGroups::Line(int code, int width, std::string_view value) {
    const std::string digits = std::to_string(code);
    if (static_cast<int>(digits.size()) < width) out_.append(width - digits.size(), ' ');
    out_ += digits;
    out_ += "\r\n";
    out_ += value;
    out_ += "\r\n";
    return *this;
}

DxfGroups& DxfGroups::Text(int code, std::string_view value, int width) {
    if (value.find_first_of("\r\n") == std::string_view::npos) return Line(code, width, value);
    std::string oneLine;
    oneLine.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (!IsLineBreak(value[i])) oneLine += value[i];
        else if (i == 0 || !IsLineBreak(value[i - 1])) oneLine += ' ';
    }
    return Line(code, width, oneLine);
}

DxfGroups& DxfGroups::Int(int code, int32_t value, int width) { return Line(code, width, FormatInt6(value)); }

DxfGroups& DxfGroups::Real(int code, float value, int width) { return Line(code, width, DxfRealText(value)); }

std::string DxfRealText(float value) {
    if (!std::isfinite(value)) throw std::range_error("a DXF real must be a finite number");
    if (value == 0) return "0";  // negative zero too
    // The general form of 7 significant digits is locale-independent and drops trailing zeros.
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, end);
    if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

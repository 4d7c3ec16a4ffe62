#include "dxf/writers/DxfGroups.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <stdexcept>

#include "platform/TextEncoding.h"

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// A file holds millions of text values: a table tells at once whether a byte needs mending.
constexpr std::array<bool, 256> Unprintable = [] {
    std::array<bool, 256> unprintable{};
    for (int c = 0; c < 256; ++c) unprintable[static_cast<size_t>(c)] = !IsPrintableAnsi(static_cast<unsigned char>(c));
    return unprintable;
}();

bool IsUnprintable(char c) { return Unprintable[static_cast<unsigned char>(c)]; }

// 1E-04 to 1E+06, and 1E+00 to 1E+10: exact doubles but for the negative powers, which no float
// comes near enough to be placed on the wrong side of.
constexpr double Decades[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
constexpr double Scales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};
constexpr int Significant = 7;

// The general form of 7 significant digits for 1E-04 <= |value| < 1E+07, as the standard
// formatter writes it, without its cost (a file holds millions of reals). A float times a power of
// ten up to 1E+10 is exact in a double (24 + 24 bits), so rounding the product to a whole number
// rounds the float's own value, halves to even, as the formatter does. False outside that range,
// and for a value that rounds up to 1E+07, which takes the exponent form.
bool PlainRealText(float value, std::string& text) {
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude >= Decades[0] && magnitude < 1e7)) return false;
    int exponent = 6;  // 10^exponent <= magnitude
    while (magnitude < Decades[exponent + 4]) --exponent;
    int decimals = Significant - 1 - exponent;
    double digits = std::nearbyint(magnitude * Scales[decimals]);
    if (digits >= 1e7) {  // 9999999.5 × 10^-decimals and above: one digit fewer after the point
        if (decimals == 0) return false;
        digits = std::nearbyint(magnitude * Scales[--decimals]);
    }
    const auto whole = static_cast<uint64_t>(digits);
    const auto scale = static_cast<uint64_t>(Scales[decimals]);
    char buffer[32];
    char* p = buffer;
    if (value < 0) *p++ = '-';
    p = std::to_chars(p, buffer + sizeof buffer, whole / scale).ptr;
    uint64_t fraction = whole % scale;
    if (fraction != 0) {
        while (fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        *p++ = '.';
        char* end = p + decimals;
        for (char* q = end; q != p; fraction /= 10) *--q = static_cast<char>('0' + fraction % 10);
        p = end;
    }
    text.assign(buffer, p);
    return true;
}

}  // namespace

// A file holds millions of groups: each is put together on the stack and appended at once.
DxfGroups& DxfGroups::Line(int code, int width, std::string_view value) {
    char line[128];
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, code);
    const size_t digitCount = static_cast<size_t>(end - digits);
    const size_t blanks = width > static_cast<int>(digitCount) ? static_cast<size_t>(width) - digitCount : 0;
    const size_t size = blanks + digitCount + 2 + value.size() + 2;
    if (size > sizeof line) {
        out_.append(blanks, ' ').append(digits, digitCount).append("\r\n").append(value).append("\r\n");
        return *this;
    }
    char* p = line;
    for (size_t i = 0; i < blanks; ++i) *p++ = ' ';
    p = std::copy(digits, end, p);
    *p++ = '\r';
    *p++ = '\n';
    p = std::copy(value.begin(), value.end(), p);
    *p++ = '\r';
    *p++ = '\n';
    out_.append(line, size);
    return *this;
}

DxfGroups& DxfGroups::Text(int code, std::string_view value, int width) {
    if (std::none_of(value.begin(), value.end(), IsUnprintable)) return Line(code, width, value);
    std::string mended;
    mended.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (!IsUnprintable(value[i])) mended += value[i];
        else if (!IsLineBreak(value[i])) mended += '?';
        else if (i == 0 || !IsLineBreak(value[i - 1])) mended += ' ';
    }
    return Line(code, width, mended);
}

DxfGroups& DxfGroups::Int(int code, int32_t value, int width) { return Line(code, width, FormatInt6(value)); }

DxfGroups& DxfGroups::Real(int code, float value, int width) { return Line(code, width, DxfRealText(value)); }

std::string DxfRealText(float value) {
    if (!std::isfinite(value)) throw std::range_error("a DXF real must be a finite number");
    if (value == 0) return "0";  // negative zero too
    if (std::string text; PlainRealText(value, text)) return text;
    // The general form of 7 significant digits is locale-independent and drops trailing zeros.
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, end);
    if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

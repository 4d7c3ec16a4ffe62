#include "dxf/writers/DxfGroups.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <cmath>
#include <stdexcept>

#include "dxf/writers/DxfLayerNames.h"
#include "dxf/writers/DxfSpoolFile.h"
#include "model/common/Helpers.h"
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
// rounds the float's own value, halves to even, as the formatter does. Null outside that range,
// and for a value that rounds up to 1E+07, which takes the exponent form; else the text's end.
char* PlainRealText(char* out, float value) {
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude >= Decades[0] && magnitude < 1e7)) return nullptr;
    int exponent = 6;  // 10^exponent <= magnitude
    while (magnitude < Decades[exponent + 4]) --exponent;
    int decimals = Significant - 1 - exponent;
    double digits = std::nearbyint(magnitude * Scales[decimals]);
    if (digits >= 1e7) {  // 9999999.5 × 10^-decimals and above: one digit fewer after the point
        if (decimals == 0) return nullptr;
        digits = std::nearbyint(magnitude * Scales[--decimals]);
    }
    const auto whole = static_cast<uint64_t>(digits);
    const auto scale = static_cast<uint64_t>(Scales[decimals]);
    char* p = out;
    if (value < 0) *p++ = '-';
    p = std::to_chars(p, p + 8, whole / scale).ptr;
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
    return p;
}

// The number right-justified in `width` characters, or whole when it is longer, as the standard
// formatter writes it. A file holds millions of codes: the blanks go out in one fixed-size store,
// using up to JustifiedRoom characters at `p` whatever the text's length, and the digits straight
// into their places.
constexpr int MaxStoredBlanks = 8;
constexpr size_t JustifiedRoom = MaxStoredBlanks + 12;

char* WriteJustified(char* p, int32_t value, int width) {
    const bool negative = value < 0;
    uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    int digits = 1;
    for (uint32_t bound = 10; digits < 10 && magnitude >= bound; bound *= 10) ++digits;
    const int blanks = width - digits - (negative ? 1 : 0);
    if (width <= MaxStoredBlanks) {
        std::memcpy(p, "        ", MaxStoredBlanks);
        p += std::max(blanks, 0);
    } else {
        for (int i = 0; i < blanks; ++i) *p++ = ' ';
    }
    if (negative) *p++ = '-';
    char* const end = p + digits;
    for (char* digit = end; digit != p; magnitude /= 10) *--digit = static_cast<char>('0' + magnitude % 10);
    return end;
}

// The small numbers codes and flags are, each as eight characters with its digits at the right,
// read as one word: a number is then written justified by one shift and one store.
constexpr int32_t TabledNumbers = 1100;
struct NumberWords {
    uint64_t Word[TabledNumbers];
    uint8_t Digits[TabledNumbers];
};
constexpr NumberWords Tabled = [] {
    NumberWords table{};
    for (int32_t n = 0; n < TabledNumbers; ++n) {
        char text[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        int digits = 0;
        for (int32_t rest = n; digits == 0 || rest != 0; rest /= 10)
            text[7 - digits++] = static_cast<char>('0' + rest % 10);
        uint64_t word = 0;
        for (int i = 7; i >= 0; --i) word = word << 8 | static_cast<unsigned char>(text[i]);
        table.Word[n] = word;
        table.Digits[n] = static_cast<uint8_t>(digits);
    }
    return table;
}();

// As WriteJustified, through the table where it holds the number.
char* WriteSmallJustified(char* p, int32_t value, int width) {
    if constexpr (std::endian::native == std::endian::little) {
        if (value >= 0 && value < TabledNumbers && width >= 0 && width <= MaxStoredBlanks) {
            const int size = std::max(width, static_cast<int>(Tabled.Digits[value]));
            const uint64_t word = Tabled.Word[value] >> (8 * (8 - size));
            std::memcpy(p, &word, sizeof word);
            return p + size;
        }
    }
    return WriteJustified(p, value, width);
}

char* WriteCode(char* p, int code, int width) {
    p = WriteSmallJustified(p, code, width);
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

// A group of the usual size is put together on the stack.
constexpr size_t StackLineRoom = 256;

}  // namespace

template <class WriteValue>
DxfGroups& DxfGroups::Line(int code, int width, size_t room, WriteValue value) {
    const size_t size = static_cast<size_t>(std::max(width, 0)) + JustifiedRoom + room + 2;
    if (file_) {
        char* p = value(WriteCode(file_->Room(size), code, width));
        *p++ = '\r';
        *p++ = '\n';
        file_->Commit(p);
        return *this;
    }
    char stack[StackLineRoom];
    std::string heap;
    char* line = stack;
    if (size > sizeof stack) {
        heap.resize(size);
        line = heap.data();
    }
    char* p = value(WriteCode(line, code, width));
    *p++ = '\r';
    *p++ = '\n';
    out_.append(line, static_cast<size_t>(p - line));
    return *this;
}

DxfGroups& DxfGroups::Line(int code, int width, std::string_view value) {
    return Line(code, width, value.size(), [value](char* p) { return std::copy(value.begin(), value.end(), p); });
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

// Right-justified in six characters; a longer number is written whole.
DxfGroups& DxfGroups::Int(int code, int32_t value, int width) {
    return Line(code, width, JustifiedRoom, [value](char* p) { return WriteSmallJustified(p, value, 6); });
}

template <class T>
DxfGroups& DxfGroups::FixedLine(int code, T value, int32_t decimals, int width) {
    return Line(code, width, FormatNumRoom(decimals), [=](char* p) { return FormatNumTo(p, value, decimals); });
}

DxfGroups& DxfGroups::Fixed(int code, float value, int32_t decimals, int width) {
    return FixedLine(code, value, decimals, width);
}

DxfGroups& DxfGroups::Fixed(int code, double value, int32_t decimals, int width) {
    return FixedLine(code, value, decimals, width);
}

DxfGroups& DxfGroups::Real(int code, float value, int width) {
    return Line(code, width, DxfRealRoom, [value](char* p) { return DxfRealTextTo(p, value); });
}

DxfGroups& DxfGroups::Layer(int code, std::string_view name, int width) {
    // Neither a valid name nor a mended one holds a byte Text would mend.
    if (IsDxfLayerName(name)) return Line(code, width, name);
    return Line(code, width, DxfLayerName(name));
}

char* DxfRealTextTo(char* out, float value) {
    if (!std::isfinite(value)) throw std::range_error("a DXF real must be a finite number");
    if (value == 0) {  // negative zero too
        *out = '0';
        return out + 1;
    }
    if (char* end = PlainRealText(out, value)) return end;
    // The general form of 7 significant digits is locale-independent and drops trailing zeros.
    char* end = std::to_chars(out, out + DxfRealRoom, value, std::chars_format::general, 7).ptr;
    std::replace(out, end, 'e', 'E');
    return end;
}

std::string DxfRealText(float value) {
    char text[DxfRealRoom];
    return std::string(text, DxfRealTextTo(text, value));
}

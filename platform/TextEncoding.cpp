#include "platform/TextEncoding.h"

#include <array>
#include <cstddef>

namespace {

// Code points of the bytes 0x80 to 0x9F; every other byte is its own code point.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? HighControls[byte - 0x80] : char32_t(byte);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

char AnsiOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == c) return char(0x80 + i);
    return '?';
}

// The code point that starts at `at`, and how many bytes it takes; 0 bytes when the sequence is
// malformed (a stray continuation byte, a short or overlong sequence, a surrogate, beyond U+10FFFF).
struct Decoded {
    char32_t CodePoint = 0;
    size_t Length = 0;
};

Decoded DecodeAt(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    size_t length = 0;
    char32_t c = 0, smallest = 0;
    if ((lead & 0xE0) == 0xC0) length = 2, c = lead & 0x1F, smallest = 0x80;
    else if ((lead & 0xF0) == 0xE0) length = 3, c = lead & 0x0F, smallest = 0x800;
    else if ((lead & 0xF8) == 0xF0) length = 4, c = lead & 0x07, smallest = 0x10000;
    else return {};
    if (at + length > text.size()) return {};
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return {};
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
    return {c, length};
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char byte : ansi) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(byte)));
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const Decoded d = DecodeAt(utf8, at);
        if (d.Length == 0) {
            out += '?';
            ++at;
        } else {
            out += AnsiOf(d.CodePoint);
            at += d.Length;
        }
    }
    return out;
}

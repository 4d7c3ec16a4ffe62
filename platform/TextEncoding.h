#pragma once
// The one place where single-byte Windows text (code page 1252: the data files, the archive, the
// DXF files) meets UTF-8 (the toolkit, file names, our message tables).
#include <string>
#include <string_view>

// Every byte becomes one character. The five bytes code page 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+0081 and so on, so Utf8ToAnsi gives back the same bytes.
std::string AnsiToUtf8(std::string_view ansi);

// The inverse: a character code page 1252 has no byte for, or a malformed UTF-8 byte, becomes '?'.
std::string Utf8ToAnsi(std::string_view utf8);

// Whether the byte is a printable character of code page 1252: neither a control character (0x00 to
// 0x1F, 0x7F) nor one of the five bytes the code page leaves undefined, which strict readers of a
// file declared in it refuse.
constexpr bool IsPrintableAnsi(unsigned char byte) {
    if (byte < 0x20 || byte == 0x7F) return false;
    return byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D;
}

#include "bench/DxfGroupStream.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

using Kind = DxfGroupStream::Kind;

// The value type of a group code, as the DXF reference assigns them.
Kind KindOf(int c) {
    if ((c >= 10 && c <= 59) || (c >= 110 && c <= 149) || (c >= 210 && c <= 239) || (c >= 1010 && c <= 1059))
        return Kind::Real;
    if ((c >= 60 && c <= 99) || (c >= 160 && c <= 179) || (c >= 270 && c <= 299) || (c >= 370 && c <= 389) ||
        (c >= 400 && c <= 409) || (c >= 1060 && c <= 1071))
        return Kind::Integer;
    return Kind::String;
}

std::string_view Trimmed(std::string_view value) {
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    return value;
}

}  // namespace

DxfGroupStream ReadDxfGroupStream(const std::string& text) {
    DxfGroupStream stream;
    stream.SourceBytes = text.size();
    size_t at = 0;
    const auto nextLine = [&](std::string_view& line) {
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) return false;
        line = std::string_view(text).substr(at, end - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        at = end + 1;
        return true;
    };
    std::string_view codeLine, value;
    while (nextLine(codeLine) && nextLine(value)) {
        DxfGroupStream::Group g;
        int code = 0;
        const std::string_view codeText = Trimmed(codeLine);
        std::from_chars(codeText.data(), codeText.data() + codeText.size(), code);
        g.Code = static_cast<int16_t>(code);
        g.Type = KindOf(code);
        const std::string_view number = Trimmed(value);
        const char* end = number.data() + number.size();
        if (g.Type == Kind::Real) {
            const auto [ptr, ec] = std::from_chars(number.data(), end, g.Real);
            if (ec != std::errc() || ptr != end) g.Type = Kind::String;
        } else if (g.Type == Kind::Integer) {
            const auto [ptr, ec] = std::from_chars(number.data(), end, g.Integer);
            if (ec != std::errc() || ptr != end) g.Type = Kind::String;
        }
        if (g.Type == Kind::String) {
            g.Start = static_cast<uint32_t>(stream.Strings.size());
            g.Size = static_cast<uint32_t>(value.size());
            stream.Strings += value;
        }
        stream.Groups.push_back(g);
    }
    return stream;
}

size_t WriteDxfGroupStream(const DxfGroupStream& stream, std::string& buffer, const std::string& path) {
    buffer.resize(stream.SourceBytes * 2 + 4096);
    char* p = buffer.data();
    for (const DxfGroupStream::Group& g : stream.Groups) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, g.Code).ptr;
        for (auto blanks = 3 - (end - digits); blanks > 0; --blanks) *p++ = ' ';
        p = std::copy(static_cast<const char*>(digits), end, p);
        *p++ = '\r';
        *p++ = '\n';
        if (g.Type == Kind::Real) {
            p = std::to_chars(p, p + 32, g.Real).ptr;
        } else if (g.Type == Kind::Integer) {
            end = std::to_chars(digits, digits + sizeof digits, g.Integer).ptr;
            for (auto blanks = 6 - (end - digits); blanks > 0; --blanks) *p++ = ' ';
            p = std::copy(static_cast<const char*>(digits), end, p);
        } else {
            std::memcpy(p, stream.Strings.data() + g.Start, g.Size);
            p += g.Size;
        }
        *p++ = '\r';
        *p++ = '\n';
    }
    const size_t bytes = static_cast<size_t>(p - buffer.data());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    const bool written = std::fwrite(buffer.data(), 1, bytes, file) == bytes;
    return std::fclose(file) == 0 && written ? bytes : 0;
}

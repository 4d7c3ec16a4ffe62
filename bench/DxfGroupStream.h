#pragma once
// The group stream of a DXF file as typed values, and the least a writer of the same stream must
// do: each group formatted with std::to_chars (codes, integers, reals as 32-bit floats, as the
// program holds them) or copied (strings) into one buffer, written with one call. The export's
// time over this one's says what the export spends beyond formatting and writing its bytes.
#include <cstdint>
#include <string>
#include <vector>

struct DxfGroupStream {
    enum class Kind : uint8_t { String, Integer, Real };
    struct Group {
        int16_t Code = 0;
        Kind Type = Kind::String;
        int32_t Integer = 0;
        float Real = 0;
        uint32_t Start = 0, Size = 0;  // of a string, in Strings
    };
    std::vector<Group> Groups;
    std::string Strings;
    size_t SourceBytes = 0;
};

// The groups of a DXF text (CR LF or LF lines); a value its code's type does not read stays a
// string.
DxfGroupStream ReadDxfGroupStream(const std::string& text);

// Writes the stream into `buffer` (grown as needed, reused between calls) and then to `path`;
// the count of bytes written, 0 when the file could not be written.
size_t WriteDxfGroupStream(const DxfGroupStream& stream, std::string& buffer, const std::string& path);

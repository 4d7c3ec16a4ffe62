#pragma once
// Appends DXF groups to a text: each group is its code line, then its value line, both ended by
// CR LF. Every DXF writer goes through here, so that the line layout and the number forms are
// the same in every section and never depend on the process locale. A file holds millions of
// groups: each is put together in place, numbers included, and appended at once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class DxfSpoolFile;

class DxfGroups {
public:
    // As a rule a code line is the code right-justified in three characters ("  0", " 10", "330");
    // the few records that want another width ("0", "50", " 290") pass it.
    static constexpr int CodeWidth = 3;

    explicit DxfGroups(std::string& out) : out_(out) {}
    // Appends to a spool of the drawing pass: to its file, when it has one, else to its text.
    DxfGroups(std::string& spool, DxfSpoolFile* file) : out_(spool), file_(file) {}

    // The value unchanged, except that each run of CR and LF becomes one blank (a line break
    // inside a value would shift every later code/value pair of the file) and every other byte
    // that is no printable character of code page 1252, the files' declared one, becomes "?", so
    // that every reader decodes the file. Layer names come here already mended by DxfLayerName
    // ("_" in their place); the other table names (blocks, styles, line types) are our own.
    DxfGroups& Text(int code, std::string_view value, int width = CodeWidth);
    // A computed integer right-justified in six characters: "     0", "    -3".
    DxfGroups& Int(int code, int32_t value, int width = CodeWidth);
    // Exactly `decimals` decimals as FormatNum writes them, whose float overload rounds the float's
    // own shortest text; so the value's type picks the overload.
    DxfGroups& Fixed(int code, float value, int32_t decimals, int width = CodeWidth);
    DxfGroups& Fixed(int code, double value, int32_t decimals, int width = CodeWidth);
    // A 32-bit float in the short form of DxfRealText.
    DxfGroups& Real(int code, float value, int width = CodeWidth);
    // A layer's name as DxfLayerName gives it; a valid name, the rule, is written without a copy.
    DxfGroups& Layer(int code, std::string_view name, int width = CodeWidth);

private:
    // The line goes at the end of the spool file's buffer, or of `out_`, with room for `room`
    // value characters, written by `value(at)`, which returns the end of what it wrote.
    template <class WriteValue>
    DxfGroups& Line(int code, int width, size_t room, WriteValue value);
    DxfGroups& Line(int code, int width, std::string_view value);
    template <class T>
    DxfGroups& FixedLine(int code, T value, int32_t decimals, int width);

    std::string& out_;
    DxfSpoolFile* file_ = nullptr;
};

// The short form of a 32-bit float: at most seven significant digits, "." as the decimal point,
// no blanks, no trailing zeros, "0" before the point below 1 ("0.5"), "0" for negative zero;
// exponent form ("1.234568E+07", "-2.5E-05") only outside 1E-04 <= |value| < 1E+07.
// Throws std::range_error for an infinity or a NaN, which no DXF reader takes as a number.
std::string DxfRealText(float value);
// The same text written at `out`, which has room for DxfRealRoom characters; returns its end.
constexpr size_t DxfRealRoom = 16;
char* DxfRealTextTo(char* out, float value);

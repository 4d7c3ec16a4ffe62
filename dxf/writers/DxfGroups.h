#pragma once
// Appends DXF groups to a text: each group is its code line, then its value line, both ended by
// CR LF. Every DXF writer goes through here, so that the line layout and the number forms are
// the same in every section and never depend on the process locale.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/common/Helpers.h"

class DxfGroups {
public:
    // As a rule a code line is the code right-justified in three characters ("  0", " 10", "330");
    // the few records that want another width ("0", "50", " 290") pass it.
    static constexpr int CodeWidth = 3;

    explicit DxfGroups(std::string& out) : out_(out) {}

    // The value unchanged, except that each run of CR and LF becomes one blank (a line break
    // inside a value would shift every later code/value pair of the file) and every other byte
    // that is no printable character of code page 1252, the files' declared one, becomes "?", so
    // that every reader decodes the file. Layer names come here already mended by DxfLayerName
    // ("_" in their place); the other table names (blocks, styles, line types) are our own.
    DxfGroups& Text(int code, std::string_view value, int width = CodeWidth);
    // A computed integer right-justified in six characters: "     0", "    -3".
    DxfGroups& Int(int code, int32_t value, int width = CodeWidth);
    // Exactly `decimals` decimals through FormatNum, whose float overload rounds the float's own
    // shortest text; so T picks the overload.
    template <class T>
    DxfGroups& Fixed(int code, T value, int32_t decimals, int width = CodeWidth) {
        return Line(code, width, FormatNum(value, decimals));
    }
    // A 32-bit float in the short form of DxfRealText.
    DxfGroups& Real(int code, float value, int width = CodeWidth);

private:
    DxfGroups& Line(int code, int width, std::string_view value);

    std::string& out_;
};

// The short form of a 32-bit float: at most seven significant digits, "." as the decimal point,
// no blanks, no trailing zeros, "0" before the point below 1 ("0.5"), "0" for negative zero;
// exponent form ("1.234568E+07", "-2.5E-05") only outside 1E-04 <= |value| < 1E+07.
// Throws std::range_error for an infinity or a NaN, which no DXF reader takes as a number.
std::string DxfRealText(float value);

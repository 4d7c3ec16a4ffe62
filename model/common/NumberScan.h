#pragma once
// The one scanner of decimal numbers, shared by the data-file reader and the numbers users type.
#include <cstddef>
#include <string>
#include <string_view>

struct ScannedNumber {
    size_t Length = 0;  // characters the number takes; 0 when no digit leads the text
    double Value = 0;   // 0 unless Finite
    bool Finite = false;  // false when the number is beyond the range of a double
};

// The number at the very start of `text`: an optional sign, digits with at most one ".", then an
// exponent (E or D, optional sign, digits) when digits follow the marker.
ScannedNumber ScanLeadingNumber(std::string_view text);

// The numeric value at the start of a text, as a basic leading-number scan reads it: blanks, tabs
// and line ends are ignored wherever they stand, then the number as above; 0 when no digit leads
// or the value is out of range.
double LeadingNumberValue(const std::string& text);

#pragma once
// Numbers typed into the fields of dialogs and panels, read strictly: a field holds a number as a
// whole or it is refused, never taken as its leading digits or as 0.
#include <cstdint>
#include <optional>
#include <string>

// The text as one number: blanks and tabs around it are ignored and its first "," stands for the
// decimal point ("60,5" reads as 60.5); what is left is a number as the data-file scanner reads
// it (an optional sign, digits with at most one point, an optional exponent) and nothing else,
// within the range of a 32-bit float. Nothing for any other text, the empty one included.
std::optional<double> ReadTypedNumber(const std::string& text);

// The number rounded to a whole one, halves to the even neighbour: "2,6" gives 3, "2.5" gives 2.
// Nothing beyond the 32-bit range.
std::optional<int32_t> ReadTypedRounded(const std::string& text);

// A count or a size in whole units: a whole number above 0 ("4" or "4.0"; never "4,5", "0" or
// "-2"), within the 32-bit range.
std::optional<int32_t> ReadTypedCount(const std::string& text);

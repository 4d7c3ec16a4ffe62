#include "model/common/TypedNumbers.h"

#include <cmath>
#include <limits>

#include "model/common/Helpers.h"
#include "model/common/NumberScan.h"

namespace {

constexpr double LargestSingle = std::numeric_limits<float>::max();
constexpr double LargestInt32 = std::numeric_limits<int32_t>::max();
constexpr double SmallestInt32 = std::numeric_limits<int32_t>::min();

bool WithinInt32(double value) { return value >= SmallestInt32 && value <= LargestInt32; }

std::string WithoutSurroundingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<double> ReadTypedNumber(const std::string& text) {
    const std::string number = CommaToDot(WithoutSurroundingBlanks(text));
    // The data file's D exponent is no way to type a number: "1d2" is a typo, not 100.
    if (number.find_first_of("dD") != std::string::npos) return std::nullopt;
    const ScannedNumber scanned = ScanLeadingNumber(number);
    if (scanned.Length == 0 || scanned.Length != number.size() || !scanned.Finite) return std::nullopt;
    if (std::fabs(scanned.Value) > LargestSingle) return std::nullopt;
    return scanned.Value;
}

std::optional<int32_t> ReadTypedRounded(const std::string& text) {
    const std::optional<double> value = ReadTypedNumber(text);
    if (!value) return std::nullopt;
    const double rounded = RoundHalfEven(*value, 0);
    if (!WithinInt32(rounded)) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<int32_t> ReadTypedCount(const std::string& text) {
    const std::optional<double> value = ReadTypedNumber(text);
    if (!value || *value < 1 || *value > LargestInt32 || std::trunc(*value) != *value) return std::nullopt;
    return static_cast<int32_t>(*value);
}

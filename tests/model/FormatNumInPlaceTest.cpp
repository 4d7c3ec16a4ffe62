// FormatNum writes its text in place, for the writers of large files. Its texts must stay those of
// the plain string arithmetic it replaced, kept here as the reference: the value's shortest fixed
// text, its digits rounded half away from zero, no sign on a text of zeros.
#include "model/common/Helpers.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string RoundDecimalText(std::string text, int decimals) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    std::string intPart = text, fracPart;
    if (auto dot = text.find('.'); dot != std::string::npos) {
        intPart = text.substr(0, dot);
        fracPart = text.substr(dot + 1);
    }
    if (intPart.empty()) intPart = "0";
    int keep = decimals > 0 ? decimals : 0;
    bool roundUp = static_cast<int>(fracPart.size()) > keep && fracPart[keep] >= '5';
    fracPart.resize(keep, '0');
    std::string digits = intPart + fracPart;
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) ++digits[i];
        else digits.insert(digits.begin(), '1');
    }
    std::string result = digits.substr(0, digits.size() - keep);
    if (keep > 0) result += "." + digits.substr(digits.size() - keep);
    bool allZero = result.find_first_not_of("0.") == std::string::npos;
    return (negative && !allZero ? "-" : "") + result;
}

template <class T>
std::string Reference(T value, int decimals) {
    if (!std::isfinite(value)) return "0";
    char buffer[128];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return RoundDecimalText(ec != std::errc() ? "0" : std::string(buffer, end), decimals);
}

// The text FormatNumTo writes, checked to stay within the room it promises.
template <class T>
std::string InPlace(T value, int decimals) {
    std::vector<char> room(FormatNumRoom(decimals) + 1, '#');
    const char* end = FormatNumTo(room.data(), value, decimals);
    EXPECT_LE(static_cast<size_t>(end - room.data()), FormatNumRoom(decimals));
    EXPECT_EQ(room.back(), '#');
    return std::string(static_cast<const char*>(room.data()), end);
}

// Counts the values whose texts differ, naming the first few.
struct Differences {
    int count = 0;
    template <class T>
    void Check(T value, int decimals) {
        const std::string expected = Reference(value, decimals);
        const std::string inPlace = InPlace(value, decimals), formatted = FormatNum(value, decimals);
        if (inPlace == expected && formatted == expected) return;
        if (++count <= 5)
            ADD_FAILURE() << std::hexfloat << value << " at " << decimals << " decimals: \"" << inPlace << "\", \""
                          << formatted << "\", not \"" << expected << "\"";
    }
};

constexpr int DecimalCounts[] = {-1, 0, 1, 2, 3, 4, 6, 8, 12};

float FloatOf(const char* text) {
    float value = 0;
    std::from_chars(text, text + std::char_traits<char>::length(text), value);
    return value;
}

}  // namespace

TEST(FormatNumInPlace, FloatsAtTheEdgesGiveTheReferenceTexts) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    std::vector<float> values = {0.0f, -0.0f, inf, -inf, std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(),
                                 std::numeric_limits<float>::max(), std::numeric_limits<float>::epsilon(),
                                 1.0f, 0.5f, 9.5f, 99.5f, 0.05f, 0.005f, 2.675f, 1.005f, 0.125f, 0.0625f,
                                 9.999999f, 99999.99f, 999999.9f, 1e7f, 16777216.0f, 16777217.0f, 1e20f,
                                 0.00049999997f, 0.0005f, 0.000000005f, 0.0000000049999997f, 0.999999940f};
    // Halves at every decimal place the writers use: ...5 just after the last kept digit, the
    // digits before it nines (a carry across the point) or not.
    for (const char* half : {"0.5", "1.5", "2.5", "9.5", "0.05", "0.95", "9.95", "99.95", "0.005", "0.995",
                             "9.995", "0.0005", "0.00005", "0.000005", "0.0000005", "0.00000005", "0.000000005",
                             "0.000000015", "0.999999995", "9.999999995", "123.456785", "1234.5678905",
                             "0.123456785", "99999.5", "999999.5", "0.0000000005"})
        values.push_back(FloatOf(half));
    Differences differences;
    for (float v : values)
        for (float value : {v, -v})
            for (int decimals : DecimalCounts) differences.Check(value, decimals);
    EXPECT_EQ(differences.count, 0);
}

// Floats spread over the whole range, each with its neighbours, at the decimal counts in use.
TEST(FormatNumInPlace, FloatsAcrossTheWholeRangeGiveTheReferenceTexts) {
    Differences differences;
    const uint32_t highest = std::bit_cast<uint32_t>(std::numeric_limits<float>::max());
    for (uint32_t bits = 0; bits <= highest - 7919; bits += 7919)
        for (uint32_t near = bits; near < bits + 2; ++near)
            for (float v : {std::bit_cast<float>(near), -std::bit_cast<float>(near)})
                for (int decimals : {0, 2, 8}) differences.Check(v, decimals);
    // The values drawings hold, densely: 0.001 to 100,000 model units.
    for (uint32_t bits = std::bit_cast<uint32_t>(0.001f); bits < std::bit_cast<uint32_t>(1e5f); bits += 97)
        differences.Check(std::bit_cast<float>(bits), 8);
    EXPECT_EQ(differences.count, 0);
}

TEST(FormatNumInPlace, DoublesAndIntsGiveTheReferenceTexts) {
    Differences differences;
    constexpr double inf = std::numeric_limits<double>::infinity();
    // Beyond 128 characters of text a double counts as 0, as the reference's buffer has it.
    for (double v : {0.0, -0.0, inf, -inf, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(), 1e127, 9.9e126,
                     1e128, 1e-110, 1.2345678901234567e-110, 1e-126, 0.5, 2.5, 0.05, 0.15, 1.005, 9.995, 0.125,
                     3.14159, 1234567.0, 123456789.123456789, 0.1 + 0.2, 1e15 + 0.5, 4503599627370497.0})
        for (double value : {v, -v})
            for (int decimals : DecimalCounts) differences.Check(value, decimals);
    for (uint64_t bits = 0; bits < 0x7FF0000000000000u; bits += 0x7FF0000000000000u / 200003)
        for (int decimals : {0, 3, 8}) differences.Check(std::bit_cast<double>(bits), decimals);
    EXPECT_EQ(differences.count, 0);

    for (int v : {0, 1, -1, 5, -5, 10, 99, -100, 123456, std::numeric_limits<int>::max(),
                  std::numeric_limits<int>::min()})
        for (int decimals : DecimalCounts)
            EXPECT_EQ(FormatNum(v, decimals), RoundDecimalText(std::to_string(v), decimals)) << v << " / " << decimals;
}

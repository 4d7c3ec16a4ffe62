#include "dxf/writers/DxfGroups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <charconv>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/DxfRecordLines.h"

namespace {

struct CodeCase {
    int code;
    int width;
    const char* codeLine;
};

struct RealCase {
    float value;
    const char* text;
};

struct TextCase {
    const char* value;
    const char* line;
};

}  // namespace

TEST(DxfGroups, CodeLinesAreTheCodeRightJustifiedInTheirWidth) {
    const CodeCase cases[] = {
        {0, 3, "  0"}, {5, 3, "  5"}, {10, 3, " 10"}, {330, 3, "330"}, {100, 3, "100"},
        {0, 1, "0"},   {7, 1, "7"},   {50, 2, "50"},  {70, 2, "70"},   {290, 4, " 290"}, {1001, 3, "1001"},
    };
    for (const auto& c : cases) {
        std::string out;
        DxfGroups(out).Text(c.code, "v", c.width);
        EXPECT_EQ(out, CrlfLines({c.codeLine, "v"})) << c.code << " in " << c.width;
    }
}

// Codes and integers are written digit by digit or from a table of the small ones: either way as
// the standard formatter right-justifies them, longer numbers whole.
TEST(DxfGroups, CodesAndIntegersAreRightJustifiedWhateverTheirSize) {
    const auto justified = [](int64_t value, int width) {
        const std::string digits = std::to_string(value);
        return std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(digits.size()))), ' ') + digits;
    };
    for (int32_t value : {0, 7, 99, 999, 1000, 1099, 1100, 65535, 999999, 1000000, 2147483647})
        for (int width : {0, 1, 3, 4, 6, 8, 9, 12}) {
            std::string out;
            DxfGroups(out).Text(value, "v", width);
            EXPECT_EQ(out, CrlfLines({justified(value, width), "v"})) << value << " in " << width;
        }
    for (int32_t value : {0, 1, -1, 370, -2, 1099, 1100, -99999, 123456, 1234567, -2147483647 - 1, 2147483647}) {
        std::string out;
        DxfGroups(out).Int(70, value);
        EXPECT_EQ(out, CrlfLines({" 70", justified(value, 6)})) << value;
    }
}

TEST(DxfGroups, AppendsEveryValueFormAfterWhatIsAlreadyThere) {
    std::string out = CrlfLines({"  0", "SECTION"});
    DxfGroups(out)
        .Text(2, "ENTITIES")
        .Int(70, 0)
        .Int(70, -3)
        .Fixed(10, 0.5, 8)
        .Fixed(10, -15.0, 8)
        .Fixed(41, 2.675f, 2)
        .Real(40, 17.5f);
    EXPECT_EQ(out, CrlfLines({"  0", "SECTION", "  2", "ENTITIES", " 70", "     0", " 70", "    -3", " 10",
                              "0.50000000", " 10", "-15.00000000", " 41", "2.68", " 40", "17.5"}));
}

TEST(DxfRealText, WritesAFloatInItsShortPlainForm) {
    const RealCase cases[] = {
        {0.0f, "0"},          {-0.0f, "0"},
        {1.0f, "1"},          {-15.0f, "-15"},
        {0.5f, "0.5"},        {-0.25f, "-0.25"},
        {0.1f, "0.1"},        {0.3f, "0.3"},
        {17.5f, "17.5"},      {123.456f, "123.456"},
        {2.0f / 3.0f, "0.6666667"}, {1234.5678f, "1234.568"},
        {1234567.0f, "1234567"}, {9999999.0f, "9999999"},
        {3000.0f, "3000"},    {0.0001f, "0.0001"},
        {12345678.0f, "1.234568E+07"}, {-0.000025f, "-2.5E-05"},
    };
    for (const auto& c : cases) EXPECT_EQ(DxfRealText(c.value), c.text) << c.value;
}

// The short form is the general form of the standard formatter, which is written out directly
// for the values drawings hold: they must agree to the last digit, ties included.
TEST(DxfRealText, AgreesWithTheStandardGeneralForm) {
    const auto standard = [](float value) {
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
        std::string text(buffer, end);
        if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
        return text;
    };
    // Halves to even at the seventh digit, the edges of the plain form and of each decade.
    for (float value : {1234568.5f, 1234567.5f, 1000000.5f, 999999.5f, 9999999.5f, 9999999.0f, 99999.995f,
                        0.0001f, 0.000099999f, 0.00099999997f, 0.1f, 0.99999997f, 1e7f, 12.5f})
        for (float v : {value, -value}) EXPECT_EQ(DxfRealText(v), standard(v)) << v;
    // Floats across the whole plain range, about a million of them.
    const uint32_t low = std::bit_cast<uint32_t>(0.9e-4f), high = std::bit_cast<uint32_t>(1.1e7f);
    int differing = 0;
    for (uint32_t bits = low; bits <= high; bits += 307)
        for (float v : {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)})
            if (DxfRealText(v) != standard(v) && ++differing < 5) ADD_FAILURE() << v << ": " << DxfRealText(v);
    EXPECT_EQ(differing, 0);
}

// Outside the plain form the standard formatter writes the exponent form itself, into the room
// the in-place text promises: at the edges of the plain form and across the whole float range.
TEST(DxfRealText, AgreesWithTheStandardGeneralFormAcrossTheWholeRange) {
    const auto standard = [](float value) {
        if (value == 0) return std::string("0");
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
        std::string text(buffer, end);
        if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
        return text;
    };
    const auto inPlace = [](float value) {
        char room[DxfRealRoom + 1];
        room[DxfRealRoom] = '#';
        const char* end = DxfRealTextTo(room, value);
        EXPECT_EQ(room[DxfRealRoom], '#') << value;
        return std::string(static_cast<const char*>(room), end);
    };
    std::vector<float> values = {std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(),
                                 std::numeric_limits<float>::max(), 1e-45f, 1.17549e-38f, 1e38f};
    // Each edge of the plain form with its float neighbours: 1E-04 and what rounds to it, 1E+07.
    for (float edge : {1e-4f, 0.000099999995f, 9999999.0f, 1e7f, 0.00009999999f, 99999.995f})
        for (float v = std::nextafter(std::nextafter(edge, 0.0f), 0.0f), n = 0; n < 5; ++n)
            values.push_back(std::exchange(v, std::nextafter(v, 1e30f)));
    const uint32_t highest = std::bit_cast<uint32_t>(std::numeric_limits<float>::max());
    for (uint32_t bits = 0; bits <= highest - 4099; bits += 4099) values.push_back(std::bit_cast<float>(bits));
    int differing = 0;
    for (float value : values)
        for (float v : {value, -value}) {
            const std::string expected = standard(v);
            if ((DxfRealText(v) != expected || inPlace(v) != expected) && ++differing < 5)
                ADD_FAILURE() << v << ": " << DxfRealText(v) << ", not " << expected;
        }
    EXPECT_EQ(differing, 0);
}

TEST(DxfRealText, RefusesValuesNoReaderTakesAsNumbers) {
    for (float value : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                        std::numeric_limits<float>::quiet_NaN()})
        EXPECT_THROW(DxfRealText(value), std::range_error) << value;
}

TEST(DxfGroups, ALineBreakInsideATextValueBecomesOneBlank) {
    const TextCase cases[] = {
        {"Trave 1", "Trave 1"}, {"A\r\nB", "A B"}, {"A\nB", "A B"}, {"A\rB", "A B"},
        {"A\r\n\r\nB", "A B"},  {"A\n", "A "},     {"\r\nA", " A"},
    };
    for (const auto& c : cases) {
        std::string out;
        DxfGroups(out).Text(1, c.value);
        EXPECT_EQ(out, CrlfLines({"  1", c.line})) << c.line;
    }
}

// The files declare code page 1252: a byte it has no printable character for becomes "?", one for
// one, and every other byte of the value stays.
TEST(DxfGroups, AByteNoReaderOfTheCodePageDecodesBecomesAQuestionMark) {
    const TextCase cases[] = {
        {"P\x81r\x8D" "e\x8Ft\x90" "e\x9D", "P?r?e?t?e?"},  // the five bytes the code page leaves undefined
        {"A\x01" "B\x1F" "C\x7F" "D\x1B", "A?B?C?D?"},         // control characters
        {"A\tB", "A?B"},
        {"\x80 \x8E \x9F \xA0 \xD8 \xFF", "\x80 \x8E \x9F \xA0 \xD8 \xFF"},  // printable high bytes stay
        {"A\x81\r\nB", "A? B"},
    };
    for (const auto& c : cases) {
        std::string out;
        DxfGroups(out).Text(1, c.value);
        EXPECT_EQ(out, CrlfLines({"  1", c.line})) << c.line;
    }
    std::string nul;
    DxfGroups(nul).Text(1, std::string_view("A\0B", 3));
    EXPECT_EQ(nul, CrlfLines({"  1", "A?B"}));
}

#include "model/common/Helpers.h"

#include <gtest/gtest.h>

#include "tests/support/ItalianNumericLocale.h"

#include <clocale>
#include <filesystem>
#include <fstream>

#include "state/ShellState.h"

namespace {

struct FormatNumCase {
    double value;
    int decimals;
    const char* expected;
};

}  // namespace

TEST(FormatNum, RoundsHalvesAwayFromZeroWithAFixedCountOfDecimals) {
    const FormatNumCase cases[] = {
        {3.14159, 2, "3.14"}, {3.6, 0, "4"},     {3.6, -1, "4"},     {0.05, 1, "0.1"},
        {-0.5, 2, "-0.50"},   {2.5, 0, "3"},     {-2.5, 0, "-3"},    {0.5, 2, "0.50"},
        {9.995, 2, "10.00"},  {-0.004, 2, "0.00"}, {1234567.0, 1, "1234567.0"}, {0, 3, "0.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNum(c.value, c.decimals), c.expected) << c.value << " / " << c.decimals;
}

TEST(FormatNum, FloatsRoundTheirShortestDecimalText) {
    EXPECT_EQ(FormatNum(2.675f, 2), "2.68");
    EXPECT_EQ(FormatNum(0.05f, 1), "0.1");
    EXPECT_EQ(FormatNum(12.5f, 2), "12.50");
    EXPECT_EQ(FormatNum(-1.25f, 1), "-1.3");
}

TEST(FormatNum, IgnoresADecimalCommaLocale) {
    ItalianNumericLocale italian;
    ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
    ASSERT_TRUE(italian.WritesDecimalComma()) << "the locale should write a decimal comma";

    EXPECT_EQ(FormatNum(3.14159, 2), "3.14");
    EXPECT_EQ(FormatNum(12.5f, 2), "12.50");
    EXPECT_EQ(FormatRounded(0.25f, 3), ".25");
    EXPECT_FLOAT_EQ(TextToSingle("12,5"), 12.5f);
    EXPECT_FLOAT_EQ(TextToSingle("12.5"), 12.5f);
}

TEST(FormatInt6, RightJustifiesInSixCharacters) {
    EXPECT_EQ(FormatInt6(0), "     0");
    EXPECT_EQ(FormatInt6(7), "     7");
    EXPECT_EQ(FormatInt6(-12), "   -12");
    EXPECT_EQ(FormatInt6(123456), "123456");
    EXPECT_EQ(FormatInt6(-12345), "-12345");
    EXPECT_EQ(FormatInt6(1234567), "1234567");
}

TEST(FormatRounded, RoundsHalvesToEvenAndDropsTheLeadingZero) {
    EXPECT_EQ(FormatRounded(1.0f, 3), "1");
    EXPECT_EQ(FormatRounded(0.12f, 1), ".1");
    EXPECT_EQ(FormatRounded(25.4f, 0), "25");
    EXPECT_EQ(FormatRounded(-0.25f, 2), "-.25");
    EXPECT_EQ(FormatRounded(0.375f, 2), ".38");
    EXPECT_EQ(FormatRounded(0.125f, 2), ".12");
    EXPECT_EQ(FormatRounded(50.0f, 3), "50");
}

TEST(CommaToDot, ReplacesOnlyTheFirstComma) {
    EXPECT_EQ(CommaToDot(""), "");
    EXPECT_EQ(CommaToDot("12.5"), "12.5");
    EXPECT_EQ(CommaToDot("1,234,5"), "1.234,5");
}

TEST(TextToSingle, ReadsTheLeadingNumber) {
    const std::pair<const char*, float> cases[] = {
        {"12,5", 12.5f}, {"12.5", 12.5f}, {"3,5 cm", 3.5f}, {"abc", 0.0f}, {"", 0.0f},
        {" 7", 7.0f},    {"1e2", 100.0f}, {"-,5", -0.5f},   {"1 2", 12.0f}, {"2D1", 20.0f},
        {"+4", 4.0f},    {"5.", 5.0f},    {"-", 0.0f},      {"1e999", 0.0f},
    };
    for (const auto& [text, expected] : cases) EXPECT_FLOAT_EQ(TextToSingle(text), expected) << '"' << text << '"';
}

TEST(RoundToFive, RoundsRebarLengthsToFiveCentimetres) {
    const std::pair<float, float> cases[] = {
        {0, 0},    {2.5f, 0},   {2.6f, 5},     {7.5f, 5},  {7.6f, 10},  {99.99f, 100},
        {12.5f, 10}, {12.6f, 15}, {17.5f, 15}, {17.6f, 20}, {-3, -5},
    };
    for (const auto& [x, expected] : cases) EXPECT_FLOAT_EQ(RoundToFive(x), expected) << x;
}

TEST(GetWarningTitle, FollowsTheInterfaceLanguage) {
    LanguageFlags languages;
    EXPECT_EQ(GetWarningTitle(languages), "Attenzione!");
    languages.UiLanguage = 1;
    EXPECT_EQ(GetWarningTitle(languages), "Warning!");
}

TEST(FileExists, FindsOrdinaryFilesOnly) {
    auto folder = std::filesystem::temp_directory_path() / "dravo_fileexists_test";
    std::filesystem::create_directories(folder);
    auto file = folder / "deck.CRP";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_FALSE(FileExists(folder.string()));
    EXPECT_FALSE(FileExists((folder / "missing.CRP").string()));
    EXPECT_FALSE(FileExists(""));
    std::filesystem::remove_all(folder);
}

TEST(StripQuotes, RemovesEnclosingQuotesOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"\"", ""}, {"\"\"", ""}, {"AB\"", "AB"}, {"A\"B\"", "A\"B\""},
        {"\"C:\\deck.CRP\"", "C:\\deck.CRP"}, {"\"A\"B", "A\"B"},
    };
    for (auto [text, expected] : cases) {
        std::string s = text;
        EXPECT_EQ(StripQuotes(s), expected) << text;
        EXPECT_EQ(s, expected);
    }
}

TEST(SwapValues, ExchangesTwoValues) {
    std::string a = "a", b = "b";
    SwapValues(a, b);
    EXPECT_EQ(a + b, "ba");
}

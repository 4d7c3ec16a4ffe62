#include "model/files/WholeFiles.h"
#include "model/files/DataFileReader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/ItalianNumericLocale.h"

#include "state/ShellState.h"

TEST(DataFileReader, NumbersEndAtABlankACommaOrALineEnd) {
    DataFileReader reader(" 12 -1 ,3.5,\r\n\r\n  7\r\n-0.25e1 +4 1D2 \r\n");
    int32_t a = 0, b = 0;
    double c = 0, d = 0, e = 0, f = 0, g = 0;
    ASSERT_TRUE(reader.ReadInt32(a));
    ASSERT_TRUE(reader.ReadInt32(b));
    ASSERT_TRUE(reader.ReadNumber(c));
    ASSERT_TRUE(reader.ReadNumber(d));  // line ends before a number are skipped
    EXPECT_EQ(reader.LastItemLine(), 3);
    ASSERT_TRUE(reader.ReadNumber(e));
    ASSERT_TRUE(reader.ReadNumber(f));
    ASSERT_TRUE(reader.ReadNumber(g));
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(c, 3.5);
    EXPECT_EQ(d, 7);
    EXPECT_EQ(e, -2.5);
    EXPECT_EQ(f, 4);
    EXPECT_EQ(g, 100);
    EXPECT_TRUE(reader.AtEndOfData());
}

TEST(DataFileReader, IntegersReceiveRealsRoundedHalvesToEven) {
    DataFileReader reader("2.5 3.5 -2.5 0.49\r\n");
    int32_t values[4] = {};
    for (auto& v : values) ASSERT_TRUE(reader.ReadInt32(v));
    EXPECT_EQ(values[0], 2);
    EXPECT_EQ(values[1], 4);
    EXPECT_EQ(values[2], -2);
    EXPECT_EQ(values[3], 0);
}

TEST(DataFileReader, ReadsPointDecimalsUnderADecimalCommaLocale) {
    float value = 0;
    bool read = false;
    double leading = 0;
    {
        ItalianNumericLocale italian;
        ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
        DataFileReader reader("12.50 VERSIONE 7.5\r\n");
        read = reader.ReadSingle(value);
        leading = LeadingNumberValue("  3.25xyz");
    }
    ASSERT_TRUE(read);
    EXPECT_FLOAT_EQ(value, 12.5f);
    EXPECT_EQ(leading, 3.25);
}

TEST(DataFileReader, ATrailingCommentStaysForTheNextRead) {
    DataFileReader reader("3   //numero nodi\r\n 0            //flag 0=no  1=fondazione\r\nNEXT\r\n");
    int32_t count = 0, flag = 0;
    std::string comment, key, next;
    ASSERT_TRUE(reader.ReadInt32(count));
    ASSERT_TRUE(reader.ReadText(comment));
    ASSERT_TRUE(reader.ReadInt32(flag));
    ASSERT_TRUE(reader.ReadText(key));
    ASSERT_TRUE(reader.ReadText(next));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(comment, "//numero nodi");
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(key, "//flag 0=no  1=fondazione");
    EXPECT_EQ(next, "NEXT");
}

TEST(DataFileReader, TextItemsRunToACommaOrTheLineEnd) {
    DataFileReader reader("  Muro 1  \r\nLaterizio, classe 2\r\n\"Malta, M10\"  , dopo\r\n\r\n\"aperto\r\nultimo");
    std::string items[7];
    for (auto& item : items) ASSERT_TRUE(reader.ReadText(item));
    EXPECT_EQ(items[0], "Muro 1");
    EXPECT_EQ(items[1], "Laterizio");
    EXPECT_EQ(items[2], "classe 2");
    EXPECT_EQ(items[3], "Malta, M10");
    EXPECT_EQ(items[4], "dopo");
    EXPECT_EQ(items[5], "");       // a blank line is an empty item
    EXPECT_EQ(items[6], "aperto");  // an unclosed quote ends with its line
    std::string last;
    ASSERT_TRUE(reader.ReadText(last));
    EXPECT_EQ(last, "ultimo");  // the last line may lack its line end
    EXPECT_FALSE(reader.ReadText(last));
    EXPECT_EQ(reader.Error().Failure, ReadFailure::EndOfFile);
}

TEST(DataFileReader, ATextThatEndsItsLineRunsToTheLineEnd) {
    DataFileReader reader(
        "  Parete 1, piano terra  \r\n\"Parete, 2\" \r\n\"aperto, 3\r\n\"A\" B\r\n\r\n7\r\nultimo, e basta");
    std::string items[5];
    for (auto& item : items) ASSERT_TRUE(reader.ReadTextToLineEnd(item));
    EXPECT_EQ(items[0], "Parete 1, piano terra");
    EXPECT_EQ(items[1], "Parete, 2");   // enclosed in quotes: they are dropped
    EXPECT_EQ(items[2], "\"aperto, 3");  // an unclosed quote is part of the text
    EXPECT_EQ(items[3], "\"A\" B");
    EXPECT_EQ(items[4], "");             // a blank line is an empty text
    int32_t next = 0;
    ASSERT_TRUE(reader.ReadInt32(next));
    EXPECT_EQ(next, 7);
    std::string last;
    ASSERT_TRUE(reader.ReadTextToLineEnd(last));
    EXPECT_EQ(last, "ultimo, e basta");  // the last line may lack its line end
    EXPECT_FALSE(reader.ReadTextToLineEnd(last));
    EXPECT_EQ(reader.Error().Failure, ReadFailure::EndOfFile);
}

TEST(DataFileReader, WholeLinesKeepTheirBlanks) {
    DataFileReader reader("12 tail of line \r\n  next line\nlast");
    int32_t value = 0;
    std::string rest, line, last;
    ASSERT_TRUE(reader.ReadInt32(value));
    ASSERT_TRUE(reader.ReadLine(rest));
    ASSERT_TRUE(reader.ReadLine(line));
    ASSERT_TRUE(reader.ReadLine(last));
    EXPECT_EQ(rest, "tail of line ");
    EXPECT_EQ(line, "  next line");
    EXPECT_EQ(last, "last");
    EXPECT_EQ(reader.Line(), 3);
}

TEST(DataFileReader, VersionLines) {
    const struct {
        const char* text;
        bool hasVersion;
        int32_t version;
    } cases[] = {
        {"VERSIONE 9", true, 9},  {"versione 9", true, 9},  {"  VERSIONE 9  ", true, 9}, {"VERSIONE 10", true, 10},
        {"VERSIONE 7.5", true, 8}, {"V9", false, 0},         {"9", false, 0},            {"", false, 0},
        {"VERSIONE", true, 0},    {"VERSIONE x", true, 0},
    };
    for (const auto& c : cases) {
        DataFileReader reader(std::string(c.text) + "\r\nNEXT\r\n");
        VersionLine version;
        ASSERT_TRUE(reader.ReadVersionLine(version)) << c.text;
        EXPECT_EQ(version.HasVersion, c.hasVersion) << c.text;
        EXPECT_EQ(version.Version, c.version) << c.text;
        std::string next;
        ASSERT_TRUE(reader.ReadText(next));
        EXPECT_EQ(next, "NEXT") << "the version line is consumed whole: " << c.text;
    }
}

TEST(DataFileReader, FailuresNameTheSectionAndTheLine) {
    {
        DataFileReader reader("1\r\n2\r\nabc 4\r\n");
        reader.SetSection("NODI");
        int32_t value = 0;
        ASSERT_TRUE(reader.ReadInt32(value));
        ASSERT_TRUE(reader.ReadInt32(value));
        EXPECT_FALSE(reader.ReadInt32(value));
        EXPECT_EQ(reader.Error().Failure, ReadFailure::NotANumber);
        EXPECT_EQ(reader.Error().Section, "NODI");
        EXPECT_EQ(reader.Error().Line, 3);
        EXPECT_EQ(reader.Error().Item, "abc");
        EXPECT_FALSE(reader.ReadInt32(value)) << "a failed reader stays failed";
        LanguageFlags english;
        english.UiLanguage = 1;
        EXPECT_EQ(DescribeReadError(reader.Error(), english), "a number was expected (\"abc\"), section NODI, line 3");
    }
    const struct {
        const char* text;
        ReadFailure failure;
        int32_t line;
    } cases[] = {
        {"12x", ReadFailure::NotANumber, 1},       {"1.2.3", ReadFailure::NotANumber, 1},
        {"\r\n\r\n", ReadFailure::EndOfFile, 3},   {"", ReadFailure::EndOfFile, 1},
        {"1e999", ReadFailure::NotANumber, 1},     {"\r\n3000000000", ReadFailure::NotANumber, 2},
        {"- 5", ReadFailure::NotANumber, 1},       {"\"12\"", ReadFailure::NotANumber, 1},
    };
    for (const auto& c : cases) {
        DataFileReader reader(c.text);
        int32_t value = 0;
        EXPECT_FALSE(reader.ReadInt32(value)) << c.text;
        EXPECT_EQ(reader.Error().Failure, c.failure) << c.text;
        EXPECT_EQ(reader.Error().Line, c.line) << c.text;
    }
}

TEST(DataFileReader, CountsAreBoundedByWhatTheRestOfTheFileCanHold) {
    const struct {
        const char* text;
        int32_t minChars;
        bool ok;
        int32_t count;
    } cases[] = {
        {"3\r\n1 2 3 4\r\n", 2, true, 3},     {"6\r\n1 2 3 4\r\n", 2, false, 0},
        {"2000000000\r\n1\r\n", 8, false, 0}, {"-4\r\n", 8, true, -4},
        {"0\r\n", 8, true, 0},                {"1\r\n1 2 3 4", 8, true, 1},
    };
    for (const auto& c : cases) {
        DataFileReader reader(c.text);
        int32_t count = 0;
        EXPECT_EQ(reader.ReadCount(count, c.minChars), c.ok) << c.text;
        if (c.ok) EXPECT_EQ(count, c.count) << c.text;
        else EXPECT_EQ(reader.Error().Failure, ReadFailure::BadCount) << c.text;
    }
}

TEST(DataFileReader, ReadWholeFileRefusesWhatNoDeckCouldBe) {
    const auto folder = std::filesystem::temp_directory_path() / ("dravo-readwhole-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto huge = folder / "HUGE.CRP";
    { std::ofstream(huge) << "VERSIONE 9"; }
    std::filesystem::resize_file(huge, (std::uintmax_t{1} << 30) + 1);  // sparse: nothing is written
    std::string text = "untouched";
    EXPECT_FALSE(ReadWholeFile(huge.string(), text));
    EXPECT_FALSE(ReadWholeFile(folder.string(), text)) << "a folder is no file";
    EXPECT_FALSE(ReadWholeFile((folder / "missing.CRP").string(), text));

    const auto small = folder / "SMALL.CRP";
    { std::ofstream(small, std::ios::binary) << "VERSIONE 9\r\n"; }
    EXPECT_TRUE(ReadWholeFile(small.string(), text));
    EXPECT_EQ(text, "VERSIONE 9\r\n");
    std::filesystem::remove_all(folder);
}

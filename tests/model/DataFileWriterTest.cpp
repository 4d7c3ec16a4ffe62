#include "model/files/DataFileWriter.h"

#include <gtest/gtest.h>

#include "tests/support/ItalianNumericLocale.h"

#include <clocale>
#include <string>
#include <string_view>
#include <vector>

#include "model/files/DataFileReader.h"

TEST(DataFileWriter, IntegersCarryASignPlaceAndATrailingBlank) {
    const struct {
        int64_t value;
        const char* expected;
    } cases[] = {{0, " 0 "}, {-1, "-1 "}, {12, " 12 "}, {-2147483648LL, "-2147483648 "}, {2147483647, " 2147483647 "}};
    for (const auto& c : cases) {
        DataFileWriter writer;
        writer.Int(c.value).EndLine();
        EXPECT_EQ(writer.Output(), std::string(c.expected) + "\r\n") << c.value;
    }
}

TEST(DataFileWriter, ItemsAdvanceToTheNextPrintZone) {
    const struct {
        std::string first;
        std::string line;
    } cases[] = {
        {"", "              X"},                               // an empty item still takes its zone
        {"abc", "abc           X"},                           // next zone: column 15
        {"abcdefghijklm", "abcdefghijklm X"},                 // ends in column 13
        {" 123456789012 ", " 123456789012 X"},               // ends in column 14 on a blank: column 15
        {"abcdefghijklmno", "abcdefghijklmno             X"}, // ends in column 15: pushed to column 29
        {std::string(29, 'a'), std::string(29, 'a') + std::string(13, ' ') + "X"},
        // Ending in the last column of a zone without a blank, an item would run into the next.
        {"abcdefghijklmn", "abcdefghijklmn              X"},
        {std::string(28, 'a'), std::string(28, 'a') + std::string(14, ' ') + "X"},
    };
    for (const auto& c : cases) {
        DataFileWriter writer;
        writer.Raw(c.first).Raw("X").EndLine();
        EXPECT_EQ(writer.Output(), c.line + "\r\n") << '"' << c.first << '"';
    }
}

TEST(DataFileWriter, WritesMixedLinesWithCrLf) {
    DataFileWriter writer;
    writer.Int(1).Real(12.5f, 2).Real(-3.0, 2).Int(-1).EndLine();
    writer.Line("NODI");
    writer.Int(0).Text("//Rck").EndLine();
    writer.EndLine();
    EXPECT_EQ(writer.Output(),
              " 1            12.50         -3.00         -1 \r\n"
              "NODI\r\n"
              " 0            //Rck\r\n"
              "\r\n");
}

TEST(DataFileWriter, LongRealsStaySeparateItems) {
    DataFileWriter writer;
    writer.Real(10000000000.0, 2).Real(1.5f, 2).Int(7).EndLine();
    EXPECT_EQ(writer.Output(), "10000000000.00              1.50           7 \r\n");
    DataFileReader reader(writer.Output());
    double a = 0, b = 0;
    int32_t c = 0;
    ASSERT_TRUE(reader.ReadNumber(a) && reader.ReadNumber(b) && reader.ReadInt32(c));
    EXPECT_EQ(a, 10000000000.0);
    EXPECT_EQ(b, 1.5);
    EXPECT_EQ(c, 7);
}

TEST(DataFileWriter, RealsKeepAPointUnderADecimalCommaLocale) {
    ItalianNumericLocale italian;
    ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
    DataFileWriter writer;
    writer.Real(12.5f, 2).Real(12.5, 2).Real(30.0f, 5).Real(0.5, 0).GeneralReal(2.5f).EndLine();
    EXPECT_EQ(writer.Output(), "12.50         12.50         30.00000      1              2.5 \r\n");
}

TEST(DataFileWriter, GeneralRealsUseTheShortestText) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {{2.5f, " 2.5 "}, {3.0f, " 3 "}, {0.5f, " .5 "}, {-0.25f, "-.25 "}, {0.0f, " 0 "},
                 {1.1f, " 1.1 "}, {12345678.0f, " 1.234568E+07 "}, {0.00001f, " 1E-05 "}};
    for (const auto& c : cases) EXPECT_EQ(GeneralRealItemText(c.value), c.expected) << c.value;
}

TEST(DataFileWriter, QuotesOnlyTheTextsThatWouldNotReadBackWhole) {
    const struct {
        std::string text;
        const char* written;
    } cases[] = {
        {"Muro 1", "Muro 1"},
        {"", ""},
        {"Laterizio, classe 2", "\"Laterizio, classe 2\""},
        {" lead", "\" lead\""},
        {"trail ", "\"trail \""},
        {"\"quoted", "\"'quoted\""},
        {"say \"hi\"", "say \"hi\""},  // a quote inside an unquoted text is harmless
    };
    for (const auto& c : cases) {
        DataFileWriter writer;
        writer.Text(c.text).EndLine();
        EXPECT_EQ(writer.Output(), std::string(c.written) + "\r\n") << c.text;
    }
}

TEST(DataFileWriter, TextsReadBackAsWritten) {
    const std::string texts[] = {"Muro 1", "Laterizio, classe 2", " lead", "trail ", "a,b,c", "NODI", "say \"hi\""};
    DataFileWriter writer;
    for (const auto& text : texts) writer.Text(text).EndLine();
    writer.Text("x, y").Int(5).EndLine();
    DataFileReader reader(writer.Output());
    for (const auto& text : texts) {
        std::string read;
        ASSERT_TRUE(reader.ReadText(read));
        EXPECT_EQ(read, text);
    }
    std::string read;
    int32_t value = 0;
    ASSERT_TRUE(reader.ReadText(read));
    EXPECT_EQ(read, "x, y");
    ASSERT_TRUE(reader.ReadInt32(value));
    EXPECT_EQ(value, 5);
}

namespace {

struct PieceRecorder : TextSink {
    void Append(std::string_view piece) override { Pieces.emplace_back(piece); }
    std::vector<std::string> Pieces;
};

// Lines whose items meet the print-zone rules, an empty line and an unfinished last line.
void WriteZoneLines(DataFileWriter& writer) {
    writer.Raw("abcdefghijklmn").Raw("X").EndLine();
    writer.Raw(" 123456789012 ").Int(-7).Real(2.5f, 2).EndLine();
    writer.EndLine();
    writer.Raw(std::string(28, 'a')).Text("a, b").GeneralReal(0.5f).EndLine();
    writer.Line("NODI");
    writer.Raw("").Raw("Y");
}

}  // namespace

// Handed to a sink, the text is the same byte for byte, in pieces of whole lines, whatever their size.
TEST(DataFileWriter, ASinkGetsTheSameTextInPiecesOfWholeLines) {
    DataFileWriter whole;
    WriteZoneLines(whole);
    for (size_t pieceSize : {size_t{1}, size_t{40}, DataFileWriter::DefaultPieceSize}) {
        SCOPED_TRACE(pieceSize);
        PieceRecorder sink;
        DataFileWriter writer(sink, pieceSize);
        WriteZoneLines(writer);
        writer.Finish();
        std::string joined;
        for (const std::string& piece : sink.Pieces) joined += piece;
        EXPECT_EQ(joined, whole.Output());
        for (size_t k = 0; k + 1 < sink.Pieces.size(); ++k) EXPECT_TRUE(sink.Pieces[k].ends_with("\r\n")) << k;
        if (pieceSize == 1) {
            EXPECT_EQ(sink.Pieces.size(), 6u);  // one a line
        }
    }
}

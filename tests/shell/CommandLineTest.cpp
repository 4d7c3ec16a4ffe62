#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct LineCase {
    std::string Text;
    std::string CurrentFile;
    int32_t SlabNumber;
    bool SlabFileOnly;
};

TEST(CommandLine, GrammarOfPathAndSlabNumber) {
    const LineCase cases[] = {
        {"", "", 0, true},
        {"C:\\DATI\\PIANO.CRP", "C:\\DATI\\PIANO.CRP", 0, true},
        // The extension is found in any case; the path keeps the case it was typed in.
        {"/home/anna/lavori/piano.crp", "/home/anna/lavori/piano.crp", 0, true},
        {"PIANO.CRP 0", "PIANO.CRP", 0, false},
        {"PIANO.CRP abc", "PIANO.CRP", 0, false},
        {"PIANO.CRP ", "PIANO.CRP", 0, false},
        {"PIANO.CRP7", "PIANO.CRP", 7, false},
        {"PIANO.CRP 7", "PIANO.CRP", 7, false},
        {"PIANO.CRP   +7x", "PIANO.CRP", 7, false},
        {"PIANO.CRP-7", "PIANO.CRP", 7, true},
        {"PIANO.CRP -7", "PIANO.CRP", 7, true},
        // Halves go to the even slab number.
        {"piano.crp 2.5", "piano.crp", 2, false},
        {"PIANO.CRP 3.5", "PIANO.CRP", 4, false},
        {"PIANO.CRP -2.5", "PIANO.CRP", 2, true},
        {"PIANO.CRP .5", "PIANO.CRP", 0, false},
        // Only a decimal number counts: an exponent marker ends it.
        {"PIANO.CRP 1e3", "PIANO.CRP", 1, false},
        {"PIANO.CRP 99999999999", "PIANO.CRP", std::numeric_limits<int32_t>::max(), false},
        {"PIANO.CRP -99999999999", "PIANO.CRP", std::numeric_limits<int32_t>::max(), true},
        // Quotes around the whole line go; a path quoted alone keeps its closing quote before the
        // number, which then reads as 0.
        {"\"C:\\MY DATA\\PIANO.CRP 7\"", "C:\\MY DATA\\PIANO.CRP", 7, false},
        {"\"C:\\MY DATA\\PIANO.CRP\"", "C:\\MY DATA\\PIANO.CRP", 0, true},
        {"\"C:\\MY DATA\\PIANO.CRP\" 7", "C:\\MY DATA\\PIANO.CRP", 0, false},
        {"\"", "", 0, true},
        // A folder named like a data file cuts the path after it: the rest is no number.
        {"C:\\OLD.CRP\\PIANO.CRP 3", "C:\\OLD.CRP", 0, false},
        {"/home/anna/old.crp/piano.crp 3", "/home/anna/old.crp", 0, false},
        // Without ".CRP" the first three characters stand for the path.
        {"ABCDEF", "ABC", 0, false},
        {"ABC7", "ABC", 7, false},
        {"AB", "AB", 0, true},
    };
    for (const LineCase& c : cases) {
        const CommandLineStart start = ParseCommandLine(c.Text);
        EXPECT_EQ(start.CurrentFile, c.CurrentFile) << c.Text;
        EXPECT_EQ(start.SlabNumber, c.SlabNumber) << c.Text;
        EXPECT_EQ(start.SlabFileOnly, c.SlabFileOnly) << c.Text;
        EXPECT_EQ(start.IsBatch(), c.SlabNumber != 0) << c.Text;
    }
}

TEST(CommandLine, SlabNumberStopsAtTheFirstOtherCharacter) {
    const std::pair<std::string, int32_t> cases[] = {
        {"", 0}, {"   ", 0}, {"-", 0}, {".", 0}, {"+.", 0}, {"12abc", 12}, {"  -3.49", -3},
        {"1.5.7", 2}, {"1 2", 1}, {"\t5", 5}, {"-0.4", 0}, {"4.", 4},
    };
    for (const auto& [rest, number] : cases) EXPECT_EQ(ReadSlabNumber(rest), number) << "'" << rest << "'";
}

}  // namespace

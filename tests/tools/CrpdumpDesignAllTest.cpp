// crpdump --design-all designs a deck as the automatic design command does, before any save, and
// lists its warnings as messages; a wrong longest upper bar is a wrong command line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/DeckGenerator.h"
#include "tests/design/SlabRowDeck.h"
#include "tests/support/DeckSession.h"
#include "tests/tools/ToolRun.h"

using ::testing::ContainsRegex;
using ::testing::HasSubstr;

namespace {

const std::string OffsetDeck = DeckFixture("design-offset/SOLAI.CRP");

ToolRun Crpdump(const std::string& arguments) { return RunTool(Quoted(DRAVO_CRPDUMP) + " " + arguments); }

// The two slabs of the offset deck, 400 cm each along y, with top steel all along at five points
// and more than any 50 bars carry, saved beside its archive.
std::string SteelAllAlongDeck(const ScratchFolder& scratch) {
    DeckSession deck;
    EXPECT_TRUE(deck.Load(OffsetDeck));
    for (size_t j = 0; j < 2; ++j) {
        deck.model.FloorSlabs[j].DiagramPointCount = 5;
        for (size_t i = 0; i < 5; ++i)
            deck.model.FloorSlabDiagram[j][i] = {.Position = 100.0f * static_cast<float>(i), .LowerSteel = 1,
                                                  .UpperSteel = 100};
    }
    const std::string crp = scratch / "SOLAI.CRP";
    std::filesystem::copy_file(DeckFixture("design-offset/ARCHIMPA.AI0"), scratch / "ARCHIMPA.AI0");
    EXPECT_TRUE(deck.Save(crp));
    return crp;
}

}  // namespace

TEST(CrpdumpDesignAll, DesignsWithTheLongestUpperBarAndListsTheWarnings) {
    ScratchFolder scratch("crpdump-design-all");
    const std::string crp = SteelAllAlongDeck(scratch);
    const std::string saved = scratch / "DESIGNED.CRP";

    const ToolRun run = Crpdump("--design-all --max-upper-bar 500 --save " + Quoted(saved) + " " + Quoted(crp));
    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
    // Cut at 465 cm from its start, the first piece leaves top steel bare up to the next one: that
    // one laps it by 70.
    EXPECT_THAT(run.Output, HasSubstr("ReinforcementSectionCount=1\n"));
    EXPECT_THAT(run.Output, HasSubstr("UpperRebarCount=2 "));
    EXPECT_THAT(run.Output,
                ContainsRegex("UpperRebars\\[0\\]\\[0\\] [^\n]* Y1=-13[.0-9]* Y2=452 BarCount=50 HookFlags=1\n"));
    EXPECT_THAT(run.Output, ContainsRegex("UpperRebars\\[0\\]\\[1\\] [^\n]* Y1=382 Y2=813 BarCount=50 HookFlags=2\n"));
    EXPECT_THAT(run.Output, HasSubstr("MESSAGE Attenzione! | Nessun numero di ferri fino a 50"));

    DeckSession reloaded;
    ASSERT_TRUE(reloaded.Load(saved));
    EXPECT_EQ(reloaded.model.Reinforcement.UpperRebarCount[0], 2);

    // Without the option the longest bar is 1200: one bar from end to end.
    const ToolRun longest = Crpdump("--design-all " + Quoted(crp));
    EXPECT_EQ(longest.ExitCode, 0) << longest.Errors;
    EXPECT_THAT(longest.Output, HasSubstr("UpperRebarCount=1 "));
    EXPECT_THAT(longest.Output, ContainsRegex(" Y1=-13[.0-9]* Y2=813 BarCount=50 HookFlags=3\n"));
}

// Eight slabs of 600 cm with top steel at every other one of 21 points: 81 upper records, of which
// the table holds 71. The warning of the bars in excess says where the upper bars end.
TEST(CrpdumpDesignAll, TheWarningSaysWhereTheUpperBarsOfASectionCutShortEnd) {
    ScratchFolder scratch("crpdump-cut-short");
    SlabRowDeck row(std::vector<float>(8, 0), false, 600);
    std::vector<float> everyOther(21, 0);
    for (size_t i = 0; i < everyOther.size(); i += 2) everyOther[i] = 1.0f;
    for (int32_t j = 0; j < 8; ++j) row.Diagram(j, everyOther, std::vector<float>(21, 1.0f));
    const std::string crp = scratch / "ROW.CRP";
    ASSERT_TRUE(row.Save(crp));
    {
        std::ofstream archive(scratch / "ARCHIMPA.AI0", std::ios::binary);
        archive << GeneratedArchiveText();
    }

    const ToolRun run = Crpdump("--design-all " + Quoted(crp));
    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_THAT(run.Output, HasSubstr("UpperRebarCount=71 "));
    EXPECT_THAT(run.Output, HasSubstr("MESSAGE Attenzione! | Una sezione richiede più di 71 ferri superiori o "
                                      "inferiori: i ferri in eccesso non sono stati inseriti.\\nIn una sezione i "
                                      "ferri superiori finiscono nel solaio S.8: gli ultimi 585 cm della sezione "
                                      "sono rimasti senza ferri superiori.\n"));
}

TEST(CrpdumpDesignAll, AWrongLongestUpperBarIsAWrongCommandLine) {
    for (const char* arguments : {"--max-upper-bar 600", "--design-all --max-upper-bar 499",
                                  "--design-all --max-upper-bar 1201", "--design-all --max-upper-bar 600.5",
                                  "--design-all --max-upper-bar 6e2", "--design-all --max-upper-bar ''",
                                  "--design-all --max-upper-bar"}) {
        SCOPED_TRACE(arguments);
        const ToolRun run = Crpdump(std::string(arguments) + " " + Quoted(OffsetDeck));
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_THAT(run.Errors, HasSubstr("usage: crpdump"));
        EXPECT_EQ(run.Output, "");
    }
}

// Nothing in it is designable: the deck is listed and saved as it is.
TEST(CrpdumpDesignAll, ADeckWithoutFloorSlabDesignIsNotDesigned) {
    ScratchFolder scratch("crpdump-no-design");
    const std::string saved = scratch / "OUT.CRP";
    const ToolRun run = Crpdump("--design-all --save " + Quoted(saved) + " " +
                                Quoted(DeckFixture("section-limits/ZERO.CRP")));
    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_THAT(run.Errors, HasSubstr("crpdump: the deck holds no floor-slab design"));
    EXPECT_THAT(run.Output, HasSubstr("ReinforcementSectionCount=0\n"));
    EXPECT_TRUE(std::filesystem::exists(saved));
}

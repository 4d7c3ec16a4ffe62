#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEST(CommandTable, CaptionsFollowTheInterfaceLanguage) {
    LanguageFlags italian, english;
    english.UiLanguage = 1;
    EXPECT_EQ(PulsText(2035, italian), "&Genera file DXF");
    EXPECT_EQ(PulsText(2035, english), "&DXF output");
    EXPECT_EQ(PulsText(127, english), "Edit perimeter of soles");
    EXPECT_EQ(PulsText(999, italian), "");
    EXPECT_EQ(PulsText(2031, italian), "") << "a recent file's caption is its file name";
}

TEST(CommandTable, EachCommandIsEnabledByItsRuleForEveryDocumentState) {
    struct Deck {
        int32_t design, floorSlabs, concreteSlabs;
    };
    const Deck decks[] = {{0, 0, 0}, {0, 2, 1}, {1, 3, 0}, {1, 0, 2}, {2, 3, 1}};
    for (const Deck& d : decks) {
        Session s;
        s.shell.Document.SlabDesignState = d.design;
        s.model.FloorSlabCount = d.floorSlabs;
        s.model.ConcreteSlabCount = d.concreteSlabs;
        for (const CommandInfo& c : CommandTable()) {
            const CommandUpdate u = UpdateCommand(c.Id, s);
            const bool ruled = c.Id >= 101 && c.Id <= 131 && c.Id != 103 && c.Id != 110;
            EXPECT_EQ(u.Touched, ruled) << c.Id;
            bool expected = true;
            if (ruled) {
                if (c.Id <= 118) expected = d.design != 0;
                else if (c.Id <= 126) expected = d.design >= 2;
                else if (c.Id == 127) expected = d.floorSlabs > 0;
                else expected = d.concreteSlabs > 0;
            }
            EXPECT_EQ(u.Enabled, expected) << "command " << c.Id << " at design state " << d.design;
        }
    }
}

TEST(CommandTable, TheTextSizeCommandShowsItsStateEvenWhileDisabled) {
    Session s;
    s.shell.Options.OptimalTextSize = 1;
    const CommandUpdate u = UpdateCommand(118, s);
    EXPECT_TRUE(u.Checked);
    EXPECT_FALSE(u.Enabled);
}

TEST(CommandTable, TheBarsHoldEveryCommandOnceInTheirPlaces) {
    std::multiset<int32_t> shown;
    size_t buttons = 0;
    for (int32_t id : ToolbarLayout())
        if (id != BarSeparator) shown.insert(id), ++buttons;
    EXPECT_EQ(buttons, 29u);
    for (int32_t id : FileMenuLayout())
        if (id != BarSeparator) shown.insert(id);
    for (int32_t id : {103, 2031, 2032, 2033, 2034, 2035, 2036})
        EXPECT_EQ(std::count(ToolbarLayout().begin(), ToolbarLayout().end(), id), 0) << id;
    for (const CommandInfo& c : CommandTable()) {
        const size_t expected = c.Id == 100 || c.Id == 101 || c.Id == 102 || c.Id == 110 ? 2 : 1;
        if (c.Id == DxfOutputCommand || c.Id == AboutCommand) continue;  // on the menu bar itself
        EXPECT_EQ(shown.count(c.Id), expected) << c.Id;
    }
    EXPECT_EQ(ToolbarLayout().front(), 100);
    EXPECT_EQ(ToolbarLayout().back(), 131);
}

TEST(CommandTable, ToolCommandsStartTheirStateWithTheirPrompt) {
    EXPECT_EQ(ToolStartOf(111)->State, 2000);
    EXPECT_STREQ(ToolStartOf(121)->PromptEnglish, "Seleziona il solaio da progettare");
    EXPECT_STREQ(ToolStartOf(124)->PromptEnglish, "Select the rebar to edit");
    EXPECT_TRUE(ToolStartOf(123)->ForgetHighlight);
    EXPECT_FALSE(ToolStartOf(129).has_value());
    EXPECT_FALSE(ToolStartOf(106).has_value());
}

}  // namespace

// The automatic design command of the main window and crpdump --design-all, run on the same deck
// in the same build: the tool's listing is the window's model, line for line.
#include <gtest/gtest.h>

#include <string>

#include "design/DesignCommands.h"
#include "tests/shell/qt/MainWindowFixture.h"
#include "tests/tools/ToolRun.h"

namespace {

constexpr int DesignAgainCommand = 120;

// The demo deck holds designed sections: the command drops them and designs every floor slab anew.
TEST_F(MainWindowTest, CrpdumpDesignsAllAsTheWindowsCommandDoes) {
    const auto form = Start(DemoDeck());
    Session& session = form->session();
    ASSERT_EQ(session.shell.Document.LoadStatus, 0);
    ASSERT_GT(session.model.Reinforcement.ReinforcementSectionCount, 0) << "the demo is to hold sections";
    form->CommandBars_Execute(DesignAgainCommand);
    const std::string window = DumpModel(session.model);
    std::string windowMessages;
    for (const ShownBox& box : boxes_) windowMessages += "MESSAGE " + box.Title + " | " + box.Text + "\n";

    const std::string longest = std::to_string(session.design.MaxUpperBarLength);
    const ToolRun tool = RunTool(Quoted(DRAVO_CRPDUMP) + " --design-all --max-upper-bar " + longest + " " +
                                 Quoted(DemoDeck()));
    ASSERT_EQ(tool.ExitCode, 0) << tool.Errors;
    EXPECT_EQ(tool.Errors, "");
    EXPECT_EQ(tool.Output.substr(0, window.size()), window);
    const size_t toolMessages = tool.Output.find("MESSAGE ");
    EXPECT_EQ(toolMessages == std::string::npos ? "" : tool.Output.substr(toolMessages), windowMessages);

    // What both give is the design of the deck with no section left of its own.
    DeckSession bare;
    ASSERT_TRUE(bare.Load(DemoDeck()));
    bare.model.Reinforcement.Clear();
    bare.design.MaxUpperBarLength = session.design.MaxUpperBarLength;
    DesignAllFloorSlabs(bare, bare.platform);
    EXPECT_EQ(DumpModel(bare.model), window);
}

}  // namespace

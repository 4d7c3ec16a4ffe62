#include "shell/CommandDispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessMessageBoxes.h"
#include "plangeom/AutoDimensions.h"
#include "shell/ViewNavigation.h"
#include "tests/support/TwoBayFrame.h"

namespace {

// The window's side of the commands, as a list of what was asked of it.
class RecordedActions : public CommandActions {
public:
    std::vector<std::string> Calls;

    void OpenCommand() override { Calls.push_back("open"); }
    void SaveCommand() override { Calls.push_back("save"); }
    void SaveAsCommand() override { Calls.push_back("save as"); }
    void Exit() override { Calls.push_back("exit"); }
    void ShowSettingsDialog() override { Calls.push_back("settings"); }
    void ShowAbout() override { Calls.push_back("about"); }
    void ShowDesignOptionsDialog() override { Calls.push_back("design options"); }
    void DesignReinforcementAgain() override { Calls.push_back("design all"); }
    void RunDxfOutput() override { Calls.push_back("dxf"); }
    void CaricaRece(int32_t slot) override { Calls.push_back("recent " + std::to_string(slot)); }
    void Redraw() override { Calls.push_back("redraw"); }
    void ShowPrompt(const std::string& prompt) override { Calls.push_back("prompt " + prompt); }
};

// A loaded two-bay frame with its floor-slab design, shown at 800 × 600 pixels.
class CommandDispatchTest : public ::testing::Test {
protected:
    CommandDispatchTest() {
        frame_.D.Derive();
        s_.model = frame_.D.M;
        s_.model.Header.ModelMaxX = 1000, s_.model.Header.ModelMaxY = 400;
        s_.shell.Document.SlabDesignState = 2;
        ViewWindow& v = s_.drawing.View;
        v.CanvasWidthPx = 800, v.CanvasHeightPx = 600;
        ZoomToModelExtents(v, s_.model.Header);
    }

    CommandContext Context() { return {s_, messages_, actions_}; }
    std::vector<std::string> Run(std::initializer_list<int32_t> ids) {
        actions_.Calls.clear();
        for (int32_t id : ids) ExecuteCommand(id, Context());
        return actions_.Calls;
    }
    void AddDimension(const std::string& text) {
        Dimension d;
        d.Text = text;
        s_.model.Dimensions.push_back(d);
        s_.model.DimensionCount = static_cast<int32_t>(s_.model.Dimensions.size());
    }

    TwoBayFrame frame_;
    Session s_;
    HeadlessMessageBoxes messages_;
    RecordedActions actions_;
};

using Calls = std::vector<std::string>;

TEST_F(CommandDispatchTest, FlowsDialogsAndActionsAreHandedToTheWindow) {
    const struct {
        int32_t id;
        Calls calls;
    } cases[] = {
        {100, {"open"}},           {101, {"save"}},     {102, {"save as"}},       {103, {"exit"}},
        {110, {"settings"}},       {119, {"design options"}}, {2031, {"recent 0"}}, {2034, {"recent 3"}},
        {2035, {"dxf"}},           {2036, {"about"}},   {129, {}},                {130, {}},
        {999, {}},                 {0, {}},
    };
    for (const auto& c : cases) {
        s_.editor.InteractionState = 2000;
        EXPECT_EQ(Run({c.id}), c.calls) << c.id;
        EXPECT_EQ(s_.shell.LastCommandId, c.id);
        EXPECT_EQ(s_.editor.InteractionState, 2000) << c.id << " leaves the tool in force";
    }
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(CommandDispatchTest, ToolCommandsStartTheirStateWithThePromptOfTheInterfaceLanguage) {
    const struct {
        int32_t id;
        int32_t uiLanguage;
        int32_t state;
        Calls calls;
        bool forgetsHighlight;
    } cases[] = {
        {111, 0, 2000, {}, false},
        {113, 1, 4000, {}, false},
        {114, 0, 6000, {}, true},
        {116, 0, 7000, {}, true},
        {121, 1, 1002, {"prompt Seleziona il solaio da progettare"}, false},
        {123, 0, 1300, {"prompt Seleziona la sezione da cancellare"}, true},
        {124, 1, 8000, {"prompt Select the rebar to edit"}, false},
        {124, 0, 8000, {"prompt Seleziona il ferro da editare"}, false},
        {125, 0, 9000, {}, false},
        {126, 1, 9500, {"prompt Select the rebar to delete"}, false},
        {127, 1, 9600, {"prompt Seleziona il solaio da modificare"}, false},
        {131, 0, 9550, {"prompt Seleziona la soletta da progettare"}, false},
        {131, 1, 9550, {"prompt Select the concrete slab to design"}, false},
    };
    for (const auto& c : cases) {
        s_.shell.Languages.UiLanguage = c.uiLanguage;
        s_.editor.InteractionState = 3;  // a half-entered zoom window is simply replaced
        s_.editor.Hover.LastHighlightedIndex = 7;
        EXPECT_EQ(Run({c.id}), c.calls) << c.id;
        EXPECT_EQ(s_.editor.InteractionState, c.state) << c.id;
        EXPECT_EQ(s_.editor.Hover.LastHighlightedIndex, c.forgetsHighlight ? -1 : 7) << c.id;
    }
}

TEST_F(CommandDispatchTest, ViewStepsRedrawWhenTheViewChanged) {
    const ViewWindow fitted = s_.drawing.View;
    const float width = fitted.ViewXMax - fitted.ViewXMin;
    EXPECT_EQ(Run({106}), Calls{"redraw"});
    EXPECT_NEAR(s_.drawing.View.ViewXMax - s_.drawing.View.ViewXMin, 0.9f * width, 1e-2);
    EXPECT_EQ(Run({105}), Calls{"redraw"});
    EXPECT_FLOAT_EQ(s_.drawing.View.ViewXMin, fitted.ViewXMin);
    EXPECT_EQ(Run({107, 108}), (Calls{"redraw", "redraw"}));
    EXPECT_FLOAT_EQ(s_.drawing.View.ViewXMin, fitted.ViewXMin);
    EXPECT_FLOAT_EQ(s_.drawing.View.ViewScale, fitted.ViewScale);

    // A view too narrow to zoom into is left as it is, and nothing is redrawn.
    ViewWindow& v = s_.drawing.View;
    v.ViewXMin = 0, v.ViewXMax = 0.2f, v.ViewYMin = 0, v.ViewYMax = 0.15f;
    EXPECT_EQ(Run({106}), Calls{});
    EXPECT_FLOAT_EQ(v.ViewXMax, 0.2f);
}

TEST_F(CommandDispatchTest, ZoomWindowAndPanKeepTheToolInForceForLater) {
    EditorState& e = s_.editor;
    e.InteractionState = 2000;  // a horizontal dimension with its first point taken
    e.Reference.RefP1ScreenX = 400, e.Reference.RefP1ScreenY = 300;
    e.ZoomPan.DragStartX = 5, e.ZoomPan.DragEndY = 9, e.ZoomPan.RubberBandRect = {1, 2, 3, 4};
    EXPECT_EQ(Run({104}), Calls{});
    EXPECT_EQ(e.InteractionState, 2);
    EXPECT_EQ(e.SuspendedInteractionState, 2000);
    EXPECT_EQ(e.ZoomPan.DragStartX, -1);
    EXPECT_EQ(e.ZoomPan.DragEndY, 0);
    EXPECT_EQ(e.ZoomPan.RubberBandRect, (std::array<int32_t, 4>{}));
    const ViewWindow& v = s_.drawing.View;
    EXPECT_FLOAT_EQ(e.Reference.RefP1WorldX, v.ViewXMin + 400 / v.ViewScale) << "the point is kept on the model";

    // Starting the zoom window again, or a pan, from inside it still returns to the dimension
    // afterwards, not to a zoom window that would never end.
    EXPECT_EQ(Run({104, 109}), Calls{});
    EXPECT_EQ(e.InteractionState, 500);
    EXPECT_EQ(e.SuspendedInteractionState, 2000);
    e.InteractionState = 501;
    Run({104});
    EXPECT_EQ(e.SuspendedInteractionState, 2000);
}

TEST_F(CommandDispatchTest, ContinuedDimensioningNeedsADimensionToStartFrom) {
    s_.shell.Languages.UiLanguage = 1;
    s_.editor.InteractionState = 7000;
    EXPECT_EQ(Run({115}), Calls{});
    ASSERT_EQ(messages_.Shown().size(), 1u);
    const ShownMessage& warning = messages_.Shown()[0];
    EXPECT_EQ(warning.Title, "Warning!");
    EXPECT_EQ(warning.Text, "There are no dimensions to snap");
    EXPECT_EQ(warning.Buttons, MsgButtons::Ok);
    EXPECT_EQ(warning.Icon, MsgIcon::Exclamation);
    EXPECT_EQ(s_.editor.InteractionState, 7000) << "the tool in force stays";

    AddDimension("500");
    EXPECT_EQ(Run({115}), Calls{"prompt Seleziona la quota base a cui agganciarsi"});
    EXPECT_EQ(s_.editor.InteractionState, 5000);
    EXPECT_EQ(s_.editor.Dimensions.CurrentDimension, -1);
}

TEST_F(CommandDispatchTest, AutomaticDimensionsReplaceTheOthersOnlyWhenTheUserAgrees) {
    Model automatic = s_.model;
    MeasuredPoints measured;
    CreateAutoDimensions(automatic, s_.shell.Options, measured);
    ASSERT_GT(automatic.DimensionCount, 0);

    EXPECT_EQ(Run({117}), Calls{"redraw"}) << "no dimension yet: nothing is asked";
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(s_.model.Dimensions, automatic.Dimensions);

    s_.model.Dimensions.clear();
    AddDimension("own");
    messages_.Script({MsgAnswer::No, MsgAnswer::Yes});
    EXPECT_EQ(Run({117}), Calls{});
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].Text, "La quotatura automatica annullerà le quote esistenti.\nProcedere?");
    EXPECT_EQ(messages_.Shown()[0].Title, "Attenzione!");
    EXPECT_EQ(messages_.Shown()[0].Buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages_.Shown()[0].Icon, MsgIcon::None);
    EXPECT_EQ(s_.model.DimensionCount, 1);

    EXPECT_EQ(Run({117}), Calls{"redraw"});
    EXPECT_EQ(s_.model.Dimensions, automatic.Dimensions);
    EXPECT_EQ(s_.model.DimensionCount, automatic.DimensionCount);
}

// The automatic design, which drops the deck's sections before it designs anew (tested with the
// window's command), asks nothing first.
TEST_F(CommandDispatchTest, TextSizeSwitchesAndAutomaticDesignAsksNothing) {
    s_.shell.Options.OptimalTextSize = 1;
    EXPECT_EQ(Run({118}), Calls{"redraw"});
    EXPECT_EQ(s_.shell.Options.OptimalTextSize, 0);
    EXPECT_EQ(Run({118}), Calls{"redraw"});
    EXPECT_EQ(s_.shell.Options.OptimalTextSize, 1);

    s_.model.Reinforcement.ReinforcementSectionCount = 2;
    EXPECT_EQ(Run({120}), Calls{"design all"});
    EXPECT_TRUE(messages_.Shown().empty()) << "replaced without a question";
}

TEST_F(CommandDispatchTest, RightClickRepeatsTheLastCommandWhileItIsEnabled) {
    EXPECT_FALSE(RepeatLastCommand(Context())) << "no command yet";
    EXPECT_TRUE(actions_.Calls.empty());

    Run({106});
    const float width = s_.drawing.View.ViewXMax - s_.drawing.View.ViewXMin;
    EXPECT_TRUE(RepeatLastCommand(Context()));
    EXPECT_NEAR(s_.drawing.View.ViewXMax - s_.drawing.View.ViewXMin, 0.9f * width, 1e-2) << "zoomed in once more";
    EXPECT_EQ(s_.shell.LastCommandId, 106);

    Run({111});
    s_.editor.InteractionState = 2001;
    EXPECT_TRUE(RepeatLastCommand(Context()));
    EXPECT_EQ(s_.editor.InteractionState, 2000) << "the tool starts afresh";

    // After a failed load the document is gone: what needs one is not repeated.
    Run({121});
    s_.shell.Document.SlabDesignState = 1;
    s_.editor.InteractionState = 0;
    actions_.Calls.clear();
    EXPECT_FALSE(RepeatLastCommand(Context()));
    EXPECT_EQ(s_.editor.InteractionState, 0);
    EXPECT_TRUE(actions_.Calls.empty());
    EXPECT_EQ(s_.shell.LastCommandId, 121);

    s_.shell.Document.SlabDesignState = 0;
    Run({100});
    actions_.Calls.clear();
    EXPECT_TRUE(RepeatLastCommand(Context()));
    EXPECT_EQ(actions_.Calls, Calls{"open"}) << "Open needs no document";

    // A recent-file entry is repeated only while its slot still holds a file.
    s_.shell.Recent.RecentFiles = {"/decks/A.CRP", "/decks/B.CRP", "", ""};
    s_.shell.Recent.RecentFileCount = 2;
    Run({2032});
    actions_.Calls.clear();
    EXPECT_TRUE(RepeatLastCommand(Context()));
    s_.shell.Recent.RecentFileCount = 1;
    EXPECT_FALSE(RepeatLastCommand(Context()));
    EXPECT_EQ(actions_.Calls, Calls{"recent 1"});
}

}  // namespace

// The question on an outline edited in the vertex panel and not yet assigned, before the flows
// that would save, close, replace or export the document without it.
#include "shell/UnassignedOutlineQuestion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editing/VertexPanel.h"
#include "model/common/Helpers.h"
#include "shell/DocumentSteps.h"
#include "shell/DxfOutputCommand.h"
#include "shell/RecentFiles.h"
#include "tests/support/DeckSession.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* Question =
    "Il perimetro modificato nel pannello dei vertici non è ancora stato assegnato.\n"
    "Vuoi assegnarlo prima di proseguire?";
constexpr const char* SaveQuestion = "Vuoi salvare l'attuale impalcato?";
constexpr float MovedX = 40;

struct DrawingWindow : DocumentWindow {
    void TitoloFR1() override {}
    void DrawPlan() override { ++Draws; }
    void RefreshRecentMenu() override {}
    void ToolsEnded() override {}
    int Draws = 0;
};

class UnassignedOutlineQuestionTest : public ::testing::Test {
protected:
    UnassignedOutlineQuestionTest() : folder_("outline-question") {
        deck_.shell.Folders.SettingsFolder = fs::path(folder_ / "x").parent_path().string();
        deck_.canvas.SetSize(800, 600);
        const std::string demo = std::string(DRAVO_EXAMPLES) + "/frame/";
        for (const char* name : {"DEMO.CRP", "ARCHIMPA.AI0"}) fs::copy_file(demo + name, folder_ / name);
        fs::create_directories(folder_ / "other");
        for (const char* name : {"DEMO.CRP", "ARCHIMPA.AI0"}) fs::copy_file(demo + name, folder_ / (std::string("other/") + name));
        MarkDocumentUnchanged(deck_);
        LoadDocument(Context(), Demo());
        EXPECT_EQ(deck_.shell.Document.LoadStatus, 0) << deck_.Messages();
        deck_.messages.ClearShown();
        saved_ = FileText(Demo());
    }

    std::string Demo() const { return folder_ / "DEMO.CRP"; }
    std::string Other() const { return folder_ / "other/DEMO.CRP"; }
    DocumentContext Context() { return {deck_, deck_.platform, window_}; }

    // Floor slab S.1's first vertex moved to x = 40 in the panel, and left there unassigned.
    void MoveTheFirstVertex() {
        ASSERT_TRUE(OpenVertexPanel(deck_, 0, false));
        VertexPanelState& panel = deck_.editor.VertexPanel;
        panel.TypedCoordinates[0] = FormatNum(MovedX, 1);
        AssignVertexCoordinates(deck_, deck_.messages);
        ASSERT_TRUE(HoldsUnassignedOutline(deck_));
        ASSERT_TRUE(deck_.messages.Shown().empty()) << deck_.Messages();
    }
    // The first vertex of S.1 in the deck saved at `path`.
    static float FirstVertexXSavedIn(const std::string& path) {
        DeckSession saved;
        EXPECT_TRUE(saved.Load(path)) << saved.Messages();
        const int32_t point = saved.model.FloorSlabOutline[0][0];
        return saved.model.PlanNodes[static_cast<size_t>(point)].X;
    }
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (const ShownMessage& m : deck_.messages.Shown()) texts.push_back(m.Text);
        return texts;
    }

    ScratchFolder folder_;
    DeckSession deck_;
    DrawingWindow window_;
    std::string saved_;
};

// The close asks first; Yes assigns, and the save question that follows writes the moved vertex.
TEST_F(UnassignedOutlineQuestionTest, TheCloseAsksBeforeTheSaveQuestion) {
    const float before = FirstVertexXSavedIn(Demo());
    ASSERT_NE(before, MovedX);
    const struct {
        MsgAnswer Answer;
        CloseDecision Decision;
        std::vector<std::string> Asked;
        bool Assigned;
    } cases[] = {
        {MsgAnswer::Yes, CloseDecision::Close, {Question, SaveQuestion}, true},
        {MsgAnswer::No, CloseDecision::Close, {Question, SaveQuestion}, false},
        {MsgAnswer::Cancel, CloseDecision::Keep, {Question}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Answer));
        ASSERT_TRUE(WriteWholeFile(Demo(), saved_));
        LoadDocument(Context(), Demo());
        deck_.messages.ClearShown();
        MoveTheFirstVertex();
        window_.Draws = 0;
        deck_.messages.Script({c.Answer});
        if (c.Answer != MsgAnswer::Cancel) deck_.messages.Script({MsgAnswer::Yes});  // the save question

        EXPECT_EQ(CloseDocumentFlow(Context()), c.Decision);
        EXPECT_EQ(Asked(), c.Asked);
        EXPECT_EQ(deck_.messages.Shown()[0].Buttons, MsgButtons::YesNoCancel);
        // Yes closes the panel and shows the plan with the slab's new outline before the save question.
        EXPECT_EQ(deck_.editor.VertexPanel.VertexPanelMode == 0, c.Assigned);
        EXPECT_EQ(window_.Draws, c.Assigned ? 1 : 0);
        if (c.Answer == MsgAnswer::Cancel) {
            EXPECT_EQ(FileText(Demo()), saved_);
        } else {
            EXPECT_EQ(FirstVertexXSavedIn(Demo()), c.Assigned ? MovedX : before);
        }
    }
}

TEST_F(UnassignedOutlineQuestionTest, SaveAndSaveAsAskFirst) {
    const float before = FirstVertexXSavedIn(Demo());
    const std::string elsewhere = folder_ / "other/COPIA.CRP";
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel}) {
        for (const bool saveAs : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(answer)) + (saveAs ? " save as" : " save"));
            ASSERT_TRUE(WriteWholeFile(Demo(), saved_));
            fs::remove(elsewhere);
            LoadDocument(Context(), Demo());
            deck_.messages.ClearShown();
            MoveTheFirstVertex();
            const size_t dialogs = deck_.dialogs.Asked().size();
            deck_.messages.Script({answer});
            if (saveAs) deck_.dialogs.ScriptPaths({elsewhere});

            if (saveAs) SaveAsCommand(Context());
            else SaveCommand(Context());
            EXPECT_EQ(Asked(), std::vector<std::string>{Question});
            const std::string target = saveAs ? elsewhere : Demo();
            if (answer == MsgAnswer::Cancel) {
                EXPECT_EQ(deck_.dialogs.Asked().size(), dialogs);
                EXPECT_EQ(FileText(Demo()), saved_);
                EXPECT_FALSE(fs::exists(elsewhere));
                EXPECT_TRUE(HoldsUnassignedOutline(deck_));
                continue;
            }
            EXPECT_EQ(FirstVertexXSavedIn(target), answer == MsgAnswer::Yes ? MovedX : before);
            // No leaves the edit in the panel, as it was.
            EXPECT_EQ(HoldsUnassignedOutline(deck_), answer == MsgAnswer::No);
        }
    }
}

// Open and a recent entry ask before the save question and the file dialog; Cancel stops there.
TEST_F(UnassignedOutlineQuestionTest, OpenAndRecentEntriesAskFirst) {
    const float before = FirstVertexXSavedIn(Demo());
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel}) {
        for (const bool recent : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(answer)) + (recent ? " recent entry" : " open"));
            ASSERT_TRUE(WriteWholeFile(Demo(), saved_));
            LoadDocument(Context(), Demo());
            AddRecentFile(deck_, Other());
            deck_.messages.ClearShown();
            MoveTheFirstVertex();
            const size_t dialogs = deck_.dialogs.Asked().size();
            deck_.messages.Script({answer});
            if (answer != MsgAnswer::Cancel) deck_.messages.Script({MsgAnswer::Yes});  // the save question
            if (!recent) deck_.dialogs.ScriptPaths({Other()});

            if (recent) CaricaRece(Context(), 0);
            else OpenCommand(Context());
            if (answer == MsgAnswer::Cancel) {
                EXPECT_EQ(Asked(), std::vector<std::string>{Question});
                EXPECT_EQ(deck_.dialogs.Asked().size(), dialogs);
                EXPECT_EQ(deck_.shell.Document.CurrentFile, Demo());
                EXPECT_TRUE(HoldsUnassignedOutline(deck_));
                EXPECT_EQ(FileText(Demo()), saved_);
                continue;
            }
            EXPECT_EQ(Asked(), (std::vector<std::string>{Question, SaveQuestion}));
            EXPECT_EQ(FirstVertexXSavedIn(Demo()), answer == MsgAnswer::Yes ? MovedX : before);
            EXPECT_EQ(deck_.shell.Document.CurrentFile, Other());
            EXPECT_EQ(deck_.editor.VertexPanel.VertexPanelMode, 0);
        }
    }
}

// The DXF output asks before it writes its copy: Yes exports the assigned outline, Cancel stops.
TEST_F(UnassignedOutlineQuestionTest, TheDxfOutputAsksFirst) {
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::Cancel}) {
        SCOPED_TRACE(static_cast<int>(answer));
        LoadDocument(Context(), Demo());
        deck_.messages.ClearShown();
        MoveTheFirstVertex();
        deck_.messages.Script({answer});
        if (answer == MsgAnswer::Yes) deck_.messages.Script({MsgAnswer::No});  // the offer to save
        int32_t exportedPoint = -1;
        bool exported = false;
        RunDxfOutput(Context(), [&] {
            exported = true;
            exportedPoint = deck_.model.FloorSlabOutline[0][0];
        });
        EXPECT_EQ(exported, answer == MsgAnswer::Yes);
        ASSERT_FALSE(Asked().empty());
        EXPECT_EQ(Asked()[0], Question);
        if (exported) {
            EXPECT_EQ(deck_.model.PlanNodes[static_cast<size_t>(exportedPoint)].X, MovedX);
        }
        EXPECT_EQ(HoldsUnassignedOutline(deck_), answer == MsgAnswer::Cancel);
        EXPECT_FALSE(fs::exists(folder_ / "imp.TMP"));
    }
}

// Nothing is asked while the panel holds no edit: only opened, or coordinates typed but not assigned.
TEST_F(UnassignedOutlineQuestionTest, NoQuestionWithoutAnEdit) {
    ASSERT_TRUE(OpenVertexPanel(deck_, 0, false));
    deck_.editor.VertexPanel.TypedCoordinates[0] = "40";
    SaveCommand(Context());
    EXPECT_EQ(CloseDocumentFlow(Context()), CloseDecision::Close);
    EXPECT_TRUE(deck_.messages.Shown().empty()) << deck_.Messages();
    EXPECT_EQ(deck_.editor.VertexPanel.VertexPanelMode, 1);
}

}  // namespace

// The document flows on the headless platform: scripted answers to the save question and the
// file dialogs, a window that records what it is asked to do.
#include "shell/DocumentFlows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "design/DesignCommands.h"
#include "design/RebarEdits.h"
#include "editing/DimensionEditing.h"
#include "editing/SlabPerimeter.h"
#include "plangeom/AutoDimensions.h"
#include "shell/CommandDispatch.h"
#include "shell/DxfOutputCommand.h"
#include "shell/SettingsDialogSteps.h"

#include "model/common/Helpers.h"
#include "drawing/LayerDefaults.h"
#include "shell/DocumentSteps.h"
#include "shell/DocumentTitle.h"
#include "shell/RecentFiles.h"
#include "shell/SaveAsArchive.h"
#include "shell/SettingsFile.h"
#include "shell/ViewNavigation.h"
#include "tests/support/DeckSession.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t ZoomInCommand = 106, ZoomOutCommand = 107, ExtendedViewCommand = 108;
constexpr int32_t AutoDimensionsCommand = 117, OptimalTextSizeCommand = 118;

// The first `count` vertices of an outline row, last first: the same perimeter, walked the other way.
template <typename Row>
std::vector<int32_t> Reversed(const Row& row, int32_t count) {
    std::vector<int32_t> outline(row.begin(), row.begin() + count);
    std::reverse(outline.begin(), outline.end());
    return outline;
}

// The window's side: what it was asked, in order; a drawing notes how many messages were shown
// before it.
struct RecordingWindow : DocumentWindow {
    explicit RecordingWindow(const DeckSession& deck) : deck_(deck) {}
    void TitoloFR1() override { Log.push_back("title " + PulisciNome(deck_.shell.Document.CurrentFile)); }
    void DrawPlan() override { Log.push_back("draw after " + std::to_string(deck_.messages.Shown().size())); }
    void RefreshRecentMenu() override { Log.push_back("recent"); }
    void ToolsEnded() override {}

    std::vector<std::string> Log;

private:
    const DeckSession& deck_;
};

// The commands of the bars that run on the document alone; the others do nothing here.
struct DocumentCommands : CommandActions {
    explicit DocumentCommands(DeckSession& deck) : deck_(deck) {}
    void OpenCommand() override {}
    void SaveCommand() override {}
    void SaveAsCommand() override {}
    void Exit() override {}
    void ShowSettingsDialog() override {}
    void ShowAbout() override {}
    void ShowDesignOptionsDialog() override {}
    void DesignReinforcementAgain() override { ::DesignReinforcementAgain(deck_, deck_.platform); }
    void RunDxfOutput() override {}
    void CaricaRece(int32_t) override {}
    void Redraw() override {}
    void ShowPrompt(const std::string&) override {}

private:
    DeckSession& deck_;
};

class DocumentFlowsTest : public ::testing::Test {
protected:
    DocumentFlowsTest() : folder_("flows") {
        deck_.shell.Folders.SettingsFolder = Folder();
        deck_.canvas.SetSize(800, 600);
        const std::string demo = std::string(DRAVO_EXAMPLES) + "/frame/";
        Copy(demo + "DEMO.CRP", "DEMO.CRP");
        Copy(demo + "ARCHIMPA.AI0", "ARCHIMPA.AI0");
        // A frame whose floor slabs carry no design.
        fs::create_directories(folder_ / "telaio");
        Copy(DeckFixture("fresh-frame/ARCHIMPA.AI0"), "telaio/ARCHIMPA.AI0");
        DeckSession frame;
        EXPECT_TRUE(frame.Load(DeckFixture("fresh-frame/TELAIO.CRP")));
        for (FloorSlab& slab : frame.model.FloorSlabs) slab.DiagramPointCount = 0;
        EXPECT_TRUE(frame.Save(Telaio()));
        // A regular file where a folder should be: nothing can be written below it.
        WriteWholeFile(folder_ / "blocker", "");
        // The window's start: the empty document is unchanged.
        MarkDocumentUnchanged(deck_);
    }

    void Copy(const std::string& from, const std::string& here) { fs::copy_file(from, folder_ / here); }
    std::string Folder() const { return fs::path(folder_ / "x").parent_path().string(); }
    std::string Demo() const { return folder_ / "DEMO.CRP"; }
    std::string Telaio() const { return folder_ / "telaio/Telaio.crp"; }

    DocumentContext Context() { return {deck_, deck_.platform, window_}; }
    void Command(int32_t id) {
        DocumentCommands actions(deck_);
        Pulsanti(id, {deck_, deck_.messages, actions});
    }
    // The DXF output, its dialog loading another deck over the document; `offerAnswer` answers
    // the save offer, which comes only when one is given.
    void Export(std::optional<MsgAnswer> offerAnswer) {
        Forget();
        if (offerAnswer) deck_.messages.Script({*offerAnswer});
        RunDxfOutput(Context(), [this] {
            deck_.model.ClearBeforeLoad();
            EXPECT_TRUE(deck_.Load(Telaio())) << deck_.Messages();
        });
        EXPECT_EQ(deck_.messages.Shown().size(), offerAnswer ? 1u : 0u) << deck_.Messages();
    }
    // The last round's changes are dropped without a question.
    void Discard() { MarkDocumentUnchanged(deck_); }
    // The deck opened through the Open command, the records of it forgotten.
    void OpenThrough(const std::string& path) {
        deck_.dialogs.ScriptPaths({path});
        OpenCommand(Context());
        ASSERT_EQ(deck_.shell.Document.LoadStatus, 0) << deck_.Messages();
        Forget();
    }
    void Forget() {
        deck_.messages.ClearShown();
        deck_.canvas.ClearRecords();
        window_.Log.clear();
        asked_ = deck_.dialogs.Asked().size();
    }
    // The file dialogs asked since the last Forget.
    std::vector<AskedDialog> Asked() const {
        const auto& all = deck_.dialogs.Asked();
        return {all.begin() + static_cast<std::ptrdiff_t>(asked_), all.end()};
    }
    std::vector<std::string> Recent() const {
        const RecentFileList& list = deck_.shell.Recent;
        return {list.RecentFiles.begin(), list.RecentFiles.begin() + list.RecentFileCount};
    }

    ScratchFolder folder_;
    DeckSession deck_;
    RecordingWindow window_{deck_};
    size_t asked_ = 0;
};

TEST_F(DocumentFlowsTest, CancelledOpenChangesNothing) {
    OpenThrough(Demo());
    deck_.model.Dimensions[0].Text += "0";
    const Model model = deck_.model;
    const DocumentState document = deck_.shell.Document;
    deck_.messages.Script({MsgAnswer::No});
    deck_.dialogs.ScriptPaths({""});
    OpenCommand(Context());

    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    const ShownMessage& question = deck_.messages.Shown()[0];
    EXPECT_EQ(question.Text, "Vuoi salvare l'attuale impalcato?");
    EXPECT_EQ(question.Buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.Icon, MsgIcon::None);
    const std::vector<AskedDialog> asked = Asked();
    ASSERT_EQ(asked.size(), 1u);
    const FileDialogRequest& open = asked[0].Request;
    EXPECT_EQ(asked[0].Kind, DialogKind::OpenFile);
    EXPECT_EQ(open.Title, "Apri");
    EXPECT_EQ(open.Filter, "File dati (*.CRP)|*.CRP");
    EXPECT_EQ(open.FileName, "*.CRP");
    EXPECT_EQ(open.DefaultExtension, "CRP");
    EXPECT_EQ(open.Folder, Folder());

    EXPECT_EQ(deck_.model, model);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, document.CurrentFile);
    EXPECT_EQ(deck_.shell.Document.SlabDesignState, document.SlabDesignState);
    EXPECT_EQ(deck_.shell.Document.DataFolder, document.DataFolder);
    EXPECT_EQ(deck_.shell.Document.LoadStatus, -1);
    EXPECT_TRUE(deck_.canvas.RecordsOf(CanvasCall::Clear).empty());
    EXPECT_EQ(window_.Log, std::vector<std::string>{"title DEMO.CRP"});
    EXPECT_EQ(Recent(), std::vector<std::string>{Demo()});
}

TEST_F(DocumentFlowsTest, UnnamedDocumentStaysUnnamedAfterACancelledOpen) {
    deck_.shell.Document.DialogStartFolder = "/decks";
    deck_.dialogs.ScriptPaths({""});
    OpenCommand(Context());
    EXPECT_EQ(deck_.shell.Document.CurrentFile, "Anonimo");
    EXPECT_EQ(deck_.shell.Document.DialogStartFolder, "/decks");
    EXPECT_TRUE(Recent().empty());
    EXPECT_TRUE(deck_.messages.Shown().empty());

    // Save on the unnamed document asks for a name, under "Salva" in either language.
    deck_.shell.Languages.UiLanguage = 1;
    Forget();
    SaveCommand(Context());
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].Kind, DialogKind::SaveFile);
    EXPECT_EQ(Asked()[0].Request.Title, "Salva");
    EXPECT_EQ(Asked()[0].Request.FileName, "Anonimo");
    EXPECT_EQ(Asked()[0].Request.Filter, "File Dati (*.CRP)|*.CRP");
    EXPECT_EQ(Asked()[0].Request.DefaultExtension, "CRP");
    EXPECT_EQ(deck_.shell.Document.CurrentFile, "Anonimo");
}

// A file that fails to load, chosen in the open dialog or in the recent list, leaves everything as
// a cancelled Open does: the deck shown with its unsaved work, its view, its name, the settings in
// force (not those of the file), the vertex panel and the recent list.
TEST_F(DocumentFlowsTest, FailedOpenKeepsTheDocumentAsItWas) {
    Session onDisk;
    onDisk.drawing.LayerNames[0] = "ASSI DAL FILE";
    onDisk.drawing.WhiteBackground = 1;
    ASSERT_TRUE(WriteWholeFile(folder_ / SettingsFileName, FormatSettingsText(onDisk)));
    const std::string demoText = FileText(Demo());
    for (const bool fromRecentList : {false, true}) {
        for (const char* fixture : {"fail-unknown-node/NODO99.CRP", "fail-truncated/TRONCATO.CRP"}) {
            SCOPED_TRACE(std::string(fixture) + (fromRecentList ? " from the recent list" : " from Open"));
            const std::string failing = DeckFixture(fixture);
            Discard();
            OpenThrough(Demo());
            deck_.model.Dimensions[0].Text = "123";
            deck_.drawing.LayerNames[0] = "ASSI IN USO";
            deck_.shell.Options.LateralCover = 5;
            deck_.canvas.SetBackColour(PackRgb(1, 2, 3));
            ASSERT_TRUE(ZoomIn(deck_.drawing.View, deck_.editor));
            VertexPanelState& panel = deck_.editor.VertexPanel;
            panel.VertexPanelMode = 1;
            panel.EditedVertices = {0, 1, 2, 0};
            panel.EditedVertexLast = 3;
            deck_.shell.Recent.RecentFiles = {Demo(), failing, "", ""};
            deck_.shell.Recent.RecentFileCount = 2;
            const Model model = deck_.model;
            const DocumentState document = deck_.shell.Document;
            const std::string settings = FormatSettingsText(deck_);
            const ViewWindow view = deck_.drawing.View;

            deck_.messages.Script({MsgAnswer::No});
            if (fromRecentList) {
                CaricaRece(Context(), 1);
            } else {
                deck_.dialogs.ScriptPaths({failing});
                OpenCommand(Context());
            }

            ASSERT_EQ(deck_.messages.Shown().size(), 2u);  // the save question, the reader's message
            EXPECT_EQ(deck_.model, model);
            const DocumentState& d = deck_.shell.Document;
            EXPECT_EQ(d.CurrentFile, Demo());
            EXPECT_EQ(d.DataFolder, document.DataFolder);
            EXPECT_EQ(d.DialogStartFolder, document.DialogStartFolder);
            EXPECT_EQ(d.SlabDesignState, document.SlabDesignState);
            EXPECT_EQ(d.LoadStatus, -1);
            EXPECT_TRUE(DocumentChanged(deck_));  // the work kept still asks to be saved
            EXPECT_EQ(FormatSettingsText(deck_), settings);
            EXPECT_EQ(deck_.shell.Options.LateralCover, 5);
            EXPECT_EQ(deck_.canvas.BackColour(), PackRgb(1, 2, 3));
            EXPECT_EQ(deck_.drawing.View.ViewScale, view.ViewScale);
            EXPECT_EQ(deck_.drawing.View.ViewXMin, view.ViewXMin);
            EXPECT_EQ(deck_.drawing.View.ViewYMax, view.ViewYMax);
            EXPECT_EQ(panel.VertexPanelMode, 1);
            EXPECT_EQ(panel.EditedVertices, (std::vector<int32_t>{0, 1, 2, 0}));
            EXPECT_EQ(Recent(), (std::vector<std::string>{Demo(), failing}));
            EXPECT_TRUE(deck_.canvas.RecordsOf(CanvasCall::Clear).empty());
            EXPECT_EQ(deck_.canvas.Pointer(), CanvasPointer::Crosshair);
            EXPECT_EQ(window_.Log, fromRecentList ? std::vector<std::string>{}
                                                  : std::vector<std::string>{"title DEMO.CRP"});
            EXPECT_TRUE(FileText(Demo()) == demoText);  // nothing saved
        }
    }

    // A deck that loads still replaces the document, with the settings of the file.
    deck_.messages.Script({MsgAnswer::No, MsgAnswer::Ok});
    deck_.dialogs.ScriptPaths({Telaio()});
    OpenCommand(Context());
    EXPECT_EQ(deck_.shell.Document.CurrentFile, Telaio());
    EXPECT_EQ(deck_.shell.Document.LoadStatus, 0);
    DeckSession telaio;
    ASSERT_TRUE(telaio.Load(Telaio()));
    EXPECT_EQ(deck_.model, telaio.model);
    EXPECT_EQ(deck_.drawing.LayerNames[0], "ASSI DAL FILE");
    EXPECT_EQ(deck_.canvas.BackColour(), StandardColour(15));
    EXPECT_EQ(deck_.editor.VertexPanel.VertexPanelMode, 0);
    EXPECT_EQ(Recent(), (std::vector<std::string>{Telaio(), Demo(), DeckFixture("fail-truncated/TRONCATO.CRP")}));
}

// Open and the recent entries ask only about a deck that changed since its load; the text is the
// interface language's.
TEST_F(DocumentFlowsTest, OpenAndRecentEntriesAskOnlyAfterAChange) {
    deck_.shell.Recent.RecentFiles = {Demo(), "", "", ""};
    deck_.shell.Recent.RecentFileCount = 1;
    for (const bool fromRecentList : {false, true}) {
        for (const bool changed : {false, true}) {
            SCOPED_TRACE(std::string(changed ? "changed" : "untouched") + (fromRecentList ? ", recent" : ", open"));
            Discard();
            OpenThrough(Demo());
            if (changed) deck_.model.Dimensions[1].Text = "123";
            if (changed) deck_.messages.Script({MsgAnswer::No});
            if (fromRecentList) {
                CaricaRece(Context(), 3);  // no entry there: only the question
            } else {
                deck_.dialogs.ScriptPaths({""});
                OpenCommand(Context());
            }
            ASSERT_EQ(deck_.messages.Shown().size(), changed ? 1u : 0u);
            if (changed) {
                EXPECT_EQ(deck_.messages.Shown()[0].Text, "Vuoi salvare l'attuale impalcato?");
            }
            EXPECT_EQ(deck_.model.Dimensions[1].Text == "123", changed);  // a cancelled open keeps it
        }
    }
    deck_.messages.Script({MsgAnswer::No});
    deck_.shell.Languages.UiLanguage = 1;
    OpenCommand(Context());
    EXPECT_EQ(deck_.messages.Shown().back().Text, "Do you want to save the current file?");
}

TEST_F(DocumentFlowsTest, YesSavesBeforeTheOpenGoesOn) {
    OpenThrough(Demo());
    deck_.model.Dimensions[0].Text = "123";
    const std::string edited = deck_.SavedText();
    deck_.messages.Script({MsgAnswer::Yes, MsgAnswer::Ok});
    deck_.dialogs.ScriptPaths({Telaio()});
    OpenCommand(Context());
    EXPECT_EQ(FileText(Demo()), edited);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, Telaio());
    EXPECT_EQ(deck_.shell.Document.LoadStatus, 0);

    // An unnamed deck asks for its name first; a cancelled Save As lets the open go on.
    for (int32_t language : {0, 1}) {
        DeckSession unnamed;
        unnamed.shell.Languages.UiLanguage = language;
        ASSERT_TRUE(unnamed.Load(Demo())) << unnamed.Messages();
        unnamed.shell.Document.CurrentFile = UnnamedDocument;
        MarkDocumentUnchanged(unnamed);
        unnamed.model.Dimensions[0].Text += "0";
        unnamed.messages.Script({MsgAnswer::Yes});
        RecordingWindow window(unnamed);
        OpenCommand({unnamed, unnamed.platform, window});
        ASSERT_EQ(unnamed.dialogs.Asked().size(), 2u);
        EXPECT_EQ(unnamed.dialogs.Asked()[0].Kind, DialogKind::SaveFile);
        EXPECT_EQ(unnamed.dialogs.Asked()[0].Request.Title, language == 0 ? "Salva" : "Save");
        EXPECT_EQ(unnamed.dialogs.Asked()[1].Request.Title, language == 0 ? "Apri" : "Open");
    }
}

TEST_F(DocumentFlowsTest, SaveThatFailsStopsTheOpenAndKeepsTheDocument) {
    OpenThrough(Demo());
    deck_.model.Dimensions[0].Text += "0";
    const Model model = deck_.model;
    deck_.shell.Document.CurrentFile = folder_ / "blocker/DEMO.CRP";
    deck_.messages.Script({MsgAnswer::Yes});
    OpenCommand(Context());
    EXPECT_TRUE(Asked().empty());  // no open dialog
    ASSERT_EQ(deck_.messages.Shown().size(), 2u);
    EXPECT_NE(deck_.messages.Shown()[1].Text.find("Impossibile salvare il file"), std::string::npos);
    EXPECT_EQ(deck_.model, model);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, folder_ / "blocker/DEMO.CRP");
}

TEST_F(DocumentFlowsTest, OpenDrawsThePlanBeforeTheDesignWarning) {
    deck_.dialogs.ScriptPaths({Telaio()});
    OpenCommand(Context());
    const DocumentState& d = deck_.shell.Document;
    ASSERT_EQ(d.LoadStatus, 0) << deck_.Messages();
    EXPECT_EQ(d.CurrentFile, Telaio());  // the case it has on disk
    EXPECT_EQ(d.DataFolder, folder_ / "telaio");
    EXPECT_EQ(d.DialogStartFolder, d.DataFolder);
    EXPECT_EQ(d.SlabDesignState, 1);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_EQ(deck_.messages.Shown()[0].Text, "Il programma non ha rilevato il progetto delle armature dei solai.");
    EXPECT_EQ(window_.Log, (std::vector<std::string>{"title Telaio.crp", "draw after 0", "recent", "title Telaio.crp"}));
    EXPECT_EQ(deck_.canvas.Pointer(), CanvasPointer::Crosshair);
    EXPECT_EQ(deck_.drawing.View.CanvasHeightPx, 600);
    EXPECT_GT(deck_.drawing.View.ViewXMax, deck_.drawing.View.ViewXMin);
    EXPECT_EQ(Recent(), std::vector<std::string>{Telaio()});

    // The demo deck carries its design: no warning, state 2.
    OpenThrough(Demo());
    EXPECT_EQ(d.SlabDesignState, 2);
    EXPECT_EQ(Recent(), (std::vector<std::string>{Demo(), Telaio()}));
}

TEST_F(DocumentFlowsTest, SaveAsKeepsTheOldNameAndFileUntilTheNewOneIsWritten) {
    OpenThrough(Demo());
    const std::string original = FileText(Demo());
    deck_.model.Dimensions[0].Text = "123";
    deck_.dialogs.ScriptPaths({folder_ / "blocker/NUOVO.CRP"});
    SaveAsCommand(Context());
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].Request.Title, "Salva con nome");
    EXPECT_EQ(Asked()[0].Request.FileName, Demo());
    EXPECT_EQ(Asked()[0].Request.Filter, "File Dati (*.CRP)|*.CRP");
    EXPECT_EQ(deck_.shell.Document.CurrentFile, Demo());
    EXPECT_EQ(FileText(Demo()), original);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_EQ(deck_.messages.Shown()[0].Icon, MsgIcon::Exclamation);
    EXPECT_EQ(window_.Log, std::vector<std::string>{"title DEMO.CRP"});

    // A name that can be written is taken as typed; the recent list and the folders stay. The
    // frame's folder holds another archive than the demo's: the save is asked for first.
    Forget();
    deck_.shell.Languages.UiLanguage = 1;
    deck_.dialogs.ScriptPaths({folder_ / "telaio/nuovo.crp"});
    deck_.messages.Script({MsgAnswer::Yes});
    SaveAsCommand(Context());
    EXPECT_EQ(Asked()[0].Request.Title, "Save as");
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_NE(deck_.messages.Shown()[0].Text.find("differs from the deck's"), std::string::npos);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, folder_ / "telaio/nuovo.crp");
    EXPECT_EQ(FileText(folder_ / "telaio/nuovo.crp"), deck_.SavedText());
    EXPECT_EQ(window_.Log, (std::vector<std::string>{"title nuovo.crp", "title nuovo.crp"}));
    EXPECT_EQ(Recent(), std::vector<std::string>{Demo()});
    EXPECT_EQ(deck_.shell.Document.DataFolder, Folder());

    // Save writes a named document where it is, asking nothing.
    Forget();
    deck_.model.Dimensions[0].Text = "456";
    SaveCommand(Context());
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(FileText(folder_ / "telaio/nuovo.crp"), deck_.SavedText());
    EXPECT_TRUE(deck_.messages.Shown().empty());
}

// A Save As into another folder takes the deck's archive along where that folder has none, asks
// before saving beside an archive that differs, and tells when the archive cannot go along: the
// deck saved there opens again, or the user knows why not.
TEST_F(DocumentFlowsTest, SaveAsTakesTheDecksArchiveAlong) {
    const std::string demoArchive = FileText(folder_ / "ARCHIMPA.AI0");
    const std::string frameArchive = FileText(folder_ / "telaio/ARCHIMPA.AI0");
    ASSERT_NE(demoArchive, frameArchive);
    enum class There { Nothing, SameArchive, OtherArchive, Unreadable, LinkToNothing, Folder };
    // Larger than any archive is read (and sparse): an archive there that cannot be read, even by
    // root, who reads a file whatever its permissions say.
    constexpr std::uintmax_t UnreadableSize = (std::uintmax_t{1} << 30) + 1;
    const struct {
        const char* Case;
        There Standing;                     // what stands under the archive's name in the chosen folder
        std::optional<MsgAnswer> Question;  // the answer to the question, when one comes
        bool Written;
        bool Warned;
    } cases[] = {
        {"no archive there", There::Nothing, std::nullopt, true, false},
        {"the same archive", There::SameArchive, std::nullopt, true, false},
        {"another archive, saved all the same", There::OtherArchive, MsgAnswer::Yes, true, false},
        {"another archive, not saved", There::OtherArchive, MsgAnswer::No, false, false},
        {"an archive that cannot be read, not saved", There::Unreadable, MsgAnswer::No, false, false},
        {"a link to nothing, not saved", There::LinkToNothing, MsgAnswer::No, false, false},
        {"a folder, not saved", There::Folder, MsgAnswer::No, false, false},
        {"a folder, saved all the same", There::Folder, MsgAnswer::Yes, true, false},
    };
    int32_t run = 0;
    for (const int32_t language : {0, 1}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Case) + (language == 0 ? ", Italian" : ", English"));
            const std::string folder = folder_ / ("saved" + std::to_string(++run));
            fs::create_directories(folder);
            const std::string archive = folder + "/ARCHIMPA.AI0", nowhere = folder + "/nowhere";
            switch (c.Standing) {
            case There::Nothing: break;
            case There::SameArchive: ASSERT_TRUE(WriteWholeFile(archive, demoArchive)); break;
            case There::OtherArchive: ASSERT_TRUE(WriteWholeFile(archive, frameArchive)); break;
            case There::Unreadable:
                ASSERT_TRUE(WriteWholeFile(archive, ""));
                fs::resize_file(archive, UnreadableSize);
                break;
            case There::LinkToNothing: fs::create_symlink(nowhere, archive); break;
            case There::Folder: fs::create_directory(archive); break;
            }
            Discard();
            OpenThrough(Demo());
            deck_.shell.Languages.UiLanguage = language;
            deck_.model.Dimensions[0].Text += "0";
            const std::string chosen = folder + "/Nuovo.crp";
            deck_.dialogs.ScriptPaths({chosen});
            if (c.Question) deck_.messages.Script({*c.Question});
            SaveAsCommand(Context());

            const std::vector<ShownMessage>& shown = deck_.messages.Shown();
            ASSERT_EQ(shown.size(), c.Question || c.Warned ? 1u : 0u) << deck_.Messages();
            const bool noArchive = c.Standing == There::LinkToNothing || c.Standing == There::Folder;
            const std::string standing = c.Standing == There::Folder ? (language == 0 ? "una cartella" : "a folder")
                                         : language == 0 ? "un collegamento che non porta a nessun file"
                                                         : "a link that leads to no file";
            if (c.Question && noArchive) {
                EXPECT_EQ(shown[0].Text,
                          language == 0
                              ? "Nella cartella scelta, al posto dell'archivio delle sezioni " + archive + ", c'è " +
                                    standing + ".\nL'impalcato salvato lì non potrà essere aperto finché al suo "
                                    "posto non ci sarà il suo archivio.\nVuoi salvarlo lo stesso?"
                              : "In the chosen folder, where the section archive " + archive + " would go, there is " +
                                    standing + ".\nThe deck saved there cannot be opened until its archive stands "
                                    "in its place.\nDo you want to save it all the same?");
            } else if (c.Question) {
                EXPECT_EQ(shown[0].Text,
                          language == 0
                              ? "Nella cartella scelta c'è un archivio delle sezioni, " + archive +
                                    ", diverso da quello dell'impalcato.\nL'impalcato salvato lì, quando verrà "
                                    "aperto, leggerà le sezioni di quella cartella.\nVuoi salvarlo lo stesso?"
                              : "The chosen folder holds a section archive, " + archive +
                                    ", that differs from the deck's.\nThe deck saved there will read that "
                                    "folder's sections when it is opened.\nDo you want to save it all the same?");
            }
            if (c.Question) {
                EXPECT_EQ(shown[0].Buttons, MsgButtons::YesNo);
                EXPECT_EQ(shown[0].Icon, MsgIcon::Question);
            }
            if (c.Warned) {
                const std::string taken = std::make_error_code(std::errc::file_exists).message();
                EXPECT_EQ(shown[0].Text,
                          language == 0
                              ? "Il file " + chosen +
                                    " è stato salvato, ma l'archivio delle sezioni dell'impalcato non è stato "
                                    "copiato accanto ad esso (" + taken +
                                    ").\nPer essere aperto, l'impalcato ha bisogno del suo archivio " + archive + "."
                              : "The file " + chosen +
                                    " has been saved, but the deck's section archive could not be copied beside "
                                    "it (" + taken + ").\nThe deck needs its archive " + archive +
                                    " to be opened.");
                EXPECT_EQ(shown[0].Icon, MsgIcon::Exclamation);
            }
            EXPECT_EQ(FileExists(chosen), c.Written);
            EXPECT_EQ(deck_.shell.Document.CurrentFile, c.Written ? chosen : Demo());
            EXPECT_EQ(DocumentChanged(deck_), !c.Written);
            // An archive standing there stays as it was; the deck's went only where nothing stood, and
            // no temporary file is left.
            switch (c.Standing) {
            case There::Nothing: EXPECT_TRUE(FileText(archive) == demoArchive); break;
            case There::SameArchive: EXPECT_TRUE(FileText(archive) == demoArchive); break;
            case There::OtherArchive: EXPECT_TRUE(FileText(archive) == frameArchive); break;
            case There::Unreadable: EXPECT_EQ(fs::file_size(archive), UnreadableSize); break;
            case There::LinkToNothing:
                EXPECT_TRUE(fs::is_symlink(archive));
                EXPECT_FALSE(fs::exists(nowhere));
                break;
            case There::Folder: EXPECT_TRUE(fs::is_directory(archive)); break;
            }
            const std::string saved = "saved" + std::to_string(run);
            EXPECT_EQ(folder_.Names(saved), c.Written ? (std::vector<std::string>{"ARCHIMPA.AI0", "Nuovo.crp"})
                                                      : std::vector<std::string>{"ARCHIMPA.AI0"});
            // The deck saved beside an archive opens again from there.
            if (c.Written && !c.Warned && !noArchive) {
                DeckSession again;
                EXPECT_TRUE(again.Load(chosen)) << again.Messages();
            }
        }
    }
}

// The deck's archive is the one of the folder it was read from, as it stands when saved elsewhere:
// gone, it cannot go along, and another archive there cannot be told the same. A name taken
// between the check and the copy is never written through either.
TEST_F(DocumentFlowsTest, SaveAsTellsWhenTheDecksArchiveCannotGoAlong) {
    fs::create_directories(folder_ / "moved");
    fs::create_directories(folder_ / "empty");
    Copy(folder_ / "DEMO.CRP", "moved/DEMO.CRP");
    Copy(folder_ / "ARCHIMPA.AI0", "moved/ARCHIMPA.AI0");
    OpenThrough(folder_ / "moved/DEMO.CRP");
    fs::remove(folder_ / "moved/ARCHIMPA.AI0");

    deck_.dialogs.ScriptPaths({folder_ / "empty/Nuovo.crp"});
    SaveAsCommand(Context());
    ASSERT_EQ(deck_.messages.Shown().size(), 1u) << deck_.Messages();
    EXPECT_NE(deck_.messages.Shown()[0].Text.find("(l'archivio dell'impalcato " + folder_ / "moved/ARCHIMPA.AI0" +
                                                  " non si può leggere)"),
              std::string::npos)
        << deck_.Messages();
    EXPECT_TRUE(FileExists(folder_ / "empty/Nuovo.crp"));
    EXPECT_EQ(folder_.Names("empty"), std::vector<std::string>{"Nuovo.crp"});

    Forget();
    deck_.messages.Script({MsgAnswer::No});
    deck_.dialogs.ScriptPaths({folder_ / "telaio/Nuovo.crp"});
    SaveAsCommand(Context());
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_EQ(deck_.messages.Shown()[0].Buttons, MsgButtons::YesNo);
    EXPECT_FALSE(FileExists(folder_ / "telaio/Nuovo.crp"));

    // A link planted after the check, where the archive was to go.
    OpenThrough(Demo());
    Forget();
    fs::create_directories(folder_ / "late");
    const std::string chosen = folder_ / "late/Nuovo.crp";
    const SaveAsArchive archive = CheckArchiveForSaveAs(deck_, deck_.messages, chosen);
    ASSERT_TRUE(archive.Proceed && archive.CopyNeeded && archive.DeckArchiveRead);
    fs::create_symlink(folder_ / "late/nowhere", folder_ / "late/ARCHIMPA.AI0");
    PlaceArchiveAfterSaveAs(archive, deck_, deck_.messages, chosen);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_EQ(deck_.messages.Shown()[0].Icon, MsgIcon::Exclamation);
    EXPECT_TRUE(fs::is_symlink(folder_ / "late/ARCHIMPA.AI0"));
    EXPECT_FALSE(fs::exists(folder_ / "late/nowhere"));
}

// Closing the window on a changed document asks the save question with a Cancel; the window
// closes only once a Yes has written the deck.
TEST_F(DocumentFlowsTest, CloseAsksBeforeWorkIsLost) {
    enum class Name { Demo, Blocked, Unnamed };
    const struct {
        const char* Case;
        bool Work;
        Name Named;
        MsgAnswer Answer;
        const char* SaveAsChoice;  // the save dialog's answer, for the unnamed document
        CloseDecision Decision;
        size_t Messages;
        bool Written;
    } cases[] = {
        {"unchanged", false, Name::Demo, MsgAnswer::Yes, nullptr, CloseDecision::Close, 0, false},
        {"yes", true, Name::Demo, MsgAnswer::Yes, nullptr, CloseDecision::Close, 1, true},
        {"yes, the save fails", true, Name::Blocked, MsgAnswer::Yes, nullptr, CloseDecision::Keep, 2, false},
        {"yes, save as cancelled", true, Name::Unnamed, MsgAnswer::Yes, "", CloseDecision::Keep, 1, false},
        {"yes, save as", true, Name::Unnamed, MsgAnswer::Yes, "nuovo.crp", CloseDecision::Close, 1, true},
        {"no", true, Name::Demo, MsgAnswer::No, nullptr, CloseDecision::Close, 1, false},
        {"cancel", true, Name::Demo, MsgAnswer::Cancel, nullptr, CloseDecision::Keep, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Discard();
        OpenThrough(Demo());
        const std::string before = FileText(Demo());
        if (c.Work) deck_.model.Dimensions[0].Text += "0";
        if (c.Named == Name::Blocked) deck_.shell.Document.CurrentFile = folder_ / "blocker/DEMO.CRP";
        if (c.Named == Name::Unnamed) deck_.shell.Document.CurrentFile = UnnamedDocument;
        const std::string name = deck_.shell.Document.CurrentFile;
        const std::string file = c.Named == Name::Unnamed ? folder_ / "nuovo.crp" : Demo();
        if (c.SaveAsChoice) deck_.dialogs.ScriptPaths({*c.SaveAsChoice ? file : ""});
        deck_.messages.Script({c.Answer});

        EXPECT_EQ(CloseDocumentFlow(Context()), c.Decision);
        ASSERT_EQ(deck_.messages.Shown().size(), c.Messages);
        if (c.Messages > 0) {
            EXPECT_EQ(deck_.messages.Shown()[0].Text, "Vuoi salvare l'attuale impalcato?");
            EXPECT_EQ(deck_.messages.Shown()[0].Buttons, MsgButtons::YesNoCancel);
        }
        ASSERT_EQ(Asked().size(), c.SaveAsChoice ? 1u : 0u);
        if (c.SaveAsChoice) {
            EXPECT_EQ(Asked()[0].Request.Title, "Salva");
        }
        if (c.Written) {
            EXPECT_TRUE(FileText(file) == deck_.SavedText());
        } else if (c.Named == Name::Demo) {
            EXPECT_TRUE(FileText(Demo()) == before);
        } else if (c.Named == Name::Unnamed) {
            EXPECT_FALSE(FileExists(file));
        }
        // Only a Save As names the document anew.
        EXPECT_EQ(deck_.shell.Document.CurrentFile, c.Named == Name::Unnamed && c.Written ? file : name);
    }
}

// The close question comes exactly when a save would write something else than the deck loaded
// or last saved: each kind of edit, and never for the view, the screen side or the settings file
// alone, nor after an export or a save, nor while no deck is loaded.
TEST_F(DocumentFlowsTest, CloseAsksExactlyWhenTheDocumentChanged) {
    Model& m = deck_.model;
    ReinforcementSections& r = m.Reinforcement;
    // A dimension laid beside the first one, from its second end on when `continued`.
    const auto layDimension = [&](bool continued) {
        const Dimension d = m.Dimensions[0];
        MeasuredPoints& p = deck_.measured;
        p.MeasP1X = continued ? d.MeasuredX2 : d.MeasuredX1, p.MeasP1Y = continued ? d.MeasuredY2 : d.MeasuredY1;
        p.MeasP2X = p.MeasP1X + 100, p.MeasP2Y = p.MeasP1Y;
        const float x = continued ? d.LineX2 : d.LineX1, y = continued ? d.LineY2 : d.LineY1 + 100;
        AddDimension(m, deck_.shell.Options, p, x, y, x + 100, y);
    };
    // The empty document: the process started without a deck, or the deck emptied by Vuota.
    enum class Empty { No, AtStart, Emptied };
    // The tail's switches of a deck, which count for a loaded one.
    const auto switchLayerAndSnap = [&] {
        deck_.drawing.LayerScreenOn[5] = 1 - deck_.drawing.LayerScreenOn[5];
        deck_.drawing.DimOsnapOn[0] = 1 - deck_.drawing.DimOsnapOn[0];
    };
    const struct {
        const char* Case;
        bool Frame;  // the frame without floor-slab design, else the demo deck
        std::function<void()> Change;
        bool Asked;
        Empty EmptyDocument = Empty::No;
    } cases[] = {
        {"untouched", false, [] {}, false},
        {"zoomed, panned, fitted", false,
         [&] {
             Command(ZoomInCommand), Command(ZoomOutCommand);
             deck_.drawing.View.ViewXMin += 50;
             Command(ExtendedViewCommand);
         },
         false},
        {"screen colours, layer names, cover, background", false,
         [&] {
             deck_.drawing.LayerScreenColours[3] = 12345;
             deck_.drawing.LayerNames[9] = "ALTRO";
             deck_.drawing.Display.PillarDisplayMode = 2;
             deck_.shell.Options.LateralCover = 5;
             deck_.canvas.SetBackColour(PackRgb(1, 2, 3));
             SaveSettings(deck_, deck_.messages);
         },
         false},
        {"exported", false, [&] { Export(std::nullopt); }, false},
        {"changed, then saved", false, [&] { m.Dimensions[1].Text += "0"; SaveCommand(Context()); }, false},
        {"changed, then saved in the export's offer", false,
         [&] {
             m.Dimensions[1].Text += "0";
             Export(MsgAnswer::Yes);
         },
         false},
        {"changed, then exported without a save", false,
         [&] {
             m.Dimensions[1].Text += "0";
             Export(MsgAnswer::No);
         },
         true},
        {"dimension laid", false, [&] { layDimension(false); }, true},
        {"dimension continued", false, [&] { layDimension(true); }, true},
        {"dimension moved", false, [&] { m.Dimensions[1].LineY1 += 20; m.Dimensions[1].LineY2 += 20; }, true},
        {"dimension deleted", false, [&] { RemoveDimension(m, deck_.editor, 1); }, true},
        {"automatic dimensions", false,
         [&] {
             deck_.messages.Script({MsgAnswer::Yes});  // the dimensions there are replaced
             Command(AutoDimensionsCommand);
         },
         true},
        {"optimal text size", false, [&] { Command(OptimalTextSizeCommand); }, true},
        {"floor-slab perimeter", false,
         [&] { AssignFloorSlabPerimeter(m, 0, Reversed(m.FloorSlabOutline[0], m.FloorSlabOutlineCount[0])); }, true},
        {"concrete-slab perimeter", false,
         [&] {
             ASSERT_GT(m.ConcreteSlabCount, 0);
             AssignConcreteSlabPerimeter(m, 0, Reversed(m.ConcreteSlabOutline[0], m.ConcreteSlabOutlineCount[0]));
         },
         true},
        {"section placed", false,
         [&] {
             const auto k = static_cast<size_t>(r.ReinforcementSectionCount++);
             r.ReinforcementSectionEnds[k] = r.ReinforcementSectionEnds[0];
             r.SectionSlabCount[k] = r.SectionSlabCount[0];
             r.SectionSlabs[k] = r.SectionSlabs[0];
             r.ReinforcementSectionSpans[k] = r.ReinforcementSectionSpans[0];
         },
         true},
        {"section moved", false,
         [&] {
             for (PlanPoint& end : r.ReinforcementSectionEnds[0]) end.X += 30;
         },
         true},
        {"section deleted", false, [&] { ASSERT_TRUE(RemoveReinforcementSection(r, 0)); }, true},
        {"automatic design", true, [&] { DesignAllFloorSlabs(deck_, deck_.platform); }, true},
        {"bar edited", false, [&] { ++RebarAt(m, 0, 0, 0).value().BarCount; }, true},
        {"bar stretched by its grips", false, [&] { StretchRebar(RebarAt(m, 0, 0, 0).value(), 15, 0); }, true},
        {"bar extended", false,
         [&] {
             const RebarFields bar = RebarAt(m, 0, 0, 1).value();
             ASSERT_EQ(ExtendRebarToLine(bar, bar.X2 + 50, -1e4f, bar.X2 + 50, 1e4f, 2), RebarExtension::Moved);
         },
         true},
        {"bar deleted", false, [&] { ASSERT_TRUE(RemoveRebar(m, 0, 0, 0)); }, true},
        {"layer switch", false, [&] { deck_.drawing.LayerScreenOn[5] = 1 - deck_.drawing.LayerScreenOn[5]; }, true},
        {"snap switch", false, [&] { deck_.drawing.DimOsnapOn[0] = 1 - deck_.drawing.DimOsnapOn[0]; }, true},
        {"curb width", false, [&] { deck_.design.CurbWidth += 5; }, true},
        {"settings' defaults over a deck in metres", false,
         [&] {
             deck_.shell.Options.DimensionUnitMetres = 1;
             RewriteDimensionTexts(m, deck_.shell.Options);
             Discard();
             RestoreAllDefaults(deck_, deck_.canvas);
         },
         true},
        {"no deck: layer and snap switches, tail options", false,
         [&] {
             switchLayerAndSnap();
             deck_.design.CurbWidth += 5;
             deck_.shell.Options.OptimalTextSize = 1 - deck_.shell.Options.OptimalTextSize;
         },
         false, Empty::AtStart},
        {"no deck: exported", false, [&] { Export(std::nullopt), switchLayerAndSnap(); }, false, Empty::AtStart},
        {"no deck: a failed open", false,
         [&] {
             deck_.dialogs.ScriptPaths({DeckFixture("fail-truncated/TRONCATO.CRP")});
             OpenCommand(Context());
             ASSERT_EQ(deck_.shell.Document.LoadStatus, -1);
             switchLayerAndSnap();
         },
         false, Empty::AtStart},
        {"emptied: layer and snap switches", false, switchLayerAndSnap, false, Empty::Emptied},
        {"emptied, then a deck opened", false, [&] { OpenThrough(Demo()), switchLayerAndSnap(); }, true,
         Empty::Emptied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Discard();
        OpenThrough(c.Frame ? Telaio() : Demo());
        if (c.EmptyDocument == Empty::AtStart) {
            // As the process starts: no deck, the unnamed document.
            deck_.model = Model{};
            deck_.shell.Document = DocumentState{};
            MarkDocumentUnchanged(deck_);
        } else if (c.EmptyDocument == Empty::Emptied) {
            m.Dimensions[1].Text += "0";  // the work goes with the deck
            Vuota(Context());
        }
        c.Change();
        Forget();
        if (c.Asked) deck_.messages.Script({MsgAnswer::Cancel});
        EXPECT_EQ(CloseDocumentFlow(Context()), c.Asked ? CloseDecision::Keep : CloseDecision::Close);
        ASSERT_EQ(deck_.messages.Shown().size(), c.Asked ? 1u : 0u) << deck_.Messages();
        if (c.Asked) {
            EXPECT_EQ(deck_.messages.Shown()[0].Text, "Vuoi salvare l'attuale impalcato?");
        }
    }
}

// What counts is what a save would write: a change undone by hand is no change, and once the
// change is saved, undoing it is one.
TEST_F(DocumentFlowsTest, AChangeUndoneByHandReadsAsUnchanged) {
    Model& m = deck_.model;
    const struct {
        const char* Case;
        std::function<void(int)> Step;  // +1 makes the change, -1 undoes it
    } cases[] = {
        {"dimension text typed and rubbed out",
         [&](int step) {
             std::string& text = m.Dimensions[1].Text;
             if (step > 0) text += "9";
             else text.pop_back();
         }},
        {"dimension moved and moved back", [&](int step) { m.Dimensions[1].LineY1 += 20.0f * step; }},
        {"layer switched off and on", [&](int) { deck_.drawing.LayerScreenOn[5] = 1 - deck_.drawing.LayerScreenOn[5]; }},
        {"bar added and taken off", [&](int step) { RebarAt(m, 0, 0, 0).value().BarCount += step; }},
        {"dimension laid, then deleted",
         [&](int step) {
             const Dimension d = m.Dimensions[0];
             if (step > 0) AddDimension(m, deck_.shell.Options, deck_.measured, d.LineX1, d.LineY1 + 100,
                                        d.LineX1 + 100, d.LineY1 + 100);
             else RemoveDimension(m, deck_.editor, m.DimensionCount - 1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Discard();
        OpenThrough(Demo());
        c.Step(+1);
        EXPECT_TRUE(DocumentChanged(deck_));
        c.Step(-1);
        EXPECT_FALSE(DocumentChanged(deck_));
        EXPECT_EQ(CloseDocumentFlow(Context()), CloseDecision::Close);
        EXPECT_TRUE(deck_.messages.Shown().empty()) << deck_.Messages();

        c.Step(+1);
        SaveCommand(Context());
        c.Step(-1);
        deck_.messages.Script({MsgAnswer::Cancel});
        EXPECT_EQ(CloseDocumentFlow(Context()), CloseDecision::Keep);
        EXPECT_EQ(deck_.messages.Shown().size(), 1u) << deck_.Messages();
        c.Step(+1);
        Forget();
        EXPECT_EQ(CloseDocumentFlow(Context()), CloseDecision::Close);
        EXPECT_TRUE(deck_.messages.Shown().empty()) << deck_.Messages();
        // The demo deck as it was, for the next case.
        c.Step(-1);
        SaveCommand(Context());
    }
}

TEST_F(DocumentFlowsTest, RecentEntries) {
    const std::string gone = folder_ / "GONE.CRP";
    deck_.shell.Recent.RecentFiles = {Demo(), gone, Telaio(), ""};
    deck_.shell.Recent.RecentFileCount = 3;

    CaricaRece(Context(), 1);  // its file has gone: dropped, nothing loaded, nothing said
    EXPECT_EQ(Recent(), (std::vector<std::string>{Demo(), Telaio()}));
    EXPECT_EQ(window_.Log, std::vector<std::string>{"recent"});
    EXPECT_EQ(deck_.shell.Document.CurrentFile, "Anonimo");
    EXPECT_TRUE(deck_.messages.Shown().empty());

    deck_.messages.Script({MsgAnswer::Ok});
    CaricaRece(Context(), 1);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, Telaio());
    EXPECT_EQ(deck_.shell.Document.SlabDesignState, 1);
    EXPECT_EQ(Recent(), (std::vector<std::string>{Telaio(), Demo()}));

    // A file that fails to load keeps the document and leaves its entry where it was. An unnamed
    // document with work in it is saved under "Salva" in either language.
    deck_.shell.Recent.RecentFiles[1] = DeckFixture("fail-truncated/TRONCATO.CRP");
    CaricaRece(Context(), 1);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, Telaio());
    EXPECT_EQ(Recent(), (std::vector<std::string>{Telaio(), DeckFixture("fail-truncated/TRONCATO.CRP")}));
    deck_.shell.Document.CurrentFile = UnnamedDocument;
    deck_.shell.Languages.UiLanguage = 1;
    deck_.model.DimensionCount = 2;
    deck_.model.Dimensions.resize(3);
    deck_.messages.Script({MsgAnswer::Yes});
    Forget();
    CaricaRece(Context(), 3);  // no entry there: only the question
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].Request.Title, "Salva");
    EXPECT_EQ(deck_.model.DimensionCount, 2);
}

// The vertex panel edits outlines of the deck shown: another deck closes it, a failed load keeps
// the deck and the panel.
TEST_F(DocumentFlowsTest, LoadingAnotherDeckClosesTheVertexPanel) {
    OpenThrough(Demo());
    VertexPanelState& panel = deck_.editor.VertexPanel;
    for (const std::string& next : {Telaio(), DeckFixture("fail-truncated/TRONCATO.CRP")}) {
        panel.VertexPanelMode = 1;
        panel.EditedVertices = {0, 1, 2, 0};
        panel.EditedVertexLast = 3;
        deck_.messages.Script({MsgAnswer::Ok});
        deck_.dialogs.ScriptPaths({next});
        OpenCommand(Context());
        EXPECT_EQ(panel.VertexPanelMode, next == Telaio() ? 0 : 1) << next;
    }
}

}  // namespace

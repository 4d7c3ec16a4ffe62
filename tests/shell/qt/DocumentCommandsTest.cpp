// The document commands of the main window's bars on the real file dialogs, answered in place of
// the user: Open, Save As, the recent-file entries and the list kept from one run to the next.
#include <QAction>
#include <QFileDialog>

#include "model/common/Helpers.h"
#include "model/files/SaveCrpFile.h"
#include "shell/forms/CommandBars.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

constexpr int OpenCommandId = 100;
constexpr int SaveAsCommandId = 102;
constexpr int ExitCommandId = 103;
constexpr int FirstRecentEntry = 2031;

// Puts the process's current folder back however the test ends.
struct CurrentFolderKept {
    std::filesystem::path Folder = std::filesystem::current_path();
    ~CurrentFolderKept() {
        std::error_code ignored;
        std::filesystem::current_path(Folder, ignored);
    }
};

class DocumentCommandsTest : public MainWindowTest {
protected:
    // The next file dialogs choose `path`; other dialogs are closed.
    void Choose(const std::string& path) {
        answer_ = [this, path](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            if (!files) return;
            titles_.push_back(files->windowTitle().toStdString());
            files->selectFile(QString::fromStdString(path));
            dialog.done(QDialog::Accepted);  // as OK does, without its checks of the disk
        };
    }
    static QAction* Entry(const MainWindow& form, int slot) { return form.Bars()->Action(FirstRecentEntry + slot); }

    std::vector<std::string> titles_;
};

TEST_F(DocumentCommandsTest, OpenSaveAsAndTheRecentEntriesAcrossTwoRuns) {
    ScratchFolder decks("document-commands");
    auto form = Start("");
    EXPECT_FALSE(form->Bars()->Action(SaveAsCommandId)->isEnabled());
    EXPECT_FALSE(Entry(*form, 0)->isVisible());

    Choose(DemoDeck());
    form->CommandBars_Execute(OpenCommandId);
    EXPECT_EQ(titles_, std::vector<std::string>{"Apri"});
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ DEMO.CRP ]");
    EXPECT_EQ(form->session().shell.Document.SlabDesignState, 2);
    EXPECT_TRUE(form->Bars()->Action(SaveAsCommandId)->isEnabled());
    EXPECT_TRUE(Entry(*form, 0)->isVisible());
    EXPECT_EQ(Entry(*form, 0)->text(), "DEMO.CRP");

    const std::string copy = decks / "copia.crp";
    Choose(copy);
    form->CommandBars_Execute(SaveAsCommandId);
    EXPECT_EQ(titles_.back(), "Salva con nome");
    EXPECT_EQ(form->session().shell.Document.CurrentFile, copy);
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ copia.crp ]");
    EXPECT_TRUE(FileExists(copy));
    EXPECT_EQ(Entry(*form, 0)->text(), "DEMO.CRP");  // Save As leaves the list alone
    EXPECT_FALSE(Entry(*form, 1)->isVisible());

    // The window's unload writes the list; the next run offers it in the File menu. The deck was
    // just saved: the window closes without a question.
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(FileText(config_ / "Dravo/Tessal.MEM"), "1\r\n\"" + DemoDeck() + "\"\r\n");
    answer_ = nullptr;
    form = Start("");
    ASSERT_TRUE(Entry(*form, 0)->isVisible());
    Entry(*form, 0)->trigger();
    EXPECT_EQ(form->session().shell.Document.CurrentFile, DemoDeck());
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ DEMO.CRP ]");
    EXPECT_TRUE(boxes_.empty());
}

// A deck only looked at, zoomed and scrolled, closes without a question.
TEST_F(DocumentCommandsTest, CloseAfterOnlyViewingAsksNothing) {
    constexpr int ZoomInCommandId = 106, ExtendedViewCommandId = 108;
    auto form = Start(DemoDeck());
    ASSERT_GT(form->session().model.Reinforcement.ReinforcementSectionCount, 0);
    form->CommandBars_Execute(ZoomInCommandId);
    form->session().drawing.View.ViewXMin += 100;
    form->CommandBars_Execute(ExtendedViewCommandId);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(boxes_.empty());
}

// The close box and Exit on a changed deck: the question closed (as Cancel) keeps the window and
// the current folder; Yes saves, and Exit then makes the program folder current.
TEST_F(DocumentCommandsTest, CloseWithWorkToSaveAsksFirst) {
    ScratchFolder decks("close-asks");
    const std::string deck = decks / "DEMO.CRP";
    std::filesystem::copy_file(DemoDeck(), deck);
    std::filesystem::copy_file(std::filesystem::path(DemoDeck()).parent_path() / "ARCHIMPA.AI0",
                               decks / "ARCHIMPA.AI0");
    auto form = Start(deck);
    ASSERT_GT(form->session().model.DimensionCount, 1);
    form->session().model.Dimensions[0].Text = "123";
    const std::string saved = FormatCrpText(form->session().model, ConstDeckOptions{form->session().shell.Options,
                                                                                    form->session().drawing,
                                                                                    form->session().design});
    const CurrentFolderKept kept;
    std::filesystem::current_path(decks / "");
    const std::filesystem::path working = std::filesystem::current_path();

    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Text, "Vuoi salvare l'attuale impalcato?");
    EXPECT_FALSE(FileExists(config_ / "Dravo/Tessal.MEM"));  // not unloaded

    form->CommandBars_Execute(ExitCommandId);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(std::filesystem::current_path(), working);
    EXPECT_TRUE(FileText(deck) != saved);

    AnswerYes = true;
    form->CommandBars_Execute(ExitCommandId);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(boxes_.size(), 3u);
    EXPECT_TRUE(FileText(deck) == saved);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(form->session().shell.Folders.ExeFolder));
}

}  // namespace

// The document commands of the main window's bars on the real file dialogs, answered in place of
// the user: Open, Save As, the recent-file entries and the list kept from one run to the next.
#include <QAction>
#include <QFileDialog>

#include "model/common/Helpers.h"
#include "shell/forms/CommandBars.h"
#include "tests/shell/qt/Form1Fixture.h"

namespace {

constexpr int OpenCommandId = 100;
constexpr int SaveAsCommandId = 102;
constexpr int FirstRecentEntry = 2031;

class DocumentCommandsTest : public Form1Test {
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
    static QAction* Entry(const Form1& form, int slot) { return form.Bars()->Action(FirstRecentEntry + slot); }

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

    // The window's unload writes the list; the next run offers it in the File menu.
    form->close();
    EXPECT_EQ(FileText(config_ / "Dravo/Tessal.MEM"), "1\r\n\"" + DemoDeck() + "\"\r\n");
    answer_ = nullptr;
    form = Start("");
    ASSERT_TRUE(Entry(*form, 0)->isVisible());
    Entry(*form, 0)->trigger();
    EXPECT_EQ(form->session().shell.Document.CurrentFile, DemoDeck());
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ DEMO.CRP ]");
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace

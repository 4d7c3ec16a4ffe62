// The DXF output command in the main window: the export dialog worked with the mouse, the colour
// picker and the save dialog answered in place of the user, and the document put back afterwards.
// The DXF files go where the independent reader audits them; the dialogs are saved as pictures.
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dxf/export/AciPalette.h"
#include "dxf/forms/Form5.h"
#include "dxf/forms/Form_Selettore_Colore.h"
#include "shell/CommandTable.h"
#include "shell/DocumentTitle.h"
#include "tests/shell/qt/Form1Fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int AutoDimensionsCommand = 117;

class DxfOutputWindowTest : public Form1Test {
protected:
    DxfOutputWindowTest() : work_("dxf-output-window") {
        // The document: the masonry example in a folder of its own.
        fs::create_directories(work_ / "casa");
        for (const char* name : {"CASA.CRP", "ARCHIMPA.AI0"})
            fs::copy_file(std::string(DRAVO_EXAMPLES) + "/masonry/" + name, work_ / ("casa/" + std::string(name)));
        // The decks to export: the demo deck and a saved copy of it beside it.
        fs::create_directories(work_ / "decks");
        for (const char* name : {"DEMO.CRP", "ARCHIMPA.AI0"})
            fs::copy_file(std::string(DRAVO_EXAMPLES) + "/frame/" + name, work_ / ("decks/" + std::string(name)));
        DeckSession demo;
        EXPECT_TRUE(demo.Load(work_ / "decks/DEMO.CRP"));
        EXPECT_TRUE(demo.Save(work_ / "decks/DEMO_SALVATO.CRP"));
        fs::create_directories(DRAVO_DXF_OUT);
    }

    std::string Document() const { return work_ / "casa/CASA.CRP"; }

    // The export dialog shown by the command is handed to `work`; the save dialog chooses
    // `dxfPath_`, the colour picker is answered by `pick_`.
    void Export(Form1& form, const std::function<void(Form5&)>& work) {
        bool shown = false;
        answer_ = [&](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
                ++saveDialogs_;
                files->selectFile(QString::fromStdString(dxfPath_));
                dialog.done(QDialog::Accepted);
                return;
            }
            if (auto* picker = dynamic_cast<Form_Selettore_Colore*>(&dialog)) {
                if (pick_) pick_(*picker);
                return;
            }
            auto* export_ = qobject_cast<Form5*>(&dialog);
            ASSERT_NE(export_, nullptr);
            shown = true;
            export_->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(export_));
            work(*export_);
            export_->close();
        };
        form.CommandBars_Execute(DxfOutputCommand);
        answer_ = nullptr;
        EXPECT_TRUE(shown);
    }

    // How many pixels of the canvas are not its black background.
    static int Drawn(const QImage& canvas) { return canvas.width() * canvas.height() - CountColour(canvas, 0); }

    static void Click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(std::min(10, control->width() / 2), control->height() / 2));
    }
    static void Type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    static void Save(QWidget& window, const std::string& name) {
        window.grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + QString::fromStdString(name));
    }
    // Both decks of the folder chosen and exported.
    void ExportBothDecks(Form5& dialog, const std::string& name) {
        dialog.ShowFolder(work_ / "decks");
        dialog.File1->selectAll();
        Click(dialog.Command3);
        ASSERT_EQ(dialog.List1->count(), 2);
        dxfPath_ = std::string(DRAVO_DXF_OUT) + "/" + name;
        Click(dialog.Command1);
        EXPECT_EQ(dialog.LastExport().Outcome, DxfExportOutcome::Written);
        EXPECT_EQ(dialog.LastExport().DecksDrawn, 2);
    }

    ScratchFolder work_;
    std::string dxfPath_;
    int saveDialogs_ = 0;
    std::function<void(Form_Selettore_Colore&)> pick_;
};

TEST_F(DxfOutputWindowTest, ANamedDocumentComesBackWithItsUnsavedDimensions) {
    const auto form = Start(Document());
    form->CommandBars_Execute(AutoDimensionsCommand);
    Session& s = form->session();
    const int32_t dimensions = s.model.DimensionCount;
    ASSERT_GT(dimensions, 1);
    const int32_t nodes = s.model.NodeCount;
    const QImage plan = form->Picture1->Image();
    form->Picture1->Clear();
    Export(*form, [&](Form5& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "DXF");
        EXPECT_EQ(dialog.Folder(), work_ / "casa");
        EXPECT_EQ(dialog.File1->count(), 1);
        EXPECT_EQ(dialog.label3->text(), " 1 file dati disponibili");
        EXPECT_TRUE(fs::exists(work_ / "casa/imp.TMP"));
        ExportBothDecks(dialog, "window-two-decks-2000.dxf");
        EXPECT_EQ(dialog.Label4->text(), " 2 file dati per generazione DXF");
        EXPECT_EQ(s.model.NodeCount != nodes, true);  // the model holds the last deck exported
        Save(dialog, "form5-it.png");
    });
    // The save offer came before the dialog and was answered No.
    EXPECT_TRUE(std::any_of(boxes_.begin(), boxes_.end(),
                            [](const ShownBox& box) { return box.Text.find("Vuoi salvare?") != std::string::npos; }));
    EXPECT_EQ(saveDialogs_, 1);
    EXPECT_EQ(s.model.DimensionCount, dimensions);
    EXPECT_EQ(s.model.NodeCount, nodes);
    EXPECT_EQ(s.shell.Document.CurrentFile, Document());
    EXPECT_FALSE(fs::exists(work_ / "casa/imp.TMP"));
    EXPECT_TRUE(fs::exists(std::string(DRAVO_DXF_OUT) + "/window-two-decks-2000.dxf"));
    // The document is drawn again as it was, to the rounding of its copy's coordinates.
    const int drawn = Drawn(plan);
    EXPECT_NEAR(Drawn(form->Picture1->Image()), drawn, drawn / 20);
}

TEST_F(DxfOutputWindowTest, AnUnnamedDocumentComesBackWithItsDeckAfterAnR12Export) {
    const auto form = Start(Document());
    Session& s = form->session();
    s.shell.Document.CurrentFile = UnnamedDocument;
    s.shell.Languages.UiLanguage = 1;
    const int32_t nodes = s.model.NodeCount;
    const QImage plan = form->Picture1->Image();
    form->Picture1->Clear();
    Export(*form, [&](Form5& dialog) {
        EXPECT_EQ(dialog.Command1->text(), "File &DXF");
        EXPECT_EQ(dialog.Label6[1]->text(), "Draw");
        Click(dialog.Check4);
        ExportBothDecks(dialog, "window-two-decks-r12.dxf");
        EXPECT_EQ(dialog.Label4->text(), " 2 selected files to dxf");
        Save(dialog, "form5-en.png");
    });
    EXPECT_EQ(s.model.NodeCount, nodes);
    EXPECT_EQ(s.shell.Document.CurrentFile, UnnamedDocument);
    EXPECT_TRUE(fs::exists(std::string(DRAVO_DXF_OUT) + "/window-two-decks-r12.dxf"));
    EXPECT_EQ(form->Picture1->Image(), plan);
}

TEST_F(DxfOutputWindowTest, LayerNamesThatWouldMakeABadFileAreRefused) {
    const auto form = Start(Document());
    Export(*form, [&](Form5& dialog) {
        const QString first = dialog.Text1[0]->text();
        struct Case {
            QString typed;
            const char* says;
        } cases[] = {{"", "della riga 4 è vuoto"},
                     {"PIL/ACC", "contiene caratteri non ammessi"},
                     {first.toLower(), "è già usato da un altro layer"}};
        for (const Case& c : cases) {
            boxes_.clear();
            Type(dialog.Text1[3], c.typed);
            Click(dialog.Command1);
            ASSERT_EQ(boxes_.size(), 1u);
            EXPECT_NE(boxes_[0].Text.find(c.says), std::string::npos) << boxes_[0].Text;
            EXPECT_TRUE(dialog.Text1[3]->hasFocus());
        }
        EXPECT_EQ(saveDialogs_, 0);
        EXPECT_EQ(form->session().drawing.LayerNames[3], "PILASTRI_ACCIAIO");
        // A print ratio of 0 is refused and shown again as it was.
        Type(dialog.Text1[3], "ACCIAIO");
        Type(dialog.Text2[0], "0");
        boxes_.clear();
        Click(dialog.Command1);
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(dialog.Text2[0]->text(), "1");
        EXPECT_EQ(saveDialogs_, 0);
        EXPECT_EQ(form->session().drawing.LayerNames[3], "PILASTRI_ACCIAIO");
    });
}

TEST_F(DxfOutputWindowTest, AccentedLayerNamesComeBackAsTheyWere) {
    const auto form = Start(Document());
    Session& s = form->session();
    s.drawing.LayerNames[0] = "ASS\xCC";  // "ASSÌ" as the settings and data files hold it
    Export(*form, [&](Form5& dialog) {
        EXPECT_EQ(dialog.Text1[0]->text(), QString::fromUtf8("ASSÌ"));
        Click(dialog.Command7);  // stored with the settings
        EXPECT_EQ(s.drawing.LayerNames[0], "ASS\xCC");
    });
    EXPECT_EQ(s.drawing.LayerNames[0], "ASS\xCC");
}

TEST_F(DxfOutputWindowTest, FoldersAreOpenedFromTheFolderListAndTheDataFolderFollows) {
    const auto form = Start(Document());
    Export(*form, [&](Form5& dialog) {
        // The folder above the document's, then the decks' folder among its subfolders.
        for (const std::string& wanted : {fs::path(work_ / "").parent_path().string(), work_ / "decks"}) {
            QListWidgetItem* item = nullptr;
            for (int row = 0; row < dialog.Dir1->count(); ++row)
                if (dialog.Dir1->item(row)->data(Qt::UserRole).toString().toStdString() == wanted)
                    item = dialog.Dir1->item(row);
            ASSERT_NE(item, nullptr) << wanted;
            dialog.Dir1->setCurrentItem(item);
            QTest::keyClick(dialog.Dir1, Qt::Key_Return);
            QApplication::processEvents();
        }
        EXPECT_EQ(dialog.Folder(), work_ / "decks");
        EXPECT_EQ(form->session().shell.Document.DataFolder, work_ / "decks");
        EXPECT_EQ(dialog.File1->count(), 2);
        EXPECT_EQ(dialog.label3->text(), " 2 file dati disponibili");
    });
}

TEST_F(DxfOutputWindowTest, TheColourPickerChangesTheRowAndExitDropsIt) {
    const auto form = Start(Document());
    Session& s = form->session();
    const int32_t before = s.drawing.LayerAci[5];
    int32_t openedOn = -1;
    Export(*form, [&](Form5& dialog) {
        // A swatch clicked and Ok: the row shows the colour chosen.
        pick_ = [&](Form_Selettore_Colore& picker) {
            openedOn = picker.InitialAci();
            picker.show();
            Save(picker, "colour-picker-from-form5.png");
            const AciSwatch& swatch = AciSwatches()[static_cast<size_t>(AciSwatchOf(AciSwatches(), 171))];
            const QPoint centre((swatch.Left + swatch.Right) / 2, (swatch.Top + swatch.Bottom) / 2);
            QTest::mouseMove(picker.Picture1, centre);
            QTest::mouseClick(picker.Picture1, Qt::LeftButton, {}, centre);
            Click(picker.Command1[0]);
        };
        dialog.Label5_Click(5);
        EXPECT_EQ(openedOn, before);
        EXPECT_EQ(dialog.DialogLayerAci[5], 171);
        EXPECT_EQ(dialog.Label5[5]->text(), "171");
        // Cancelled: the row keeps what it showed.
        pick_ = [&](Form_Selettore_Colore& picker) { Click(picker.Command1[1]); };
        dialog.Label5_Click(5);
        EXPECT_EQ(dialog.DialogLayerAci[5], 171);
        Click(dialog.Command2);
        EXPECT_EQ(s.drawing.LayerAci[5], before);
    });
    EXPECT_EQ(s.drawing.LayerAci[5], before);
}

}  // namespace

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
#include "dxf/forms/ExportDialog.h"
#include "dxf/forms/ColourPicker.h"
#include "shell/CommandTable.h"
#include "shell/DocumentTitle.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int AutoDimensionsCommand = 117;

class DxfOutputWindowTest : public MainWindowTest {
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
    void Export(MainWindow& form, const std::function<void(ExportDialog&)>& work) {
        bool shown = false;
        answer_ = [&](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
                ++saveDialogs_;
                files->selectFile(QString::fromStdString(dxfPath_));
                dialog.done(QDialog::Accepted);
                return;
            }
            if (auto* picker = dynamic_cast<ColourPicker*>(&dialog)) {
                if (pick_) pick_(*picker);
                return;
            }
            auto* export_ = qobject_cast<ExportDialog*>(&dialog);
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
    void ExportBothDecks(ExportDialog& dialog, const std::string& name) {
        dialog.ShowFolder(work_ / "decks");
        dialog.fileList->selectAll();
        Click(dialog.addButton);
        ASSERT_EQ(dialog.selectedList->count(), 2);
        dxfPath_ = std::string(DRAVO_DXF_OUT) + "/" + name;
        Click(dialog.generateButton);
        EXPECT_EQ(dialog.LastExport().Outcome, DxfExportOutcome::Written);
        EXPECT_EQ(dialog.LastExport().DecksDrawn, 2);
    }

    ScratchFolder work_;
    std::string dxfPath_;
    int saveDialogs_ = 0;
    std::function<void(ColourPicker&)> pick_;
};

TEST_F(DxfOutputWindowTest, ANamedDocumentComesBackWithItsUnsavedDimensions) {
    const auto form = Start(Document());
    form->CommandBars_Execute(AutoDimensionsCommand);
    Session& s = form->session();
    // A dimension moved and not saved: the document has changed.
    s.model.Dimensions[0].LineY1 += 50;
    s.model.Dimensions[0].LineY2 += 50;
    form->Form_Activate();
    const int32_t dimensions = s.model.DimensionCount;
    ASSERT_GT(dimensions, 1);
    const int32_t nodes = s.model.NodeCount;
    const QImage plan = form->canvasWidget()->Image();
    form->canvasWidget()->Clear();
    Export(*form, [&](ExportDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "DXF");
        EXPECT_EQ(dialog.Folder(), work_ / "casa");
        EXPECT_EQ(dialog.fileList->count(), 1);
        EXPECT_EQ(dialog.availableCountLabel->text(), " 1 file dati disponibili");
        EXPECT_TRUE(fs::exists(work_ / "casa/imp.TMP"));
        ExportBothDecks(dialog, "window-two-decks-2000.dxf");
        EXPECT_EQ(dialog.selectedCountLabel->text(), " 2 file dati per generazione DXF");
        EXPECT_EQ(s.model.NodeCount != nodes, true);  // the model holds the last deck exported
        Save(dialog, "export-dialog-it.png");
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
    EXPECT_NEAR(Drawn(form->canvasWidget()->Image()), drawn, drawn / 20);
}

TEST_F(DxfOutputWindowTest, AnUnnamedDocumentComesBackWithItsDeckAfterAnR12Export) {
    const auto form = Start(Document());
    Session& s = form->session();
    s.shell.Document.CurrentFile = UnnamedDocument;
    s.shell.Languages.UiLanguage = 1;
    const int32_t nodes = s.model.NodeCount;
    const QImage plan = form->canvasWidget()->Image();
    form->canvasWidget()->Clear();
    Export(*form, [&](ExportDialog& dialog) {
        EXPECT_EQ(dialog.generateButton->text(), "File &DXF");
        EXPECT_EQ(dialog.drawnHeaders[1]->text(), "Draw");
        Click(dialog.r12Check);
        ExportBothDecks(dialog, "window-two-decks-r12.dxf");
        EXPECT_EQ(dialog.selectedCountLabel->text(), " 2 selected files to dxf");
        Save(dialog, "export-dialog-en.png");
    });
    EXPECT_EQ(s.model.NodeCount, nodes);
    EXPECT_EQ(s.shell.Document.CurrentFile, UnnamedDocument);
    EXPECT_TRUE(fs::exists(std::string(DRAVO_DXF_OUT) + "/window-two-decks-r12.dxf"));
    EXPECT_EQ(form->canvasWidget()->Image(), plan);
}

// While the export runs, the session holds the decks it exports: a resize settling and an
// activation draw none of them on the canvas. The document, back, is drawn once at the new size,
// its bounds kept and its scale fitted to the canvas.
TEST_F(DxfOutputWindowTest, TheExportedDecksAreNeverDrawnOnTheWindowsCanvas) {
    constexpr int SettledWaitMs = 500;
    const auto form = Start(Document());
    Session& s = form->session();
    QtCanvas& canvas = *form->canvasWidget();
    s.shell.Document.CurrentFile = UnnamedDocument;
    const ViewWindow view = s.drawing.View;
    const int draws = form->planDrawCount();
    Export(*form, [&](ExportDialog& dialog) {
        ExportBothDecks(dialog, "window-resized-meanwhile.dxf");
        form->resize(form->width() - 120, form->height() - 80);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &activate);
        QTest::qWait(SettledWaitMs);
        EXPECT_EQ(form->planDrawCount(), draws);
    });
    EXPECT_EQ(form->planDrawCount(), draws + 1);
    EXPECT_TRUE(canvas.HoldsWholePicture());
    EXPECT_FLOAT_EQ(s.drawing.View.CanvasWidthPx, canvas.width());
    EXPECT_FLOAT_EQ(s.drawing.View.CanvasHeightPx, canvas.height());
    EXPECT_EQ(s.drawing.View.ViewXMin, view.ViewXMin);
    EXPECT_LT(s.drawing.View.ViewScale, view.ViewScale);
    const QImage back = canvas.Image();
    QTest::qWait(SettledWaitMs);
    EXPECT_EQ(form->planDrawCount(), draws + 1);
    form->Form_Activate();
    EXPECT_EQ(canvas.Image(), back);
}

TEST_F(DxfOutputWindowTest, LayerNamesThatWouldMakeABadFileAreRefused) {
    const auto form = Start(Document());
    Export(*form, [&](ExportDialog& dialog) {
        const QString first = dialog.layerNameEdits[0]->text();
        struct Case {
            QString typed;
            const char* says;
        } cases[] = {{"", "della riga 4 è vuoto"},
                     {"PIL/ACC", "contiene caratteri non ammessi"},
                     {first.toLower(), "è già usato da un altro layer"}};
        for (const Case& c : cases) {
            boxes_.clear();
            Type(dialog.layerNameEdits[3], c.typed);
            Click(dialog.generateButton);
            ASSERT_EQ(boxes_.size(), 1u);
            EXPECT_NE(boxes_[0].Text.find(c.says), std::string::npos) << boxes_[0].Text;
            EXPECT_TRUE(dialog.layerNameEdits[3]->hasFocus());
        }
        EXPECT_EQ(saveDialogs_, 0);
        EXPECT_EQ(form->session().drawing.LayerNames[3], "PILASTRI_ACCIAIO");
        // A print ratio of 0 is refused and shown again as it was.
        Type(dialog.layerNameEdits[3], "ACCIAIO");
        Type(dialog.printRatioEdits[0], "0");
        boxes_.clear();
        Click(dialog.generateButton);
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(dialog.printRatioEdits[0]->text(), "1");
        EXPECT_EQ(saveDialogs_, 0);
        EXPECT_EQ(form->session().drawing.LayerNames[3], "PILASTRI_ACCIAIO");
    });
}

TEST_F(DxfOutputWindowTest, AccentedLayerNamesComeBackAsTheyWere) {
    const auto form = Start(Document());
    Session& s = form->session();
    s.drawing.LayerNames[0] = "ASS\xCC";  // "ASSÌ" as the settings and data files hold it
    Export(*form, [&](ExportDialog& dialog) {
        EXPECT_EQ(dialog.layerNameEdits[0]->text(), QString::fromUtf8("ASSÌ"));
        Click(dialog.saveSettingsButton);  // stored with the settings
        EXPECT_EQ(s.drawing.LayerNames[0], "ASS\xCC");
    });
    EXPECT_EQ(s.drawing.LayerNames[0], "ASS\xCC");
}

TEST_F(DxfOutputWindowTest, FoldersAreOpenedFromTheFolderListAndTheDataFolderFollows) {
    const auto form = Start(Document());
    Export(*form, [&](ExportDialog& dialog) {
        // The folder above the document's, then the decks' folder among its subfolders.
        for (const std::string& wanted : {fs::path(work_ / "").parent_path().string(), work_ / "decks"}) {
            QListWidgetItem* item = nullptr;
            for (int row = 0; row < dialog.folderList->count(); ++row)
                if (dialog.folderList->item(row)->data(Qt::UserRole).toString().toStdString() == wanted)
                    item = dialog.folderList->item(row);
            ASSERT_NE(item, nullptr) << wanted;
            dialog.folderList->setCurrentItem(item);
            QTest::keyClick(dialog.folderList, Qt::Key_Return);
            QApplication::processEvents();
        }
        EXPECT_EQ(dialog.Folder(), work_ / "decks");
        EXPECT_EQ(form->session().shell.Document.DataFolder, work_ / "decks");
        EXPECT_EQ(dialog.fileList->count(), 2);
        EXPECT_EQ(dialog.availableCountLabel->text(), " 2 file dati disponibili");
    });
}

TEST_F(DxfOutputWindowTest, TheColourPickerChangesTheRowAndExitDropsIt) {
    const auto form = Start(Document());
    Session& s = form->session();
    const int32_t before = s.drawing.LayerAci[5];
    int32_t openedOn = -1;
    Export(*form, [&](ExportDialog& dialog) {
        // A swatch clicked and Ok: the row shows the colour chosen.
        pick_ = [&](ColourPicker& picker) {
            openedOn = picker.InitialAci();
            picker.show();
            Save(picker, "colour-picker-from-export-dialog.png");
            const AciSwatch& swatch = AciSwatches()[static_cast<size_t>(AciSwatchOf(AciSwatches(), 171))];
            const QPoint centre((swatch.Left + swatch.Right) / 2, (swatch.Top + swatch.Bottom) / 2);
            QTest::mouseMove(picker.grid, centre);
            QTest::mouseClick(picker.grid, Qt::LeftButton, {}, centre);
            Click(picker.okCancelButtons[0]);
        };
        dialog.SwatchClicked(5);
        EXPECT_EQ(openedOn, before);
        EXPECT_EQ(dialog.DialogLayerAci[5], 171);
        EXPECT_EQ(dialog.colourSwatches[5]->text(), "171");
        // Cancelled: the row keeps what it showed.
        pick_ = [&](ColourPicker& picker) { Click(picker.okCancelButtons[1]); };
        dialog.SwatchClicked(5);
        EXPECT_EQ(dialog.DialogLayerAci[5], 171);
        Click(dialog.exitButton);
        EXPECT_EQ(s.drawing.LayerAci[5], before);
    });
    EXPECT_EQ(s.drawing.LayerAci[5], before);
}

}  // namespace

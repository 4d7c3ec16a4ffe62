// Every dialog and window of the program on a screen of 1024 x 768 pixels, in both interface
// languages: each lies, frame included, within the screen's free area, centred on the main window,
// no smaller than its contents need. This executable runs on an offscreen screen of that size; the
// sizes each window asks for and gets are printed, and the screen with each dialog is saved as a
// picture in the build tree, to look at.
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QPixmap>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <set>
#include <string>

#include "design/forms/RebarEditorDialog.h"
#include "dxf/forms/ColourPicker.h"
#include "dxf/forms/ExportDialog.h"
#include "platform/qt/QtFileDialogs.h"
#include "shell/CommandTable.h"
#include "shell/forms/VertexPanel.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

constexpr int SettingsCommand = 110;
constexpr int DesignOptionsCommand = 119;
// A frame's edges: its centre may lie this far from the inside's.
constexpr QSize CentreTolerance(2, 2);
// Qt places a message box itself, once its text has given it its size, and allows up to this for
// a frame it does not know yet.
constexpr QSize MessageBoxCentreTolerance(10, 40);

class SmallScreenTest : public MainWindowTest {
protected:
    void UseEnglish() { WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n"); }

    // Opens every dialog of the program over the window on the demo deck and looks at each.
    void LookAtEveryDialog(const char* language) {
        language_ = language;
        const auto form = Start(DemoDeck());
        form_ = form.get();
        ASSERT_EQ(form->screen()->size(), QSize(1024, 768));
        const QRect area = form->screen()->availableGeometry();
        EXPECT_TRUE(area.contains(form->frameGeometry()));

        answer_ = [this](QDialog& dialog) { Look(dialog); };
        lookAtBox_ = answer_;
        form->CommandBars_Execute(SettingsCommand);
        form->CommandBars_Execute(DesignOptionsCommand);
        form->CommandBars_Execute(AboutCommand);
        form->CommandBars_Execute(DxfOutputCommand);  // the colour picker is opened from it

        Session& s = form->session();
        s.editor.Rebar.SelectedBarSection = 0, s.editor.Rebar.SelectedBar = 0, s.editor.Rebar.SelectedBarIsLower = 0;
        RebarEditorDialog rebarEditor(s, form->platform().messages, form.get());
        RunModal(answer_, rebarEditor);

        QtFileDialogs files(form.get(), answer_);
        files.OpenFile({"Apri", DRAVO_EXAMPLES, "*.CRP", "File dati (*.CRP)|*.CRP", "CRP"});
        files.PickColour(0);
        answer_ = nullptr;
        lookAtBox_ = nullptr;

        const std::set<std::string> expected{"SettingsDialog", "DesignOptionsDialog", "AboutWindow", "ExportDialog",
                                             "ColourPicker",   "RebarEditorDialog",   "QMessageBox", "QFileDialog",
                                             "QColorDialog"};
        EXPECT_EQ(seen_, expected);

        // The main window with the vertex panel docked at its right keeps its frame on the screen
        // and leaves the canvas most of its width.
        s.editor.VertexPanel.VertexPanelMode = 1;
        form->FollowVertexPanel();
        QApplication::processEvents();
        EXPECT_TRUE(form->Vertices().isVisible());
        EXPECT_TRUE(area.contains(form->frameGeometry()));
        EXPECT_GT(form->canvasWidget()->width(), form->Vertices().width());
        std::printf("%-8s %-20s panel %dx%d, window frame %dx%d\n", language_, "MainWindow", form->Vertices().width(),
                    form->Vertices().height(), form->frameGeometry().width(), form->frameGeometry().height());
    }

    // The dialog shown as the window would show it, checked, then closed; the colour picker is
    // opened from the export dialog while it is shown.
    void Look(QDialog& dialog) {
        const std::string name = dynamic_cast<ColourPicker*>(&dialog) ? "ColourPicker" : dialog.metaObject()->className();
        SCOPED_TRACE(name);
        seen_.insert(name);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QApplication::processEvents();
        const QRect area = dialog.screen()->availableGeometry();
        const QRect frame = dialog.frameGeometry();
        const QSize asked = dialog.sizeHint().expandedTo(dialog.minimumSize());
        std::printf("%-8s %-20s asks %4dx%-4d shown %4dx%-4d frame %4dx%-4d at %d,%d\n", language_, name.c_str(),
                    asked.width(), asked.height(), dialog.width(), dialog.height(), frame.width(), frame.height(),
                    frame.x(), frame.y());
        EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        const QSize needed = dialog.minimumSizeHint();
        EXPECT_GE(dialog.width(), needed.width());
        EXPECT_GE(dialog.height(), needed.height());
        // Centred on the window it belongs to, the main window or the dialog that opened it.
        const QWidget* owner = dialog.parentWidget()->window();
        const QPoint offCentre = frame.center() - owner->frameGeometry().center();
        const QSize tolerance = qobject_cast<QMessageBox*>(&dialog) ? MessageBoxCentreTolerance : CentreTolerance;
        EXPECT_LE(std::abs(offCentre.x()), tolerance.width());
        EXPECT_LE(std::abs(offCentre.y()), tolerance.height());

        // The whole screen with the dialog over the window, to look at.
        dialog.screen()->grabWindow(0).save(QStringLiteral("%1/small-screen-%2-%3.png")
                                                .arg(DRAVO_TEST_OUTPUT, language_, QString::fromStdString(name)));

        // The colour picker and the print ratio's help are opened from the export dialog.
        if (auto* exportDialog = qobject_cast<ExportDialog*>(&dialog)) {
            QTest::mouseClick(exportDialog->colourSwatches[0], Qt::LeftButton);
            QTest::mouseClick(exportDialog->printRatioHelpButton, Qt::LeftButton);
        }
        dialog.reject();
    }

    const char* language_ = "";
    MainWindow* form_ = nullptr;
    std::set<std::string> seen_;
};

TEST_F(SmallScreenTest, EveryDialogFitsInItalian) { LookAtEveryDialog("Italian"); }

TEST_F(SmallScreenTest, EveryDialogFitsInEnglish) {
    UseEnglish();
    LookAtEveryDialog("English");
}

}  // namespace

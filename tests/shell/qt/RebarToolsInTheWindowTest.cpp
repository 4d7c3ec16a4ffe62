// The rebar tools of the canvas in the main window on the demo deck, started from their commands
// and driven with real mouse events: a bar edited with its grips through the rebar editor's
// graphic-edit button, a bar extended to a beam's axis, a bar deleted. Steps are saved as pictures
// in the build tree, to look at.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "design/forms/RebarEditorDialog.h"
#include "editing/InteractionModes.h"
#include "shell/CommandLine.h"
#include "shell/StartupLoad.h"
#include "shell/forms/MainWindow.h"
#include "tests/shell/qt/CanvasEvents.h"
#include "tests/support/DeckSession.h"

namespace {

class RebarToolsInTheWindow : public ::testing::Test {
protected:
    RebarToolsInTheWindow() : config_("rebar-tools-config") {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_ / ""));
        std::filesystem::create_directories(config_ / "Dravo");
        form_ = std::make_unique<MainWindow>([this](QDialog& dialog) {
            if (answer_) answer_(dialog);
        });
        ApplyCommandLineStart(ParseCommandLine(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"), form_->session(),
                              form_->platform().folders);
        form_->Form_Load();
        form_->show();
        form_->resize(1000, 760);
        QApplication::processEvents();
    }
    ~RebarToolsInTheWindow() override { qunsetenv("XDG_CONFIG_HOME"); }

    Session& session() { return form_->session(); }
    UpperRebar& Upper(int bar) { return session().model.Reinforcement.UpperRebars[0][static_cast<size_t>(bar)]; }
    QPoint At(float modelX, float modelY) { return CanvasPointOf(session(), modelX, modelY); }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form_->canvasWidget(), button, Qt::NoModifier, at);
    }
    void MoveTo(QPoint at) { SendMouseMove(*form_->canvasWidget(), at); }
    void Save(const char* name) { form_->canvasWidget()->SaveImage(QString(DRAVO_TEST_OUTPUT) + "/" + name); }
    // The canvas around the model rectangle, three times enlarged, to look at the feedback closely.
    void SaveDetail(const char* name, float x0, float y0, float x1, float y1) {
        const QString path = QString(DRAVO_TEST_OUTPUT) + "/" + name;
        form_->canvasWidget()->SaveImage(path);
        const QImage detail = QImage(path).copy(QRect(At(x0, y1), At(x1, y0)));
        detail.scaled(detail.size() * 3).save(path);
    }

    ScratchFolder config_;
    std::function<void(QDialog&)> answer_;
    std::unique_ptr<MainWindow> form_;
};

// Upper bar 0 of the first section, from x = -13 to x = 125 at y = 265: its end dragged to x = 200.
TEST_F(RebarToolsInTheWindow, BarEditedWithItsGrips) {
    int editors = 0;
    answer_ = [&](QDialog& dialog) {
        auto* editor = qobject_cast<RebarEditorDialog*>(&dialog);
        ASSERT_NE(editor, nullptr);
        ++editors;
        editor->grab().save(QString(DRAVO_TEST_OUTPUT) + "/rebar-tools-0-editor.png");
        QTest::mouseClick(editor->graphicEditButton, Qt::LeftButton);
    };
    form_->Pulsanti(124);
    EXPECT_EQ(form_->promptText(), "Seleziona il ferro da editare");
    Click(At(60, 265));
    EXPECT_EQ(editors, 1);
    ASSERT_EQ(session().editor.InteractionState, Mode::RebarGrips);
    SaveDetail("rebar-tools-1-grips.png", -60, 200, 260, 340);

    Click(At(125, 265));
    EXPECT_EQ(session().editor.InteractionState, Mode::RebarGripDrag);
    MoveTo(At(200, 300));
    SaveDetail("rebar-tools-2-drag.png", -60, 200, 260, 340);
    Click(At(200, 300));
    EXPECT_EQ(session().editor.InteractionState, Mode::RebarGripDown);
    SaveDetail("rebar-tools-3-put-down.png", -60, 200, 260, 340);
    Click(At(700, 700), Qt::RightButton);
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
    const float pixel = 1 / session().drawing.View.ViewScale;
    EXPECT_NEAR(Upper(0).X2, 200, pixel);
    EXPECT_NEAR(Upper(0).Y2, 265, 1e-3);
    EXPECT_EQ(Upper(0).X1, -13);
    Save("rebar-tools-4-committed.png");
}

// The editor closed with Cancel or OK: the picked bar's highlight goes with a redraw of the plan.
TEST_F(RebarToolsInTheWindow, TheEditorClosedLeavesThePlanDrawn) {
    const QImage plan = form_->canvasWidget()->Image();
    for (const bool ok : {false, true}) {
        answer_ = [ok](QDialog& dialog) {
            auto* editor = qobject_cast<RebarEditorDialog*>(&dialog);
            ASSERT_NE(editor, nullptr);
            QTest::mouseClick(ok ? editor->okButton : editor->cancelButton, Qt::LeftButton);
        };
        form_->Pulsanti(124);
        Click(At(60, 265));
        EXPECT_EQ(session().editor.InteractionState, Mode::Idle) << ok;
        EXPECT_EQ(form_->canvasWidget()->Image(), plan) << ok;
    }
}

// An emptied number of bars: OK says so in a box over the editor, which stays open with what was
// typed, on the refused field; the bar is not changed. The box and the editor are saved to look at.
TEST_F(RebarToolsInTheWindow, ARefusedFieldKeepsTheEditorOpenAsTyped) {
    const UpperRebar before = Upper(0);
    std::vector<std::string> boxes;
    bool checked = false;
    answer_ = [&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            box->show();
            QApplication::processEvents();
            box->grab().save(QString(DRAVO_TEST_OUTPUT) + "/rebar-editor-refusal-box.png");
            boxes.push_back(box->windowTitle().toStdString() + " | " + box->text().toStdString());
            box->close();  // OK, its only button
            return;
        }
        auto* editor = qobject_cast<RebarEditorDialog*>(&dialog);
        ASSERT_NE(editor, nullptr);
        editor->show();
        QApplication::setActiveWindow(editor);
        editor->stretchEdits[0]->setText("20");
        editor->barValueEdits[0]->clear();
        QTest::mouseClick(editor->okButton, Qt::LeftButton);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "Attenzione! | Il numero di ferri \"\" non è un numero intero maggiore di 0: il ferro "
                            "non è stato modificato.");
        EXPECT_EQ(editor->result(), 0) << "neither accepted nor rejected";
        EXPECT_EQ(editor->stretchEdits[0]->text(), "20");
        EXPECT_EQ(editor->barValueEdits[0]->text(), "");
        EXPECT_EQ(editor->focusWidget(), static_cast<QWidget*>(editor->barValueEdits[0]));
        EXPECT_EQ(Upper(0), before);
        editor->grab().save(QString(DRAVO_TEST_OUTPUT) + "/rebar-editor-refused.png");
        checked = true;
        QTest::mouseClick(editor->cancelButton, Qt::LeftButton);
    };
    form_->Pulsanti(124);
    Click(At(60, 265));
    EXPECT_TRUE(checked);
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
    EXPECT_EQ(Upper(0), before);
}

// Upper bar 1, from x = 375 to 625 at y = 265, trimmed at the axis of the beam at x = 500.
TEST_F(RebarToolsInTheWindow, BarExtendedToABeamAxisAndAnotherDeleted) {
    form_->Pulsanti(125);
    Click(At(500, 100));
    ASSERT_EQ(session().editor.InteractionState, Mode::RebarExtension);
    EXPECT_EQ(session().editor.Rebar.PickedEdgeX1, 500);
    Click(At(450, 265));
    EXPECT_NEAR(Upper(1).X2, 498, 1e-3);
    EXPECT_EQ(Upper(1).X1, 375);
    Save("rebar-tools-5-extended.png");
    Click(At(450, 265), Qt::RightButton);
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);

    answer_ = [](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) box->button(QMessageBox::Yes)->click();
    };
    const UpperRebar last = Upper(2);
    form_->Pulsanti(126);
    Click(At(450, 265));
    EXPECT_EQ(session().model.Reinforcement.UpperRebarCount[0], 2);
    EXPECT_EQ(Upper(1), last);
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
}

}  // namespace

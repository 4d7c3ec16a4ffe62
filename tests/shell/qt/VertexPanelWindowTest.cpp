// The perimeter editor in the main window on the demo deck, driven with real mouse clicks on the
// canvas and the panel: a floor slab's perimeter gets a new vertex pushed into the slab, is
// assigned, saved and read back. The window with the panel open is saved as pictures in the build
// tree, to look at.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "drawing/LayerDefaults.h"
#include "editing/InteractionModes.h"
#include "editing/VertexPanel.h"
#include "model/common/Helpers.h"
#include "model/files/SaveCrpFile.h"
#include "shell/CommandTable.h"
#include "shell/forms/VertexPanel.h"
#include "tests/shell/qt/CanvasEvents.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

// Twice the signed area of a polygon of plan points.
double DoubleArea(const Model& m, const std::vector<int32_t>& points) {
    double sum = 0;
    for (size_t k = 0; k < points.size(); ++k) {
        const PlanPoint& a = m.PlanNodes[static_cast<size_t>(points[k])];
        const PlanPoint& b = m.PlanNodes[static_cast<size_t>(points[(k + 1) % points.size()])];
        sum += static_cast<double>(a.X) * b.Y - static_cast<double>(b.X) * a.Y;
    }
    return sum;
}

// Every caption of the panel shows whole: each captioned control is as wide as its text asks.
void ExpectCaptionsWhole(const VertexPanel& panel) {
    std::vector<QWidget*> captioned = {panel.titleLabel(), panel.osnapCheck()};
    for (int32_t i = VertexButton::Delete; i <= VertexButton::Cancel; ++i) captioned.push_back(panel.button(i));
    for (const QWidget* control : captioned) {
        EXPECT_GE(control->width(), control->sizeHint().width()) << control->property("text").toString().toStdString();
        EXPECT_LE(control->geometry().right(), panel.contentsRect().right());
    }
}

class VertexPanelWindowTest : public MainWindowTest {
protected:
    VertexPanelWindowTest() : files_("vertex-panel-files") {
        AnswerYes = true;  // every question of the panel
        StartOnTheDemoDeck();
    }

    void StartOnTheDemoDeck() {
        form_ = Start(DemoDeck());
        form_->resize(1000, 760);
        QApplication::processEvents();
    }
    // The panel opened on the first floor slab by "Modifica perimetro solai" and a click inside.
    void OpenOnTheFirstFloorSlab() {
        form_->CommandBars_Execute(127);
        const FloorSlab& slab = session().model.FloorSlabs[0];
        QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, At(slab.CentroidX, slab.CentroidY));
    }

    Session& session() { return form_->session(); }
    QPoint At(float modelX, float modelY) { return CanvasPointOf(session(), modelX, modelY); }
    void ClickRow(int row) {
        QListWidget* list = form_->Vertices().vertexList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
    }
    void Save(const char* name) { form_->grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + name); }

    ScratchFolder files_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(VertexPanelWindowTest, FloorSlabPerimeterEditedSavedAndReadBack) {
    const VertexPanelState& panel = session().editor.VertexPanel;
    VertexPanel& controls = form_->Vertices();
    const int fullWidth = form_->canvasWidget()->width();

    // "Modifica perimetro solai", then a click inside the first floor slab.
    form_->CommandBars_Execute(127);
    EXPECT_EQ(session().editor.InteractionState, Mode::FloorSlabPerimeter);
    EXPECT_EQ(form_->promptText(), "Seleziona il solaio da modificare");
    const FloorSlab& slab = session().model.FloorSlabs[0];
    QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, At(slab.CentroidX, slab.CentroidY));
    ASSERT_EQ(panel.VertexPanelMode, 1);
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
    EXPECT_TRUE(form_->Vertices().isVisible());
    EXPECT_EQ(form_->canvasWidget()->width(), fullWidth - controls.width());
    EXPECT_EQ(controls.button(VertexButton::AssignCoordinates)->text(), "Assegna coordinate al vertice");
    ExpectCaptionsWhole(controls);
    ASSERT_EQ(controls.vertexList()->count(), 4);
    EXPECT_EQ(controls.vertexList()->currentRow(), 0);
    EXPECT_EQ(controls.vertexLabel()->text(), "Vertice 1:");
    EXPECT_EQ(form_->promptText(), "Seleziona il solaio da modificare");
    Save("vertex-panel-1-open.png");

    // The second row chosen, a vertex inserted after it in the middle of its edge.
    ClickRow(1);
    EXPECT_EQ(panel.SelectedVertex, 1);
    EXPECT_EQ(controls.vertexLabel()->text(), "Vertice 2:");
    QTest::mouseClick(controls.button(VertexButton::Insert), Qt::LeftButton);
    ASSERT_EQ(controls.vertexList()->count(), 5);
    EXPECT_EQ(panel.SelectedVertex, 2);
    EXPECT_EQ(controls.vertexList()->currentRow(), 2);

    // A point clicked inside the slab, 60 cm in from the new vertex towards the slab's centre,
    // fills the fields in red; the button moves the new vertex there.
    const Model& m = session().model;
    const PlanPoint mid = m.PlanNodes[static_cast<size_t>(panel.EditedVertices[2])];
    const double dx = slab.CentroidX - mid.X, dy = slab.CentroidY - mid.Y, d = std::hypot(dx, dy);
    const QPoint inside = At(static_cast<float>(mid.X + 60 * dx / d), static_cast<float>(mid.Y + 60 * dy / d));
    QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_EQ(panel.TypedCoordinatesColour, FieldsShowClickedPoint);
    EXPECT_EQ(controls.coordinateEdit(0)->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(controls.coordinateEdit(0)->text().toStdString(), panel.TypedCoordinates[0]);
    Save("vertex-panel-2-point-clicked.png");
    QTest::mouseClick(controls.button(VertexButton::AssignCoordinates), Qt::LeftButton);
    const PlanPoint moved = m.PlanNodes[static_cast<size_t>(panel.EditedVertices[2])];
    EXPECT_NEAR(std::hypot(moved.X - mid.X, moved.Y - mid.Y), 60, 2);
    EXPECT_EQ(controls.vertexList()->item(2)->text().toStdString(),
              " 3 - X = " + FormatNum(moved.X, 1) + "    Y = " + FormatNum(moved.Y, 1));
    Save("vertex-panel-3-vertex-moved.png");

    // Assigned: the panel goes, the canvas takes the whole width, the slab has its new area.
    const double area = std::fabs(DoubleArea(m, panel.EditedVertices)) / 2;
    const float before = slab.Area;
    QTest::mouseClick(controls.button(VertexButton::AssignPerimeter), Qt::LeftButton);
    EXPECT_EQ(panel.VertexPanelMode, 0);
    EXPECT_FALSE(form_->Vertices().isVisible());
    EXPECT_EQ(form_->canvasWidget()->width(), fullWidth);
    EXPECT_NEAR(std::fabs(slab.Area), area, 0.5);
    EXPECT_LT(std::fabs(slab.Area), std::fabs(before) - 1000);
    EXPECT_EQ(m.FloorSlabOutlineCount[0], 5);

    // Saved beside a copy of the archive, and read back.
    std::filesystem::copy_file(std::filesystem::path(DemoDeck()).parent_path() / "ARCHIMPA.AI0", files_ / "ARCHIMPA.AI0");
    const std::string path = files_ / "EDITED.CRP";
    ASSERT_TRUE(SaveCrpFile(path, session(), form_->platform()));
    EXPECT_EQ(boxes_.size(), 1u);  // the question of the insertion
    DeckSession reloaded;
    ASSERT_TRUE(reloaded.Load(path));
    EXPECT_EQ(reloaded.model.FloorSlabOutlineCount[0], 5);
    EXPECT_NEAR(std::fabs(reloaded.model.FloorSlabs[0].Area), area, 0.5);
}

TEST_F(VertexPanelWindowTest, EnglishCaptionsShowWhole) {
    WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n");
    StartOnTheDemoDeck();
    const VertexPanel& controls = form_->Vertices();
    const int fullWidth = form_->canvasWidget()->width();
    OpenOnTheFirstFloorSlab();
    ASSERT_TRUE(controls.isVisible());
    EXPECT_EQ(controls.titleLabel()->text(), "Vertex coordinates:");
    EXPECT_EQ(controls.button(VertexButton::AssignPerimeter)->text(), "Assign new perimeter");
    EXPECT_EQ(controls.vertexLabel()->text(), "Vertex 1:");
    EXPECT_EQ(form_->canvasWidget()->width(), fullWidth - controls.width());
    ExpectCaptionsWhole(controls);
    Save("vertex-panel-en.png");
}

// A coordinate typed with letters: the box names the field, the vertex stays, the field keeps the
// text to be mended. The box and the window are saved to look at.
TEST_F(VertexPanelWindowTest, ACoordinateThatIsNoNumberIsRefused) {
    OpenOnTheFirstFloorSlab();
    const VertexPanelState& panel = session().editor.VertexPanel;
    VertexPanel& controls = form_->Vertices();
    ASSERT_EQ(panel.VertexPanelMode, 1);
    const std::vector<int32_t> before = panel.EditedVertices;
    const QString firstRow = controls.vertexList()->item(0)->text();
    lookAtBox_ = [](QDialog& box) {
        box.show();
        QApplication::processEvents();
        box.grab().save(QString(DRAVO_TEST_OUTPUT) + "/vertex-panel-refused-box.png");
    };
    QLineEdit* x = controls.coordinateEdit(0);
    x->selectAll();
    QTest::keyClicks(x, "12abc");
    QTest::mouseClick(controls.button(VertexButton::AssignCoordinates), Qt::LeftButton);
    lookAtBox_ = nullptr;
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Title, "Attenzione!");
    EXPECT_EQ(boxes_[0].Text, "La coordinata X \"12abc\" non è un numero: il vertice resta dov'è.");
    EXPECT_EQ(panel.EditedVertices, before);
    EXPECT_EQ(controls.vertexList()->item(0)->text(), firstRow);
    EXPECT_EQ(x->text(), "12abc");
    Save("vertex-panel-refused.png");

    // Mended with a decimal comma, the same button moves the vertex.
    x->selectAll();
    QTest::keyClicks(x, "60,5");
    QTest::mouseClick(controls.button(VertexButton::AssignCoordinates), Qt::LeftButton);
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(session().model.PlanNodes[static_cast<size_t>(panel.EditedVertices[0])].X, 60.5f);
    EXPECT_EQ(x->text(), "60.5");
}

// The user's way to lose a moved vertex: typed, assigned to the vertex, the window closed with the
// save question answered Yes. The question on the unassigned outline comes first, Yes its default
// button; the saved deck's slab has the vertex where the canvas showed it.
TEST_F(VertexPanelWindowTest, TheCloseAssignsTheEditedOutlineBeforeTheSave) {
    std::filesystem::copy_file(DemoDeck(), files_ / "DEMO.CRP");
    std::filesystem::copy_file(std::filesystem::path(DemoDeck()).parent_path() / "ARCHIMPA.AI0", files_ / "ARCHIMPA.AI0");
    form_ = Start(files_ / "DEMO.CRP");
    AnswerYes = false;
    OpenOnTheFirstFloorSlab();
    VertexPanel& controls = form_->Vertices();
    ASSERT_TRUE(controls.isVisible());
    QLineEdit* x = controls.coordinateEdit(0);
    x->selectAll();
    QTest::keyClicks(x, "40");
    QTest::mouseClick(controls.button(VertexButton::AssignCoordinates), Qt::LeftButton);
    ASSERT_TRUE(boxes_.empty());

    // Closed unanswered, the question keeps the window and the edit.
    EXPECT_FALSE(form_->close());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Title, "Attenzione!");
    EXPECT_EQ(boxes_[0].Text,
              "Il perimetro modificato nel pannello dei vertici non è ancora stato assegnato.\n"
              "Vuoi assegnarlo prima di proseguire?");
    EXPECT_TRUE(controls.isVisible());

    bool yesIsTheDefault = false;
    lookAtBox_ = [&](QDialog& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        if (boxes_.size() != 1) return;
        yesIsTheDefault = box.defaultButton() == box.button(QMessageBox::Yes) && box.button(QMessageBox::No) &&
                          box.button(QMessageBox::Cancel);
        box.show();
        QApplication::processEvents();
        box.grab().save(QString(DRAVO_TEST_OUTPUT) + "/vertex-panel-assign-question.png");
    };
    AnswerYes = true;
    EXPECT_TRUE(form_->close());
    EXPECT_TRUE(yesIsTheDefault);
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[2].Text, "Vuoi salvare l'attuale impalcato?");
    DeckSession saved;
    ASSERT_TRUE(saved.Load(files_ / "DEMO.CRP"));
    const int32_t first = saved.model.FloorSlabOutline[0][0];
    EXPECT_EQ(saved.model.PlanNodes[static_cast<size_t>(first)].X, 40.0f);
}

// Another deck opened under a canvas tool ends the tool and its prompt, and closes the panel.
TEST_F(VertexPanelWindowTest, AnotherDeckEndsTheToolAndItsPrompt) {
    for (const bool panelOpen : {false, true}) {
        SCOPED_TRACE(panelOpen ? "the panel open" : "the slab not yet picked");
        form_->CommandBars_Execute(127);
        if (panelOpen) {
            const FloorSlab& slab = session().model.FloorSlabs[0];
            QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, At(slab.CentroidX, slab.CentroidY));
            ASSERT_TRUE(form_->Vertices().isVisible());
        }
        ASSERT_EQ(form_->promptText(), "Seleziona il solaio da modificare");
        form_->CommandBars_Execute(FirstRecentFileCommand);
        EXPECT_TRUE(boxes_.empty());
        EXPECT_EQ(session().shell.Document.CurrentFile, DemoDeck());
        EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
        EXPECT_EQ(session().editor.VertexPanel.VertexPanelMode, 0);
        EXPECT_FALSE(form_->Vertices().isVisible());
        EXPECT_EQ(form_->promptText(), "");
    }
}

TEST_F(VertexPanelWindowTest, CancelAndAnEmptiedDocumentCloseThePanel) {
    session().editor.InteractionState = Mode::ConcreteSlabPerimeter;
    const PlanPoint& corner = session().model.PlanNodes[static_cast<size_t>(session().model.ConcreteSlabOutline[0][0])];
    QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, At(corner.X + 30, corner.Y + 30));
    ASSERT_EQ(session().editor.VertexPanel.VertexPanelMode, 1);
    EXPECT_EQ(session().editor.VertexPanel.EditedSlabIsConcrete, 1);
    EXPECT_TRUE(form_->Vertices().isVisible());
    // The snap box follows the option and sets it.
    EXPECT_FALSE(form_->Vertices().osnapCheck()->isChecked());
    form_->Vertices().osnapCheck()->click();
    EXPECT_EQ(session().shell.Options.OsnapEnabled, 1);

    QTest::mouseClick(form_->Vertices().button(VertexButton::Cancel), Qt::LeftButton);
    EXPECT_EQ(session().editor.VertexPanel.VertexPanelMode, 0);
    EXPECT_FALSE(form_->Vertices().isVisible());

    session().editor.InteractionState = Mode::ConcreteSlabPerimeter;
    QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, At(corner.X + 30, corner.Y + 30));
    ASSERT_TRUE(form_->Vertices().isVisible());
    form_->Vuota();
    EXPECT_EQ(session().editor.VertexPanel.VertexPanelMode, 0);
    EXPECT_FALSE(form_->Vertices().isVisible());
}

}  // namespace

// The canvas editor in the main window on the demo deck, driven with real mouse events: a zoom
// window, a pan with the middle button and a dimension moved. Each step is saved as a picture of
// the canvas in the build tree, to look at.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "editing/CanvasEditor.h"
#include "editing/InteractionModes.h"
#include "editing/ZoomWindowAndPan.h"
#include "model/geometry/ViewFit.h"
#include "model/geometry/ViewTransforms.h"
#include "shell/CommandLine.h"
#include "shell/StartupLoad.h"
#include "shell/forms/MainWindow.h"
#include "tests/shell/qt/CanvasEvents.h"
#include "tests/support/DeckSession.h"

namespace {

class CanvasMouseTest : public ::testing::Test {
protected:
    CanvasMouseTest() : config_("canvas-mouse-config") {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_ / ""));
        std::filesystem::create_directories(config_ / "Dravo");
        form_ = std::make_unique<MainWindow>([](QDialog&) {});
        ApplyCommandLineStart(ParseCommandLine(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"), form_->session(),
                              form_->platform().folders);
        form_->Form_Load();
        form_->show();
        form_->resize(1000, 760);
        QApplication::processEvents();
    }
    ~CanvasMouseTest() override { qunsetenv("XDG_CONFIG_HOME"); }

    Session& session() { return form_->session(); }
    QPoint At(float modelX, float modelY) { return CanvasPointOf(session(), modelX, modelY); }
    // A move with the buttons held, as the platform delivers it.
    void MoveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton) { SendMouseMove(*form_->canvasWidget(), at, held); }
    void Save(const char* name) { form_->canvasWidget()->SaveImage(QString(DRAVO_TEST_OUTPUT) + "/" + name); }

    ScratchFolder config_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(CanvasMouseTest, ZoomWindowPanAndDimensionMove) {
    QtCanvas* canvas = form_->canvasWidget();
    Save("canvas-mouse-0-start.png");
    const ViewWindow& view = session().drawing.View;

    // The zoom window, as the "Zoom" command starts it, around the upper left bay and the bay
    // dimensions above it.
    StartZoomWindow(session().drawing.View, session().editor);
    const QPoint first = At(-100, 1300), second = At(600, 600);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, first);
    MoveTo(second);
    EXPECT_EQ(session().editor.ZoomPan.RubberBandRect, (std::array{first.x(), first.y(), second.x(), second.y()}));
    Save("canvas-mouse-1-band.png");
    const float scaleBefore = view.ViewScale;
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, second);
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
    EXPECT_GT(view.ViewScale, 1.4f * scaleBefore);
    EXPECT_NEAR((view.ViewYMin + view.ViewYMax) / 2, 950, 2);
    // The window took the canvas's proportions, within the rounding of its corners to pixels.
    EXPECT_NEAR(view.ViewXMax - view.ViewXMin, canvas->width() / view.ViewScale, 2 / view.ViewScale);
    Save("canvas-mouse-2-zoomed.png");

    // The cursor readout follows the mouse while no tool is active.
    MoveTo(At(250, 850));
    EXPECT_NEAR(view.CursorWorldX, 250, 1 / view.ViewScale);
    EXPECT_EQ(form_->coordinatesText().toStdString(), CursorReadout(view.CursorWorldX, view.CursorWorldY));

    // A pan with the middle button from the middle of the canvas, 120 pixels right and 100 down: the
    // overall dimension above the deck comes into view.
    const float xMin = view.ViewXMin, yMin = view.ViewYMin, scale = view.ViewScale;
    const QPoint anchor(canvas->width() / 2, canvas->height() / 2);
    QTest::mousePress(canvas, Qt::MiddleButton, Qt::NoModifier, anchor);
    EXPECT_EQ(canvas->cursor().shape(), Qt::OpenHandCursor);
    MoveTo(anchor + QPoint(60, 50), Qt::MiddleButton);
    MoveTo(anchor + QPoint(120, 100), Qt::MiddleButton);
    QTest::mouseRelease(canvas, Qt::MiddleButton, Qt::NoModifier, anchor + QPoint(120, 100));
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    EXPECT_FLOAT_EQ(view.ViewScale, scale);
    EXPECT_NEAR(view.ViewXMin, xMin - 120 / scale, 1e-3);
    EXPECT_NEAR(view.ViewYMin, yMin + 100 / scale, 1e-3);
    Save("canvas-mouse-3-panned.png");

    // The first dimension (its line at y 1160 from x 0 to 500) moved down to y 1110, between the
    // deck and the overall dimension.
    const Dimension before = session().model.Dimensions[0];
    session().editor.InteractionState = Mode::PickDimensionToMove;
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, At(250, 1160));
    ASSERT_EQ(session().editor.InteractionState, Mode::MoveDimension);
    const QPoint target = At(150, 1110);
    MoveTo(target);
    Save("canvas-mouse-4-move-preview.png");
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, target);
    const Dimension& moved = session().model.Dimensions[0];
    EXPECT_EQ(session().editor.InteractionState, Mode::Idle);
    EXPECT_NEAR(moved.LineY1, 1110, 1 / scale);
    EXPECT_EQ(moved.LineY2, moved.LineY1);
    EXPECT_NEAR(moved.LineX1, 0, 1e-3);
    EXPECT_NEAR(moved.LineX2, 500, 1e-3);
    EXPECT_EQ(moved.MeasuredY1, before.MeasuredY1);
    EXPECT_EQ(moved.Text, before.Text);
    Save("canvas-mouse-5-moved.png");
}

}  // namespace

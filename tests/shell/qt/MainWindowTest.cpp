#include "shell/forms/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "editing/VertexPanel.h"
#include "shell/CommandTable.h"
#include "shell/ViewNavigation.h"
#include "shell/forms/VertexPanel.h"
#include "tests/shell/qt/CanvasEvents.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

TEST_F(MainWindowTest, OpensOnTheDemoDeckAndShowsThePlan) {
    const auto form = Start(DemoDeck());
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ DEMO.CRP ]");
    EXPECT_TRUE(boxes_.empty());
    const Session& s = form->session();
    EXPECT_EQ(s.shell.Document.SlabDesignState, 2);
    EXPECT_EQ(s.shell.Document.CurrentFile, DemoDeck());
    EXPECT_EQ(s.shell.Document.DataFolder, std::string(DRAVO_EXAMPLES) + "/frame");

    form->grab().save(QString(DRAVO_TEST_OUTPUT) + "/main-window-demo.png");
    const QImage plan = form->canvasWidget()->Image();
    ASSERT_TRUE(form->canvasWidget()->SaveImage(QString(DRAVO_TEST_OUTPUT) + "/main-window-demo-canvas.png"));
    // The canvas takes the whole client area; on its black background the beams' faces are
    // yellow and the labels green.
    EXPECT_EQ(form->canvasWidget()->size(), form->centralWidget()->size());
    EXPECT_EQ(CountColour(plan, 0) > plan.width() * plan.height() / 2, true);
    EXPECT_GT(CountColour(plan, StandardColour(14)), 1000);
    EXPECT_GT(CountColour(plan, StandardColour(10)), 50);
    // The square deck fills the height and sits in the middle of the wider canvas.
    const auto [first, last] = ColumnsOf(plan, StandardColour(14));
    EXPECT_NEAR(first + last, plan.width(), plan.width() / 20.0);
    EXPECT_FLOAT_EQ(s.drawing.View.CanvasWidthPx, form->canvasWidget()->width());
}

TEST_F(MainWindowTest, EmptyStartIsTheUnnamedDocument) {
    const auto project = config_ / "Casa.SVQ";
    std::filesystem::create_directories(config_ / "Casa_data/disegni");
    WriteRegistry("[Software\\Orvane\\Struvia\\Recent File List]\nFile1=\"" + project + "\"\n");
    const auto form = Start("");
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ Anonimo ]");
    EXPECT_EQ(form->session().shell.Document.CurrentFile, "Anonimo");
    EXPECT_EQ(form->session().shell.Document.SlabDesignState, 0);
    EXPECT_EQ(form->session().shell.Document.DialogStartFolder, config_ / "Casa_data/disegni");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindowTest, DeckThatIsGoneOrFailsToLoad) {
    auto form = Start("/nowhere/Piano.crp");
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ Piano.crp ]");
    EXPECT_EQ(form->session().model.NodeCount, 0);
    EXPECT_TRUE(boxes_.empty());

    form = Start(DeckFixture("fail-unknown-node/NODO99.CRP"));
    ASSERT_EQ(boxes_.size(), 1u);  // the reader's own message, then the empty document
    EXPECT_NE(boxes_[0].Text.find("Nodo 99"), std::string::npos);
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravo  Carpenterie di piano  -  [ Anonimo ]");
    EXPECT_EQ(form->session().shell.Document.SlabDesignState, 0);
}

TEST_F(MainWindowTest, EnglishInterfaceAsksToAlignTheDrawingLanguage) {
    WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n");
    const auto form = Start(DemoDeck());
    EXPECT_EQ(form->session().shell.Languages.UiLanguage, 1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Title, "Warning!");
    EXPECT_EQ(boxes_[0].Text,
              "The program has detected a different setting for the language of drawing, do you want to adapt it?");
    EXPECT_EQ(form->session().shell.Languages.DrawingLanguage, 0);  // answered No
    const VertexPanel& panel = form->Vertices();
    EXPECT_EQ(panel.titleLabel()->text(), "Vertex coordinates:");
    EXPECT_EQ(panel.button(VertexButton::AssignCoordinates)->text(), "Assign vertex coordinates");
    EXPECT_EQ(panel.button(VertexButton::Cancel)->text(), "Cancel");
    EXPECT_EQ(panel.osnapCheck()->text(), "Osnap");
}

TEST_F(MainWindowTest, BatchLoadStopsAfterTheCommandBars) {
    WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n");
    const auto form = Start(DemoDeck() + " 20");
    EXPECT_EQ(form->session().shell.Languages.UiLanguage, 1);
    EXPECT_TRUE(boxes_.empty());  // no language question
    EXPECT_EQ(form->session().model.NodeCount, 0);
    EXPECT_TRUE(form->windowTitle().isEmpty());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, LayoutKeepsTheMinimumSizeAndDocksTheVertexPanel) {
    const auto form = Start(DemoDeck());
    form->resize(100, 100);
    QApplication::processEvents();
    EXPECT_GE(form->width(), 7000 / 15);
    EXPECT_GE(form->height(), 6000 / 15);

    form->resize(900, 700);
    QApplication::processEvents();
    Session& s = form->session();
    const int fullWidth = form->canvasWidget()->width();
    const ViewWindow before = s.drawing.View;
    s.editor.VertexPanel.VertexPanelMode = 1;
    form->CommandBars_Resize();
    // The panel takes the width its contents ask for at the right of the client area, as high as
    // the canvas, which has the rest.
    const VertexPanel& panel = form->Vertices();
    ASSERT_TRUE(panel.isVisible());
    const int panelWidth = panel.width();
    EXPECT_EQ(panelWidth, panel.sizeHint().width());
    EXPECT_GT(panelWidth, 100);
    EXPECT_LT(panelWidth, fullWidth / 2);
    EXPECT_EQ(form->canvasWidget()->width(), fullWidth - panelWidth);
    EXPECT_EQ(panel.geometry().left(), fullWidth - panelWidth);
    EXPECT_EQ(panel.height(), form->canvasWidget()->height());
    EXPECT_EQ(s.drawing.View.ViewXMin, before.ViewXMin);
    EXPECT_EQ(s.drawing.View.ViewYMax, before.ViewYMax);
    // The scale is fitted again to the narrower canvas.
    const float dx = before.ViewXMax - before.ViewXMin, dy = before.ViewYMax - before.ViewYMin;
    EXPECT_FLOAT_EQ(s.drawing.View.ViewScale,
                    std::min((fullWidth - panelWidth) / dx, form->canvasWidget()->height() / dy));
    EXPECT_FLOAT_EQ(s.drawing.View.CanvasWidthPx, fullWidth - panelWidth);

    s.editor.VertexPanel.VertexPanelMode = 0;
    form->CommandBars_Resize();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(form->canvasWidget()->width(), fullWidth);
    EXPECT_FLOAT_EQ(s.drawing.View.ViewScale, before.ViewScale);
}

TEST_F(MainWindowTest, TheFrameWithItsTitleBarLiesWithinTheScreenAtTheMargin) {
    const auto form = Start(DemoDeck());
    // The offscreen platform frames its windows with 2 pixels on each side.
    ASSERT_FALSE(form->windowHandle()->frameMargins().isNull());
    const QRect area = form->screen()->availableGeometry();
    const int margin = 2;  // 20 twips at 15 twips per pixel, rounded up
    EXPECT_EQ(form->frameGeometry(), area.marginsRemoved(QMargins(margin, margin, margin, margin)));
    EXPECT_TRUE(area.contains(form->frameGeometry()));
    // The canvas fills the smaller client area, fitted and drawn in it.
    const Session& s = form->session();
    EXPECT_FLOAT_EQ(s.drawing.View.CanvasWidthPx, form->canvasWidget()->width());
    EXPECT_FLOAT_EQ(s.drawing.View.CanvasHeightPx, form->canvasWidget()->height());
    const QImage plan = form->canvasWidget()->Image();
    const auto [first, last] = ColumnsOf(plan, StandardColour(14));
    EXPECT_NEAR(first + last, plan.width(), plan.width() / 20.0);
}

// The window is framed after the load, so the canvas the deck was fitted to at the load is not the
// one shown: the first view is still the whole deck, exactly as "Vista estesa" shows it there.
TEST_F(MainWindowTest, TheFirstViewIsTheWholeDeckOnTheCanvasShown) {
    constexpr int ExtendedViewCommand = 108;
    QSize atLoad;
    const auto form = Start(DemoDeck(), [&](MainWindow& loaded) { atLoad = loaded.canvasWidget()->size(); });
    QtCanvas& canvas = *form->canvasWidget();
    ASSERT_NE(canvas.size(), atLoad);
    const ViewWindow first = form->session().drawing.View;
    ViewWindow whole = first;
    ZoomToModelExtents(whole, form->session().model.Header);
    EXPECT_FLOAT_EQ(first.CanvasWidthPx, canvas.width());
    EXPECT_FLOAT_EQ(first.CanvasHeightPx, canvas.height());
    for (const auto& [shown, extents] : {std::pair{first.ViewXMin, whole.ViewXMin}, {first.ViewXMax, whole.ViewXMax},
                                         {first.ViewYMin, whole.ViewYMin}, {first.ViewYMax, whole.ViewYMax},
                                         {first.ViewScale, whole.ViewScale}})
        EXPECT_FLOAT_EQ(shown, extents);

    // The plan does not move on the first "Vista estesa".
    const QImage shown = canvas.Image();
    form->CommandBars_Execute(ExtendedViewCommand);
    EXPECT_EQ(canvas.Image(), shown);
}

// A window manager frames the window once it is shown, before its first paint, and activates it,
// before or after that paint: the plan is drawn once, on the canvas of the framed window.
TEST_F(MainWindowTest, TheStartDrawsThePlanOnceOnTheCanvasShown) {
    constexpr int SettledWaitMs = 500;
    QSize shownAt;
    const auto form = Start(DemoDeck(), {}, [&](MainWindow& shown) {
        EXPECT_EQ(shown.planDrawCount(), 0);
        shown.resize(shown.width() - 40, shown.height() - 60);
        shownAt = shown.size();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&shown, &activate);
    });
    QTest::qWait(SettledWaitMs);
    ASSERT_EQ(form->size(), shownAt);
    QtCanvas& canvas = *form->canvasWidget();
    EXPECT_EQ(form->planDrawCount(), 1);
    EXPECT_TRUE(canvas.HoldsWholePicture());
    const ViewWindow first = form->session().drawing.View;
    EXPECT_FLOAT_EQ(first.CanvasWidthPx, canvas.width());
    EXPECT_FLOAT_EQ(first.CanvasHeightPx, canvas.height());
    ViewWindow whole = first;
    ZoomToModelExtents(whole, form->session().model.Header);
    EXPECT_FLOAT_EQ(first.ViewScale, whole.ViewScale);
    EXPECT_FLOAT_EQ(first.ViewXMin, whole.ViewXMin);
    EXPECT_FLOAT_EQ(first.ViewYMax, whole.ViewYMax);
    // The activation may come after the first paint too: the picture drawn stands.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    EXPECT_EQ(form->planDrawCount(), 1);
    const QImage drawn = canvas.Image();
    form->Form_Activate();
    EXPECT_EQ(canvas.Image(), drawn);

    // Later activations draw as before.
    QApplication::sendEvent(form.get(), &activate);
    EXPECT_EQ(form->planDrawCount(), 3);
}

// No window manager activates the window again after a dialog: the window draws the plan itself.
TEST_F(MainWindowTest, TheWindowsDialogsLeaveThePlanDrawn) {
    const auto form = Start(DemoDeck());
    const QImage plan = form->canvasWidget()->Image();
    const std::pair<int32_t, const char*> dialogs[] = {
        {110, "settings"}, {119, "design options"}, {AboutCommand, "information window"}};
    for (const auto& [command, name] : dialogs) {
        form->canvasWidget()->Clear();
        form->CommandBars_Execute(command);  // each dialog closed unanswered
        EXPECT_EQ(form->canvasWidget()->Image(), plan) << name;
    }
}

TEST_F(MainWindowTest, ActivationRedrawsThePlan) {
    const auto form = Start(DemoDeck());
    form->canvasWidget()->Clear();
    EXPECT_EQ(CountColour(form->canvasWidget()->Image(), StandardColour(14)), 0);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    EXPECT_GT(CountColour(form->canvasWidget()->Image(), StandardColour(14)), 1000);
}

// A window made larger, border dragged in steps, draws the plan anew on the whole canvas once its
// size has settled, at the view the layout fitted; the panel shown or hidden is a new size too.
TEST_F(MainWindowTest, ACanvasOfNewSizeIsDrawnWholeOnceTheSizeSettles) {
    constexpr int ZoomInCommand = 106;
    constexpr int SettledWaitMs = 1000;
    const auto form = Start(DemoDeck());
    QtCanvas& canvas = *form->canvasWidget();
    Session& s = form->session();
    const auto drawnAnew = [&](const char* step) {
        SCOPED_TRACE(step);
        QTest::qWait(SettledWaitMs);
        const QImage settled = canvas.Image();
        const ViewWindow view = s.drawing.View;
        EXPECT_EQ(settled.size(), canvas.size());
        form->Form_Activate();
        EXPECT_EQ(canvas.Image(), settled);
        EXPECT_EQ(s.drawing.View.ViewScale, view.ViewScale);
        EXPECT_EQ(s.drawing.View.ViewXMin, view.ViewXMin);
        EXPECT_EQ(s.drawing.View.ViewYMax, view.ViewYMax);
        EXPECT_FLOAT_EQ(view.CanvasWidthPx, canvas.width());
    };

    form->resize(800, 600);
    QApplication::processEvents();
    form->CommandBars_Execute(ZoomInCommand);
    const ViewWindow zoomed = s.drawing.View;
    for (int width = 800, height = 600; width < 1280; width += 120, height += 106) {
        form->resize(width, height);
        QApplication::processEvents();
    }
    form->resize(1280, 1024);
    drawnAnew("larger window");
    // The zoomed bounds stay; the scale is fitted to the larger canvas.
    EXPECT_EQ(s.drawing.View.ViewXMin, zoomed.ViewXMin);
    EXPECT_GT(s.drawing.View.ViewScale, zoomed.ViewScale);
    EXPECT_GT(CountColour(canvas.Image().copy(800, 0, 480, canvas.height()), StandardColour(14)), 100);

    s.editor.VertexPanel.VertexPanelMode = 1;
    form->CommandBars_Resize();
    drawnAnew("panel shown");
    s.editor.VertexPanel.VertexPanelMode = 0;
    form->CommandBars_Resize();
    drawnAnew("panel hidden");
}

// The size settling draws only a canvas that no draw has filled at its size: not after the start,
// nor after the vertex panel opened or closed, each of which was drawn at once; a window minimised
// meanwhile draws its new size once it is back.
TEST_F(MainWindowTest, ACanvasAlreadyDrawnAtItsSizeIsNotDrawnAgain) {
    constexpr int FloorSlabPerimeterCommand = 127;
    constexpr int SettledWaitMs = 500;
    const auto form = Start(DemoDeck());
    QtCanvas& canvas = *form->canvasWidget();
    Session& s = form->session();
    const auto drawsWhileSettling = [&](const char* step) {
        SCOPED_TRACE(step);
        const int before = form->planDrawCount();
        QTest::qWait(SettledWaitMs);
        EXPECT_TRUE(canvas.HoldsWholePicture());
        EXPECT_EQ(canvas.Image().size(), canvas.size());
        return form->planDrawCount() - before;
    };
    // Drawn at the load, at the size the placement gave, and on the activation.
    EXPECT_LE(form->planDrawCount(), 3);
    EXPECT_EQ(drawsWhileSettling("start"), 0);

    // The editor draws the plan beside the panel it opened.
    form->CommandBars_Execute(FloorSlabPerimeterCommand);
    const FloorSlab& slab = s.model.FloorSlabs[0];
    const int fullWidth = canvas.width();
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, CanvasPointOf(s, slab.CentroidX, slab.CentroidY));
    ASSERT_TRUE(form->Vertices().isVisible());
    ASSERT_LT(canvas.width(), fullWidth);
    EXPECT_EQ(drawsWhileSettling("panel opened"), 0);
    const int beforeCancel = form->planDrawCount();
    QTest::mouseClick(form->Vertices().button(VertexButton::Cancel), Qt::LeftButton);
    ASSERT_EQ(canvas.width(), fullWidth);
    EXPECT_EQ(form->planDrawCount(), beforeCancel + 1);
    EXPECT_EQ(drawsWhileSettling("panel closed"), 0);

    // Minimised, made smaller, restored without an activation.
    form->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    form->resize(800, 600);
    QApplication::processEvents();
    ASSERT_NE(canvas.width(), fullWidth);
    const int minimised = form->planDrawCount();
    QTest::qWait(SettledWaitMs);
    EXPECT_EQ(form->planDrawCount(), minimised);
    form->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(drawsWhileSettling("restored"), 1);
    const QImage restored = canvas.Image();
    form->Form_Activate();
    EXPECT_EQ(canvas.Image(), restored);
}

}  // namespace

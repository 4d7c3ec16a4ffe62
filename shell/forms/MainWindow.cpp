#include "shell/forms/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <utility>

#include "drawing/PlanDriver.h"
#include "model/geometry/ViewTransforms.h"
#include "platform/qt/QtTranslation.h"
#include "shell/DocumentSteps.h"
#include "shell/DocumentTitle.h"
#include "shell/RecentFiles.h"
#include "shell/StartupLoad.h"
#include "shell/StruviaRegistry.h"
#include "shell/ViewNavigation.h"
#include "shell/forms/AboutWindow.h"
#include "shell/forms/CanvasMouse.h"
#include "shell/forms/CommandBars.h"
#include "shell/forms/MainWindowCommands.h"
#include "shell/forms/VertexPanel.h"
#include "shell/forms/WheelHook.h"

namespace {

constexpr double MinimumWidthTwips = 7000;
constexpr double MinimumHeightTwips = 6000;
constexpr double ScreenMarginTwips = 20;
// How long the canvas keeps one size before it counts as settled: longer than the steps of a
// border being dragged, short enough to pass unseen.
constexpr int SizeSettlesMs = 150;

// The area the menu bar, the toolbar and the status bar leave free. Its size changes are the
// command bars' Resize event.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, MainWindow& form) : QWidget(parent), form_(form) {}

protected:
    void resizeEvent(QResizeEvent*) override { form_.CommandBars_Resize(); }

private:
    MainWindow& form_;
};

}  // namespace

MainWindow::MainWindow(const ModalRunner& runner) : runner_(runner) {
    clientArea_ = new ClientArea(this, *this);
    setCentralWidget(clientArea_);
    canvas_ = new QtCanvas(clientArea_);
    canvas_->installEventFilter(this);
    qt_ = std::make_unique<QtPlatform>(*canvas_, this, runner);
    CommandWindow& window = *this;
    commands_ = std::make_unique<MainWindowCommands>(session_, qt_->platform, runner_, window);

    // The canvas takes what the vertex panel leaves of the client area's width.
    auto* row = new QHBoxLayout(clientArea_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(canvas_, 1);
    auto* panel = new VertexPanel(session_, qt_->messages, *this, clientArea_);
    panel->hide();
    row->addWidget(panel);
    vertexPanel_ = panel;

    coordinatesLabel_ = new QLabel(this);
    promptLabel_ = new QLabel(this);
    statusBar()->addWidget(coordinatesLabel_);
    statusBar()->addWidget(promptLabel_, 1);
    canvasMouse_ = std::make_unique<CanvasMouse>(session_, *qt_, *coordinatesLabel_, *promptLabel_, runner);
    canvasMouse_->RepeatLastCommandOfTheBars = [this] { RepeatLastCommand(); };
    canvasMouse_->ShowVertexPanel = [this] { FollowVertexPanel(); };

    sizeSettled_ = new QTimer(this);
    sizeSettled_->setSingleShot(true);
    sizeSettled_->setInterval(SizeSettlesMs);
    connect(sizeSettled_, &QTimer::timeout, this, [this] { RedrawOnceSettled(); });
}

MainWindow::~MainWindow() = default;

int32_t MainWindow::PlatformTwipsPerPixel() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? static_cast<int32_t>(std::lround(1440.0 / dpi)) : 15;
}

int MainWindow::TwipsToPixels(double twips) const {
    const float perPixel = session_.drawing.View.TwipsPerPixel;
    return static_cast<int>(std::ceil(twips / (perPixel > 0 ? perPixel : 15)));
}

void MainWindow::Form_Load() {
    HookMouseWheel();
    Session& s = session_;
    Platform& p = qt_->platform;
    LoadApplicationState(s, p);
    UseQtTranslationFor(s.shell.Languages);
    RunTrapped([&] {
        p.canvas.SetFillColour(0);
        p.canvas.SetFillStyle(FillStyle::Solid);
    });
    RunTrapped([&] { s.drawing.View.TwipsPerPixel = static_cast<float>(PlatformTwipsPerPixel()); });
    RunTrapped([&] { PlaceWindow(); });
    RunTrapped([&] { Menu(); });
    if (s.shell.Document.InteractiveStart == 0) return;

    RunTrapped([&] { AlignDrawingLanguage(s, p); });
    s.shell.Document.SlabDesignState = 0;
    RunTrapped([&] {
        switch (OpenStartDocument(s, p)) {
        case StartDocument::Opened: startFitFollowsCanvas_ = true; break;
        case StartDocument::LoadFailed: Vuota(); break;
        case StartDocument::None: {
            ShowSplash();
            s.shell.Document.CurrentFile = UnnamedDocument;
            const std::string folder = GetStruviaDrawingsFolder(p.registry);
            if (!folder.empty()) s.shell.Document.DialogStartFolder = folder;
            break;
        }
        case StartDocument::FileMissing: break;
        }
    });
    RunTrapped([&] { RefreshRecentMenu(); });
    RunTrapped([&] { TitoloFR1(); });
    RunTrapped([&] { Form_Activate(); });
    // The document the window starts with, drawn, is the one a close compares with.
    RunTrapped([&] { MarkDocumentUnchanged(s); });
    if (s.shell.Languages.UiLanguage != 0) RunTrapped([&] { vertexPanel_->UseEnglishCaptions(); });
    RunTrapped([&] { CommandBars_Update(); });
}

void MainWindow::PlaceWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const int margin = TwipsToPixels(ScreenMarginTwips);
    placedFrame_ = screen->availableGeometry().marginsRemoved(QMargins(margin, margin, margin, margin));
    placing_ = true;
    FitFrameToPlace();
}

void MainWindow::FitFrameToPlace() {
    placedMargins_ = FrameMargins();
    // A window system that frames windows is done with the placement once it has told the frame.
    if (!placedMargins_.isNull()) placing_ = false;
    setGeometry(placedFrame_.marginsRemoved(placedMargins_));
    LayOutClientArea();
}

QMargins MainWindow::FrameMargins() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void MainWindow::LayOutClientArea() {
    // The client area takes its size now, so that the deck of the command line is fitted to the
    // canvas the window will show.
    if (layout()) layout()->activate();
    CommandBars_Resize();
}

void MainWindow::TitoloFR1() {
    setWindowTitle(QString::fromStdString(MainWindowTitle(session_.shell.Document.CurrentFile)));
}

void MainWindow::ShowDocumentCaption() {
    // An emptied document closed the vertex panel before its caption is asked for.
    SyncVertexPanel();
    TitoloFR1();
}

void MainWindow::Dimensiona() {
    const int minimumWidth = TwipsToPixels(MinimumWidthTwips);
    const int minimumHeight = TwipsToPixels(MinimumHeightTwips);
    if (width() < minimumWidth) resize(minimumWidth, height());
    if (height() < minimumHeight) resize(width(), minimumHeight);
}

void MainWindow::CommandBars_Resize() {
    if (!vertexPanel_) return;
    vertexPanel_->setVisible(session_.editor.VertexPanel.VertexPanelMode != 0);
    // The canvas takes its new width now, so that the scale is fitted to it.
    QLayout* row = clientArea_->layout();
    row->invalidate();
    row->activate();

    ViewWindow& view = session_.drawing.View;
    const auto width = static_cast<float>(canvas_->WidthPx());
    const auto height = static_cast<float>(canvas_->HeightPx());
    // The same canvas keeps its scale: fitted again to bounds that centring has set, it would drift
    // by a rounding from the picture drawn.
    const bool resized = width != view.CanvasWidthPx || height != view.CanvasHeightPx;
    view.CanvasWidthPx = width;
    view.CanvasHeightPx = height;
    if (startFitFollowsCanvas_) ZoomToModelExtents(view, session_.model.Header);
    else if (resized) view.ViewScale = GetFitScale(view, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
    RedrawOnceSizeSettles();
}

void MainWindow::RedrawOnceSizeSettles() {
    if (sizeSettled_ && (sizeSettled_->isActive() || !canvas_->HoldsWholePicture())) sizeSettled_->start();
}

void MainWindow::RedrawOnceSettled() {
    if (isVisible() && !(windowState() & Qt::WindowMinimized) && !canvas_->HoldsWholePicture()) Form_Activate();
}

void MainWindow::FollowVertexPanel() {
    vertexPanel_->Refresh();
    CommandBars_Resize();
}

void MainWindow::SyncVertexPanel() {
    if (vertexPanel_->isHidden() == (session_.editor.VertexPanel.VertexPanelMode != 0)) FollowVertexPanel();
}

bool MainWindow::FirstDrawWaits() const { return !shownDrawn_ && !(isVisible() && canvasExposed_); }

void MainWindow::FirstCanvasPaint() {
    // A window manager frames the window before it first shows it: the client area shrinks by the
    // frame, and the canvas is painted again at its new size.
    if (placing_ && FrameMargins() != placedMargins_) {
        FitFrameToPlace();
        return;
    }
    canvasExposed_ = true;
    Form_Activate();
}

void MainWindow::Form_Activate() {
    if (planDrawingHeld_) {
        drawHeldBack_ = true;
        return;
    }
    // Whatever asks for the plan before the window is shown is drawn by the canvas's first paint.
    if (FirstDrawWaits()) return;
    // A load or an emptied document may have closed the panel.
    SyncVertexPanel();
    DrawPlanOnCanvas(session_, *canvas_);
    ++planDraws_;
    if (isVisible()) startFitFollowsCanvas_ = false;
    if (!std::exchange(shownDrawn_, true)) firstPicture_ = canvas_->Changes();
}

void MainWindow::HoldPlanDrawing(bool hold) {
    planDrawingHeld_ = hold;
    if (hold) return;
    // The document is back, maybe with the view it was kept with: fitted to the canvas as it is now.
    CommandBars_Resize();
    if (std::exchange(drawHeldBack_, false) || !canvas_->HoldsWholePicture()) Form_Activate();
}

void MainWindow::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SaveRecentFiles(session_);
    UnhookMouseWheel();
}

void MainWindow::Vuota() {
    EmptyDocument(session_, *canvas_);
    ShowPrompt("");
    FollowVertexPanel();
    TitoloFR1();
    CommandBars_Update();
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        // The frame is known once the window system has framed the shown window: the client area
        // shrinks by it, so that the title bar lies on the screen too.
        if (placing_ && isVisible() && FrameMargins() != placedMargins_) {
            redrawOnResize_ = true;
            FitFrameToPlace();
        }
        break;
    default: break;
    }
    if (event->type() == QEvent::WindowActivate) {
        // The activation that comes with the window's first showing finds the plan drawn whole.
        const bool firstPictureStands = firstPicture_ == canvas_->Changes() && canvas_->HoldsWholePicture();
        firstPicture_.reset();
        if (!firstPictureStands) Form_Activate();
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Paint && !canvasExposed_ && isVisible()) FirstCanvasPaint();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A size taken while minimised is drawn in once the window is back.
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized)) RedrawOnceSizeSettles();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!(windowState() & Qt::WindowMinimized)) Dimensiona();
    if (redrawOnResize_) {
        redrawOnResize_ = false;
        Form_Activate();
    }
}

void MainWindow::CloseAsAgreed() {
    closeAgreed_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Changes not saved are offered for saving first; the close box asks here, Exit has asked already.
    if (!closeAgreed_ && !commands_->MayClose()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void MainWindow::Menu() {
    if (bars_) return;
    bars_ = new CommandBars(*this, session_, [this](int32_t id) { CommandBars_Execute(id); });
    CommandBars_Update();
    LayOutClientArea();
}

CommandContext MainWindow::Commands() { return {session_, qt_->messages, *commands_}; }

void MainWindow::CommandBars_Execute(int32_t id) {
    ExecuteCommand(id, Commands());
    CommandBars_Update();
}

void MainWindow::CommandBars_Update() {
    if (bars_) bars_->Update();
}

void MainWindow::RefreshRecentMenu() {
    if (bars_) bars_->RefreshRecent();
}

void MainWindow::Pulsanti(int32_t id) {
    ::Pulsanti(id, Commands());
    CommandBars_Update();
}

void MainWindow::RepeatLastCommand() {
    if (::RepeatLastCommand(Commands())) CommandBars_Update();
}

void MainWindow::MouseWheel(bool awayFromUser, float x, float y) {
    ViewWindow& view = session_.drawing.View;
    view.CursorWorldX = ScreenToWorldX(view, x);
    view.CursorWorldY = ScreenToWorldY(view, y);
    if (WheelZoom(view, session_.editor, session_.model.NodeCount, awayFromUser)) Form_Activate();
}

void MainWindow::HookMouseWheel() {
    if (wheelHook_) return;
    wheelHook_ = std::make_unique<WheelHook>(*canvas_, [this](bool awayFromUser, QPointF at) {
        MouseWheel(awayFromUser, static_cast<float>(at.x()), static_cast<float>(at.y()));
    });
}

void MainWindow::UnhookMouseWheel() { wheelHook_.reset(); }

void MainWindow::ShowPrompt(const std::string& prompt) { promptLabel_->setText(QString::fromStdString(prompt)); }

QString MainWindow::coordinatesText() const { return coordinatesLabel_->text(); }

QString MainWindow::promptText() const { return promptLabel_->text(); }

void MainWindow::RunDialog(QDialog& dialog) {
    RunModal(runner_, dialog);
    Form_Activate();
}

void MainWindow::ShowSplash() {
    AboutWindow splash(session_.model, this);
    RunDialog(splash);
}

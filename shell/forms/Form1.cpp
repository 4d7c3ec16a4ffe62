#include "shell/forms/Form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include <cmath>

#include "drawing/PlanDriver.h"
#include "model/geometry/ViewTransforms.h"
#include "platform/qt/QtTranslation.h"
#include "shell/DocumentSteps.h"
#include "shell/DocumentTitle.h"
#include "shell/RecentFiles.h"
#include "shell/StartupLoad.h"
#include "shell/StruviaRegistry.h"
#include "shell/ViewNavigation.h"
#include "shell/forms/CanvasMouse.h"
#include "shell/forms/CommandBars.h"
#include "shell/forms/Form1Commands.h"
#include "shell/forms/Form14.h"
#include "shell/forms/VertexPanel.h"
#include "shell/forms/WheelHook.h"

namespace {

constexpr double MinimumWidthTwips = 7000;
constexpr double MinimumHeightTwips = 6000;
constexpr double ScreenMarginTwips = 20;

// The area the menu bar, the toolbar and the status bar leave free. Its size changes are the
// command bars' Resize event.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, Form1& form) : QWidget(parent), form_(form) {}

protected:
    void resizeEvent(QResizeEvent*) override { form_.CommandBars_Resize(); }

private:
    Form1& form_;
};

}  // namespace

Form1::Form1(const ModalRunner& runner) : runner_(runner), commands_(std::make_unique<Form1Commands>(*this)) {
    clientArea_ = new ClientArea(this, *this);
    setCentralWidget(clientArea_);
    Picture1 = new QtCanvas(clientArea_);
    qt_ = std::make_unique<QtPlatform>(*Picture1, this, runner);

    // The canvas takes what the vertex panel leaves of the client area's width.
    auto* row = new QHBoxLayout(clientArea_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(Picture1, 1);
    auto* panel = new VertexPanel(session_, qt_->messages, *this, clientArea_);
    panel->hide();
    row->addWidget(panel);
    vertexPanel_ = panel;

    StatusPanel1 = new QLabel(this);
    StatusPanel2 = new QLabel(this);
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2, 1);
    canvasMouse_ = std::make_unique<CanvasMouse>(session_, *qt_, writer_, *StatusPanel1, *StatusPanel2, runner);
    canvasMouse_->RepeatLastCommandOfTheBars = [this] { RepeatLastCommand(); };
    canvasMouse_->ShowVertexPanel = [this] { FollowVertexPanel(); };
}

Form1::~Form1() = default;

int32_t Form1::PlatformTwipsPerPixel() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? static_cast<int32_t>(std::lround(1440.0 / dpi)) : 15;
}

int Form1::TwipsToPixels(double twips) const {
    const float perPixel = session_.drawing.View.TwipsPerPixel;
    return static_cast<int>(std::ceil(twips / (perPixel > 0 ? perPixel : 15)));
}

void Form1::Form_Load() {
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
        case StartDocument::LoadFailed: Vuota(); break;
        case StartDocument::None: {
            ShowSplash();
            s.shell.Document.CurrentFile = UnnamedDocument;
            const std::string folder = GetStruviaDrawingsFolder(p.registry);
            if (!folder.empty()) s.shell.Document.DialogStartFolder = folder;
            break;
        }
        case StartDocument::Opened:
        case StartDocument::FileMissing: break;
        }
    });
    RunTrapped([&] { RefreshRecentMenu(); });
    RunTrapped([&] { TitoloFR1(); });
    RunTrapped([&] { Form_Activate(); });
    if (s.shell.Languages.UiLanguage != 0) RunTrapped([&] { vertexPanel_->UseEnglishCaptions(); });
    RunTrapped([&] { CommandBars_Update(); });
}

void Form1::PlaceWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const int margin = TwipsToPixels(ScreenMarginTwips);
    placedFrame_ = screen->availableGeometry().marginsRemoved(QMargins(margin, margin, margin, margin));
    placing_ = true;
    FitFrameToPlace();
}

void Form1::FitFrameToPlace() {
    placedMargins_ = FrameMargins();
    // A window system that frames windows is done with the placement once it has told the frame.
    if (!placedMargins_.isNull()) placing_ = false;
    setGeometry(placedFrame_.marginsRemoved(placedMargins_));
    LayOutClientArea();
}

QMargins Form1::FrameMargins() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void Form1::LayOutClientArea() {
    // The client area takes its size now, so that the deck of the command line is fitted to the
    // canvas the window will show.
    if (layout()) layout()->activate();
    CommandBars_Resize();
}

void Form1::TitoloFR1() { setWindowTitle(QString::fromStdString(MainWindowTitle(session_.shell.Document.CurrentFile))); }

void Form1::Dimensiona() {
    const int minimumWidth = TwipsToPixels(MinimumWidthTwips);
    const int minimumHeight = TwipsToPixels(MinimumHeightTwips);
    if (width() < minimumWidth) resize(minimumWidth, height());
    if (height() < minimumHeight) resize(width(), minimumHeight);
}

void Form1::CommandBars_Resize() {
    if (!vertexPanel_) return;
    vertexPanel_->setVisible(session_.editor.VertexPanel.VertexPanelMode != 0);
    // The canvas takes its new width now, so that the scale is fitted to it.
    QLayout* row = clientArea_->layout();
    row->invalidate();
    row->activate();

    ViewWindow& view = session_.drawing.View;
    view.CanvasWidthPx = static_cast<float>(Picture1->WidthPx());
    view.CanvasHeightPx = static_cast<float>(Picture1->HeightPx());
    view.ViewScale = GetFitScale(view, view.ViewXMin, view.ViewYMin, view.ViewXMax, view.ViewYMax);
}

void Form1::FollowVertexPanel() {
    vertexPanel_->Refresh();
    CommandBars_Resize();
}

void Form1::SyncVertexPanel() {
    if (vertexPanel_->isHidden() == (session_.editor.VertexPanel.VertexPanelMode != 0)) FollowVertexPanel();
}

void Form1::Form_Activate() {
    // A load or an emptied document may have closed the panel.
    SyncVertexPanel();
    DrawPlan(session_, *Picture1, writer_, 0);
}

void Form1::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SaveRecentFiles(session_);
    UnhookMouseWheel();
}

void Form1::Vuota() {
    EmptyDocument(session_, *Picture1);
    FollowVertexPanel();
    TitoloFR1();
    CommandBars_Update();
}

bool Form1::event(QEvent* event) {
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
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QMainWindow::event(event);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!(windowState() & Qt::WindowMinimized)) Dimensiona();
    if (redrawOnResize_) {
        redrawOnResize_ = false;
        Form_Activate();
    }
}

void Form1::CloseAsAgreed() {
    closeAgreed_ = true;
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Work to save is offered for saving first; the close box asks here, Exit has asked already.
    if (!closeAgreed_ && !commands_->MayClose()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Form1::Menu() {
    if (bars_) return;
    bars_ = new CommandBars(*this, session_, [this](int32_t id) { CommandBars_Execute(id); });
    CommandBars_Update();
    LayOutClientArea();
}

CommandContext Form1::Commands() { return {session_, qt_->messages, *commands_}; }

void Form1::CommandBars_Execute(int32_t id) {
    ExecuteCommand(id, Commands());
    CommandBars_Update();
}

void Form1::CommandBars_Update() {
    if (bars_) bars_->Update();
}

void Form1::RefreshRecentMenu() {
    if (bars_) bars_->RefreshRecent();
}

void Form1::Pulsanti(int32_t id) {
    ::Pulsanti(id, Commands());
    CommandBars_Update();
}

void Form1::RepeatLastCommand() {
    if (::RepeatLastCommand(Commands())) CommandBars_Update();
}

void Form1::MouseWheel(bool awayFromUser, float x, float y) {
    ViewWindow& view = session_.drawing.View;
    view.CursorWorldX = ScreenToWorldX(view, x);
    view.CursorWorldY = ScreenToWorldY(view, y);
    if (WheelZoom(view, session_.editor, session_.model.NodeCount, awayFromUser)) Form_Activate();
}

void Form1::HookMouseWheel() {
    if (wheelHook_) return;
    wheelHook_ = std::make_unique<WheelHook>(*Picture1, [this](bool awayFromUser, QPointF at) {
        MouseWheel(awayFromUser, static_cast<float>(at.x()), static_cast<float>(at.y()));
    });
}

void Form1::UnhookMouseWheel() { wheelHook_.reset(); }

void Form1::RunDialog(QDialog& dialog) {
    RunModal(runner_, dialog);
    Form_Activate();
}

void Form1::ShowSplash() {
    Form14 splash(session_.model, this);
    RunDialog(splash);
}

#include "shell/forms/Form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

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
constexpr double VertexPanelWidthTwips = 2595;
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

    Frame1 = new QFrame(clientArea_);
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QVBoxLayout(Frame1);
    Label1 = new QLabel("Coordinate dei vertici", Frame1);
    panel->addWidget(Label1);
    const char* captions[] = {"Elimina vertice", "Inserisci vertice", "Assegna coordinate al vertice",
                              "Assegna perimetro", "Annulla"};
    for (size_t i = 0; i < Command1.size(); ++i) {
        Command1[i] = new QPushButton(captions[i], Frame1);
        panel->addWidget(Command1[i]);
    }
    OsnapCheck = new QCheckBox("Osnap", Frame1);
    panel->addWidget(OsnapCheck);
    panel->addStretch();
    Frame1->hide();
    vertexPanel_ = std::make_unique<VertexPanel>(*this);

    StatusPanel1 = new QLabel(this);
    StatusPanel2 = new QLabel(this);
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2, 1);
    canvasMouse_ = std::make_unique<CanvasMouse>(session_, *qt_, *StatusPanel1, *StatusPanel2, runner);
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
    if (s.shell.Languages.UiLanguage != 0) RunTrapped([&] { GiveVertexPanelEnglishCaptions(); });
    RunTrapped([&] { CommandBars_Update(); });
}

void Form1::PlaceWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const int margin = TwipsToPixels(ScreenMarginTwips);
    setGeometry(area.x() + margin, area.y() + margin, area.width() - 2 * margin, area.height() - 2 * margin);
    LayOutClientArea();
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
    if (!Picture1) return;
    const QRect client = clientArea_->rect();
    int canvasWidth = client.width();
    if (session_.editor.VertexPanel.VertexPanelMode != 0) {
        const int panelWidth = TwipsToPixels(VertexPanelWidthTwips);
        Frame1->setGeometry(client.right() + 1 - panelWidth, client.top(), panelWidth, client.height());
        Frame1->show();
        canvasWidth -= panelWidth;
    } else {
        Frame1->hide();
    }
    Picture1->setGeometry(client.left(), client.top(), std::max(canvasWidth, 0), client.height());

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
    if (Frame1->isHidden() == (session_.editor.VertexPanel.VertexPanelMode != 0)) FollowVertexPanel();
}

void Form1::Form_Activate() {
    // A load or an emptied document may have closed the panel.
    SyncVertexPanel();
    DrawPlanOnCanvas(session_, *Picture1);
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
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QMainWindow::event(event);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!(windowState() & Qt::WindowMinimized)) Dimensiona();
}

void Form1::closeEvent(QCloseEvent* event) {
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

void Form1::ShowSplash() {
    Form14 splash(session_.model, this);
    RunModal(runner_, splash);
}

void Form1::GiveVertexPanelEnglishCaptions() {
    Label1->setText("Vertex coordinates:");
    const char* captions[] = {"Delete vertex", "Insert vertex", "Assign vertex coordinates", "Assign new perimeter",
                              "Cancel"};
    for (size_t i = 0; i < Command1.size(); ++i) Command1[i]->setText(captions[i]);
}

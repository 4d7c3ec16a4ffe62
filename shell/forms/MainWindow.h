#pragma once
// The main window: the canvas in the area the command bars leave free, the vertex panel docked at
// its right while a perimeter is edited, and the two-panel status bar. Its load prepares the whole
// application; it holds the document's Session with the Qt platform.
#include <QMainWindow>
#include <QMargins>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>

#include "model/Session.h"
#include "platform/qt/ModalRunner.h"
#include "platform/qt/QtPlatform.h"
#include "shell/CommandDispatch.h"
#include "shell/forms/CommandWindow.h"
#include "shell/forms/VertexPanel.h"

class CanvasMouse;
class CommandBars;
class MainWindowCommands;
class QLabel;
class QTimer;
class WheelHook;

class MainWindow : public QMainWindow, private VertexPanelHost, private CommandWindow {
    Q_OBJECT

public:
    // `runner` answers the window's message boxes and file dialogs in place of the user (tests).
    explicit MainWindow(const ModalRunner& runner = {});
    ~MainWindow() override;

    Session& session() { return session_; }
    Platform& platform() { return qt_->platform; }

    // Runs once, before the window is first shown: folders, interface language, settings and recent
    // files; then, for an interactive start, placement, command bars, the drawing-language question,
    // the deck of the command line or the splash, the caption and the plan.
    void Form_Load();
    // "Dravo  Carpenterie di piano  -  [ " + the document's file name + " ]".
    void TitoloFR1();
    // Keeps the window at least 7000 twips wide and 6000 twips high.
    void Dimensiona();
    // Lays out the canvas and, while it is open, the vertex panel in the command bars' client area;
    // refits the scale to a canvas of new size, keeping the view bounds: the deck of the start is
    // fitted whole again instead, until the window has drawn it where the user sees it. Draws
    // nothing.
    void CommandBars_Resize();
    // The vertex panel's controls as the perimeter editor left them, and the canvas laid out beside
    // the panel, or on the whole width once it has closed.
    void FollowVertexPanel();
    // Redraws the whole plan on the canvas; while the plan's drawing is held, once the hold ends.
    // The first draw waits until the window is shown at its laid-out size: the canvas's first
    // paint there draws it.
    void Form_Activate();
    // Writes the recent files and removes the wheel hook; nothing else is saved or asked.
    void Form_Unload();
    // Empties the document after a failed load.
    void Vuota();

    // A control of the command bars was chosen: it becomes the last command and runs; then the
    // bars follow the document.
    void CommandBars_Execute(int32_t id);
    // Every control of the bars enabled and checked as the document allows now: after each command
    // and each change of the document.
    void CommandBars_Update();
    // The File menu's recent-file entries from the list, after each change of it.
    void RefreshRecentMenu() override;
    // Runs a command, enabled or not.
    void Pulsanti(int32_t id);
    // The canvas's right-click repeat: the last command again, while the bars would offer it.
    void RepeatLastCommand();
    // One notch of the mouse wheel at the canvas position (x, y): zooms about that model point.
    void MouseWheel(bool awayFromUser, float x, float y);
    CommandBars* Bars() const { return bars_; }
    VertexPanel& Vertices() const { return *vertexPanel_; }

    // For tests: the canvas, how many times the window has drawn the whole plan on it, and the
    // status bar's texts (the cursor coordinates, the prompt).
    QtCanvas* canvasWidget() const { return canvas_; }
    int planDrawCount() const { return planDraws_; }
    QString coordinatesText() const;
    QString promptText() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Window units: the platform's twips per pixel, and lengths in twips as pixels.
    int32_t PlatformTwipsPerPixel() const;
    int TwipsToPixels(double twips) const;

    // The window's frame, title bar included, over the screen's free area less a margin.
    void PlaceWindow();
    // The client area set so that the frame covers placedFrame_ with the frame margins known now.
    void FitFrameToPlace();
    QMargins FrameMargins() const;
    // The client area at its size now, the canvas laid out in it.
    void LayOutClientArea();
    void Menu();
    void HookMouseWheel();
    void UnhookMouseWheel();
    void ShowSplash();

    // True until the window has drawn the plan where the user sees it: shown, framed where a window
    // manager frames it, and its canvas exposed.
    bool FirstDrawWaits() const;
    // The canvas's first paint: the frame a window manager gave is taken into the placement first,
    // and the canvas painted at the size that follows draws the plan for the first time.
    void FirstCanvasPaint();
    // Shows or hides the vertex panel where the document's state no longer matches the window.
    void SyncVertexPanel();
    // A canvas whose size changed since the plan was last drawn on it is drawn again once the size
    // has settled: the layout only refits the scale, and a grown canvas would stay black beyond the
    // old picture. A border dragged gives many sizes and one redraw; a canvas drawn meanwhile at
    // its size, by the window or by the editor, is not drawn again; a minimised window waits until
    // it is restored.
    void RedrawOnceSizeSettles();
    void RedrawOnceSettled();

    // The window's side of the vertex panel and of the commands.
    void LayOutCanvasBesidePanel() override { CommandBars_Resize(); }
    void RedrawPlan() override { Form_Activate(); }
    QWidget* DialogParent() override { return this; }
    // A modal dialog runs, then the plan is drawn again: the dialog may have changed or painted
    // over the canvas, and a window system without a window manager activates the window again by
    // no event.
    void RunDialog(QDialog& dialog) override;
    void ShowDocumentCaption() override;
    void HoldPlanDrawing(bool hold) override;
    // The status bar's second panel: what the current tool asks for next.
    void ShowPrompt(const std::string& prompt) override;
    void CloseAsAgreed() override;

    CommandContext Commands();

    Session session_;
    ModalRunner runner_;
    QWidget* clientArea_ = nullptr;
    QtCanvas* canvas_ = nullptr;
    QLabel* coordinatesLabel_ = nullptr;
    QLabel* promptLabel_ = nullptr;
    std::unique_ptr<QtPlatform> qt_;
    std::unique_ptr<CanvasMouse> canvasMouse_;
    bool unloaded_ = false;
    bool closeAgreed_ = false;
    CommandBars* bars_ = nullptr;
    std::unique_ptr<MainWindowCommands> commands_;
    std::unique_ptr<WheelHook> wheelHook_;
    VertexPanel* vertexPanel_ = nullptr;
    // Where the frame goes, and the frame margins the client area was last set for: a window
    // manager frames the window only once it is shown, and the place is taken again then.
    QRect placedFrame_;
    QMargins placedMargins_;
    bool placing_ = false;
    // The canvas size a late placement gives is drawn in once the window has it.
    bool redrawOnResize_ = false;
    QTimer* sizeSettled_ = nullptr;
    // The deck of the start is fitted whole to the canvas the window shows: a window manager frames
    // the window after the load, and the canvas shrinks by the frame.
    bool startFitFollowsCanvas_ = false;
    // The canvas was painted in the shown window at its laid-out size; the plan was drawn there.
    bool canvasExposed_ = false;
    bool shownDrawn_ = false;
    // The canvas's changes when the first draw ended: while it still holds that picture, a window
    // manager's activation of the window it has just shown does not draw it again.
    std::optional<uint64_t> firstPicture_;
    // While the session holds other decks than the document, draws wait for the hold to end.
    bool planDrawingHeld_ = false;
    bool drawHeldBack_ = false;
    int planDraws_ = 0;
};

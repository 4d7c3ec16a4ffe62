#pragma once
// The main window: the canvas Picture1 in the area the command bars leave free, the vertex panel
// Frame1 docked at its right while a perimeter is edited, and the two-panel status bar. Its load
// prepares the whole application; it holds the document's Session with the Qt platform.
#include <QMainWindow>

#include <array>
#include <memory>

#include "model/Session.h"
#include "platform/qt/ModalRunner.h"
#include "platform/qt/QtPlatform.h"
#include "shell/CommandDispatch.h"

class CanvasMouse;
class CommandBars;
class Form1Commands;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class VertexPanel;
class WheelHook;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `runner` answers the window's message boxes and file dialogs in place of the user (tests).
    explicit Form1(const ModalRunner& runner = {});
    ~Form1() override;

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
    // refits the scale to the canvas, keeping the view bounds. Draws nothing.
    void CommandBars_Resize();
    // The vertex panel's controls as the perimeter editor left them, and the canvas laid out beside
    // the panel, or on the whole width once it has closed.
    void FollowVertexPanel();
    // Shows or hides the vertex panel where the document's state no longer matches the window.
    void SyncVertexPanel();
    // Redraws the whole plan on the canvas.
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
    void RefreshRecentMenu();
    // Runs a command, enabled or not.
    void Pulsanti(int32_t id);
    // The canvas's right-click repeat: the last command again, while the bars would offer it.
    void RepeatLastCommand();
    // One notch of the mouse wheel at the canvas position (x, y): zooms about that model point.
    void MouseWheel(bool awayFromUser, float x, float y);
    CommandBars* Bars() const { return bars_; }
    // Runs the window's own modal dialogs (settings, splash and information window).
    const ModalRunner& Runner() const { return runner_; }
    VertexPanel& Vertices() const { return *vertexPanel_; }

    QtCanvas* Picture1 = nullptr;
    QLabel* StatusPanel1 = nullptr;  // cursor coordinates
    QLabel* StatusPanel2 = nullptr;  // prompts
    QFrame* Frame1 = nullptr;        // the vertex panel
    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 5> Command1{};
    QCheckBox* OsnapCheck = nullptr;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Window units: the platform's twips per pixel, and lengths in twips as pixels.
    int32_t PlatformTwipsPerPixel() const;
    int TwipsToPixels(double twips) const;

    void PlaceWindow();
    // The client area at its size now, the canvas laid out in it.
    void LayOutClientArea();
    void Menu();
    void HookMouseWheel();
    void UnhookMouseWheel();
    void ShowSplash();
    void GiveVertexPanelEnglishCaptions();

    CommandContext Commands();

    Session session_;
    ModalRunner runner_;
    QWidget* clientArea_ = nullptr;
    std::unique_ptr<QtPlatform> qt_;
    std::unique_ptr<CanvasMouse> canvasMouse_;
    bool unloaded_ = false;
    CommandBars* bars_ = nullptr;
    std::unique_ptr<Form1Commands> commands_;
    std::unique_ptr<WheelHook> wheelHook_;
    std::unique_ptr<VertexPanel> vertexPanel_;
};

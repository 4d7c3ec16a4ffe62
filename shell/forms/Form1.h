#pragma once
// The main window: the canvas Picture1 in the area the command bars leave free, the vertex panel
// Frame1 docked at its right while a perimeter is edited, and the two-panel status bar. Its load
// prepares the whole application; it holds the document's Session with the Qt platform.
#include <QMainWindow>

#include <array>
#include <memory>

#include "dxf/writers/DxfWriterState.h"
#include "model/Session.h"
#include "platform/qt/ModalRunner.h"
#include "platform/qt/QtPlatform.h"

class CanvasMouse;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

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
    // Redraws the whole plan on the canvas.
    void Form_Activate();
    // Writes the recent files and removes the wheel hook; nothing else is saved or asked.
    void Form_Unload();
    // Empties the document after a failed load.
    void Vuota();

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
    // Steps that the command bars, the wheel hook and the splash window fill in.
    void Menu();
    void HookMouseWheel();
    void UnhookMouseWheel();
    void ShowSplash();
    void GiveVertexPanelEnglishCaptions();

    Session session_;
    DxfWriterState writer_;
    QWidget* clientArea_ = nullptr;
    std::unique_ptr<QtPlatform> qt_;
    std::unique_ptr<CanvasMouse> canvasMouse_;
    bool unloaded_ = false;
};

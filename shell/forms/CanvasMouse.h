#pragma once
// The main window's side of the canvas editor: the canvas's mouse events go to the editor, its
// panel texts to the status bar, the right button's repeat to whatever the command bars give, the
// vertex panel and the rebar editor are shown over the window.
#include <functional>

#include "editing/CanvasEditor.h"
#include "platform/qt/QtPlatform.h"

class QLabel;

class CanvasMouse : public EditorHost {
public:
    CanvasMouse(Session& session, QtPlatform& qt, QLabel& coordinatesLabel, QLabel& promptLabel,
                const ModalRunner& runner = {});

    void RepeatLastCommand() override;
    void SetPanelText(int32_t panel, const std::string& text) override;
    void VertexPanelChanged() override;
    void ShowRebarEditor() override;

    // The command bars' repeat of the last command chosen; nothing happens while it is empty.
    std::function<void()> RepeatLastCommandOfTheBars;
    // The window's showing of the vertex panel as the editor left it.
    std::function<void()> ShowVertexPanel;

private:
    Session& session_;
    MessageBoxes& messages_;
    ModalRunner runner_;
    CanvasEditor editor_;
    QLabel& coordinatesLabel_;
    QLabel& promptLabel_;
};

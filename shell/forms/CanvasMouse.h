#pragma once
// The main window's side of the canvas editor: the canvas's mouse events go to the editor, its
// panel texts to the status bar, its messages to the window's message boxes, and the right
// button's repeat to whatever the command bars give.
#include <functional>

#include "editing/CanvasEditor.h"
#include "platform/qt/QtCanvas.h"

class QLabel;

class CanvasMouse : public EditorHost {
public:
    CanvasMouse(Session& session, QtCanvas& canvas, DxfWriterState& writer, MessageBoxes& messages, QLabel& panel1,
                QLabel& panel2);

    void RepeatLastCommand() override;
    void SetPanelText(int32_t panel, const std::string& text) override;
    MessageBoxes& Messages() override { return messages_; }
    void VertexPanelChanged() override;

    // The command bars' repeat of the last command chosen; nothing happens while it is empty.
    std::function<void()> RepeatLastCommandOfTheBars;
    // The window's showing of the vertex panel as the editor left it.
    std::function<void()> ShowVertexPanel;

private:
    CanvasEditor editor_;
    MessageBoxes& messages_;
    QLabel& panel1_;
    QLabel& panel2_;
};

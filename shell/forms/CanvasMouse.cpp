#include "shell/forms/CanvasMouse.h"

#include <QLabel>

CanvasMouse::CanvasMouse(Session& session, QtCanvas& canvas, DxfWriterState& writer, MessageBoxes& messages,
                         QLabel& panel1, QLabel& panel2)
    : editor_(session, canvas, writer, *this), messages_(messages), panel1_(panel1), panel2_(panel2) {
    canvas.SetMouseHandlers({
        [this](int16_t button, int16_t shift, float x, float y) { editor_.MouseDown(button, shift, x, y); },
        [this](int16_t buttons, int16_t shift, float x, float y) { editor_.MouseMove(buttons, shift, x, y); },
        [this](int16_t button, int16_t shift, float x, float y) { editor_.MouseUp(button, shift, x, y); },
    });
}

void CanvasMouse::RepeatLastCommand() {
    if (RepeatLastCommandOfTheBars) RepeatLastCommandOfTheBars();
}

void CanvasMouse::VertexPanelChanged() {
    if (ShowVertexPanel) ShowVertexPanel();
}

void CanvasMouse::SetPanelText(int32_t panel, const std::string& text) {
    (panel == CursorPanel ? panel1_ : panel2_).setText(QString::fromStdString(text));
}

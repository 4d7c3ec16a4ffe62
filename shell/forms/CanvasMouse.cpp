#include "shell/forms/CanvasMouse.h"

#include <QLabel>

#include "design/forms/Form8.h"

CanvasMouse::CanvasMouse(Session& session, QtPlatform& qt, QLabel& panel1, QLabel& panel2,
                         const ModalRunner& runner)
    : session_(session), runner_(runner), editor_(session, qt.platform, *this), panel1_(panel1),
      panel2_(panel2) {
    qt.canvas.SetMouseHandlers({
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

void CanvasMouse::ShowRebarEditor() {
    Form8 form(session_, panel1_.window());
    RunModal(runner_, form);
}

#include "shell/forms/CanvasMouse.h"

#include <QLabel>

#include "design/forms/RebarEditorDialog.h"

CanvasMouse::CanvasMouse(Session& session, QtPlatform& qt, QLabel& coordinatesLabel, QLabel& promptLabel,
                         const ModalRunner& runner)
    : session_(session), messages_(qt.platform.messages), runner_(runner), editor_(session, qt.platform, *this),
      coordinatesLabel_(coordinatesLabel), promptLabel_(promptLabel) {
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
    (panel == CursorPanel ? coordinatesLabel_ : promptLabel_).setText(QString::fromStdString(text));
}

void CanvasMouse::ShowRebarEditor() {
    // The pick that opened the editor draws the plan once it has closed, or keeps the picked bar's
    // highlight under the grips: a redraw here would lose it.
    RebarEditorDialog form(session_, messages_, coordinatesLabel_.window());
    RunModal(runner_, form);
}

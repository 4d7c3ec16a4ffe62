#pragma once
// The canvas's three mouse handlers: one state machine on InteractionState. A press dispatches to
// the click of the tool in force (the middle button first starts a pan from any tool, the right
// button repeats the last command chosen, except where a rebar tool takes it); a move keeps the
// cursor's model point and draws the tool's feedback on the temporary layer (in idle, the cursor
// readout); a release ends a pan.
// Coordinates are canvas pixels, x to the right and y down; buttons are LeftButton, RightButton
// and MiddleButton (for a move, those held).
#include <cstdint>
#include <string>

#include "editing/CanvasEdit.h"

class CanvasEditor {
public:
    CanvasEditor(Session& session, Platform& platform, EditorHost& host)
        : edit_{session, platform, platform.canvas, host} {}

    void MouseDown(int16_t button, int16_t shift, float x, float y);
    void MouseMove(int16_t buttons, int16_t shift, float x, float y);
    void MouseUp(int16_t button, int16_t shift, float x, float y);

private:
    void RightClick(float x, float y);
    void LeftClick(int16_t button, float x, float y);

    CanvasEdit edit_;
};

// The status-bar readout of the cursor: "x=" and "   y=" with the model coordinates in cm, one
// decimal, the decimal separator of the user's locale.
std::string CursorReadout(float worldX, float worldY);

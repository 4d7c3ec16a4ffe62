#pragma once
// What the window around the canvas does for the editor: the right button's repeat of the last
// command chosen from the command bars, the texts of the status bar's panels, the message boxes
// the tools show and the vertex panel.
#include <cstdint>
#include <string>

#include "platform/MessageBox.h"

constexpr int32_t CursorPanel = 1;  // the cursor's model coordinates
constexpr int32_t PromptPanel = 2;  // what the tool in force asks for

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Runs the last command chosen from the menu or the toolbar again; nothing before the first.
    virtual void RepeatLastCommand() = 0;
    virtual void SetPanelText(int32_t panel, const std::string& text) = 0;
    virtual MessageBoxes& Messages() = 0;
    // The vertex panel opened or changed from the canvas: the window shows it as it now stands and
    // lays the canvas out beside it, before the plan is drawn again.
    virtual void VertexPanelChanged() {}
};

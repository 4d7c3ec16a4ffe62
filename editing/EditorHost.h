#pragma once
// What the window around the canvas does for the editor: the right button's repeat of the last
// command chosen from the command bars, the texts of the status bar's panels, the vertex panel and
// the dialogs the tools open.
#include <cstdint>
#include <string>

constexpr int32_t CursorPanel = 1;  // the cursor's model coordinates
constexpr int32_t PromptPanel = 2;  // what the tool in force asks for

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Runs the last command chosen from the menu or the toolbar again; nothing before the first.
    virtual void RepeatLastCommand() = 0;
    virtual void SetPanelText(int32_t panel, const std::string& text) = 0;
    // The vertex panel opened or changed from the canvas: the window shows it as it now stands and
    // lays the canvas out beside it, before the plan is drawn again.
    virtual void VertexPanelChanged() {}
    // Shows the rebar editor modally on the rebar selected in the editor's state; the editor may
    // set InteractionState to the graphic edit before it closes. Without a window there is no
    // editor to show: the dialog counts as cancelled.
    virtual void ShowRebarEditor() {}
};

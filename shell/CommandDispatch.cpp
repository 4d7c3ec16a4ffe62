#include "shell/CommandDispatch.h"

#include "model/common/Helpers.h"
#include "plangeom/AutoDimensions.h"
#include "shell/CommandTable.h"
#include "shell/RecentFiles.h"
#include "shell/ShellMessages.h"
#include "shell/ViewNavigation.h"

namespace {

constexpr int32_t ContinuedDimensioning = 5000;

void StartTool(const ToolStart& tool, CommandContext c) {
    EditorState& editor = c.session.editor;
    editor.InteractionState = tool.State;
    if (tool.ForgetHighlight) editor.Hover.LastHighlightedIndex = -1;
    const bool english = c.session.shell.Languages.UiLanguage != 0;
    const char* prompt = english ? tool.PromptEnglish : tool.PromptItalian;
    if (*prompt != '\0') c.actions.ShowPrompt(prompt);
}

void ContinueDimensioning(CommandContext c) {
    Session& s = c.session;
    if (s.model.DimensionCount > 0) {
        s.editor.Dimensions.CurrentDimension = -1;
        s.editor.InteractionState = ContinuedDimensioning;
        c.actions.ShowPrompt(ShellMessages::ContinuedDimensionPrompt);
        return;
    }
    c.messages.Show(GetWarningTitle(s.shell.Languages), UiText(ShellMessages::NoDimensionToContinue, s.shell.Languages),
                    MsgButtons::Ok, MsgIcon::Exclamation);
}

void DimensionAutomatically(CommandContext c) {
    Session& s = c.session;
    if (s.model.DimensionCount > 0) {
        const MsgAnswer answer =
            c.messages.Show(GetWarningTitle(s.shell.Languages),
                            UiText(ShellMessages::AutoDimensionsReplaceQuestion, s.shell.Languages), MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes) return;
        s.model.DimensionCount = 0;
        s.model.Dimensions.clear();
    }
    CreateAutoDimensions(s.model, s.shell.Options, s.measured);
    c.actions.Redraw();
}

// The view steps that act at once, redrawing when the view changed.
void StepView(bool changed, CommandContext c) {
    if (changed) c.actions.Redraw();
}

}  // namespace

void Pulsanti(int32_t id, CommandContext c) {
    Session& s = c.session;
    ViewWindow& view = s.drawing.View;
    EditorState& editor = s.editor;
    if (const std::optional<ToolStart> tool = ToolStartOf(id)) return StartTool(*tool, c);
    if (id >= FirstRecentFileCommand && id < FirstRecentFileCommand + RecentFileCommandCount)
        return c.actions.CaricaRece(id - FirstRecentFileCommand);
    switch (id) {
        case 100: c.actions.OpenCommand(); break;
        case 101: c.actions.SaveCommand(); break;
        case 102: c.actions.SaveAsCommand(); break;
        case 103:
            SaveRecentFiles(s);
            c.actions.Exit();
            break;
        case 104: StartZoomWindow(view, editor); break;
        case 105: StepView(PreviousView(view, editor), c); break;
        case 106: StepView(ZoomIn(view, editor), c); break;
        case 107: StepView(ZoomOut(view, editor), c); break;
        case 108: StepView(ExtendedView(view, editor, s.model.Header), c); break;
        case 109: StartPan(view, editor); break;
        case 110: c.actions.ShowSettingsDialog(); break;
        case 115: ContinueDimensioning(c); break;
        case 117: DimensionAutomatically(c); break;
        case 118:
            s.shell.Options.OptimalTextSize = s.shell.Options.OptimalTextSize == 0 ? 1 : 0;
            c.actions.Redraw();
            break;
        case 119: c.actions.ShowDesignOptionsDialog(); break;
        case 120: c.actions.DesignReinforcementAgain(); break;
        case DxfOutputCommand: c.actions.RunDxfOutput(); break;
        case AboutCommand: c.actions.ShowAbout(); break;
        default: break;
    }
}

void ExecuteCommand(int32_t id, CommandContext c) {
    c.session.shell.LastCommandId = id;
    Pulsanti(id, c);
}

bool RepeatLastCommand(CommandContext c) {
    const int32_t id = c.session.shell.LastCommandId;
    if (!CommandAvailable(id, c.session)) return false;
    Pulsanti(id, c);
    return true;
}

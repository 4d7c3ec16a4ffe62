#include "shell/UnassignedOutlineQuestion.h"

#include "editing/VertexPanel.h"
#include "model/common/Helpers.h"
#include "shell/ShellMessages.h"

bool AssignEditedOutlineFirst(DocumentContext c) {
    Session& s = c.session;
    if (!HoldsUnassignedOutline(s)) return true;
    const LanguageFlags& languages = s.shell.Languages;
    const std::string question = UiText(ShellMessages::AssignEditedOutlineQuestion, languages);
    const MsgAnswer answer =
        c.platform.messages.Show(GetWarningTitle(languages), question, MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgAnswer::No) return true;
    if (answer != MsgAnswer::Yes) return false;
    AssignEditedPerimeter(s);
    c.window.DrawPlan();
    return true;
}

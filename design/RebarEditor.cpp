#include "design/RebarEditor.h"

#include "design/RebarEdits.h"
#include "drawing/FloorSlabRebars.h"
#include "model/common/Helpers.h"

namespace {

constexpr int32_t StartHook = 1, EndHook = 2;

}  // namespace

std::optional<RebarEditorValues> LoadRebarEditor(Session& session) {
    const std::optional<RebarFields> bar = SelectedRebar(session);
    if (!bar) return std::nullopt;
    const RebarToolState& r = session.editor.Rebar;
    RebarEditorValues v;
    v.IsLower = r.SelectedBarIsLower != 0;
    v.StretchStart = std::to_string(r.BarStretchStart);
    v.StretchEnd = std::to_string(r.BarStretchEnd);
    v.BarCount = std::to_string(bar->BarCount);
    v.Diameter = std::to_string(bar->Diameter);
    v.Length = FormatNum(RebarCutLength(bar->X1, bar->Y1, bar->X2, bar->Y2, bar->HookFlags, v.IsLower), 0);
    v.StartHooked = (bar->HookFlags & StartHook) != 0;
    v.EndHooked = (bar->HookFlags & EndHook) != 0;
    return v;
}

void ApplyRebarEditor(Session& session, const RebarEditorValues& values) {
    const std::optional<RebarFields> bar = SelectedRebar(session);
    if (!bar) return;
    RebarToolState& r = session.editor.Rebar;
    r.BarStretchStart = WholeNumberFromText(values.StretchStart);
    r.BarStretchEnd = WholeNumberFromText(values.StretchEnd);
    bar->BarCount = WholeNumberFromText(values.BarCount);
    bar->Diameter = WholeNumberFromText(values.Diameter);
    bar->HookFlags = (values.StartHooked ? StartHook : 0) | (values.EndHooked ? EndHook : 0);
    StretchRebar(*bar, static_cast<float>(r.BarStretchStart), static_cast<float>(r.BarStretchEnd));
}

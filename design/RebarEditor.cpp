#include "design/RebarEditor.h"

#include "design/DesignMessages.h"
#include "design/RebarEdits.h"
#include "drawing/FloorSlabRebars.h"
#include "model/common/Helpers.h"
#include "model/common/TypedNumbers.h"

namespace {

constexpr int32_t StartHook = 1, EndHook = 2;

// A stretch in whole cm; an empty field moves nothing.
std::optional<int32_t> ReadStretch(const std::string& typed) {
    if (typed.find_first_not_of(" \t") == std::string::npos) return 0;
    return ReadTypedRounded(typed);
}

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

std::optional<RebarEditorRefusal> ApplyRebarEditor(Session& session, const RebarEditorValues& values) {
    const std::optional<RebarFields> bar = SelectedRebar(session);
    if (!bar) return std::nullopt;
    const std::optional<int32_t> stretchStart = ReadStretch(values.StretchStart);
    const std::optional<int32_t> stretchEnd = ReadStretch(values.StretchEnd);
    const std::optional<int32_t> count = ReadTypedCount(values.BarCount);
    const std::optional<int32_t> diameter = ReadTypedCount(values.Diameter);
    const auto refuse = [&](RebarEditorField field, const Bilingual& message, const std::string& typed) {
        return RebarEditorRefusal{field, UiText(message, session.shell.Languages, {typed})};
    };
    if (!stretchStart)
        return refuse(RebarEditorField::StretchStart, DesignMessages::StartStretchNotANumber, values.StretchStart);
    if (!stretchEnd) return refuse(RebarEditorField::StretchEnd, DesignMessages::EndStretchNotANumber, values.StretchEnd);
    if (!count) return refuse(RebarEditorField::BarCount, DesignMessages::BarCountNotWhole, values.BarCount);
    if (!diameter) return refuse(RebarEditorField::Diameter, DesignMessages::DiameterNotWhole, values.Diameter);

    RebarToolState& r = session.editor.Rebar;
    r.BarStretchStart = *stretchStart;
    r.BarStretchEnd = *stretchEnd;
    bar->BarCount = *count;
    bar->Diameter = *diameter;
    bar->HookFlags = (values.StartHooked ? StartHook : 0) | (values.EndHooked ? EndHook : 0);
    StretchRebar(*bar, static_cast<float>(r.BarStretchStart), static_cast<float>(r.BarStretchEnd));
    return std::nullopt;
}

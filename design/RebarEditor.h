#pragma once
// What the rebar editor shows of the rebar picked on the canvas and what its OK writes back: the
// texts of its fields and the end shapes chosen. The dialog itself lives in design/forms.
#include <optional>
#include <string>

#include "model/Session.h"

struct RebarEditorValues {
    bool IsLower = false;
    std::string StretchStart, StretchEnd;  // cm added at each end, whole numbers
    std::string BarCount, Diameter;        // the diameter in mm
    std::string Length;                    // the cut length the plan's label shows; shown only
    bool StartHooked = false, EndHooked = false;
};

// The values of the selected rebar with the stretches in force; nothing when the selection names
// no bar of the deck.
std::optional<RebarEditorValues> LoadRebarEditor(Session& session);

// Stores the values in the selected rebar: the stretches (also kept in BarStretchStart and
// BarStretchEnd), count and diameter as typed, each rounded to a whole number; the hook bits from
// the end shapes; then the ends moved by the stretches. The length is not read back.
void ApplyRebarEditor(Session& session, const RebarEditorValues& values);

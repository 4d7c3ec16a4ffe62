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

// The fields OK reads, in the order it reads them.
enum class RebarEditorField { StretchStart, StretchEnd, BarCount, Diameter };

// A field OK refused, with the message that names it in the interface language.
struct RebarEditorRefusal {
    RebarEditorField Field;
    std::string Message;
};

// Stores the values in the selected rebar: the stretches (also kept in BarStretchStart and
// BarStretchEnd) rounded to whole cm, an empty stretch moving nothing; count and diameter; the hook
// bits from the end shapes; then the ends moved by the stretches. The length is not read back.
// A stretch that is not wholly a number ("," or "." for the decimal point), or a count or diameter
// that is not a whole number above 0, is refused: the first such field is given back and nothing
// is stored.
std::optional<RebarEditorRefusal> ApplyRebarEditor(Session& session, const RebarEditorValues& values);

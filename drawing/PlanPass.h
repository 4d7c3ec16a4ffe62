#pragma once
// One pass of the plan driver as its steps and element drawers see it: the output it draws into,
// the document it draws, and the scale factor and row step fixed at its start.
#include <cstdint>

#include "drawing/DrawingPass.h"
#include "drawing/PlanOutput.h"
#include "model/Session.h"

struct PlanPass {
    PlanOutput& out;
    Session& session;
    PassConstants k;

    Model& model() const { return session.model; }
    const DrawingState& drawing() const { return session.drawing; }
    const LanguageFlags& languages() const { return session.shell.Languages; }
    bool english() const { return session.shell.Languages.DrawingLanguage != 0; }
    // Layer switch k of the pass: "on" is exactly 1, "set" any value but 0.
    bool On(int32_t layer) const { return session.drawing.LayerOn[static_cast<size_t>(layer)] == 1; }
    bool Set(int32_t layer) const { return session.drawing.LayerOn[static_cast<size_t>(layer)] != 0; }
};

#pragma once
// One pass of the plan driver as its steps and element drawers see it: where it draws, the
// document it draws, the scale factor and row step fixed at its start, and the output selector.
#include <cstdint>

#include "drawing/DrawingPass.h"
#include "model/Session.h"

struct PlanPass {
    DrawTarget target;
    Session& session;
    PassConstants k;
    int32_t toDxf = 0;

    Model& model() const { return session.model; }
    const DrawingState& drawing() const { return session.drawing; }
    const LanguageFlags& languages() const { return session.shell.Languages; }
    bool english() const { return session.shell.Languages.DrawingLanguage != 0; }
    // Layer switch k of the pass: "on" is exactly 1, "set" any value but 0.
    bool On(int32_t layer) const { return session.drawing.LayerOn[static_cast<size_t>(layer)] == 1; }
    bool Set(int32_t layer) const { return session.drawing.LayerOn[static_cast<size_t>(layer)] != 0; }
};

#pragma once
// One pass of the plan driver as its steps and element drawers see it: the output it draws into,
// the document it draws (read only), and what the pass fixes at its start and keeps for itself:
// the layer switches and the drawing scale of its output, the scale factor and row step that
// follow from the scale, and the section lists it collects for the lists at its end.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drawing/PlanOutput.h"
#include "model/Session.h"

struct PassConstants {
    float f = 1.0f;   // 1 at 1:50, 2 at 1:100
    float L = 22.0f;  // row step of titles, legends, lists and tables, cm
};

// What one pass collects for the section lists at its end, indexed by section number - 1.
struct LegendBookkeeping {
    std::vector<std::string> PillarListBySection;
    std::vector<int32_t> BeamSectionUsed;
};

struct PlanPass {
    PlanOutput& out;
    const Session& session;
    bool ScaleIs50 = false;
    PassConstants k;
    // The switches of rows 0 to 23 from the output's; row 24 stays off.
    std::array<int32_t, LayerCount> LayerOn{};
    LegendBookkeeping Legend;

    const Model& model() const { return session.model; }
    const DrawingState& drawing() const { return session.drawing; }
    const LanguageFlags& languages() const { return session.shell.Languages; }
    bool english() const { return session.shell.Languages.DrawingLanguage != 0; }
    // Layer switch k of the pass: "on" is exactly 1, "set" any value but 0.
    bool On(int32_t layer) const { return LayerOn[static_cast<size_t>(layer)] == 1; }
    bool Set(int32_t layer) const { return LayerOn[static_cast<size_t>(layer)] != 0; }
};

// The start of a pass into `out` over the session's deck: the output's switches and scale in
// force, the section lists sized to the archive and empty.
PlanPass BeginPlanPass(PlanOutput& out, const Session& session);

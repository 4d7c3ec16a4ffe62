#pragma once
// A design section on the editor's canvas (1 pixel per cm, model y up from the canvas's bottom): the
// floor slab it crosses spans along x, and the bars are given by hand.
#include <vector>

#include "tests/editing/EditorFixture.h"
#include "tests/support/SectionBars.h"

struct RebarDeck : EditorFixture {
    RebarDeck(std::vector<UpperRebar> upper, std::vector<LowerRebar> lower = {}) {
        model.FloorSlabs.resize(1);
        model.FloorSlabCount = 1;
        SetSectionBars(model.Reinforcement, upper, lower);
        model.Reinforcement.SectionSlabCount[0] = 1;
        model.Reinforcement.SectionSlabs[0][0] = 0;
    }
    UpperRebar& Upper(size_t k) { return model.Reinforcement.UpperRebars[0][k]; }
    LowerRebar& Lower(size_t k) { return model.Reinforcement.LowerRebars[0][k]; }
    // Starts a tool the way its command does.
    void Tool(int32_t mode) {
        editor.InteractionState = mode;
        canvas.ClearRecords();
    }
    // A click at the canvas point of a model point.
    void ClickAt(int16_t button, float x, float y) { Click(button, x, 600 - y); }
};

#pragma once
// A document on a recording canvas of 800 × 600 pixels, driven by scripts of mouse events. The view
// shows the model at 1 pixel per cm with the origin at the canvas's bottom left, so the model
// point (x, y) lies at the canvas point (x, 600 - y).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "editing/CanvasEditor.h"
#include "editing/InteractionModes.h"
#include "model/Session.h"
#include "platform/headless/HeadlessPlatform.h"

// The window's side: how often the last command was repeated, the panel texts shown, and how often
// the rebar editor was shown, with what the user does in it.
struct RecordingHost : EditorHost {
    int Repeats = 0;
    std::vector<std::pair<int32_t, std::string>> Texts;
    int RebarEditorShown = 0;
    std::function<void()> RebarEditorAnswer;  // nothing: the editor is cancelled
    void RepeatLastCommand() override { ++Repeats; }
    void SetPanelText(int32_t panel, const std::string& text) override { Texts.emplace_back(panel, text); }
    void ShowRebarEditor() override {
        ++RebarEditorShown;
        if (RebarEditorAnswer) RebarEditorAnswer();
    }
};

// The platform's canvas is the recording one, message boxes are answered from a script.
struct EditorFixture : Session, HeadlessPlatform {
    RecordingHost host;
    CanvasEditor mouse{*this, platform, host};

    EditorFixture() {
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        ViewWindow& v = drawing.View;
        v.CanvasWidthPx = 800, v.CanvasHeightPx = 600;
        v.ViewXMin = 0, v.ViewXMax = 800, v.ViewYMin = 0, v.ViewYMax = 600;
        v.ViewScale = 1;
    }

    void Down(int16_t button, float x, float y) { mouse.MouseDown(button, 0, x, y); }
    void Move(int16_t buttons, float x, float y) { mouse.MouseMove(buttons, 0, x, y); }
    void Up(int16_t button, float x, float y) { mouse.MouseUp(button, 0, x, y); }
    // A press and its release at one point.
    void Click(int16_t button, float x, float y) {
        Down(button, x, y);
        Up(button, x, y);
    }
    // A press, moves to each point with the button held, and the release at the last one.
    void Drag(int16_t button, std::pair<float, float> from, const std::vector<std::pair<float, float>>& to) {
        Down(button, from.first, from.second);
        for (const auto& [x, y] : to) Move(button, x, y);
        Up(button, to.back().first, to.back().second);
    }

    int32_t mode() const { return editor.InteractionState; }
    // Full redraws since the records were last cleared: each one starts by clearing the canvas.
    size_t Redraws() const { return canvas.RecordsOf(CanvasCall::Clear).size(); }
    // Calls drawn on the temporary layer.
    std::vector<CanvasRecord> Overlay(CanvasCall call) const {
        std::vector<CanvasRecord> found;
        for (const CanvasRecord& r : canvas.RecordsOf(call))
            if (!r.State.AutoRedraw) found.push_back(r);
        return found;
    }
    // A square of new plan points, counter-clockwise from its lower left corner, closed by a copy
    // of the first: an outline row.
    std::vector<int32_t> Square(float x0, float y0, float side) {
        std::vector<int32_t> corners;
        for (auto [x, y] : {std::pair{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}}) {
            model.PlanNodes.push_back({x, y});
            corners.push_back(model.PlanNodeCount++);
        }
        corners.push_back(corners.front());
        return corners;
    }
    void AddDimension(float x1, float y1, float x2, float y2, float mx1, float my1, float mx2, float my2,
                      const std::string& text = "") {
        model.Dimensions.push_back(Dimension{x1, y1, x2, y2, text, mx1, my1, mx2, my2});
        model.DimensionCount = static_cast<int32_t>(model.Dimensions.size());
    }
};

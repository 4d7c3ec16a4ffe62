#pragma once
// The drawing state a canvas keeps from one call to the next, and the part of a canvas that only
// keeps it; the backends draw with it.
#include "platform/Canvas.h"

struct CanvasState {
    bool AutoRedraw = true;  // drawing goes to the persistent image, else to the temporary layer
    ColourRef Back = PackRgb(255, 255, 255);
    ColourRef Fore = 0;
    ColourRef Fill = 0;
    FillStyle Filling = FillStyle::Transparent;
    DrawStyle Drawing = DrawStyle::Solid;
    int32_t DrawWidth = 1;
};

class StatefulCanvas : public Canvas {
public:
    void SetAutoRedraw(bool on) override { state_.AutoRedraw = on; }
    void SetBackColour(ColourRef colour) override { state_.Back = colour; }
    void SetForeColour(ColourRef colour) override { state_.Fore = colour; }
    void SetFillColour(ColourRef colour) override { state_.Fill = colour; }
    void SetFillStyle(FillStyle style) override { state_.Filling = style; }
    void SetDrawStyle(DrawStyle style) override { state_.Drawing = style; }
    void SetDrawWidth(int32_t pixels) override { state_.DrawWidth = pixels; }
    ColourRef BackColour() const override { return state_.Back; }
    ColourRef ForeColour() const override { return state_.Fore; }
    int32_t DrawWidth() const override { return state_.DrawWidth; }

    const CanvasState& State() const { return state_; }

protected:
    CanvasState state_;
};

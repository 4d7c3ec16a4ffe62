#pragma once
// What the settings dialog does to the settings in force, apart from its window: its two default
// buttons, the lateral cover as typed and the canvas background of its OK.
#include <cstdint>
#include <optional>
#include <string>

#include "model/Session.h"
#include "platform/Canvas.h"

// "Colori default": the background flag chosen, then the screen side of the layer table, the
// palette and the canvas background for it. The canvas shows the new background at once, empty;
// the plan waits for the next redraw.
void RestoreDefaultScreenColours(Session& session, Canvas& canvas, int32_t whiteBackground);
// "Valori di default": the screen side as above for the background in force, the DXF side of the
// layer table and every option default; then the dimension texts follow the default unit.
void RestoreAllDefaults(Session& session, Canvas& canvas);
// Every dimension's text again from the length of its line, in the unit in force.
void RewriteDimensionTexts(Model& model, const ShellOptions& options);

// The lateral cover typed as a number with "," or "." for the decimal point, rounded to whole
// centimetres with halves to even: "2,6" gives 3, "2.5" gives 2. Nothing for a text that is not a
// number as a whole or a value no cover can have (the strict reading of ReadTypedRounded).
std::optional<int32_t> ReadLateralCover(const std::string& text);

// The canvas background of the background flag in force: white for any flag but 0.
void PaintCanvasBackground(DrawingState& drawing, Canvas& canvas);

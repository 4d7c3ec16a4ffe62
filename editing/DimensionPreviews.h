#pragma once
// The dimension line that a click would place, previewed on the temporary layer while the mouse
// moves: dotted light cyan, with a tick 10 cm long each way across each end, followed by the grip
// of the dimension line under the cursor.
#include <cstdint>

#include "model/Session.h"
#include "platform/Canvas.h"

// Modes 2002 and 3002: a horizontal (or vertical) line at the cursor's height (or x) between the
// two reference points.
void DrawLevelDimensionPreview(const Session& session, Canvas& canvas, bool horizontal, float x, float y);
// Modes 4002 and 7001: the line through the cursor parallel to the reference points' line,
// between the feet of the perpendiculars from them.
void DrawAlignedDimensionPreview(const Session& session, Canvas& canvas, float x, float y);

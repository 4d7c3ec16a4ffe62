#pragma once
// Object snap: the first characteristic point of the plan within 4 pixels of the cursor, in a
// fixed order of element groups (beam faces, pillars, beam nodes, wall faces, slab outlines,
// masonry corners, footings). A group takes part only while its layer's snap switch is on and the
// layer is shown (the masonry walls follow the snap switch of the wall layer alone).
#include <cstdint>
#include <optional>

#include "editing/FootingSnapPoints.h"
#include "model/Session.h"
#include "platform/Canvas.h"

struct SnapCandidate {
    float X = 0, Y = 0;  // canvas pixels
    SnapMarker Marker = SnapMarker::Box;
};

// Pure query: nothing is drawn or stored. Points whose record names nothing in its table are
// left out.
std::optional<SnapCandidate> FindSnapPoint(const Session& session, float x, float y);

// The snap of a mouse event: the temporary layer is wiped; with commit non-zero (a button pressed
// or held) a hit is stored in SnapX, SnapY and SnapFound := 1; with commit 0 a hit is marked on
// the temporary layer instead and SnapFound is left alone. A miss sets SnapFound := 0.
void BeccaOSNAP(Session& session, Canvas& canvas, float x, float y, int32_t commit);

#pragma once
// Small figures the drawers share, built from the output's primitives: a point marker, a text
// along a segment and a rebar's line with its label.
#include <cstdint>
#include <string>

#include "drawing/PlanOutput.h"

// A cross of 4 cm on the footings' row and a circle of radius r on the pillar outlines' row.
void DrawPointMarker(PlanOutput& out, float x, float y, float r);
// The text centred on the segment's midpoint, along the segment, reading left to right or upwards.
void DrawTextAlongSegment(PlanOutput& out, float x1, float y1, float x2, float y2, const std::string& text,
                          int32_t layer, TextKind kind);
// The segment as a line on lineLayer and the text above (above true) or below its middle; nothing
// for a segment that rounds to 0 cm.
void DrawRebarText(PlanOutput& out, const std::string& text, float x1, float y1, float x2, float y2, bool above,
                   int32_t lineLayer, int32_t textLayer);

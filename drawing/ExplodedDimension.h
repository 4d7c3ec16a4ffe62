#pragma once
// A linear dimension drawn from primitives: its line, a tick and a small circle at each end, and its
// length as a text. Every dimension on the canvas, and every dimension of an R12 file, is drawn so.
#include <cstdint>
#include <string>

#include "drawing/PlanOutput.h"

// The label of a dimension of length L: one decimal when the fraction lies in 0.1 … 0.9, else none.
std::string DimensionLabel(float length);

void DrawExplodedDimension(PlanOutput& out, float x1, float y1, float x2, float y2, int32_t lineLayer,
                           int32_t textLayer);

#pragma once
// Corners of offset lines, the distance of a point from a line and points set off from the middle
// of a segment: what the outline builders use to turn centre lines into outlines (cm, y up).

// The corner where line 1 (P0P1 moved d1 to the left of P0 -> P1) meets line 2 (P0P2 moved d2 to
// the right of P0 -> P2). When P0, P1, P2 turn counter-clockwise both offsets are negated and
// flipped is set, so positive offsets always put the corner outside the angle P1 P0 P2, negative
// ones inside. Collinear arms give P0 moved d1 across arm 1.
void ComputeOffsetCorner(float x0, float y0, float x1, float y1, float x2, float y2, float d1, float d2,
                         float& outX, float& outY, bool& flipped);

// Distance of P from the line through P1 and P2, rounded to 2 decimals (halves to even).
float GetPointLineDistance(float x1, float y1, float x2, float y2, float px, float py);

// The point at distance |d| from the midpoint of P1P2 on its perpendicular: to the left of
// P1 -> P2 for a positive d, to the right for a negative one.
void ComputeMidpointNormalPoint(float x1, float y1, float x2, float y2, float d, float& outX, float& outY);

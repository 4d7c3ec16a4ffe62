#pragma once
// The dimensions on the canvas: which one lies under the cursor, which end of its line, the grip
// that marks that end, and the two tools that change a dimension: delete (mode 6000) and the
// parallel move of its line (modes 7000 and 7001), which keeps what it measures.
#include <cstdint>

#include "editing/CanvasEdit.h"

// The first dimension whose line passes within 7 pixels of the canvas point; -1 when none.
int32_t BeccaQuota(const Session& session, float x, float y);
// The first dimension with an end of its line less than 4 pixels away in x and in y: index := it
// and whichEnd := 0 (first end) or 1 (second end); index := -1 and whichEnd unchanged when none.
void BeccaEstremoQuota(const Session& session, float x, float y, int32_t& index, int32_t& whichEnd);
// Whether the second end of the dimension's line is the nearer to the model point (wx, wy) by the
// sum of the absolute differences; it is when both are equally near.
bool IsSecondEndNearer(const Dimension& dimension, float wx, float wy);
// That nearer end.
PlanPoint NearerLineEnd(const Dimension& dimension, float wx, float wy);
// On the temporary layer, a square grip on the nearer end of the first dimension line within 7
// pixels of the cursor; nothing when there is none. The layer is not wiped first.
void EvidenziaGripQuota(const Session& session, Canvas& canvas, float x, float y);

// Removes dimension `index`, the later ones moving down by one. The dimension picked for a move or
// a chain keeps pointing at the same record, or at none when it was the one removed.
void RemoveDimension(Model& model, EditorState& editor, int32_t index);

// Click in mode 6000: deletes the dimension under the cursor, if any, and ends the tool.
void DeleteDimensionAt(CanvasEdit& edit, float x, float y);
// Click in mode 7000: picks the dimension to move; its line ends become the reference points.
void PickDimensionToMove(CanvasEdit& edit, float x, float y);
// Click in mode 7001: the picked dimension's line moved parallel to itself through the click, or
// through the end of a dimension line within 4 pixels of it; the measured points stay.
void spQuota(CanvasEdit& edit, float x, float y);

// Where the line through A and A + 10·(adx, ady) meets the line through B and B + 10·(bdx, bdy),
// wherever that lies; A when the lines do not meet.
PlanPoint LinesMeeting(float ax, float ay, float adx, float ady, float bx, float by, float bdx, float bdy);

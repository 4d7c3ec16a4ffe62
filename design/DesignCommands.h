#pragma once
// The design steps that end with the plan redrawn on the canvas: the design of the whole deck and
// the deletion of a section.
#include <cstdint>

#include "design/DesignWarnings.h"
#include "model/Session.h"
#include "platform/Platform.h"

// Lays sections through the reference points of every designable floor slab: all centroids first,
// then all second points, then all third points; each pass sees the sections of the ones before
// it. Reference points that the deck does not carry (a saved deck keeps no second and third
// points) are computed again first. Sets SlabDesignState to 2, redraws the plan and tells what the
// table limits refused.
void DesignAllFloorSlabs(Session& session, Platform& platform);

// The automatic design command: the deck's reinforcement sections go, then DesignAllFloorSlabs
// designs every floor slab anew, so that no row keeps a section laid before.
void DesignReinforcementAgain(Session& session, Platform& platform);

// The sections of DesignAllFloorSlabs, with what the table limits refused, but neither the design
// state, the redraw nor the messages.
DesignWarnings LayAllFloorSlabSections(Session& session, MessageBoxes& messages);

// Removes section k, moving the sections after it down by one, and redraws the plan. A k that
// designates no section changes nothing.
void DeleteReinforcementSection(Session& session, Platform& platform, int32_t k);
// The removal alone, for callers that redraw on their own canvas; false when k designates no
// section.
bool RemoveReinforcementSection(ReinforcementSections& sections, int32_t k);

// The plan drawn again on the canvas.
void RedrawPlanOnCanvas(Session& session, Platform& platform);

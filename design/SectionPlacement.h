#pragma once
// Laying a reinforcement section: a line through a point along the span direction of the target
// slab, crossed with the polygons of the designable floor slabs of that direction; the row of
// adjoining slabs that holds the target becomes the section, its ends are carried to the faces of
// the supporting beams or walls and its bars are designed.
#include <cstdint>

#include "design/DesignWarnings.h"
#include "model/Session.h"
#include "platform/MessageBox.h"

// SlabDesignState once the deck has a designed section.
constexpr int32_t SlabDesignPresent = 2;

// Placement modes.
constexpr int32_t PlaceForDesignAll = 0;  // a row that a section already covers is skipped
constexpr int32_t PlaceByUser = 1;        // such a row is laid only when the user says so
constexpr int32_t PlaceMovedSection = 2;  // and any larger value: rebuilds section MovedSection

// Lays a section through the world point (x, y) along the span direction of the session's
// TargetSlab and designs it: a new one in modes 0 and 1 (which also set SlabDesignState to 2), the
// section MovedSection in place from mode 2 on. True when a section was written. The table limits
// that refused a section or some of its bars are added to `warnings`; nothing is redrawn.
bool LayReinforcementSection(Session& session, MessageBoxes& messages, float x, float y, int32_t mode,
                             DesignWarnings& warnings);

// LayReinforcementSection, telling the user at its end what the table limits refused.
bool PlaceReinforcementSection(Session& session, MessageBoxes& messages, float x, float y, int32_t mode);

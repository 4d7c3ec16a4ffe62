#pragma once
// The bars of one reinforcement section from the required-steel diagrams of the floor slabs it
// crosses: upper bars where a diagram asks for top steel, split where they would grow too long and
// mended where the scan leaves top steel bare or short of its area, a piece longer than the
// longest bar, three bars over a point or two in one place, or a bar out of the section; per slab
// a record of main lower bars and, on request, one of two assembly bars.
#include <cstdint>
#include <vector>

#include "design/DesignWarnings.h"
#include "model/Session.h"
#include "model/tables/ModelTables.h"

struct RebarDesignOptions {
    int32_t LateralCover = 2;              // cm kept clear at the section's two ends
    int32_t MaxUpperBarLength = 1200;      // cm
    int32_t LowerAssemblyBarDiameter = 5;  // mm, 0 for no assembly bars
    int32_t GroupLowerBars = 0;            // not 0: main lower bars share the place of the assembly bars
};

// The options in force in the session.
RebarDesignOptions RebarDesignOptionsOf(const Session& session);

// The length in cm of the segment along which the slab's diagram is laid.
float GetSpanSegmentLength(const FloorSlab& slab);

// Replaces every bar of section s, whose slabs, spans and ends are written. Records beyond the
// bar tables' capacity are left out and reported, as is a required area that no bar count covers.
DesignWarnings DesignReinforcementSection(Model& model, const RebarDesignOptions& options, int32_t s);

// The upper bars of section s as the scan along its diagrams lays them, before they are mended;
// the section's tables stay as they are. What the design keeps of a sound section.
std::vector<UpperRebar> ScanUpperBars(const Model& model, const RebarDesignOptions& options, int32_t s);

#pragma once
// Edits of single designed rebars that run no design: the bar of a section read and written
// through the fields every bar has, lengthened or shortened at its ends along its own line, moved
// onto a target line, or removed from its section.
#include <cstdint>
#include <optional>

#include "model/Session.h"

// The fields an upper and a lower bar share, referring into the bar's record.
struct RebarFields {
    int32_t& Diameter;
    float& X1;
    float& X2;
    float& Y1;
    float& Y2;
    int32_t& BarCount;
    int32_t& HookFlags;  // bit 0: hook at the start, bit 1: hook at the end
};

// Bar `bar` of section `section`, of LowerRebars when `isLower` is not 0, else of UpperRebars;
// nothing when the deck has no such section or the section no such bar.
std::optional<RebarFields> RebarAt(Model& model, int32_t section, int32_t bar, int32_t isLower);
// The bar picked on the canvas (SelectedBarSection, SelectedBar, SelectedBarIsLower).
std::optional<RebarFields> SelectedRebar(Session& session);

// Moves the start back by `start` and the end on by `end` along the bar's direction from its start
// to its end: positive values lengthen the bar, negative ones shorten it. A bar whose two ends
// coincide has no direction and keeps them.
void StretchRebar(const RebarFields& bar, float start, float end);

enum class RebarExtension {
    Moved,       // the nearer end now lies on the target line, `cover` short of it
    NoCrossing,  // the bar is parallel to the line (or has no length): nothing moved
};

// Moves the end of the bar nearer to where its line meets the line through (x1, y1) and (x2, y2)
// (the end when both are as near) onto that point, `cover` back along the bar, so that it stops
// short of the line on the bar's own side however steep the bar.
RebarExtension ExtendRebarToLine(const RebarFields& bar, float x1, float y1, float x2, float y2, float cover);

// Removes the bar, the later bars of its section moving down one place each. False when there is
// no such bar.
bool RemoveRebar(Model& model, int32_t section, int32_t bar, int32_t isLower);

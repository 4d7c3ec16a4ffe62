#pragma once
// The upper bars of a section as pieces along its line, the rules they keep, and the mend that
// brings back within them a scan that breaks one: every point and stretch asking for top steel
// under a bar with steel enough, a lap at least as long as `MendLap` wherever the asked steel runs
// on past the end of a bar, no piece longer than the longest bar, at most two bars over a point
// and never at one place, every bar within the bar zone. A scan that keeps the rules is left
// exactly as it is.
#include <cstdint>
#include <vector>

#include "design/BarChoice.h"

// A diagram point that asks for top steel, in cm along the section, with its steel in cm².
struct TopSteelPoint {
    double at = 0;
    float steel = 0;
};

// A stretch between two neighbouring diagram points that both ask for top steel, in cm along the
// section; over a support, from the last point of a slab to the first of the next, it may have no
// length.
struct TopSteelStretch {
    double from = 0, to = 0;
};

// Where a section asks for top steel.
struct TopSteelAsked {
    std::vector<TopSteelPoint> points;
    std::vector<TopSteelStretch> stretches;
};

// What the rules know of the section besides its pieces.
struct UpperBarSection {
    double zoneFrom = 0, zoneTo = 0;     // the bar zone: the section's ends less the cover
    int32_t longest = 0;                 // the longest bar, cm
    BarSizes sizes;                      // the section's two bar diameters
    float place = 0, otherPlace = 0;     // the two places across the line of overlapping pieces
    int32_t startHook = 0, endHook = 0;  // the hook flags of a record's start and end
};

// One upper bar piece, in cm along the section (`from` before `to`) and across it. A hook flag
// stands for the hook at the section end where the scan laid it: the start hook at `from`, the
// end hook at `to`.
struct UpperPiece {
    double from = 0, to = 0;
    float place = 0;
    int32_t hooks = 0;
    float required = 0;     // the steel its bars are chosen for
    int32_t source = -1;    // the scanned piece it comes from, none for one the mend adds
    bool reversed = false;  // its record runs from `to` back to `from`
    bool remade = false;    // made or moved by the mend: its ends or hooks are new
};

// Every lap the mend makes, the shortest lap where the asked steel runs on past the end of a bar,
// and the most a moved piece reaches before the bare stretch or the joint it closes, in cm.
constexpr double MendLap = 70;

// Ends closer than this, in cm, meet.
constexpr double PieceEndTolerance = 0.05;

// True when the pieces keep every rule.
bool UpperPiecesKeepRules(const std::vector<UpperPiece>& pieces, const TopSteelAsked& asked,
                          const UpperBarSection& section);

// The pieces mended, in order along the section:
// - each taken forwards and cut to the bar zone; a piece within the one before, or between two
//   that already overlap, is left out and its steel goes to the pieces that cover it;
// - a piece that begins within two laps of top steel the ones before leave bare starts a lap
//   before the first bare point, within the zone, or takes the place of the piece before where it
//   would cover it or reach over the one before that; bare steel further from the next piece, or
//   after the last one, gets a new piece from a lap before it to a lap past its end; where the
//   asked steel goes on past the end of the pieces before, a next piece that laps them by less
//   than a lap, or meets them end to end, is moved back the same way, to a lap before that end;
// - of two pieces that overlap by more than a lap, one of them longer than the longest bar, the
//   first ends a lap past the second's start; a piece longer than the longest bar becomes equal
//   pieces that lap as much;
// - hooks stay at the section ends the scan had them at; every piece carries at least the steel
//   of the asked points it holds (a piece left as scanned keeps bars that already do); the
//   places alternate along each run of overlapping pieces.
std::vector<UpperPiece> MendUpperPieces(const std::vector<UpperPiece>& pieces, const TopSteelAsked& asked,
                                        const UpperBarSection& section);

#pragma once
// The upper bars of a section as pieces along its line, and the mend that leaves no stretch asking
// for top steel without a bar and no piece longer than the longest bar: a section already sound
// is left exactly as it is.
#include <cstdint>
#include <vector>

// A stretch between two neighbouring diagram points that both ask for top steel, in cm along the
// section; `steel` is the larger top steel of its two ends.
struct TopSteelStretch {
    double from = 0, to = 0;
    float steel = 0;
};

// One upper bar piece, in cm along the section (`from` before `to`) and across it.
struct UpperPiece {
    double from = 0, to = 0;
    float place = 0;
    int32_t hooks = 0;
    float required = 0;
    int32_t source = -1;  // the scanned piece it comes from
    bool remade = false;  // made or moved by the mend: its ends and its steel are new
};

// Every added lap, in cm.
constexpr double MendLap = 70;

// Ends closer than this, in cm, meet.
constexpr double PieceEndTolerance = 0.05;

// True when no stretch is bare and no piece is longer than `longest`.
bool UpperPiecesSound(const std::vector<UpperPiece>& pieces, const std::vector<TopSteelStretch>& stretches,
                      int32_t longest);

// The pieces mended, walked in order: a piece after a bare stretch starts a lap before the end of
// the pieces before it; a piece longer than `longest` becomes equal pieces that lap as much, the
// first with the start hook, the last with the end hook. A piece made or moved takes the largest
// steel of the stretches it overlaps. The places alternate between `place` and `otherPlace` along
// each run of overlapping pieces that holds one made or moved. Sound pieces come back unchanged.
std::vector<UpperPiece> MendUpperPieces(const std::vector<UpperPiece>& pieces,
                                        const std::vector<TopSteelStretch>& stretches, int32_t longest, float place,
                                        float otherPlace, int32_t startHook, int32_t endHook);

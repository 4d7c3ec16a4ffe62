#include "design/UpperBarMend.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double Overlap(double a1, double a2, double b1, double b2) { return std::min(a2, b2) - std::max(a1, b1); }

// Some stretch asks for top steel between a and b.
bool BareBetween(double a, double b, const std::vector<TopSteelStretch>& stretches) {
    return std::any_of(stretches.begin(), stretches.end(),
                       [&](const TopSteelStretch& s) { return Overlap(a, b, s.from, s.to) > PieceEndTolerance; });
}

float SteelOver(const UpperPiece& piece, const std::vector<TopSteelStretch>& stretches) {
    float steel = 0;
    for (const TopSteelStretch& s : stretches)
        if (Overlap(piece.from, piece.to, s.from, s.to) > PieceEndTolerance) steel = std::max(steel, s.steel);
    return steel;
}

// Equal pieces of at most `longest`, each starting a lap before the previous one ends.
void SplitTooLong(const UpperPiece& piece, int32_t longest, int32_t startHook, int32_t endHook,
                  std::vector<UpperPiece>& out) {
    const double length = piece.to - piece.from;
    const int32_t k = static_cast<int32_t>(std::ceil((length - MendLap) / (longest - MendLap)));
    const double each = (length + MendLap * (k - 1)) / k;
    for (int32_t i = 0; i < k; ++i) {
        UpperPiece p = piece;
        p.from = piece.from + i * (each - MendLap);
        p.to = i == k - 1 ? piece.to : p.from + each;
        p.hooks = (i == 0 ? piece.hooks & startHook : 0) | (i == k - 1 ? piece.hooks & endHook : 0);
        p.remade = true;
        out.push_back(p);
    }
}

// Along each run of overlapping pieces that holds a remade one, the places alternate from the first.
void AlternatePlaces(std::vector<UpperPiece>& pieces, float place, float otherPlace) {
    size_t first = 0;
    while (first < pieces.size()) {
        size_t last = first + 1;
        double runEnd = pieces[first].to;
        bool remade = pieces[first].remade;
        while (last < pieces.size() && pieces[last].from < runEnd - PieceEndTolerance) {
            runEnd = std::max(runEnd, pieces[last].to);
            remade |= pieces[last].remade;
            ++last;
        }
        if (remade)
            for (size_t k = first; k < last; ++k) pieces[k].place = (k - first) % 2 == 0 ? place : otherPlace;
        first = last;
    }
}

}  // namespace

bool UpperPiecesSound(const std::vector<UpperPiece>& pieces, const std::vector<TopSteelStretch>& stretches,
                      int32_t longest) {
    for (const UpperPiece& p : pieces)
        if (p.to - p.from > longest + PieceEndTolerance) return false;
    std::vector<UpperPiece> sorted = pieces;
    std::sort(sorted.begin(), sorted.end(), [](const UpperPiece& a, const UpperPiece& b) { return a.from < b.from; });
    // The stretches between the covered runs, and before and after them.
    double covered = -std::numeric_limits<double>::infinity();
    for (const UpperPiece& p : sorted) {
        if (p.from > covered && BareBetween(covered, p.from, stretches)) return false;
        covered = std::max(covered, p.to);
    }
    return !BareBetween(covered, std::numeric_limits<double>::infinity(), stretches);
}

std::vector<UpperPiece> MendUpperPieces(const std::vector<UpperPiece>& pieces,
                                        const std::vector<TopSteelStretch>& stretches, int32_t longest, float place,
                                        float otherPlace, int32_t startHook, int32_t endHook) {
    std::vector<UpperPiece> out;
    double covered = -std::numeric_limits<double>::infinity();
    for (UpperPiece piece : pieces) {
        if (!out.empty() && piece.from > covered && BareBetween(covered, piece.from, stretches)) {
            piece.from = covered - MendLap;
            piece.remade = true;
        }
        if (piece.to - piece.from > longest + PieceEndTolerance)
            SplitTooLong(piece, longest, startHook, endHook, out);
        else
            out.push_back(piece);
        covered = std::max(covered, piece.to);
    }
    for (UpperPiece& p : out)
        if (p.remade) p.required = SteelOver(p, stretches);
    AlternatePlaces(out, place, otherPlace);
    return out;
}

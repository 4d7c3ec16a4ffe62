#include "design/UpperBarMend.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double Tolerance = PieceEndTolerance;
constexpr double Unbounded = std::numeric_limits<double>::infinity();
// At most this many bars lie over one point.
constexpr int32_t MostBarsOverAPoint = 2;

double Length(const UpperPiece& p) { return p.to - p.from; }
bool Holds(const UpperPiece& p, double at) { return p.from - Tolerance <= at && at <= p.to + Tolerance; }
bool Meet(double a, double b) { return std::fabs(a - b) <= Tolerance; }
bool InZone(double at, const UpperBarSection& s) { return at >= s.zoneFrom - Tolerance && at <= s.zoneTo + Tolerance; }

// A stretch, or a single point, that asks for top steel within the bar zone.
struct AskedSpan {
    double from = 0, to = 0;
};

// What lies outside the bar zone asks for no bar. In order of start.
std::vector<AskedSpan> AskedInZone(const TopSteelAsked& asked, const UpperBarSection& s) {
    std::vector<AskedSpan> spans;
    auto add = [&](double from, double to) {
        if (to < s.zoneFrom - Tolerance || from > s.zoneTo + Tolerance) return;
        spans.push_back({std::clamp(from, s.zoneFrom, s.zoneTo), std::clamp(to, s.zoneFrom, s.zoneTo)});
    };
    for (const TopSteelPoint& p : asked.points) add(p.at, p.at);
    for (const TopSteelStretch& t : asked.stretches) add(t.from, t.to);
    std::sort(spans.begin(), spans.end(), [](const AskedSpan& a, const AskedSpan& b) { return a.from < b.from; });
    return spans;
}

// The first point after `covered` and before `until` where top steel is asked and bare: `covered`
// itself when the asked steel goes on past it. None when all is covered.
std::optional<double> FirstBare(const std::vector<AskedSpan>& spans, double covered, double until) {
    std::optional<double> first;
    if (until <= covered + Tolerance) return first;
    for (const AskedSpan& a : spans)
        if (a.to > covered + Tolerance && a.from < until - Tolerance) {
            const double b = std::max(a.from, covered);
            if (!first || b < *first) first = b;
        }
    return first;
}

// Top steel asked at `at` and beyond it.
bool AskedPast(const std::vector<AskedSpan>& spans, double at) {
    return std::any_of(spans.begin(), spans.end(),
                       [&](const AskedSpan& a) { return a.from <= at + Tolerance && a.to > at + Tolerance; });
}

// Where the asked steel goes on past `end`, the end of the bars before, the piece that carries it
// on from there laps them by less than a lap, or meets them end to end: no force passes between
// the two.
bool ShortJoint(const std::vector<AskedSpan>& spans, double end, const UpperPiece& next) {
    return next.from <= end + Tolerance && next.to > end + Tolerance && next.from > end - MendLap + Tolerance &&
           AskedPast(spans, end);
}

BarChoice ChoiceOf(const UpperPiece& p, const BarSizes& sizes) { return ChooseBars(p.required, sizes, false); }
float AreaOf(const BarChoice& c) { return static_cast<float>(c.BarCount) * GetBarArea(c.Diameter); }

std::vector<UpperPiece> InOrder(std::vector<UpperPiece> pieces) {
    std::stable_sort(pieces.begin(), pieces.end(), [](const UpperPiece& a, const UpperPiece& b) {
        return a.from < b.from || (a.from == b.from && a.to > b.to);
    });
    return pieces;
}

// Rule checks, each true when the pieces break it.

bool AnyBare(const std::vector<UpperPiece>& sorted, const std::vector<AskedSpan>& spans) {
    double covered = -Unbounded;
    for (const UpperPiece& p : sorted) {
        if (FirstBare(spans, covered, p.from)) return true;
        covered = std::max(covered, p.to);
    }
    return FirstBare(spans, covered, Unbounded).has_value();
}

// Asked steel carried on past the end of a piece only by pieces that lap it by less than a lap; a
// piece that holds it wholly carries the steel through, with no joint.
bool AnyShortJoint(const std::vector<UpperPiece>& pieces, const std::vector<AskedSpan>& spans,
                   const UpperBarSection& s) {
    for (const UpperPiece& a : pieces) {
        if (a.to >= s.zoneTo - Tolerance || !AskedPast(spans, a.to)) continue;
        bool carried = false, lapped = false;
        for (const UpperPiece& b : pieces) {
            if (&a == &b || b.from > a.to + Tolerance || b.to <= a.to + Tolerance) continue;
            carried = true;
            lapped |= b.from <= a.from + Tolerance || !ShortJoint(spans, a.to, b);
        }
        if (carried && !lapped) return true;
    }
    return false;
}

bool AnyTooLong(const std::vector<UpperPiece>& pieces, int32_t longest) {
    return std::any_of(pieces.begin(), pieces.end(),
                       [&](const UpperPiece& p) { return Length(p) > longest + Tolerance; });
}

// Short of the asked steel at a point, unless a bar over it already has the most bars a record
// takes (which the design reports).
bool AnySteelShort(const std::vector<UpperPiece>& pieces, const TopSteelAsked& asked, const UpperBarSection& s) {
    for (const TopSteelPoint& point : asked.points) {
        if (!InZone(point.at, s)) continue;
        const double at = std::clamp(point.at, s.zoneFrom, s.zoneTo);
        float area = 0;
        bool atLimit = false;
        for (const UpperPiece& p : pieces) {
            if (!Holds(p, at)) continue;
            const BarChoice choice = ChoiceOf(p, s.sizes);
            area += AreaOf(choice);
            atLimit |= !choice.Covers;
        }
        if (!atLimit && area < point.steel) return true;
    }
    return false;
}

// More than two bars over a point, or two overlapping bars at one place.
bool AnyCrowded(const std::vector<UpperPiece>& pieces) {
    for (const UpperPiece& a : pieces) {
        int32_t over = 0;
        for (const UpperPiece& b : pieces) {
            if (b.from <= a.from + Tolerance && b.to > a.from + Tolerance) ++over;
            if (&a != &b && b.place == a.place && std::min(a.to, b.to) - std::max(a.from, b.from) > Tolerance)
                return true;
        }
        if (over > MostBarsOverAPoint) return true;
    }
    return false;
}

// A bar end outside the bar zone, or a hook away from the section end it belongs to.
bool AnyOutOfZone(const std::vector<UpperPiece>& pieces, const UpperBarSection& s) {
    for (const UpperPiece& p : pieces) {
        if (!InZone(p.from, s) || !InZone(p.to, s)) return true;
        const double start = p.reversed ? p.to : p.from, end = p.reversed ? p.from : p.to;
        if ((p.hooks & s.startHook) && !Meet(start, s.zoneFrom)) return true;
        if ((p.hooks & s.endHook) && !Meet(end, s.zoneTo)) return true;
    }
    return false;
}

// The mend, step by step.

void TakeSteel(UpperPiece& p, const UpperPiece& from) { p.required = std::max(p.required, from.required); }

// Forwards and within the zone, in order of start; a piece that reaches no further than the one
// before, or lies between two that overlap, is left out.
std::vector<UpperPiece> WithinZone(const std::vector<UpperPiece>& pieces, const UpperBarSection& s) {
    std::vector<UpperPiece> forwards;
    for (UpperPiece p : pieces) {
        if (p.reversed) {
            p.reversed = false;
            p.remade = true;
        }
        for (double* end : {&p.from, &p.to}) {
            const double within = std::clamp(*end, s.zoneFrom, s.zoneTo);
            if (std::fabs(within - *end) > Tolerance) {
                *end = within;
                p.remade = true;
            }
        }
        if (Length(p) > Tolerance) forwards.push_back(p);
    }
    std::vector<UpperPiece> kept;
    for (UpperPiece& p : InOrder(forwards)) {
        if (!kept.empty() && p.to <= kept.back().to + Tolerance) {
            TakeSteel(kept.back(), p);
            continue;
        }
        // One that starts where the last kept one does, and reaches further, holds it.
        while (!kept.empty() && Meet(p.from, kept.back().from)) {
            TakeSteel(p, kept.back());
            p.hooks |= kept.back().hooks;
            p.from = std::min(p.from, kept.back().from);
            p.remade = true;
            kept.pop_back();
        }
        while (kept.size() >= 2 && p.from < kept[kept.size() - 2].to - Tolerance) {
            const UpperPiece between = kept.back();
            kept.pop_back();
            TakeSteel(kept.back(), between);
            TakeSteel(p, between);
        }
        kept.push_back(p);
    }
    return kept;
}

// Lays `piece` from `from` after the ones laid; where it would cover the last one wholly or reach
// over the one before that, it starts where the last one did, in its place.
void LayMovedBack(std::vector<UpperPiece>& laid, UpperPiece piece, double from) {
    piece.from = from;
    piece.remade = true;
    if (!laid.empty()) {
        const UpperPiece last = laid.back();
        const bool coversLast = from <= last.from + Tolerance;
        const bool overOneBefore = laid.size() >= 2 && from < laid[laid.size() - 2].to - Tolerance;
        if (coversLast || overOneBefore) {
            piece.from = last.from;
            TakeSteel(piece, last);
            laid.pop_back();
        }
    }
    laid.push_back(piece);
}

// The end of the asked steel that goes on from `from`, steel less than two laps apart taken as one
// stretch.
double EndOfAsked(const std::vector<AskedSpan>& sorted, double from) {
    double end = from;
    for (const AskedSpan& a : sorted) {
        if (a.from > end + 2 * MendLap + Tolerance) break;
        end = std::max(end, a.to);
    }
    return end;
}

// Where the pieces before leave top steel bare, the next piece starts a lap before it when it
// begins within two laps of the end of that steel; otherwise, and after the last piece, a new
// piece covers the bare steel and reaches a lap past it. Where the asked steel goes on past the
// pieces before and the next one laps them by less than a lap, it starts a lap before their end.
std::vector<UpperPiece> CloseBareStretches(const std::vector<UpperPiece>& pieces,
                                           const std::vector<AskedSpan>& spans, const UpperBarSection& s) {
    std::vector<UpperPiece> laid;
    double covered = -Unbounded;
    auto closeBefore = [&](const UpperPiece* next) {
        const double until = next ? next->from : Unbounded;
        while (const std::optional<double> bare = FirstBare(spans, covered, until)) {
            const double from = std::max(*bare - MendLap, s.zoneFrom);
            const double end = EndOfAsked(spans, *bare);
            if (next && next->from <= end + 2 * MendLap + Tolerance) {
                LayMovedBack(laid, *next, from);
                return true;
            }
            UpperPiece added;
            added.to = std::min(end + MendLap, s.zoneTo);
            added.place = s.place;
            LayMovedBack(laid, added, from);
            covered = std::max(covered, laid.back().to);
        }
        // A short joint is closed as bare steel at `covered` would be: the piece starts a lap
        // before it.
        if (next && ShortJoint(spans, covered, *next)) {
            LayMovedBack(laid, *next, std::max(covered - MendLap, s.zoneFrom));
            return true;
        }
        return false;
    };
    for (const UpperPiece& p : pieces) {
        if (!closeBefore(&p)) laid.push_back(p);
        covered = std::max(covered, laid.back().to);
    }
    closeBefore(nullptr);
    return laid;
}

// A piece that overlaps a neighbour by more than a lap, where one of the two is longer than the
// longest bar, ends a lap past the next one's start, so that their split pieces never lie three
// over a point.
void ShortenLongLaps(std::vector<UpperPiece>& pieces, int32_t longest) {
    for (size_t k = 1; k < pieces.size(); ++k) {
        UpperPiece& before = pieces[k - 1];
        const UpperPiece& next = pieces[k];
        const bool tooLong = Length(before) > longest + Tolerance || Length(next) > longest + Tolerance;
        if (tooLong && before.to - next.from > MendLap + Tolerance) {
            before.to = next.from + MendLap;
            before.remade = true;
        }
    }
}

// Equal pieces of at most `longest`, each starting a lap before the previous one ends. Each piece
// gains `longest` less a lap, so the longest bar must exceed a lap: the design mends only from the
// shortest longest bar the options admit (500) up.
std::vector<UpperPiece> SplitTooLong(const std::vector<UpperPiece>& pieces, int32_t longest) {
    assert(longest > MendLap);
    std::vector<UpperPiece> out;
    for (const UpperPiece& piece : pieces) {
        const double length = Length(piece);
        if (length <= longest + Tolerance) {
            out.push_back(piece);
            continue;
        }
        const int32_t k = static_cast<int32_t>(std::ceil((length - MendLap) / (longest - MendLap)));
        const double each = (length + MendLap * (k - 1)) / k;
        for (int32_t i = 0; i < k; ++i) {
            UpperPiece p = piece;
            p.from = piece.from + i * (each - MendLap);
            p.to = i == k - 1 ? piece.to : p.from + each;
            p.remade = true;
            out.push_back(p);
        }
    }
    return out;
}

// A hook on each piece that ends at a section end where the scan had one.
void HookAtSectionEnds(std::vector<UpperPiece>& pieces, const UpperBarSection& s, int32_t scannedHooks) {
    for (UpperPiece& p : pieces) {
        const int32_t hooks = (Meet(p.from, s.zoneFrom) ? scannedHooks & s.startHook : 0) |
                              (Meet(p.to, s.zoneTo) ? scannedHooks & s.endHook : 0);
        if (hooks != p.hooks) {
            p.hooks = hooks;
            p.remade = true;
        }
    }
}

// Every piece at least the steel of the asked points it holds; one left as scanned keeps its bars
// where they already give it.
void CarrySteel(std::vector<UpperPiece>& pieces, const TopSteelAsked& asked, const UpperBarSection& s) {
    for (UpperPiece& p : pieces) {
        float held = 0;
        for (const TopSteelPoint& point : asked.points)
            if (Holds(p, point.at)) held = std::max(held, point.steel);
        if (held > p.required && (p.remade || AreaOf(ChoiceOf(p, s.sizes)) < held)) p.required = held;
    }
}

// Along each run of overlapping pieces the places alternate from the first.
void AlternatePlaces(std::vector<UpperPiece>& pieces, const UpperBarSection& s) {
    size_t first = 0;
    while (first < pieces.size()) {
        size_t last = first + 1;
        double runEnd = pieces[first].to;
        while (last < pieces.size() && pieces[last].from < runEnd - Tolerance) {
            runEnd = std::max(runEnd, pieces[last].to);
            ++last;
        }
        for (size_t k = first; k < last; ++k) pieces[k].place = (k - first) % 2 == 0 ? s.place : s.otherPlace;
        first = last;
    }
}

}  // namespace

bool UpperPiecesKeepRules(const std::vector<UpperPiece>& pieces, const TopSteelAsked& asked,
                          const UpperBarSection& section) {
    const std::vector<AskedSpan> spans = AskedInZone(asked, section);
    return !AnyBare(InOrder(pieces), spans) && !AnyShortJoint(pieces, spans, section) &&
           !AnyTooLong(pieces, section.longest) &&
           !AnySteelShort(pieces, asked, section) && !AnyCrowded(pieces) && !AnyOutOfZone(pieces, section);
}

std::vector<UpperPiece> MendUpperPieces(const std::vector<UpperPiece>& pieces, const TopSteelAsked& asked,
                                        const UpperBarSection& section) {
    int32_t scannedHooks = 0;
    for (const UpperPiece& p : pieces) scannedHooks |= p.hooks;
    std::vector<UpperPiece> out =
        CloseBareStretches(WithinZone(pieces, section), AskedInZone(asked, section), section);
    ShortenLongLaps(out, section.longest);
    out = SplitTooLong(out, section.longest);
    HookAtSectionEnds(out, section, scannedHooks);
    CarrySteel(out, asked, section);
    AlternatePlaces(out, section);
    return out;
}

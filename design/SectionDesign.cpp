#include "design/SectionDesign.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "design/BarChoice.h"
#include "design/DesignOptionsSteps.h"
#include "design/SectionSlot.h"
#include "design/UpperBarMend.h"
#include "model/common/Helpers.h"
#include "model/geometry/Geometry.h"
#include "model/tables/TableAccess.h"

namespace {

using RS = ReinforcementSections;

// Lateral places of the bar lines, cm from the section line: upper bars on the left of the span
// direction, the pieces of a split bar alternating between two places; lower bars on the right,
// one place for the even and one for the odd slabs of the section.
constexpr float UpperPlace = 15, UpperAlternatePlace = 40;
constexpr float AssemblyPlaceEven = 20, AssemblyPlaceOdd = 35;
constexpr float MainPlaceEven = 50, MainPlaceOdd = 65;
// Top steel up to this area counts as none.
constexpr float NoTopSteel = 0.1f;
// How far an upper bar reaches over a support into the neighbouring slab.
constexpr float OverSupport = 60;
// How far the two pieces of a split upper bar reach past the point where they meet.
constexpr int32_t SplitOverlap = 35;
// An upper bar is split once its length grows beyond the longest bar less this margin.
constexpr int32_t SplitMargin = 100;

constexpr int32_t HookAtStart = 1, HookAtEnd = 2;
constexpr int32_t AssemblyBarCount = 2;
constexpr int32_t AssemblyKind = 0, MainKind = 1, GroupedMainKind = 3;

// One crossed slab as the engine reads it.
struct CrossedSlab {
    const FloorSlab* slab = nullptr;  // none when the index designates no floor slab
    const std::array<DiagramPoint, MaxDiagramPoints>* diagram = nullptr;
    int32_t count = 0;  // diagram points
    PlanPoint in, out;  // where the section enters and leaves the slab
    float length = 0;   // of the slab's diagram segment

    // A point beyond the diagram's count reads as zeros.
    DiagramPoint Point(int32_t i) const {
        return diagram && i >= 0 && i < count ? (*diagram)[static_cast<size_t>(i)] : DiagramPoint{};
    }
    // The diagram's middle point, where a split upper bar meets its next piece.
    int32_t Middle() const { return static_cast<int32_t>(RoundHalfEven(count / 2.0, 0)); }
};

// A point of the section as a distance along it and a place across it.
struct SectionFrame {
    float dx = 1, dy = 0;  // along the section
    float nx = 0, ny = 1;  // across it: the left normal of the span direction
    PlanPoint At(PlanPoint base, float along, float across) const {
        return {base.X + along * dx + across * nx, base.Y + along * dy + across * ny};
    }
};

std::vector<CrossedSlab> ReadCrossedSlabs(const Model& model, int32_t s) {
    const RS& r = model.Reinforcement;
    const int32_t n = std::clamp(r.SectionSlabCount[s], 0, RS::MaxSlabsPerSection);
    const int32_t slabCount = UsableCount(model.FloorSlabCount, model.FloorSlabs);
    std::vector<CrossedSlab> slabs(static_cast<size_t>(n));
    for (int32_t j = 0; j < n; ++j) {
        CrossedSlab& c = slabs[static_cast<size_t>(j)];
        const SectionSlabSpan& span = r.ReinforcementSectionSpans[s][static_cast<size_t>(j)];
        c.in = {span.X1, span.Y1};
        c.out = {span.X2, span.Y2};
        const int32_t index = r.SectionSlabs[s][static_cast<size_t>(j)];
        if (index < 0 || index >= slabCount) continue;
        c.slab = &model.FloorSlabs[static_cast<size_t>(index)];
        c.count = std::clamp(c.slab->DiagramPointCount, 0, MaxDiagramPoints);
        if (static_cast<size_t>(index) < model.FloorSlabDiagram.size())
            c.diagram = &model.FloorSlabDiagram[static_cast<size_t>(index)];
        c.length = GetSpanSegmentLength(*c.slab);
    }
    return slabs;
}

// The smallest and the largest bar diameter of the crossed slabs; a diameter not given (0) takes
// the largest.
BarSizes SectionBarSizes(const std::vector<CrossedSlab>& slabs) {
    int32_t dMin = 9999, dMax = 0;
    for (const CrossedSlab& c : slabs) {
        if (!c.slab) continue;
        dMin = std::min({dMin, c.slab->BarDiameterA, c.slab->BarDiameterB});
        dMax = std::max({dMax, c.slab->BarDiameterA, c.slab->BarDiameterB});
    }
    if (dMin == 0) dMin = dMax;
    return MakeBarSizes(dMin, dMax);
}

// The frame of the first slab's span direction. The spans and the diagram positions run left to
// right (bottom to top); a span direction pointing the other way, between 90 and 270 degrees,
// would lay every bar mirrored about its supports and partly outside the section, so the
// direction along the section follows the spans. The side of the bars stays the one of the span
// direction, which the rebar drawing reads to turn the hooks.
SectionFrame MakeSectionFrame(const std::vector<CrossedSlab>& slabs) {
    const double angle = slabs.front().slab ? DegToRad(slabs.front().slab->SpanAngle) : 0;
    const float c = static_cast<float>(std::cos(angle)), s = static_cast<float>(std::sin(angle));
    SectionFrame frame{c, s, -s, c};
    const float runX = slabs.back().out.X - slabs.front().in.X;
    const float runY = slabs.back().out.Y - slabs.front().in.Y;
    if (runX * frame.dx + runY * frame.dy < 0) {
        frame.dx = -frame.dx;
        frame.dy = -frame.dy;
    }
    return frame;
}

// The bar records of one table of the section; a record beyond the table's capacity is left out
// and reported.
template <class Bar>
struct BarTable {
    std::array<Bar, RS::MaxRebars>& bars;
    int32_t& count;
    DesignWarnings& warnings;

    void Append(const Bar& bar) {
        if (count >= RS::MaxRebars) {
            warnings.TooManyRebars = true;
            return;
        }
        bars[static_cast<size_t>(count++)] = bar;
    }
};

template <class Bar>
void ChooseBarsOf(Bar& bar, float required, const BarSizes& sizes, bool strict, DesignWarnings& warnings) {
    const BarChoice choice = ChooseBars(required, sizes, strict);
    bar.Diameter = choice.Diameter;
    bar.BarCount = choice.BarCount;
    if (!choice.Covers) warnings.BarCountShort = true;
}

struct SectionContext {
    const std::vector<CrossedSlab>& slabs;
    SectionFrame frame;
    PlanPoint start, end;  // the section's ends at the support faces
    const RebarDesignOptions& options;
    BarSizes sizes;
    DesignWarnings& warnings;

    float Cover() const { return static_cast<float>(options.LateralCover); }
};

// An upper bar as the scan finishes it, with the steel it is to carry; its bars are chosen when it
// is written.
struct ScannedUpperBar {
    UpperRebar bar;
    float required = 0;
};

// The upper bars, point by point along the section: a bar opens where top steel is needed, grows
// over the supports and closes where none is needed any more; one that grows too long is split.
class UpperBarScan {
public:
    explicit UpperBarScan(const SectionContext& section) : x_(section) {}

    const std::vector<ScannedUpperBar>& Bars() const { return bars_; }

    void ScanDiagrams() {
        const int32_t n = static_cast<int32_t>(x_.slabs.size());
        int32_t j = 0, i = 0;
        while (j < n) {
            // Point 0 of a slab is visited even when its diagram has none.
            if (i >= std::max(Slab(j).count, 1)) {
                ++j;
                i = 0;
                continue;
            }
            Visit(j, i);
            ++i;
        }
    }

    // A bar still open after the last point ends at the section's end, with a hook.
    void CloseAtEnd() {
        if (!open_) return;
        bar_.HookFlags |= HookAtEnd;
        Finish(x_.frame.At(x_.end, -x_.Cover(), place_));
    }

private:
    const CrossedSlab& Slab(int32_t j) const { return x_.slabs[static_cast<size_t>(j)]; }

    // j and i may step back when a split does.
    void Visit(int32_t& j, int32_t& i) {
        const CrossedSlab& slab = Slab(j);
        const DiagramPoint point = slab.Point(i);
        if (point.UpperSteel > NoTopSteel) {
            if (!open_) {
                Open(j, i);
                return;
            }
            if (p_ == 0 && length_ == 0) {
                p_ = point.Position;
            } else {
                float step = point.Position - p_;
                if (step < 0) step = point.Position;  // the first point of the next slab
                length_ += step;
                p_ = point.Position;
            }
            if (length_ > static_cast<float>(x_.options.MaxUpperBarLength - SplitMargin))
                Split(j, i);
            else
                required_ = std::max(required_, point.UpperSteel);
        } else if (open_) {
            Finish(x_.frame.At(slab.in, i == 0 ? OverSupport : point.Position, place_));
        }
    }

    void Open(int32_t j, int32_t i) {
        place_ = UpperPlace;
        otherPlace_ = UpperAlternatePlace;
        const CrossedSlab& slab = Slab(j);
        if (i == 0 && j == 0)
            Begin(x_.frame.At(x_.start, x_.Cover(), place_), HookAtStart);
        else if (i == 0)
            Begin(x_.frame.At(slab.in, -OverSupport, place_), 0);
        else
            Begin(x_.frame.At(slab.out, -(slab.length - slab.Point(i - 1).Position), place_), 0);
        Restart(j, i, slab.Point(i).UpperSteel);
    }

    // Finishes the open bar at point i of slab j without that point and opens the next piece. Every
    // next piece goes on from a point after the one where the split bar began, so the scan ends.
    void Split(int32_t& j, int32_t& i) {
        const int32_t longest = x_.options.MaxUpperBarLength;
        const CrossedSlab& slab = Slab(j);
        const int32_t m = slab.Middle();
        const PlanPoint start{bar_.X1, bar_.Y1};
        const PlanPoint middle = x_.frame.At(slab.in, slab.Point(m).Position + SplitOverlap, place_);
        // Split so far past the middle that a piece ending past the middle and the next one starting
        // before the split point would leave top steel bare between them: the next piece starts
        // before the middle instead. A bar that itself began at or after the middle would come back
        // there for ever; it is cut at the longest length.
        const bool farPastMiddle =
            m < i && slab.Point(i).Position - slab.Point(m).Position > static_cast<float>(2 * SplitOverlap);
        const bool beganPastMiddle = firstSlab_ == j && firstPoint_ >= m;
        int32_t resume = i;
        if (GetDistance(start.X, start.Y, middle.X, middle.Y) <= static_cast<float>(longest - SplitMargin) &&
            !(farPastMiddle && beganPastMiddle)) {
            Finish(middle);
            if (farPastMiddle) resume = m;
        } else if (j - 1 <= firstSlab_) {
            Finish(x_.frame.At(start, static_cast<float>(longest - SplitOverlap), 0));
        } else {
            // The bar began two or more slabs back: it ends past the middle of the previous slab.
            const CrossedSlab& previous = Slab(j - 1);
            resume = previous.Middle();
            Finish(x_.frame.At(previous.in, previous.Point(resume).Position + SplitOverlap, place_));
            --j;
        }
        std::swap(place_, otherPlace_);
        const CrossedSlab& now = Slab(j);
        Begin(x_.frame.At(now.in, now.Point(resume).Position - SplitOverlap, place_), 0);
        Restart(j, resume, std::max(0.0f, now.Point(resume).UpperSteel));
        i = resume;
    }

    void Begin(PlanPoint at, int32_t hooks) {
        bar_ = UpperRebar{};
        bar_.X1 = at.X;
        bar_.Y1 = at.Y;
        bar_.HookFlags = hooks;
    }

    void Restart(int32_t j, int32_t i, float required) {
        firstSlab_ = j;
        firstPoint_ = i;
        length_ = 0;
        p_ = 0;
        required_ = required;
        open_ = true;
    }

    void Finish(PlanPoint at) {
        bar_.X2 = at.X;
        bar_.Y2 = at.Y;
        bars_.push_back({bar_, required_});
        required_ = 0;
        open_ = false;
    }

    const SectionContext& x_;
    std::vector<ScannedUpperBar> bars_;
    bool open_ = false;
    UpperRebar bar_;
    int32_t firstSlab_ = 0, firstPoint_ = 0;  // where the open bar began
    float length_ = 0;                        // accumulated along the open bar
    float p_ = 0;                             // the last position seen
    float required_ = 0;
    float place_ = UpperPlace, otherPlace_ = UpperAlternatePlace;
};

// Distances along the section from its start, and points given by them.
double Along(const SectionContext& x, PlanPoint p) {
    return (static_cast<double>(p.X) - x.start.X) * x.frame.dx + (static_cast<double>(p.Y) - x.start.Y) * x.frame.dy;
}
double Across(const SectionContext& x, PlanPoint p) {
    return (static_cast<double>(p.X) - x.start.X) * x.frame.nx + (static_cast<double>(p.Y) - x.start.Y) * x.frame.ny;
}
PlanPoint AtAlong(const SectionContext& x, double along, float place) {
    return {static_cast<float>(x.start.X + along * x.frame.dx + place * x.frame.nx),
            static_cast<float>(x.start.Y + along * x.frame.dy + place * x.frame.ny)};
}

// Where the diagrams ask for top steel: every such point, and the stretches between neighbouring
// ones, over the supports from the last point of a slab to the first of the next.
TopSteelAsked TopSteelAskedOf(const SectionContext& x) {
    TopSteelAsked asked;
    bool havePrevious = false;
    DiagramPoint previous;
    double previousAlong = 0;
    for (const CrossedSlab& slab : x.slabs) {
        if (slab.count == 0) havePrevious = false;
        for (int32_t i = 0; i < slab.count; ++i) {
            const DiagramPoint point = slab.Point(i);
            const double along = Along(x, x.frame.At(slab.in, point.Position, 0));
            if (point.UpperSteel > NoTopSteel) asked.points.push_back({along, point.UpperSteel});
            if (havePrevious && previous.UpperSteel > NoTopSteel && point.UpperSteel > NoTopSteel)
                asked.stretches.push_back({std::min(previousAlong, along), std::max(previousAlong, along)});
            previous = point;
            previousAlong = along;
            havePrevious = true;
        }
    }
    return asked;
}

// What the rules of the upper bars know of the section; its bar zone runs from its start to its
// end, the cover kept clear at both.
UpperBarSection UpperBarSectionOf(const SectionContext& x) {
    return {Along(x, x.start) + x.Cover(), Along(x, x.end) - x.Cover(), x.options.MaxUpperBarLength, x.sizes,
            UpperPlace, UpperAlternatePlace, HookAtStart, HookAtEnd};
}

// The scanned bars as pieces along the section, each in the nearer of the two upper places.
std::vector<UpperPiece> PiecesOf(const SectionContext& x, const std::vector<ScannedUpperBar>& scanned) {
    std::vector<UpperPiece> pieces;
    for (size_t k = 0; k < scanned.size(); ++k) {
        const UpperRebar& bar = scanned[k].bar;
        const PlanPoint a{bar.X1, bar.Y1}, b{bar.X2, bar.Y2};
        const double across = Across(x, a);
        UpperPiece p;
        p.from = std::min(Along(x, a), Along(x, b));
        p.to = std::max(Along(x, a), Along(x, b));
        p.reversed = Along(x, a) > Along(x, b);
        p.place = std::fabs(across - UpperPlace) <= std::fabs(across - UpperAlternatePlace) ? UpperPlace
                                                                                               : UpperAlternatePlace;
        p.hooks = bar.HookFlags;
        p.required = scanned[k].required;
        p.source = static_cast<int32_t>(k);
        pieces.push_back(p);
    }
    return pieces;
}

// The record of a mended piece: a remade one laid anew, one only moved across shifted there, any
// other as scanned; each with the steel the mend gives it.
ScannedUpperBar BarOf(const SectionContext& x, const UpperPiece& piece, const std::vector<UpperPiece>& scannedPieces,
                      const std::vector<ScannedUpperBar>& scanned) {
    ScannedUpperBar out;
    out.required = piece.required;
    if (piece.remade || piece.source < 0) {
        const PlanPoint a = AtAlong(x, piece.from, piece.place), b = AtAlong(x, piece.to, piece.place);
        out.bar.X1 = a.X;
        out.bar.Y1 = a.Y;
        out.bar.X2 = b.X;
        out.bar.Y2 = b.Y;
        out.bar.HookFlags = piece.hooks;
        return out;
    }
    out.bar = scanned[static_cast<size_t>(piece.source)].bar;
    const float shift = piece.place - scannedPieces[static_cast<size_t>(piece.source)].place;
    if (shift != 0) {
        out.bar.X1 += shift * x.frame.nx;
        out.bar.Y1 += shift * x.frame.ny;
        out.bar.X2 += shift * x.frame.nx;
        out.bar.Y2 += shift * x.frame.ny;
    }
    return out;
}

// The crossed slab that holds the point `along` cm from the section's start: the first that the
// section leaves at or past it, the last one past them all. None when no crossed slab is a floor
// slab.
const FloorSlab* SlabHolding(const SectionContext& x, double along) {
    const FloorSlab* holding = nullptr;
    for (const CrossedSlab& c : x.slabs) {
        if (!c.slab) continue;
        holding = c.slab;
        if (along <= Along(x, c.out) + PieceEndTolerance) break;
    }
    return holding;
}

// Upper bars beyond the table: where the last one written ends, and how much of the section after
// it is left without upper bars. The records run along the section, so the ones left out lie past
// the furthest end of the ones written.
void ReportCutShort(const SectionContext& x, const std::vector<ScannedUpperBar>& bars) {
    double end = -std::numeric_limits<double>::infinity();
    for (size_t k = 0; k < static_cast<size_t>(RS::MaxRebars); ++k) {
        const UpperRebar& b = bars[k].bar;
        end = std::max({end, Along(x, {b.X1, b.Y1}), Along(x, {b.X2, b.Y2})});
    }
    const FloorSlab* slab = SlabHolding(x, end);
    if (!slab) return;
    x.warnings.UpperCutShort.push_back(
        {slab->Number, static_cast<int32_t>(std::lround(std::max(0.0, Along(x, x.end) - end)))});
}

// A scan that breaks a rule of the upper bars is mended; one that keeps them all is written as it
// is. Below the shortest longest bar the dialog admits, or in a section too short for its covers,
// the scan stands alone.
void WriteUpperBars(const SectionContext& x, const std::vector<ScannedUpperBar>& scanned, BarTable<UpperRebar> table) {
    std::vector<ScannedUpperBar> bars = scanned;
    const UpperBarSection section = UpperBarSectionOf(x);
    if (x.options.MaxUpperBarLength >= ShortestUpperBarLength && section.zoneFrom <= section.zoneTo) {
        const TopSteelAsked asked = TopSteelAskedOf(x);
        const std::vector<UpperPiece> pieces = PiecesOf(x, scanned);
        if (!UpperPiecesKeepRules(pieces, asked, section)) {
            bars.clear();
            for (const UpperPiece& p : MendUpperPieces(pieces, asked, section))
                bars.push_back(BarOf(x, p, pieces, scanned));
        }
    }
    for (ScannedUpperBar& b : bars) {
        ChooseBarsOf(b.bar, b.required, x.sizes, false, x.warnings);
        table.Append(b.bar);
    }
    if (bars.size() > static_cast<size_t>(RS::MaxRebars)) ReportCutShort(x, bars);
}

// Per slab, from one support to the next (from the section's ends at its first and last slab): the
// assembly bars unless grouped, then the main bars for the need the assembly bars leave.
void DesignLowerBars(const SectionContext& x, BarTable<LowerRebar> table) {
    const int32_t n = static_cast<int32_t>(x.slabs.size());
    const int32_t assembly = x.options.LowerAssemblyBarDiameter;
    const bool grouped = x.options.GroupLowerBars != 0;
    for (int32_t j = 0; j < n; ++j) {
        const CrossedSlab& slab = x.slabs[static_cast<size_t>(j)];
        float required = 0;
        for (int32_t i = 0; i < slab.count; ++i) required = std::max(required, slab.Point(i).LowerSteel);

        const bool even = j % 2 == 0;
        const PlanPoint from = j == 0 ? x.frame.At(x.start, x.Cover(), 0) : slab.in;
        const PlanPoint to = j == n - 1 ? x.frame.At(x.end, -x.Cover(), 0) : slab.out;
        // Every field is written, so that nothing of an earlier design stays in the slot.
        auto bars = [&](float place, int32_t kind) {
            LowerRebar bar;
            const PlanPoint a = x.frame.At(from, 0, -place), b = x.frame.At(to, 0, -place);
            bar.X1 = a.X;
            bar.Y1 = a.Y;
            bar.X2 = b.X;
            bar.Y2 = b.Y;
            bar.Kind = kind;
            bar.HookFlags = 0;
            return bar;
        };

        float assemblyArea = 0;
        if (assembly > 0) {
            assemblyArea = AssemblyBarCount * GetBarArea(assembly);
            if (!grouped) {
                LowerRebar bar = bars(even ? AssemblyPlaceEven : AssemblyPlaceOdd, AssemblyKind);
                bar.Diameter = assembly;
                bar.BarCount = AssemblyBarCount;
                table.Append(bar);
            }
        }
        required -= assemblyArea;
        if (required > 0) {
            const float place =
                grouped ? (even ? AssemblyPlaceEven : AssemblyPlaceOdd) : (even ? MainPlaceEven : MainPlaceOdd);
            LowerRebar bar = bars(place, grouped ? GroupedMainKind : MainKind);
            ChooseBarsOf(bar, required, x.sizes, true, x.warnings);
            table.Append(bar);
        }
    }
}

}  // namespace

RebarDesignOptions RebarDesignOptionsOf(const Session& session) {
    return {session.shell.Options.LateralCover, session.design.MaxUpperBarLength,
            session.design.LowerAssemblyBarDiameter, session.design.GroupLowerBars};
}

float GetSpanSegmentLength(const FloorSlab& slab) {
    return GetDistance(slab.DiagramX1, slab.DiagramY1, slab.DiagramX2, slab.DiagramY2);
}

namespace {

// The upper bars of a section as the scan lays them.
std::vector<ScannedUpperBar> ScanUpperBars(const SectionContext& section) {
    UpperBarScan upper(section);
    upper.ScanDiagrams();
    upper.CloseAtEnd();
    return upper.Bars();
}

SectionContext MakeSectionContext(const ReinforcementSections& r, int32_t s, const std::vector<CrossedSlab>& slabs,
                                  const RebarDesignOptions& options, DesignWarnings& warnings) {
    return {slabs,   MakeSectionFrame(slabs),  r.ReinforcementSectionEnds[s][0], r.ReinforcementSectionEnds[s][1],
            options, SectionBarSizes(slabs), warnings};
}

}  // namespace

DesignWarnings DesignReinforcementSection(Model& model, const RebarDesignOptions& options, int32_t s) {
    DesignWarnings warnings;
    RS& r = model.Reinforcement;
    if (!IsSectionSlot(r, s)) return warnings;
    r.UpperRebarCount[s] = 0;
    r.LowerRebarCount[s] = 0;
    const std::vector<CrossedSlab> slabs = ReadCrossedSlabs(model, s);
    if (slabs.empty()) return warnings;

    const SectionContext section = MakeSectionContext(r, s, slabs, options, warnings);
    WriteUpperBars(section, ScanUpperBars(section), {r.UpperRebars[s], r.UpperRebarCount[s], warnings});
    DesignLowerBars(section, {r.LowerRebars[s], r.LowerRebarCount[s], warnings});
    return warnings;
}

std::vector<UpperRebar> ScanUpperBars(const Model& model, const RebarDesignOptions& options, int32_t s) {
    const RS& r = model.Reinforcement;
    if (!IsSectionSlot(r, s)) return {};
    const std::vector<CrossedSlab> slabs = ReadCrossedSlabs(model, s);
    if (slabs.empty()) return {};
    DesignWarnings warnings;
    const SectionContext section = MakeSectionContext(r, s, slabs, options, warnings);
    std::vector<UpperRebar> bars;
    for (ScannedUpperBar b : ScanUpperBars(section)) {
        ChooseBarsOf(b.bar, b.required, section.sizes, false, warnings);
        bars.push_back(b.bar);
    }
    return bars;
}

#include "plangeom/SegmentGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t MaxCellsPerSide = 1024;
// A segment over more cells than this is looked at by every search instead.
constexpr int64_t MaxCellsPerSegment = 64;
// A search over more cells than this looks at everything.
constexpr int64_t MaxCellsPerSearch = 4096;

bool IsPlaced(PlanPoint p) {
    return std::isfinite(p.X) && std::isfinite(p.Y) && std::fabs(p.X) <= SegmentGrid::MaxCoordinate &&
           std::fabs(p.Y) <= SegmentGrid::MaxCoordinate;
}

int32_t ClampedCell(double offset, double cellSize, int32_t cells) {
    const double c = std::floor(offset / cellSize);
    if (!(c > 0)) return 0;
    if (c >= cells - 1) return cells - 1;
    return static_cast<int32_t>(c);
}

}  // namespace

SegmentGrid::SegmentGrid(std::vector<Segment> segments) {
    std::stable_sort(segments.begin(), segments.end(),
                     [](const Segment& a, const Segment& b) { return a.Index < b.Index; });
    for (const Segment& s : segments)
        if (all_.empty() || all_.back() != s.Index) all_.push_back(s.Index);
    answerAll_ = segments.empty() || !std::all_of(segments.begin(), segments.end(), [](const Segment& s) {
        return IsPlaced(s.A) && IsPlaced(s.B);
    });
    if (answerAll_) return;

    double maxX = segments[0].A.X, maxY = segments[0].A.Y;
    minX_ = maxX;
    minY_ = maxY;
    for (const Segment& s : segments)
        for (PlanPoint p : {s.A, s.B}) {
            minX_ = std::min<double>(minX_, p.X);
            minY_ = std::min<double>(minY_, p.Y);
            maxX = std::max<double>(maxX, p.X);
            maxY = std::max<double>(maxY, p.Y);
        }
    const double side = std::max({maxX - minX_, maxY - minY_, 1.0});
    const auto perSide = static_cast<int32_t>(
        std::clamp(std::ceil(std::sqrt(static_cast<double>(segments.size()))), 1.0, double{MaxCellsPerSide}));
    cellSize_ = side / perSide;
    columns_ = std::clamp(static_cast<int32_t>(std::floor((maxX - minX_) / cellSize_)) + 1, 1, MaxCellsPerSide);
    rows_ = std::clamp(static_cast<int32_t>(std::floor((maxY - minY_) / cellSize_)) + 1, 1, MaxCellsPerSide);

    // Counted first, then filled in index order, so that every cell lists its segments ascending.
    std::vector<Range> xs(segments.size()), ys(segments.size());
    std::vector<int32_t> counts(static_cast<size_t>(columns_) * rows_ + 1, 0);
    std::vector<bool> isWide(segments.size(), false);
    for (size_t k = 0; k < segments.size(); ++k) {
        const Segment& s = segments[k];
        xs[k] = CellsX(std::min(s.A.X, s.B.X), std::max(s.A.X, s.B.X));
        ys[k] = CellsY(std::min(s.A.Y, s.B.Y), std::max(s.A.Y, s.B.Y));
        const int64_t cells = int64_t{xs[k].To - xs[k].From + 1} * (ys[k].To - ys[k].From + 1);
        if (cells > MaxCellsPerSegment) {
            isWide[k] = true;
            if (wide_.empty() || wide_.back() != s.Index) wide_.push_back(s.Index);
            continue;
        }
        for (int32_t i = xs[k].From; i <= xs[k].To; ++i)
            for (int32_t j = ys[k].From; j <= ys[k].To; ++j) ++counts[static_cast<size_t>(j) * columns_ + i];
    }
    cellStart_.assign(counts.size(), 0);
    for (size_t c = 1; c < counts.size(); ++c) cellStart_[c] = cellStart_[c - 1] + counts[c - 1];
    cellItems_.assign(static_cast<size_t>(cellStart_.back()), 0);
    std::vector<int32_t> filled(cellStart_.begin(), cellStart_.end() - 1);
    for (size_t k = 0; k < segments.size(); ++k) {
        if (isWide[k]) continue;
        for (int32_t i = xs[k].From; i <= xs[k].To; ++i)
            for (int32_t j = ys[k].From; j <= ys[k].To; ++j)
                cellItems_[static_cast<size_t>(filled[static_cast<size_t>(j) * columns_ + i]++)] = segments[k].Index;
    }
}

SegmentGrid::Range SegmentGrid::CellsX(double from, double to) const {
    return {ClampedCell(from - minX_, cellSize_, columns_), ClampedCell(to - minX_, cellSize_, columns_)};
}

SegmentGrid::Range SegmentGrid::CellsY(double from, double to) const {
    return {ClampedCell(from - minY_, cellSize_, rows_), ClampedCell(to - minY_, cellSize_, rows_)};
}

void SegmentGrid::Near(PlanPoint a, PlanPoint b, double reach, std::vector<int32_t>& out) const {
    out.clear();
    if (answerAll_ || !IsPlaced(a) || !IsPlaced(b) || !std::isfinite(reach)) {
        out = all_;
        return;
    }
    const Range x = CellsX(std::min(a.X, b.X) - reach, std::max(a.X, b.X) + reach);
    const Range y = CellsY(std::min(a.Y, b.Y) - reach, std::max(a.Y, b.Y) + reach);
    if (int64_t{x.To - x.From + 1} * (y.To - y.From + 1) > MaxCellsPerSearch) {
        out = all_;
        return;
    }
    out = wide_;
    for (int32_t j = y.From; j <= y.To; ++j)
        for (int32_t i = x.From; i <= x.To; ++i) {
            const size_t cell = static_cast<size_t>(j) * columns_ + i;
            out.insert(out.end(), cellItems_.begin() + cellStart_[cell], cellItems_.begin() + cellStart_[cell + 1]);
        }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

#pragma once
// Member axes filed by place: a uniform grid over the boxes of the segments, so that a search along
// a slab edge looks at the members near it instead of at every member of the table.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"

class SegmentGrid {
public:
    struct Segment {
        int32_t Index = 0;  // what the caller files: a row of its table
        PlanPoint A, B;
    };

    // Files the segments. When a coordinate is not a finite number of at most MaxCoordinate in
    // size, nothing can be told about where the segment reaches: every search then answers all.
    explicit SegmentGrid(std::vector<Segment> segments);

    // The indexes of every segment whose box comes within `reach` of the box of a-b, ascending and
    // each once; a few more may come along. With a query or a segment beyond MaxCoordinate, all.
    void Near(PlanPoint a, PlanPoint b, double reach, std::vector<int32_t>& out) const;

    static constexpr double MaxCoordinate = 1e7;

private:
    struct Range {
        int32_t From = 0, To = 0;
    };
    Range CellsX(double from, double to) const;
    Range CellsY(double from, double to) const;

    std::vector<int32_t> all_;  // every index, ascending
    bool answerAll_ = false;
    double minX_ = 0, minY_ = 0, cellSize_ = 1;
    int32_t columns_ = 1, rows_ = 1;
    std::vector<int32_t> cellStart_;   // per cell, where its indexes start in cellItems_; one more at the end
    std::vector<int32_t> cellItems_;   // per cell, ascending
    std::vector<int32_t> wide_;        // segments over too many cells, looked at by every search
};

#pragma once
// Plan points found and added in about constant time, for the builders that add thousands of them:
// a hash grid over the plan points of a model. Its answers are those of FindPlanNode and
// FindOrAddPlanNode (the first point within the tolerance wins), provided that nothing else adds,
// moves or removes plan points while it is in use.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"

// Whether plan point p, at the position the data file keeps for it (2 decimals), lies within 0.006
// of (x, y) in both coordinates: the test by which a corner rebuilt at a load takes a saved point.
bool NearSavedPosition(const PlanPoint& p, float x, float y);

class PlanPointIndex {
public:
    // Indexes the plan points the model holds now.
    explicit PlanPointIndex(Model& model);

    // As FindPlanNode: the first plan point within 0.0001 of (x, y) in both coordinates, or -1.
    int32_t Find(float x, float y) const;
    // As FindOrAddPlanNode.
    int32_t FindOrAdd(float x, float y);
    // Starts bringing in the memory that a search at (x, y) reads first. It answers nothing and
    // changes nothing; prefetching the next few corners before they are searched lets their
    // reads overlap.
    void Prefetch(float x, float y) const;
    // For corners rebuilt at every load: the first plan point within 0.02 of (x, y) whose saved
    // position (its coordinates to the 2 decimals of the data file) lies within 0.006 of (x, y) in
    // both coordinates, or a new point. A deck reloaded from its own file holds its points at their
    // saved positions only: a test on those positions finds there the points that the build before
    // the save found, the same ones, instead of adding new ones at every load.
    int32_t FindOrAddNearSavedPoint(float x, float y);

private:
    struct Cell {
        int64_t X = 0, Y = 0;
        bool operator==(const Cell&) const = default;
    };
    // An occupied cell: a copy of its newest point, the point's index, and the one added to the
    // cell before it (-1 none). Newest is -1 in a free slot. A search whose cell holds one point,
    // the common case, reads nothing but its slot.
    struct Slot {
        PlanPoint Point;
        int32_t Newest = -1;
        int32_t Previous = -1;
    };

    // The lowest index among the points of the cells around (x, y), `reach` to each side, that
    // `matches` accepts; -1 when none does.
    template <class Match>
    int32_t FirstMatch(float x, float y, double reach, Match matches) const;
    int32_t FindNearSavedPoint(float x, float y) const;
    int32_t Append(float x, float y);
    void Insert(int32_t index);
    // The slot of `cell`: the one holding it, or the free slot where it would go.
    size_t SlotOf(const Cell& cell) const;
    void Grow();

    Model& model_;
    std::vector<Slot> slots_;              // open-addressed; a power of two in size, at most half full
    size_t occupied_ = 0;
    std::vector<int32_t> previousInCell_;  // per point: the one added before it to its cell
};

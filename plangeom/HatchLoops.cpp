#include "plangeom/HatchLoops.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/tables/TableAccess.h"

namespace {

bool Contains(const WallJunctionEdge& r, int32_t point) { return r.PlanNodeA == point || r.PlanNodeB == point; }

int32_t OtherPoint(const WallJunctionEdge& r, int32_t point) { return r.PlanNodeA == point ? r.PlanNodeB : r.PlanNodeA; }

bool Holds(const std::vector<int32_t>& list, int32_t point) {
    return std::find(list.begin(), list.end(), point) != list.end();
}

// Moves the records of each junction next to one another. The order of groups and of records
// within a group follows from these exchanges exactly, and the vertex order of the loops from it.
void GroupByJunction(std::vector<WallJunctionEdge>& records, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        for (int32_t j = i + 1; j < count; ++j)
            if (records[j].JunctionNode == records[i].JunctionNode) std::swap(records[j], records[i + 1]);
}

// Three records forming a chain (the corners on the straight side of a T did not coincide):
// close the chain into a quadrilateral, starting at a chain end.
void CloseChainOfThree(const WallJunctionEdge* group, std::vector<int32_t>& list) {
    int32_t ends[2], endRecords[2], found = 0;
    for (int32_t point : list) {
        int32_t holders = 0, holder = 0;
        for (int32_t r = 0; r < 3; ++r)
            if (Contains(group[r], point)) {
                ++holders;
                holder = r;
            }
        if (holders == 1 && found < 2) {
            ends[found] = point;
            endRecords[found++] = holder;
        }
    }
    if (found < 2) return;
    list = {ends[0], OtherPoint(group[endRecords[0]], ends[0]), OtherPoint(group[endRecords[1]], ends[1]), ends[1]};
}

// Four records around a cross: put the four points in ring order.
void OrderRingOfFour(const WallJunctionEdge* group, std::vector<int32_t>& list) {
    const int32_t p0 = list[0], q1 = list[1];
    int32_t q2 = -1;
    bool found = false;
    for (int32_t r = 1; r < 4 && !found; ++r) {
        if (group[r].PlanNodeA == q1) {
            q2 = group[r].PlanNodeB;
            found = true;
        } else if (group[r].PlanNodeB == q1) {
            q2 = group[r].PlanNodeA;
            found = true;
        }
    }
    if (!found || q2 == p0 || q2 == q1) return;
    int32_t remaining = -1;
    for (int32_t point : list)
        if (point != p0 && point != q1 && point != q2) remaining = point;
    if (remaining < 0) return;
    list = {p0, q1, q2, remaining};
}

}  // namespace

void BuildHatchLoops(Model& model) {
    model.HatchLoopLongCount = 0;
    const int32_t count = UsableCount(model.WallJunctionEdgeCount, model.WallJunctionEdges);
    if (count < 1) return;
    std::vector<WallJunctionEdge>& records = model.WallJunctionEdges;
    GroupByJunction(records, count);

    int32_t start = 0;
    while (start < count) {
        int32_t end = start;
        while (end + 1 < count && records[end + 1].JunctionNode == records[start].JunctionNode) ++end;
        const int32_t k = end - start + 1;
        const WallJunctionEdge* group = &records[start];

        std::vector<int32_t> list{group[0].PlanNodeA, group[0].PlanNodeB};
        for (int32_t r = 1; r < k; ++r) {
            if (!Holds(list, group[r].PlanNodeA)) list.push_back(group[r].PlanNodeA);
            if (!Holds(list, group[r].PlanNodeB)) list.push_back(group[r].PlanNodeB);
        }
        if (k == 3 && list.size() == 4) CloseChainOfThree(group, list);
        else if (k == 4 && list.size() == 4) OrderRingOfFour(group, list);

        AppendRecord(model.HatchLoops, model.HatchLoopLongCount, -static_cast<int32_t>(list.size()));
        for (int32_t point : list) AppendRecord(model.HatchLoops, model.HatchLoopLongCount, point);
        start = end + 1;
    }
}

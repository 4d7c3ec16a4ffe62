#pragma once
// The members (beam elements or wall segments) that meet at a node, sorted by their direction
// away from it. Shared by the beam and the wall lists.
#include <cstdint>
#include <utility>
#include <vector>

#include "model/Geometry.h"
#include "model/ModelTables.h"
#include "plangeom/TableAccess.h"

// End flags of a member at a node.
constexpr int32_t StartsAtNode = 1;  // the member's NodeI is the node
constexpr int32_t EndsAtNode = 2;    // its NodeJ is the node

// Lists in members / ends the members of table[0 .. count - 1] with an end at node, in table
// order, then sorts them by ascending direction from the node to the member's other node (model
// node coordinates, degrees rounded to 2 decimals) with an exchange sort that keeps two members of
// equal direction in table order when they are alone. A member with both ends at the node is
// listed once, as starting there. Members whose other node is no node of the model are left out.
template <class Member>
void CollectMembersAtNode(const Model& model, const std::vector<Member>& table, int32_t count, int32_t node,
                          std::vector<int32_t>& members, std::vector<int32_t>& ends) {
    members.clear();
    ends.clear();
    if (!IsNodeIndex(model, node)) return;
    std::vector<float> directions;
    const Node& at = model.Nodes[node];
    const int32_t n = UsableCount(count, table);
    for (int32_t e = 0; e < n; ++e) {
        int32_t end = 0;
        if (table[e].NodeI == node) end = StartsAtNode;
        else if (table[e].NodeJ == node) end = EndsAtNode;
        if (end == 0) continue;
        const int32_t other = end == StartsAtNode ? table[e].NodeJ : table[e].NodeI;
        if (!IsNodeIndex(model, other)) continue;
        members.push_back(e);
        ends.push_back(end);
        directions.push_back(GetSegmentDirectionDeg(at.X, at.Y, model.Nodes[other].X, model.Nodes[other].Y));
    }
    const size_t found = members.size();
    if (found < 2) return;
    for (size_t i = 0; i < found; ++i) {
        float smallest = directions[i];
        for (size_t j = i + 1; j < found; ++j) {
            if (directions[j] < smallest) {
                smallest = directions[j];
                std::swap(directions[i], directions[j]);
                std::swap(members[i], members[j]);
                std::swap(ends[i], ends[j]);
            }
        }
    }
}

// Position of member in a list, or -1.
inline int32_t PositionInList(const std::vector<int32_t>& members, int32_t member) {
    for (size_t k = 0; k < members.size(); ++k)
        if (members[k] == member) return static_cast<int32_t>(k);
    return -1;
}

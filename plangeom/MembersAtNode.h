#pragma once
// The members (beam elements or wall segments) that meet at a node, sorted by their direction
// away from it. Shared by the beam and the wall lists.
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "model/geometry/Geometry.h"
#include "model/tables/ModelTables.h"
#include "model/tables/TableAccess.h"

// End flags of a member at a node.
constexpr int32_t StartsAtNode = 1;  // the member's NodeI is the node
constexpr int32_t EndsAtNode = 2;    // its NodeJ is the node

// The members of a table with an end at each node of the model, in table order: filed once for a
// pass over a table that does not change meanwhile, so that finding the members at a node needs
// no scan of the table.
class MembersByNode {
public:
    template <class Member>
    MembersByNode(const Model& model, const std::vector<Member>& table, int32_t count) {
        const int32_t nodes = UsableCount(model.NodeCount, model.Nodes);
        const int32_t n = UsableCount(count, table);
        start_.assign(static_cast<size_t>(nodes) + 1, 0);
        auto fileEnds = [&](auto file) {
            for (int32_t e = 0; e < n; ++e) {
                const int32_t i = table[e].NodeI, j = table[e].NodeJ;
                if (i >= 0 && i < nodes) file(i, e);
                if (j != i && j >= 0 && j < nodes) file(j, e);
            }
        };
        fileEnds([&](int32_t node, int32_t) { ++start_[static_cast<size_t>(node) + 1]; });
        for (size_t k = 1; k < start_.size(); ++k) start_[k] += start_[k - 1];
        members_.resize(static_cast<size_t>(start_.back()));
        std::vector<int32_t> next(start_.begin(), start_.end() - 1);
        fileEnds([&](int32_t node, int32_t e) { members_[static_cast<size_t>(next[node]++)] = e; });
    }

    // The members with an end at node, ascending; none for an index that is no node.
    std::span<const int32_t> At(int32_t node) const {
        if (node < 0 || static_cast<size_t>(node) + 1 >= start_.size()) return {};
        return {members_.data() + start_[node], members_.data() + start_[static_cast<size_t>(node) + 1]};
    }

private:
    std::vector<int32_t> start_;    // per node, where its members start; one more at the end
    std::vector<int32_t> members_;
};

// Rows 0 .. Count - 1 of a table, as a range of indexes.
struct TableRows {
    int32_t Count = 0;
    struct Iterator {
        int32_t Row = 0;
        int32_t operator*() const { return Row; }
        Iterator& operator++() {
            ++Row;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return Row != other.Row; }
    };
    Iterator begin() const { return {0}; }
    Iterator end() const { return {Count}; }
};

// As CollectMembersAtNode below, looking only at the candidates: table rows, ascending, among which
// are all the members with an end at node.
template <class Member, class Candidates>
void CollectMembersAtNodeAmong(const Model& model, const std::vector<Member>& table, int32_t count, int32_t node,
                               const Candidates& candidates, std::vector<int32_t>& members,
                               std::vector<int32_t>& ends) {
    members.clear();
    ends.clear();
    if (!IsNodeIndex(model, node)) return;
    std::vector<float> directions;
    const Node& at = model.Nodes[node];
    const int32_t n = UsableCount(count, table);
    for (const int32_t e : candidates) {
        if (e < 0 || e >= n) continue;
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

// Lists in members / ends the members of table[0 .. count - 1] with an end at node, in table
// order, then sorts them by ascending direction from the node to the member's other node (model
// node coordinates, degrees rounded to 2 decimals) with an exchange sort that keeps two members of
// equal direction in table order when they are alone. A member with both ends at the node is
// listed once, as starting there. Members whose other node is no node of the model are left out.
template <class Member>
void CollectMembersAtNode(const Model& model, const std::vector<Member>& table, int32_t count, int32_t node,
                          std::vector<int32_t>& members, std::vector<int32_t>& ends) {
    CollectMembersAtNodeAmong(model, table, count, node, TableRows{UsableCount(count, table)}, members, ends);
}

// The same, with the members filed by node for the table.
template <class Member>
void CollectMembersAtNode(const Model& model, const std::vector<Member>& table, int32_t count,
                          const MembersByNode& byNode, int32_t node, std::vector<int32_t>& members,
                          std::vector<int32_t>& ends) {
    CollectMembersAtNodeAmong(model, table, count, node, byNode.At(node), members, ends);
}

// Position of member in a list, or -1.
inline int32_t PositionInList(const std::vector<int32_t>& members, int32_t member) {
    for (size_t k = 0; k < members.size(); ++k)
        if (members[k] == member) return static_cast<int32_t>(k);
    return -1;
}

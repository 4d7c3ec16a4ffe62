#pragma once
// The members (beam elements or wall segments) that meet at a node, sorted by their direction
// away from it. Shared by the beam and the wall lists.
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "model/geometry/Geometry.h"
#include "plangeom/ExchangeSortOrder.h"
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
    if (members.size() < 2) return;
    const std::vector<int32_t> order = ExchangeSortOrder(directions);
    const std::vector<int32_t> found = members, foundEnds = ends;
    for (size_t k = 0; k < order.size(); ++k) {
        members[k] = found[static_cast<size_t>(order[k])];
        ends[k] = foundEnds[static_cast<size_t>(order[k])];
    }
}

// Lists in members / ends the members of table[0 .. count - 1] with an end at node, in table
// order, then puts them in the order that an exchange sort by ascending direction from the node to
// the member's other node (model node coordinates, degrees rounded to 2 decimals) leaves them in
// (ExchangeSortOrder), which keeps two members of equal direction in table order when they are
// alone. A member with both ends at the node is listed once, as starting there. Members whose
// other node is no node of the model are left out.
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

// For a pass that visits every member end: the list of CollectMembersAtNode at every node, less the
// members the pass leaves out, collected and ordered once per node rather than again at each of
// the node's member ends. List is BeamsAtNodeList or WallsAtNodeList: a count and two lists.
template <class List>
struct MembersAtEveryNode {
    std::vector<List> AtNode;          // per node of the model
    std::vector<int32_t> AtNodeI;      // per member: its position in the list of its NodeI, -1 none
    std::vector<int32_t> AtNodeJ;      // and in the list of its NodeJ

    const List& At(int32_t node) const { return AtNode[static_cast<size_t>(node)]; }
    int32_t Position(int32_t member, bool atNodeI) const {
        return (atNodeI ? AtNodeI : AtNodeJ)[static_cast<size_t>(member)];
    }
};

// listed(member) tells the members that the lists hold.
template <class List, class Member, class Listed>
MembersAtEveryNode<List> ListMembersAtEveryNode(const Model& model, const std::vector<Member>& table, int32_t count,
                                                Listed listed) {
    const MembersByNode byNode(model, table, count);
    const int32_t nodes = UsableCount(model.NodeCount, model.Nodes);
    const size_t n = static_cast<size_t>(UsableCount(count, table));
    MembersAtEveryNode<List> lists{std::vector<List>(static_cast<size_t>(nodes)), std::vector<int32_t>(n, -1),
                                   std::vector<int32_t>(n, -1)};
    std::vector<int32_t> all, allEnds;
    for (int32_t node = 0; node < nodes; ++node) {
        if (byNode.At(node).empty()) continue;
        CollectMembersAtNode(model, table, count, byNode, node, all, allEnds);
        std::vector<int32_t> members, ends;
        for (size_t k = 0; k < all.size(); ++k) {
            if (!listed(all[k])) continue;
            std::vector<int32_t>& at = allEnds[k] == StartsAtNode ? lists.AtNodeI : lists.AtNodeJ;
            at[static_cast<size_t>(all[k])] = static_cast<int32_t>(members.size());
            members.push_back(all[k]);
            ends.push_back(allEnds[k]);
        }
        const int32_t listedCount = static_cast<int32_t>(members.size());
        lists.AtNode[static_cast<size_t>(node)] = List{listedCount, std::move(members), std::move(ends)};
    }
    return lists;
}

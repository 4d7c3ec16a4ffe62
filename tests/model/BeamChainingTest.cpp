#include "model/files/BeamChaining.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace {

BeamElement Element(int32_t beam, int32_t nodeI, int32_t nodeJ) {
    BeamElement e;
    e.BeamNumber = beam;
    e.NodeI = nodeI;
    e.NodeJ = nodeJ;
    return e;
}

std::vector<BeamElement> Table(std::vector<BeamElement> elements) {
    elements.resize(elements.size() + 2);  // the table's two spares
    return elements;
}

std::vector<std::pair<int32_t, int32_t>> Ends(const std::vector<BeamElement>& elements, int32_t count) {
    std::vector<std::pair<int32_t, int32_t>> ends;
    for (int32_t i = 0; i < count; ++i) ends.emplace_back(elements[i].NodeI, elements[i].NodeJ);
    return ends;
}

// The grouping as the analysis program's files have always been read: each later element of i's
// beam exchanged with element i + 1.
void LiteralGrouping(std::vector<BeamElement>& e, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        for (int32_t j = i + 1; j < count; ++j)
            if (e[j].BeamNumber == e[i].BeamNumber) std::swap(e[j], e[i + 1]);
}

}  // namespace

TEST(BeamChaining, GroupsBeamsInTheOrderOfTheirFirstElement) {
    auto elements = Table({Element(7, 0, 1), Element(5, 10, 11), Element(7, 1, 2), Element(5, 11, 12)});
    GroupBeamElements(elements, 4);
    EXPECT_EQ(Ends(elements, 4), (std::vector<std::pair<int32_t, int32_t>>{{0, 1}, {1, 2}, {10, 11}, {11, 12}}));
}

TEST(BeamChaining, GroupingMatchesTheElementByElementExchangesExactly) {
    std::mt19937 random(12345);
    for (int round = 0; round < 1000; ++round) {
        const int count = 1 + static_cast<int>(random() % 40);
        const int beams = 1 + static_cast<int>(random() % 6);
        std::vector<BeamElement> elements;
        for (int i = 0; i < count; ++i) elements.push_back(Element(static_cast<int32_t>(random() % beams), i, i + 100));
        elements = Table(elements);
        std::vector<BeamElement> expected = elements;
        LiteralGrouping(expected, count);
        GroupBeamElements(elements, count);
        ASSERT_EQ(elements, expected) << "round " << round;
    }
}

TEST(BeamChaining, ChainsBeamsFromFreeEndToFreeEnd) {
    // Four elements given as 2-3, 4-5, 1-2, 3-4 come out as 1-2, 2-3, 3-4, 4-5.
    auto four = Table({Element(1, 2, 3), Element(1, 4, 5), Element(1, 1, 2), Element(1, 3, 4)});
    GroupAndChainBeamElements(four, 4);
    EXPECT_EQ(Ends(four, 4), (std::vector<std::pair<int32_t, int32_t>>{{1, 2}, {2, 3}, {3, 4}, {4, 5}}));

    // Three elements get no head search: 2-3, 1-2, 3-4 come out as 2-3, 3-4, 1-2.
    auto three = Table({Element(1, 2, 3), Element(1, 1, 2), Element(1, 3, 4)});
    GroupAndChainBeamElements(three, 3);
    EXPECT_EQ(Ends(three, 3), (std::vector<std::pair<int32_t, int32_t>>{{2, 3}, {3, 4}, {1, 2}}));
}

TEST(BeamChaining, AClosedRingStopsAndComesOutChained) {
    for (int size : {4, 5, 9}) {
        std::vector<BeamElement> ring;
        for (int i = 0; i < size; ++i) ring.push_back(Element(3, i, (i + 1) % size));
        ring = Table(ring);
        GroupAndChainBeamElements(ring, size);
        for (int i = 0; i + 1 < size; ++i) EXPECT_EQ(ring[i].NodeJ, ring[i + 1].NodeI) << size << " at " << i;
        // A saved deck is chained again at every load: the ring must not turn.
        const auto chained = Ends(ring, size);
        GroupAndChainBeamElements(ring, size);
        EXPECT_EQ(Ends(ring, size), chained) << size;
    }
}

// A head search that ends by itself may need more exchanges than the group has elements (a tail
// that runs into a ring): it must run to its natural end, as the exchange-by-exchange search does.
TEST(BeamChaining, AHeadSearchThatEndsRunsAllItsExchanges) {
    auto literal = [](std::vector<BeamElement> e, int32_t n, bool& ended) {
        ended = true;
        for (int guard = 0;; ++guard) {
            if (guard > 100000) {
                ended = false;
                return e;
            }
            int32_t k = 1;
            while (k < n && e[k].NodeJ != e[0].NodeI) ++k;
            if (k == n) break;
            std::swap(e[k], e[0]);
        }
        for (int32_t j = 0; j < n; ++j)
            for (int32_t k = j + 1; k < n; ++k)
                if (e[j].NodeJ == e[k].NodeI) std::swap(e[k], e[j + 1]);
        return e;
    };

    // (0-4)(4-2)(2-0)(5-1)(1-0): the tail 5-1-0 leads into the ring 0-4-2-0.
    const std::vector<BeamElement> tail{Element(1, 0, 4), Element(1, 4, 2), Element(1, 2, 0),
                                        Element(1, 5, 1), Element(1, 1, 0)};
    std::mt19937 random(7);
    int checked = 0;
    for (int t = 0; t < 20000; ++t) {
        std::vector<BeamElement> group = tail;
        if (t > 0) {
            const int32_t n = 4 + static_cast<int32_t>(random() % 6), nodes = 2 + static_cast<int32_t>(random() % 8);
            group.clear();
            for (int32_t i = 0; i < n; ++i)
                group.push_back(Element(1, static_cast<int32_t>(random() % nodes), static_cast<int32_t>(random() % nodes)));
        }
        const int32_t n = static_cast<int32_t>(group.size());
        for (int32_t i = 0; i < n; ++i) group[i].SectionNumber = i;  // identifies each element
        bool ended = false;
        const auto expected = literal(group, n, ended);
        if (!ended) continue;
        ChainBeamGroup(group, 0, n - 1);
        for (int32_t i = 0; i < n; ++i) ASSERT_EQ(group[i].SectionNumber, expected[i].SectionNumber) << "case " << t;
        ++checked;
    }
    EXPECT_GT(checked, 10000);
}

namespace {

// The chaining as it was first written, one scan of the group per exchange, with the whole order
// compared for a repeat after each exchange of the head search.
void LiteralChaining(std::vector<BeamElement>& elements, int32_t s, int32_t e) {
    if (e - s >= 3) {
        const int32_t n = e - s + 1;
        const std::vector<BeamElement> before(elements.begin() + s, elements.begin() + e + 1);
        bool endless = true;
        std::vector<int32_t> order(n), seen;
        for (int32_t k = 0; k < n; ++k) order[k] = k;
        seen = order;
        int64_t power = 1, sinceSeen = 0;
        const int64_t safetyLimit = 64LL * n * n + 1000;
        for (int64_t exchanges = 0; exchanges < safetyLimit; ++exchanges) {
            int32_t predecessor = -1;
            for (int32_t k = s + 1; k <= e; ++k)
                if (elements[k].NodeJ == elements[s].NodeI) {
                    predecessor = k;
                    break;
                }
            if (predecessor < 0) {
                endless = false;
                break;
            }
            std::swap(elements[predecessor], elements[s]);
            std::swap(order[predecessor - s], order[0]);
            ++sinceSeen;
            if (order == seen) break;
            if (sinceSeen == power) {
                seen = order;
                power *= 2;
                sinceSeen = 0;
            }
        }
        if (endless) std::copy(before.begin(), before.end(), elements.begin() + s);
    }
    for (int32_t j = s; j <= e; ++j)
        for (int32_t k = j + 1; k <= e; ++k)
            if (elements[j].NodeJ == elements[k].NodeI) std::swap(elements[k], elements[j + 1]);
}

}  // namespace

// Groups of every shape: paths given in any order, rings, tails into rings, forks, repeated
// elements and elements from a node to itself, small and large, inside a longer table.
TEST(BeamChaining, ChainingMatchesTheExchangeByExchangeProcedureExactly) {
    std::mt19937 random(99);
    for (int round = 0; round < 3000; ++round) {
        const int32_t n = 1 + static_cast<int32_t>(random() % (round % 10 == 0 ? 300 : 12));
        std::vector<BeamElement> group;
        if (round % 3 == 0) {
            // A path or a ring, shuffled, some elements reversed.
            const bool ring = round % 2 == 0;
            for (int32_t i = 0; i < n; ++i) group.push_back(Element(1, i, ring ? (i + 1) % n : i + 1));
            std::shuffle(group.begin(), group.end(), random);
            for (BeamElement& g : group)
                if (random() % 8 == 0) std::swap(g.NodeI, g.NodeJ);
        } else {
            const int32_t nodes = 1 + static_cast<int32_t>(random() % (n + 2));
            for (int32_t i = 0; i < n; ++i)
                group.push_back(Element(1, static_cast<int32_t>(random() % nodes), static_cast<int32_t>(random() % nodes)));
        }
        for (int32_t i = 0; i < n; ++i) group[i].SectionNumber = i;  // identifies each element
        std::vector<BeamElement> table{Element(0, -1, -2)};
        table.insert(table.end(), group.begin(), group.end());
        table.push_back(Element(2, -3, -4));
        std::vector<BeamElement> expected = table;
        LiteralChaining(expected, 1, n);
        ChainBeamGroup(table, 1, n);
        ASSERT_EQ(table, expected) << "round " << round;
    }
}

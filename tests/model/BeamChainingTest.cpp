#include "model/files/BeamChaining.h"

#include <gtest/gtest.h>

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

#include "plangeom/ExchangeSortOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>

#include "model/geometry/Geometry.h"
#include "plangeom/WallEdges.h"
#include "tests/support/DeckBuilder.h"

namespace {

// The exchange sort as the members at a node were once ordered, entry by entry: the oracle.
std::vector<int32_t> ExchangeSorted(std::vector<float> keys) {
    std::vector<int32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    for (size_t i = 0; i < keys.size(); ++i) {
        float smallest = keys[i];
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (keys[j] < smallest) {
                smallest = keys[j];
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
    }
    return order;
}

TEST(ExchangeSortOrder, LeavesEqualKeysWhereTheExchangesLeaveThem) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* Name;
        std::vector<float> Keys;
        std::vector<int32_t> Order;
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"ascending", {1, 2, 3}, {0, 1, 2}},
        {"two equal keys alone keep their order", {5, 5}, {0, 1}},
        {"a smaller key behind two equal ones exchanges them", {1, 1, 0}, {2, 1, 0}},
        {"a smaller key between two equal ones leaves them", {1, 0, 1}, {1, 0, 2}},
        {"the first of two equal keys is carried past the second", {2, 1, 1, 0}, {3, 2, 1, 0}},
        {"three equal keys rotate", {4, 4, 4, 1, 0}, {4, 3, 2, 0, 1}},
        {"minus zero equals zero", {0.0f, -0.0f, -1}, {2, 1, 0}},
        {"a key that is no number compares with nothing", {nan, 1, 0}, {0, 2, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExchangeSorted(c.Keys), c.Order) << c.Name << " (the oracle)";
        EXPECT_EQ(ExchangeSortOrder(c.Keys), c.Order) << c.Name;
    }
}

TEST(ExchangeSortOrder, MatchesTheExchangeSortOnListsFullOfTies) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 20000; ++trial) {
        const int n = std::uniform_int_distribution<int>(0, 40)(random);
        const int values = std::uniform_int_distribution<int>(1, 8)(random);  // few values: many ties
        std::vector<float> keys(static_cast<size_t>(n));
        for (float& k : keys) k = 0.25f * std::uniform_int_distribution<int>(0, values - 1)(random);
        ASSERT_EQ(ExchangeSortOrder(keys), ExchangeSorted(keys)) << "trial " << trial;
    }
}

// Walls leaving (or reaching) one node in a few directions, listed in a shuffled order, as an
// analysis program may list the walls of a crowded node.
TEST(CollectWallsAtNode, OrdersACrowdedNodeAsTheExchangeSortDoesTiesIncluded) {
    DeckBuilder d;
    const int32_t c = d.AddNode(0, 0);
    std::mt19937 random(7);
    std::vector<float> directions;
    for (int k = 0; k < 600; ++k) {
        const double degrees = 15.0 * std::uniform_int_distribution<int>(0, 23)(random);
        const double radius = std::uniform_int_distribution<int>(100, 900)(random);
        const int32_t far = d.AddNode(static_cast<float>(radius * std::cos(degrees * 3.14159265358979 / 180)),
                                      static_cast<float>(radius * std::sin(degrees * 3.14159265358979 / 180)));
        if (k % 3 == 0) d.AddWall(far, c, 20);
        else d.AddWall(c, far, 20);
        const Node& other = d.M.Nodes[far];
        directions.push_back(GetSegmentDirectionDeg(0, 0, other.X, other.Y));
    }
    const std::vector<int32_t> expected = ExchangeSorted(directions);
    std::vector<int32_t> stable(expected.size());
    std::iota(stable.begin(), stable.end(), 0);
    std::stable_sort(stable.begin(), stable.end(), [&](int32_t a, int32_t b) { return directions[a] < directions[b]; });
    ASSERT_NE(expected, stable) << "the ties of this node must be reordered by the exchanges";

    const WallsAtNodeList list = CollectWallsAtNode(d.M, c);
    EXPECT_EQ(list.WallsAtNode, expected);
    ASSERT_EQ(list.WallsAtNodeEnd.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(list.WallsAtNodeEnd[k], expected[k] % 3 == 0 ? 2 : 1) << k;
}

}  // namespace

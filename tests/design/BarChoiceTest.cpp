#include <gtest/gtest.h>

#include <numbers>

#include "design/BarChoice.h"

namespace {

const BarSizes TenAndTwelve = MakeBarSizes(10, 12);
const float A10 = GetBarArea(10), A12 = GetBarArea(12);

TEST(BarChoice, BarAreaIsTheCircleOfTheDiameterInCentimetres) {
    EXPECT_FLOAT_EQ(GetBarArea(10), static_cast<float>(std::numbers::pi / 4));
    EXPECT_FLOAT_EQ(GetBarArea(12), static_cast<float>(1.44 * std::numbers::pi / 4));
    EXPECT_EQ(GetBarArea(0), 0.0f);
}

struct ChoiceCase {
    const char* what;
    float required;
    bool strict;
    int32_t diameter, count;
};

TEST(BarChoice, TakesTheFirstCountThatCoversTheArea) {
    const ChoiceCase cases[] = {
        {"one small bar", 0.5f, false, 10, 1},
        // Two small bars (1.571) weigh more than one large bar (1.131): the large one is tried.
        {"one large bar", 1.0f, false, 12, 1},
        {"two large bars", 2.0f, false, 12, 2},
        // Four small bars (3.142) weigh less than three large ones (3.393): four small ones.
        {"n + 1 small bars", 2.5f, false, 10, 4},
        {"n large bars after n + 1 small ones fall short", 3.3f, false, 12, 3},
        // Exactly n bars' area: enough for an upper record, not for a lower one.
        {"exactly two small bars, upper", 2 * A10, false, 10, 2},
        {"exactly two small bars, lower", 2 * A10, true, 12, 2},
        {"exactly one large bar, upper", A12, false, 12, 1},
        {"exactly one large bar, lower", A12, true, 10, 2},
        // The n + 1 small bars are accepted at exactly their area by both.
        {"exactly four small bars after three large, lower", 4 * A10, true, 10, 4},
    };
    for (const ChoiceCase& c : cases) {
        const BarChoice choice = ChooseBars(c.required, TenAndTwelve, c.strict);
        EXPECT_EQ(choice.Diameter, c.diameter) << c.what;
        EXPECT_EQ(choice.BarCount, c.count) << c.what;
        EXPECT_TRUE(choice.Covers) << c.what;
    }
}

TEST(BarChoice, OneDiameterCountsItsBars) {
    const BarChoice choice = ChooseBars(2.0f, MakeBarSizes(12, 12), false);
    EXPECT_EQ(choice.Diameter, 12);
    EXPECT_EQ(choice.BarCount, 2);
}

TEST(BarChoice, AnAreaNoCountCoversTakesTheLargestCountOfTheLargerBar) {
    for (const BarSizes& sizes : {TenAndTwelve, MakeBarSizes(0, 0)}) {
        const BarChoice choice = ChooseBars(1000.0f, sizes, true);
        EXPECT_FALSE(choice.Covers);
        EXPECT_EQ(choice.Diameter, sizes.DMax);
        EXPECT_EQ(choice.BarCount, MaxBarsPerRecord);
    }
    // 50 bars of 12 mm cover 56.5 cm².
    EXPECT_TRUE(ChooseBars(56.0f, TenAndTwelve, true).Covers);
}

}  // namespace

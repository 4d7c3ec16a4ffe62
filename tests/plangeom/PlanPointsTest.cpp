#include "plangeom/PlanPoints.h"

#include <gtest/gtest.h>

#include "tests/support/DeckBuilder.h"

namespace {

TEST(FindOrAddPlanNode, PointsWithinTheToleranceShareOneIndex) {
    struct Case {
        float Dx, Dy;
        bool Same;
    };
    const Case cases[] = {
        {0, 0, true},           {0.00009f, -0.00009f, true}, {0.0001f, 0, false},
        {0, -0.0001f, false},   {0.00011f, 0.00001f, false}, {-0.00005f, 0.00015f, false},
    };
    for (const Case& c : cases) {
        Model m;
        // At the origin the differences are the offsets themselves, exactly.
        EXPECT_EQ(FindOrAddPlanNode(m, 0, 0), 0);
        const int32_t index = FindOrAddPlanNode(m, c.Dx, c.Dy);
        EXPECT_EQ(index, c.Same ? 0 : 1) << c.Dx << ", " << c.Dy;
        EXPECT_EQ(m.PlanNodeCount, c.Same ? 1 : 2);
        EXPECT_EQ(m.PlanNodes.size(), static_cast<size_t>(m.PlanNodeCount));
        if (!c.Same) {
            EXPECT_EQ(m.PlanNodes[1], (PlanPoint{c.Dx, c.Dy}));
        }
    }
}

TEST(FindOrAddPlanNode, TheFirstMatchWinsAndPointsNeverMove) {
    Model m;
    EXPECT_EQ(FindOrAddPlanNode(m, 0, 0), 0);
    EXPECT_EQ(FindOrAddPlanNode(m, 0.00015f, 0), 1);  // within the tolerance of both neighbours below
    EXPECT_EQ(FindOrAddPlanNode(m, 0.00008f, 0), 0);
    EXPECT_EQ(FindOrAddPlanNode(m, 0.00012f, 0), 1);
    EXPECT_EQ(FindPlanNode(m, 0.0002f, 0), 1);
    EXPECT_EQ(FindPlanNode(m, 5, 5), -1);
    EXPECT_EQ(m.PlanNodes[0], (PlanPoint{0, 0}));
    EXPECT_EQ(m.PlanNodeCount, 2);
}

TEST(FindOrAddPlanNode, StartsAfresh_WhenTheCountIsReset) {
    Model m;
    m.PlanNodes = {{1, 1}, {2, 2}, {3, 3}, {0, 0}};  // three points and a spare, as a saved file leaves them
    m.PlanNodeCount = 3;
    EXPECT_EQ(FindOrAddPlanNode(m, 0, 0), 3);  // the spare is no point
    EXPECT_EQ(m.PlanNodes.size(), 4u);

    m.PlanNodeCount = 0;
    EXPECT_EQ(FindOrAddPlanNode(m, 2, 2), 0);
    EXPECT_EQ(m.PlanNodes.size(), 1u);
}

TEST(FindOrAddPlanNode, ACountBeyondTheTableIsNotTrusted) {
    Model m;
    m.PlanNodes = {{1, 1}};
    m.PlanNodeCount = 7;
    EXPECT_EQ(FindOrAddPlanNode(m, 1, 1), 0);
    EXPECT_EQ(FindOrAddPlanNode(m, 4, 4), 1);
    EXPECT_EQ(m.PlanNodeCount, 2);
    EXPECT_EQ(m.PlanNodes.size(), 2u);
}

}  // namespace

#include "plangeom/DirectionGroups.h"

#include <gtest/gtest.h>

TEST(DirectionGroups, DesignableSlabsShareTheGroupOfTheFirstSlabOfTheirDirection) {
    Model model;
    model.Catalogue.SlabTypeCount = 2;
    model.Catalogue.SlabTypes = {{1, "joists"}, {0, "solid"}, {}};
    const struct {
        float SpanAngle;
        int32_t SlabType;
        int32_t ExpectedGroup;
    } slabs[] = {
        {0.0f, 1, 1},    {90.0f, 1, 2},  {0.1f, 1, 1},  {90.2f, 1, 3},
        {0.0f, 2, -1},   // not designable
        {180.0f, 1, 4},  // the opposite sense is another direction
        {90.15f, 1, 3},  // within 0.1 of the slab at 90.2, not of the one at 90
        {45.0f, 7, -1},  // a slab type the archive does not have
    };
    for (const auto& s : slabs) {
        FloorSlab slab;
        slab.SpanAngle = s.SpanAngle;
        slab.SlabTypeNumber = s.SlabType;
        model.FloorSlabs.push_back(slab);
    }
    model.FloorSlabCount = static_cast<int32_t>(model.FloorSlabs.size());
    model.FloorSlabs.emplace_back();  // the table's spare

    AssignFloorSlabDirectionGroups(model);
    for (int32_t i = 0; i < model.FloorSlabCount; ++i)
        EXPECT_EQ(model.FloorSlabs[i].DirectionGroup, slabs[i].ExpectedGroup) << "slab " << i;
}

#pragma once
// The points a footing offers to the object snap, by the shape code of its footing type: corners,
// centre, node and piles, in the order they are tried, turned by the footing's angle and placed
// at its node.
#include <array>
#include <cstdint>

#include "model/tables/SectionCatalogue.h"

// How a snap point is marked on the canvas.
enum class SnapMarker { Box, Circle };

struct FootingSnapPoints {
    static constexpr int Capacity = 11;
    std::array<float, Capacity> X{}, Y{};  // model cm
    std::array<SnapMarker, Capacity> Marker{};
    int32_t Count = 0;
};

// A shape code outside 0 to 10 offers nothing.
FootingSnapPoints FootingSnapPointsOf(const FootingType& type, float nodeX, float nodeY);

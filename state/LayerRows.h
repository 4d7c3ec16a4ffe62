#pragma once
// The rows of the layer table by what they hold; each row's name, colours and switches live in
// DrawingState. A row's switch gates the drawing step of the same name.
#include <cstdint>

namespace LayerRow {
constexpr int32_t Axes = 0;
constexpr int32_t FloorSlabOutlines = 1;
constexpr int32_t PillarOutlines = 2;
constexpr int32_t SteelPillars = 3;
constexpr int32_t WallOutlines = 4;
constexpr int32_t ConcreteSlabOutlines = 5;
constexpr int32_t Footings = 6;
constexpr int32_t BeamExtrados = 7;
constexpr int32_t BeamIntrados = 8;
constexpr int32_t Dimensions = 9;
constexpr int32_t FloorSlabRebars = 10;
constexpr int32_t Sections = 11;
constexpr int32_t TitleTexts = 12;
constexpr int32_t FloorSlabTexts = 13;
constexpr int32_t PillarTexts = 14;
constexpr int32_t WallTexts = 15;
constexpr int32_t SlabTexts = 16;
constexpr int32_t BeamTexts = 17;
constexpr int32_t DimensionTexts = 18;
constexpr int32_t RebarTexts = 19;
constexpr int32_t FloorSlabHatch = 20;
constexpr int32_t PillarHatch = 21;
constexpr int32_t WallHatch = 22;
constexpr int32_t ConcreteSlabHatch = 23;
constexpr int32_t PillarTops = 24;
}  // namespace LayerRow

#pragma once
// The values of InteractionState: the canvas tool in force, 0 when idle. The canvas editor acts on
// them; the view steps start and end the zoom window and the pan, the rebar editor hands its bar on
// to the grips, and the canvas pass draws the marks of the rebar tools over the plan.
#include <cstdint>

namespace Mode {
constexpr int32_t Idle = 0;
constexpr int32_t ZoomFirstCorner = 2;
constexpr int32_t ZoomSecondCorner = 3;
constexpr int32_t PanAnchor = 500;
constexpr int32_t PanDrag = 501;
// Reinforcement sections: the pick and the drag of a move, the slab and the release of a new one,
// the deletion.
constexpr int32_t PickSectionToMove = 1000, DragSection = 1001;
constexpr int32_t PickSlabOfNewSection = 1002, ReleaseNewSection = 1003;
constexpr int32_t DeleteSection = 1300;
// Dimensions: the first and second measured point and the line, for each kind.
constexpr int32_t HorizontalFirstPoint = 2000, HorizontalSecondPoint = 2001, HorizontalLine = 2002;
constexpr int32_t VerticalFirstPoint = 3000, VerticalSecondPoint = 3001, VerticalLine = 3002;
constexpr int32_t AlignedFirstPoint = 4000, AlignedSecondPoint = 4001, AlignedLine = 4002;
constexpr int32_t ContinuedBase = 5000, ContinuedPoint = 5001;
constexpr int32_t DeleteDimension = 6000;
constexpr int32_t PickDimensionToMove = 7000, MoveDimension = 7001;
// Rebars: the pick to edit, its grips shown, one grip dragged and one put down; the target line
// of an extension and the bars extended to it; the pick to delete.
constexpr int32_t PickRebarToEdit = 8000, RebarGrips = 8001, RebarGripDrag = 8002, RebarGripDown = 8003;
constexpr int32_t PickExtensionEdge = 9000;
constexpr int32_t RebarExtension = 9001;
constexpr int32_t DeleteRebar = 9500;
constexpr int32_t ConcreteSlabHandOff = 9550;
constexpr int32_t FloorSlabPerimeter = 9600;
constexpr int32_t ConcreteSlabPerimeter = 9605;
}  // namespace Mode

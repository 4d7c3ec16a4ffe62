#pragma once
// The corner where a member's face line meets the facing line of its neighbour at a node.
#include "model/tables/ModelTables.h"

// A face line in plan, (X1, Y1) at the node where it is joined, (X2, Y2) at the member's far end.
struct FaceLine {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// How the directions of the two lines are compared before a sharp or slight meeting is checked.
enum class JoinAngleMeasure {
    LineAngle,  // beams: text line angles, float
    Bearing,    // walls: bearings in [0, 2 pi), double
};

// The intersection of the two lines; the own near end when they are parallel or collinear, or
// when, at a difference of directions below 0.8 rad (not reduced by a turn), the intersection lies
// nearer to the neighbour's far end or to the own far end than to the neighbour's near end.
PlanPoint JoinFaceLines(const FaceLine& own, const FaceLine& neighbour, JoinAngleMeasure measure);

// The axis of a member from its NodeI point plus its start offsets to its NodeJ point plus its end
// offsets, moved d to the right of the direction NodeI -> NodeJ, turned so that its first point
// lies at node (its NodeI unless node is its NodeJ).
template <class Member>
FaceLine MemberFaceLine(const Model& model, const Member& member, int32_t node, float d);

// True when the member's two nodes are distinct nodes of the model and its axis (with the end
// offsets) has a length and finite coordinates, so that its face lines are lines.
template <class Member>
bool HasDrawableAxis(const Model& model, const Member& member);

// True when the member's two nodes are distinct nodes of the model and its axis has finite ends
// that lie at one place: a link of no length, as between two nodes at one place.
template <class Member>
bool HasAxisOfNoLength(const Model& model, const Member& member);

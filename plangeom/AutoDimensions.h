#pragma once
// Dimensions: the one place where a dimension record is appended, and the automatic perimeter
// dimensions of a deck, laid in four chains outside the box of its characteristic points (the
// masonry wall corners of a masonry plan, the pillar positions of any other plan) along the sides
// of their convex hull.
#include <cstdint>
#include <string>
#include <vector>

#include "state/MeasuredPoints.h"
#include "model/tables/ModelTables.h"
#include "state/ShellState.h"

// The text of a dimension of the given length (cm): in metres when dimensionUnitMetres is 1, with
// one decimal when the fraction is a tenth or more and none otherwise.
std::string DimensionText(float length, int32_t dimensionUnitMetres);

// Appends a dimension with the line from (x1, y1) to (x2, y2), the measured points of `measured`
// and its text, unless the line is 0.009 long or shorter (or not a finite length).
void AddDimension(Model& model, const ShellOptions& options, const MeasuredPoints& measured, float x1, float y1,
                  float x2, float y2);

// The work list of outline points: the points, their count and the box around them. Points holds
// at least Count elements and grows as needed, also for the hull's closing copy.
struct OutlinePointList {
    std::vector<PlanPoint> Points;
    int32_t Count = 0;
    float XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

// Starts the list with (x, y), unrounded; the box is that point.
void StartOutlinePoints(OutlinePointList& list, float x, float y);
// Appends (x, y) rounded to 1 decimal and widens the box, unless a stored point lies within 0.09
// of it in both axes.
void AddOutlinePoint(OutlinePointList& list, float x, float y);

// Exchange sorts of points[0 .. n] on x and on y, ascending when `ascending`, else descending.
void SortPointsByX(std::vector<PlanPoint>& points, int32_t n, bool ascending);
void SortPointsByY(std::vector<PlanPoint>& points, int32_t n, bool ascending);

// A float in [0, 360) that grows with the direction of (x0, y0) -> (x1, y1); the differences are
// rounded to whole centimetres first.
float GetPseudoAngle(float x0, float y0, float x1, float y1);

// Reorders points[0 .. n] so that the first ones are their convex hull, counter-clockwise (y up)
// from the lowest point (the leftmost of equally low ones), followed by a copy of the first.
// Points on a hull side are part of the hull. Returns the number of hull points.
int32_t ComputeConvexHull(std::vector<PlanPoint>& points, int32_t n);

// Appends the four chains of dimensions along the bottom, top, right and left sides of the hull
// of the list's points, at `offset` outside its box; sets `measured` before every dimension.
// Returns the number of hull points.
int32_t AddHullDimensionChains(Model& model, const ShellOptions& options, MeasuredPoints& measured,
                               OutlinePointList& list, float offset);

// Appends the perimeter dimensions of the deck; never removes one.
void CreateAutoDimensions(Model& model, const ShellOptions& options, MeasuredPoints& measured);

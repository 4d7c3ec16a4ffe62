#pragma once
// The two object points measured by the dimension being added, in world coordinates (cm). The
// canvas editor sets them from the points picked for a dimension; the automatic dimensions set
// them before every dimension of a chain. AddDimension copies them into the new record.
struct MeasuredPoints {
    float MeasP1X = 0, MeasP1Y = 0;
    float MeasP2X = 0, MeasP2Y = 0;
};

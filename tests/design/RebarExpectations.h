#pragma once
// Bar records compared with the ones worked out by hand: coordinates to a hundredth of a
// centimetre, everything else exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "model/tables/ModelTables.h"

constexpr float BarEndTolerance = 0.01f;

inline std::ostream& operator<<(std::ostream& out, const UpperRebar& b) {
    return out << b.BarCount << " x " << b.Diameter << " (" << b.X1 << ", " << b.Y1 << ") - (" << b.X2 << ", " << b.Y2
               << ") hooks " << b.HookFlags;
}
inline std::ostream& operator<<(std::ostream& out, const LowerRebar& b) {
    return out << b.BarCount << " x " << b.Diameter << " (" << b.X1 << ", " << b.Y1 << ") - (" << b.X2 << ", " << b.Y2
               << ") kind " << b.Kind << " hooks " << b.HookFlags;
}

// Bars of a section that runs along x: from x1 to x2 at y.
inline UpperRebar UpperAlongX(int32_t diameter, int32_t count, float x1, float x2, float y, int32_t hooks) {
    return {.Diameter = diameter, .X1 = x1, .X2 = x2, .Y1 = y, .Y2 = y, .BarCount = count, .HookFlags = hooks};
}
inline LowerRebar LowerAlongX(int32_t diameter, int32_t count, float x1, float x2, float y, int32_t kind) {
    return {
        .Diameter = diameter, .X1 = x1, .X2 = x2, .Y1 = y, .Y2 = y, .BarCount = count, .Kind = kind, .HookFlags = 0};
}

template <class Bar>
bool SameBar(const Bar& a, const Bar& b) {
    Bar rounded = a;
    rounded.X1 = b.X1;
    rounded.X2 = b.X2;
    rounded.Y1 = b.Y1;
    rounded.Y2 = b.Y2;
    return rounded == b && std::fabs(a.X1 - b.X1) <= BarEndTolerance && std::fabs(a.X2 - b.X2) <= BarEndTolerance &&
           std::fabs(a.Y1 - b.Y1) <= BarEndTolerance && std::fabs(a.Y2 - b.Y2) <= BarEndTolerance;
}

template <class Bar>
void ExpectBars(const std::vector<Bar>& actual, const std::vector<Bar>& expected) {
    ASSERT_EQ(actual.size(), expected.size()) << "records";
    for (size_t k = 0; k < expected.size(); ++k)
        EXPECT_TRUE(SameBar(actual[k], expected[k]))
            << "record " << k << ": " << actual[k] << "\n  expected " << expected[k];
}

// Section s's bars as the tables hold them.
inline std::vector<UpperRebar> UpperBars(const Model& m, int32_t s) {
    const auto& row = m.Reinforcement.UpperRebars.at(s);
    return {row.begin(), row.begin() + m.Reinforcement.UpperRebarCount.at(s)};
}
inline std::vector<LowerRebar> LowerBars(const Model& m, int32_t s) {
    const auto& row = m.Reinforcement.LowerRebars.at(s);
    return {row.begin(), row.begin() + m.Reinforcement.LowerRebarCount.at(s)};
}

#pragma once
// Seeded random coordinates for comparing tolerant geometry with a reference: small whole numbers
// (exact collinearity, vertices on sweep lines), steps of the tolerances, plan-sized values, places
// near and far beyond the size where rounding starts to count, tiny values, and now and then no
// number at all. The same seed gives the same values everywhere.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "model/tables/ModelTables.h"

enum class NumberScale { Grid, Tolerance, Plan, FarFromOrigin, Huge, Tiny };
constexpr int NumberScaleCount = 6;

class AwkwardNumbers {
public:
    explicit AwkwardNumbers(uint64_t seed) : random_(seed) {}

    double Unit() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }  // in [0, 1)
    int Below(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
    bool OneIn(int n) { return Below(n) == 0; }
    double Between(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    NumberScale AnyScale() { return static_cast<NumberScale>(Below(NumberScaleCount)); }

    // Where the points of one scale gather, and how far they spread around it.
    PlanPoint Centre(NumberScale scale) {
        switch (scale) {
        case NumberScale::FarFromOrigin: return {Far(1.0e6, 2.0e7), Far(1.0e6, 2.0e7)};
        case NumberScale::Huge: return {Far(1.0e8, 1.0e37), Far(1.0e8, 1.0e37)};
        default: return {0, 0};
        }
    }
    float Offset(NumberScale scale, PlanPoint centre, bool alongX) {
        const float c = alongX ? centre.X : centre.Y;
        switch (scale) {
        case NumberScale::Grid: return c + static_cast<float>(Below(13) - 6) * static_cast<float>(1 + Below(3) * 5);
        case NumberScale::Tolerance: return c + static_cast<float>(Below(201) - 100) * 0.01f;
        case NumberScale::Plan: return c + static_cast<float>(Between(-2000, 2000));
        case NumberScale::FarFromOrigin: return c + static_cast<float>(Between(-3000, 3000));
        case NumberScale::Huge: return c * static_cast<float>(Between(0.5, 1.5));
        case NumberScale::Tiny: return c + static_cast<float>(Signed(std::pow(10.0, Between(-40, -3))));
        }
        return c;
    }
    PlanPoint Point(NumberScale scale, PlanPoint centre) {
        PlanPoint p{Offset(scale, centre, true), Offset(scale, centre, false)};
        if (OneIn(500)) (OneIn(2) ? p.X : p.Y) = Special();
        return p;
    }

    // 1 to `most` points around the centre, at times with a repeated vertex or one halfway along
    // an edge (zero-length and collinear edges).
    std::vector<PlanPoint> Outline(NumberScale scale, PlanPoint centre, int most) {
        std::vector<PlanPoint> outline(static_cast<size_t>(1 + Below(most)));
        for (PlanPoint& p : outline) p = Point(scale, centre);
        if (outline.size() > 2 && OneIn(5)) outline[1] = outline[0];
        if (outline.size() > 3 && OneIn(5))
            outline[2] = {(outline[1].X + outline[3].X) / 2, (outline[1].Y + outline[3].Y) / 2};
        return outline;
    }

    // No number, an infinity, a signed zero or the largest float.
    float Special() {
        switch (Below(5)) {
        case 0: return std::numeric_limits<float>::quiet_NaN();
        case 1: return Signed(std::numeric_limits<float>::infinity());
        case 2: return -0.0f;
        case 3: return Signed(std::numeric_limits<float>::max());
        default: return 0.0f;
        }
    }

private:
    template <class T>
    T Signed(T v) { return OneIn(2) ? -v : v; }
    // A size between lo and hi, evenly spread over the powers of ten, either sign.
    float Far(double lo, double hi) {
        return static_cast<float>(Signed(std::pow(10.0, Between(std::log10(lo), std::log10(hi)))));
    }

    std::mt19937_64 random_;
};

// The same floats to the bit, except that any two values that are no number match: which NaN an
// operation passes on follows the order the compiler gave its operands.
inline bool SameFloats(const float* a, const float* b, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0 && !(std::isnan(a[i]) && std::isnan(b[i]))) return false;
    return true;
}

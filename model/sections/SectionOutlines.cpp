#include "model/sections/SectionOutlines.h"

#include <cmath>

#include "model/geometry/Geometry.h"
#include "model/common/Helpers.h"
#include "model/geometry/PolygonMeasures.h"

namespace {

class OutlineBuilder {
public:
    explicit OutlineBuilder(SectionOutline& outline) : outline_(outline) {}
    OutlineBuilder& operator()(double x, double y) {
        outline_.SectionOutlineX[count_] = static_cast<float>(x);
        outline_.SectionOutlineY[count_] = static_cast<float>(y);
        outline_.SectionOutlineLast = count_++;
        return *this;
    }

private:
    SectionOutline& outline_;
    int32_t count_ = 0;
};

struct Slope {
    double c, s, t;
};

Slope SlopeOf(float degrees) {
    double a = DegToRad(degrees);
    return {std::cos(a), std::sin(a), std::tan(a)};
}

void BuildConstruction(SectionOutline& outline, int32_t code, const SectionParamRow& p, int32_t mode) {
    const double P0 = p[0], P1 = p[1], P2 = p[2], P3 = p[3], P4 = p[4], P5 = p[5];
    OutlineBuilder put(outline);
    const bool legOpposite = mode == OutlineLegOpposite;
    switch (code) {
        case 1: case 17: case 18: case 20:
            put(0, 0)(0, P1)(P0, P1)(P0, 0)(0, 0);
            return;
        case 2: {
            double w = (P2 - P0) / 2;
            put(w, 0)(w, P1 - P3)(0, P1 - P3)(0, P1)(P2, P1)(P2, P1 - P3)(w + P0, P1 - P3)(w + P0, 0)(w, 0);
            return;
        }
        case 3: {
            double w = (P0 - P2) / 2;
            put(w, 0)(w, P1 - P3)(0, P1 - P3)(0, P1)(P0, P1)(P0, P1 - P3)(w + P2, P1 - P3)(w + P2, 0)(w, 0);
            return;
        }
        case 4: {
            Slope k = SlopeOf(p[4]);
            double L = P2, h = P3;
            double X1 = L * k.c, Y1 = L * k.s, Y3 = -h * k.c, Y4 = (X1 - P0 / 2) * k.t + Y3;
            put(0, 0)(X1, Y1)(2 * X1, 0)(2 * X1 - h * k.s, Y3)(X1 + P0 / 2, Y4)(X1 + P0 / 2, Y1 - P1)
               (X1 - P0 / 2, Y1 - P1)(X1 - P0 / 2, Y4)(h * k.s, Y3)(0, 0);
            return;
        }
        case 5: case 6:
            if ((code == 5) != legOpposite)
                put(0, 0)(0, P3)(P0 - P2, P3)(P0 - P2, P1)(P0, P1)(P0, 0)(0, 0);
            else
                put(0, 0)(0, P1)(P2, P1)(P2, P3)(P0, P3)(P0, 0)(0, 0);
            return;
        case 7: case 8:
            if ((code == 7) != legOpposite)
                put(0, 0)(0, P1)(P2, P1)(P2, P1 - P3)(P0, P1 - P3)(P0, 0)(0, 0);
            else
                put(0, P1 - P3)(0, P1)(P2, P1)(P2, 0)(P2 - P0, 0)(P2 - P0, P1 - P3)(0, P1 - P3);
            return;
        case 9: {
            Slope k = SlopeOf(p[2]);
            double L = P0, h = P1;
            double X1 = L * k.c, X3 = 2 * X1 - h * k.s, Y3 = -h * k.c;
            put(0, 0)(X1, L * k.s)(2 * X1, 0)(X3, Y3)(X1, (X3 - X1) * k.t + Y3)(h * k.s, -h * k.c)(0, 0);
            return;
        }
        case 10: {
            double W = P0 > P2 ? P0 : P2;
            double e0 = (W - P0) / 2, e1 = (W - P1) / 2, e2 = (W - P2) / 2;
            put(e0, 0)(e0, P4)(e1, P4)(e1, P3 - P5)(e2, P3 - P5)(e2, P3)(e2 + P2, P3)(e2 + P2, P3 - P5)
               (e1 + P1, P3 - P5)(e1 + P1, P4)(e0 + P0, P4)(e0 + P0, 0)(e0, 0);
            return;
        }
        case 11: case 12: {
            double H = P1 + P4;
            put(0, 0)(0, H)(P5 - P2, H)(P5 - P2, H + P3)(P5, H + P3)(P5, P1)(P0, P1)(P0, 0)(0, 0);
            return;
        }
        case 13:
            put(0, 0)(0, P2)(P1 - P3, P2)(P1 - P3, P0 - P2)(0, P0 - P2)(0, P0)(P1, P0)(P1, 0)(0, 0);
            return;
        case 14:
            put(0, 0)(0, P3)(P0 - P2, P3)(P0 - P2, P1 - P3)(0, P1 - P3)(0, P1)(P0, P1)(P0, 0)(0, 0);
            return;
        case 15: {
            double u = (P0 - P3) / 2, v = (P1 - P2) / 2;
            put(0, v + P2)(u, v + P2)(u, P1)(u + P3, P1)(u + P3, v + P2)(P0, v + P2)(P0, v)(u + P3, v)
               (u + P3, 0)(u, 0)(u, v)(0, v)(0, v + P2);
            return;
        }
        case SolidCircleShape:
            outline.SectionOutlineX[0] = p[0];
            outline.SectionOutlineLast = 1;
            return;
        case HollowCircleShape:
            outline.SectionOutlineX[0] = p[0];
            outline.SectionOutlineX[1] = p[1];
            outline.SectionOutlineLast = 2;
            return;
        default:
            put(0, 0)(0, 20)(20, 20)(20, 0)(0, 0);
            return;
    }
}

// Indexes of points 0 .. n - 1 in range of the outline arrays.
int32_t PolygonPointCount(const SectionOutline& outline) {
    int32_t n = outline.SectionOutlineLast;
    return n < 0 ? 0 : (n > SectionOutline::MaxPoints - 1 ? SectionOutline::MaxPoints - 1 : n);
}

void OrderPair(float x1, float x2, float& high, float& low) {
    high = x1 >= x2 ? x1 : x2;
    low = x1 >= x2 ? x2 : x1;
}

}  // namespace

void RotateOutline(SectionOutline& outline, float angleDeg) {
    double a = DegToRad(angleDeg);
    float s = static_cast<float>(std::sin(a)), c = static_cast<float>(std::cos(a));
    for (int32_t i = 0; i <= outline.SectionOutlineLast && i < SectionOutline::MaxPoints; ++i) {
        float x = outline.SectionOutlineX[i], y = outline.SectionOutlineY[i];
        outline.SectionOutlineX[i] = x * c + y * s;
        outline.SectionOutlineY[i] = -x * s + y * c;
    }
}

void MirrorOutlineX(SectionOutline& outline) {
    for (int32_t i = 0; i <= outline.SectionOutlineLast && i < SectionOutline::MaxPoints; ++i)
        outline.SectionOutlineX[i] = -outline.SectionOutlineX[i];
}

void MirrorOutlineY(SectionOutline& outline) {
    for (int32_t i = 0; i <= outline.SectionOutlineLast && i < SectionOutline::MaxPoints; ++i)
        outline.SectionOutlineY[i] = -outline.SectionOutlineY[i];
}

void ReverseOutline(SectionOutline& outline) {
    int32_t last = PolygonPointCount(outline);
    for (int32_t i = 1; i <= last / 2; ++i) {
        SwapValues(outline.SectionOutlineX[i], outline.SectionOutlineX[last - i]);
        SwapValues(outline.SectionOutlineY[i], outline.SectionOutlineY[last - i]);
    }
}

void CloseOutline(SectionOutline& outline) {
    int32_t last = PolygonPointCount(outline);
    if (outline.SectionOutlineLast < 0) return;
    outline.SectionOutlineX[last] = outline.SectionOutlineX[0];
    outline.SectionOutlineY[last] = outline.SectionOutlineY[0];
    float area = 0, momentY = 0, momentX = 0;
    for (int32_t j = 0; j < last; ++j)
        AccumulateCentroid(outline.SectionOutlineX[j + 1], outline.SectionOutlineY[j + 1],
                           outline.SectionOutlineX[j], outline.SectionOutlineY[j], area, momentY, momentX);
    if (std::fabs(area) <= 0.000001f) {
        outline.SectionOutlineSumX = 0;
        outline.SectionOutlineSumY = 0;
    } else {
        outline.SectionOutlineSumX = momentX / area;
        outline.SectionOutlineSumY = momentY / area;
    }
}

SectionOutline BuildSectionOutline(const SectionCatalogue& catalogue, int32_t sec, float angleDeg,
                                   int32_t mode) {
    SectionOutline outline;
    if (!catalogue.HasSection(sec)) return outline;
    const int32_t code = catalogue.SectionShape[sec];
    BuildConstruction(outline, code, catalogue.SectionParams[sec], mode);
    if (code == SolidCircleShape || code == HollowCircleShape) return outline;

    if (code == 3) {
        MirrorOutlineY(outline);
        ReverseOutline(outline);
    }
    if (code == 11) {
        MirrorOutlineX(outline);
        ReverseOutline(outline);
    }
    if (mode == OutlineMirroredY) {
        MirrorOutlineY(outline);
        ReverseOutline(outline);
    }
    CloseOutline(outline);
    for (int32_t i = 0; i <= outline.SectionOutlineLast; ++i) {
        outline.SectionOutlineX[i] -= outline.SectionOutlineSumX;
        outline.SectionOutlineY[i] -= outline.SectionOutlineSumY;
    }
    if (angleDeg != 0) RotateOutline(outline, angleDeg);
    return outline;
}

SectionEdgeOffsets ComputeSectionEdgeOffsets(const SectionCatalogue& catalogue, int32_t sec,
                                             float angleDeg) {
    SectionEdgeOffsets offsets;
    if (!catalogue.HasSection(sec)) return offsets;
    const int32_t sectionClass = catalogue.SectionClass[sec];
    if (sectionClass != ParametricSection) {
        if (sectionClass == CatalogueProfile || sectionClass == CoupledProfiles) {
            ServerEdgeOffsets q = ComputeServerSectionEdgeOffsets(catalogue, sec, angleDeg);
            offsets = {q.R1, q.R2, q.Q1, q.Q2};
        }
        return offsets;
    }

    const int32_t code = catalogue.SectionShape[sec];
    if (code == SolidCircleShape || code == HollowCircleShape) {
        // A circle reaches its radius on either side, whatever the angle.
        float r = std::fabs(catalogue.SectionParams[sec][0]);
        return {r, -r, r, -r};
    }

    SectionOutline outline = BuildSectionOutline(catalogue, sec, angleDeg, OutlineLegOpposite);
    const int32_t n = PolygonPointCount(outline);
    if (n < 1) return offsets;
    const auto& x = outline.SectionOutlineX;
    const auto& y = outline.SectionOutlineY;

    // The first highest point, then the last of the others at the greatest height.
    int32_t first = 0, second = 0;
    float best = y[0];
    for (int32_t j = 1; j < n; ++j)
        if (y[j] > best) best = y[first = j];
    best = -9999999.0f;
    for (int32_t j = 1; j < n; ++j)
        if (j != first && y[j] >= best) best = y[second = j];
    OrderPair(x[first], x[second], offsets.A1, offsets.A2);

    // The same with the lowest points; the second index keeps what the search above left.
    first = 0;
    best = y[0];
    for (int32_t j = 1; j < n; ++j)
        if (y[j] < best) best = y[first = j];
    best = 9999999.0f;
    for (int32_t j = 1; j < n; ++j)
        if (j != first && y[j] <= best) best = y[second = j];
    OrderPair(x[first], x[second], offsets.B1, offsets.B2);
    return offsets;
}

ServerEdgeOffsets ComputeServerSectionEdgeOffsets(const SectionCatalogue& catalogue, int32_t sec,
                                                  float angleDeg) {
    ServerEdgeOffsets q;
    const ServerSection* profile = catalogue.ServerSectionOf(sec);
    if (!profile) return q;
    double hh = profile->Height / 2.0, hw = profile->Width / 2.0;
    const double cy = profile->CentroidOffsetY, cx = profile->CentroidOffsetX;
    const double a = DegToRad(angleDeg);
    const double s = std::sin(a), c = std::cos(a);
    auto f = [&](double h) { return static_cast<float>(std::fabs(h * c - hw * s)); };
    const int32_t code = catalogue.SectionShape[sec];

    if (catalogue.SectionClass[sec] == CoupledProfiles) {
        const double g = catalogue.SectionParams[sec][1] / 20.0;
        switch (code) {
            case 3:
                SwapValues(hh, hw);
                [[fallthrough]];
            case 1: case 2: case 4: case 5: case 8:
                q.Q1 = f(g + 2 * hh);
                q.R1 = f(g);
                break;
            case 6: case 7: case 9: case 10: case 11: case 12: case 13:
                q.Q1 = f(g);
                q.R1 = f(g - 2 * hh);
                break;
            case 14: case 15: case 16: case 17:
                q.Q1 = q.R1 = f(hh);
                break;
            default:
                return q;
        }
        q.Q2 = -q.Q1;
        q.R2 = -q.R1;
        return q;
    }

    switch (code) {
        case 1: case 2: case 3: case 4: case 5: case 9: case 10:
            q.Q1 = f(hh);
            q.Q2 = -q.Q1;
            break;
        case 6: case 7:
            q.Q1 = static_cast<float>(-(cy * c - cx * s));
            q.Q2 = static_cast<float>((2 * hh - cy) * c - (hw - cx) * s);
            break;
        case 8:
            q.Q1 = static_cast<float>(-(cy * c - hw * s));
            q.Q2 = static_cast<float>((2 * hh - cy) * c - hw * s);
            break;
        default:
            return q;
    }
    q.R1 = q.Q1;
    q.R2 = q.Q2;
    return q;
}

#include "drawing/SectionShapes.h"

#include <algorithm>
#include <cmath>

#include "model/geometry/Geometry.h"
#include "state/LayerRows.h"

namespace {

using Points = std::vector<float>;

class OutlineBuilder {
public:
    OutlineBuilder(float angleDeg, float x, float y) : angleDeg_(angleDeg), x_(x), y_(y) {}

    // One copy: an open polyline through the points, or three separate segments (0-1, 2-3, 4-5).
    void Copy(const Points& xs, const Points& ys, bool segmentsOnly) {
        Points ox(xs.size()), oy(ys.size());
        RotatePointArrays(xs, ys, angleDeg_, ox, oy, x_, y_);
        if (segmentsOnly) {
            for (size_t i = 0; i + 1 < 6 && i + 1 < ox.size(); i += 2) Add(ox, oy, i, i + 1);
        } else {
            for (size_t i = 0; i + 1 < ox.size(); ++i) Add(ox, oy, i, i + 1);
        }
        lastX_ = std::move(ox);
        lastY_ = std::move(oy);
    }

    // The copy, then its mirror across the local y axis.
    void CopyAndMirror(Points xs, const Points& ys, bool segmentsOnly) {
        Copy(xs, ys, segmentsOnly);
        for (float& v : xs) v = -v;
        Copy(xs, ys, segmentsOnly);
    }

    // A line from the last point of the copy just drawn back to its first.
    void CloseLastCopy() {
        if (lastX_.size() >= 2) Add(lastX_, lastY_, lastX_.size() - 1, 0);
    }

    SectionShapeOutline outline;

private:
    void Add(const Points& xs, const Points& ys, size_t a, size_t b) {
        outline.segments.push_back({xs[a], ys[a], xs[b], ys[b]});
    }

    float angleDeg_, x_, y_;
    Points lastX_, lastY_;
};

void BuildSingleProfile(OutlineBuilder& b, int32_t shape, float h, float w, float cx, float cy) {
    switch (shape) {
        case 1: case 2: case 3: case 4: case 5:
            b.Copy({0, 0, h, -h, h, -h}, {w, -w, w, w, -w, -w}, true);
            break;
        case 6: case 7:
            b.Copy({-cy, -cy, 2 * h - cy}, {cx - 2 * w, cx, cx}, false);
            break;
        case 8:
            b.Copy({cy - 2 * h, cy, cy, cy - 2 * h}, {-w, -w, w, w}, false);
            break;
        case 9:
            b.Copy({-w, w, w, -w}, {-w, -w, w, w}, false);
            b.CloseLastCopy();
            break;
        case 10:
            b.outline.circleRadius = w;
            break;
        default:
            break;
    }
}

void BuildCoupledProfiles(OutlineBuilder& b, int32_t shape, float h, float w, float p) {
    const float t = p == 0 ? 0.2f : p;
    const float tn = p == 0 ? -0.2f : -p;
    switch (shape) {
        case 1: case 3: case 4:
            b.CopyAndMirror({tn, tn, tn - 2 * h}, {-2 * w, 0, 0}, false);
            break;
        case 2:
            b.Copy({-t, -t, -t - 2 * h}, {t + 2 * w, t, t}, false);
            b.Copy({t, t, t + 2 * h}, {-(t + 2 * w), -t, -t}, false);
            break;
        case 5:
            b.CopyAndMirror({-t, -t, -t - 2 * h}, {t + 2 * w, t, t}, false);
            b.CopyAndMirror({-tn, -tn, 2 * h - tn}, {tn - 2 * w, tn, tn}, false);
            break;
        case 6:
            b.CopyAndMirror({2 * h - t, -t, -t}, {t, t, t - 2 * w}, false);
            b.CopyAndMirror({2 * h - t, -t, -t}, {-t, -t, 2 * w - t}, false);
            break;
        case 7:
            b.CopyAndMirror({2 * h - t, -t, -t, 2 * h - t}, {w, w, -w, -w}, false);
            break;
        case 8:
            b.CopyAndMirror({-t - 2 * h, -t, -t, -t - 2 * h}, {w, w, -w, -w}, false);
            break;
        case 9: case 10: case 11: case 12: case 13: {
            const float u = p - h;
            b.CopyAndMirror({u, u, u + h, u - h, u + h, u - h}, {w, -w, w, w, -w, -w}, true);
            break;
        }
        case 14: case 15: case 16: case 17:
            b.outline.circleRadius = h;
            break;
        default:
            break;
    }
}

}  // namespace

float SectionShapeOutline::RightReach(float x) const {
    float reach = std::max(circleRadius, 0.0f);
    for (const ShapeSegment& s : segments) reach = std::max({reach, s.x1 - x, s.x2 - x});
    return reach;
}

void RotatePointArrays(std::span<const float> xs, std::span<const float> ys, float angleDeg, std::span<float> outX,
                       std::span<float> outY, float px, float py) {
    const double a = DegToRad(angleDeg);
    const double c = std::cos(a), s = std::sin(a);
    const size_t n = std::min({xs.size(), ys.size(), outX.size(), outY.size()});
    for (size_t i = 0; i < n; ++i) {
        outX[i] = static_cast<float>(xs[i] * c - ys[i] * s + px);
        outY[i] = static_cast<float>(xs[i] * s + ys[i] * c + py);
    }
}

SectionShapeOutline BuildSectionShape(const SectionCatalogue& catalogue, int32_t sec, float angleDeg, float x,
                                      float y) {
    OutlineBuilder b(angleDeg, x, y);
    const ServerSection* profile = catalogue.ServerSectionOf(sec);
    if (profile == nullptr) return std::move(b.outline);
    const float h = profile->Height / 2, w = profile->Width / 2;
    const int32_t shape = catalogue.SectionShape[static_cast<size_t>(sec)];
    if (catalogue.SectionClass[static_cast<size_t>(sec)] == CatalogueProfile)
        BuildSingleProfile(b, shape, h, w, profile->CentroidOffsetX, profile->CentroidOffsetY);
    else
        BuildCoupledProfiles(b, shape, h, w, catalogue.SectionParams[static_cast<size_t>(sec)][1] / 20);
    return std::move(b.outline);
}

void DrawSectionShape(PlanOutput& out, const SectionCatalogue& catalogue, int32_t sec, float angleDeg, float x,
                      float y) {
    const SectionShapeOutline outline = BuildSectionShape(catalogue, sec, angleDeg, x, y);
    for (const ShapeSegment& s : outline.segments)
        out.Line(s.x1, s.y1, s.x2, s.y2, LayerRow::SteelPillars, LineStyle::ByLayer);
    if (outline.circleRadius > 0) out.Circle(x, y, outline.circleRadius, LayerRow::SteelPillars, LineStyle::ByLayer);
}

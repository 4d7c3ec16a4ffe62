#include "drawing/MemberAxes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "drawing/Primitives.h"
#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/sections/SectionOutlines.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr LineStyle BrokenLine = LineStyle::Dashed;

struct MemberEnds {
    float x1, y1, x2, y2;
};

// The two ends of a member: each node point moved by its own offsets; none when a node index lies
// outside the node table.
std::optional<MemberEnds> EndsOf(const Model& m, int32_t nodeI, int32_t nodeJ, float oxi, float oyi, float oxj,
                                 float oyj) {
    if (!IsNodeIndex(m, nodeI) || !IsNodeIndex(m, nodeJ)) return std::nullopt;
    const Node& a = m.Nodes[static_cast<size_t>(nodeI)];
    const Node& b = m.Nodes[static_cast<size_t>(nodeJ)];
    return MemberEnds{a.X + oxi, a.Y + oyi, b.X + oxj, b.Y + oyj};
}

std::optional<MemberEnds> EndsOf(const Model& m, const BeamElement& e) {
    return EndsOf(m, e.NodeI, e.NodeJ, e.OffsetXI, e.OffsetYI, e.OffsetXJ, e.OffsetYJ);
}

std::optional<MemberEnds> EndsOf(const Model& m, const WallSegment& w) {
    return EndsOf(m, w.NodeI, w.NodeJ, w.OffsetXI, w.OffsetYI, w.OffsetXJ, w.OffsetYJ);
}

int32_t BeamCount(const Model& m) { return UsableCount(m.BeamElementCount, m.BeamElements); }

int32_t WallCount(const Model& m) { return UsableCount(m.WallSegmentCount, m.WallSegments); }

void DrawSectionMark(PlanPass& pass, const BeamElement& e, const MemberEnds& p) {
    const Model& m = pass.model();
    const int32_t sec = m.Catalogue.SectionIndexOf(e.SectionNumber);
    const SectionEdgeOffsets faces = ComputeSectionEdgeOffsets(m.Catalogue, sec, e.SectionAngle);
    const LineAngleSinCos axis = ComputeLineAngleRadSinCos(p.x1, p.y1, p.x2, p.y2);
    const float mx = ((p.x1 + p.x2) * 0.5f + p.x1) * 0.5f;
    const float my = ((p.y1 + p.y2) * 0.5f + p.y1) * 0.5f;
    const float d1 = std::max(std::fabs(faces.A1), std::fabs(faces.B1)) + 20.0f;
    const float d2 = std::max(std::fabs(faces.A2), std::fabs(faces.B2)) + 20.0f;
    const float q1x = mx + d1 * axis.SinA, q1y = my - d1 * axis.CosA;
    const float q2x = mx - d2 * axis.SinA, q2y = my + d2 * axis.CosA;
    pass.out.Line(q1x, q1y, q2x, q2y, LayerRow::Sections, BrokenLine);

    float o1x = 0, o1y = 0, o2x = 0, o2y = 0;
    OffsetSegmentLeft(q1x, q1y, q2x, q2y, 24.0f * pass.k.f, o1x, o1y, o2x, o2y);
    const std::string label = std::to_string(e.SectionNumber);
    const float angleDeg = RadToDeg(axis.Angle);
    pass.out.Text(o1x, o1y, label, TextKind::Medium, LayerRow::Sections, HAlign::Left, VAlign::Middle, angleDeg);
    pass.out.Text(o2x, o2y, label, TextKind::Medium, LayerRow::Sections, HAlign::Left, VAlign::Middle, angleDeg);

    auto& used = pass.Legend.BeamSectionUsed;
    if (sec >= 0 && static_cast<size_t>(sec) < used.size()) used[static_cast<size_t>(sec)] = 1;
}

// Walks the runs of consecutive equal keys and hands each run's first and last index over.
template <class KeyOf, class OnRun>
void ForEachRun(int32_t count, KeyOf keyOf, OnRun onRun) {
    int32_t start = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (i + 1 < count && keyOf(i + 1) == keyOf(i)) continue;
        onRun(start, i);
        start = i + 1;
    }
}

// " 30x50" sizes of a rectangular parametric section, for beam labels that carry them.
std::string RectangularSizes(const SectionCatalogue& c, int32_t sec) {
    if (!c.HasSection(sec) || c.SectionClass[static_cast<size_t>(sec)] != ParametricSection ||
        c.SectionShape[static_cast<size_t>(sec)] != 1)
        return {};
    const SectionParamRow& p = c.SectionParams[static_cast<size_t>(sec)];
    return "  " + FormatForReading(p[0]) + "x" + FormatForReading(p[1]);
}

}  // namespace

int32_t MiddleOfRun(int32_t first, int32_t last) {
    return static_cast<int32_t>(std::nearbyint((static_cast<double>(first) + last) / 2.0));
}

void DrawMemberAxesAndSectionMarks(PlanPass& pass) {
    if (!pass.On(LayerRow::Axes)) return;
    const Model& m = pass.model();
    const bool marks = pass.On(LayerRow::Sections);
    for (int32_t i = 0; i < BeamCount(m); ++i) {
        const BeamElement& e = m.BeamElements[static_cast<size_t>(i)];
        const auto ends = EndsOf(m, e);
        if (!ends) continue;
        pass.out.Line(ends->x1, ends->y1, ends->x2, ends->y2, LayerRow::Axes, BrokenLine);
        if (!marks) continue;
        const BeamElement* before = i > 0 ? &m.BeamElements[static_cast<size_t>(i - 1)] : nullptr;
        if (before == nullptr || before->BeamNumber != e.BeamNumber || before->SectionNumber != e.SectionNumber)
            DrawSectionMark(pass, e, *ends);
    }
    for (int32_t i = 0; i < WallCount(m); ++i) {
        const auto ends = EndsOf(m, m.WallSegments[static_cast<size_t>(i)]);
        if (ends) pass.out.Line(ends->x1, ends->y1, ends->x2, ends->y2, LayerRow::Axes, BrokenLine);
    }
}

void DrawBeamLabels(PlanPass& pass) {
    const Model& m = pass.model();
    if (BeamCount(m) == 0 || !pass.On(LayerRow::BeamTexts)) return;
    const bool withSizes = pass.session.dxf.BeamSectionLabels != 0;
    ForEachRun(
        BeamCount(m), [&](int32_t i) { return m.BeamElements[static_cast<size_t>(i)].BeamNumber; },
        [&](int32_t first, int32_t last) {
            const BeamElement& middle = m.BeamElements[static_cast<size_t>(MiddleOfRun(first, last))];
            if (middle.BeamNumber <= -1) return;
            const auto ends = EndsOf(m, middle);
            if (!ends) return;
            std::string text = (pass.english() ? "B." : "Tr.") + std::to_string(middle.BeamNumber);
            if (withSizes) text += RectangularSizes(m.Catalogue, m.Catalogue.SectionIndexOf(middle.SectionNumber));
            DrawTextAlongSegment(pass.out, ends->x1, ends->y1, ends->x2, ends->y2, text, LayerRow::BeamTexts,
                                 TextKind::Medium);
        });
}

void DrawWallLabels(PlanPass& pass) {
    const Model& m = pass.model();
    if (WallCount(m) == 0 || !pass.On(LayerRow::WallTexts)) return;
    ForEachRun(
        WallCount(m), [&](int32_t i) { return m.WallSegments[static_cast<size_t>(i)].GroupId; },
        [&](int32_t first, int32_t last) {
            const WallSegment& middle = m.WallSegments[static_cast<size_t>(MiddleOfRun(first, last))];
            const auto ends = EndsOf(m, middle);
            if (!ends) return;
            const std::string text = (pass.english() ? "W." : "M.") + std::to_string(middle.GroupId);
            DrawTextAlongSegment(pass.out, ends->x1, ends->y1, ends->x2, ends->y2, text, LayerRow::WallTexts,
                                 TextKind::Medium);
        });
}

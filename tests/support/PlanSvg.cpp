#include "tests/support/PlanSvg.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

namespace {

struct Frame {
    float MinX = std::numeric_limits<float>::max(), MinY = MinX;
    float MaxX = std::numeric_limits<float>::lowest(), MaxY = MaxX;
    void Take(float x, float y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        MinX = std::min(MinX, x);
        MinY = std::min(MinY, y);
        MaxX = std::max(MaxX, x);
        MaxY = std::max(MaxY, y);
    }
};

bool IsPoint(const Model& m, int32_t i) { return i >= 0 && i < m.PlanNodeCount && i < static_cast<int32_t>(m.PlanNodes.size()); }
bool IsNode(const Model& m, int32_t i) { return i >= 0 && i < m.NodeCount && i < static_cast<int32_t>(m.Nodes.size()); }

void Line(std::ofstream& out, float x1, float y1, float x2, float y2, const char* style) {
    out << "<line x1='" << x1 << "' y1='" << -y1 << "' x2='" << x2 << "' y2='" << -y2 << "' style='" << style
        << "'/>\n";
}

void Edges(std::ofstream& out, const Model& m, const std::vector<EdgeLine>& edges, int32_t count, const char* face,
           const char* end) {
    for (int32_t k = 0; k < count && k < static_cast<int32_t>(edges.size()); ++k) {
        const EdgeLine& e = edges[k];
        if (!IsPoint(m, e.PlanNodeA) || !IsPoint(m, e.PlanNodeB)) continue;
        const PlanPoint &a = m.PlanNodes[e.PlanNodeA], &b = m.PlanNodes[e.PlanNodeB];
        Line(out, a.X, a.Y, b.X, b.Y, e.Owner > 0 ? face : end);
    }
}

template <class Member>
void Axes(std::ofstream& out, const Model& m, const std::vector<Member>& members, int32_t count) {
    for (int32_t k = 0; k < count && k < static_cast<int32_t>(members.size()); ++k) {
        if (!IsNode(m, members[k].NodeI) || !IsNode(m, members[k].NodeJ)) continue;
        const Node &a = m.Nodes[members[k].NodeI], &b = m.Nodes[members[k].NodeJ];
        Line(out, a.X, a.Y, b.X, b.Y, "stroke:#bbb;stroke-width:0.5;stroke-dasharray:4 2");
    }
}

}  // namespace

void WritePlanSvg(const Model& m, const std::string& name) {
    const std::filesystem::path folder = DRAVO_SVG_FOLDER;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::ofstream out(folder / (name + ".svg"));
    if (!out) return;

    Frame f;
    for (int32_t i = 0; i < m.NodeCount && i < static_cast<int32_t>(m.Nodes.size()); ++i) f.Take(m.Nodes[i].X, m.Nodes[i].Y);
    for (int32_t i = 0; i < m.PlanNodeCount && i < static_cast<int32_t>(m.PlanNodes.size()); ++i)
        f.Take(m.PlanNodes[i].X, m.PlanNodes[i].Y);
    if (f.MinX > f.MaxX) f = {0, 0, 100, 100};
    const float margin = 20 + 0.05f * std::max(f.MaxX - f.MinX, f.MaxY - f.MinY);
    out << "<svg xmlns='http://www.w3.org/2000/svg' viewBox='" << f.MinX - margin << ' ' << -f.MaxY - margin << ' '
        << f.MaxX - f.MinX + 2 * margin << ' ' << f.MaxY - f.MinY + 2 * margin << "'>\n";

    // Hatch loops under everything else.
    for (int32_t k = 0; k < m.HatchLoopLongCount && k < static_cast<int32_t>(m.HatchLoops.size());) {
        const int32_t n = -m.HatchLoops[k++];
        if (n <= 0) continue;
        out << "<polygon style='fill:#ddd;stroke:none' points='";
        for (int32_t v = 0; v < n && k < static_cast<int32_t>(m.HatchLoops.size()); ++v, ++k)
            if (IsPoint(m, m.HatchLoops[k]))
                out << m.PlanNodes[m.HatchLoops[k]].X << ',' << -m.PlanNodes[m.HatchLoops[k]].Y << ' ';
        out << "'/>\n";
    }
    // Slab outlines: floor slabs green, concrete slabs' outer list purple, inner list dashed.
    auto outline = [&](const IndexRows& rows, const std::vector<int32_t>& counts, size_t slab, const char* style) {
        if (slab >= rows.size() || slab >= counts.size()) return;
        out << "<polygon style='fill:none;" << style << "' points='";
        for (int32_t v = 0; v < counts[slab] && v < static_cast<int32_t>(rows[slab].size()); ++v)
            if (IsPoint(m, rows[slab][v]))
                out << m.PlanNodes[rows[slab][v]].X << ',' << -m.PlanNodes[rows[slab][v]].Y << ' ';
        out << "'/>\n";
    };
    for (int32_t i = 0; i < m.FloorSlabCount; ++i)
        outline(m.FloorSlabOutline, m.FloorSlabOutlineCount, i, "stroke:#2e7d32;stroke-width:2");
    for (int32_t i = 0; i < m.ConcreteSlabCount; ++i) {
        outline(m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, i, "stroke:#6a1b9a;stroke-width:2");
        outline(m.ConcreteSlabOutline2, m.ConcreteSlabOutline2Count, i, "stroke:#ab47bc;stroke-width:1;stroke-dasharray:4 3");
    }
    // Masonry borders: the four corners of each wall and lintel.
    auto masonry = [&](const std::vector<MasonryElement>& elements, int32_t count) {
        for (int32_t i = 0; i < count && i < static_cast<int32_t>(elements.size()); ++i) {
            const MasonryElement& e = elements[i];
            const int32_t corners[] = {e.BorderA1, e.BorderB1, e.BorderB2, e.BorderA2};
            out << "<polygon style='fill:#fff3e0;stroke:#5d4037;stroke-width:1' points='";
            for (int32_t c : corners)
                if (IsPoint(m, c)) out << m.PlanNodes[c].X << ',' << -m.PlanNodes[c].Y << ' ';
            out << "'/>\n";
        }
    };
    masonry(m.MasonryWalls, m.MasonryWallCount);
    masonry(m.MasonryBeams, m.MasonryBeamCount);
    for (int32_t i = 0; i < m.DimensionCount && i < static_cast<int32_t>(m.Dimensions.size()); ++i) {
        const Dimension& d = m.Dimensions[i];
        out << "<line x1='" << d.LineX1 << "' y1='" << -d.LineY1 << "' x2='" << d.LineX2 << "' y2='" << -d.LineY2
            << "' style='stroke:#1b5e20;stroke-width:0.8'/><text x='" << (d.LineX1 + d.LineX2) / 2 << "' y='"
            << -(d.LineY1 + d.LineY2) / 2 - 3 << "' font-size='14' fill='#1b5e20'>" << d.Text << "</text>\n";
    }
    Axes(out, m, m.BeamElements, m.BeamElementCount);
    Axes(out, m, m.WallSegments, m.WallSegmentCount);
    Edges(out, m, m.BeamExtradosEdges, m.BeamExtradosEdgeCount, "stroke:#1565c0;stroke-width:1",
          "stroke:#ef6c00;stroke-width:1");
    Edges(out, m, m.BeamIntradosEdges, m.BeamIntradosEdgeCount, "stroke:#00acc1;stroke-width:0.6;stroke-dasharray:3 2",
          "stroke:#ffa726;stroke-width:0.6;stroke-dasharray:3 2");
    Edges(out, m, m.WallEdges, m.WallEdgeCount, "stroke:#000;stroke-width:1", "stroke:#e53935;stroke-width:1");
    for (int32_t i = 0; i < m.NodeCount && i < static_cast<int32_t>(m.Nodes.size()); ++i)
        out << "<circle cx='" << m.Nodes[i].X << "' cy='" << -m.Nodes[i].Y << "' r='1.5' style='fill:#888'/>\n";
    for (int32_t i = 0; i < m.PlanNodeCount && i < static_cast<int32_t>(m.PlanNodes.size()); ++i) {
        const PlanPoint& p = m.PlanNodes[i];
        out << "<circle cx='" << p.X << "' cy='" << -p.Y << "' r='1' style='fill:#c62828'/>"
            << "<text x='" << p.X + 1.5 << "' y='" << -p.Y - 1.5 << "' font-size='4' fill='#c62828'>" << i
            << "</text>\n";
    }
    out << "</svg>\n";
}

#include "design/SlabInputFile.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/files/DataFileWriter.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/sections/SectionOutlines.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr int32_t FileKind = 4;
constexpr int32_t EndOfBlock = -1;
constexpr int32_t CatalogueRecord = 0;
constexpr int32_t FaceRecord = 2;
constexpr int32_t FootingRecord = 0;
constexpr float CircularFootingShape = 3;
constexpr float SameVertex = 0.001f;  // cm, in x and in y

// The slab's first outline list: n vertices, every one a plan point.
std::optional<std::vector<int32_t>> OutlineOf(const Model& m, int32_t slab) {
    if (slab < 0 || slab >= UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs)) return std::nullopt;
    if (slab >= UsableCount(static_cast<int32_t>(m.ConcreteSlabOutline.size()), m.ConcreteSlabOutlineCount))
        return std::nullopt;
    const std::vector<int32_t>& row = m.ConcreteSlabOutline[static_cast<size_t>(slab)];
    const int32_t n = UsableCount(m.ConcreteSlabOutlineCount[static_cast<size_t>(slab)], row);
    if (n < 3) return std::nullopt;
    std::vector<int32_t> outline(row.begin(), row.begin() + n);
    if (!std::all_of(outline.begin(), outline.end(), [&](int32_t p) { return IsPlanPointIndex(m, p); }))
        return std::nullopt;
    return outline;
}

// Twice the area with the sign that is positive for a clockwise turn (y up).
double ClockwiseArea2(const std::vector<PlanPoint>& points, size_t n) {
    double sum = 0;
    for (size_t i = 0; i < n; ++i) {
        const PlanPoint& a = points[i];
        const PlanPoint& b = points[(i + 1) % n];
        sum += static_cast<double>(b.X) * a.Y - static_cast<double>(a.X) * b.Y;
    }
    return sum;
}

class SlabFileWriter {
public:
    SlabFileWriter(const Model& m, const std::vector<int32_t>& outline) : m_(m), outline_(outline) {
        shiftX_ = m.Header.ModelOriginX;
        shiftY_ = m.Header.ModelOriginY;
        for (int32_t p : outline) copy_.push_back(m.PlanNodes[static_cast<size_t>(p)]);
        copy_.push_back(copy_.front());
    }

    SlabInputFile Write(int32_t slab) {
        const ConcreteSlab& s = m_.ConcreteSlabs[static_cast<size_t>(slab)];
        SlabInputFile file;
        w_.Int(FileKind).EndLine().Int(s.Id).EndLine().Int(0).EndLine();
        float minX = 1.0E9f, minY = 1.0E9f;
        for (const PlanPoint& p : copy_) minX = std::min(minX, p.X), minY = std::min(minY, p.Y);
        w_.Real(minX + shiftX_, 3).Real(minY + shiftY_, 3).EndLine();
        w_.Int(static_cast<int64_t>(outline_.size())).EndLine();
        file.OutlineReversed = ClockwiseArea2(copy_, outline_.size()) >= 0;
        std::vector<int32_t> written = outline_;
        if (file.OutlineReversed) std::reverse(written.begin(), written.end());
        for (int32_t p : written) Point(m_.PlanNodes[static_cast<size_t>(p)]);

        InnerRegions();
        w_.Int(EndOfBlock).EndLine();
        Pillars();
        w_.Int(EndOfBlock).EndLine();
        Faces(m_.WallEdgeCount, m_.WallEdges);
        w_.Int(EndOfBlock).EndLine();
        Faces(m_.BeamExtradosEdgeCount, m_.BeamExtradosEdges);
        w_.Int(EndOfBlock).EndLine();
        CircularFootings();
        w_.Int(EndOfBlock).EndLine();
        w_.Real(s.Thickness, 2).EndLine();
        w_.Line(SlabResultFileName(s.Id));
        file.Text = w_.TakeOutput();
        return file;
    }

private:
    bool Inside(float x, float y, bool edgeCounts) {
        return IsPointInPolygon(x, y, copy_, static_cast<int32_t>(outline_.size()), edgeCounts);
    }

    void Point(float x, float y) { w_.Real(x + shiftX_, 2).Real(y + shiftY_, 2).EndLine(); }
    void Point(const PlanPoint& p) { Point(p.X, p.Y); }

    // Regions of any slab with a corner strictly inside this one, unless their outline takes in
    // every vertex of this slab's outline.
    void InnerRegions() {
        const int32_t slabs = UsableCount(m_.ConcreteSlabCount, m_.ConcreteSlabs);
        for (int32_t r = 0; r < slabs; ++r) {
            const ConcreteSlab& region = m_.ConcreteSlabs[static_cast<size_t>(r)];
            if (region.Kind == 0 || !HasCornerInside(r, region.VertexCount)) continue;
            const std::optional<std::vector<int32_t>> outline = RegionOutline(r);
            if (!outline || CoversEveryVertex(*outline, region.VertexCount)) continue;
            w_.Int(static_cast<int64_t>(outline->size())).EndLine();
            for (int32_t p : *outline) Point(m_.PlanNodes[static_cast<size_t>(p)]);
        }
    }

    bool HasCornerInside(int32_t r, int32_t vertexCount) {
        if (r >= static_cast<int64_t>(m_.ConcreteSlabModelPolygon.size())) return false;
        const std::vector<int32_t>& polygon = m_.ConcreteSlabModelPolygon[static_cast<size_t>(r)];
        for (int32_t k = 0; k < UsableCount(vertexCount, polygon); ++k) {
            const int32_t node = polygon[static_cast<size_t>(k)];
            if (!IsNodeIndex(m_, node)) continue;
            const Node& at = m_.Nodes[static_cast<size_t>(node)];
            if (Inside(at.X, at.Y, false)) return true;
        }
        return false;
    }

    // The region's outline, positions 0 .. count - 1, when every one of them is a plan point.
    std::optional<std::vector<int32_t>> RegionOutline(int32_t r) {
        if (r >= static_cast<int64_t>(m_.ConcreteSlabOutline.size()) ||
            r >= static_cast<int64_t>(m_.ConcreteSlabOutlineCount.size()))
            return std::nullopt;
        const std::vector<int32_t>& row = m_.ConcreteSlabOutline[static_cast<size_t>(r)];
        std::vector<int32_t> outline(row.begin(), row.begin() + UsableCount(m_.ConcreteSlabOutlineCount[static_cast<size_t>(r)], row));
        if (!std::all_of(outline.begin(), outline.end(), [&](int32_t p) { return IsPlanPointIndex(m_, p); }))
            return std::nullopt;
        return outline;
    }

    // Walks as many of the region's outline positions as its model polygon has corners, each
    // marking the first vertex of this slab at the same place.
    bool CoversEveryVertex(const std::vector<int32_t>& region, int32_t vertexCount) {
        std::vector<bool> marked(outline_.size(), false);
        const int32_t walked = std::clamp<int32_t>(vertexCount, 0, static_cast<int32_t>(region.size()));
        for (int32_t k = 0; k < walked; ++k) {
            const PlanPoint& p = m_.PlanNodes[static_cast<size_t>(region[static_cast<size_t>(k)])];
            for (size_t v = 0; v < outline_.size(); ++v) {
                const PlanPoint& q = copy_[v];
                if (std::abs(q.X - p.X) < SameVertex && std::abs(q.Y - p.Y) < SameVertex) {
                    marked[v] = true;
                    break;
                }
            }
        }
        return std::all_of(marked.begin(), marked.end(), [](bool b) { return b; });
    }

    // A pillar whose section the catalogue does not hold has no record to write and is left out.
    void Pillars() {
        const SectionCatalogue& c = m_.Catalogue;
        for (int32_t i = 0; i < UsableCount(m_.PillarCount, m_.Pillars); ++i) {
            const Pillar& p = m_.Pillars[static_cast<size_t>(i)];
            const int32_t sec = c.SectionIndexOf(p.SectionNumber);
            if (!IsNodeIndex(m_, p.Node) || !c.HasSection(sec)) continue;
            const Node& node = m_.Nodes[static_cast<size_t>(p.Node)];
            const float x = node.X + p.OffsetX, y = node.Y + p.OffsetY;
            if (!Inside(x, y, true)) continue;
            if (c.SectionClass[static_cast<size_t>(sec)] > 0) {
                w_.Int(CatalogueRecord).EndLine().Int(p.PillarNumber).Int(p.Side).EndLine();
                Point(x, y);
                w_.Int(p.SectionNumber).Real(p.Angle, 2).EndLine();
                continue;
            }
            const SectionOutline outline = BuildSectionOutline(c, sec, p.Angle, OutlineMirroredY);
            const int32_t corners = std::min<int32_t>(outline.SectionOutlineLast, SectionOutline::MaxPoints);
            if (corners < 1) continue;
            w_.Int(corners).EndLine().Int(p.PillarNumber).Int(p.Side).EndLine();
            Point(x, y);
            if (corners < 3) {
                w_.Real(outline.SectionOutlineX[0], 2).EndLine();
                continue;
            }
            for (int32_t k = 0; k < corners; ++k)
                Point(x + outline.SectionOutlineX[static_cast<size_t>(k)], y - outline.SectionOutlineY[static_cast<size_t>(k)]);
        }
    }

    void Faces(int32_t count, const std::vector<EdgeLine>& edges) {
        for (int32_t i = 0; i < UsableCount(count, edges); ++i) {
            const EdgeLine& e = edges[static_cast<size_t>(i)];
            if (!IsPlanPointIndex(m_, e.PlanNodeA) || !IsPlanPointIndex(m_, e.PlanNodeB)) continue;
            const PlanPoint& a = m_.PlanNodes[static_cast<size_t>(e.PlanNodeA)];
            const PlanPoint& b = m_.PlanNodes[static_cast<size_t>(e.PlanNodeB)];
            if (!Inside((a.X + b.X) / 2, (a.Y + b.Y) / 2, true)) continue;
            w_.Int(FaceRecord).EndLine().Int(e.Owner).EndLine();
            Point(a);
            Point(b);
        }
    }

    void CircularFootings() {
        for (int32_t i = 0; i < UsableCount(m_.NodeCount, m_.Nodes); ++i) {
            const Node& node = m_.Nodes[static_cast<size_t>(i)];
            const FootingType* type = m_.Catalogue.FootingTypeOf(node.FootingType);
            if (type == nullptr || type->Shape != CircularFootingShape || !Inside(node.X, node.Y, true)) continue;
            w_.Int(FootingRecord).EndLine();
            w_.Real(node.X + shiftX_, 2).Real(node.Y + shiftY_, 2).Real(type->Dims[1] / 2, 2).EndLine();
        }
    }

    const Model& m_;
    const std::vector<int32_t>& outline_;
    std::vector<PlanPoint> copy_;  // the outline's points, the first repeated at the end
    float shiftX_ = 0, shiftY_ = 0;
    DataFileWriter w_;
};

std::string ZeroPadded(int32_t id, size_t digits) {
    std::string text = std::to_string(id < 0 ? -static_cast<int64_t>(id) : id);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return id < 0 ? "-" + text : text;
}

}  // namespace

std::string SlabResultFileName(int32_t id) { return "gus" + ZeroPadded(id, 5) + ".mpi"; }

std::string SlabInputFileName(int32_t id) { return "Soletta" + std::to_string(id) + ".LSX"; }

std::optional<SlabInputFile> FormatSlabInputFile(const Model& model, int32_t slab) {
    const std::optional<std::vector<int32_t>> outline = OutlineOf(model, slab);
    if (!outline) return std::nullopt;
    return SlabFileWriter(model, *outline).Write(slab);
}

void ReverseConcreteSlabOutline(Model& model, int32_t slab) {
    if (!OutlineOf(model, slab)) return;
    std::vector<int32_t>& row = model.ConcreteSlabOutline[static_cast<size_t>(slab)];
    const size_t n = static_cast<size_t>(model.ConcreteSlabOutlineCount[static_cast<size_t>(slab)]);
    std::reverse(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(n));
    if (row.size() > n) row[n] = row[0];
}

#include "plangeom/BeamEdges.h"

#include <cmath>

#include "model/sections/SectionOutlines.h"
#include "plangeom/MembersAtNode.h"
#include "plangeom/PlanPointIndex.h"
#include "model/tables/TableAccess.h"

BeamsAtNodeList CollectBeamsAtNode(const Model& model, int32_t node) {
    BeamsAtNodeList list;
    CollectMembersAtNode(model, model.BeamElements, model.BeamElementCount, node, list.BeamsAtNode,
                         list.BeamsAtNodeEnd);
    list.BeamsAtNodeCount = static_cast<int32_t>(list.BeamsAtNode.size());
    return list;
}

BeamsAtNodeList CollectBeamsAtNode(const Model& model, const MembersByNode& beams, int32_t node) {
    BeamsAtNodeList list;
    CollectMembersAtNode(model, model.BeamElements, model.BeamElementCount, beams, node, list.BeamsAtNode,
                         list.BeamsAtNodeEnd);
    list.BeamsAtNodeCount = static_cast<int32_t>(list.BeamsAtNode.size());
    return list;
}

FaceLine ComputeBeamEndGeometry(const Model& model, const BeamsAtNodeList& list, int32_t node, int32_t k, float d) {
    return MemberFaceLine(model, model.BeamElements[list.BeamsAtNode[k]], node, d);
}

BeamCornerPair ComputeBeamCorner(const Model& model, const BeamsAtNodeList& list, int32_t pos, int32_t nb,
                                 int32_t node, float dA, float dNbA1, float dNbA2, float dB, float dNbB1,
                                 float dNbB2) {
    const bool neighbourStarts = list.BeamsAtNodeEnd[nb] == StartsAtNode;
    auto corner = [&](float own, float nb1, float nb2) {
        const FaceLine ownLine = ComputeBeamEndGeometry(model, list, node, pos, own);
        const FaceLine nbLine = ComputeBeamEndGeometry(model, list, node, nb, neighbourStarts ? nb1 : nb2);
        return JoinFaceLines(ownLine, nbLine, JoinAngleMeasure::LineAngle);
    };
    return {corner(dA, dNbA1, dNbA2), corner(dB, dNbB1, dNbB2)};
}

namespace {

// Edge offsets of a beam in the face-line sense: E1 >= E2 across the top face, I1 >= I2 across
// the bottom face. A section the catalogue does not hold gives zeros, as does a non-finite value.
struct BeamOffsets {
    float E1 = 0, E2 = 0, I1 = 0, I2 = 0;
};

float Finite(float v) { return std::isfinite(v) ? v : 0.0f; }

BeamOffsets OffsetsOf(const Model& model, int32_t e) {
    const BeamElement& beam = model.BeamElements[e];
    const int32_t sec = model.Catalogue.SectionIndexOf(beam.SectionNumber);
    const SectionEdgeOffsets o = ComputeSectionEdgeOffsets(model.Catalogue, sec, beam.SectionAngle);
    return {Finite(o.A1), Finite(o.A2), Finite(o.B1), Finite(o.B2)};
}

// Profiles computed by the section-properties server are never joined; neither is a section the
// catalogue does not define.
bool HasSquareEnds(const Model& model, int32_t e) {
    const int32_t sec = model.Catalogue.SectionIndexOf(model.BeamElements[e].SectionNumber);
    return !model.Catalogue.HasSection(sec) || model.Catalogue.SectionClass[sec] != ParametricSection;
}

// The beam elements that the lists at a node hold: those with face lines, and the elements of no
// length between two nodes at one place, which carry a beam on through them. The face lines of
// the latter meet no line, so the beams beside them keep their plain end points there rather than
// being closed across.
bool JoinsAtNodes(const Model& model, const BeamElement& beam) {
    return HasDrawableAxis(model, beam) || HasAxisOfNoLength(model, beam);
}

// Plan-point indexes of the four corners of one end.
struct EndCorners {
    int32_t E1 = 0, E2 = 0, I1 = 0, I2 = 0;
};

// Where the four corners of one end lie, before they are found among the plan points.
struct EndPlaces {
    PlanPoint E1, E2, I1, I2;
    bool Square = false;  // the end is closed by a line of its own
};

// What the beam ends of a pass read of the beams: the beams at every node, and the edge offsets
// of every element, computed once.
struct BeamPass {
    MembersAtEveryNode<BeamsAtNodeList> AtNode;
    std::vector<BeamOffsets> Offsets;
};

EndPlaces PlaceBeamEnd(const Model& model, const BeamPass& pass, int32_t e, bool atStart) {
    const MembersAtEveryNode<BeamsAtNodeList>& atNode = pass.AtNode;
    const BeamOffsets& own = pass.Offsets[static_cast<size_t>(e)];
    const BeamElement& beam = model.BeamElements[e];
    const int32_t node = atStart ? beam.NodeI : beam.NodeJ;
    const BeamsAtNodeList& list = atNode.At(node);
    const int32_t count = list.BeamsAtNodeCount;
    const int32_t pos = atNode.Position(e, atStart);
    const bool square = count <= 1 || HasSquareEnds(model, e);

    PlanPoint e1, e2, i1, i2;
    if (square) {
        auto near = [&](float d) {
            const FaceLine line = ComputeBeamEndGeometry(model, list, node, pos, d);
            return PlanPoint{line.X1, line.Y1};
        };
        e1 = near(own.E1);
        e2 = near(own.E2);
        i1 = near(own.I1);
        i2 = near(own.I2);
    } else {
        int32_t previous, next;
        if (count == 2) {
            previous = next = pos == 0 ? 1 : 0;
        } else {
            previous = pos == 0 ? count - 1 : pos - 1;
            next = pos == count - 1 ? 0 : pos + 1;
        }
        // Each face line joins the facing line of the neighbour on its own side, extrados with
        // extrados and intrados with intrados.
        const int32_t firstNb = atStart ? previous : next;
        const int32_t secondNb = atStart ? next : previous;
        const BeamOffsets& a = pass.Offsets[static_cast<size_t>(list.BeamsAtNode[firstNb])];
        const BeamOffsets& b = pass.Offsets[static_cast<size_t>(list.BeamsAtNode[secondNb])];
        BeamCornerPair first, second;
        if (atStart) {
            first = ComputeBeamCorner(model, list, pos, firstNb, node, own.E1, a.E2, a.E1, own.I1, a.I2, a.I1);
            second = ComputeBeamCorner(model, list, pos, secondNb, node, own.E2, b.E1, b.E2, own.I2, b.I1, b.I2);
        } else {
            first = ComputeBeamCorner(model, list, pos, firstNb, node, own.E1, a.E1, a.E2, own.I1, a.I1, a.I2);
            second = ComputeBeamCorner(model, list, pos, secondNb, node, own.E2, b.E2, b.E1, own.I2, b.I2, b.I1);
        }
        e1 = first.A;
        i1 = first.B;
        e2 = second.A;
        i2 = second.B;
    }

    return {e1, e2, i1, i2, square};
}

EndCorners StoreBeamEnd(Model& model, PlanPointIndex& points, int32_t e, const EndPlaces& at) {
    // This order decides the numbering of new plan points.
    EndCorners corners;
    corners.I2 = points.FindOrAdd(at.I2.X, at.I2.Y);
    corners.I1 = points.FindOrAdd(at.I1.X, at.I1.Y);
    corners.E2 = points.FindOrAdd(at.E2.X, at.E2.Y);
    corners.E1 = points.FindOrAdd(at.E1.X, at.E1.Y);

    if (at.Square) {
        const int32_t owner = -(e + 1);
        AppendRecord(model.BeamExtradosEdges, model.BeamExtradosEdgeCount, EdgeLine{corners.E1, corners.E2, owner});
        AppendRecord(model.BeamIntradosEdges, model.BeamIntradosEdgeCount, EdgeLine{corners.I1, corners.I2, owner});
    }
    return corners;
}

// The corners of both ends of a beam element.
struct ElementPlaces {
    int32_t Element = -1;
    EndPlaces Start, End;
};

void StoreElement(Model& model, PlanPointIndex& points, const ElementPlaces& element) {
    const EndCorners s = StoreBeamEnd(model, points, element.Element, element.Start);
    const EndCorners t = StoreBeamEnd(model, points, element.Element, element.End);
    const int32_t owner = element.Element + 1;
    AppendRecord(model.BeamExtradosEdges, model.BeamExtradosEdgeCount, EdgeLine{s.E1, t.E1, owner});
    AppendRecord(model.BeamExtradosEdges, model.BeamExtradosEdgeCount, EdgeLine{s.E2, t.E2, owner});
    AppendRecord(model.BeamIntradosEdges, model.BeamIntradosEdgeCount, EdgeLine{s.I1, t.I1, owner});
    AppendRecord(model.BeamIntradosEdges, model.BeamIntradosEdgeCount, EdgeLine{s.I2, t.I2, owner});
}

}  // namespace

void BuildBeamEdges(Model& model) {
    PlanPointIndex points(model);
    BuildBeamEdges(model, points);
}

void BuildBeamEdges(Model& model, PlanPointIndex& points) {
    model.BeamExtradosEdgeCount = 0;
    model.BeamIntradosEdgeCount = 0;
    const int32_t elementCount = UsableCount(model.BeamElementCount, model.BeamElements);
    const auto joins = [&](int32_t e) { return JoinsAtNodes(model, model.BeamElements[e]); };
    BeamPass pass{ListMembersAtEveryNode<BeamsAtNodeList>(model, model.BeamElements, model.BeamElementCount, joins), {}};
    pass.Offsets.reserve(static_cast<size_t>(elementCount));
    for (int32_t e = 0; e < elementCount; ++e) pass.Offsets.push_back(OffsetsOf(model, e));
    // The corners of each element are placed one element ahead of their storing, which needs
    // nothing of them but where they lie: the plan points they look up are brought in meanwhile.
    ElementPlaces pending;
    for (int32_t e = 0; e < elementCount; ++e) {
        if (!HasDrawableAxis(model, model.BeamElements[e])) continue;
        const ElementPlaces next{e, PlaceBeamEnd(model, pass, e, true), PlaceBeamEnd(model, pass, e, false)};
        for (const EndPlaces& end : {next.Start, next.End})
            for (const PlanPoint& p : {end.I2, end.I1, end.E2, end.E1}) points.Prefetch(p.X, p.Y);
        if (pending.Element >= 0) StoreElement(model, points, pending);
        pending = next;
    }
    if (pending.Element >= 0) StoreElement(model, points, pending);
}

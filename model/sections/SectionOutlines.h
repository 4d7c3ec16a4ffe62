#pragma once
// Cross-section outlines of parametric sections, centred on their centroid and turned by the
// member's section angle, and the edge offsets that place a member's face lines in plan.
#include <array>
#include <cstdint>

#include "model/tables/SectionCatalogue.h"

// Shape codes of parametric (class 0) sections with a circular outline.
constexpr int32_t SolidCircleShape = 16;
constexpr int32_t HollowCircleShape = 19;

// Outline modes of BuildSectionOutline.
constexpr int32_t OutlineAsListed = 0;
constexpr int32_t OutlineMirroredY = 1;   // pillar drawing
constexpr int32_t OutlineLegOpposite = 2;  // edge offsets: L shapes with the leg on the other side

struct SectionOutline {
    static constexpr int MaxPoints = 13;
    // Polygon points in cm; point SectionOutlineLast repeats point 0. The circles store no
    // polygon: code 16 its radius in X[0] (last 1), code 19 its outer and inner radii in X[0] and
    // X[1] (last 2).
    std::array<float, MaxPoints> SectionOutlineX{}, SectionOutlineY{};
    int32_t SectionOutlineLast = -1;  // -1: no outline
    // The centroid of the outline as built, before it was centred; 0 for the circles.
    float SectionOutlineSumX = 0, SectionOutlineSumY = 0;
};

// The outline of parametric section sec (0-based) turned clockwise by angleDeg. Sections that
// the catalogue does not hold give no outline; shape codes outside 1 .. 20 a 20 × 20 square.
SectionOutline BuildSectionOutline(const SectionCatalogue& catalogue, int32_t sec, float angleDeg,
                                   int32_t mode);

void RotateOutline(SectionOutline& outline, float angleDeg);  // clockwise, y up
void MirrorOutlineX(SectionOutline& outline);
void MirrorOutlineY(SectionOutline& outline);
// Reverses the running order, keeping point 0 and the last point in place.
void ReverseOutline(SectionOutline& outline);
// Repeats point 0 at the last index and computes the centroid.
void CloseOutline(SectionOutline& outline);

// Face offsets across a member: A1 ≥ A2 from the top of the section, B1 ≥ B2 from its bottom
// (for catalogue profiles as the server's geometry gives them). All 0 for a section that the
// catalogue does not hold or that has no outline and no server data.
struct SectionEdgeOffsets {
    float A1 = 0, A2 = 0, B1 = 0, B2 = 0;
    bool operator==(const SectionEdgeOffsets&) const = default;
};

SectionEdgeOffsets ComputeSectionEdgeOffsets(const SectionCatalogue& catalogue, int32_t sec,
                                             float angleDeg);

struct ServerEdgeOffsets {
    float Q1 = 0, Q2 = 0, R1 = 0, R2 = 0;
    bool operator==(const ServerEdgeOffsets&) const = default;
};

// Edge offsets of a class 1 or class 2 section from its server record.
ServerEdgeOffsets ComputeServerSectionEdgeOffsets(const SectionCatalogue& catalogue, int32_t sec,
                                                  float angleDeg);

#pragma once
// The archive's section catalogue, footing types and slab types, and the server sections.
struct SectionCatalogue {
    bool operator==(const SectionCatalogue&) const = default;
};

#pragma once
// The archive's section catalogue, slab types, footing types and tail tables, and the profile
// data of the section-properties server. Every table is sized one element beyond its count
// (indexes 0 .. count) and every record starts zeroed. Members and slabs refer to a section, slab
// type or footing type by a 1-based number: number k is element k - 1.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// Profile data answered by the section-properties server, in cm.
struct ServerSection {
    std::string Name;
    float Width = 0;
    float Height = 0;
    float Value2 = 0;  // carried, not used
    float Value3 = 0;  // carried, not used
    float CentroidOffsetY = 0;  // half the height minus the centroid's y
    float CentroidOffsetX = 0;  // half the width minus the centroid's x
    float Value4 = 0;  // carried, not used
    bool operator==(const ServerSection&) const = default;
};

// Section classes.
constexpr int32_t ParametricSection = 0;
constexpr int32_t CatalogueProfile = 1;
constexpr int32_t CoupledProfiles = 2;

constexpr int SectionParamCount = 6;
using SectionParamRow = std::array<float, SectionParamCount>;

struct FootingType {
    float Shape = 0;  // footing shape code 0 .. 10, compared as an exact float
    std::array<float, 12> Dims{};  // numbered 1 .. 11; element 0 is unused
    int32_t Eccentric = 0;
    bool operator==(const FootingType&) const = default;
};

constexpr int32_t DesignableSlabKind = 1;

struct SlabType {
    int32_t Kind = 0;  // 1: a joist floor slab whose reinforcement is designed
    std::string Name;
    bool operator==(const SlabType&) const = default;
};

// Index of the entry that 1-based `number` designates in a table of `count` entries; -1 when it
// designates none. The number is compared before one is taken from it, so that a number read
// from a file at the integer limits cannot overflow.
constexpr int32_t OneBasedIndex(int32_t number, int64_t count) {
    return number >= 1 && number <= count ? number - 1 : -1;
}

struct SectionCatalogue {
    int32_t ArchiveSectionCount = 0;
    // Negative: undefined; 0: parametric; 1: catalogue profile; 2: two coupled profiles.
    std::vector<int32_t> SectionClass;
    // Class 0: the outline's shape code; classes 1 and 2: the code handed to the server.
    std::vector<int32_t> SectionShape;
    // Class 0: the shape's parameters in cm. Classes 1 and 2: parameter 0 the profile number,
    // parameter 2 the index of its ServerSections record; class 2 also parameter 1, a distance
    // in mm between the profiles.
    std::vector<SectionParamRow> SectionParams;

    int32_t ServerSectionCount = 0;
    std::vector<ServerSection> ServerSections;

    int32_t SlabTypeCount = 0;
    std::vector<SlabType> SlabTypes;

    int32_t FootingTypeCount = 0;
    std::vector<FootingType> FootingTypes;

    // The archive's two last blocks, read so that the file is consumed to its end.
    int32_t ArchiveTableACount = 0;
    std::vector<std::array<float, 5>> ArchiveTableA;
    int32_t ArchiveTableBCount = 0;
    std::vector<std::array<float, 4>> ArchiveTableB;

    // True when sec (0-based) designates a section of the tables.
    bool HasSection(int32_t sec) const {
        return sec >= 0 && sec < ArchiveSectionCount && sec < static_cast<int64_t>(SectionClass.size()) &&
               sec < static_cast<int64_t>(SectionShape.size()) &&
               sec < static_cast<int64_t>(SectionParams.size());
    }

    // The section that 1-based `number` designates: its index, or -1 when the catalogue holds no
    // such section.
    int32_t SectionIndexOf(int32_t number) const {
        const int32_t sec = OneBasedIndex(number, ArchiveSectionCount);
        return HasSection(sec) ? sec : -1;
    }

    // The footing type or slab type that 1-based `number` designates; none when the table holds
    // no such type.
    const FootingType* FootingTypeOf(int32_t number) const { return EntryOf(FootingTypes, FootingTypeCount, number); }
    const SlabType* SlabTypeOf(int32_t number) const { return EntryOf(SlabTypes, SlabTypeCount, number); }

    // The server record of a class 1 or class 2 section (parameter 2, rounded); none when sec
    // or the index designates nothing.
    const ServerSection* ServerSectionOf(int32_t sec) const {
        if (!HasSection(sec)) return nullptr;
        double k = std::nearbyint(static_cast<double>(SectionParams[sec][2]));
        if (!(k >= 0 && k < ServerSectionCount && k < static_cast<double>(ServerSections.size())))
            return nullptr;
        return &ServerSections[static_cast<size_t>(k)];
    }

    bool operator==(const SectionCatalogue&) const = default;

private:
    template <class T>
    static const T* EntryOf(const std::vector<T>& table, int32_t count, int32_t number) {
        const int32_t k = OneBasedIndex(number, std::min<int64_t>(count, static_cast<int64_t>(table.size())));
        return k < 0 ? nullptr : &table[static_cast<size_t>(k)];
    }
};

#pragma once
// What a design step could not do as asked: a table limit reached or a steel area that no bar count
// covers. Collected over a whole step, each kind is told once at its end.
#include <cstdint>
#include <vector>

#include "platform/MessageBox.h"
#include "state/Languages.h"

// What one placement holds: slabs crossed by the line, and crossings of the line with one slab.
constexpr int32_t MaxCandidateSlabs = 26;
constexpr int32_t MaxCrossingsPerSlab = 11;

// A section whose upper bars the table cut short: the floor slab that holds the end of the last
// upper bar written, by its number (the plan labels it "S." and the number), and the length from
// that end to the section's end that no upper bar covers.
struct UpperBarsCutShort {
    int32_t slabNumber = 0;
    int32_t bareLength = 0;  // cm

    bool operator==(const UpperBarsCutShort&) const = default;
};

struct DesignWarnings {
    bool SectionTableFull = false;  // a new section found every section slot taken
    bool TooManySlabs = false;      // the section line crossed more slabs than a placement holds
    bool TooManyCrossings = false;  // the line crossed one slab's polygon more often than a placement holds
    bool TooManyRebars = false;     // a section needed more bar records than its table holds
    bool BarCountShort = false;     // no bar count up to the limit covered a required area
    std::vector<UpperBarsCutShort> UpperCutShort;  // each section whose upper bars were cut short

    void Add(const DesignWarnings& other);
    bool Any() const;
    bool operator==(const DesignWarnings&) const = default;
};

// One warning box (exclamation, OK) per kind that occurred; the box of the bars in excess names
// every section whose upper bars were cut short.
void ShowDesignWarnings(const DesignWarnings& warnings, MessageBoxes& messages, const LanguageFlags& languages);

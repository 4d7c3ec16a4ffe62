#pragma once
// What a design step could not do as asked: a table limit reached or a steel area that no bar count
// covers. Collected over a whole step, each kind is told once at its end.
#include <cstdint>

#include "platform/MessageBox.h"
#include "state/Languages.h"

// What one placement holds: slabs crossed by the line, and crossings of the line with one slab.
constexpr int32_t MaxCandidateSlabs = 26;
constexpr int32_t MaxCrossingsPerSlab = 11;

struct DesignWarnings {
    bool SectionTableFull = false;  // a new section found every section slot taken
    bool TooManySlabs = false;      // the section line crossed more slabs than a placement holds
    bool TooManyCrossings = false;  // the line crossed one slab's polygon more often than a placement holds
    bool TooManyRebars = false;     // a section needed more bar records than its table holds
    bool BarCountShort = false;     // no bar count up to the limit covered a required area

    void Add(const DesignWarnings& other);
    bool Any() const;
    bool operator==(const DesignWarnings&) const = default;
};

// One warning box (exclamation, OK) per kind that occurred.
void ShowDesignWarnings(const DesignWarnings& warnings, MessageBoxes& messages, const LanguageFlags& languages);

#pragma once
// The lines that hatch the plan's outlines, kept with the derived plan geometry from one pass to
// the next: a sweep costs more than the rest of an element's drawing, and its lines depend only on
// the outline and the hatch's spacing, angle and pattern, never on the view. Each entry is found by
// its exact inputs, bit for bit, so a changed outline or setting never meets stale lines; the
// document flows drop the whole cache when the outlines are replaced or edited, so that what a
// deck no longer draws does not stay in memory. Never saved.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// One line of a hatch, in model coordinates.
struct HatchSegment {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

class HatchLineCache {
public:
    // The exact inputs of a hatch as words: float bit patterns and counts, as the caller lays them.
    using Key = std::vector<uint32_t>;

    // The lines kept for exactly this key, or null.
    const std::vector<HatchSegment>* Find(const Key& key) const;
    // Keeps the lines for the key and gives them back. A cache grown past all reason (outlines
    // edited over and over between drops) starts afresh first.
    const std::vector<HatchSegment>& Keep(Key key, std::vector<HatchSegment> segments);
    void Clear();
    size_t EntryCount() const { return entries_.size(); }

    // What is kept is derived from the model and is no part of what a model holds: two models that
    // hold the same deck are equal whatever either has kept.
    bool operator==(const HatchLineCache&) const { return true; }

private:
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };

    std::unordered_map<Key, std::vector<HatchSegment>, KeyHash> entries_;
    size_t keptSegments_ = 0;
};

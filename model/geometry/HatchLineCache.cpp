#include "model/geometry/HatchLineCache.h"

namespace {

// About a hundred times the hatch lines of the largest decks drawn: 64 MB.
constexpr size_t MostKeptSegments = size_t{1} << 22;

}  // namespace

size_t HatchLineCache::KeyHash::operator()(const Key& key) const {
    // FNV-1a over the words.
    uint64_t h = 14695981039346656037ull;
    for (const uint32_t word : key) {
        h ^= word;
        h *= 1099511628211ull;
    }
    return static_cast<size_t>(h);
}

const std::vector<HatchSegment>* HatchLineCache::Find(const Key& key) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

const std::vector<HatchSegment>& HatchLineCache::Keep(Key key, std::vector<HatchSegment> segments) {
    if (keptSegments_ + segments.size() > MostKeptSegments) Clear();
    auto [kept, added] = entries_.try_emplace(std::move(key));
    if (!added) keptSegments_ -= kept->second.size();
    keptSegments_ += segments.size();
    kept->second = std::move(segments);
    return kept->second;
}

void HatchLineCache::Clear() {
    entries_.clear();
    keptSegments_ = 0;
}

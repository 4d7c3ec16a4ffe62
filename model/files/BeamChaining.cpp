#include "model/files/BeamChaining.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>

void GroupBeamElements(std::vector<BeamElement>& elements, int32_t count) {
    // For element i of beam b, the element-by-element procedure exchanges each later element of b,
    // in position order, with element i + 1. Followed over the whole beam, from its first element
    // at p with the m later elements of b at positions q1 < ... < qm, step k (target p + k) takes
    // the last of b's elements still beyond the target and puts it there, and the other element
    // standing there (if any) moves to qk. So:
    //  - positions p + 1 ... p + m receive b's later elements in reverse order;
    //  - an element of another beam at a target moves to qk, and moves on when qk is itself a
    //    later target; those that end beyond p + m stay there.
    // Each beam thus costs about its own size. The positions of each beam's unplaced elements are
    // kept to find q1 ... qm: unsorted, in one flat list per beam, with each position's entry in
    // its list, so that an element that moves updates its entry in one step; a beam's list is
    // sorted when its turn comes.
    if (count <= 0) return;
    std::vector<std::pair<int32_t, int32_t>> byBeam;  // (beam number, position)
    byBeam.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) byBeam.emplace_back(elements[i].BeamNumber, i);
    std::sort(byBeam.begin(), byBeam.end());
    std::vector<int32_t> listStart{0}, beamAt(count), entries(count), entryOf(count);
    for (int32_t k = 0; k < count; ++k) {
        if (k > 0 && byBeam[k].first != byBeam[k - 1].first) listStart.push_back(k);
        beamAt[byBeam[k].second] = static_cast<int32_t>(listStart.size()) - 1;
        entries[k] = byBeam[k].second;
        entryOf[byBeam[k].second] = k;
    }
    listStart.push_back(count);

    std::vector<int32_t> later;      // q1 ... qm
    std::vector<int32_t> arrivedAt;  // for each qk, the first position of the element moved there; -1 none
    std::vector<BeamElement> own, displaced;
    std::vector<int32_t> displacedBeam;
    for (int32_t p = 0; p < count;) {
        const int32_t beam = beamAt[p];
        later.clear();
        for (int32_t k = listStart[beam]; k < listStart[beam + 1]; ++k)
            if (entries[k] != p) later.push_back(entries[k]);
        std::sort(later.begin(), later.end());
        const int32_t m = static_cast<int32_t>(later.size());
        if (m == 0) {
            ++p;
            continue;
        }
        const int32_t last = p + m;

        arrivedAt.assign(m, -1);
        for (int32_t k = 0; k < m; ++k) {
            const int32_t target = p + 1 + k;
            if (target == later[k]) continue;
            const auto at = std::lower_bound(later.begin(), later.begin() + k, target);
            arrivedAt[k] = at != later.begin() + k && *at == target ? arrivedAt[at - later.begin()] : target;
        }

        own.clear();
        for (int32_t q : later) own.push_back(std::move(elements[q]));
        displaced.clear();
        displacedBeam.clear();
        for (int32_t k = 0; k < m; ++k)
            if (later[k] > last) {
                displaced.push_back(std::move(elements[arrivedAt[k]]));
                displacedBeam.push_back(beamAt[arrivedAt[k]]);
            }

        for (int32_t k = 0; k < m; ++k) elements[p + 1 + k] = std::move(own[m - 1 - k]);
        for (int32_t k = 0, d = 0; k < m; ++k) {
            if (later[k] <= last) continue;
            const int32_t entry = entryOf[arrivedAt[k]];
            entries[entry] = later[k];
            entryOf[later[k]] = entry;
            beamAt[later[k]] = displacedBeam[d];
            elements[later[k]] = std::move(displaced[d++]);
        }
        for (int32_t k = p + 1; k <= last; ++k) beamAt[k] = beam;
        p = last + 1;
    }
}

namespace {

// The elements of a group that have a given node at one end: (node, element) pairs sorted.
class ElementsAtNode {
public:
    ElementsAtNode(const std::vector<BeamElement>& group, int32_t BeamElement::*end) {
        pairs_.reserve(group.size());
        for (size_t k = 0; k < group.size(); ++k) pairs_.emplace_back(group[k].*end, static_cast<int32_t>(k));
        std::sort(pairs_.begin(), pairs_.end());
    }
    std::span<const std::pair<int32_t, int32_t>> At(int32_t node) const {
        const auto from = std::lower_bound(pairs_.begin(), pairs_.end(), std::pair<int32_t, int32_t>{node, INT32_MIN});
        auto to = from;
        while (to != pairs_.end() && to->first == node) ++to;
        return {from, to};
    }

private:
    std::vector<std::pair<int32_t, int32_t>> pairs_;
};

// The order of a group as the exchanges leave it: which element stands at each place, and where
// each element stands. An order hash, kept up to date at every exchange, lets a repeat of the
// order be told in a few steps instead of one per element.
struct GroupOrder {
    std::vector<int32_t> ElementAt, PlaceOf;
    uint64_t Hash = 0;

    explicit GroupOrder(int32_t n) : ElementAt(n), PlaceOf(n) { Reset(); }
    void Reset() {
        Hash = 0;
        for (int32_t k = 0; k < static_cast<int32_t>(ElementAt.size()); ++k) {
            ElementAt[k] = PlaceOf[k] = k;
            Hash ^= Term(k, k);
        }
    }
    void Exchange(int32_t a, int32_t b) {
        if (a == b) return;
        const int32_t ea = ElementAt[a], eb = ElementAt[b];
        Hash ^= Term(a, ea) ^ Term(b, eb) ^ Term(a, eb) ^ Term(b, ea);
        ElementAt[a] = eb;
        ElementAt[b] = ea;
        PlaceOf[eb] = a;
        PlaceOf[ea] = b;
    }
    static uint64_t Term(int32_t place, int32_t element) {
        uint64_t h = (static_cast<uint64_t>(static_cast<uint32_t>(place)) << 32) | static_cast<uint32_t>(element);
        h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        return h ^ (h >> 31);
    }
};

// Head search: while some later element ends where the head starts, the first such element and
// the head are exchanged. A ring (or a tail leading into one) would make the exchanges repeat for
// ever, so the order is watched for a repeat (Brent's cycle detection); such a group keeps the
// order it came in, which also leaves an already chained ring as it is on the next load. A search
// that ends by itself runs exactly as many exchanges as it needs.
void SearchHead(const std::vector<BeamElement>& group, GroupOrder& order) {
    const int32_t n = static_cast<int32_t>(group.size());
    const ElementsAtNode byEnd(group, &BeamElement::NodeJ);
    std::vector<int32_t> seen = order.ElementAt;
    uint64_t seenHash = order.Hash;
    int64_t power = 1, sinceSeen = 0;
    const int64_t safetyLimit = 64LL * n * n + 1000;
    for (int64_t exchanges = 0; exchanges < safetyLimit; ++exchanges) {
        int32_t predecessor = n;
        for (const auto& [node, element] : byEnd.At(group[order.ElementAt[0]].NodeI))
            if (order.PlaceOf[element] > 0) predecessor = std::min(predecessor, order.PlaceOf[element]);
        if (predecessor == n) return;
        order.Exchange(predecessor, 0);
        ++sinceSeen;
        if (order.Hash == seenHash && order.ElementAt == seen) break;
        if (sinceSeen == power) {
            seen = order.ElementAt;
            seenHash = order.Hash;
            power *= 2;
            sinceSeen = 0;
        }
    }
    order.Reset();
}

}  // namespace

void ChainBeamGroup(std::vector<BeamElement>& elements, int32_t s, int32_t e) {
    const std::vector<BeamElement> group(elements.begin() + s, elements.begin() + e + 1);
    const int32_t n = e - s + 1;
    GroupOrder order(n);
    if (n >= 4) SearchHead(group, order);
    // Each place j in turn takes the elements after it that start where its element ends: each
    // such element, in place order, is exchanged with the one at j + 1.
    const ElementsAtNode byStart(group, &BeamElement::NodeI);
    std::vector<int32_t> starting;
    for (int32_t j = 0; j < n; ++j) {
        starting.clear();
        for (const auto& [node, element] : byStart.At(group[order.ElementAt[j]].NodeJ))
            if (order.PlaceOf[element] > j) starting.push_back(order.PlaceOf[element]);
        std::sort(starting.begin(), starting.end());
        for (int32_t k : starting) order.Exchange(k, j + 1);
    }
    for (int32_t k = 0; k < n; ++k) elements[s + k] = group[order.ElementAt[k]];
}

void GroupAndChainBeamElements(std::vector<BeamElement>& elements, int32_t count) {
    GroupBeamElements(elements, count);
    for (int32_t s = 0; s < count;) {
        int32_t e = s;
        while (e + 1 < count && elements[e + 1].BeamNumber == elements[s].BeamNumber) ++e;
        ChainBeamGroup(elements, s, e);
        s = e + 1;
    }
}

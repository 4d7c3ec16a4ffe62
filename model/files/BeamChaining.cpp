#include "model/files/BeamChaining.h"

#include <algorithm>
#include <set>
#include <unordered_map>
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
    // Each beam thus costs about its own size; the positions of each beam's unplaced elements are
    // kept to find q1 ... qm.
    std::unordered_map<int32_t, std::set<int32_t>> positions;
    for (int32_t i = 0; i < count; ++i) positions[elements[i].BeamNumber].insert(i);

    std::vector<int32_t> later;      // q1 ... qm
    std::vector<int32_t> arrivedAt;  // for each qk, the first position of the element moved there; -1 none
    std::vector<BeamElement> own, displaced;
    for (int32_t p = 0; p < count;) {
        std::set<int32_t>& beam = positions[elements[p].BeamNumber];
        beam.erase(p);
        later.assign(beam.begin(), beam.end());
        beam.clear();
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
        for (int32_t k = 0; k < m; ++k)
            if (later[k] > last) displaced.push_back(std::move(elements[arrivedAt[k]]));

        for (int32_t k = 0; k < m; ++k) elements[p + 1 + k] = std::move(own[m - 1 - k]);
        for (int32_t k = 0, d = 0; k < m; ++k) {
            if (later[k] <= last) continue;
            std::set<int32_t>& theirs = positions[displaced[d].BeamNumber];
            theirs.erase(arrivedAt[k]);
            theirs.insert(later[k]);
            elements[later[k]] = std::move(displaced[d++]);
        }
        p = last + 1;
    }
}

void ChainBeamGroup(std::vector<BeamElement>& elements, int32_t s, int32_t e) {
    if (e - s >= 3) {
        // Head search: the element that ends where the head starts becomes the head. A ring (or
        // a tail leading into one) would make the exchanges repeat for ever, so the group's order
        // is watched for a repeat (Brent's cycle detection); such a group keeps the order it came
        // in, which also leaves an already chained ring as it is on the next load. A search that
        // ends by itself runs exactly as many exchanges as it needs.
        const int32_t n = e - s + 1;
        const std::vector<BeamElement> before(elements.begin() + s, elements.begin() + e + 1);
        bool endless = true;
        std::vector<int32_t> order(n), seen;
        for (int32_t k = 0; k < n; ++k) order[k] = k;
        seen = order;
        int64_t power = 1, sinceSeen = 0;
        const int64_t safetyLimit = 64LL * n * n + 1000;
        for (int64_t exchanges = 0; exchanges < safetyLimit; ++exchanges) {
            int32_t predecessor = -1;
            for (int32_t k = s + 1; k <= e; ++k) {
                if (elements[k].NodeJ == elements[s].NodeI) {
                    predecessor = k;
                    break;
                }
            }
            if (predecessor < 0) {
                endless = false;
                break;
            }
            std::swap(elements[predecessor], elements[s]);
            std::swap(order[predecessor - s], order[0]);
            ++sinceSeen;
            if (order == seen) break;
            if (sinceSeen == power) {
                seen = order;
                power *= 2;
                sinceSeen = 0;
            }
        }
        if (endless) std::copy(before.begin(), before.end(), elements.begin() + s);
    }
    for (int32_t j = s; j <= e; ++j)
        for (int32_t k = j + 1; k <= e; ++k)
            if (elements[j].NodeJ == elements[k].NodeI) std::swap(elements[k], elements[j + 1]);
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

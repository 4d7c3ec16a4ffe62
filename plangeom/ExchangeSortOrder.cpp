#include "plangeom/ExchangeSortOrder.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>

namespace {

// The exchange sort itself, for keys that are no numbers: they compare with nothing.
std::vector<int32_t> ExchangeSort(const std::vector<float>& keys) {
    const size_t n = keys.size();
    std::vector<int32_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::vector<float> sorted = keys;
    for (size_t i = 0; i < n; ++i) {
        float smallest = sorted[i];
        for (size_t j = i + 1; j < n; ++j)
            if (sorted[j] < smallest) {
                smallest = sorted[j];
                std::swap(sorted[i], sorted[j]);
                std::swap(order[i], order[j]);
            }
    }
    return order;
}

// The order the exchange sort gives the entries of key v, the `count` entries that follow the
// `smaller` entries of smaller key in the ascending order.
//
// A pass of the sort carries the entry at its first place to the first strictly smaller entry
// behind it, that one to the next strictly smaller, and so on, the smallest ending at the first
// place. Among the entries of key v or smaller, those carried are the same chain as in a pass
// over them alone, so the larger entries can be left out. There an entry of key v moves only
// when it stands first, and then to the place of the first smaller entry behind it, passing the
// entries of key v in between. So, walking the entries of key <= v in their first order with a
// queue of entries of key v on their way: in the first `smaller` places (the passes that place the
// smaller entries) an entry of key v joins the queue, and a smaller entry's place receives the
// head of the queue, which stands first when its pass comes and moves on, to the back of the
// queue; in the places behind, which keep the entries of key v, an entry of key v stays where it
// is and a smaller one's place receives the head of the queue.
void OrderEqualKeys(const std::vector<float>& keys, float v, int32_t smaller, int32_t count, int32_t* out) {
    std::deque<int32_t> waiting;
    int32_t place = 0;
    int32_t placed = 0;
    for (int32_t e = 0; e < static_cast<int32_t>(keys.size()) && placed < count; ++e) {
        if (!(keys[e] <= v)) continue;
        const bool equal = keys[e] == v;
        if (place < smaller) {
            if (equal) {
                waiting.push_back(e);
            } else if (!waiting.empty()) {
                waiting.push_back(waiting.front());
                waiting.pop_front();
            }
        } else if (equal) {
            out[placed++] = e;
        } else {
            out[placed++] = waiting.front();
            waiting.pop_front();
        }
        ++place;
    }
}

}  // namespace

std::vector<int32_t> ExchangeSortOrder(const std::vector<float>& keys) {
    if (std::any_of(keys.begin(), keys.end(), [](float k) { return std::isnan(k); })) return ExchangeSort(keys);
    const int32_t n = static_cast<int32_t>(keys.size());
    std::vector<int32_t> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return keys[a] < keys[b]; });

    // Entries of equal key keep their first order unless a smaller entry follows the first of
    // them: only then can the passes that place the smaller ones carry some of them along.
    int32_t latestSmaller = -1;  // the last first-order index among the entries placed so far
    for (int32_t first = 0; first < n;) {
        int32_t end = first + 1;
        while (end < n && keys[order[end]] == keys[order[first]]) ++end;
        if (end - first > 1 && latestSmaller > order[first])
            OrderEqualKeys(keys, keys[order[first]], first, end - first, order.data() + first);
        for (int32_t k = first; k < end; ++k) latestSmaller = std::max(latestSmaller, order[k]);
        first = end;
    }
    return order;
}

#pragma once
// The order in which the exchange sort of the members at a node leaves its entries, computed in
// about n log n steps instead of its n² comparisons.
#include <cstdint>
#include <vector>

// The exchange sort: for i = 0 .. n - 1, every later entry j whose key is strictly below the
// smallest key seen so far from i on is exchanged with entry i. It ends ascending; entries of
// equal key are never exchanged with each other, but exchanges with a third entry can reorder
// them. Returns, for each position of the result, the index of the entry that ends there.
std::vector<int32_t> ExchangeSortOrder(const std::vector<float>& keys);

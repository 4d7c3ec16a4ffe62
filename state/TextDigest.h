#pragma once
// What tells two texts apart without keeping either: the length and a 128-bit hash of the bytes.
#include <cstdint>

struct TextDigest {
    uint64_t Length = 0;
    // The empty text's hash is taken as zero, so that a digest never taken is the empty text's.
    uint64_t HashLow = 0;
    uint64_t HashHigh = 0;

    friend bool operator==(const TextDigest&, const TextDigest&) = default;
};

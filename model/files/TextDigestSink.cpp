#include "model/files/TextDigestSink.h"

#include <new>

#include <xxhash.h>

struct TextDigestSink::HashState {
    XXH3_state_t* State = XXH3_createState();
    HashState() {
        if (State == nullptr) throw std::bad_alloc();
        XXH3_128bits_reset(State);
    }
    ~HashState() { XXH3_freeState(State); }
    HashState(const HashState&) = delete;
    HashState& operator=(const HashState&) = delete;
};

TextDigestSink::TextDigestSink() : state_(std::make_unique<HashState>()) {}

TextDigestSink::~TextDigestSink() = default;

void TextDigestSink::Append(std::string_view piece) {
    if (piece.empty()) return;
    XXH3_128bits_update(state_->State, piece.data(), piece.size());
    length_ += piece.size();
}

TextDigest TextDigestSink::Digest() const {
    if (length_ == 0) return {};
    const XXH128_hash_t hash = XXH3_128bits_digest(state_->State);
    return {length_, hash.low64, hash.high64};
}

TextDigest DigestOf(std::string_view text) {
    if (text.empty()) return {};
    const XXH128_hash_t hash = XXH3_128bits(text.data(), text.size());
    return {text.size(), hash.low64, hash.high64};
}

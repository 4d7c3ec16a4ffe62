#pragma once
// The digest of a text (its length and its XXH3 128-bit hash), taken as the pieces come: the same
// whatever the pieces, so a text digested as it is written matches the text digested whole.
#include <memory>
#include <string_view>

#include "model/files/TextSink.h"
#include "state/TextDigest.h"

class TextDigestSink final : public TextSink {
public:
    TextDigestSink();
    ~TextDigestSink() override;
    TextDigestSink(const TextDigestSink&) = delete;
    TextDigestSink& operator=(const TextDigestSink&) = delete;

    void Append(std::string_view piece) override;
    // The digest of the pieces appended so far.
    TextDigest Digest() const;

private:
    struct HashState;
    std::unique_ptr<HashState> state_;
    uint64_t length_ = 0;
};

TextDigest DigestOf(std::string_view text);

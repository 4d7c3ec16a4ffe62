#include "model/files/TextDigestSink.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A text long enough to cross the hash's internal blocks, with no two lines alike.
std::string LongText() {
    std::string text;
    for (int k = 0; k < 400; ++k) text += " " + std::to_string(k * 37) + "          " + std::to_string(k) + " \r\n";
    return text;
}

TextDigest DigestInPieces(const std::string& text, size_t pieceSize) {
    TextDigestSink sink;
    for (size_t at = 0; at < text.size(); at += pieceSize) sink.Append(std::string_view(text).substr(at, pieceSize));
    return sink.Digest();
}

}  // namespace

TEST(TextDigestSink, TheDigestIsTheWholeTextsWhateverThePieces) {
    const std::string text = LongText();
    const TextDigest whole = DigestOf(text);
    EXPECT_EQ(whole.Length, text.size());
    for (size_t pieceSize : {1, 7, 64, 255, 1000, 4096, 100000}) EXPECT_EQ(DigestInPieces(text, pieceSize), whole) << pieceSize;
}

TEST(TextDigestSink, AnyChangeOfTheTextChangesTheDigest) {
    const std::string text = LongText();
    const TextDigest digest = DigestOf(text);
    std::string changed = text;
    changed[text.size() / 2] ^= 1;
    EXPECT_NE(DigestOf(changed), digest);
    // The same bytes in another order.
    const size_t half = text.size() / 2;
    EXPECT_NE(DigestOf(text.substr(half) + text.substr(0, half)), digest);
    EXPECT_NE(DigestOf(text + "\r\n"), digest);
    EXPECT_NE(DigestOf(text.substr(0, text.size() - 1)), digest);
}

// A digest never taken stands for the empty text, as an empty text kept once did.
TEST(TextDigestSink, TheEmptyTextsDigestIsTheDefault) {
    EXPECT_EQ(DigestOf(""), TextDigest{});
    EXPECT_EQ(TextDigestSink().Digest(), TextDigest{});
    EXPECT_NE(DigestOf(" "), TextDigest{});
}

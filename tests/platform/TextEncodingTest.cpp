#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const std::string utf8 = AnsiToUtf8(all);
    EXPECT_EQ(Utf8ToAnsi(utf8), all);
    // Each byte is one character: ASCII stays one byte, the rest take two or three.
    EXPECT_EQ(utf8.substr(0, 128), all.substr(0, 128));
    EXPECT_GT(utf8.size(), all.size() + 128);
}

TEST(TextEncoding, KnownCharactersMapBothWays) {
    struct Case { const char* Ansi; const char* Utf8; } cases[] = {
        {"\xF9", "ù"}, {"\xD8", "Ø"}, {"\x80", "€"}, {"\xE8", "è"}, {"\xB0", "°"}, {"\x96", "–"},
        {"\x9F", "Ÿ"}, {"\xA0", "\u00A0"},
        {"\x81", "\u0081"}, {"\x8D", "\u008D"}, {"\x8F", "\u008F"}, {"\x90", "\u0090"}, {"\x9D", "\u009D"},
        {"Trave 30x50 \xF8" "12", "Trave 30x50 ø12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnsiToUtf8(c.Ansi), c.Utf8) << c.Utf8;
        EXPECT_EQ(Utf8ToAnsi(c.Utf8), c.Ansi) << c.Utf8;
    }
}

TEST(TextEncoding, WhatCodePage1252CannotHoldBecomesAQuestionMark) {
    struct Case { const char* Utf8; const char* Ansi; } cases[] = {
        {"中", "?"},                 // not in the code page
        {"\u0080", "?"},            // a control the code page puts the euro sign in place of
        {"a\xFF" "b", "a?b"},       // a byte that starts nothing
        {"\x80", "?"},              // a stray continuation byte
        {"\xC3", "?"},              // cut short at the end
        {"\xE2\x82" "x", "??x"},    // cut short before another character
        {"\xC0\xB9", "??"},         // overlong '9'
        {"\xED\xA0\x80", "???"},    // a surrogate
        {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"😀 ok", "? ok"},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToAnsi(c.Utf8), c.Ansi) << c.Ansi;
}

}  // namespace

#pragma once
// The two language flags and the texts that exist in both languages.
#include <cstdint>
#include <initializer_list>
#include <string>

struct LanguageFlags {
    int32_t UiLanguage = 0;       // messages and dialogs: 0 Italian, other values English
    int32_t DrawingLanguage = 0;  // texts written into the drawing: 0 Italian, other values English
};

// A text in Italian and in English. "%1" … "%9" stand for the arguments of UiText.
struct Bilingual {
    const char* Italian;
    const char* English;
};

// The text in `english` or Italian, with "%n" replaced by the n-th argument.
inline std::string PickText(const Bilingual& text, bool english, std::initializer_list<std::string> args = {}) {
    const std::string pattern = english ? text.English : text.Italian;
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t n = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// In the interface language: messages, captions, titles.
inline std::string UiText(const Bilingual& text, const LanguageFlags& languages,
                          std::initializer_list<std::string> args = {}) {
    return PickText(text, languages.UiLanguage != 0, args);
}

// In the drawing language: texts written into the plan.
inline std::string DrawingText(const Bilingual& text, const LanguageFlags& languages,
                               std::initializer_list<std::string> args = {}) {
    return PickText(text, languages.DrawingLanguage != 0, args);
}

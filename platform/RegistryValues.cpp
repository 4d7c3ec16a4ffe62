#include "platform/RegistryValues.h"

#include <charconv>

std::optional<int32_t> RegistryValues::ReadNumber(const std::string& key, const std::string& name) const {
    const std::optional<std::string> text = ReadString(key, name);
    return text ? RegistryNumber(*text) : std::nullopt;
}

std::optional<int32_t> RegistryNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

#pragma once
// Values that another program keeps for the current user, read only. They are addressed as that
// program addresses them: a key path with backslashes ("Software\Orvane\Struvia\Settings") and a
// value name ("Language"). Text is UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RegistryValues {
public:
    virtual ~RegistryValues() = default;
    // Whether the key exists; a missing key and a missing value lead callers to different answers.
    virtual bool HasKey(const std::string& key) const = 0;
    // The value as text; nullopt when the key or the value is missing.
    virtual std::optional<std::string> ReadString(const std::string& key, const std::string& name) const = 0;
    // The value as a whole number, written in decimal; nullopt when missing or not such a number.
    std::optional<int32_t> ReadNumber(const std::string& key, const std::string& name) const;
};

// The number a value's text holds: optional blanks around an optionally signed decimal integer
// that fits 32 bits; nullopt for anything else.
std::optional<int32_t> RegistryNumber(std::string_view text);

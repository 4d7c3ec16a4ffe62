#pragma once
// Registry values from a table that the test or the batch run fills.
#include <map>
#include <utility>

#include "platform/RegistryValues.h"

class HeadlessRegistryValues : public RegistryValues {
public:
    // Adds the key, without values, when it is not there yet.
    void SetKey(const std::string& key) { values_[key]; }
    void Set(const std::string& key, const std::string& name, std::string value) { values_[key][name] = std::move(value); }
    void Set(const std::string& key, const std::string& name, int32_t value) { Set(key, name, std::to_string(value)); }

    bool HasKey(const std::string& key) const override { return values_.count(key) > 0; }
    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override;

private:
    std::map<std::string, std::map<std::string, std::string>> values_;
};

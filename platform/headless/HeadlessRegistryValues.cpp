#include "platform/headless/HeadlessRegistryValues.h"

std::optional<std::string> HeadlessRegistryValues::ReadString(const std::string& key, const std::string& name) const {
    const auto k = values_.find(key);
    if (k == values_.end()) return std::nullopt;
    const auto v = k->second.find(name);
    if (v == k->second.end()) return std::nullopt;
    return v->second;
}

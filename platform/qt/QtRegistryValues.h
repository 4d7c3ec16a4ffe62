#pragma once
// Registry values on Linux: an INI file that the user writes (docs/registry.md), by default
// registry.ini in the profile folder (~/.config/Dravo/registry.ini). A key is an INI section
// whose name is the key path, backslashes and all; a value is a line "name=value" in it.
#include <QString>

#include "platform/RegistryValues.h"

class QtRegistryValues : public RegistryValues {
public:
    QtRegistryValues();
    explicit QtRegistryValues(QString iniPath) : path_(std::move(iniPath)) {}

    bool HasKey(const std::string& key) const override;
    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override;

    const QString& Path() const { return path_; }

private:
    QString path_;
};

#include "platform/qt/QtRegistryValues.h"

#include <QSettings>

#include "platform/qt/QtFolders.h"

namespace {

// QSettings reads the section [Software\Orvane\Struvia\Settings] as the group
// "Software/Orvane/Struvia/Settings".
QString GroupOf(const std::string& key) { return QString::fromStdString(key).replace('\\', '/'); }

}  // namespace

QtRegistryValues::QtRegistryValues() : path_(DravoConfigFolder() + "/registry.ini") {}

bool QtRegistryValues::HasKey(const std::string& key) const {
    QSettings file(path_, QSettings::IniFormat);
    file.beginGroup(GroupOf(key));
    return !file.childKeys().isEmpty() || !file.childGroups().isEmpty();
}

std::optional<std::string> QtRegistryValues::ReadString(const std::string& key, const std::string& name) const {
    QSettings file(path_, QSettings::IniFormat);
    const QVariant value = file.value(GroupOf(key) + "/" + QString::fromStdString(name));
    if (!value.isValid()) return std::nullopt;
    // An unquoted value with commas in it comes back as a list; its parts give the text back.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ").toStdString();
    return value.toString().toStdString();
}

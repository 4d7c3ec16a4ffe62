#include "shell/StruviaRegistry.h"

#include <filesystem>

#include "model/common/Helpers.h"

int32_t ReadUiLanguage(const RegistryValues& registry) {
    return registry.ReadNumber(StruviaSettingsKey, "Language") == 2 ? 1 : 0;
}

std::string GetStruviaDrawingsFolder(const RegistryValues& registry) {
    const std::optional<std::string> project = registry.ReadString(StruviaRecentFilesKey, "File1");
    if (!project) return {};

    const size_t extension = AsciiUpperCase(*project).rfind(".SVQ");
    if (extension == std::string::npos) return {};

    // The folder is written with the separator the project's own path uses.
    const char separator = project->find('/') != std::string::npos ? '/' : '\\';
    const std::string folder = project->substr(0, extension) + "_data" + separator + "disegni";
    // The analysis program may name a folder this machine does not have.
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) ? folder : std::string();
}

#include "shell/ProgramFolders.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

void DropTrailingSeparator(std::string& folder) {
    if (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
}

}  // namespace

void SetProgramFolder(FolderSet& folders, Folders& platform) {
    folders.ProgramFolder = platform.ProgramFolder();
}

void InitFolders(FolderSet& folders, Folders& platform) {
    SetProgramFolder(folders, platform);
    const std::string profile = platform.ProfileFolder();
    folders.SettingsFolder = profile.empty() ? folders.ProgramFolder : profile;
    DropTrailingSeparator(folders.SettingsFolder);
    DropTrailingSeparator(folders.ProgramFolder);
}

std::string GetParentFolder(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return NoFolderGiven;
    return path.substr(0, separator);
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return IsSeparator(folder.back()) ? folder + name : folder + "/" + name;
}

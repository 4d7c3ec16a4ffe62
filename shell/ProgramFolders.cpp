#include "shell/ProgramFolders.h"

namespace {

void DropTrailingSeparator(std::string& folder) {
    if (!folder.empty() && IsPathSeparator(folder.back())) folder.pop_back();
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

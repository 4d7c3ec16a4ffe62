#pragma once
// The folders the program works with; the folder part of a path comes from model/common.
#include <string>

#include "model/common/FilePaths.h"
#include "platform/Folders.h"
#include "state/ShellState.h"

// The folder of the running executable into ProgramFolder.
void SetProgramFolder(FolderSet& folders, Folders& platform);
// ProgramFolder, and SettingsFolder: the user's profile folder, or the program folder where there
// is none. Neither keeps a trailing separator.
void InitFolders(FolderSet& folders, Folders& platform);

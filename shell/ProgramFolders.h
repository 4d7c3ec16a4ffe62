#pragma once
// The folders the program works with, and the folder part of a path. Paths read from files may
// come from either system, so "/" and "\" both separate folders.
#include <string>

#include "platform/Folders.h"
#include "state/ShellState.h"

// What GetParentFolder gives for a path without a folder.
inline constexpr const char* NoFolderGiven = "c:\\";

// The folder of the running executable into ProgramFolder.
void SetProgramFolder(FolderSet& folders, Folders& platform);
// ProgramFolder, and SettingsFolder: the user's profile folder, or the program folder where there
// is none. Neither keeps a trailing separator.
void InitFolders(FolderSet& folders, Folders& platform);

// The part of `path` before its last separator; NoFolderGiven when it has none, the empty text
// when its only separator is its first character.
std::string GetParentFolder(const std::string& path);

// `name` inside `folder`; `name` alone when the folder is empty.
std::string PathInFolder(const std::string& folder, const std::string& name);

#pragma once
// The two values the analysis program keeps for the current user: the language of its interface
// and its most recent project, whose drawings folder the file dialogs are offered.
#include <cstdint>
#include <string>

#include "platform/RegistryValues.h"

inline constexpr const char* StruviaSettingsKey = "Software\\Orvane\\Struvia\\Settings";
inline constexpr const char* StruviaRecentFilesKey = "Software\\Orvane\\Struvia\\Recent File List";

// 1 (English) when the analysis program's "Language" value is 2; 0 (Italian) for any other value
// and when there is none.
int32_t ReadUiLanguage(const RegistryValues& registry);

// The drawings folder of the analysis program's most recent project: the project file "File1"
// up to its last ".SVQ" (any case), followed by "_data" and "disegni". The empty text (no folder
// to propose) when the value is missing, holds no ".SVQ" or names no existing folder.
std::string GetStruviaDrawingsFolder(const RegistryValues& registry);

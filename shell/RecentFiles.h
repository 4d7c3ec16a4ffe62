#pragma once
// The recent-files list of the File menu, kept in "Tessal.MEM" beside the settings file. The list
// and its file come with the document flows; until then the start-up, the loads and the unload
// call these steps and nothing is remembered.
#include <string>

#include "model/Session.h"

void LoadRecentFiles(Session& session);
void AddRecentFile(Session& session, const std::string& path);
void SaveRecentFiles(const Session& session);

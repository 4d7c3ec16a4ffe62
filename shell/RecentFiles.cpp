#include "shell/RecentFiles.h"

void LoadRecentFiles(Session&) {}

void AddRecentFile(Session&, const std::string&) {}

void SaveRecentFiles(const Session&) {}

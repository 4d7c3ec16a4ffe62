#pragma once
// The four data files loaded last, most recent first, offered at the end of the File menu and
// kept from one run to the next in "Tessal.MEM" beside the settings file: the count on its first
// line, then one quoted path per line, lines ended by CR LF.
#include <cstdint>
#include <string>

#include "model/Session.h"

inline constexpr const char* RecentFilesFileName = "Tessal.MEM";
inline constexpr int32_t MaxRecentFiles = 4;

std::string RecentFilesPath(const FolderSet& folders);

std::string FormatRecentFilesText(const RecentFileList& list);
// Reads what it can of a file this program did not write whole: a count above 4 or one that is
// no number takes at most four paths, a count above the paths present takes those present, empty
// paths are left out.
RecentFileList ReadRecentFilesText(const std::string& text);

// The list from its file; without the file the list stays as it is.
void LoadRecentFiles(Session& session);
// The list into its file, an empty one as a count of 0. False when the file could not be
// written (or the settings folder is not known yet); the previous file is then untouched.
bool SaveRecentFiles(const Session& session);

// `path` at the head of the list: a path already listed moves there, a new one pushes the oldest
// out of a full list. The empty path and the unnamed document are not listed. True when the list
// changed.
bool AddRecentFile(Session& session, const std::string& path);
// The entry of `slot` leaves the list; the later ones move up. False for a slot not in use.
bool DropRecentFile(Session& session, int32_t slot);

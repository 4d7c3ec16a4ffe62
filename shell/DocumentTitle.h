#pragma once
// The name of the document as the user sees it: in the window's caption, the recent-file entries
// and the export.
#include <string>

inline constexpr const char* UnnamedDocument = "Anonimo";

// The name of the unnamed document, in any case.
bool IsUnnamed(const std::string& path);

// The part of `path` after its last separator ("/" or "\"): the whole path when it has none, the
// empty text when it ends with one; "Anonimo" for the empty path.
std::string PulisciNome(const std::string& path);

// The main window's caption, the same in both languages:
// "Dravo  Carpenterie di piano  -  [ DEMO.CRP ]".
std::string MainWindowTitle(const std::string& currentFile);

#pragma once
// The folder part of a path and a name inside a folder. Paths read from files may come from either
// system, so "/" and "\" both separate folders.
#include <string>

// What GetParentFolder gives for a path without a folder.
inline constexpr const char* NoFolderGiven = "c:\\";

inline bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

// The part of `path` before its last separator; NoFolderGiven when it has none, the empty text
// when its only separator is its first character.
std::string GetParentFolder(const std::string& path);

// `name` inside `folder`; `name` alone when the folder is empty.
std::string PathInFolder(const std::string& folder, const std::string& name);

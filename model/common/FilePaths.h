#pragma once
// The folder part of a path and a name inside a folder. Paths read from files may come from either
// system, so "/" and "\" both separate folders.
#include <string>

inline bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

// The folder that holds `path`: the part before its last separator, which a root folder ("/",
// "\", "C:\") keeps. A bare name lies in the current folder, which is the empty text here, so that
// PathInFolder(GetParentFolder(name), other) names `other` in the current folder as well.
std::string GetParentFolder(const std::string& path);

// `name` inside `folder`; `name` alone when the folder is empty.
std::string PathInFolder(const std::string& folder, const std::string& name);

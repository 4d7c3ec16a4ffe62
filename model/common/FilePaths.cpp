#include "model/common/FilePaths.h"

std::string GetParentFolder(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return NoFolderGiven;
    return path.substr(0, separator);
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return IsPathSeparator(folder.back()) ? folder + name : folder + "/" + name;
}

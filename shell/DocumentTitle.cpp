#include "shell/DocumentTitle.h"

#include "model/common/Helpers.h"

bool IsUnnamed(const std::string& path) { return AsciiUpperCase(path) == "ANONIMO"; }

std::string PulisciNome(const std::string& path) {
    if (path.empty()) return UnnamedDocument;
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string MainWindowTitle(const std::string& currentFile) {
    return "Dravo  Carpenterie di piano  -  [ " + PulisciNome(currentFile) + " ]";
}

#pragma once
// Record texts for the DXF writer tests: golden records written line by line, and spooled
// records read back as (code line, value line) pairs.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The lines, each ended by CR LF.
inline std::string CrlfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

using DxfGroup = std::pair<std::string, std::string>;

// The groups of a spooled text; a stray line or a missing CR makes the result differ visibly.
inline std::vector<DxfGroup> SplitGroups(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    std::vector<DxfGroup> groups;
    for (size_t i = 0; i < lines.size(); i += 2) groups.emplace_back(lines[i], i + 1 < lines.size() ? lines[i + 1] : "");
    return groups;
}

#pragma once
// A written DXF file read back for the file tests: its groups with their codes as numbers, the
// records of one section, and the files kept for the independent reader.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/DxfRecordLines.h"

struct DxfRecord {
    std::string Kind;  // the value of its group 0
    std::vector<std::pair<int, std::string>> Groups;

    std::vector<std::string> Values(int code) const {
        std::vector<std::string> values;
        for (const auto& [c, v] : Groups)
            if (c == code) values.push_back(v);
        return values;
    }
    std::string Value(int code) const {
        const auto values = Values(code);
        return values.empty() ? "<none>" : values.front();
    }
};

// The records between "SECTION" / name and its "ENDSEC", each starting at a group 0.
inline std::vector<DxfRecord> SectionRecords(const std::string& file, const std::string& section) {
    std::vector<DxfRecord> records;
    bool inside = false, named = false;
    for (const auto& [codeLine, value] : SplitGroups(file)) {
        const int code = std::stoi(codeLine);
        if (!inside) {
            if (code == 0 && value == "SECTION") named = true;
            else if (named && code == 2 && value == section) inside = true;
            else named = false;
            continue;
        }
        if (code == 0 && value == "ENDSEC") break;
        if (code == 0) records.push_back({value, {}});
        else if (!records.empty()) records.back().Groups.emplace_back(code, value);
    }
    return records;
}

inline std::vector<DxfRecord> RecordsOfKind(const std::vector<DxfRecord>& records, const std::string& kind) {
    std::vector<DxfRecord> of;
    std::copy_if(records.begin(), records.end(), std::back_inserter(of),
                 [&](const DxfRecord& r) { return r.Kind == kind; });
    return of;
}

// Every file a test keeps here is opened and audited by the independent reader after the tests.
inline void KeepForReader(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(DRAVO_DXF_OUT);
    std::ofstream(std::filesystem::path(DRAVO_DXF_OUT) / (name + ".dxf"), std::ios::binary) << text;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

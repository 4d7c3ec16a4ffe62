#pragma once
// Golden files: texts the program writes, kept under tests/fixtures as they must come out. With
// DRAVO_REFRESH_GOLDEN=1 in the environment a differing golden file is rewritten with what was
// written instead of failing, so an intended change is scripts/refresh-goldens and a reviewed diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline bool RefreshingGoldenFiles() {
    const char* value = std::getenv("DRAVO_REFRESH_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

// `written` against tests/fixtures/<relative>; the failure names the first differing line.
inline ::testing::AssertionResult MatchesGolden(const std::string& written, const std::string& relative) {
    const std::filesystem::path golden = std::filesystem::path(DRAVO_FIXTURES) / relative;
    std::ifstream in(golden, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (written == expected) return ::testing::AssertionSuccess();
    if (RefreshingGoldenFiles()) {
        std::ofstream(golden, std::ios::binary | std::ios::trunc) << written;
        return ::testing::AssertionSuccess();
    }
    size_t line = 1;
    const size_t common = std::min(written.size(), expected.size());
    for (size_t i = 0; i < common && written[i] == expected[i]; ++i)
        if (written[i] == '\n') ++line;
    return ::testing::AssertionFailure() << golden << " differs from line " << line << " on";
}

#pragma once
// What the design options dialog does to the design options, apart from its window: the curb
// values it puts right when it opens, the entries of its assembly-bar list, the texts it shows and
// the values its OK stores.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "state/DesignOptions.h"
#include "state/Languages.h"

// The assembly-bar list: entry 0 is none, entry k the diameter k + 4 (5 to 12 mm).
constexpr int32_t AssemblyBarEntryCount = 9;
std::array<std::string, AssemblyBarEntryCount> AssemblyBarEntries(const LanguageFlags& languages);
// The entry of a diameter: 0 for none, diameter - 4 for 5 to 12; any other diameter gives its own
// item, which no entry shows and which OK gives back unchanged when it is a larger diameter.
int32_t AssemblyBarItemOf(int32_t diameter);

// A curb too narrow to draw (under 5 cm) becomes 25 cm wide, a span threshold of 0 or less 450 cm.
void ApplyCurbDefaults(DesignOptions& options);

constexpr int32_t ShortestUpperBarLength = 500;
constexpr int32_t LongestUpperBarLength = 1200;

// The dialog's fields as the user left them.
struct DesignOptionsEntry {
    int32_t AssemblyBarItem = 0;
    int32_t GroupLowerBars = 0;
    std::string MaxUpperBarLength;  // whole cm, typed with "," or "."
    int32_t CurbEnabled = 0;
    std::string CurbSpanThreshold;
    std::string CurbWidth;
};

// The fields as the dialog shows the options: the length whole, the curb values with one decimal.
DesignOptionsEntry DesignOptionsEntryOf(const DesignOptions& options);

// OK: stores every field into `options` and gives nothing back, or, when the bar length rounds to a
// value outside 500 to 1200, stores nothing and gives back the message that names the field.
std::optional<std::string> StoreDesignOptions(const DesignOptionsEntry& entry, DesignOptions& options,
                                              const LanguageFlags& languages);

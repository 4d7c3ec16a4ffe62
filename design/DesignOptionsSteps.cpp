#include "design/DesignOptionsSteps.h"

#include "design/DesignMessages.h"
#include "model/common/Helpers.h"

std::array<std::string, AssemblyBarEntryCount> AssemblyBarEntries(const LanguageFlags& languages) {
    std::array<std::string, AssemblyBarEntryCount> entries;
    entries[0] = UiText(DesignMessages::NoAssemblyBars, languages);
    for (int32_t k = 1; k < AssemblyBarEntryCount; ++k) entries[k] = "2 Ø " + std::to_string(k + 4);
    return entries;
}

int32_t AssemblyBarItemOf(int32_t diameter) { return diameter >= 1 ? diameter - 4 : 0; }

void ApplyCurbDefaults(DesignOptions& options) {
    if (!(options.CurbWidth >= 5)) options.CurbWidth = 25;
    if (options.CurbSpanThreshold <= 0) options.CurbSpanThreshold = 450;
}

DesignOptionsEntry DesignOptionsEntryOf(const DesignOptions& options) {
    DesignOptionsEntry entry;
    entry.AssemblyBarItem = AssemblyBarItemOf(options.LowerAssemblyBarDiameter);
    entry.GroupLowerBars = options.GroupLowerBars;
    entry.MaxUpperBarLength = std::to_string(options.MaxUpperBarLength);
    entry.CurbEnabled = options.CurbEnabled;
    entry.CurbSpanThreshold = CommaToDot(FormatFixedForReading(options.CurbSpanThreshold, 1));
    entry.CurbWidth = CommaToDot(FormatFixedForReading(options.CurbWidth, 1));
    return entry;
}

std::optional<std::string> StoreDesignOptions(const DesignOptionsEntry& entry, DesignOptions& options,
                                              const LanguageFlags& languages) {
    // A refused length keeps every option as it was, so the user never finds half a dialog taken.
    const int32_t length = WholeNumberFromText(entry.MaxUpperBarLength);
    if (length < ShortestUpperBarLength || length > LongestUpperBarLength)
        return UiText(DesignMessages::UpperBarLengthOutOfRange, languages);
    options.LowerAssemblyBarDiameter = entry.AssemblyBarItem >= 1 ? entry.AssemblyBarItem + 4 : 0;
    options.GroupLowerBars = entry.GroupLowerBars != 0 ? 1 : 0;
    options.CurbEnabled = entry.CurbEnabled != 0 ? 1 : 0;
    options.CurbSpanThreshold = TextToSingle(entry.CurbSpanThreshold);
    options.CurbWidth = TextToSingle(entry.CurbWidth);
    options.MaxUpperBarLength = length;
    return std::nullopt;
}

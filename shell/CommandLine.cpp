#include "shell/CommandLine.h"

#include <limits>

#include "model/common/Helpers.h"
#include "model/common/NumberScan.h"
#include "model/files/DataFileReader.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int32_t ReadSlabNumber(const std::string& rest) {
    size_t i = 0;
    while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i;
    const size_t start = i;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) ++i;
    while (i < rest.size() && IsDigit(rest[i])) ++i;
    if (i < rest.size() && rest[i] == '.') ++i;
    while (i < rest.size() && IsDigit(rest[i])) ++i;
    // Only the decimal part is handed to the scanner, so an exponent marker ends the number.
    const ScannedNumber number = ScanLeadingNumber(std::string_view(rest).substr(start, i - start));
    if (number.Length == 0 || !number.Finite) return 0;
    return RoundToInt32(number.Value);
}

CommandLineStart ParseCommandLine(std::string text) {
    StripQuotes(text);
    CommandLineStart start;
    if (text.empty()) return start;

    const size_t found = AsciiUpperCase(text).find(".CRP");
    const size_t pathLength = found == std::string::npos ? 3 : found + 4;
    if (text.size() <= pathLength) {
        start.CurrentFile = text;
        return start;
    }
    start.CurrentFile = text.substr(0, pathLength);
    int32_t number = ReadSlabNumber(text.substr(pathLength));
    if (number < 0) {
        // The most negative integer has no positive counterpart.
        start.SlabNumber = number == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : -number;
    } else {
        start.SlabNumber = number;
        start.SlabFileOnly = false;
    }
    return start;
}

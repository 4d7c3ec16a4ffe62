#include "model/common/NumberScan.h"

#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ScannedNumber ScanLeadingNumber(std::string_view s) {
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') number += '-';
        ++i;
    }
    bool digits = false, point = false;
    while (i < s.size()) {
        const char c = s[i];
        if (IsDigit(c)) digits = true;
        else if (c == '.' && !point) point = true;
        else break;
        number += c;
        ++i;
    }
    if (!digits) return {};
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const size_t start = j;
        while (j < s.size() && IsDigit(s[j])) exponent += s[j++];
        if (j > start) {
            number += exponent;
            i = j;
        }
    }
    ScannedNumber scanned;
    scanned.Length = i;
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    scanned.Finite = ec == std::errc() && end == number.data() + number.size() && std::isfinite(value);
    scanned.Value = scanned.Finite ? value : 0.0;
    return scanned;
}

double LeadingNumberValue(const std::string& text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') compact += c;
    return ScanLeadingNumber(compact).Value;
}

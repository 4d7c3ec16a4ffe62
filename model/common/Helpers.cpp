#include "model/common/Helpers.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "model/common/ModelMessages.h"
#include "model/common/NumberScan.h"

namespace {

// The value's shortest decimal text in fixed notation, its digits rounded to `decimals` decimals,
// halves away from zero; no minus sign on a text of zeros. A double whose text takes more than 128
// characters (a huge one, or a tiny one with many digits) counts as 0.
template <class T>
char* WriteFixed(char* out, T value, int32_t decimals) {
    if (!std::isfinite(value)) {
        *out = '0';
        return out + 1;
    }
    if (value == 0) value = 0;  // no sign for negative zero, whose text is all zeros
    const size_t keep = decimals > 0 ? static_cast<size_t>(decimals) : 0;
    // As a rule the text has no more decimals than are kept: it is written in place and completed
    // with zeros.
    const auto [written, ec] = std::to_chars(out, out + 128, value, std::chars_format::fixed);
    char text[128];
    const char* p = text;
    const char* end = text + 1;
    if (ec == std::errc()) {
        const char* point = std::find(static_cast<const char*>(out), static_cast<const char*>(written), '.');
        const size_t fractionSize = point == written ? 0 : static_cast<size_t>(written - point) - 1;
        if (fractionSize <= keep) {
            char* q = written;
            if (keep == 0) return q;
            if (point == written) *q++ = '.';
            const size_t zeros = keep - fractionSize;
            if (zeros > 16 || static_cast<size_t>(q - out) + 16 > FormatNumRoom(decimals))
                return std::fill_n(q, zeros, '0');
            std::memcpy(q, "0000000000000000", 16);  // one fixed store rather than a loop
            return q + zeros;
        }
        end = std::copy(static_cast<const char*>(out), static_cast<const char*>(written), text);
    } else {
        text[0] = '0';
    }
    const bool negative = *p == '-';
    if (negative) ++p;
    const char* point = std::find(p, end, '.');
    const char* fraction = point == end ? end : point + 1;
    const size_t fractionSize = static_cast<size_t>(end - fraction);
    const size_t kept = std::min(keep, fractionSize);
    const bool roundUp = fractionSize > keep && fraction[keep] >= '5';

    // Whether the kept digits are all nines (a carry then adds a digit) or all zeros (no sign).
    const auto all = [&](char digit) {
        return std::all_of(p, point, [digit](char c) { return c == digit; }) &&
               std::all_of(fraction, fraction + kept, [digit](char c) { return c == digit; });
    };
    const bool carry = roundUp && all('9');
    if (negative && (roundUp || !all('0'))) *out++ = '-';
    if (carry) *out++ = '1';  // the nines below all turn to zeros
    char* const first = out;
    out = std::copy(p, point, out);
    if (keep > 0) {
        *out++ = '.';
        out = std::copy(fraction, fraction + kept, out);
        out = std::fill_n(out, keep - kept, '0');
    }
    if (roundUp) {
        char* digit = out;
        while (digit != first) {
            if (*--digit == '.') continue;
            if (*digit != '9') {
                ++*digit;
                break;
            }
            *digit = '0';
        }
    }
    return out;
}

}  // namespace

char* FormatNumTo(char* out, double value, int32_t decimals) { return WriteFixed(out, value, decimals); }

char* FormatNumTo(char* out, float value, int32_t decimals) { return WriteFixed(out, value, decimals); }

namespace {

template <class T>
std::string FixedText(T value, int32_t decimals) {
    std::string text(FormatNumRoom(decimals), '\0');
    text.resize(static_cast<size_t>(FormatNumTo(text.data(), value, decimals) - text.data()));
    return text;
}

}  // namespace

std::string FormatNum(double value, int32_t decimals) { return FixedText(value, decimals); }

std::string FormatNum(float value, int32_t decimals) { return FixedText(value, decimals); }

// Every int is exact in a double, whose text then has no decimals of its own.
std::string FormatNum(int value, int32_t decimals) { return FixedText(static_cast<double>(value), decimals); }

std::string LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr || *conventions->decimal_point == '\0')
        return ".";
    return conventions->decimal_point;
}

namespace {

std::string WithLocaleSeparator(std::string text) {
    const size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, LocaleDecimalSeparator());
    return text;
}

}  // namespace

std::string FormatForReading(float value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text = ec == std::errc() ? std::string(buffer, end) : "0";
    if (text == "-0") return "0";
    for (char& c : text)
        if (c == 'e') c = 'E';
    return WithLocaleSeparator(text);
}

std::string FormatFixedForReading(float value, int32_t decimals) {
    return WithLocaleSeparator(FormatNum(value, decimals));
}

double ValueAsWritten(float value, int32_t decimals) {
    return ScanLeadingNumber(FormatNum(value, decimals)).Value;
}

std::string FormatInt6(int32_t n) {
    std::string text = std::to_string(n);
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    return text;
}

double RoundHalfEven(double value, int decimals) {
    if (decimals == 0) return std::nearbyint(value);  // the common case, without a power of ten
    double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;  // default rounding mode: to nearest, ties to even
}

std::string FormatRounded(float x, int16_t n) {
    float rounded = static_cast<float>(RoundHalfEven(x, n));
    if (!std::isfinite(rounded)) return "0";
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::general, 7);
    std::string text = ec == std::errc() ? std::string(buffer, end) : "0";
    if (text.find('e') == std::string::npos && text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    if (text.rfind("0.", 0) == 0) text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
    return text;
}

std::string CommaToDot(const std::string& s) {
    std::string result = s;
    if (auto comma = result.find(','); comma != std::string::npos) result[comma] = '.';
    return result;
}

float TextToSingle(const std::string& s) {
    const double value = LeadingNumberValue(CommaToDot(s));
    if (std::fabs(value) > 3.4e38) return 0.0f;
    return static_cast<float>(value);
}

int32_t WholeNumberFromText(const std::string& s) {
    const double value = std::nearbyint(static_cast<double>(TextToSingle(s)));
    return static_cast<int32_t>(std::clamp(value, -2147483648.0, 2147483647.0));
}

float RoundToFive(float x) {
    float y = static_cast<float>(RoundHalfEven(x, 2) / 10.0);
    double q = std::floor(y);
    float hundredY = 100.0f * y;
    double k = std::nearbyint(static_cast<double>(hundredY) - 100.0 * q);
    double step = k <= 25 ? 0.0 : (k <= 75 ? 0.5 : 1.0);
    return static_cast<float>((q + step) * 10.0);
}

std::string GetWarningTitle(const LanguageFlags& languages) {
    return UiText(ModelMessages::WarningTitle, languages);
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string& StripQuotes(std::string& s) {
    if (!s.empty() && s.front() == '"') s.erase(0, 1);
    if (!s.empty() && s.find('"') == s.size() - 1) s.pop_back();
    return s;
}

std::string AsciiUpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string AsciiLowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

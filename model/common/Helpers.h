#pragma once
// Number formatting and small helpers shared by every subsystem. Text meant for files never
// depends on the process locale.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

struct LanguageFlags;

// value with exactly `decimals` digits after a "." (none when decimals < 1), halves away from zero.
std::string FormatNum(double value, int32_t decimals);
// The float overload rounds the float's shortest decimal text, so 2.675f gives "2.68".
std::string FormatNum(float value, int32_t decimals);
std::string FormatNum(int value, int32_t decimals);
// The text of FormatNum written at `out`, which has room for FormatNumRoom(decimals) characters
// (all of which it may use); returns the end of the text. For writers of large files, which format
// numbers in place.
char* FormatNumTo(char* out, double value, int32_t decimals);
char* FormatNumTo(char* out, float value, int32_t decimals);
constexpr size_t FormatNumRoom(int32_t decimals) { return 132 + (decimals > 0 ? static_cast<size_t>(decimals) : 0); }
// What a file gives back for value written by FormatNum with `decimals` decimals: the value of
// that text, as the data-file reader reads a number.
double ValueAsWritten(float value, int32_t decimals);
// n right-justified in 6 characters; longer texts are returned whole.
std::string FormatInt6(int32_t n);
// Numbers in texts that people read (labels, titles, the take-off list) take the decimal separator
// of the user's numeric locale (LC_NUMERIC); numbers meant for files never do.
std::string LocaleDecimalSeparator();
// The shortest general form, at most 7 significant digits: 30, 12.5 (12,5 with a decimal comma).
std::string FormatForReading(float value);
// Exactly `decimals` decimals, halves away from zero, with the locale's separator: 300,0.
std::string FormatFixedForReading(float value, int32_t decimals);
// x rounded to n decimals (halves to even), in the shortest general form: 0.5 gives ".5".
std::string FormatRounded(float x, int16_t n);
std::string CommaToDot(const std::string& s);
// The number at the start of s, typed with "," or "."; 0 when nothing numeric leads it.
float TextToSingle(const std::string& s);
// A whole number typed into a dialog: TextToSingle rounded with halves to the even neighbour and
// held within the 32-bit range.
int32_t WholeNumberFromText(const std::string& s);
// Rebar lengths: within each block of ten, up to 2.5 rounds down, 2.6 to 7.5 to the 5, above up.
float RoundToFive(float x);
// Rounds to `decimals` decimals, halves to the even neighbour.
double RoundHalfEven(double value, int decimals);
std::string GetWarningTitle(const LanguageFlags& languages);
// True when an ordinary file matches the path; folders never count.
bool FileExists(const std::string& path);
// Removes a leading double quote, then a trailing one when it is the only one left.
std::string& StripQuotes(std::string& s);
// The text with its ASCII letters in upper or lower case; other bytes stay as they are, whatever
// the locale, so names and extensions compare alike on every machine.
std::string AsciiUpperCase(std::string text);
std::string AsciiLowerCase(std::string text);
// The text without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

template <class T>
void SwapValues(T& a, T& b) {
    std::swap(a, b);
}

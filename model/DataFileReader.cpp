#include "model/DataFileReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>

#include "shell/ShellState.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEndChar(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Parses a whole token as a number: optional sign, digits with an optional ".", an optional
// exponent (E or D). False when anything else is in the token or no digit is there.
bool ParseNumberToken(const std::string& token, double& value) {
    size_t i = 0;
    std::string number;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        if (token[i] == '-') number += '-';
        ++i;
    }
    bool digits = false, point = false;
    while (i < token.size()) {
        char c = token[i];
        if (IsDigit(c)) digits = true;
        else if (c == '.' && !point) point = true;
        else break;
        number += c;
        ++i;
    }
    if (!digits) return false;
    if (i < token.size() && (token[i] == 'E' || token[i] == 'e' || token[i] == 'D' || token[i] == 'd')) {
        number += 'e';
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) number += token[i++];
        size_t start = i;
        while (i < token.size() && IsDigit(token[i])) number += token[i++];
        if (i == start) return false;
    }
    if (i != token.size()) return false;
    double parsed = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

std::string FailureText(ReadFailure failure, bool english) {
    switch (failure) {
    case ReadFailure::None: return english ? "no error" : "nessun errore";
    case ReadFailure::EndOfFile: return english ? "unexpected end of file" : "fine del file inattesa";
    case ReadFailure::NotANumber: return english ? "a number was expected" : "era atteso un numero";
    case ReadFailure::BadCount: return english ? "invalid count" : "numero di elementi non valido";
    case ReadFailure::UnknownNode: return english ? "undefined node" : "nodo non definito";
    case ReadFailure::UnsupportedVersion: return english ? "unsupported version" : "versione non supportata";
    case ReadFailure::BadValue: return english ? "invalid value" : "valore non valido";
    }
    return {};
}

}  // namespace

std::string DescribeReadError(const ReadError& error, const LanguageFlags& languages) {
    const bool english = languages.UiLanguage != 0;
    std::string text = FailureText(error.Failure, english);
    if (!error.Item.empty()) text += " (\"" + error.Item + "\")";
    if (!error.Section.empty()) text += english ? ", section " : ", sezione ";
    if (!error.Section.empty()) text += error.Section;
    text += english ? ", line " : ", riga ";
    text += std::to_string(error.Line);
    return text;
}

double LeadingNumberValue(const std::string& text) {
    std::string compact;
    for (char c : text)
        if (!IsBlank(c) && !IsLineEndChar(c)) compact += c;
    size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        if (compact[i] == '-') number += '-';
        ++i;
    }
    bool digits = false, point = false;
    while (i < compact.size()) {
        char c = compact[i];
        if (IsDigit(c)) digits = true;
        else if (c == '.' && !point) point = true;
        else break;
        number += c;
        ++i;
    }
    if (!digits) return 0.0;
    if (i < compact.size() && (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
        size_t start = j;
        while (j < compact.size() && IsDigit(compact[j])) exponent += compact[j++];
        if (j > start) number += exponent;
    }
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return std::isfinite(value) ? value : 0.0;
}

int32_t RoundToInt32(double value) {
    if (std::isnan(value)) return 0;
    double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

bool ReadWholeFile(const std::string& path, std::string& text) {
    // Far beyond any deck (a million elements stay under 100 MB); a larger file, or a device that
    // never ends, is refused rather than read until memory runs out.
    constexpr std::uintmax_t MaxFileBytes = std::uintmax_t{1} << 30;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    try {
        // A file is read in one piece at its size: a saved deck runs to megabytes, which a growing
        // string stream would copy several times over. Anything else (no regular file) in chunks.
        std::error_code error;
        const std::uintmax_t size =
            std::filesystem::is_regular_file(path, error) ? std::filesystem::file_size(path, error) : 0;
        if (!error && size > MaxFileBytes) return false;
        if (size > 0 && !error) {
            text.assign(static_cast<size_t>(size), '\0');
            in.read(text.data(), static_cast<std::streamsize>(size));
            text.resize(static_cast<size_t>(in.gcount()));
            return !in.bad();
        }
        text.clear();
        char chunk[1 << 16];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            text.append(chunk, static_cast<size_t>(in.gcount()));
            if (text.size() > MaxFileBytes) return false;
        }
        return !in.bad();
    } catch (const std::bad_alloc&) {
        text.clear();
        return false;
    }
}

DataFileReader::DataFileReader(std::string text) : text_(std::move(text)) {}

bool DataFileReader::AtLineEnd() const { return pos_ < text_.size() && IsLineEndChar(text_[pos_]); }

void DataFileReader::ConsumeLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    } else {
        return;
    }
    ++line_;
}

void DataFileReader::SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

bool DataFileReader::AtEndOfData() const {
    for (size_t i = pos_; i < text_.size(); ++i)
        if (!IsBlank(text_[i]) && !IsLineEndChar(text_[i])) return false;
    return true;
}

bool DataFileReader::Fail(ReadFailure failure, std::string item) { return FailAt(failure, line_, std::move(item)); }

bool DataFileReader::FailAt(ReadFailure failure, int32_t line, std::string item) {
    if (Failed()) return false;  // the first failure is the one worth reporting
    error_.Failure = failure;
    error_.Section = section_;
    error_.Line = line;
    error_.Item = std::move(item);
    return false;
}

bool DataFileReader::ReadNumberToken(std::string& token, int32_t& tokenLine) {
    if (Failed()) return false;
    for (;;) {
        SkipBlanks();
        if (!AtLineEnd()) break;
        ConsumeLineEnd();
    }
    if (pos_ >= text_.size()) return Fail(ReadFailure::EndOfFile);
    tokenLine = line_;
    lastItemLine_ = line_;
    size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(text_[pos_]) && text_[pos_] != ',' && !IsLineEndChar(text_[pos_])) ++pos_;
    token.assign(text_, start, pos_ - start);
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
    else ConsumeLineEnd();
    return true;
}

bool DataFileReader::ReadNumber(double& value) {
    std::string token;
    int32_t tokenLine = line_;
    if (!ReadNumberToken(token, tokenLine)) return false;
    if (token.empty()) {  // a delimiting comma alone stands for an empty value
        value = 0;
        return true;
    }
    if (!ParseNumberToken(token, value)) return FailAt(ReadFailure::NotANumber, tokenLine, token);
    return true;
}

bool DataFileReader::ReadDouble(double& value) { return ReadNumber(value); }

bool DataFileReader::ReadSingle(float& value) {
    double number = 0;
    if (!ReadNumber(number)) return false;
    if (std::fabs(number) > static_cast<double>(std::numeric_limits<float>::max()))
        return FailAt(ReadFailure::NotANumber, lastItemLine_, std::to_string(number));
    value = static_cast<float>(number);
    return true;
}

bool DataFileReader::ReadInt32(int32_t& value) {
    double number = 0;
    if (!ReadNumber(number)) return false;
    double rounded = std::nearbyint(number);
    if (rounded > std::numeric_limits<int32_t>::max() || rounded < std::numeric_limits<int32_t>::min())
        return FailAt(ReadFailure::NotANumber, lastItemLine_, std::to_string(number));
    value = static_cast<int32_t>(rounded);
    return true;
}

bool DataFileReader::ReadInt16(int16_t& value) {
    double number = 0;
    if (!ReadNumber(number)) return false;
    double rounded = std::nearbyint(number);
    if (rounded > std::numeric_limits<int16_t>::max() || rounded < std::numeric_limits<int16_t>::min())
        return FailAt(ReadFailure::NotANumber, lastItemLine_, std::to_string(number));
    value = static_cast<int16_t>(rounded);
    return true;
}

bool DataFileReader::ReadCount(int32_t& count, int32_t minCharsPerRecord) {
    int32_t value = 0;
    if (!ReadInt32(value)) return false;
    if (value > 0) {
        // A record of k items needs at least 2k characters (k - 1 of them separators) but the last.
        int64_t needed = static_cast<int64_t>(value) * std::max<int32_t>(minCharsPerRecord, 1) - 1;
        if (needed > static_cast<int64_t>(Remaining()))
            return FailAt(ReadFailure::BadCount, lastItemLine_, std::to_string(value));
    }
    count = value;
    return true;
}

bool DataFileReader::ReadText(std::string& text) {
    if (Failed()) return false;
    SkipBlanks();
    if (pos_ >= text_.size()) return Fail(ReadFailure::EndOfFile);
    lastItemLine_ = line_;
    std::string item;
    if (text_[pos_] == '"') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !IsLineEndChar(text_[pos_])) ++pos_;
        item.assign(text_, start, pos_ - start);
        if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
        // Behind the closing quote, as behind a number: blanks, then one delimiter; anything else
        // is the next item.
        SkipBlanks();
    } else {
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEndChar(text_[pos_])) ++pos_;
        item.assign(text_, start, pos_ - start);
        while (!item.empty() && IsBlank(item.back())) item.pop_back();
    }
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
    else ConsumeLineEnd();
    text = std::move(item);
    return true;
}

bool DataFileReader::ReadLine(std::string& line) {
    if (Failed()) return false;
    if (pos_ >= text_.size()) return Fail(ReadFailure::EndOfFile);
    lastItemLine_ = line_;
    size_t start = pos_;
    while (pos_ < text_.size() && !IsLineEndChar(text_[pos_])) ++pos_;
    line.assign(text_, start, pos_ - start);
    ConsumeLineEnd();
    return true;
}

bool DataFileReader::ReadVersionLine(VersionLine& version) {
    std::string line;
    if (!ReadLine(line)) return false;
    size_t first = 0, last = line.size();
    while (first < last && IsBlank(line[first])) ++first;
    while (last > first && IsBlank(line[last - 1])) --last;
    std::string text = line.substr(first, last - first);
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    version = VersionLine{};
    version.Text = text;
    if (text.size() > 2) {
        version.HasVersion = true;
        version.Version = RoundToInt32(LeadingNumberValue(text.size() > 8 ? text.substr(8) : std::string()));
    }
    return true;
}

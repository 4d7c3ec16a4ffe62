#include "model/files/DataFileReader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>

#include "model/common/ModelMessages.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEndChar(char c) { return c == '\r' || c == '\n'; }

// Parses a whole token as a number: optional sign, digits with an optional ".", an optional
// exponent (E or D). False when anything else is in the token or no digit is there.
bool ParseNumberToken(const std::string& token, double& value) {
    const ScannedNumber scanned = ScanLeadingNumber(token);
    if (scanned.Length == 0 || scanned.Length != token.size() || !scanned.Finite) return false;
    value = scanned.Value;
    return true;
}

const Bilingual& FailureText(ReadFailure failure) {
    switch (failure) {
    case ReadFailure::None: break;
    case ReadFailure::EndOfFile: return ModelMessages::UnexpectedEnd;
    case ReadFailure::NotANumber: return ModelMessages::NumberExpected;
    case ReadFailure::BadCount: return ModelMessages::InvalidCount;
    case ReadFailure::UnknownNode: return ModelMessages::UndefinedNode;
    case ReadFailure::UnsupportedVersion: return ModelMessages::UnsupportedVersion;
    case ReadFailure::BadValue: return ModelMessages::InvalidValue;
    case ReadFailure::NotText: return ModelMessages::NotATextFile;
    }
    return ModelMessages::NoError;
}

}  // namespace

std::string DescribeReadError(const ReadError& error, const LanguageFlags& languages) {
    std::string text = UiText(FailureText(error.Failure), languages);
    if (error.Failure == ReadFailure::NotText) return text;  // the whole file is at fault
    if (!error.Item.empty()) text += " (\"" + error.Item + "\")";
    if (!error.Section.empty()) text += UiText(ModelMessages::InSection, languages) + error.Section;
    text += UiText(ModelMessages::AtLine, languages);
    text += std::to_string(error.Line);
    return text;
}

int32_t RoundToInt32(double value) {
    if (std::isnan(value)) return 0;
    double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

DataFileReader::DataFileReader(std::string text) : text_(std::move(text)) {
    // What an editor puts in front of a file it saves as UTF-8; the file's own text follows it.
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    // Two-byte characters would be read as items with NUL bytes in them, or not at all.
    if (text_.starts_with("\xFF\xFE") || text_.starts_with("\xFE\xFF") || text_.find('\0') != std::string::npos)
        Fail(ReadFailure::NotText);
}

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

bool DataFileReader::ReadTextToLineEnd(std::string& text) {
    if (Failed()) return false;
    SkipBlanks();
    std::string item;
    if (!ReadLine(item)) return false;
    while (!item.empty() && IsBlank(item.back())) item.pop_back();
    if (item.size() >= 2 && item.front() == '"' && item.back() == '"') item = item.substr(1, item.size() - 2);
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

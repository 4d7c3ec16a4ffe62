#include "model/files/DataFileWriter.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <utility>

#include "model/common/Helpers.h"

namespace {

// Room for the longest integer item: a sign place, 19 digits, a trailing blank.
constexpr size_t IntItemRoom = 24;
// Decimals up to which a real is formatted on the stack rather than through FormatNum.
constexpr int32_t StackDecimals = 32;

char* WriteIntItem(char* out, int64_t value) {
    if (value >= 0) *out++ = ' ';
    out = std::to_chars(out, out + IntItemRoom - 2, value).ptr;
    *out++ = ' ';
    return out;
}

}  // namespace

std::string IntItemText(int64_t value) {
    char item[IntItemRoom];
    return std::string(item, WriteIntItem(item, value));
}

std::string GeneralRealItemText(float value) {
    if (!std::isfinite(value)) value = 0;
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::general, 7);
    std::string text = ec == std::errc() ? std::string(buffer, end) : "0";
    std::string exponent;
    if (auto e = text.find('e'); e != std::string::npos) {
        exponent = "E" + text.substr(e + 1);
        text.erase(e);
    }
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text.rfind("0.", 0) == 0) text.erase(0, 1);
    if (text.empty()) text = "0";
    text += exponent;
    bool negative = value < 0 && text != "0";
    return (negative ? "-" : " ") + text + " ";
}

bool TextNeedsQuotes(const std::string& text) {
    if (text.empty()) return false;
    if (text.find(',') != std::string::npos) return true;
    if (text.front() == '"') return true;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return blank(text.front()) || blank(text.back());
}

DataFileWriter::DataFileWriter(TextSink& sink, size_t pieceSize) : sink_(&sink), pieceSize_(pieceSize) {
    out_.reserve(pieceSize_);
}

// Only at the end of a line or of the text: the current line must stay whole for its zones.
void DataFileWriter::HandOver() {
    sink_->Append(out_);
    out_.clear();
    lineStart_ = 0;
}

void DataFileWriter::Finish() {
    if (sink_ != nullptr && !out_.empty()) HandOver();
}

void DataFileWriter::BeginItem() {
    if (lineHasItem_) {
        size_t written = out_.size() - lineStart_;
        size_t zoneStart = (written + PrintZoneWidth - 1) / PrintZoneWidth * PrintZoneWidth;
        // An item that fills its zones to the last column and does not end in a blank (a real, a
        // text; an empty item too) would run into the next one and not read back: one zone more.
        if (zoneStart == written && (written == 0 || out_.back() != ' ')) zoneStart += PrintZoneWidth;
        out_.append(zoneStart - written, ' ');
    }
    lineHasItem_ = true;
}

// The items of large files are formatted on the stack, without a string of their own.
DataFileWriter& DataFileWriter::Int(int64_t value) {
    char item[IntItemRoom];
    return Raw(std::string_view(item, static_cast<size_t>(WriteIntItem(item, value) - item)));
}

template <class T>
DataFileWriter& DataFileWriter::Fixed(T value, int32_t decimals) {
    if (decimals > StackDecimals) return Raw(FormatNum(value, decimals));
    char item[FormatNumRoom(StackDecimals)];
    return Raw(std::string_view(item, static_cast<size_t>(FormatNumTo(item, value, decimals) - item)));
}

DataFileWriter& DataFileWriter::Real(double value, int32_t decimals) { return Fixed(value, decimals); }

DataFileWriter& DataFileWriter::Real(float value, int32_t decimals) { return Fixed(value, decimals); }

DataFileWriter& DataFileWriter::GeneralReal(float value) { return Raw(GeneralRealItemText(value)); }

DataFileWriter& DataFileWriter::Text(const std::string& text) {
    std::string item = text;
    for (char& c : item)
        if (c == '\r' || c == '\n') c = ' ';
    if (!TextNeedsQuotes(item)) return Raw(item);
    for (char& c : item)
        if (c == '"') c = '\'';
    return Raw("\"" + item + "\"");
}

DataFileWriter& DataFileWriter::Raw(std::string_view item) {
    BeginItem();
    out_ += item;
    return *this;
}

DataFileWriter& DataFileWriter::EndLine() {
    out_ += "\r\n";
    lineStart_ = out_.size();
    lineHasItem_ = false;
    if (sink_ != nullptr && out_.size() >= pieceSize_) HandOver();
    return *this;
}

DataFileWriter& DataFileWriter::Line(const std::string& text) {
    Raw(text);
    return EndLine();
}

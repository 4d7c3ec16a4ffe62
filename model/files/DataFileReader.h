#pragma once
// Free-format item reader for the positional text files of the analysis program (data file,
// section archive, settings). The whole file is held in memory; items are read one at a time:
//  - a number begins at the first non-blank character (line ends before it are skipped) and ends
//    at a blank, a comma or a line end; blanks after it are skipped, then one comma or one line end
//    is consumed, so a comment behind the number stays for the next read;
//  - a text item runs from its first non-blank character to the next comma or line end (both
//    consumed); a text that begins with a double quote runs to the closing quote (never beyond
//    its line), and what follows the quote is read like what follows a number;
//  - a whole-line read takes every character up to the line end and consumes the line end.
// A UTF-8 byte-order mark in front of the first line is skipped; a file of two-byte characters
// (UTF-16, with its mark or without it, when it shows as NUL bytes) fails every read.
// Every failure (end of file, text where a number is expected, an absurd count) is kept in an
// error record that names the section and the line; once failed, every further read fails too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "model/common/NumberScan.h"

struct LanguageFlags;

enum class ReadFailure {
    None,
    EndOfFile,           // the file ends where an item was expected
    NotANumber,          // text where a number is expected, or a number out of range
    BadCount,            // a count that the rest of the file cannot hold, or beyond a table's size
    UnknownNode,         // a node number that no node carries
    UnsupportedVersion,  // a version the reader refuses
    BadValue,            // any other value the caller refuses
    NotText,             // no single-byte text: a UTF-16 file, or one holding NUL bytes
};

struct ReadError {
    ReadFailure Failure = ReadFailure::None;
    std::string Section;  // the section being read when the failure happened
    int32_t Line = 0;     // 1-based line of the offending item
    std::string Item;     // the offending text, when there is one
};

// A one-line description of the failure for a message box, in the interface language.
std::string DescribeReadError(const ReadError& error, const LanguageFlags& languages);

// The version line of a file: read whole, trimmed, upper-cased. Lines of more than 2 characters
// carry a version: the number that follows the first 8 characters.
struct VersionLine {
    std::string Text;        // trimmed and upper-cased
    bool HasVersion = false;  // false for a line of 2 characters or fewer
    int32_t Version = 0;     // 0 when HasVersion is false
};

// Rounds to the nearest 32-bit integer, halves to even; values beyond the range are clamped.
int32_t RoundToInt32(double value);

class DataFileReader {
public:
    explicit DataFileReader(std::string text);

    // Names the section that failures are reported against.
    void SetSection(std::string section) { section_ = std::move(section); }
    const std::string& Section() const { return section_; }

    // Numbers. Integers are rounded halves to even, as an integer variable receives a real.
    bool ReadNumber(double& value);
    bool ReadDouble(double& value);
    bool ReadSingle(float& value);
    bool ReadInt32(int32_t& value);
    bool ReadInt16(int16_t& value);
    // A record count: fails with BadCount when `count` records of at least `minCharsPerRecord`
    // characters cannot fit in the rest of the file. Values of 0 or less are returned as read.
    bool ReadCount(int32_t& count, int32_t minCharsPerRecord);

    bool ReadText(std::string& text);
    // A text item that is the last item of its line: it runs from its first non-blank character to
    // the line end, commas included (the analysis program writes names unquoted, commas and all);
    // the double quotes of a text enclosed in them are dropped.
    bool ReadTextToLineEnd(std::string& text);
    bool ReadLine(std::string& line);
    bool ReadVersionLine(VersionLine& version);

    // Records a failure of the caller's own checks at the current line; returns false.
    bool Fail(ReadFailure failure, std::string item = {});
    // As Fail, at a given line (the line where a value the caller refuses was read).
    bool FailAt(ReadFailure failure, int32_t line, std::string item = {});

    bool Failed() const { return error_.Failure != ReadFailure::None; }
    const ReadError& Error() const { return error_; }

    // 1-based line of the next character to be read.
    int32_t Line() const { return line_; }
    // 1-based line where the item read last began (where a refused value stands).
    int32_t LastItemLine() const { return lastItemLine_; }
    // Characters not yet read.
    size_t Remaining() const { return text_.size() - pos_; }
    // True when nothing but blanks and line ends is left.
    bool AtEndOfData() const;

private:
    bool AtLineEnd() const;
    void ConsumeLineEnd();
    void SkipBlanks();
    bool ReadNumberToken(std::string& token, int32_t& tokenLine);

    std::string text_;
    size_t pos_ = 0;
    int32_t line_ = 1;
    int32_t lastItemLine_ = 1;
    std::string section_;
    ReadError error_;
};

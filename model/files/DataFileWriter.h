#pragma once
// Line writer for the positional text files (data file, settings): the items of a line advance to
// 14-column print zones, integers carry a leading blank when not negative and a trailing blank,
// reals have a fixed count of decimals and "." whatever the locale, lines end with CR LF. The text
// is built in memory, or handed to a sink in pieces of whole lines as it is written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/files/TextSink.h"

class DataFileWriter {
public:
    static constexpr int PrintZoneWidth = 14;
    // The size from which the lines written so far go to the sink as one piece.
    static constexpr size_t DefaultPieceSize = 64 * 1024;

    // The whole text in memory, in Output().
    DataFileWriter() = default;
    // The text for `sink`: each time the lines ended reach `pieceSize` bytes they go to it, and
    // Finish hands it the rest. Output() holds only what has not gone yet.
    explicit DataFileWriter(TextSink& sink, size_t pieceSize = DefaultPieceSize);

    // One item each; the item after another on the same line starts at the next print zone, and
    // one zone further when the item before it fills its last zone without a trailing blank.
    DataFileWriter& Int(int64_t value);
    // A real with exactly `decimals` decimals (none and no point when decimals < 1).
    DataFileWriter& Real(double value, int32_t decimals);
    DataFileWriter& Real(float value, int32_t decimals);
    // A 32-bit real in its general form: a blank or "-", the shortest text of at most 7
    // significant digits (no leading zero before the point, none after it), a trailing blank.
    DataFileWriter& GeneralReal(float value);
    // A text item. A text that would not read back whole as one item (it holds a comma, starts
    // with a double quote or with or ends in blanks) is written between double quotes; double quotes
    // inside it become single quotes, since the format has no escape for them. Line ends inside
    // a text become blanks.
    DataFileWriter& Text(const std::string& text);
    // An item written exactly as given.
    DataFileWriter& Raw(std::string_view item);

    // Ends the current line (also an empty one) with CR LF.
    DataFileWriter& EndLine();
    // An item written exactly as given that ends its line: on a line of its own, the whole line.
    DataFileWriter& Line(const std::string& text);

    // The end of the text for the sink: hands it what is still held, an unfinished line included.
    // Nothing is written after it.
    void Finish();

    const std::string& Output() const { return out_; }
    std::string TakeOutput() { return std::move(out_); }

private:
    void BeginItem();
    void HandOver();
    template <class T>
    DataFileWriter& Fixed(T value, int32_t decimals);

    TextSink* sink_ = nullptr;
    size_t pieceSize_ = 0;
    // The text not yet handed to the sink; the current line is always whole in it, for the zones.
    std::string out_;
    size_t lineStart_ = 0;
    bool lineHasItem_ = false;
};

// The integer item as written: " 12 ", "-1 ".
std::string IntItemText(int64_t value);
// The general form of a 32-bit real as written: " 2.5 ", " .5 ", "-3 ".
std::string GeneralRealItemText(float value);
// True when a text would not read back whole as one unquoted text item.
bool TextNeedsQuotes(const std::string& text);

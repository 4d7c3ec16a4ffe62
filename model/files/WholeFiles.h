#pragma once
// Reading and writing files in one piece: every file the program reads or writes goes through here.
#include <span>
#include <string>
#include <string_view>
#include <system_error>

// Reads a whole file into `text`; false when it cannot be opened or read, or is larger than any
// deck could be.
bool ReadWholeFile(const std::string& path, std::string& text);

// Writes `text` to `path` byte for byte; false when the file cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& text);

// Replaces `path` by a file holding `text`, never leaving a half-written file in its place: the
// text goes to a temporary file beside it, reaches the disk, and only then takes the old file's
// name. False, with the reason in `reason`, when anything failed; the old file is then untouched.
bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason);
// As above, with the cause as an error code, for callers that tell causes apart.
bool ReplaceWholeFile(const std::string& path, const std::string& text, std::error_code& error);
// As above, the text given as pieces written one after the other, so that a text put together
// from large parts need not be copied into one string first.
bool ReplaceWholeFile(const std::string& path, std::span<const std::string_view> pieces, std::error_code& error);

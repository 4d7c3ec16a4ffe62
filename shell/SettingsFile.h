#pragma once
// The settings file "Dravo_Imp.ini" in the settings folder: the layer table and the user options,
// one value or one row per line, written at version 18; versions 12 to 18 are read. A read puts
// the defaults in place first, so a value the file does not hold returns to its default.
#include <cstdint>
#include <string>

#include "model/Session.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"

inline constexpr const char* SettingsFileName = "Dravo_Imp.ini";
inline constexpr int16_t SettingsVersion = 18;
inline constexpr int16_t OldestSettingsVersion = 12;
inline constexpr const char* SettingsHeader = "file_impostazioni_Dravo_impalcati";

std::string SettingsFilePath(const FolderSet& folders);

// The whole file at the current version for the values in force.
std::string FormatSettingsText(const Session& session);

enum class SettingsRead {
    Whole,         // every line the version holds was read
    Truncated,     // the file ended early or held text where a number belongs: the values read so
                   // far are in force, the rest keep what they had
    OtherVersion,  // not a version this program reads: nothing but the version line was read
};

// Reads a settings file's text over the values in force, without the defaults first.
SettingsRead ReadSettingsText(const std::string& text, Session& session);

// The defaults, then the settings file when it is there and of a version that is read; then the
// palette and the canvas background of the background flag in force. Nothing is redrawn. Notes in
// the shell state whether a file is there that was not read whole.
void LoadSettings(Session& session, Canvas& canvas);

// Writes the whole file at the current version. False, after a message that says why, when the
// file could not be written; the previous file is then untouched.
bool SaveSettings(const Session& session, MessageBoxes& messages);

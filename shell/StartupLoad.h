#pragma once
// What the start of the process prepares before and while the main window loads, apart from the
// window itself: the state the command line asks for, the folders, the interface language, the
// settings and the recent files, the drawing-language question and the deck of the command line.
#include <functional>

#include "model/Session.h"
#include "platform/Platform.h"
#include "shell/CommandLine.h"

// Runs one step of the main window's load: a step that fails is abandoned and the load goes on
// with the next one, without a message.
void RunTrapped(const std::function<void()>& step);

// The state a start begins with: the data file of the command line (the empty text for none), the
// start flags of a batch start, the design defaults and the executable's folder.
void ApplyCommandLineStart(const CommandLineStart& start, Session& session, Folders& folders);

// The load's steps that every start runs, each one trapped: the folders, the interface language
// from the analysis program, the settings and the recent files.
void LoadApplicationState(Session& session, Platform& platform);

// When the drawing language differs from the interface language, asks whether to align it; Yes
// aligns it and writes the settings, unless a settings file is there that was not read whole: that
// file is left as it was, the language changes for this run only, and a message says so.
void AlignDrawingLanguage(Session& session, Platform& platform);

enum class StartDocument {
    Opened,       // loaded, fitted to the canvas and at the head of the recent files
    LoadFailed,   // the reader has said why; the caller empties the document
    FileMissing,  // the file is gone: nothing is loaded and the document keeps its name
    None,         // no data file on the command line
};

// Opens the data file of the command line, if there is one, by its absolute path: the file dialogs
// start beside it, the deck is loaded under the hourglass pointer, the view is fitted to the model
// and the commands follow the reinforcement state.
StartDocument OpenStartDocument(Session& session, Platform& platform);

#pragma once
// What loading and saving a deck work on: the model, the application state that travels in the
// data file's tail, the message boxes and the section-properties server. Built by the caller from
// its own state, so that two documents (or two tests) never share anything.
#include <functional>

#include "design/DesignOptions.h"
#include "drawing/DrawingState.h"
#include "model/ModelTables.h"
#include "platform/MessageBox.h"
#include "platform/SectionPropertiesServer.h"
#include "shell/ShellState.h"

// Completes a loaded deck with its derived plan geometry. Called at the end of every good load,
// with freshExport true for a file without drawing data (the whole derived geometry is to be
// built) and false for a saved file (only what is rebuilt on every load).
using DeckCompletion = std::function<void(Model& model, bool freshExport)>;

struct DeckFileContext {
    Model& model;
    ShellState& shell;
    DrawingState& drawing;
    DesignOptions& design;
    MessageBoxes& messages;
    SectionPropertiesServer& server;
    // The plan-geometry subsystem installs its completion here; empty, the model stays as read.
    DeckCompletion CompleteDeck = {};
};

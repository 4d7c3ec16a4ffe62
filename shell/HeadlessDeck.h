#pragma once
// One deck's document without a window: the model, the application state it loads and saves,
// message boxes that answer by themselves and the built-in section server, tied together so that
// every load ends with the completion of the deck. Batch runs and the developer tools use it.
#include <string>

#include "design/DesignOptions.h"
#include "drawing/DrawingState.h"
#include "editing/MeasuredPoints.h"
#include "model/DeckFileContext.h"
#include "model/ModelTables.h"
#include "platform/BuiltinSectionServer.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "shell/ShellState.h"

struct HeadlessDeck {
    explicit HeadlessDeck(bool echoMessages = false);
    HeadlessDeck(const HeadlessDeck&) = delete;
    HeadlessDeck& operator=(const HeadlessDeck&) = delete;

    // Loads as the document flows do: the tables they empty first, then the load. True when
    // `LoadStatus` is 0 afterwards.
    bool Load(const std::string& path);
    // The data file's text given directly; the archive is the one beside `path`.
    bool LoadText(const std::string& path, const std::string& text);
    // False when nothing was saved.
    bool Save(const std::string& path);
    // The text a save would write.
    std::string SavedText() const;

    Model model;
    ShellState shell;
    DrawingState drawing;
    DesignOptions design;
    HeadlessMessageBoxes messages;
    BuiltinSectionServer server;
    DeckFileContext context{model, shell, drawing, design, messages, server};
    MeasuredPoints measured;
    int32_t slabDesign = -1;
};

#pragma once
// The dispatch of a command id to what it runs: a document flow, a view step, a dialog, an
// automatic action, a display switch or the start of a canvas tool. What lives in the window (its
// dialogs, flows and canvas) is reached through CommandActions, which the main window implements.
#include <cstdint>
#include <string>

#include "model/Session.h"
#include "platform/MessageBox.h"

class CommandActions {
public:
    virtual ~CommandActions() = default;
    // The document commands: save question, file dialog, load or save, title and recent list.
    virtual void OpenCommand() = 0;
    virtual void SaveCommand() = 0;
    virtual void SaveAsCommand() = 0;
    // The recent list is written already; once the save question for unsaved changes lets the window
    // close, the current folder becomes the program's and the main window unloads.
    virtual void Exit() = 0;
    virtual void ShowSettingsDialog() = 0;
    virtual void ShowAbout() = 0;  // the information window
    virtual void ShowDesignOptionsDialog() = 0;
    // The automatic design: the deck's sections go, every designable floor slab is designed anew
    // and the plan redrawn.
    virtual void DesignReinforcementAgain() = 0;
    virtual void RunDxfOutput() = 0;
    // Loads the recent file of slot 0 to 3.
    virtual void CaricaRece(int32_t slot) = 0;
    // The whole plan drawn again on the canvas.
    virtual void Redraw() = 0;
    // The status bar's second panel.
    virtual void ShowPrompt(const std::string& prompt) = 0;
};

struct CommandContext {
    Session& session;
    MessageBoxes& messages;
    CommandActions& actions;
};

// Runs command `id`, enabled or not; an id of no command runs nothing.
void Pulsanti(int32_t id, CommandContext context);
// A command chosen in the menu or the toolbar: remembered as the last one, then run.
void ExecuteCommand(int32_t id, CommandContext context);
// The right-click repeat: runs the last command again, only while the bars would offer it now (a
// load may have disabled it since). False when nothing ran.
bool RepeatLastCommand(CommandContext context);

// The start of the process: the command line chooses the window, or the batch hand-off of one
// concrete slab, which shows no window and ends with the hand-off.
#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "app/NoDisplayPlatform.h"
#include "platform/qt/QtFolders.h"
#include "platform/qt/QtMessageBoxes.h"
#include "shell/BatchMode.h"
#include "shell/CommandLine.h"
#include "shell/ShellMessages.h"
#include "shell/StartupLoad.h"
#include "shell/forms/MainWindow.h"

namespace {

std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A screen a person can see: an X or Wayland display, unless Qt is told to draw off screen.
bool HasDisplay() {
    const std::string platform = EnvironmentText("QT_QPA_PLATFORM");
    if (platform.starts_with("offscreen") || platform.starts_with("minimal")) return false;
    return !EnvironmentText("DISPLAY").empty() || !EnvironmentText("WAYLAND_DISPLAY").empty();
}

// The command line as one text: the arguments after the program's name, joined by blanks.
std::string CommandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

int RunWindow(const CommandLineStart& start) {
    MainWindow form;
    ApplyCommandLineStart(start, form.session(), form.platform().folders);
    form.Form_Load();
    form.show();
    return QApplication::exec();
}

// The main window is loaded but never shown: its load reads the language, the settings and the
// recent files as at any start, and stops there.
int RunBatchWithWindow(const CommandLineStart& start) {
    MainWindow form;
    ApplyCommandLineStart(start, form.session(), form.platform().folders);
    form.Form_Load();
    return RunBatchHandOff(form.session(), form.platform(), start.SlabNumber);
}

int RunBatchWithoutDisplay(const CommandLineStart& start) {
    NoDisplayPlatform services;
    Session session;
    ApplyCommandLineStart(start, session, services.folders);
    LoadApplicationState(session, services.platform);
    return RunBatchHandOff(session, services.platform, start.SlabNumber);
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLineStart start = ParseCommandLine(CommandLineText(argc, argv));
    const bool display = HasDisplay();
    // Windows can be made on a display, or wherever Qt is told which platform to draw on.
    const bool windows = display || !EnvironmentText("QT_QPA_PLATFORM").empty();

    if (!display) {
        HeadlessMessageBoxes messages(true);
        if (!DataFileOfStartExists(start, messages)) return ExitFailed;
    }
    std::unique_ptr<QCoreApplication> application;
    if (display || (windows && !start.IsBatch())) application = std::make_unique<QApplication>(argc, argv);
    else application = std::make_unique<QCoreApplication>(argc, argv);
    if (display) {
        QtMessageBoxes messages;
        if (!DataFileOfStartExists(start, messages)) return ExitFailed;
    }

    if (start.IsBatch()) return display ? RunBatchWithWindow(start) : RunBatchWithoutDisplay(start);
    if (!windows) {
        std::cerr << ShellMessages::NoDisplay << "\n";
        return ExitFailed;
    }
    return RunWindow(start);
}

#include "shell/forms/Form1Commands.h"

#include <QLabel>

#include <filesystem>
#include <system_error>

#include "design/DesignCommands.h"
#include "shell/forms/Form1.h"

// The document flows and the recent files come with their own window steps.
void Form1Commands::OpenCommand() {}
void Form1Commands::SaveCommand() {}
void Form1Commands::SaveAsCommand() {}
void Form1Commands::CaricaRece(int32_t) {}

void Form1Commands::Exit() {
    const std::string& exeFolder = form_.session().shell.Folders.ExeFolder;
    std::error_code ignored;
    if (!exeFolder.empty()) std::filesystem::current_path(exeFolder, ignored);
    form_.close();
}

// The settings dialog, the about window, the floor-slab design options dialog and the DXF export
// come with their own windows.
void Form1Commands::ShowSettingsDialog() {}
void Form1Commands::ShowAbout() {}
void Form1Commands::ShowDesignOptionsDialog() {}
void Form1Commands::RunDxfOutput() {}

void Form1Commands::DesignAllFloorSlabs() { ::DesignAllFloorSlabs(form_.session(), form_.platform()); }

void Form1Commands::Redraw() { form_.Form_Activate(); }

void Form1Commands::ShowPrompt(const std::string& prompt) { form_.StatusPanel2->setText(QString::fromStdString(prompt)); }

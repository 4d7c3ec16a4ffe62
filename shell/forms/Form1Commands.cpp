#include "shell/forms/Form1Commands.h"

#include <QLabel>

#include <filesystem>
#include <system_error>

#include "design/DesignCommands.h"
#include "design/forms/Form7.h"
#include "dxf/forms/Form5.h"
#include "shell/DxfOutputCommand.h"
#include "shell/SettingsFile.h"
#include "shell/forms/Form1.h"
#include "shell/forms/Form14.h"
#include "shell/forms/Form2.h"

DocumentContext Form1Commands::Document() { return {form_.session(), form_.platform(), *this}; }

void Form1Commands::OpenCommand() { ::OpenCommand(Document()); }
void Form1Commands::SaveCommand() { ::SaveCommand(Document()); }
void Form1Commands::SaveAsCommand() { ::SaveAsCommand(Document()); }
void Form1Commands::CaricaRece(int32_t slot) { ::CaricaRece(Document(), slot); }

void Form1Commands::Exit() {
    const std::string& exeFolder = form_.session().shell.Folders.ExeFolder;
    std::error_code ignored;
    if (!exeFolder.empty()) std::filesystem::current_path(exeFolder, ignored);
    form_.close();
}

void Form1Commands::ShowSettingsDialog() {
    Form2 settings(form_.session(), form_.platform(), [this] { form_.Form_Activate(); }, &form_);
    RunModal(form_.Runner(), settings);
}

void Form1Commands::ShowAbout() {
    Form14 about(form_.session().model, &form_);
    RunModal(form_.Runner(), about);
}

void Form1Commands::ShowDesignOptionsDialog() {
    Form7 options(form_.session(), form_.platform().messages, [this] { form_.Form_Activate(); }, &form_);
    RunModal(form_.Runner(), options);
}

void Form1Commands::RunDxfOutput() {
    Session& session = form_.session();
    Platform& platform = form_.platform();
    ::RunDxfOutput(Document(), [&] {
        Form5 dialog(session, platform, ExportDialogStartFolder(session, platform.registry),
                     [&] { SaveSettings(session, platform.messages); }, form_.Runner(), &form_);
        RunModal(form_.Runner(), dialog);
    });
}

void Form1Commands::DesignAllFloorSlabs() { ::DesignAllFloorSlabs(form_.session(), form_.platform()); }

void Form1Commands::Redraw() { form_.Form_Activate(); }

void Form1Commands::ShowPrompt(const std::string& prompt) { form_.StatusPanel2->setText(QString::fromStdString(prompt)); }

void Form1Commands::TitoloFR1() {
    // An emptied document closed the vertex panel before its caption is asked for.
    form_.SyncVertexPanel();
    form_.TitoloFR1();
}

void Form1Commands::DrawPlan() { form_.Form_Activate(); }

void Form1Commands::RefreshRecentMenu() { form_.RefreshRecentMenu(); }

#include "shell/StartupLoad.h"

#include <filesystem>
#include <system_error>

#include "model/common/Helpers.h"
#include "model/files/LoadCrpFile.h"
#include "plangeom/CompleteDeck.h"
#include "shell/DocumentSteps.h"
#include "shell/ProgramFolders.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"
#include "shell/StruviaRegistry.h"

namespace {

size_t FindDataFileExtension(const std::string& path) {
    return AsciiUpperCase(path).find(".CRP");
}

// The path from the root, so that the deck's recent entry opens it from any folder. Its "." and
// ".." steps are taken out only where the shorter path names the same file: a ".." after a link to
// a folder leads elsewhere than the text says.
std::string AbsolutePath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) return path;
    const fs::path normal = absolute.lexically_normal();
    return fs::equivalent(normal, absolute, error) ? normal.string() : absolute.string();
}

}  // namespace

void RunTrapped(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        // The start goes on without the step, as the window must open whatever failed.
    }
}

void ApplyCommandLineStart(const CommandLineStart& start, Session& session, Folders& folders) {
    DocumentState& document = session.shell.Document;
    document.CurrentFile = start.CurrentFile;
    document.SlabFileOnly = start.SlabFileOnly;
    document.InteractiveStart = start.IsBatch() ? 0 : -1;
    session.design.MaxUpperBarLength = 1200;
    session.design.CurbWidth = 25.0f;
    session.design.CurbSpanThreshold = 450.0f;
    session.shell.Folders.ExeFolder = folders.ProgramFolder();
}

void LoadApplicationState(Session& session, Platform& platform) {
    RunTrapped([&] { InitFolders(session.shell.Folders, platform.folders); });
    RunTrapped([&] { session.shell.Languages.UiLanguage = ReadUiLanguage(platform.registry); });
    RunTrapped([&] { LoadSettings(session, platform.canvas); });
    RunTrapped([&] { LoadRecentFiles(session); });
}

void AlignDrawingLanguage(Session& session, Platform& platform) {
    LanguageFlags& languages = session.shell.Languages;
    if (languages.DrawingLanguage == languages.UiLanguage) return;
    const MsgAnswer answer = platform.messages.Show(
        GetWarningTitle(languages), UiText(ShellMessages::DrawingLanguageQuestion, languages), MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) return;
    languages.DrawingLanguage = languages.UiLanguage;
    if (!session.shell.SettingsFileNotReadWhole) {
        SaveSettings(session, platform.messages);
        return;
    }
    // The settings in force are defaults where the file was not read: written over it, they would
    // take the user's layers, colours and options away.
    platform.messages.Show(GetWarningTitle(languages),
                           UiText(ShellMessages::SettingsFileKept, languages,
                                  {SettingsFilePath(session.shell.Folders)}),
                           MsgButtons::Ok, MsgIcon::Information);
}

StartDocument OpenStartDocument(Session& session, Platform& platform) {
    DocumentState& document = session.shell.Document;
    const size_t extension = FindDataFileExtension(document.CurrentFile);
    if (extension == std::string::npos) return StartDocument::None;
    // The name keeps the case it was given in, since the file system tells cases apart.
    document.CurrentFile.resize(extension + 4);
    if (!FileExists(document.CurrentFile)) return StartDocument::FileMissing;
    document.CurrentFile = AbsolutePath(document.CurrentFile);

    document.DialogStartFolder = GetParentFolder(document.CurrentFile);
    SetCanvasPointer(session, platform.canvas, PointerHourglass);
    int32_t slabDesign = -1;
    LoadCrpFile(document.CurrentFile, slabDesign, session, platform, SessionCompletion(session));
    if (document.LoadStatus == -1) return StartDocument::LoadFailed;

    PlaceLoadedDeck(session, platform.canvas);
    FinishLoadedDeck(session, platform, slabDesign);
    return StartDocument::Opened;
}

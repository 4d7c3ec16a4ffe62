#include "shell/DocumentFlows.h"

#include <algorithm>
#include <utility>

#include "editing/VertexPanel.h"
#include "model/common/Helpers.h"
#include "model/files/LoadCrpFile.h"
#include "plangeom/CompleteDeck.h"
#include "shell/DocumentSteps.h"
#include "shell/DocumentTitle.h"
#include "shell/ProgramFolders.h"
#include "shell/RecentFiles.h"
#include "shell/SaveAsArchive.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"
#include "shell/UnassignedOutlineQuestion.h"

namespace {

bool IsNamed(const DocumentState& document) { return document.CurrentFile != UnnamedDocument; }

void AddToRecentFiles(DocumentContext c) {
    if (AddRecentFile(c.session, c.session.shell.Document.CurrentFile)) c.window.RefreshRecentMenu();
}

MsgAnswer AskSaveQuestion(DocumentContext c, MsgButtons buttons) {
    const LanguageFlags& languages = c.session.shell.Languages;
    return c.platform.messages.Show(GetWarningTitle(languages), UiText(ShellMessages::SaveQuestion, languages),
                                    buttons);
}

// The save after Yes to the save question: a named document where it is, an unnamed one through
// Salva under `unnamedSaveTitle`.
SaveOutcome SaveAfterQuestion(DocumentContext c, const std::string& unnamedSaveTitle) {
    Session& s = c.session;
    return IsNamed(s.shell.Document) ? WriteCrpFile(s.shell.Document.CurrentFile, s, c.platform)
                                     : Salva(c, unnamedSaveTitle);
}

}  // namespace

bool DocumentChanged(const Session& session) {
    if (!session.shell.Document.DeckLoaded) return false;
    return SessionTextDigest(session) != session.shell.Document.UnchangedDigest;
}

bool AskToSaveDeck(DocumentContext c, const std::string& unnamedSaveTitle) {
    if (!DocumentChanged(c.session)) return true;
    if (AskSaveQuestion(c, MsgButtons::YesNo) != MsgAnswer::Yes) return true;
    return SaveAfterQuestion(c, unnamedSaveTitle) != SaveOutcome::Failed;
}

void OpenCommand(DocumentContext c) {
    Session& s = c.session;
    const LanguageFlags& languages = s.shell.Languages;
    if (!AssignEditedOutlineFirst(c)) return;
    if (!AskToSaveDeck(c, UiText(ShellMessages::SaveBeforeOpenTitle, languages))) return;
    Carica(c, "CRP", UiText(ShellMessages::OpenTitle, languages));

    DocumentState& document = s.shell.Document;
    SetCanvasPointer(s, c.platform.canvas, PointerCrosshair);
    c.window.TitoloFR1();
    // The unnamed document has no folder of its own: the dialogs keep theirs.
    if (IsNamed(document)) document.DialogStartFolder = GetParentFolder(document.CurrentFile);
    AddToRecentFiles(c);
}

void Carica(DocumentContext c, const std::string& ext, const std::string& title) {
    DocumentState& document = c.session.shell.Document;
    document.LoadStatus = 0;
    FileDialogRequest request;
    request.Title = title;
    request.Folder = document.DialogStartFolder;
    request.FileName = "*." + ext;
    request.Filter = "File dati (*." + ext + ")|*." + ext;
    request.DefaultExtension = ext;
    const std::string chosen = c.platform.dialogs.OpenFile(request);
    if (chosen.empty() || chosen == request.FileName) {
        document.LoadStatus = -1;
        return;
    }
    // The path keeps its case: the file system tells cases apart.
    LoadDocument(c, chosen);
}

void LoadDocument(DocumentContext c, const std::string& path) {
    Session& s = c.session;
    Canvas& canvas = c.platform.canvas;
    SetCanvasPointer(s, canvas, PointerHourglass);
    // The deck is read beside the document, which it replaces only once it is whole: a file that
    // fails to load takes nothing from the deck shown, its unsaved work included.
    Session loaded = SessionForLoad(s, path);
    const ColourRef background = canvas.BackColour();
    LoadSettings(loaded, canvas);
    int32_t slabDesign = -1;
    LoadCrpFile(path, slabDesign, loaded, c.platform, SessionCompletion(loaded));
    if (loaded.shell.Document.LoadStatus == -1) {
        canvas.SetBackColour(background);
        s.shell.Document.LoadStatus = -1;
        SetCanvasPointer(s, canvas, PointerCrosshair);
        return;
    }
    // The panel's vertices and the tool's picks belong to the deck that goes.
    EndToolsOfTheDocument(s);
    c.window.ToolsEnded();
    TakeLoadedDeck(s, std::move(loaded));
    PlaceLoadedDeck(s, canvas);
    c.window.TitoloFR1();
    c.window.DrawPlan();
    if (FinishLoadedDeck(s, c.platform, slabDesign)) c.window.RefreshRecentMenu();
    // After the drawing, which fits the masonry bars to their walls.
    MarkDocumentUnchanged(s);
}

void SaveCommand(DocumentContext c) {
    Session& s = c.session;
    if (!AssignEditedOutlineFirst(c)) return;
    if (!IsNamed(s.shell.Document)) {
        Salva(c, ShellMessages::SaveTitle);
        return;
    }
    WriteCrpFile(s.shell.Document.CurrentFile, s, c.platform);
    SetCanvasPointer(s, c.platform.canvas, PointerCrosshair);
}

void SaveAsCommand(DocumentContext c) {
    if (!AssignEditedOutlineFirst(c)) return;
    Salva(c, UiText(ShellMessages::SaveAsTitle, c.session.shell.Languages));
    c.window.TitoloFR1();
}

SaveOutcome Salva(DocumentContext c, const std::string& title) {
    Session& s = c.session;
    FileDialogRequest request;
    request.Title = title;
    request.Folder = s.shell.Document.DialogStartFolder;
    request.FileName = s.shell.Document.CurrentFile;
    request.Filter = ShellMessages::SaveFilter;
    request.DefaultExtension = "CRP";
    const std::string chosen = c.platform.dialogs.SaveFile(request);
    if (chosen.empty()) return SaveOutcome::Declined;
    const SaveAsArchive archive = CheckArchiveForSaveAs(s, c.platform.messages, chosen);
    if (!archive.Proceed) return SaveOutcome::Declined;
    // The document takes the new name only once the deck is there: a failed write leaves it
    // named after the file that still holds it.
    const SaveOutcome saved = WriteCrpFile(chosen, s, c.platform);
    if (saved == SaveOutcome::Written) {
        s.shell.Document.CurrentFile = chosen;
        c.window.TitoloFR1();
        PlaceArchiveAfterSaveAs(archive, s, c.platform.messages, chosen);
    }
    return saved;
}

void CaricaRece(DocumentContext c, int32_t slot) {
    Session& s = c.session;
    if (!AssignEditedOutlineFirst(c)) return;
    if (!AskToSaveDeck(c, ShellMessages::SaveTitle)) return;
    const RecentFileList& recent = s.shell.Recent;
    if (slot < 0 || slot >= std::min(recent.RecentFileCount, MaxRecentFiles)) return;
    const std::string path = recent.RecentFiles[static_cast<size_t>(slot)];
    if (!FileExists(path)) {
        if (DropRecentFile(s, slot)) c.window.RefreshRecentMenu();
        return;
    }
    LoadDocument(c, path);
}

CloseDecision CloseDocumentFlow(DocumentContext c) {
    if (!AssignEditedOutlineFirst(c)) return CloseDecision::Keep;
    if (!DocumentChanged(c.session)) return CloseDecision::Close;
    const MsgAnswer answer = AskSaveQuestion(c, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::No) return CloseDecision::Close;
    if (answer != MsgAnswer::Yes) return CloseDecision::Keep;
    // The work would go with the window: anything short of a written file keeps it open.
    const SaveOutcome saved =
        SaveAfterQuestion(c, UiText(ShellMessages::SaveBeforeOpenTitle, c.session.shell.Languages));
    return saved == SaveOutcome::Written ? CloseDecision::Close : CloseDecision::Keep;
}

void Vuota(DocumentContext c) {
    EmptyDocument(c.session, c.platform.canvas);
    c.window.ToolsEnded();
    c.window.TitoloFR1();
}

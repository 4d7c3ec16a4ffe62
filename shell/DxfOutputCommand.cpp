#include "shell/DxfOutputCommand.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "model/files/HeldFile.h"
#include "model/files/LoadCrpFile.h"
#include "model/files/SaveCrpFile.h"
#include "model/files/WholeFiles.h"
#include "plangeom/CompleteDeck.h"
#include "shell/DocumentTitle.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"
#include "shell/StruviaRegistry.h"
#include "shell/UnassignedOutlineQuestion.h"
#include "shell/ViewNavigation.h"

namespace {

constexpr int ScreenRows = 24;
constexpr Bilingual CopyDiffers{"la copia riletta non corrisponde", "the copy read back differs"};

bool IsNamedForExport(const std::string& currentFile) { return !currentFile.empty() && !IsUnnamed(currentFile); }

// The screen side that the loads of an export and the settings file would overwrite.
struct ScreenSettings {
    std::array<int32_t, ScreenRows> Colours{};
    std::array<int32_t, ScreenRows> On{};
    std::array<int32_t, DimOsnapLayerCount> Snap{};
    DisplayOptions Display;
};

ScreenSettings KeepScreenSettings(const DrawingState& d) {
    ScreenSettings kept;
    std::copy_n(d.LayerScreenColours.begin(), ScreenRows, kept.Colours.begin());
    std::copy_n(d.LayerScreenOn.begin(), ScreenRows, kept.On.begin());
    kept.Snap = d.DimOsnapOn;
    kept.Display = d.Display;
    return kept;
}

void PutBack(const ScreenSettings& kept, DrawingState& d) {
    std::copy_n(kept.Colours.begin(), ScreenRows, d.LayerScreenColours.begin());
    std::copy_n(kept.On.begin(), ScreenRows, d.LayerScreenOn.begin());
    d.DimOsnapOn = kept.Snap;
    d.Display = kept.Display;
}

// The document as it is in memory, with the options a data file would carry for it and the view it
// was shown in: all that an unnamed one has, since no file of its own lies where a copy could, and
// a named one's last resort when no copy of it can be had after the dialog.
struct KeptDocument {
    Model model;
    ShellOptions options;
    DesignOptions design;
    std::array<int32_t, LayerCount> screenOn{};
    ViewWindow view;
    int32_t loadStatus = 0;
    bool deckLoaded = false;
    std::string archiveFolder;
};

KeptDocument KeepDocument(const Session& s) {
    const DocumentState& document = s.shell.Document;
    return KeptDocument{s.model,         s.shell.Options,  s.design,
                        s.drawing.LayerScreenOn, s.drawing.View, document.LoadStatus,
                        document.DeckLoaded,     document.ArchiveFolder};
}

// The options a data file carries in its tail, as a reload of it would put them back.
void PutBackDeckOptions(const KeptDocument& kept, Session& s) {
    s.drawing.LayerScreenOn = kept.screenOn;
    s.shell.Options.DimensionUnitMetres = kept.options.DimensionUnitMetres;
    s.shell.Options.SpareOption3 = kept.options.SpareOption3;
    s.shell.Options.OptimalTextSize = kept.options.OptimalTextSize;
    s.design.LowerAssemblyBarDiameter = kept.design.LowerAssemblyBarDiameter;
    s.design.CurbWidth = kept.design.CurbWidth;
    s.design.CurbSpanThreshold = kept.design.CurbSpanThreshold;
    s.design.CurbEnabled = kept.design.CurbEnabled;
}

// A named document's copy on disk: the text checked before the dialog, and the file that held it.
struct DeckCopy {
    std::string text;
    HeldFile file;
};

std::string CopyPathBeside(const std::string& file) {
    return PathInFolder(GetParentFolder(file), ShellMessages::DxfCopyName);
}

// The copy is a new file under the name asked for, or under a new name beside it when that one is
// taken: whatever stands there (somebody's file, a link to one elsewhere) is never written through.
// It is read back before anything depends on it: a copy that is not whole would lose the document
// once the export has loaded other decks. It stays open, so that it is found after the dialog
// under whatever name it has by then.
bool WriteVerifiedCopy(const std::string& path, const std::string& text, const NewFileWriter& writeNewFile,
                       const LanguageFlags& languages, HeldFile& copy, std::string& reason) {
    std::error_code error;
    std::string created;
    if (!writeNewFile(path, text, created, error)) {
        reason = error.message();
        return false;
    }
    if (!copy.Open(created, error)) {
        reason = error.message();
        std::error_code ignored;
        std::filesystem::remove(created, ignored);
        return false;
    }
    if (copy.Holds(text)) return true;
    reason = UiText(CopyDiffers, languages);
    copy.Remove();
    return false;
}

// After a failed reload: the full name of a copy that holds the checked text. The copy stays where
// it is while it holds it; only when it is gone or was changed is a new one written beside it (in
// its folder as that is named now), and the old one goes once the new one has been read back.
// Empty, with the name tried and the cause, when no copy can be had.
std::string CopyHoldingTheChanges(DeckCopy& copy, const NewFileWriter& writeNewFile, const LanguageFlags& languages,
                                  std::string& tried, std::string& reason) {
    const std::string now = copy.file.FullName();
    if (!now.empty() && copy.file.Holds(copy.text)) return now;
    tried = CopyPathBeside(now.empty() ? copy.file.OpenedName() : now);
    HeldFile fresh;
    if (!WriteVerifiedCopy(tried, copy.text, writeNewFile, languages, fresh, reason)) {
        std::error_code ignored;
        tried = std::filesystem::absolute(tried, ignored).lexically_normal().string();
        return {};
    }
    copy.file.Remove();
    copy.file = std::move(fresh);
    return copy.file.FullName();
}

void OfferSave(DocumentContext c) {
    Session& s = c.session;
    if (!DocumentChanged(s)) return;
    const LanguageFlags& languages = s.shell.Languages;
    const MsgAnswer answer =
        c.platform.messages.Show(GetWarningTitle(languages), UiText(ShellMessages::SaveBeforeDxfQuestion, languages),
                                 MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes) return;
    if (s.shell.Document.CurrentFile != UnnamedDocument) SaveCrpFile(s.shell.Document.CurrentFile, s, c.platform);
    else Salva(c, ShellMessages::SaveTitle);
}

void ShowWarning(DocumentContext c, const Bilingual& text, std::initializer_list<std::string> arguments) {
    const LanguageFlags& languages = c.session.shell.Languages;
    c.platform.messages.Show(GetWarningTitle(languages), UiText(text, languages, arguments), MsgButtons::Ok,
                             MsgIcon::Exclamation);
}

// As after a reload, the settings file is read again (so what the dialog stored stays in force) and
// the screen settings are put back; the deck and its own options come from memory.
void PutBackFromMemory(DocumentContext c, KeptDocument kept, const ScreenSettings& screen) {
    Session& s = c.session;
    s.model = std::move(kept.model);
    s.model.HatchLines.Clear();
    s.shell.Document.LoadStatus = kept.loadStatus;
    s.shell.Document.DeckLoaded = kept.deckLoaded;
    s.shell.Document.ArchiveFolder = std::move(kept.archiveFolder);
    LoadSettings(s, c.platform.canvas);
    PutBackDeckOptions(kept, s);
    PutBack(screen, s.drawing);
    s.drawing.View = kept.view;
    c.window.DrawPlan();
}

void RestoreNamed(DocumentContext c, const ScreenSettings& screen, DeckCopy& copy, KeptDocument inMemory,
                  const NewFileWriter& writeNewFile) {
    Session& s = c.session;
    s.model.ClearBeforeLoad();
    s.shell.Document.LoadStatus = 0;
    LoadSettings(s, c.platform.canvas);
    PutBack(screen, s.drawing);
    const int32_t designState = s.shell.Document.SlabDesignState;
    int32_t slabDesign = -1;
    // The copy checked before the dialog is the one read back, whatever became of its file since.
    LoadCrpText(copy.file.OpenedName(), copy.text, slabDesign, s, c.platform, SessionCompletion(s));
    s.shell.Document.SlabDesignState = designState;
    if (s.shell.Document.LoadStatus == -1) {
        // The copy holds the only record of the unsaved changes: the document is emptied only once
        // a copy the user is told of holds them, else it stays open as it was.
        std::string tried, reason;
        const std::string kept = CopyHoldingTheChanges(copy, writeNewFile, s.shell.Languages, tried, reason);
        if (kept.empty()) {
            PutBackFromMemory(c, std::move(inMemory), screen);
            ShowWarning(c, ShellMessages::DxfCopyNotRewritten, {tried, reason});
            return;
        }
        Vuota(c);
        ShowWarning(c, ShellMessages::DxfCopyKept, {kept});
        return;
    }
    // The dialog loaded other decks into the session; the copy holds what the document held, now
    // read with the archive beside the copy.
    s.shell.Document.DeckLoaded = inMemory.deckLoaded;
    s.shell.Document.ArchiveFolder = inMemory.deckLoaded ? GetParentFolder(copy.file.OpenedName()) : std::string();
    ViewWindow& view = s.drawing.View;
    view.CanvasWidthPx = static_cast<float>(c.platform.canvas.WidthPx());
    view.CanvasHeightPx = static_cast<float>(c.platform.canvas.HeightPx());
    ZoomToModelExtents(view, s.model.Header);
    c.window.DrawPlan();
    copy.file.Remove();
}

}  // namespace

std::string ExportDialogStartFolder(const Session& session, const RegistryValues& registry) {
    const std::string& currentFile = session.shell.Document.CurrentFile;
    if (IsNamedForExport(currentFile)) return GetParentFolder(currentFile);
    return GetStruviaDrawingsFolder(registry);
}

void RunDxfOutput(DocumentContext c, const std::function<void()>& showExportDialog,
                  const NewFileWriter& writeNewFile) {
    Session& s = c.session;
    // The copy, the offer and the export take the outline as the user chose to leave it.
    if (!AssignEditedOutlineFirst(c)) return;
    const bool named = IsNamedForExport(s.shell.Document.CurrentFile);
    const ScreenSettings screen = KeepScreenSettings(s.drawing);
    KeptDocument inMemory = KeepDocument(s);
    DeckCopy copy;
    if (named) {
        const std::string wanted = CopyPathBeside(s.shell.Document.CurrentFile);
        copy.text = FormatSessionText(s);
        std::string reason;
        if (!WriteVerifiedCopy(wanted, copy.text, writeNewFile, s.shell.Languages, copy.file, reason)) {
            ShowWarning(c, ShellMessages::DxfCopyNotWritten, {wanted, reason});
            return;
        }
    }
    OfferSave(c);
    showExportDialog();
    if (named) RestoreNamed(c, screen, copy, std::move(inMemory), writeNewFile);
    else PutBackFromMemory(c, std::move(inMemory), screen);
}

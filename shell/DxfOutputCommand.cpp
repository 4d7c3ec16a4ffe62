#include "shell/DxfOutputCommand.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "model/files/LoadCrpFile.h"
#include "model/files/SaveCrpFile.h"
#include "model/files/WholeFiles.h"
#include "plangeom/CompleteDeck.h"
#include "shell/DocumentTitle.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"
#include "shell/StruviaRegistry.h"
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

// An unnamed document has no file a copy could lie beside: it waits in memory, with the options
// a data file would carry for it and the view it was shown in.
struct KeptUnnamedDocument {
    Model model;
    ShellOptions options;
    DesignOptions design;
    std::array<int32_t, LayerCount> screenOn{};
    ViewWindow view;
    int32_t loadStatus = 0;
    bool deckLoaded = false;
    std::string archiveFolder;
};

// The options a data file carries in its tail, as a reload of it would put them back.
void PutBackDeckOptions(const KeptUnnamedDocument& kept, Session& s) {
    s.drawing.LayerScreenOn = kept.screenOn;
    s.shell.Options.DimensionUnitMetres = kept.options.DimensionUnitMetres;
    s.shell.Options.SpareOption3 = kept.options.SpareOption3;
    s.shell.Options.OptimalTextSize = kept.options.OptimalTextSize;
    s.design.LowerAssemblyBarDiameter = kept.design.LowerAssemblyBarDiameter;
    s.design.CurbWidth = kept.design.CurbWidth;
    s.design.CurbSpanThreshold = kept.design.CurbSpanThreshold;
    s.design.CurbEnabled = kept.design.CurbEnabled;
}

std::string CopyPathBeside(const std::string& file) {
    return PathInFolder(GetParentFolder(file), ShellMessages::DxfCopyName);
}

// The copy is a new file under the name asked for, or under a new name beside it when that one is
// taken: whatever stands there (somebody's file, a link to one elsewhere) is never written through.
// It is read back before anything depends on it: a copy that is not whole would lose the document
// once the export has loaded other decks. `created` is the name the copy really has.
bool WriteVerifiedCopy(const std::string& path, const std::string& text, const LanguageFlags& languages,
                       std::string& created, std::string& reason) {
    std::error_code error;
    if (!WriteNewFile(path, text, created, error)) {
        reason = error.message();
        return false;
    }
    std::string back;
    if (ReadWholeFile(created, back) && back == text) return true;
    reason = UiText(CopyDiffers, languages);
    std::error_code ignored;
    std::filesystem::remove(created, ignored);
    return false;
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

// `deckLoaded`: whether the document held a deck before the export; its copy reloaded holds the
// same, now read with the archive beside the copy.
void RestoreNamed(DocumentContext c, const ScreenSettings& screen, const std::string& copyPath,
                  const std::string& copyText, bool deckLoaded) {
    Session& s = c.session;
    s.model.ClearBeforeLoad();
    s.shell.Document.LoadStatus = 0;
    LoadSettings(s, c.platform.canvas);
    PutBack(screen, s.drawing);
    const int32_t designState = s.shell.Document.SlabDesignState;
    int32_t slabDesign = -1;
    // The copy checked before the dialog is the one read back, whatever became of its file since.
    LoadCrpText(copyPath, copyText, slabDesign, s, c.platform, SessionCompletion(s));
    s.shell.Document.SlabDesignState = designState;
    if (s.shell.Document.LoadStatus == -1) {
        Vuota(c);
        // The copy holds the only record of the unsaved changes: it is written again as it was
        // checked, and the user is told where it stays.
        std::error_code ignored;
        std::filesystem::remove(copyPath, ignored);
        std::string kept, reason;
        if (WriteVerifiedCopy(CopyPathBeside(copyPath), copyText, s.shell.Languages, kept, reason))
            c.platform.messages.Show(GetWarningTitle(s.shell.Languages),
                                     UiText(ShellMessages::DxfCopyKept, s.shell.Languages, {kept}),
                                     MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    s.shell.Document.DeckLoaded = deckLoaded;
    s.shell.Document.ArchiveFolder = deckLoaded ? GetParentFolder(copyPath) : std::string();
    ViewWindow& view = s.drawing.View;
    view.CanvasWidthPx = static_cast<float>(c.platform.canvas.WidthPx());
    view.CanvasHeightPx = static_cast<float>(c.platform.canvas.HeightPx());
    ZoomToModelExtents(view, s.model.Header);
    c.window.DrawPlan();
    std::error_code ignored;
    std::filesystem::remove(copyPath, ignored);
}

// As for a named document, the settings file is read again (so what the dialog stored stays in
// force) and the screen settings are put back; the deck and its own options come from memory.
void RestoreUnnamed(DocumentContext c, KeptUnnamedDocument kept, const ScreenSettings& screen) {
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

}  // namespace

std::string ExportDialogStartFolder(const Session& session, const RegistryValues& registry) {
    const std::string& currentFile = session.shell.Document.CurrentFile;
    if (IsNamedForExport(currentFile)) return GetParentFolder(currentFile);
    return GetStruviaDrawingsFolder(registry);
}

void RunDxfOutput(DocumentContext c, const std::function<void()>& showExportDialog) {
    Session& s = c.session;
    const bool named = IsNamedForExport(s.shell.Document.CurrentFile);
    // The dialog loads other decks into the session: the document's own holds what it held.
    const bool deckLoaded = s.shell.Document.DeckLoaded;
    const ScreenSettings screen = KeepScreenSettings(s.drawing);
    std::string copyPath;
    std::string copyText;
    std::optional<KeptUnnamedDocument> unnamed;
    if (named) {
        const std::string wanted = CopyPathBeside(s.shell.Document.CurrentFile);
        copyText = FormatSessionText(s);
        std::string reason;
        if (!WriteVerifiedCopy(wanted, copyText, s.shell.Languages, copyPath, reason)) {
            c.platform.messages.Show(GetWarningTitle(s.shell.Languages),
                                     UiText(ShellMessages::DxfCopyNotWritten, s.shell.Languages, {wanted, reason}),
                                     MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    } else {
        const DocumentState& document = s.shell.Document;
        unnamed = KeptUnnamedDocument{s.model, s.shell.Options, s.design, s.drawing.LayerScreenOn, s.drawing.View,
                                      document.LoadStatus, document.DeckLoaded, document.ArchiveFolder};
    }
    OfferSave(c);
    showExportDialog();
    if (named) RestoreNamed(c, screen, copyPath, copyText, deckLoaded);
    else RestoreUnnamed(c, std::move(*unnamed), screen);
}

#include "shell/DocumentSteps.h"

#include <utility>

#include "editing/InteractionModes.h"
#include "editing/VertexPanel.h"
#include "model/common/Helpers.h"
#include "model/files/SaveCrpFile.h"
#include "shell/DocumentTitle.h"
#include "shell/ProgramFolders.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"
#include "shell/ViewNavigation.h"

void SetCanvasPointer(Session& session, Canvas& canvas, CanvasPointerShape shape) {
    session.shell.CanvasPointer = shape;
    canvas.SetPointer(shape == PointerHourglass ? CanvasPointer::Hourglass : CanvasPointer::Crosshair);
}

void ApplySlabDesignState(Session& session, MessageBoxes& messages, int32_t slabDesign) {
    DocumentState& document = session.shell.Document;
    switch (slabDesign) {
    case -1: document.SlabDesignState = 1; break;
    case 0:
        messages.Show(GetWarningTitle(session.shell.Languages),
                      UiText(ShellMessages::FloorSlabsNotDesigned, session.shell.Languages), MsgButtons::Ok,
                      MsgIcon::Exclamation);
        document.SlabDesignState = 1;
        break;
    case 1: document.SlabDesignState = 2; break;
    default: break;
    }
}

Session SessionForLoad(const Session& document, const std::string& path) {
    Session loaded;
    loaded.shell = document.shell;
    loaded.shell.Document.CurrentFile = path;
    loaded.drawing = document.drawing;
    loaded.design = document.design;
    loaded.dxf = document.dxf;
    loaded.measured = document.measured;
    return loaded;
}

void TakeLoadedDeck(Session& document, Session&& loaded) {
    document.model = std::move(loaded.model);
    document.shell = std::move(loaded.shell);
    document.drawing = std::move(loaded.drawing);
    document.design = std::move(loaded.design);
    document.dxf = std::move(loaded.dxf);
    document.measured = loaded.measured;
}

void PlaceLoadedDeck(Session& session, const Canvas& canvas) {
    DocumentState& document = session.shell.Document;
    document.DataFolder = GetParentFolder(document.CurrentFile);
    document.DialogStartFolder = document.DataFolder;
    document.DeckLoaded = true;
    document.ArchiveFolder = document.DataFolder;
    ViewWindow& view = session.drawing.View;
    view.CanvasWidthPx = static_cast<float>(canvas.WidthPx());
    view.CanvasHeightPx = static_cast<float>(canvas.HeightPx());
    ZoomToModelExtents(view, session.model.Header);
}

bool FinishLoadedDeck(Session& session, Platform& platform, int32_t slabDesign) {
    SetCanvasPointer(session, platform.canvas, PointerCrosshair);
    ApplySlabDesignState(session, platform.messages, slabDesign);
    return AddRecentFile(session, session.shell.Document.CurrentFile);
}

void MarkDocumentUnchanged(Session& session) { session.shell.Document.UnchangedDigest = SessionTextDigest(session); }

void EndToolsOfTheDocument(Session& session) {
    CloseVertexPanelAsCancel(session);
    session.editor.InteractionState = Mode::Idle;
    session.editor.SuspendedInteractionState = Mode::Idle;
}

void EmptyDocument(Session& session, Canvas& canvas) {
    EndToolsOfTheDocument(session);
    session.model = Model{};
    LoadSettings(session, canvas);
    session.shell.Document.SlabDesignState = 0;
    canvas.Clear();
    session.shell.Document.CurrentFile = UnnamedDocument;
    session.shell.Document.DeckLoaded = false;
    session.shell.Document.ArchiveFolder.clear();
    SetCanvasPointer(session, canvas, PointerCrosshair);
    MarkDocumentUnchanged(session);
}

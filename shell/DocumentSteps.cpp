#include "shell/DocumentSteps.h"

#include "editing/VertexPanel.h"
#include "model/common/Helpers.h"
#include "shell/DocumentTitle.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"

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

void EmptyDocument(Session& session, Canvas& canvas) {
    CloseVertexPanelAsCancel(session);
    session.model.ClearDimensionsAndReinforcement();
    session.model.Catalogue.ServerSectionCount = 0;
    LoadSettings(session, canvas);
    session.shell.Document.SlabDesignState = 0;
    canvas.Clear();
    session.shell.Document.CurrentFile = UnnamedDocument;
    SetCanvasPointer(session, canvas, PointerCrosshair);
}

#include "editing/ConcreteSlabHandOffTool.h"

#include "design/ConcreteSlabHandOff.h"
#include "editing/InteractionModes.h"
#include "editing/Picking.h"

void HandOffConcreteSlabAt(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    int32_t count = 0;
    if (PickConcreteSlabAt(s, x, y, count) >= 0)
        HandOffPickedConcreteSlabs(s, edit.platform, s.editor.SlabPick.FoundConcreteSlabs, count);
    edit.canvas.ClearTemporary();
    s.editor.InteractionState = Mode::Idle;
}

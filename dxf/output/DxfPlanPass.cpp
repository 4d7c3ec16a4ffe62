#include "dxf/output/DxfPlanPass.h"

#include "drawing/DeckTitle.h"
#include "drawing/PlanDriver.h"
#include "dxf/output/DxfPlanOutput.h"

void DrawPlanIntoDxf(Session& session, DxfWriterState& writer) {
    DxfPlanOutput out(writer, session.dxf, session.drawing);
    DrawPlan(session, out);
    WriteFloorSlabTakeoff(session.model, session.dxf, session.shell.Languages, session.shell.Options,
                          writer.TakeoffSpool);
}

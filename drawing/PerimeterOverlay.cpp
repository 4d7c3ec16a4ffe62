#include "drawing/PerimeterOverlay.h"

void FillEditedPolygon(PlanPass&) {}

void DrawEditedPolygonOutline(PlanPass&) {}

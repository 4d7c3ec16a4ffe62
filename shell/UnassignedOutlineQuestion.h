#pragma once
// The question before the document is saved, closed, replaced or exported while the vertex panel
// holds an outline edited in it and not yet assigned: the edit reaches the slab only through the
// assignment of the perimeter, and a save would otherwise keep nothing of it but its plan points.
#include "shell/DocumentFlows.h"

// Asks only while the panel holds such an outline. Yes, the default, assigns it as "Assegna
// perimetro" does and draws the plan without the panel; No leaves the panel as it is; Cancel, or the
// question closed, stops the flow. True when the flow may go on.
bool AssignEditedOutlineFirst(DocumentContext c);

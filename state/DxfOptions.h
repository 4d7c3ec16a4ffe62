#pragma once
// The options of the DXF export that the drawing reads, and the transform of the deck being
// exported into DXF units.
#include <cstdint>
#include <string>

struct DxfOptions {
    float DxfScaleFactor = 2.0f;  // model cm to DXF units, doubled at 1:50
    float DxfUnitFactor = 1.0f;   // the text base of DXF texts
    float DxfOffsetX = 0, DxfOffsetY = 0;  // cm: the shift of the deck being exported
    int32_t DxfR12 = 0;           // non-zero: the R12 dialect
    int32_t DxfScaleIs50 = 1;     // drawing scale of the export: 1 for 1:50, 0 for 1:100
    float CadPrintMm = 1.0f;      // CAD print scale: millimetres …
    float CadPrintUnits = 10.0f;  // … to drawing units
    int32_t DxfSpanSymbol = 1;
    int32_t PillarAlignment = 0;
    int32_t DxfMarkUpperLowerBars = 0;
    int32_t BeamSectionLabels = 0;
    int32_t TakeoffTextFile = 0;
    int32_t DxfTakeoffInDrawing = 0;
    // The take-off file of the last export that was given a file name; the export dialog shows it.
    std::string TakeoffTextPath;
};

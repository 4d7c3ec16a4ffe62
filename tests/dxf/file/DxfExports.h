#pragma once
// The exports the file tests put together: the writer state of a drawing pass, the session's
// layer table and options at the defaults of a first start, and the golden-file comparison.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "drawing/LayerDefaults.h"
#include "dxf/file/Dxf2000File.h"
#include "dxf/writers/DxfEntityWriters.h"
#include "state/DesignOptions.h"
#include "state/ShellState.h"
#include "tests/dxf/file/DxfFileRecords.h"
#include "tests/support/Golden.h"

struct DxfExport {
    DrawingState drawing;
    DxfOptions options;
    DxfWriterState writer;

    DxfExport() {
        ShellOptions shell;
        DesignOptions design;
        SetDefaultLayersAndOptions(drawing, shell, design, options);
        options.DxfR12 = 0;
        InitDxfHandles(writer);
    }
    const std::string& Layer(int row) const { return drawing.LayerNames[static_cast<size_t>(row)]; }
    std::string File() { return Dxf2000FileText(writer, drawing, options); }
};

// Lines, circles, texts and an outline on several layers, as the drawing pass hands them over:
// line types by style, a text across two lines, a code page 1252 letter.
inline void DrawSmallPlan(DxfExport& e) {
    DxfWriterState& w = e.writer;
    const DxfOptions& o = e.options;
    WriteDxfLine(w, o, 0, 0, 1000, 0, e.Layer(7), 0);
    WriteDxfLine(w, o, 0, 15, 1000, 15, e.Layer(8), 1);
    WriteDxfLine(w, o, -50, 0, 1050, 0, e.Layer(0), 3);
    WriteDxfCircle(w, o, 0, 0, 15, e.Layer(2), 0);
    WriteDxfCircle(w, o, 1000, 0, 15.5f, e.Layer(24), 2);
    const DxfPoint slab[] = {{0, 15}, {1000, 15}, {1000, 800}, {0, 800}};
    WriteDxfPolyline(w, o, e.Layer(1), 1, slab);
    WriteDxfText(w, o, e.Layer(17), "T1 30x50", 500, 20, 25, 0, 1, 1);
    WriteDxfText(w, o, e.Layer(13), "Solaio pi\xE8 alto", 500, 400, 20, 90, 0, 3);
    WriteDxfText(w, o, e.Layer(12), "IMPALCATO 1\r\nquota +3.20", -50, 900, 42, 0, 0, 1);
}

// Compares with tests/fixtures/dxf/<name>; a differing text is kept in the build tree to compare.
inline void ExpectGolden(const std::string& text, const std::string& name) {
    const ::testing::AssertionResult same = MatchesGolden(text, "dxf/" + name);
    if (same) return;
    const std::filesystem::path actual = std::filesystem::path(DRAVO_DXF_ACTUAL) / name;
    std::filesystem::create_directories(actual.parent_path());
    std::ofstream(actual, std::ios::binary) << text;
    ADD_FAILURE() << same.message() << "; the text written is " << actual;
}

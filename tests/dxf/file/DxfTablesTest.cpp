#include "dxf/file/DxfTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dxf/writers/DxfBlockFrames.h"
#include "model/common/Helpers.h"
#include "tests/dxf/file/DxfExports.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<DxfRecord> Tables(DxfExport& e) {
    std::string out;
    WriteDxf2000Tables(e.writer, out, e.drawing, e.options);
    return SectionRecords(out, "TABLES");
}

std::vector<std::string> Names(const std::vector<DxfRecord>& records) {
    std::vector<std::string> names;
    for (const DxfRecord& r : records) names.push_back(r.Value(2));
    return names;
}

// The TABLE record that opens a table, for its count.
DxfRecord TableHead(const std::vector<DxfRecord>& records, const std::string& name) {
    for (const DxfRecord& r : records)
        if (r.Kind == "TABLE" && r.Value(2) == name) return r;
    return {};
}

struct DimStyleCase {
    float u;
    std::vector<std::string> lengthFactors;  // SC50, SC25, SC100; the Ferri styles alike
    const char* arrowSize;
    const char* textHeight;
    const char* gap;
};

}  // namespace

TEST(Dxf2000Tables, EveryRowOfTheLayerTableHasARecordUnderTheNameItsEntitiesCarry) {
    DxfExport e;
    e.drawing.LayerDxfOn[3] = 0;             // switched off: its record stays
    e.drawing.LayerNames[4] = "";            // empty
    e.drawing.LayerNames[5] = "SOLETTE/2";   // a character no layer name holds
    e.drawing.LayerNames[6] = "assi";        // row 0's name in other letters
    e.drawing.LayerNames[10] = "Defpoints";  // the fixed layers'
    e.drawing.LayerNames[11] = " TRAVI ";
    e.drawing.LayerAci[11] = 5;
    for (int row : {4, 5, 6, 10, 11}) WriteDxfLine(e.writer, e.options, 0, 0, 1, 1, e.Layer(row), 0);
    const std::string file = e.File();
    KeepForReader("layer-names-mended", file);

    const auto tables = SectionRecords(file, "TABLES");
    const auto layers = RecordsOfKind(tables, "LAYER");
    EXPECT_THAT(Names(layers),
                ElementsAre("0", "Defpoints", "ASSI", "PERIM_SOLAI", "PERIM_PILASTRI", "PILASTRI_ACCIAIO",
                            "SOLETTE_2", "TRAVI_ESTRADOSSO", "TRAVI_INTRADOSSO", "QUOTE", "TRAVI", "TESTO_TITOLI",
                            "TESTO_SOLAI", "TESTO_PILASTRI", "TESTO_SETTI", "TESTO_SOLETTE", "TESTO_TRAVI",
                            "TESTO_QUOTE", "TESTO_FERRI", "TRATTEGGIO_SOLAI", "TRATTEGGIO_PILASTRI",
                            "TRATTEGGIO_SETTI", "TRATTEGGIO_SOLETTE", "PERIM_PILASTRI_SUP"));
    EXPECT_EQ(layers[10].Value(62), "     5");
    EXPECT_EQ(TableHead(tables, "LAYER").Value(70), FormatInt6(static_cast<int32_t>(layers.size()) + 1));
    EXPECT_EQ(layers[1].Values(290), std::vector<std::string>{"     0"}) << "Defpoints is not plotted";

    // Each entity lies on a layer that has its record: the empty name on "0", a taken name on the
    // record of the row that took it first.
    std::vector<std::string> entityLayers;
    for (const DxfRecord& r : RecordsOfKind(SectionRecords(file, "ENTITIES"), "LINE")) entityLayers.push_back(r.Value(8));
    EXPECT_THAT(entityLayers, ElementsAre("0", "SOLETTE_2", "assi", "Defpoints", "TRAVI"));
}

TEST(Dxf2000Tables, EachSpooledBlockHasItsRecordAfterTheFixedOnes) {
    DxfExport e;
    std::vector<std::string> handles;
    for (int i = 0; i < 3; ++i) {
        GetNextHatchBlockName(e.writer);
        handles.push_back(GetNextHandle(e.writer));
        SetHatchBlockRecordHandle(e.writer, handles.back());
    }
    for (int i = 0; i < 2; ++i) {
        GetNextDimBlockName(e.writer);
        handles.push_back(GetNextHandle(e.writer));
        SetDimBlockRecordHandle(e.writer, handles.back());
    }
    GetNextDimBlockName(e.writer);  // a name whose record handle never came: no record to point at

    const auto tables = Tables(e);
    const auto records = RecordsOfKind(tables, "BLOCK_RECORD");
    EXPECT_EQ(TableHead(tables, "BLOCK_RECORD").Value(70), "    11");
    EXPECT_THAT(Names(records), ElementsAre("*Model_Space", "*Paper_Space", "_FRECCIADRAVO", "_NOFRECCIA", "_None",
                                            "*X0", "*X1", "*X2", "*D0", "*D1"));
    std::vector<std::string> written;
    for (size_t i = 5; i < records.size(); ++i) written.push_back(records[i].Value(5));
    EXPECT_THAT(written, ElementsAreArray(handles));
}

TEST(Dxf2000Tables, SpooledBlocksMakeAFileTheReaderOpens) {
    DxfExport e;
    for (int i = 0; i < 2; ++i) {
        const std::string name = GetNextHatchBlockName(e.writer);
        const std::string record = GetNextHandle(e.writer);
        SetHatchBlockRecordHandle(e.writer, record);
        WriteBlockBegin(e.writer, 0, name, e.Layer(20), record);
        WriteBlockEnd(e.writer, record);
    }
    const std::string file = e.File();
    KeepForReader("spooled-blocks", file);
    EXPECT_THAT(Names(RecordsOfKind(SectionRecords(file, "BLOCKS"), "BLOCK")),
                ElementsAre("*Model_Space", "*Paper_Space", "_FRECCIADRAVO", "_NOFRECCIA", "_None", "*X0", "*X1"));
}

TEST(Dxf2000Tables, DimensionStylesMeasureInModelCentimetresAtTheUnitFactor) {
    const DimStyleCase cases[] = {
        {1.0f, {"0.50000000", "0.25000000", "1.00000000"}, "1.0000", "20.00000000", "5.00000000"},
        {0.5f, {"1.00000000", "0.50000000", "2.00000000"}, "0.5000", "10.00000000", "2.50000000"},
        {2.5f, {"0.20000000", "0.10000000", "0.40000000"}, "2.5000", "50.00000000", "12.50000000"},
    };
    for (const auto& c : cases) {
        DxfExport e;
        e.options.DxfUnitFactor = c.u;
        const auto styles = RecordsOfKind(Tables(e), "DIMSTYLE");
        ASSERT_THAT(Names(styles), ElementsAre("SC50", "SC25", "SC100", "Ferri50", "Ferri25", "Ferri100"));
        for (size_t i = 0; i < styles.size(); ++i) {
            EXPECT_EQ(styles[i].Value(144), c.lengthFactors[i % 3]) << styles[i].Value(2) << " at " << c.u;
            EXPECT_EQ(styles[i].Value(41), c.arrowSize);
            EXPECT_EQ(styles[i].Value(140), c.textHeight);
            EXPECT_EQ(styles[i].Value(147), c.gap);
        }
        KeepForReader("unit-factor-" + FormatNum(c.u, 1), e.File());
    }
}

#include "model/files/LoadCrpFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/DeckSession.h"
#include "model/files/SaveCrpFile.h"

namespace {

// Node numbers of the two ends of each beam element, in table order.
std::vector<std::pair<int32_t, int32_t>> BeamEnds(const Model& m) {
    std::vector<std::pair<int32_t, int32_t>> ends;
    for (int32_t i = 0; i < m.BeamElementCount; ++i)
        ends.emplace_back(m.Nodes[m.BeamElements[i].NodeI].Id, m.Nodes[m.BeamElements[i].NodeJ].Id);
    return ends;
}

std::vector<int32_t> Row(const IndexRows& rows, int32_t row, int32_t count) {
    return std::vector<int32_t>(rows[row].begin(), rows[row].begin() + count);
}

std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

}  // namespace

TEST(LoadCrpFile, FreshExportIsRoundedShiftedGroupedAndNormalised) {
    DeckSession s;
    bool completedFresh = false;
    int completions = 0;
    const DeckCompletion complete = [&](Model&, bool fresh) {
        completedFresh = fresh;
        ++completions;
    };
    ASSERT_TRUE(s.Load(DeckFixture("fresh-frame/TELAIO.CRP"), complete)) << s.Messages();
    const Model& m = s.model;
    EXPECT_TRUE(s.messages.Shown().empty());
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(completedFresh);
    EXPECT_EQ(s.slabDesign, 1);

    // Origin and extents: x from 100 to 1100.125 (1100.12, halves to even), y from -50 to 450.375.
    EXPECT_FLOAT_EQ(m.Header.ModelOriginX, 100);
    EXPECT_FLOAT_EQ(m.Header.ModelOriginY, -50);
    EXPECT_FLOAT_EQ(m.Header.ModelMinX, 0);
    EXPECT_FLOAT_EQ(m.Header.ModelMaxX, 1000.12f);
    EXPECT_FLOAT_EQ(m.Header.ModelMaxY, 500.38f);
    EXPECT_FLOAT_EQ(m.Nodes[2].X, 1000.12f);
    EXPECT_FLOAT_EQ(m.Nodes[5].Y, 500.38f);
    EXPECT_FLOAT_EQ(m.Nodes[6].X, 250);
    EXPECT_EQ(m.Nodes[0].FootingType, 1);

    // Beam 1 listed 7-2, 8-3, 1-7, 2-8 between the elements of beam 2: grouped, then chained.
    const std::vector<std::pair<int32_t, int32_t>> beams{{1, 7}, {7, 2}, {2, 8}, {8, 3}, {4, 5}, {5, 6}};
    EXPECT_EQ(BeamEnds(m), beams);
    EXPECT_EQ(m.BeamElements[4].SectionNumber, 4);
    // Offsets to 3 decimals, halves to even (0.0625 to 0.062, 0.1875 to 0.188), then as the file
    // keeps them, with 2 decimals (halves away from zero: 0.19).
    EXPECT_FLOAT_EQ(m.BeamElements[4].OffsetXI, 0.06f);
    EXPECT_FLOAT_EQ(m.BeamElements[4].OffsetXJ, 0.19f);
    EXPECT_FLOAT_EQ(m.BeamElements[4].OffsetYI, -2.5f);

    // Plan kind 0 keeps the side-1 walls; offsets to one decimal.
    ASSERT_EQ(m.WallSegmentCount, 2);
    EXPECT_EQ(m.WallGroupHeaderValue, 7);
    EXPECT_EQ(m.WallSegments[0].GroupId, 1);
    EXPECT_EQ(m.WallSegments[1].GroupId, 2);
    EXPECT_FLOAT_EQ(m.WallSegments[1].OffsetXI, 0.2f);
    EXPECT_FLOAT_EQ(m.WallSegments[1].OffsetYI, 0.8f);
    EXPECT_FLOAT_EQ(m.WallSegments[1].OffsetXJ, -0.2f);
    EXPECT_FLOAT_EQ(m.WallSegments[1].OffsetYJ, 1.2f);
    EXPECT_EQ(m.WallSegments[2], WallSegment{});

    // File angles 300, 270, -90, 0, 45, 350.
    const float angles[] = {30, 360, 0, 90, 135, 80};
    ASSERT_EQ(m.PillarCount, 6);
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(m.Pillars[i].Angle, angles[i]) << i;
    EXPECT_FLOAT_EQ(m.Pillars[2].OffsetY, -7.25f);

    // The design block follows slab 10; the inner region 11 has none.
    ASSERT_EQ(m.ConcreteSlabCount, 2);
    const ConcreteSlabDesign& d = m.ConcreteSlabDesigns[0];
    EXPECT_EQ(d.FoundationFlag, 1);
    EXPECT_EQ(d.Rck, 30);
    EXPECT_EQ(d.SteelStress, 2000);
    EXPECT_FLOAT_EQ(d.Cover, 3);
    EXPECT_FLOAT_EQ(d.Spacing1, 20);
    EXPECT_EQ(d.Diameter1, 12);
    EXPECT_FLOAT_EQ(d.Spacing2, 25);
    EXPECT_EQ(d.Diameter2, 10);
    EXPECT_EQ(d.ExtraDiameter1, 8);
    EXPECT_FLOAT_EQ(d.Angle12, 90);
    EXPECT_EQ(m.ConcreteSlabDesigns[1], ConcreteSlabDesign{});
    EXPECT_EQ(Row(m.ConcreteSlabModelPolygon, 0, 5), (std::vector<int32_t>{1, 2, 5, 4, 1}));
    EXPECT_EQ(Row(m.ConcreteSlabModelPolygon, 1, 4), (std::vector<int32_t>{1, 7, 4, 1}));

    // Span angle -30; the vertical design segment runs downwards in the file and is turned.
    const FloorSlab& f = m.FloorSlabs[0];
    EXPECT_FLOAT_EQ(f.SpanAngle, 330);
    EXPECT_FLOAT_EQ(f.DiagramX1, 250);
    EXPECT_FLOAT_EQ(f.DiagramY1, 0);
    EXPECT_FLOAT_EQ(f.DiagramX2, 250);
    EXPECT_FLOAT_EQ(f.DiagramY2, 500);
    EXPECT_FLOAT_EQ(f.StartBandLength, 80);
    EXPECT_FLOAT_EQ(f.EndBandLength, 50);
    ASSERT_EQ(f.DiagramPointCount, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(m.FloorSlabDiagram[0][k].Position, 250.0f * k);
        EXPECT_FLOAT_EQ(m.FloorSlabDiagram[0][k].LowerSteel, 3.0f - k);
        EXPECT_FLOAT_EQ(m.FloorSlabDiagram[0][k].UpperSteel, 6.0f - k);
    }
    EXPECT_EQ(Row(m.FloorSlabModelPolygon, 0, 5), (std::vector<int32_t>{0, 1, 4, 3, 0}));

    EXPECT_EQ(m.Catalogue.ServerSectionCount, 1);
    EXPECT_EQ(m.Catalogue.ServerSections[0].Name, "IPE 300");
    EXPECT_EQ(m.DrawingDataVersion, 0);
    EXPECT_EQ(m.PlanNodeCount, 0);
}

TEST(LoadCrpFile, MasonryPlanKeepsNoWallAndTakesItsBordersAndOrigin) {
    DeckSession s;
    bool completedFresh = true;
    const DeckCompletion complete = [&](Model&, bool fresh) { completedFresh = fresh; };
    ASSERT_TRUE(s.Load(DeckFixture("masonry/MURATURA.CRP"), complete)) << s.Messages();
    const Model& m = s.model;
    EXPECT_FALSE(completedFresh);
    EXPECT_EQ(m.Header.PlanKind, 2);
    EXPECT_EQ(m.WallSegmentCount, 0);
    EXPECT_EQ(s.slabDesign, -1);
    EXPECT_FLOAT_EQ(m.Header.ModelOriginX, 1000);
    EXPECT_FLOAT_EQ(m.Header.ModelOriginY, 2000);

    ASSERT_EQ(m.MasonryWallCount, 2);
    ASSERT_EQ(m.MasonryBeamCount, 1);
    EXPECT_EQ(m.MasonryIsIsotex, 0);
    EXPECT_EQ(m.Materials.MasonryMaterialText2, "Acciaio B450C");
    EXPECT_DOUBLE_EQ(m.Materials.MasonryMaterialDouble2, 210000);
    const MasonryElement& w = m.MasonryWalls[0];
    EXPECT_EQ(w.Name, "Parete 1");
    EXPECT_FLOAT_EQ(w.HorizontalBarSpacing, 2.5f);
    EXPECT_EQ((std::vector<int32_t>{w.BorderA2, w.BorderA1, w.BorderB2, w.BorderB1, w.BorderAFlag, w.BorderBFlag}),
              (std::vector<int32_t>{0, 1, 2, 3, -1, 0}));
    const MasonryElement& b = m.MasonryBeams[0];
    EXPECT_EQ((std::vector<int32_t>{b.BorderA2, b.BorderA1, b.BorderB2, b.BorderB1}), (std::vector<int32_t>{6, 7, 8, 9}));
    EXPECT_EQ(m.PlanNodeCount, 10);
    ASSERT_EQ(m.DimensionCount, 1);
    EXPECT_EQ(m.Dimensions[0].Text, "400.00");
}

// One saved deck written by program versions of drawing-data versions 1 to 7; the file versions
// go with them (2 for d 1 and 2, 9 for the others).
TEST(LoadCrpFile, SavedDecksReadTheDrawingDataOfTheirVersion) {
    for (int d = 1; d <= 7; ++d) {
        SCOPED_TRACE("d = " + std::to_string(d));
        DeckSession s;
        const std::string name = "saved-d" + std::to_string(d) + "/SALVATO" + std::to_string(d) + ".CRP";
        // What the file holds, before the completion adds to it.
        ASSERT_TRUE(s.Load(DeckFixture(name), DeckCompletion{})) << s.Messages();
        const Model& m = s.model;
        const int fileVersion = d <= 2 ? 2 : 9;
        EXPECT_EQ(m.DrawingDataVersion, d);
        EXPECT_EQ(m.FileVersion, fileVersion);

        // Origin: saved from d 4; before, the shift of this load (0: the nodes are already shifted).
        EXPECT_FLOAT_EQ(m.Header.ModelOriginX, d > 3 ? 120 : 0);
        EXPECT_FLOAT_EQ(m.Header.ModelOriginY, d > 3 ? -40 : 0);

        ASSERT_EQ(m.DimensionCount, 1);
        const Dimension& dim = m.Dimensions[0];
        EXPECT_EQ(dim.Text, "500.00");
        EXPECT_FLOAT_EQ(dim.MeasuredY1, d > 4 ? 0 : -50);  // without them, the dimension-line ends

        const ReinforcementSections& r = m.Reinforcement;
        ASSERT_EQ(r.ReinforcementSectionCount, 1);
        EXPECT_EQ(r.SectionSlabCount[0], 1);
        EXPECT_FLOAT_EQ(r.ReinforcementSectionSpans[0][0].Y2, 385);
        EXPECT_EQ(r.UpperRebars[0][0].HookFlags, 3);
        EXPECT_EQ(r.UpperRebars[0][0].BarCount, 2);
        ASSERT_EQ(r.LowerRebarCount[0], 2);
        EXPECT_EQ(r.LowerRebars[0][1].Kind, 1);
        EXPECT_EQ(r.LowerRebars[0][1].HookFlags, fileVersion > 2 ? 1 : 0);
        EXPECT_EQ(s.design.LowerAssemblyBarDiameter, 8);

        EXPECT_EQ(m.PlanNodeCount, 8);
        EXPECT_EQ(m.BeamExtradosEdgeCount, 2);
        EXPECT_EQ(m.BeamIntradosEdges[0].Owner, -1);
        EXPECT_EQ(m.WallEdgeCount, 3);
        EXPECT_EQ(m.HatchLoopLongCount, 4);
        EXPECT_EQ(m.HatchLoops[0], -3);

        const FloorSlab& f = m.FloorSlabs[0];
        EXPECT_EQ(m.FloorSlabOutlineCount[0], 4);
        EXPECT_EQ(Row(m.FloorSlabOutline, 0, 4), (std::vector<int32_t>{0, 1, 7, 6}));
        EXPECT_FLOAT_EQ(f.Area, -200000);
        EXPECT_FLOAT_EQ(f.CentroidX, 250);
        EXPECT_FLOAT_EQ(f.StartBandY1, d > 1 ? 50 : 0);
        EXPECT_FLOAT_EQ(f.EndBandY2, d > 1 ? 350 : 0);
        EXPECT_FLOAT_EQ(f.StartBandLength, fileVersion > 5 ? 15 : 0);

        // The second outline and the model polygon by indexes come from d 6.
        EXPECT_EQ(Row(m.ConcreteSlabOutline, 0, 4), (std::vector<int32_t>{0, 1, 7, 6}));
        EXPECT_EQ(m.ConcreteSlabOutline2Count[0], d > 5 ? 4 : 0);
        EXPECT_EQ(Row(m.ConcreteSlabModelPolygon, 0, 5),
                  d > 5 ? (std::vector<int32_t>{1, 2, 3, 0, 1}) : (std::vector<int32_t>{0, 1, 2, 3, 0}));
        EXPECT_EQ(m.ConcreteSlabDesigns[0].Rck, fileVersion > 7 ? 25 : 0);

        // The tail; the curb line from d 3 (before, the options stay as they were).
        EXPECT_EQ(s.drawing.LayerScreenOn[2], 0);
        EXPECT_EQ(s.drawing.LayerScreenOn[9], 0);
        EXPECT_EQ(s.drawing.LayerScreenOn[10], 1);
        EXPECT_EQ(s.drawing.DimOsnapOn[0], 0);
        EXPECT_EQ(s.drawing.DimOsnapOn[4], 0);
        EXPECT_EQ(s.drawing.DimOsnapOn[8], 1);
        EXPECT_EQ(s.shell.Options.DimensionUnitMetres, 1);
        EXPECT_EQ(s.shell.Options.OptimalTextSize, 0);
        EXPECT_FLOAT_EQ(s.design.CurbWidth, d > 2 ? 30 : 25);
        EXPECT_FLOAT_EQ(s.design.CurbSpanThreshold, d > 2 ? 500 : 450);
        EXPECT_EQ(s.design.CurbEnabled, d > 2 ? 1 : 0);
    }
}

TEST(LoadCrpFile, DrawingDataVersionsAboveSevenReadLikeSeven) {
    const std::string path = DeckFixture("saved-d7/SALVATO7.CRP");
    const std::string text = FileText(path);
    DeckSession seven, nine;
    ASSERT_TRUE(seven.Load(path));
    ASSERT_TRUE(nine.LoadText(path, ReplaceOnce(text, "\r\n 7            0", "\r\n 9            0"))) << nine.Messages();
    EXPECT_EQ(nine.model.DrawingDataVersion, 9);
    nine.model.DrawingDataVersion = 7;
    EXPECT_EQ(nine.Dump(), seven.Dump());
}

struct FailureCase {
    const char* file;
    const char* title;
    const char* text;  // "%s" stands for the path of the data file
};

TEST(LoadCrpFile, EachFailureStopsTheLoadWithItsMessage) {
    const FailureCase cases[] = {
        {"fail-no-archive/SENZAARCHIVIO.CRP", "Attenzione!", "File archivio 'ARCHIMPA.AI0' non trovato."},
        {"fail-version10/VERSIONE10.CRP", "Lettura impossibile!",
         "Il file appartiene a una versione del programma più recente.\nAggiornare il software."},
        {"fail-unknown-node/NODO99.CRP", "Attenzione!",
         "Nodo 99 non definito.\nEffettuare una differente selezione dei piani prima di generare il file "
         "dell'impalcato."},
        {"fail-archive6/ARCHIVIO6.CRP", "Lettura impossibile!",
         "Il file appartiene a una versione del programma più recente.\nAggiornare il software."},
        {"fail-truncated/TRONCATO.CRP", "Attenzione!",
         "Errore nella lettura del file %s:\nfine del file inattesa, sezione SEZIONI, riga 75"},
        {"fail-negative-count/NEGATIVO.CRP", "Attenzione!",
         "Errore nella lettura del file %s:\nnumero di elementi non valido (\"-8\"), sezione NODI_S, riga 93"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.file);
        DeckSession s;
        bool completed = false;
        const DeckCompletion complete = [&](Model&, bool) { completed = true; };
        const std::string path = DeckFixture(c.file);
        EXPECT_FALSE(s.Load(path, complete));
        EXPECT_EQ(s.shell.Document.LoadStatus, -1);
        EXPECT_FALSE(completed);
        ASSERT_EQ(s.messages.Shown().size(), 1u) << s.Messages();
        const ShownMessage& shown = s.messages.Shown()[0];
        std::string expected = c.text;
        if (const size_t at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, path);
        EXPECT_EQ(shown.Title, c.title);
        EXPECT_EQ(shown.Text, expected);
        EXPECT_EQ(shown.Icon, MsgIcon::Exclamation);
    }
}

TEST(LoadCrpFile, EnglishMessagesFollowTheInterfaceLanguage) {
    DeckSession newer;
    newer.shell.Languages.UiLanguage = 1;
    EXPECT_FALSE(newer.Load(DeckFixture("fail-version10/VERSIONE10.CRP")));
    ASSERT_EQ(newer.messages.Shown().size(), 1u);
    EXPECT_EQ(newer.messages.Shown()[0].Title, "Load abort!");
    EXPECT_EQ(newer.messages.Shown()[0].Text,
              "The file was created by a newer program version.\nYou need update the software.");

    DeckSession node;
    node.shell.Languages.UiLanguage = 1;
    EXPECT_FALSE(node.Load(DeckFixture("fail-unknown-node/NODO99.CRP")));
    ASSERT_EQ(node.messages.Shown().size(), 1u);
    EXPECT_EQ(node.messages.Shown()[0].Title, "Warning!");
    EXPECT_EQ(node.messages.Shown()[0].Text,
              "Node 99 undefined.\nMake a different selection of the plans before generating the file of the deck.");
}

struct DamageCase {
    const char* what;
    const char* from;
    const char* to;
    const char* expected;  // part of the message
};

// Damaged drawing data of a saved deck: every count and index is checked against its table.
TEST(LoadCrpFile, DamagedDrawingDataFailsTheLoadAndNamesTheFault) {
    const DamageCase cases[] = {
        {"plan point beyond the table", "TRAVI_ESTRADOSSO\r\n 2\r\n 0             1",
         "TRAVI_ESTRADOSSO\r\n 2\r\n 0             8", "valore non valido (\"8\"), sezione TRAVI_ESTRADOSSO"},
        {"edge without owner", " 4             5            -1", " 4             5             0",
         "valore non valido (\"0\"), sezione D3_SEZIONE"},
        {"owner beyond the members", " 4             5            -1", " 4             5            -2",
         "valore non valido (\"-2\"), sezione D3_SEZIONE"},
        {"hatch loop longer than the list", "DATI_RETINI\r\n 4\r\n-3", "DATI_RETINI\r\n 4\r\n-4",
         "valore non valido (\"-4\"), sezione DATI_RETINI"},
        {"hatch list that starts inside a loop", "DATI_RETINI\r\n 4\r\n-3", "DATI_RETINI\r\n 4\r\n 3",
         "valore non valido (\"3\"), sezione DATI_RETINI"},
        {"floor slab beyond the table", "\r\n 1\r\n 0\r\n 100.00        100.00",
         "\r\n 1\r\n 1\r\n 100.00        100.00", "valore non valido (\"1\"), sezione SEZIONI"},
        {"more than 101 sections", "SEZIONI\r\n 1\r\n", "SEZIONI\r\n 102\r\n", "(\"102\"), sezione SEZIONI"},
        {"more than 36 slabs in a section", "\r\n 1\r\n 0\r\n 100.00        100.00",
         "\r\n 37\r\n 0\r\n 100.00        100.00", "numero di elementi non valido (\"37\"), sezione SEZIONI"},
        {"more than 71 bars", "\r\n 2\r\n 10            0", "\r\n 72\r\n 10            0",
         "numero di elementi non valido (\"72\"), sezione SEZIONI"},
        {"node beyond the table in a slab polygon", " 4\r\n 1\r\n 2\r\n 3\r\n 0\r\n 1\r\n 0\r\n",
         " 4\r\n 1\r\n 2\r\n 3\r\n 4\r\n 1\r\n 0\r\n", "valore non valido (\"4\"), sezione NODI_SOLETTE"},
        {"negative outline count", "NODI_SOLAI\r\n 4\r\n", "NODI_SOLAI\r\n-4\r\n",
         "numero di elementi non valido (\"-4\"), sezione NODI_SOLAI"},
        {"masonry-free file ending inside the tail", " 1             1             0\r\n30.00         500.00        1\r\n",
         "", "fine del file inattesa, sezione OPZIONI"},
    };
    const std::string path = DeckFixture("saved-d7/SALVATO7.CRP");
    const std::string text = FileText(path);
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.what);
        DeckSession s;
        EXPECT_FALSE(s.LoadText(path, ReplaceOnce(text, c.from, c.to)));
        ASSERT_EQ(s.messages.Shown().size(), 1u) << s.Messages();
        EXPECT_NE(s.messages.Shown()[0].Text.find(c.expected), std::string::npos) << s.messages.Shown()[0].Text;
        EXPECT_NE(s.messages.Shown()[0].Text.find(path), std::string::npos);
    }
}

TEST(LoadCrpFile, AFailedTailLeavesTheOptionsInForce) {
    const std::string path = DeckFixture("saved-d7/SALVATO7.CRP");
    std::string text = FileText(path);
    text.resize(text.size() - 40);  // into the option line
    DeckSession s;
    EXPECT_FALSE(s.LoadText(path, text));
    const DrawingState defaults;
    EXPECT_EQ(s.drawing.LayerScreenOn, defaults.LayerScreenOn);
    EXPECT_EQ(s.drawing.DimOsnapOn, defaults.DimOsnapOn);
    EXPECT_EQ(s.design.LowerAssemblyBarDiameter, DesignOptions{}.LowerAssemblyBarDiameter);
}

TEST(LoadCrpFile, DeckWithoutNodesHasOriginAndExtentsZero) {
    const std::string text =
        "VERSIONE 9\r\n 0 0 0\r\nNODI\r\n 0\r\nELEMENTI_D2\r\n 0\r\nGRUPPO_D3_SEZIONE\r\n 0 0\r\n"
        "GRUPPO_D3_PIANTA\r\n 0 0\r\nPILASTRI\r\n 0\r\nSOLAI\r\n 0 0\r\n 0 0 0 0 0 0 0 0\r\n 0\r\n 0\r\n";
    DeckSession s;
    ASSERT_TRUE(s.LoadText(DeckFixture("fresh-frame/EMPTY.CRP"), text)) << s.Messages();
    const PlanHeader& h = s.model.Header;
    EXPECT_EQ(s.slabDesign, -1);
    for (float value : {h.ModelOriginX, h.ModelOriginY, h.ModelMinX, h.ModelMinY, h.ModelMaxX, h.ModelMaxY})
        EXPECT_EQ(value, 0.0f);
}

TEST(LoadCrpFile, ClosedRingOfBeamElementsLoadsAsAChain) {
    const std::string text =
        "VERSIONE 9\r\n 0 0 0\r\nNODI\r\n 4\r\n 1 0 0 -1\r\n 2 100 0 -1\r\n 3 100 100 -1\r\n 4 0 100 -1\r\n"
        "ELEMENTI_D2\r\n 4\r\n 1 9 1 2 0 0\r\n 1 9 2 3 0 0\r\n 1 9 3 4 0 0\r\n 1 9 4 1 0 0\r\n"
        "GRUPPO_D3_SEZIONE\r\n 0 0\r\nGRUPPO_D3_PIANTA\r\n 0 0\r\nPILASTRI\r\n 0\r\nSOLAI\r\n 0 0\r\n"
        " 0 0 0 0 0 0 0 0\r\n 0\r\n 0\r\n";
    DeckSession s;
    ASSERT_TRUE(s.LoadText(DeckFixture("fresh-frame/RING.CRP"), text)) << s.Messages();
    // A ring keeps its first element as head, so that every load of the saved deck gives it again.
    const std::vector<std::pair<int32_t, int32_t>> chain{{1, 2}, {2, 3}, {3, 4}, {4, 1}};
    EXPECT_EQ(BeamEnds(s.model), chain);
}

// What a fresh export becomes on its first load is what the saved deck reads back: node
// coordinates at their 2 decimals after the shift, and the order of a beam that is no simple path
// (here one with a gap), which chaining again would change under the saved face lines.
TEST(LoadCrpFile, ASavedFreshExportReadsBackAsItWasLoaded) {
    const std::string text =
        "VERSIONE 9\r\n0 0 0\r\nNODI\r\n5\r\n1 1200.00 300.00 -1\r\n2 1244.41 300.00 -1\r\n3 1733.37 300.00 -1\r\n"
        "4 1900.00 300.00 -1\r\n5 2100.00 300.00 -1\r\nELEMENTI_D2\r\n3\r\n1 9 2 3 0 0\r\n1 9 1 2 0 0\r\n"
        "1 9 4 5 0 0\r\nGRUPPO_D3_SEZIONE\r\n0 0\r\nGRUPPO_D3_PIANTA\r\n0 0\r\nPILASTRI\r\n0\r\nSOLAI\r\n0 0\r\n"
        "0 0 0 0 0 0 0 0\r\n0\r\n0\r\n";
    ScratchFolder scratch("fresh-read-back");
    scratch.CopyArchiveFrom("fresh-frame");
    DeckSession fresh, saved;
    ASSERT_TRUE(fresh.LoadText(scratch / "TRAVE.CRP", text)) << fresh.Messages();
    EXPECT_EQ(fresh.model.Nodes[1].X, 44.41f);
    EXPECT_EQ(fresh.model.Nodes[2].X, 533.37f);
    // Grouped and chained again, this order would turn into 2-3, 1-2, 4-5.
    const std::vector<std::pair<int32_t, int32_t>> order{{2, 3}, {4, 5}, {1, 2}};
    EXPECT_EQ(BeamEnds(fresh.model), order);

    ASSERT_TRUE(fresh.Save(scratch / "A.CRP"));
    ASSERT_TRUE(saved.Load(scratch / "A.CRP")) << saved.Messages();
    EXPECT_EQ(saved.model.Nodes, fresh.model.Nodes);
    EXPECT_EQ(BeamEnds(saved.model), order);
    EXPECT_EQ(saved.model.BeamExtradosEdges, fresh.model.BeamExtradosEdges);
    EXPECT_EQ(saved.model.PlanNodeCount, fresh.model.PlanNodeCount);
}

// A deck whose archive names profiles that the section server does not know opens with those
// sections as nameless 1 × 1 cm boxes, and says so in one box once the deck is loaded.
TEST(LoadCrpFile, ProfilesTheServerDoesNotKnowAreReportedOnceAfterTheLoad) {
    ScratchFolder scratch("unknown-profiles");
    std::string archive = FileText(DeckFixture("fresh-frame/ARCHIMPA.AI0"));
    archive = ReplaceOnce(archive, "SEZIONI\r\n4\r\n", "SEZIONI\r\n5\r\n");
    archive = ReplaceOnce(archive, "1 1 300\r\n", "1 1 301\r\n2 7 999 100\r\n");
    ASSERT_TRUE(WriteWholeFile(scratch / "ARCHIMPA.AI0", archive));
    std::filesystem::copy_file(DeckFixture("fresh-frame/TELAIO.CRP"), scratch / "TELAIO.CRP");
    const std::string warning =
        "Attenzione! | Il server delle sezioni non conosce il profilo di queste sezioni dell'archivio, caricate "
        "senza nome e con un ingombro di 1 x 1 cm:\nsezione 4 (codice 1, numero 301)\n"
        "sezione 5 (codice 7, numero 999)\n";

    DeckSession s;
    size_t boxesWhileLoading = 99;
    ASSERT_TRUE(s.Load(scratch / "TELAIO.CRP", [&](Model&, bool) { boxesWhileLoading = s.messages.Shown().size(); }))
        << s.Messages();
    EXPECT_EQ(boxesWhileLoading, 0u);
    EXPECT_EQ(s.Messages(), warning);
    const SectionCatalogue& c = s.model.Catalogue;
    ASSERT_EQ(c.ServerSectionCount, 2);
    for (int32_t sec : {3, 4}) {
        const ServerSection* profile = c.ServerSectionOf(sec);
        ASSERT_NE(profile, nullptr) << sec;
        EXPECT_EQ(profile->Name, "") << sec;
        EXPECT_EQ(profile->Width, 1) << sec;
        EXPECT_EQ(profile->Height, 1) << sec;
    }

    // Completed, saved and read back, the deck says the same once more.
    DeckSession complete, saved;
    ASSERT_TRUE(complete.Load(scratch / "TELAIO.CRP")) << complete.Messages();
    ASSERT_TRUE(complete.Save(scratch / "A.CRP"));
    ASSERT_TRUE(saved.Load(scratch / "A.CRP")) << saved.Messages();
    EXPECT_EQ(saved.Messages(), warning);

    // A load that fails shows its failure alone.
    DeckSession failed;
    EXPECT_FALSE(failed.LoadText(scratch / "TELAIO.CRP", "VERSIONE 9\r\n"));
    ASSERT_EQ(failed.messages.Shown().size(), 1u);
    EXPECT_EQ(failed.Messages().find("1 x 1 cm"), std::string::npos);
}

// A deck as an editor leaves it after saving it as UTF-8: a byte-order mark in front of the version
// line. It reads, and saves, as the deck without the mark; a masonry plan keeps its walls.
TEST(LoadCrpFile, AByteOrderMarkBeforeTheVersionLineIsSkipped) {
    for (const char* fixture : {"fresh-frame/TELAIO.CRP", "fresh-masonry/MURATURA.CRP"}) {
        SCOPED_TRACE(fixture);
        const std::string path = DeckFixture(fixture);
        DeckSession plain, marked;
        ASSERT_TRUE(plain.Load(path)) << plain.Messages();
        ASSERT_TRUE(marked.LoadText(path, "\xEF\xBB\xBF" + FileText(path))) << marked.Messages();
        EXPECT_TRUE(marked.messages.Shown().empty()) << marked.Messages();
        EXPECT_EQ(marked.model.FileVersion, 9);
        EXPECT_EQ(marked.Dump(), plain.Dump());
        EXPECT_EQ(marked.SavedText(), plain.SavedText());
    }
    DeckSession masonry;
    ASSERT_TRUE(masonry.LoadText(DeckFixture("fresh-masonry/MURATURA.CRP"),
                                 "\xEF\xBB\xBF" + FileText(DeckFixture("fresh-masonry/MURATURA.CRP"))));
    EXPECT_GT(masonry.model.MasonryWallCount, 0);
    EXPECT_GT(masonry.model.MasonryBeamCount, 0);
}

// The same deck as an editor writes it in UTF-16: refused with a message that says what the file
// is, never with NUL bytes taken for items.
TEST(LoadCrpFile, AUtf16DeckIsRefusedAsNoTextOfItsKind) {
    const std::string path = DeckFixture("fresh-frame/TELAIO.CRP");
    const std::string text = FileText(path);
    std::string littleEndian, bigEndian;
    for (char c : text) {
        littleEndian += {c, '\0'};
        bigEndian += {'\0', c};
    }
    struct Case {
        const char* Name;
        std::string Text;
    };
    const Case cases[] = {
        {"little-endian with its mark", "\xFF\xFE" + littleEndian},
        {"big-endian with its mark", "\xFE\xFF" + bigEndian},
        {"little-endian without a mark", littleEndian},
        {"only the mark", "\xFF\xFE"},
        {"a NUL byte in a deck", ReplaceOnce(text, "NODI", std::string("NO\0I", 4))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (int32_t language : {0, 1}) {
            DeckSession s;
            s.shell.Languages.UiLanguage = language;
            EXPECT_FALSE(s.LoadText(path, c.Text));
            ASSERT_EQ(s.messages.Shown().size(), 1u) << s.Messages();
            const std::string& shown = s.messages.Shown()[0].Text;
            EXPECT_EQ(shown.find('\0'), std::string::npos);
            EXPECT_NE(shown.find(path), std::string::npos) << shown;
            EXPECT_NE(shown.find(language == 0 ? "non è un file di testo del tipo atteso"
                                               : "is not a text file of the expected kind"),
                      std::string::npos)
                << shown;
        }
    }
}

// Lines as the analysis program or an editor may leave them, read as the deck they stand for: a
// concrete-slab header with tabs between its numbers, masonry names and material texts holding a
// comma (the last item of their lines, read whole), a name in double quotes.
TEST(LoadCrpFile, TabsAndCommasAreReadAsTheyAreMeant) {
    struct Case {
        const char* Name;
        const char* Fixture;
        std::vector<std::pair<std::string, std::string>> Edits;
        std::function<void(const Model&)> Check;
    };
    const Case cases[] = {
        {"tabs in a concrete-slab header line", "fresh-frame/TELAIO.CRP", {{"\n10 0 4\r", "\n10\t0\t4\t\r"}},
         [](const Model& m) {
             ASSERT_EQ(m.ConcreteSlabCount, 2);
             EXPECT_EQ(m.ConcreteSlabs[0].Id, 10);
             EXPECT_EQ(m.ConcreteSlabs[0].Kind, 0);
             EXPECT_EQ(m.ConcreteSlabs[0].VertexCount, 4);
         }},
        {"a comma in the names of a wall and a lintel", "fresh-masonry/MURATURA.CRP",
         {{"Parete 1", "Parete 1, piano terra"}, {"Architrave 1", "Architrave 1,2"}},
         [](const Model& m) {
             EXPECT_EQ(m.MasonryWalls[0].Name, "Parete 1, piano terra");
             EXPECT_EQ(m.MasonryWalls[0].VerticalGroupCount, 4);
             EXPECT_EQ(m.MasonryBeams[0].Name, "Architrave 1,2");
         }},
        // Both material blocks, of the walls and of the lintels: the second one is read last.
        {"a comma in a material text",
         "fresh-masonry/MURATURA.CRP",
         {{"Blocco cassero\r", "Blocco cassero, cls\r"}, {"Blocco cassero\r", "Blocco cassero, cls\r"}},
         [](const Model& m) {
             EXPECT_EQ(m.Materials.MasonryMaterialText1, "Blocco cassero, cls");
             EXPECT_DOUBLE_EQ(m.Materials.MasonryMaterialDouble1, 2500);
         }},
        {"a name in double quotes", "fresh-masonry/MURATURA.CRP", {{"Parete 2", "\"Parete 2, est\"  "}},
         [](const Model& m) { EXPECT_EQ(m.MasonryWalls[1].Name, "Parete 2, est"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = DeckFixture(c.Fixture);
        std::string text = FileText(path);
        for (const auto& [from, to] : c.Edits) text = ReplaceOnce(text, from, to);
        DeckSession edited;
        ASSERT_TRUE(edited.LoadText(path, text)) << edited.Messages();
        EXPECT_TRUE(edited.messages.Shown().empty()) << edited.Messages();
        c.Check(edited.model);
        // What was read is saved, and read back the same.
        DeckSession again;
        ASSERT_TRUE(again.LoadText(path, edited.SavedText())) << again.Messages();
        c.Check(again.model);
        EXPECT_EQ(again.SavedText(), edited.SavedText());
    }
}

// A fresh export whose beam offsets, wall thicknesses or section angles carry more decimals than the
// file keeps (2), along the slanted edges of a concrete slab whose inner outline every load
// rebuilds from them: saved, loaded and saved again, it gives the same bytes.
TEST(LoadCrpFile, TheFirstResaveOfADeckWithMoreDecimalsIsStable) {
    // Nodes 1 (0, 0), 2 (1000, 0), 3 (x3, 800), 4 (x4, 800); a beam on the edge 2-3, a wall on
    // the edge given, a concrete slab on the four nodes.
    auto deck = [](const char* x3, const char* x4, const char* beam, const char* wall) {
        return std::string("VERSIONE 9\r\n0 0 0\r\nNODI\r\n4\r\n1 0 0 -1\r\n2 1000 0 -1\r\n3 ") + x3 +
               " 800 -1\r\n4 " + x4 + " 800 -1\r\nELEMENTI_D2\r\n1\r\n" + beam +
               "GRUPPO_D3_SEZIONE\r\n0 1\r\n" + wall +
               "GRUPPO_D3_PIANTA\r\n1 4\r\n1 0 4\r\n20.00\r\n1\r\n2\r\n3\r\n4\r\nPILASTRI\r\n0\r\n"
               "SOLAI\r\n0 0\r\n0 0 0 0 0 0 0 0\r\n0\r\n0\r\n";
    };
    struct Case {
        const char* Name;
        std::string Text;
    };
    const Case cases[] = {
        {"beam offsets of 3 decimals",
         deck("1100", "150", "1 1 2 3 1 0\r\n2.025 2.025 2.025 2.025\r\n", "1 3 4 1 0\r\n25.00\r\n")},
        {"a wall thickness of 3 decimals", deck("1000", "-200", "1 1 2 3 0 0\r\n", "1 4 1 1 0\r\n25.097\r\n")},
        {"a section angle of 3 decimals", deck("1000", "0", "1 1 2 3 0 7.777\r\n", "1 3 4 1 0\r\n25.00\r\n")},
    };
    ScratchFolder scratch("resave");
    scratch.CopyArchiveFrom("fresh-frame");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DeckSession fresh, saved;
        ASSERT_TRUE(fresh.LoadText(scratch / "OBLIQUO.CRP", c.Text)) << fresh.Messages();
        const std::string first = fresh.SavedText();
        ASSERT_TRUE(saved.LoadText(scratch / "OBLIQUO.CRP", first)) << saved.Messages();
        EXPECT_EQ(saved.SavedText(), first);
    }
    // The values the geometry uses are those the file keeps.
    DeckSession offsets;
    ASSERT_TRUE(offsets.LoadText(scratch / "OBLIQUO.CRP", cases[0].Text));
    EXPECT_FLOAT_EQ(offsets.model.BeamElements[0].OffsetXI, 2.03f);
    DeckSession thickness;
    ASSERT_TRUE(thickness.LoadText(scratch / "OBLIQUO.CRP", cases[1].Text));
    EXPECT_FLOAT_EQ(thickness.model.WallSegments[0].Thickness, 25.1f);
    DeckSession angle;
    ASSERT_TRUE(angle.LoadText(scratch / "OBLIQUO.CRP", cases[2].Text));
    EXPECT_FLOAT_EQ(angle.model.BeamElements[0].SectionAngle, 7.78f);
}

// Pillar and span angles that a file may give beyond one turn, or that round to a full turn, are
// saved so that they read back as saved: saved twice, the deck gives the same bytes.
TEST(LoadCrpFile, AnglesBeyondATurnAreSavedToReadBackAsSaved) {
    struct Case {
        const char* Pillar;   // file angle of pillar 1 (300.00 in the fixture)
        const char* Span;     // span angle of the floor slab (-30.00000)
        const char* Written;  // the pillar's file angle as saved
        float SpanAngle;      // the span angle after the load
    };
    const Case cases[] = {
        {"300.00", "-30.00000", "300.00", 330}, {"-450.00", "-394.00000", "270.00", 326},
        {"720.50", "1085.00000", "0.50", 5},    {"359.996", "725.00000", "0.00", 5},
        {"-0.004", "360.00000", "0.00", 360},
    };
    const std::string path = DeckFixture("fresh-frame/TELAIO.CRP");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Pillar) + " " + c.Span);
        std::string text = ReplaceOnce(FileText(path), "2 1 1 1 0 300.00", std::string("2 1 1 1 0 ") + c.Pillar);
        text = ReplaceOnce(text, "4 0 -30.00000 0 0", std::string("4 0 ") + c.Span + " 0 0");
        DeckSession fresh, saved;
        ASSERT_TRUE(fresh.LoadText(path, text)) << fresh.Messages();
        EXPECT_FLOAT_EQ(fresh.model.FloorSlabs[0].SpanAngle, c.SpanAngle);
        const std::string first = fresh.SavedText();
        const std::string pillar = " 2             1             1             1             0            ";
        EXPECT_NE(first.find("PILASTRI\r\n 6 \r\n" + pillar + c.Written + "\r\n"), std::string::npos);
        ASSERT_TRUE(saved.LoadText(path, first)) << saved.Messages();
        EXPECT_EQ(saved.SavedText(), first);
    }
}

TEST(LoadCrpFile, NodeLookupFindsTheFirstNodeOfANumber) {
    Model model;
    model.NodeCount = 3;
    model.Nodes = {{5, 0, 0, -1}, {7, 0, 0, -1}, {5, 0, 0, -1}, {}};
    HeadlessMessageBoxes messages;
    LanguageFlags italian;
    EXPECT_EQ(FindNodeIndex(model, 5, italian, messages), 0);
    EXPECT_EQ(FindNodeIndex(model, 7, italian, messages), 1);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(FindNodeIndex(model, 0, italian, messages), -1);  // the spare record's 0 is no node
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text.substr(0, 22), "Nodo 0 non definito.\nE");
}

// A data file named without a folder lies in the current folder, and so does its archive; one
// named with a folder finds its archive there, not in the current folder.
TEST(LoadCrpFile, TheArchiveIsLookedForInTheDataFolder) {
    ScratchFolder scratch("archive-folder");
    std::filesystem::create_directories(scratch / "sub");
    std::filesystem::copy_file(DeckFixture("fresh-frame/TELAIO.CRP"), scratch / "TELAIO.CRP");
    std::filesystem::copy_file(DeckFixture("fresh-frame/TELAIO.CRP"), scratch / "sub/TELAIO.CRP");
    scratch.CopyArchiveFrom("fresh-frame");
    const CurrentFolderScope inScratch(scratch / "");

    DeckSession bare;
    EXPECT_TRUE(bare.Load("TELAIO.CRP")) << bare.Messages();
    DeckSession inSubfolder;
    EXPECT_FALSE(inSubfolder.Load("sub/TELAIO.CRP"));
    EXPECT_EQ(inSubfolder.Messages(), "Attenzione! | File archivio 'ARCHIMPA.AI0' non trovato.\n");
}

// Every deck fixture that loads ("fail-" folders hold the ones that must not), as "folder/FILE.CRP".
std::vector<std::string> LoadableDeckFixtures() {
    std::vector<std::string> fixtures;
    for (const auto& folder : std::filesystem::directory_iterator(DeckFixture(""))) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory() || name.rfind("fail-", 0) == 0) continue;
        for (const auto& file : std::filesystem::directory_iterator(folder.path()))
            if (file.path().extension() == ".CRP") fixtures.push_back(name + "/" + file.path().filename().string());
    }
    std::sort(fixtures.begin(), fixtures.end());
    return fixtures;
}

// Load (with the completion every load ends with), save, load, save: the two saved files are the
// same bytes and the two loads of saved files the same model; for a saved fixture whose drawing
// data is complete, the first load already equals them.
TEST(LoadCrpFile, EveryDeckFixtureSurvivesLoadSaveLoadSave) {
    const std::vector<std::string> fixtures = LoadableDeckFixtures();
    EXPECT_GE(fixtures.size(), 10u);
    for (const std::string& fixture : fixtures) {
        SCOPED_TRACE(fixture);
        const std::string folder = fixture.substr(0, fixture.find('/'));
        ScratchFolder scratch("roundtrip-" + folder);
        scratch.CopyArchiveFrom(folder);

        DeckSession first;
        ASSERT_TRUE(first.Load(DeckFixture(fixture))) << first.Messages();
        ASSERT_TRUE(first.Save(scratch / "A.CRP"));
        DeckSession second;
        ASSERT_TRUE(second.Load(scratch / "A.CRP")) << second.Messages();
        ASSERT_TRUE(second.Save(scratch / "B.CRP"));
        DeckSession third;
        ASSERT_TRUE(third.Load(scratch / "B.CRP")) << third.Messages();

        EXPECT_EQ(FileText(scratch / "A.CRP"), FileText(scratch / "B.CRP"));
        EXPECT_EQ(second.Dump(), third.Dump());
        EXPECT_EQ(third.model.FileVersion, 9);
        EXPECT_EQ(third.model.DrawingDataVersion, 7);
        if (fixture == "saved-d7/SALVATO7.CRP" || fixture == "masonry/MURATURA.CRP") {
            EXPECT_EQ(first.Dump(), second.Dump());
        }
    }
}

// The writer of an older drawing-data version writes what its reader reads.
TEST(LoadCrpFile, OlderVersionsWrittenReadBackTheSameDeck) {
    for (int d = 1; d <= 7; ++d) {
        SCOPED_TRACE("d = " + std::to_string(d));
        const std::string path =
            DeckFixture("saved-d" + std::to_string(d) + "/SALVATO" + std::to_string(d) + ".CRP");
        DeckSession first;
        ASSERT_TRUE(first.Load(path));
        const std::string text = FormatCrpText(first.model, ConstDeckOptions{first.shell.Options, first.drawing, first.design},
                                               first.model.FileVersion, d);
        DeckSession second;
        ASSERT_TRUE(second.LoadText(path, text)) << second.Messages();
        EXPECT_EQ(second.Dump(), first.Dump());
    }
}

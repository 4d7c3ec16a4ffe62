#include "model/files/WholeFiles.h"
#include "model/files/ModelSections.h"

#include <gtest/gtest.h>

#include "tests/support/ItalianNumericLocale.h"

#include <clocale>
#include <string>

namespace {

std::string Fixture(const std::string& name) {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(std::string(DRAVO_FIXTURES) + "/model-sections/" + name, text)) << name;
    return text;
}

// The first node that carries the number, as the load procedure looks it up.
NodeLookup LookupIn(const Model& model) {
    return [&model](int32_t number) {
        for (int32_t i = 0; i < model.NodeCount; ++i)
            if (model.Nodes[i].Id == number) return i;
        return -1;
    };
}

struct ReadResult {
    bool ok = false;
    ReadError error;
};

ReadResult Read(const std::string& text, Model& model) {
    DataFileReader reader(text);
    ReadResult result;
    result.ok = ReadModelSections(reader, model, LookupIn(model));
    result.error = reader.Error();
    return result;
}

std::string Write(const Model& model) {
    DataFileWriter writer;
    WriteModelSections(writer, model, model.FileVersion, model.DrawingDataVersion);
    return writer.TakeOutput();
}

// A small deck in memory: four nodes, two concrete slabs, masonry walls and beams.
Model MasonryDeck() {
    Model model;
    std::string text = Fixture("version9.crp");
    EXPECT_TRUE(Read(text, model).ok);
    return model;
}

}  // namespace

TEST(ModelSections, EveryFixtureReadsAndWritesBackTheSameBytes) {
    for (const char* name : {"version5.crp", "version7.crp", "version8.crp", "version9.crp", "version9-isotex-beams.crp"}) {
        const std::string text = Fixture(name);
        Model model;
        ReadResult result = Read(text, model);
        ASSERT_TRUE(result.ok) << name << ": " << result.error.Section << " line " << result.error.Line;
        const std::string written = Write(model);
        EXPECT_EQ(written, text) << name;
        Model again;
        ASSERT_TRUE(Read(written, again).ok) << name;
        EXPECT_EQ(again, model) << name;
    }
}

TEST(ModelSections, ReadsTheValuesOfEverySection) {
    Model model;
    ASSERT_TRUE(Read(Fixture("version9.crp"), model).ok);
    EXPECT_EQ(model.FileVersion, 9);
    EXPECT_EQ(model.DrawingDataVersion, 0);
    EXPECT_FLOAT_EQ(model.Header.ElevationTo, 600.5f);

    ASSERT_EQ(model.NodeCount, 5);
    EXPECT_EQ(model.Nodes.size(), 6u) << "one spare node";
    EXPECT_EQ(model.Nodes[4], (Node{10, 250.0f, -12.25f, 0}));

    ASSERT_EQ(model.BeamElementCount, 2);
    EXPECT_EQ(model.BeamElements[0].NodeI, 0) << "node numbers become indexes";
    EXPECT_EQ(model.BeamElements[1].NodeJ, 2);
    EXPECT_FLOAT_EQ(model.BeamElements[0].OffsetXI, 0.0f) << "no offsets in the file, none in memory";
    EXPECT_FLOAT_EQ(model.BeamElements[1].OffsetXJ, -5.0f);

    EXPECT_EQ(model.WallGroupHeaderValue, 12);
    ASSERT_EQ(model.WallSegmentCount, 2);
    EXPECT_EQ(model.WallSegments[0].GroupId, 101);
    EXPECT_FLOAT_EQ(model.WallSegments[1].OffsetYJ, -2.5f);

    ASSERT_EQ(model.ConcreteSlabCount, 2);
    EXPECT_EQ(model.ConcreteSlabs[1], (ConcreteSlab{2, 25.0f, 3, 1}));
    EXPECT_EQ(model.ConcreteSlabModelPolygon[1][2], 4) << "node number 10 is node index 4";
    EXPECT_EQ(model.ConcreteSlabModelPolygon[1][3], model.ConcreteSlabModelPolygon[1][0]) << "closed in memory";
    EXPECT_EQ(model.ConcreteSlabDesigns[0].SteelStress, 4500);
    EXPECT_FLOAT_EQ(model.ConcreteSlabDesigns[0].Angle12, 90.0f);

    ASSERT_EQ(model.PillarCount, 2);
    EXPECT_FLOAT_EQ(model.Pillars[0].Angle, 90.0f);
    EXPECT_FLOAT_EQ(model.Pillars[1].Angle, 30.0f) << "300 in the file";

    ASSERT_EQ(model.FloorSlabCount, 2);
    EXPECT_FLOAT_EQ(model.FloorSlabs[0].EndBandLength, 60.0f);
    EXPECT_EQ(model.FloorSlabs[0].DiagramPointCount, 3);
    EXPECT_FLOAT_EQ(model.FloorSlabDiagram[0][1].LowerSteel, 3.0f);
    EXPECT_FLOAT_EQ(model.FloorSlabs[1].SpanAngle, 330.0f);
    EXPECT_EQ(model.FloorSlabModelPolygon[0][4], model.FloorSlabModelPolygon[0][0]);

    ASSERT_EQ(model.MasonryWallCount, 2);
    ASSERT_EQ(model.MasonryBeamCount, 1);
    EXPECT_EQ(model.MasonryIsIsotex, 0);
    EXPECT_EQ(model.MasonryWalls[1].Name, "Muro nord");
    EXPECT_FLOAT_EQ(model.MasonryWalls[0].HorizontalBarSpacing, 2.5f);
    EXPECT_FLOAT_EQ(model.MasonryBeams[0].HorizontalBarSpacing, 0.5f);
    EXPECT_EQ(model.Materials.MasonryMaterialText1, "Laterizio portante");
    EXPECT_DOUBLE_EQ(model.Materials.MasonryMaterialDouble2, 12.125);

    Model isotex;
    ASSERT_TRUE(Read(Fixture("version9-isotex-beams.crp"), isotex).ok);
    EXPECT_EQ(isotex.MasonryIsIsotex, 1);
    EXPECT_EQ(isotex.MasonryWallCount, 0);
    EXPECT_EQ(isotex.DrawingDataVersion, 7);
}

TEST(ModelSections, OlderVersionsLeaveOutTheirParts) {
    Model v5;
    ASSERT_TRUE(Read(Fixture("version5.crp"), v5).ok);
    EXPECT_FLOAT_EQ(v5.FloorSlabs[0].StartBandLength, 0.0f);
    EXPECT_FLOAT_EQ(v5.FloorSlabs[0].EndBandLength, 0.0f);
    EXPECT_EQ(v5.ConcreteSlabDesigns[0], ConcreteSlabDesign{});
    // A version 5 file has no masonry block: the count stays as the caller set it.
    Model again;
    again.MasonryWallCount = 3;
    ASSERT_TRUE(Read(Fixture("version5.crp"), again).ok);
    EXPECT_EQ(again.MasonryWallCount, 3);

    // Written as version 5, a deck loses its band lengths, design blocks and masonry block.
    Model v9 = MasonryDeck();
    DataFileWriter writer;
    WriteModelSections(writer, v9, 5, 0);
    Model read;
    ASSERT_TRUE(Read(writer.Output(), read).ok);
    EXPECT_EQ(read.FileVersion, 5);
    EXPECT_FLOAT_EQ(read.FloorSlabs[0].StartBandLength, 0.0f);
    EXPECT_EQ(read.MasonryWallCount, 0);
}

TEST(ModelSections, VersionLines) {
    const std::string body = Fixture("version9.crp").substr(std::string("VERSIONE 9\r\n").size());
    {
        Model model;
        ASSERT_TRUE(Read("versione 9\r\n" + body, model).ok);
        EXPECT_EQ(model.FileVersion, 9);
        EXPECT_EQ(model.MasonryBeamCount, 1);
    }
    {
        // A first line of two characters gives version 0: no band lengths, no design blocks, no
        // masonry; the next line is the header.
        Model model;
        ASSERT_TRUE(Read("V9\r\n" + Fixture("version5.crp").substr(std::string("VERSIONE 5\r\n").size()), model).ok);
        EXPECT_EQ(model.FileVersion, 0);
        EXPECT_FLOAT_EQ(model.Header.ElevationFrom, 300.0f);
        EXPECT_EQ(model.NodeCount, 5);
    }
    {
        Model model;
        ReadResult result = Read("VERSIONE 10\r\n" + body, model);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error.Failure, ReadFailure::UnsupportedVersion);
        EXPECT_EQ(result.error.Line, 1);
        EXPECT_EQ(model.FileVersion, 10) << "the caller tells the user which version it is";
        EXPECT_EQ(model.NodeCount, 0) << "nothing else read";
    }
}

TEST(ModelSections, WritesRealsWithAPointUnderADecimalCommaLocale) {
    Model model = MasonryDeck();
    std::string written;
    Model again;
    bool readBack = false;
    {
        ItalianNumericLocale italian;
        ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
        written = Write(model);
        readBack = Read(written, again).ok;
    }
    EXPECT_EQ(written, Fixture("version9.crp"));
    ASSERT_TRUE(readBack);
    EXPECT_EQ(again, model);
}

TEST(ModelSections, MasonryWallsAndBeamsTogetherReadBackAsWritten) {
    Model model = MasonryDeck();
    model.Materials.MasonryMaterialSingle4 = 7.5f;  // a value only a repeated materials block carries
    const std::string written = Write(model);
    Model again;
    ReadResult result = Read(written, again);
    ASSERT_TRUE(result.ok) << result.error.Section << " line " << result.error.Line << " item " << result.error.Item;
    EXPECT_EQ(again.Materials, model.Materials);
    EXPECT_EQ(again.MasonryBeams[0], model.MasonryBeams[0]);
    EXPECT_EQ(again, model);

    // Isotex walls and beams keep their titles and the flag.
    model.MasonryIsIsotex = 1;
    Model isotex;
    ASSERT_TRUE(Read(Write(model), isotex).ok);
    EXPECT_EQ(isotex.MasonryIsIsotex, 1);
    EXPECT_EQ(isotex, model);
}

TEST(ModelSections, DesignBlocksGoBackToTheirOwnSlabs) {
    // Three slabs: kind 0, an inner region of kind 1, kind 0 again; each with its own values.
    Model model = MasonryDeck();
    model.ConcreteSlabCount = 3;
    model.ConcreteSlabs = {{1, 20.0f, 4, 0}, {2, 25.0f, 3, 1}, {3, 18.0f, 3, 0}, {}};
    ResizeRows(model.ConcreteSlabModelPolygon, 4, model.ConcreteSlabMaxVertices + 11);
    model.ConcreteSlabModelPolygon[0] = {0, 1, 2, 3, 0};
    model.ConcreteSlabModelPolygon[1] = {0, 1, 4, 0};
    model.ConcreteSlabModelPolygon[2] = {1, 2, 4, 1};
    model.ConcreteSlabDesigns.assign(4, {});
    model.ConcreteSlabDesigns[0].Rck = 30;
    model.ConcreteSlabDesigns[0].Cover = 3.0f;
    model.ConcreteSlabDesigns[2].Rck = 35;
    model.ConcreteSlabDesigns[2].Spacing1 = 15.0f;

    Model again;
    ASSERT_TRUE(Read(Write(model), again).ok);
    EXPECT_EQ(again.ConcreteSlabDesigns[0], model.ConcreteSlabDesigns[0]) << "the region behind it must not overwrite it";
    EXPECT_EQ(again.ConcreteSlabDesigns[2], model.ConcreteSlabDesigns[2]);
    EXPECT_EQ(Write(again), Write(model));

    // A first slab of another kind keeps its block: the reader gives slab 0 what comes before
    // any slab of kind 0.
    model.ConcreteSlabs[0].Kind = 2;
    Model first;
    ASSERT_TRUE(Read(Write(model), first).ok);
    EXPECT_EQ(first.ConcreteSlabDesigns[0], model.ConcreteSlabDesigns[0]);
    EXPECT_EQ(first.ConcreteSlabDesigns[2], model.ConcreteSlabDesigns[2]);
}

TEST(ModelSections, FreshExportDesignBlocksGoToTheLatestSlabOfKindZero) {
    auto blockText = [](int rck) {
        DataFileWriter writer;
        writer.Line("0  //n_nodi_aree");
        const char* keys[] = {"//flag 0=no  1=fondazione", "//Rck", "//Sigma acciaio barre", "//copriferro",
                              "//passo 1", "//diam 1", "//passo 2", "//diam 2", "//DiaAgg1", "//DiaAgg2",
                              "//ango1", "//ango12"};
        for (int k = 0; k < 12; ++k) writer.Int(k == 1 ? rck : 0).Text(keys[k]).EndLine();
        return writer.TakeOutput();
    };
    // A block before the first slab (to slab 0), slabs of kinds 1, 0, 1, and a block after the
    // last one (to slab 1, the latest of kind 0).
    const std::string text =
        "VERSIONE 9\r\n 0 0 0\r\nNODI\r\n 3\r\n1 0 0 -1\r\n2 100 0 -1\r\n3 0 100 -1\r\n"
        "ELEMENTI_D2\r\n0\r\nGRUPPO_D3_SEZIONE\r\n0 0\r\nGRUPPO_D3_PIANTA\r\n3 3\r\n" +
        blockText(11) + "5 1 3\r\n20\r\n1\r\n2\r\n3\r\n" + "6 0 3\r\n20\r\n1\r\n2\r\n3\r\n" + "7 1 3\r\n20\r\n1\r\n2\r\n3\r\n" +
        blockText(22) + "PILASTRI\r\n0\r\nSOLAI\r\n0 0\r\n0 0 0 0 0 0 0 0\r\n0\r\n0\r\n";
    Model model;
    ReadResult result = Read(text, model);
    ASSERT_TRUE(result.ok) << result.error.Section << " line " << result.error.Line;
    EXPECT_EQ(model.ConcreteSlabDesigns[0].Rck, 11);
    EXPECT_EQ(model.ConcreteSlabDesigns[1].Rck, 22) << "the block after the last slab goes to slab 1, of kind 0";
    EXPECT_EQ(model.ConcreteSlabDesigns[2].Rck, 0);
}

TEST(ModelSections, TextsWithACommaReadBackWhole) {
    Model model = MasonryDeck();
    model.MasonryWalls[0].Name = "Muro, piano 1";
    model.MasonryBeams[0].Name = "Architrave A,B";
    model.Materials.MasonryMaterialText1 = "Laterizio, classe 2";
    model.Materials.MasonryMaterialText2 = "Malta M10, cemento";
    const std::string written = Write(model);
    EXPECT_NE(written.find("\r\n\"Muro, piano 1\"\r\n"), std::string::npos);
    Model again;
    ReadResult result = Read(written, again);
    ASSERT_TRUE(result.ok) << result.error.Section << " line " << result.error.Line;
    EXPECT_EQ(again.MasonryWalls[0].Name, "Muro, piano 1");
    EXPECT_EQ(again.MasonryBeams[0].Name, "Architrave A,B");
    EXPECT_EQ(again.Materials, model.Materials);
    EXPECT_EQ(again, model);
}

TEST(ModelSections, BadInputFailsWithTheSectionAndTheLine) {
    const std::string good = Fixture("version9.crp");
    auto replaceLine = [&good](int lineNumber, const std::string& with) {
        size_t start = 0;
        for (int i = 1; i < lineNumber; ++i) start = good.find("\r\n", start) + 2;
        size_t end = good.find("\r\n", start);
        return good.substr(0, start) + with + good.substr(end);
    };
    const struct {
        int line;
        const char* with;
        ReadFailure failure;
        const char* section;
        int reportedLine;
    } cases[] = {
        {4, " 2000000000 ", ReadFailure::BadCount, "NODI", 4},
        {4, " 6 ", ReadFailure::NotANumber, "NODI", 10},  // one node short: the keyword stands for a number
        {5, " 1            0.00          abc           -1 ", ReadFailure::NotANumber, "NODI", 5},
        {12, " 3             7             99            2             0            0.00",
         ReadFailure::UnknownNode, "ELEMENTI_D2", 12},
        {16, " 12            2000000000 ", ReadFailure::BadCount, "GRUPPO_D3_SEZIONE", 16},
        {18, "30.00x", ReadFailure::NotANumber, "GRUPPO_D3_SEZIONE", 18},
        {23, " 2             2000000000 ", ReadFailure::BadCount, "GRUPPO_D3_PIANTA", 23},
        {24, " 1             0             99999 ", ReadFailure::BadCount, "GRUPPO_D3_PIANTA", 24},
        {63, " 22 ", ReadFailure::BadCount, "SOLAI", 63},
        {82, " 32767 ", ReadFailure::BadCount, "MURATURA", 82},
        {82, " 40000 ", ReadFailure::BadCount, "MURATURA", 82},
        {84, "1.5000        0.25x0        1800.0000", ReadFailure::NotANumber, "MURATURA", 84},
    };
    for (const auto& c : cases) {
        Model model;
        ReadResult result = Read(replaceLine(c.line, c.with), model);
        EXPECT_FALSE(result.ok) << "line " << c.line;
        EXPECT_EQ(result.error.Failure, c.failure) << "line " << c.line;
        EXPECT_EQ(result.error.Section, c.section) << "line " << c.line;
        EXPECT_EQ(result.error.Line, c.reportedLine) << "line " << c.line;
    }
}

TEST(ModelSections, NegativeCountsMeanNoRecords) {
    const std::string text =
        "VERSIONE 9\r\n 0 0 0\r\nNODI\r\n-3\r\nELEMENTI_D2\r\n-1\r\nGRUPPO_D3_SEZIONE\r\n5 -2\r\n"
        "GRUPPO_D3_PIANTA\r\n-1 -7\r\nPILASTRI\r\n-4\r\nSOLAI\r\n-2 -5\r\n0 0 0 0 0 0 0 0\r\n-1\r\n-9\r\n";
    Model model;
    ReadResult result = Read(text, model);
    ASSERT_TRUE(result.ok) << result.error.Section << " line " << result.error.Line;
    EXPECT_EQ(model.NodeCount, 0);
    EXPECT_EQ(model.Nodes.size(), 1u);
    EXPECT_EQ(model.ConcreteSlabCount, 0);
    EXPECT_EQ(model.ConcreteSlabs.size(), 1u);
    EXPECT_EQ(model.MasonryWallCount, 0);
    EXPECT_EQ(model.MasonryBeamCount, 0);
    Model again;
    EXPECT_TRUE(Read(Write(model), again).ok);
}

TEST(ModelSections, EveryTruncationFailsCleanly) {
    const std::string good = Fixture("version9.crp");
    for (size_t length = 0; length < good.size(); ++length) {
        Model model;
        DataFileReader reader(good.substr(0, length));
        const bool ok = ReadModelSections(reader, model, LookupIn(model));
        if (ok) continue;  // a cut inside the last number can still read
        EXPECT_NE(reader.Error().Failure, ReadFailure::None) << length;
        EXPECT_FALSE(reader.Error().Section.empty()) << length;
        EXPECT_GE(reader.Error().Line, 1) << length;
        // Cut at a line end before the last line: an end of file inside a section, or a count that
        // the rest of the file cannot hold.
        if (length + 2 < good.size() && length >= 2 && good.compare(length - 2, 2, "\r\n") == 0) {
            EXPECT_TRUE(reader.Error().Failure == ReadFailure::EndOfFile || reader.Error().Failure == ReadFailure::BadCount)
                << length;
        }
    }
}

TEST(ModelSections, GroupHeaderLines) {
    const struct {
        const char* line;
        int32_t a, b, c;
    } cases[] = {
        {" 1             0             4 ", 1, 0, 4},
        {"12 3 7", 12, 3, 7},
        {"0  //n_nodi_aree", 0, -1, -1},
        {"4 //n_nodi", 4, -1, -1},
        {"5", 0, 0, 5},
        {"5 2", 5, 0, 2},
        {"-1 2 3", -1, 2, 3},
        {"12\t3\t7", 12, 3, 7},
        {"\t1 \t 0\t4\t", 1, 0, 4},
        {"0\t//n_nodi_aree", 0, -1, -1},
        {"5\t2", 5, 0, 2},
    };
    for (const auto& c : cases) {
        int32_t a = 99, b = 99, cc = 99;
        ParseGroupHeaderLine(c.line, a, b, cc);
        EXPECT_EQ(a, c.a) << c.line;
        EXPECT_EQ(b, c.b) << c.line;
        EXPECT_EQ(cc, c.c) << c.line;
    }
}

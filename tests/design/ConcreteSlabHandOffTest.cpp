// The slab-design program's input file of a concrete slab and the hand-off around it: the result
// file it depends on, the outline's turn, the start of the program and what the user is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "design/ConcreteSlabHandOff.h"
#include "design/DesignMessages.h"
#include "design/SlabInputFile.h"
#include "tests/support/Golden.h"
#include "tests/support/SlabHandOffDeck.h"

namespace {

// Slab 7 from (-15, -15) to (615, 515) over the outer faces of its four beams, with an opening, a
// wall, pillars of three kinds (one on its outline, one just beyond a corner), circular and square
// footings, and slab 8 overlapping its right side; the deck's origin shift is (2000, 1000).
const std::string LastraDeck = DeckFixture("slab-handoff/LASTRA.CRP");
constexpr int32_t Slab7 = 0, Slab8 = 2;

std::vector<int32_t> OutlineOf(const Model& m, int32_t slab) {
    const auto& row = m.ConcreteSlabOutline[static_cast<size_t>(slab)];
    return {row.begin(), row.begin() + m.ConcreteSlabOutlineCount[static_cast<size_t>(slab)]};
}

void MakeClockwise(Model& m, int32_t slab) {
    auto& row = m.ConcreteSlabOutline[static_cast<size_t>(slab)];
    std::reverse(row.begin(), row.begin() + m.ConcreteSlabOutlineCount[static_cast<size_t>(slab)]);
}

size_t CountLines(const std::string& text, const std::string& line) {
    size_t count = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        if (at == 0 || text[at - 1] == '\n') ++count;
    return count;
}

TEST(SlabHandOff, ResultAndInputFileNames) {
    const struct {
        int32_t Id;
        const char* Result;
        const char* Input;
    } cases[] = {
        {7, "gus00007.mpi", "Soletta7.LSX"},
        {0, "gus00000.mpi", "Soletta0.LSX"},
        {12345, "gus12345.mpi", "Soletta12345.LSX"},
        {1234567, "gus1234567.mpi", "Soletta1234567.LSX"},
        {-3, "gus-00003.mpi", "Soletta-3.LSX"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SlabResultFileName(c.Id), c.Result);
        EXPECT_EQ(SlabInputFileName(c.Id), c.Input);
    }
}

// The golden file: every block of the format, positions with the origin shift added back.
TEST(SlabHandOff, OneSlabIsWrittenAndTheProgramStartedOnIt) {
    SlabHandOffDeck deck(LastraDeck, "handoff-one");
    ASSERT_TRUE(deck.loaded);
    deck.AddResultFile("gus00007.mpi");
    deck.AddProgram("Lastrix");
    deck.shell.Document.SlabFileOnly = false;
    const std::vector<int32_t> outline = OutlineOf(deck.model, Slab7);

    EXPECT_EQ(ExportConcreteSlabDesign(deck, deck.platform, Slab7, 1), SlabHandOffResult::Started);
    EXPECT_TRUE(MatchesGolden(deck.Written("Soletta7.LSX"), "slab-handoff/Soletta7.LSX"));
    EXPECT_EQ(OutlineOf(deck.model, Slab7), outline);  // it already turns counter-clockwise
    EXPECT_EQ(deck.Messages(), "");
    ASSERT_EQ(deck.programs.Started().size(), 1u);
    EXPECT_EQ(deck.programs.Started()[0].Program, deck.folder / "program/Lastrix");
    EXPECT_EQ(deck.programs.Started()[0].Arguments, std::vector<std::string>{deck.folder / "Soletta7.LSX"});
}

TEST(SlabHandOff, ClockwiseOutlineIsWrittenCounterClockwiseAndStaysSo) {
    SlabHandOffDeck deck(LastraDeck, "handoff-clockwise");
    ASSERT_TRUE(deck.loaded);
    deck.AddResultFile("gus00007.mpi");
    const std::vector<int32_t> counterClockwise = OutlineOf(deck.model, Slab7);
    MakeClockwise(deck.model, Slab7);

    EXPECT_EQ(ExportConcreteSlabDesign(deck, deck.platform, Slab7, 1), SlabHandOffResult::Written);
    EXPECT_TRUE(MatchesGolden(deck.Written("Soletta7.LSX"), "slab-handoff/Soletta7.LSX"));
    EXPECT_EQ(OutlineOf(deck.model, Slab7), counterClockwise);
    EXPECT_NE(deck.SavedText().find("NODI_SOLETTE\r\n 4 \r\n 3 \r\n 5 \r\n 7 \r\n 1 \r\n"), std::string::npos)
        << "the reversed order goes out with the next save";
}

TEST(SlabHandOff, MissingResultFileWritesNothingAndSaysWhy) {
    SlabHandOffDeck deck(LastraDeck, "handoff-missing");
    ASSERT_TRUE(deck.loaded);
    deck.AddProgram("Lastrix");
    deck.shell.Document.SlabFileOnly = false;
    MakeClockwise(deck.model, Slab7);
    const std::vector<int32_t> outline = OutlineOf(deck.model, Slab7);

    EXPECT_EQ(ExportConcreteSlabDesign(deck, deck.platform, Slab7, 1), SlabHandOffResult::NotDesigned);
    EXPECT_FALSE(deck.Exists("Soletta7.LSX"));
    EXPECT_EQ(OutlineOf(deck.model, Slab7), outline);
    EXPECT_TRUE(deck.programs.Started().empty());
    ASSERT_EQ(deck.messages.Shown().size(), 1u);
    const ShownMessage& box = deck.messages.Shown()[0];
    EXPECT_EQ(box.Title, "Attenzione!");
    EXPECT_EQ(box.Text, "Soletta C.A. non progettata. Eseguire in Struvia il comando: "
                        "Contesto\\Esecuzione_progettazione\\Stati_limite");
    EXPECT_EQ(box.Icon, MsgIcon::Exclamation);
}

// A file that cannot be made is told, and neither the outline nor the program are touched.
TEST(SlabHandOff, InputFileThatCannotBeWrittenIsReported) {
    SlabHandOffDeck deck(LastraDeck, "handoff-unwritable");
    ASSERT_TRUE(deck.loaded);
    deck.AddResultFile("gus00007.mpi");
    deck.AddProgram("Lastrix");
    deck.shell.Document.SlabFileOnly = false;
    deck.shell.Languages.UiLanguage = 1;
    std::filesystem::create_directories(deck.folder / "Soletta7.LSX/in-the-way");
    MakeClockwise(deck.model, Slab7);
    const std::vector<int32_t> outline = OutlineOf(deck.model, Slab7);

    EXPECT_EQ(ExportConcreteSlabDesign(deck, deck.platform, Slab7, 1), SlabHandOffResult::NotWritten);
    EXPECT_EQ(OutlineOf(deck.model, Slab7), outline);
    EXPECT_TRUE(deck.programs.Started().empty());
    ASSERT_EQ(deck.messages.Shown().size(), 1u);
    EXPECT_EQ(deck.messages.Shown()[0].Title, "Warning!");
    EXPECT_TRUE(deck.messages.Shown()[0].Text.starts_with("The file could not be written:\n" +
                                                          (deck.folder / "Soletta7.LSX") + "\n"))
        << deck.messages.Shown()[0].Text;
}

TEST(SlabHandOff, TheProgramIsStartedOnlyWhenAskedForAndThere) {
    const struct {
        bool FileOnly;
        int32_t Count;
        const char* Program;  // in the program folder; nullptr for none
        bool StartFails;
        SlabHandOffResult Result;
        const char* Box;  // title | text of the one box shown, "" for none
    } cases[] = {
        {true, 0, "Lastrix", false, SlabHandOffResult::Written, ""},
        {false, 2, "Lastrix", false, SlabHandOffResult::Written, ""},
        {false, 0, "Lastrix.exe", false, SlabHandOffResult::Started, ""},
        {false, 0, nullptr, false, SlabHandOffResult::Written,
         "Progetto solette CA | Scrittura file: \n%path\nregolarmente eseguita"},
        {false, 1, "Lastrix", true, SlabHandOffResult::NotStarted,
         "Attenzione! | Impossibile avviare il programma di progetto delle solette:\n%program"},
    };
    for (const auto& c : cases) {
        SlabHandOffDeck deck(LastraDeck, "handoff-start");
        ASSERT_TRUE(deck.loaded);
        deck.AddResultFile("gus00007.mpi");
        if (c.Program) deck.AddProgram(c.Program);
        deck.programs.SetSucceed(!c.StartFails);
        deck.shell.Document.SlabFileOnly = c.FileOnly;

        EXPECT_EQ(ExportConcreteSlabDesign(deck, deck.platform, Slab7, c.Count), c.Result) << c.Box;
        EXPECT_TRUE(deck.Exists("Soletta7.LSX"));
        std::string box = c.Box;
        if (!box.empty()) box += "\n";
        if (auto at = box.find("%path"); at != std::string::npos) box.replace(at, 5, deck.folder / "Soletta7.LSX");
        if (auto at = box.find("%program"); at != std::string::npos)
            box.replace(at, 8, deck.folder / ("program/" + std::string(c.Program ? c.Program : "")));
        EXPECT_EQ(deck.Messages(), box);
        const bool tried = c.Result == SlabHandOffResult::Started || c.Result == SlabHandOffResult::NotStarted;
        EXPECT_EQ(deck.programs.Started().size(), tried ? 1u : 0u) << c.Box;
    }
}

TEST(SlabHandOff, SeveralSlabsAreWrittenAndListedWithoutAStart) {
    SlabHandOffDeck deck(LastraDeck, "handoff-several");
    ASSERT_TRUE(deck.loaded);
    deck.AddResultFile("gus00007.mpi");
    deck.AddResultFile("gus00008.mpi");
    deck.AddProgram("Lastrix");
    HandOffPickedConcreteSlabs(deck, deck.platform, {Slab7, Slab8, 0}, 2);

    EXPECT_FALSE(deck.shell.Document.SlabFileOnly);
    EXPECT_TRUE(MatchesGolden(deck.Written("Soletta7.LSX"), "slab-handoff/Soletta7.LSX"));
    EXPECT_TRUE(deck.Exists("Soletta8.LSX"));
    EXPECT_TRUE(deck.programs.Started().empty());
    ASSERT_EQ(deck.messages.Shown().size(), 1u);
    const ShownMessage& box = deck.messages.Shown()[0];
    EXPECT_EQ(box.Title, "");
    EXPECT_EQ(box.Icon, MsgIcon::Information);
    EXPECT_EQ(box.Text, "La selezione ha individuato pi\xC3\xB9 di una soletta. Sono stati prdotti i seguenti file "
                        "nella cartella: " + std::filesystem::path(deck.path).parent_path().string() +
                        "\nSoletta7.LSX\nSoletta8.LSX\n");
}

// Only the files really written are listed; the refused slab has told its own warning.
TEST(SlabHandOff, RefusedSlabOfSeveralIsNotListed) {
    SlabHandOffDeck deck(LastraDeck, "handoff-refused");
    ASSERT_TRUE(deck.loaded);
    deck.AddResultFile("gus00008.mpi");
    HandOffPickedConcreteSlabs(deck, deck.platform, {Slab7, Slab8}, 2);

    EXPECT_FALSE(deck.Exists("Soletta7.LSX"));
    EXPECT_TRUE(deck.Exists("Soletta8.LSX"));
    ASSERT_EQ(deck.messages.Shown().size(), 2u);
    EXPECT_TRUE(deck.messages.Shown()[0].Text.starts_with("Soletta C.A. non progettata."));
    EXPECT_TRUE(deck.messages.Shown()[1].Text.ends_with("-" + std::to_string(::getpid()) + "\nSoletta8.LSX\n"))
        << deck.messages.Shown()[1].Text;

    deck.messages.ClearShown();
    HandOffPickedConcreteSlabs(deck, deck.platform, {Slab7, Slab7}, 2);
    EXPECT_EQ(deck.messages.Shown().size(), 2u) << "two warnings and no empty list";
}

// A square slab (0, 0) - (100, 100) on plan points 0 to 3, built by hand to show the inside rules.
struct SquareSlab {
    Model m;

    SquareSlab() {
        m.Header.ModelOriginX = 1000;
        m.Header.ModelOriginY = 2000;
        AddPoints({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
        AddSlab(0, {0, 1, 2, 3}, {});
        m.ConcreteSlabs[0].Id = 3;
        m.ConcreteSlabs[0].Thickness = 18;
    }

    int32_t AddPoints(const std::vector<PlanPoint>& points) {
        const int32_t first = m.PlanNodeCount;
        for (const PlanPoint& p : points) m.PlanNodes.push_back(p);
        m.PlanNodeCount = static_cast<int32_t>(m.PlanNodes.size());
        return first;
    }
    int32_t AddNode(float x, float y, int32_t footingType = -1) {
        m.Nodes.push_back({static_cast<int32_t>(m.Nodes.size()) + 1, x, y, footingType});
        m.NodeCount = static_cast<int32_t>(m.Nodes.size());
        return m.NodeCount - 1;
    }
    // A slab of `kind` with its outline list and the nodes of its model polygon.
    void AddSlab(int32_t kind, const std::vector<int32_t>& outline, const std::vector<int32_t>& nodes) {
        m.ConcreteSlabs.push_back({3, 18, static_cast<int32_t>(nodes.empty() ? outline.size() : nodes.size()), kind});
        m.ConcreteSlabCount = static_cast<int32_t>(m.ConcreteSlabs.size());
        m.ConcreteSlabOutline.push_back(outline);
        m.ConcreteSlabOutline.back().push_back(outline.front());
        m.ConcreteSlabOutlineCount.push_back(static_cast<int32_t>(outline.size()));
        m.ConcreteSlabModelPolygon.push_back(nodes);
    }
    std::string File() const { return FormatSlabInputFile(m, 0).value().Text; }
};

TEST(SlabInputFile, EmptySlabHasFiveEndLines) {
    SquareSlab s;
    EXPECT_EQ(s.File(), " 4 \r\n 3 \r\n 0 \r\n1000.000      2000.000\r\n 4 \r\n"
                        "1000.00       2000.00\r\n1100.00       2000.00\r\n1100.00       2100.00\r\n1000.00       2100.00\r\n"
                        "-1 \r\n-1 \r\n-1 \r\n-1 \r\n-1 \r\n18.00\r\ngus00003.mpi\r\n");
    EXPECT_FALSE(FormatSlabInputFile(s.m, 0)->OutlineReversed);
}

TEST(SlabInputFile, InnerRegionsOfTheSlabAreWrittenUnlessTheyCoverIt) {
    SquareSlab s;
    const int32_t inside = s.AddNode(50, 50), outside = s.AddNode(300, 300), corner = s.AddNode(0, 0);
    const int32_t p = s.AddPoints({{50, 50}, {300, 300}});
    s.AddSlab(1, {0, 1, 2, 3}, {inside, corner, corner, corner});  // covers every vertex: left out
    s.AddSlab(1, {0, 1, p}, {corner, corner, inside});             // shares two of them: written
    s.AddSlab(2, {p + 1, p + 1, p + 1}, {outside, outside, outside});  // no corner inside
    s.AddSlab(1, {0, 1, 2}, {corner, corner, corner});  // corners on the outline only, tested strictly
    const std::string file = s.File();
    EXPECT_NE(file.find("\r\n 3 \r\n1000.00       2000.00\r\n1100.00       2000.00\r\n1050.00       2050.00\r\n-1 "),
              std::string::npos)
        << file;
    EXPECT_EQ(CountLines(file, " 3 \r\n"), 2u) << file;  // the identifier and that region
}

TEST(SlabInputFile, PointsOnTheOutlineOrBesideAVertexCountAsInside) {
    SquareSlab s;
    // A triangle (0, 0), (100, 0), (0, 100): its long edge leaves the box's corner outside.
    s.m.ConcreteSlabOutline[0] = {0, 1, 3, 0};
    s.m.ConcreteSlabOutlineCount[0] = 3;
    s.m.Catalogue.FootingTypeCount = 2;
    s.m.Catalogue.FootingTypes.resize(3);
    s.m.Catalogue.FootingTypes[0].Shape = 3;
    s.m.Catalogue.FootingTypes[0].Dims[1] = 60;
    s.m.Catalogue.FootingTypes[1].Shape = 0;
    s.AddNode(50, 50, 1);     // on the long edge
    s.AddNode(99.8f, 0.3f, 1);  // beside vertex (100, 0), outside the edge
    s.AddNode(70, 70, 1);     // outside
    s.AddNode(20, 20, 2);     // inside, but not a circular footing
    s.AddNode(10, 10, 7);     // a footing type the archive does not hold
    const std::string file = s.File();
    EXPECT_NE(file.find(" 0 \r\n1050.00       2050.00       30.00\r\n 0 \r\n1099.80       2000.30       30.00\r\n-1 "),
              std::string::npos)
        << file;
    EXPECT_EQ(CountLines(file, " 0 \r\n"), 3u) << file;  // line 3 and the two footings
}

// Records that name a node, a section or a plan point the tables do not hold are left out.
TEST(SlabInputFile, BrokenReferencesAreLeftOut) {
    SquareSlab s;
    const int32_t node = s.AddNode(50, 50);
    s.m.Pillars = {{1, 1, node}, {9, 2, node}, {1, 3, 99}};
    s.m.PillarCount = 3;
    s.m.Catalogue.ArchiveSectionCount = 1;
    s.m.Catalogue.SectionClass = {0};
    s.m.Catalogue.SectionShape = {16};
    s.m.Catalogue.SectionParams = {{12, 0, 0, 0, 0, 0}};
    s.m.WallEdges = {{0, 2, -1}, {0, 77, -2}};
    s.m.WallEdgeCount = 5;
    const std::string file = s.File();
    EXPECT_NE(file.find("-1 \r\n 1 \r\n 1             0 \r\n1050.00       2050.00\r\n12.00\r\n-1 \r\n"
                        " 2 \r\n-1 \r\n1000.00       2000.00\r\n1100.00       2100.00\r\n-1 \r\n-1 \r\n-1 \r\n"),
              std::string::npos)
        << file;

    s.m.ConcreteSlabOutline[0][2] = 40;
    EXPECT_FALSE(FormatSlabInputFile(s.m, 0));
    EXPECT_FALSE(FormatSlabInputFile(s.m, 1));
    EXPECT_FALSE(FormatSlabInputFile(s.m, -1));
}

}  // namespace

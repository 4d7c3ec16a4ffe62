#include "dxf/file/DxfR12File.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dxf/file/DxfFile.h"
#include "tests/dxf/file/DxfExports.h"
#include "tests/support/ItalianNumericLocale.h"

using ::testing::AnyOf;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

struct R12Export : DxfExport {
    R12Export() { options.DxfR12 = 1; }
    std::string R12File() const { return DxfR12FileText(writer, drawing); }
};

// The text from the start of the file to the end of its first section.
std::string HeaderOf(const std::string& file) {
    const std::string end = "0\r\nENDSEC\r\n";
    return file.substr(0, file.find(end) + end.size());
}

std::string SectionText(const std::string& file, const std::string& name) {
    const size_t start = file.find("  0\r\nSECTION\r\n  2\r\n" + name + "\r\n");
    const std::string end = "  0\r\nENDSEC\r\n";
    return file.substr(start, file.find(end, start) + end.size() - start);
}

std::vector<std::string> CodeLines(const std::string& text) {
    std::vector<std::string> codes;
    for (const auto& [code, value] : SplitGroups(text)) codes.push_back(code);
    return codes;
}

}  // namespace

TEST(DxfR12File, ASmallPlanMatchesItsGoldenFileWhateverTheLocale) {
    ItalianNumericLocale italian;
    ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
    R12Export e;
    DrawSmallPlan(e);
    const std::string file = e.R12File();
    ExpectGolden(file, "small-plan-r12.dxf");
    KeepForReader("small-plan-r12", file);
    EXPECT_EQ(DxfFileText(e.writer, e.drawing, e.options), file) << "the export's options choose R12";
}

TEST(DxfR12File, OpensWithItsVersionAndHasOneFixedHeaderWhateverTheDrawing) {
    R12Export empty, drawn;
    DrawSmallPlan(drawn);
    drawn.drawing.LayerNames[3] = "ALTRO";
    const std::string file = drawn.R12File();
    KeepForReader("empty-r12", empty.R12File());

    EXPECT_TRUE(file.starts_with(CrlfLines({"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1009"})));
    const std::string header = HeaderOf(file);
    EXPECT_EQ(header, HeaderOf(empty.R12File()));
    const auto groups = SplitGroups(header);
    EXPECT_EQ(std::count_if(groups.begin(), groups.end(), [](const DxfGroup& g) { return g.first == "9"; }), 130);
    // Drawn without a hatch, the file's records take no handle: the seed is the first one.
    EXPECT_NE(header.find(CrlfLines({"9", "$HANDSEED", "5", "20"})), std::string::npos);
    for (const std::string& code : CodeLines(header)) EXPECT_NE(code.front(), ' ') << code;

    // Sections in their order, no classes and no objects; nothing after the header carries a handle.
    std::vector<std::string> sections;
    const auto all = SplitGroups(file);
    for (size_t i = 0; i + 1 < all.size(); ++i)
        if (all[i].second == "SECTION") sections.push_back(all[i + 1].second);
    EXPECT_THAT(sections, ElementsAre("HEADER", "TABLES", "BLOCKS", "ENTITIES"));
    EXPECT_THAT(CodeLines(file.substr(header.size())), Each(Not(AnyOf("  5", "5", "330", "100"))));
    EXPECT_TRUE(file.ends_with(CrlfLines({"  0", "ENDSEC", "  0", "EOF"})));
}

TEST(DxfR12File, LayerTableHoldsZeroDefpointsAndEveryRowWhateverItsSwitch) {
    R12Export e;
    e.drawing.LayerDxfOn[5] = 0;
    e.drawing.LayerAci[7] = 12;
    const auto layers = RecordsOfKind(SectionRecords(e.R12File(), "TABLES"), "LAYER");
    ASSERT_EQ(layers.size(), 27u);
    EXPECT_EQ(layers[0].Value(2), "0");
    EXPECT_EQ(layers[1].Value(2), "Defpoints");
    for (int row = 0; row < LayerCount; ++row) {
        const DxfRecord& r = layers[static_cast<size_t>(row) + 2];
        EXPECT_EQ(r.Value(2), e.Layer(row));
        EXPECT_EQ(r.Value(6), row == 0 ? "DASHED2" : "Continuous") << row;
    }
    EXPECT_EQ(layers[0].Value(62), " 7 ");
    EXPECT_EQ(layers[2 + 7].Value(62), " 12 ");

    // A row under a name already taken adds no second record: its entities lie on the first.
    e.drawing.LayerNames[11] = "quote";
    EXPECT_EQ(RecordsOfKind(SectionRecords(e.R12File(), "TABLES"), "LAYER").size(), 26u);
}

TEST(DxfR12File, TablesKeepTheirLineTypesAndTextStyles) {
    R12Export e;
    const auto tables = SectionRecords(e.R12File(), "TABLES");
    std::vector<std::string> lineTypes, styles;
    for (const DxfRecord& r : RecordsOfKind(tables, "LTYPE")) lineTypes.push_back(r.Value(2));
    for (const DxfRecord& r : RecordsOfKind(tables, "STYLE")) styles.push_back(r.Value(2) + " " + r.Value(3));
    EXPECT_THAT(lineTypes, ElementsAre("CONTINUOUS", "DOT", "DASHDOT", "DASHED2", "DASHED"));
    EXPECT_THAT(styles, ElementsAre("STANDARD arial.ttf", "ANNOTATIVA Txt"));
    const auto dashed = RecordsOfKind(tables, "LTYPE").back();
    EXPECT_THAT(dashed.Values(49), ElementsAre("25", "-15"));
}

TEST(DxfR12File, TheBlocksSectionHoldsTheSpooledBlocksAlone) {
    R12Export e;
    EXPECT_EQ(SectionText(e.R12File(), "BLOCKS"), CrlfLines({"  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC"}));

    const std::string block = CrlfLines({"  0", "BLOCK", "  8", "TRATTEGGIO_SOLAI", "  2", "*X0", " 70", "     1",
                                         " 10", "0.0", " 20", "0.0", " 30", "0.0", "  3", "*X0", "  0", "ENDBLK"});
    e.writer.BlockSpool = block;
    EXPECT_EQ(SectionText(e.R12File(), "BLOCKS"),
              CrlfLines({"  0", "SECTION", "  2", "BLOCKS"}) + block + CrlfLines({"  0", "ENDSEC"}));
}

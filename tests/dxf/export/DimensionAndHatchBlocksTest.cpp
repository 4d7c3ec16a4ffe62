// A deck with horizontal, vertical, aligned and right-to-left dimensions, a hatched wall, concrete
// slab and floor slab, exported in both dialects and kept as golden files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExport.h"
#include "model/geometry/Geometry.h"
#include "tests/dxf/file/DxfExports.h"
#include "tests/support/DeckSession.h"

namespace {

const std::string Deck = DeckFixture("dimensioned/QUOTATO.CRP");

struct Exported {
    std::string File;
    std::vector<Dimension> dimensions;  // the deck's, as it is read
    DxfOptions options;
};

Exported ExportDeck(int32_t r12, const std::string& name) {
    Exported e;
    DeckSession s;
    SetDefaultLayersAndOptions(s.drawing, s.shell.Options, s.design, s.dxf);
    DxfOptions options = s.dxf;
    options.DxfR12 = r12;
    std::filesystem::create_directories(DRAVO_DXF_OUT);
    const std::string path = (std::filesystem::path(DRAVO_DXF_OUT) / name).string();
    const DxfExportResult result = NewSalvaDXF(s, s.platform, {Deck}, path, options);
    EXPECT_EQ(result.Outcome, DxfExportOutcome::Written) << result.Message;
    e.File = ReadBytes(path);
    e.options = options;
    DeckSession deck;
    EXPECT_TRUE(deck.Load(Deck)) << deck.Messages();
    e.dimensions = deck.model.Dimensions;
    return e;
}

float Number(const std::string& text) { return std::stof(text); }

TEST(DimensionAndHatchBlocks, TheDeckMatchesItsGoldenFilesInBothDialects) {
    ExpectGolden(ExportDeck(0, "dimensioned-2000.dxf").File, "dimensioned-2000.dxf");
    ExpectGolden(ExportDeck(1, "dimensioned-r12.dxf").File, "dimensioned-r12.dxf");
}

// Each DIMENSION names its own *D block, whose label is the line's length in cm and whose
// definition points are the measured points and the line's right (upper) end in DXF units.
TEST(DimensionAndHatchBlocks, EachDimensionBlockShowsItsLengthAtItsDefinitionPoints) {
    const Exported e = ExportDeck(0, "dimensioned-blocks-2000.dxf");
    const float k = e.options.DxfScaleFactor;
    std::map<std::string, std::vector<DxfRecord>> blocks;
    std::string current;
    for (const DxfRecord& r : SectionRecords(e.File, "BLOCKS")) {
        if (r.Kind == "BLOCK") current = r.Value(2);
        else if (r.Kind != "ENDBLK") blocks[current].push_back(r);
    }
    const auto dimensions = RecordsOfKind(SectionRecords(e.File, "ENTITIES"), "DIMENSION");
    const auto& model = e.dimensions;
    ASSERT_EQ(dimensions.size(), model.size());
    const std::string labels[] = {"500", "400", "640.3", "500"};
    const int kinds[] = {33, 33, 33, 32};
    for (size_t i = 0; i < dimensions.size(); ++i) {
        const DxfRecord& d = dimensions[i];
        const Dimension& m = model[i];
        EXPECT_EQ(d.Value(2), "*D" + std::to_string(i));
        EXPECT_EQ(std::stoi(d.Value(70)), kinds[i]) << i;
        const auto& block = blocks[d.Value(2)];
        const auto texts = RecordsOfKind(block, "MTEXT");
        ASSERT_EQ(texts.size(), 1u) << i;
        EXPECT_EQ(texts[0].Value(1), labels[i]) << i;
        const auto points = RecordsOfKind(block, "POINT");
        ASSERT_EQ(points.size(), 3u);
        // The measured points keep their own ends, also on a line drawn from right to left.
        const bool swapped = m.LineX1 > m.LineX2 + 0.001f || (std::fabs(m.LineX1 - m.LineX2) <= 0.001f && m.LineY1 > m.LineY2);
        const float mx0 = swapped ? m.MeasuredX2 : m.MeasuredX1, my0 = swapped ? m.MeasuredY2 : m.MeasuredY1;
        const float rightX = swapped ? m.LineX1 : m.LineX2, rightY = swapped ? m.LineY1 : m.LineY2;
        EXPECT_NEAR(Number(points[0].Value(10)), mx0 * k, 1e-3) << i;
        EXPECT_NEAR(Number(points[0].Value(20)), my0 * k, 1e-3) << i;
        EXPECT_NEAR(Number(points[2].Value(10)), rightX * k, 1e-3) << i;
        EXPECT_NEAR(Number(points[2].Value(20)), rightY * k, 1e-3) << i;
        EXPECT_EQ(points[2].Value(10), d.Value(10));
        EXPECT_EQ(points[0].Value(10), d.Value(13));
        EXPECT_EQ(points[1].Value(10), d.Value(14));
    }
    size_t hatchBlocks = 0;
    for (const auto& [name, records] : blocks) hatchBlocks += name.starts_with("*X") && !records.empty();
    EXPECT_GE(hatchBlocks, 3u) << "the wall, the concrete slab and the floor slab";
}

}  // namespace

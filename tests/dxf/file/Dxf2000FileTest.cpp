#include "dxf/file/Dxf2000File.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "dxf/writers/DxfBlockFrames.h"
#include "tests/dxf/file/DxfExports.h"
#include "tests/support/ItalianNumericLocale.h"

using ::testing::ElementsAre;

namespace {

int32_t HandleValue(const std::string& handle) { return static_cast<int32_t>(std::stol(handle, nullptr, 16)); }

// The handle of every record (group 5, a dimension style's 105) with the record's kind.
std::multimap<int32_t, std::string> HandlesOwned(const std::string& file) {
    std::multimap<int32_t, std::string> handles;
    for (const char* section : {"TABLES", "BLOCKS", "ENTITIES", "OBJECTS"})
        for (const DxfRecord& r : SectionRecords(file, section)) {
            const bool style = r.Kind == "DIMSTYLE";
            for (const std::string& h : r.Values(style ? 105 : 5)) handles.emplace(HandleValue(h), r.Kind);
        }
    return handles;
}

std::string HandleSeed(const std::string& file) {
    const auto groups = SplitGroups(file);
    for (size_t i = 0; i + 1 < groups.size(); ++i)
        if (groups[i].second == "$HANDSEED") return groups[i + 1].second;
    return "";
}

// A hatch block and a dimension block spooled as the drawing pass does it.
void SpoolBlocks(DxfExport& e, int hatches, int dimensions) {
    DxfWriterState& w = e.writer;
    for (int i = 0; i < hatches; ++i) {
        const std::string name = GetNextHatchBlockName(w);
        const std::string record = GetNextHandle(w);
        SetHatchBlockRecordHandle(w, record);
        WriteBlockBegin(w, 0, name, e.Layer(20), record);
        WriteDxfLine(w, e.options, 0, 0, 10, 10, e.Layer(20), 0);
        WriteBlockEnd(w, record);
    }
    for (int i = 0; i < dimensions; ++i) {
        const std::string name = GetNextDimBlockName(w);
        GetNextHandle(w);  // the dimension entity's
        const std::string record = GetNextHandle(w);
        SetDimBlockRecordHandle(w, record);
        WriteBlockBegin(w, 1, name, e.Layer(9), record);
        WriteBlockEnd(w, record);
    }
}

struct ExportCase {
    const char* name;
    std::function<void(DxfExport&)> draw;
};

const ExportCase Exports[] = {
    {"nothing drawn", [](DxfExport&) {}},
    {"a small plan", DrawSmallPlan},
    {"hatch and dimension blocks", [](DxfExport& e) { SpoolBlocks(e, 3, 2); DrawSmallPlan(e); }},
};

}  // namespace

TEST(Dxf2000File, AnEmptyExportMatchesItsGoldenFile) {
    DxfExport e;
    const std::string file = e.File();
    ExpectGolden(file, "empty-2000.dxf");
    KeepForReader("empty-2000", file);
}

TEST(Dxf2000File, ASmallPlanMatchesItsGoldenFileWhateverTheLocale) {
    ItalianNumericLocale italian;
    ASSERT_TRUE(italian.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
    DxfExport e;
    DrawSmallPlan(e);
    const std::string file = e.File();
    ExpectGolden(file, "small-plan-2000.dxf");
    KeepForReader("small-plan-2000", file);
}

TEST(Dxf2000File, AnEmptyExportTakesTheHandles20To70AndSeedsTheNext) {
    DxfExport e;
    const std::string file = e.File();
    const auto handles = HandlesOwned(file);
    std::set<int32_t> counted;
    for (const auto& [h, kind] : handles)
        if (h >= 0x20) counted.insert(h);
    // 81 handles are taken; one of them the DIMSTYLE table names without a record carrying it.
    EXPECT_EQ(counted.size(), 80u);
    EXPECT_EQ(*counted.begin(), 0x20);
    EXPECT_EQ(*counted.rbegin(), 0x70);
    EXPECT_EQ(HandleSeed(file), "71");
}

TEST(Dxf2000File, EveryHandleIsOneRecordsAndTheSeedLiesAboveThemAll) {
    for (const ExportCase& c : Exports) {
        DxfExport e;
        c.draw(e);
        const std::string file = e.File();
        std::string name = std::string("handles-") + c.name;
        std::replace(name.begin(), name.end(), ' ', '-');
        KeepForReader(name, file);
        const auto handles = HandlesOwned(file);
        ASSERT_FALSE(handles.empty()) << c.name;
        for (auto it = handles.begin(); it != handles.end(); ++it)
            EXPECT_EQ(handles.count(it->first), 1u) << c.name << ": handle " << std::hex << it->first << " of "
                                                    << it->second << " is written twice";
        EXPECT_GT(HandleValue(HandleSeed(file)), handles.rbegin()->first) << c.name;
    }
}

TEST(Dxf2000File, TheModelSpaceHasALayoutOfItsOwnInTheLayoutDictionary) {
    DxfExport e;
    const auto objects = SectionRecords(e.File(), "OBJECTS");
    const std::string layoutDictionary = objects[0].Values(350)[2];  // the root's "ACAD_LAYOUT"
    ASSERT_EQ(objects[0].Values(3)[2], "ACAD_LAYOUT");

    const auto dictionary = std::find_if(objects.begin(), objects.end(),
                                         [&](const DxfRecord& r) { return r.Value(5) == layoutDictionary; });
    ASSERT_NE(dictionary, objects.end());
    EXPECT_THAT(dictionary->Values(3), ElementsAre("Foglio 1", "Model"));
    EXPECT_THAT(dictionary->Values(350), ElementsAre("1C", "1A"));

    const auto model = std::next(dictionary);  // it follows its dictionary
    ASSERT_EQ(model->Kind, "LAYOUT");
    EXPECT_EQ(model->Value(5), "1A");
    EXPECT_EQ(model->Value(330), layoutDictionary);
    EXPECT_THAT(model->Values(1), ElementsAre("", "Model"));
    EXPECT_EQ(model->Value(71), "0") << "the first tab";
    EXPECT_EQ(model->Values(330).back(), "19") << "the *Model_Space record";
}

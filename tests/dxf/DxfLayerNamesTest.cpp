#include "dxf/writers/DxfLayerNames.h"

#include <gtest/gtest.h>

#include "dxf/writers/DxfEntityWriters.h"
#include "tests/support/DxfRecordLines.h"

namespace {

struct NameCase {
    const char* name;
    const char* dxf;
};

}  // namespace

TEST(DxfLayerName, KeepsAValidNameAndMendsOneNoReaderTakes) {
    const NameCase cases[] = {
        {"QUOTE", "QUOTE"},
        {"PERIM_PILASTRI_SUP", "PERIM_PILASTRI_SUP"},
        {"Travi 30x50", "Travi 30x50"},       // inner blanks are allowed
        {"Pi\xE8 solai", "Pi\xE8 solai"},     // code page 1252 letters too
        {"$-.#()[]{}'+&%!~", "$-.#()[]{}'+&%!~"},
        {"", "0"},
        {"   ", "0"},
        {"  QUOTE ", "QUOTE"},
        {"A/B\\C", "A_B_C"},
        {"<>\":;?*|,=`", "___________"},
        {"a\tb\r\nc\x7F", "a_b__c_"},
        {"Pareti\x81\x8D\x8F\x90\x9D", "Pareti_____"},  // bytes code page 1252 leaves undefined
        {"Travi \x80 \xA0\xFF", "Travi \x80 \xA0\xFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DxfLayerName(c.name), c.dxf) << '"' << c.name << '"';
        EXPECT_EQ(DxfLayerName(DxfLayerName(c.name)), c.dxf) << "a second pass changes nothing: " << c.name;
        EXPECT_EQ(IsDxfLayerName(c.name), std::string(c.name) == c.dxf) << '"' << c.name << '"';
    }
}

TEST(DxfLayerName, AFileHoldsNamesOfUpTo255CharactersAsWritten) {
    const std::string longest(255, 'L');
    EXPECT_TRUE(FitsDxfLayerName(longest));
    EXPECT_TRUE(FitsDxfLayerName("  " + longest + " "));  // the outer blanks are not written
    EXPECT_TRUE(FitsDxfLayerName(std::string(254, 'L') + "\x81"));
    EXPECT_TRUE(FitsDxfLayerName(""));
    EXPECT_FALSE(FitsDxfLayerName(longest + "L"));
    EXPECT_FALSE(FitsDxfLayerName(longest + "/"));
}

TEST(DxfLayerName, NamesAreOneWhateverTheCaseOfTheirLetters) {
    EXPECT_TRUE(SameDxfLayerName("Defpoints", "DEFPOINTS"));
    EXPECT_TRUE(SameDxfLayerName("quote_1", "QUOTE_1"));
    EXPECT_FALSE(SameDxfLayerName("QUOTE", "QUOTE_1"));
    EXPECT_FALSE(SameDxfLayerName("QUOTE", "QUOTE "));
}

TEST(DxfLayerName, AnEntityIsWrittenOnTheLayerItsRecordWillCarry) {
    DxfWriterState state;
    DxfOptions r12;
    r12.DxfR12 = 1;
    WriteDxfCircle(state, r12, 1.0f, 2.0f, 3.0f, "PILASTRI:ACCIAIO", 0);
    WriteDxfLine(state, r12, 0, 0, 1, 1, "", 0);
    const auto groups = SplitGroups(state.EntitySpool);
    EXPECT_EQ(groups[1], DxfGroup("  8", "PILASTRI_ACCIAIO"));
    EXPECT_EQ(groups[7], DxfGroup("  8", "0"));
}

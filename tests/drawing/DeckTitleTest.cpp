#include "drawing/DeckTitle.h"

#include <gtest/gtest.h>

#include <string>

#include "dxf/output/DxfPlanPass.h"
#include "tests/support/Golden.h"
#include "tests/drawing/PlanFixture.h"
#include "tests/support/DeckSession.h"
#include "tests/support/ItalianNumericLocale.h"

namespace {

std::string Title(float from, float to, int32_t language) {
    PlanHeader header;
    header.ElevationFrom = from;
    header.ElevationTo = to;
    LanguageFlags languages;
    languages.DrawingLanguage = language;
    return GetDeckTitle(header, languages);
}

TEST(DeckTitle, OneOrTwoLevelsWithTheUsersDecimalSeparator) {
    EXPECT_EQ(Title(0, 300, 1), "Share of the floor: from 0.0 to +300.0");
    EXPECT_EQ(Title(300, 300.05f, 1), "Share of the floor: +300.0");
    EXPECT_EQ(Title(-150, -20, 1), "Share of the floor: from -150.0 to -20.0");
    ItalianNumericLocale italian;
    if (!italian.WritesDecimalComma()) GTEST_SKIP() << "no Italian numeric locale on this machine";
    EXPECT_EQ(Title(300, 300.05f, 0), "Impalcato a quota +300,0");
    EXPECT_EQ(Title(0, 300, 0), "Impalcato da quota 0,0 a quota +300,0");
    EXPECT_EQ(Title(-150, -20, 0), "Impalcato da quota -150,0 a quota -20,0");
    EXPECT_EQ(Title(12.5f, 310, 0), "Impalcato da quota +12,5 a quota +310,0");
}

// Three decks exported one after the other, floor slabs in the first and the third only.
std::string TakeoffOfThreeDecks(int32_t option) {
    DxfWriterState writer;
    for (const char* deck : {"fresh-frame/TELAIO.CRP", "fresh-masonry/MURATURA.CRP", "fresh-frame/TELAIO.CRP"}) {
        DeckSession s;
        SetDefaultLayersAndOptions(s.drawing, s.shell.Options, s.design, s.dxf);
        s.dxf.TakeoffTextFile = option;
        EXPECT_TRUE(s.Load(DeckFixture(deck))) << s.Messages();
        DrawPlanIntoDxf(s, writer);
    }
    return writer.TakeoffSpool;
}

TEST(FloorSlabTakeoff, EachExportedDeckWithFloorSlabsAddsItsBlock) {
    EXPECT_TRUE(MatchesGolden(TakeoffOfThreeDecks(1), "drawing/takeoff-three-decks.txt"));
    EXPECT_EQ(TakeoffOfThreeDecks(0), "");
}

TEST(FloorSlabTakeoff, AreasArePrintedUnsignedInSquareMetres) {
    Model m;
    m.Header.ElevationTo = 300;
    m.FloorSlabCount = 1;
    FloorSlab slab;
    slab.Number = 12;
    slab.Area = -254000;
    m.FloorSlabs = {slab, FloorSlab{}};
    DxfOptions dxf;
    dxf.TakeoffTextFile = 1;
    std::string takeoff;
    ItalianNumericLocale italian;
    if (!italian.WritesDecimalComma()) GTEST_SKIP() << "no Italian numeric locale on this machine";
    WriteFloorSlabTakeoff(m, dxf, LanguageFlags{}, ShellOptions{}, takeoff);
    EXPECT_EQ(takeoff, "Impalcato da quota 0,0 a quota +300,0\r\n\r\nS.12          Sezione non definita        25,4 mq\r\n\r\n");
}

}  // namespace

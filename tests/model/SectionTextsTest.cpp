#include "model/sections/SectionTexts.h"

#include <gtest/gtest.h>

#include "state/ShellState.h"
#include "tests/support/ItalianNumericLocale.h"

namespace {

SectionCatalogue TextCatalogue() {
    SectionCatalogue c;
    auto add = [&](int32_t cls, int32_t shape, SectionParamRow p) {
        c.SectionClass.push_back(cls);
        c.SectionShape.push_back(shape);
        c.SectionParams.push_back(p);
        ++c.ArchiveSectionCount;
    };
    add(0, 1, {30, 50});                 // 0 rectangle
    add(0, 2, {30, 60, 100, 15});        // 1 T
    add(0, 10, {20, 8, 20, 40, 5, 5});   // 2 double T
    add(0, 16, {15});                    // 3 circle
    add(0, 19, {15, 12.5f});             // 4 hollow circle
    add(1, 1, {300, 0, 0});              // 5 profile
    add(2, 5, {100, 10, 1});             // 6 four angles
    add(2, 7, {200, 10, 2});             // 7 two channels, refused by the server
    add(-1, 0, {});                      // 8 undefined
    add(0, 1, {12, 24});                 // 9 rectangular joists
    add(0, 2, {10, 24, 50, 4});          // 10 T joists
    add(0, 4, {1, 2, 3, 4, 5});          // 11 no text
    add(0, 3, {100, 60, 30, 15});        // 12 inverted T
    add(0, 7, {10, 50, 40, 10});         // 13 inverted L
    c.ServerSections = {{"IPE 300", 15, 30}, {"L 100x10", 10, 10}, {"", 1, 1}};
    c.ServerSectionCount = 3;
    return c;
}

struct TextCase {
    int32_t Sec;
    const char* Italian;
    const char* English;
};

TEST(SectionTextsTest, MemberSections) {
    const SectionCatalogue c = TextCatalogue();
    const TextCase cases[] = {
        {0, "rettangolare 30x50", "Rectangular section: 30x50"},
        {1, "T   bi=30, bs=100, ht=60, hs=15", "T section: bi=30, bs=100, ht=60, hs=15"},
        {12, "T rov.  bi=100, bs=30, ht=60, hi=15", "T inverted section: bi=100, bs=30, ht=60, hi=15"},
        {13, "L rov.  bi=10, bs=40, ht=50, hi=10", "L inverted section: bi=10, bs=40, ht=50, hi=10"},
        {2, "doppio T  B inf=20, B anima=8, B sup=20, H tot=40Sp inf=5, Sp sup=5",
         "Double T section: B inf=20, B anima=8, B sup=20, H tot=40Sp inf=5, Sp sup=5"},
        {3, "circolare D=30", "Circular section: D=30"},
        {4, "circolare cava  De=30, Di=25", "Circular hollow section: De=30, Di=25"},
        {5, "IPE 300", "IPE 300"},
        {6, "4 L 100x10", "4 L 100x10"},
        {7, "2 ", "2 "},
        {8, "", ""},
        {11, "", ""},
        {99, "", ""},
    };
    LanguageFlags italian, english;
    english.DrawingLanguage = 1;
    for (const auto& t : cases) {
        EXPECT_EQ(GetSectionText(c, t.Sec, italian), t.Italian) << t.Sec;
        EXPECT_EQ(GetSectionText(c, t.Sec, english), t.English) << t.Sec;
    }
    SectionCatalogue fractional = c;
    fractional.SectionParams[0] = {12.5f, 0.1f};
    EXPECT_EQ(GetSectionText(fractional, 0, italian), "rettangolare 12.5x0.1");
}

struct SlabCase {
    int32_t Sec;
    float Thickness;
    const char* Italian;
    const char* Numbered;  // Italian with JoistTypeLabels on
    const char* English;
};

TEST(SectionTextsTest, FloorSlabSections) {
    const SectionCatalogue c = TextCatalogue();
    const SlabCase cases[] = {
        {9, 50, "Travetti ret. 12x24  i=50", "Travetti (tipo 10) ret. 12x24  i=50",
         "Rect. joists12x24  i=50"},
        {9, 24, "Soletta c.a. Sp.=12 cm", "Soletta c.a. Sp.=12 cm", "Concrete slab th.=12 cm"},
        {10, 50, "Sp. 20+4  travetti b=10  i=50", "Sp. 20+4  travetti (tipo 11) b=10  i=50",
         "Th. 20+4  joists b=10  i=50"},
        {10, 62.5f, "Sp. 20+4  travetti b=10  i=63", "Sp. 20+4  travetti (tipo 11) b=10  i=63",
         "Th. 20+4  joists b=10  i=63"},
        {2, 60, "Sp. 35+40 trav. dopp.T=20x8  i=60", "Sp. 35+40 trav. (tipo 3) dopp.T=20x8  i=60",
         "Th. 35+40 double T=20x8  i=60"},
        {5, 50, "IPE 300", "IPE 300", "IPE 300"},
        {8, 50, "Sezione non definita     ", "Sezione non definita     ", "Undefined Section        "},
        {6, 50, "Sezione non definita     ", "Sezione non definita     ", "Undefined Section        "},
        {99, 50, "Sezione non definita     ", "Sezione non definita     ", "Undefined Section        "},
        {3, 50, "", "", ""},
    };
    LanguageFlags italian, english;
    english.DrawingLanguage = 1;
    ShellOptions plain, numbered;
    numbered.JoistTypeLabels = 1;
    for (const auto& t : cases) {
        EXPECT_EQ(GetFloorSlabTypeText(c, t.Sec, t.Thickness, italian, plain), t.Italian) << t.Sec;
        EXPECT_EQ(GetFloorSlabTypeText(c, t.Sec, t.Thickness, italian, numbered), t.Numbered) << t.Sec;
        EXPECT_EQ(GetFloorSlabTypeText(c, t.Sec, t.Thickness, english, numbered), t.English) << t.Sec;
    }
    EXPECT_EQ(std::string("Sezione non definita     ").size(), 25u);
    // Whole numbers round halves away from zero.
    SectionCatalogue negative = c;
    negative.SectionParams[10] = {10, 24, 50, 4};
    EXPECT_EQ(GetFloorSlabTypeText(negative, 10, -12.5f, italian, plain), "Sp. 20+4  travetti b=10  i=-13");
}

// Drawing texts follow the user's numeric locale; whole numbers have no separator to follow.
TEST(SectionTextsTest, ParameterValuesTakeTheLocalesDecimalSeparator) {
    SectionCatalogue c = TextCatalogue();
    c.SectionParams[0] = {12.5f, 0.1f};              // rectangle
    c.SectionParams[1] = {30, 60, 100, 12.5f};       // T
    c.SectionParams[4] = {15.25f, 12.5f};            // hollow circle
    c.SectionParams[9] = {12.5f, 24};                // rectangular joists
    c.SectionParams[2] = {20.5f, 8, 20, 40, 5, 5};   // double T joists
    c.SectionParams[3] = {1.25e7f};                  // circle: a diameter with an exponent
    struct Case {
        int32_t Sec;
        float SlabThickness;  // 0: the member text
        const char* Dot;
        const char* Comma;
    };
    const Case cases[] = {
        {0, 0, "rettangolare 12.5x0.1", "rettangolare 12,5x0,1"},
        {1, 0, "T   bi=30, bs=100, ht=60, hs=12.5", "T   bi=30, bs=100, ht=60, hs=12,5"},
        {4, 0, "circolare cava  De=30.5, Di=25", "circolare cava  De=30,5, Di=25"},
        {3, 0, "circolare D=2.5E+07", "circolare D=2,5E+07"},
        {9, 62.5f, "Travetti ret. 12.5x24  i=63", "Travetti ret. 12,5x24  i=63"},
        {9, 24, "Soletta c.a. Sp.=12.5 cm", "Soletta c.a. Sp.=12,5 cm"},
        {2, 60, "Sp. 35+40 trav. dopp.T=20.5x8  i=60", "Sp. 35+40 trav. dopp.T=20,5x8  i=60"},
    };
    const LanguageFlags italian;
    const ShellOptions plain;
    auto text = [&](const Case& t) {
        return t.SlabThickness == 0 ? GetSectionText(c, t.Sec, italian)
                                    : GetFloorSlabTypeText(c, t.Sec, t.SlabThickness, italian, plain);
    };
    for (const Case& t : cases) EXPECT_EQ(text(t), t.Dot) << t.Sec;

    ItalianNumericLocale comma;
    ASSERT_TRUE(comma.Active()) << "the it_IT.UTF-8 locale is missing: run scripts/setup";
    for (const Case& t : cases) EXPECT_EQ(text(t), t.Comma) << t.Sec;
}

}  // namespace

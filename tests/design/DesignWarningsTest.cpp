// The warning of the bars in excess says, for each section whose upper bars the table cut short,
// where its last upper bar written ends and how much of the section is left without upper bars.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/DesignWarnings.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "tests/design/SectionFixture.h"

namespace {

// Slabs numbered 1, 2, … as the plan labels them "S.1", "S.2", …, each of `points` points with
// top steel at every other one: an upper bar over each of them.
DesignWarnings DesignEveryOtherPoint(const std::vector<float>& spans, SectionFixture& f, size_t points = 21) {
    std::vector<float> everyOther(points, 0);
    for (size_t i = 0; i < everyOther.size(); i += 2) everyOther[i] = 1.0f;
    for (size_t j = 0; j < spans.size(); ++j) {
        f.model.FloorSlabs[j].Number = static_cast<int32_t>(j) + 1;
        f.Diagram(static_cast<int32_t>(j), everyOther);
    }
    return f.Design();
}

std::vector<ShownMessage> Shown(const DesignWarnings& warnings, int32_t language) {
    HeadlessMessageBoxes messages;
    ShowDesignWarnings(warnings, messages, {language, 0});
    return messages.Shown();
}

// Eight slabs of 600: 81 upper records, 71 written. The last written runs from the last point of
// slab 7 over its support to 60 cm into slab 8, at 4230; the bar zone ends at 4813.
TEST(DesignWarnings, AnUpperTableCutShortNamesTheSlabWhereItsBarsEnd) {
    const std::vector<float> spans(8, 600);
    SectionFixture f(spans);
    const DesignWarnings warnings = DesignEveryOtherPoint(spans, f);
    EXPECT_TRUE(warnings.TooManyRebars);
    ASSERT_EQ(f.Upper().size(), static_cast<size_t>(ReinforcementSections::MaxRebars));
    EXPECT_NEAR(f.Upper().back().X2, 4230, BarEndTolerance);
    EXPECT_EQ(warnings.UpperCutShort, (std::vector<UpperBarsCutShort>{{8, 585}}));

    const std::vector<ShownMessage> italian = Shown(warnings, 0);
    ASSERT_EQ(italian.size(), 1u);
    EXPECT_EQ(italian[0].Icon, MsgIcon::Exclamation);
    EXPECT_EQ(italian[0].Text,
              "Una sezione richiede più di 71 ferri superiori o inferiori: i ferri in eccesso non sono stati inseriti.\n"
              "In una sezione i ferri superiori finiscono nel solaio S.8: gli ultimi 585 cm della sezione sono "
              "rimasti senza ferri superiori.");
    const std::vector<ShownMessage> english = Shown(warnings, 1);
    ASSERT_EQ(english.size(), 1u);
    EXPECT_EQ(english[0].Text,
              "A section needs more than 71 upper or lower rebars: the rebars beyond them were not inserted.\n"
              "In one section the upper rebars end in floor slab S.8: the last 585 cm of the section were left "
              "without upper rebars.");
}

// Sections designed in one step: every one cut short is named in the one box of the bars in
// excess; a section whose lower table alone is full adds no line to it.
TEST(DesignWarnings, OneBoxNamesEverySectionCutShort) {
    DesignWarnings step;
    // Also 16 slabs of 250 at 11 points, five bars a slab: the 71st ends 25 cm into slab 15, the
    // bar zone at 4013.
    const std::vector<float> eight(8, 600), sixteen(16, 250);
    SectionFixture longer(eight), shorter(sixteen);
    step.Add(DesignEveryOtherPoint(eight, longer));
    step.Add(DesignEveryOtherPoint(sixteen, shorter, 11));
    // 36 slabs with assembly and main bars: 72 lower records.
    SectionFixture lower(std::vector<float>(36, 100));
    for (int32_t j = 0; j < 36; ++j) lower.UniformDiagram(j, 2, 0, 3.0f);
    const DesignWarnings lowerOnly = lower.Design();
    EXPECT_TRUE(lowerOnly.TooManyRebars);
    EXPECT_TRUE(lowerOnly.UpperCutShort.empty());
    step.Add(lowerOnly);

    const std::vector<ShownMessage> shown = Shown(step, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text,
              "A section needs more than 71 upper or lower rebars: the rebars beyond them were not inserted.\n"
              "In one section the upper rebars end in floor slab S.8: the last 585 cm of the section were left "
              "without upper rebars.\n"
              "In one section the upper rebars end in floor slab S.15: the last 490 cm of the section were left "
              "without upper rebars.");
    // The lower table alone full: the text as it always was.
    EXPECT_EQ(Shown(lowerOnly, 0).at(0).Text,
              "Una sezione richiede più di 71 ferri superiori o inferiori: i ferri in eccesso non sono stati "
              "inseriti.");
}

}  // namespace

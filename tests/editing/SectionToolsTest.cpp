#include "editing/SectionTools.h"

#include <gtest/gtest.h>

#include <cmath>

#include "design/DesignMessages.h"
#include "model/common/Helpers.h"
#include "tests/design/SlabRowDeck.h"
#include "tests/editing/EditorFixture.h"

namespace {

// Three designable slabs in a row, 500 × 400 each, the first two spanning along x and the third
// along y, shown at half a pixel per cm: the model point (x, y) lies at the canvas point
// ((x + 50) / 2, 600 - (y + 200) / 2).
struct SectionDeck : EditorFixture {
    SectionDeck() {
        SlabRowDeck row({0, 0, 90});
        row.Diagram(0, {2.0f, 0, 2.0f}, {0, 3.0f, 0});
        row.Diagram(1, {2.5f, 0, 2.0f}, {0, 3.0f, 0});
        row.Diagram(2, {2.0f, 0, 2.0f}, {0, 1.0f, 0});
        model = row.model;
        shell.Document.SlabDesignState = 1;
        ViewWindow& v = drawing.View;
        v.ViewScale = 0.5f;
        v.ViewXMin = -50, v.ViewXMax = 1550, v.ViewYMin = -200, v.ViewYMax = 1000;
    }
    static std::pair<float, float> At(float x, float y) { return {(x + 50) / 2, 600 - (y + 200) / 2}; }
    void Tool(int32_t mode) {
        editor.InteractionState = mode;
        canvas.ClearRecords();
        host.Texts.clear();
    }
    void DownAt(float x, float y) { Down(LeftButton, At(x, y).first, At(x, y).second); }
    void MoveAt(float x, float y) { Move(LeftButton, At(x, y).first, At(x, y).second); }
    void UpAt(float x, float y) { Up(LeftButton, At(x, y).first, At(x, y).second); }
    void ClickAt(float x, float y) { Click(LeftButton, At(x, y).first, At(x, y).second); }
    // A new section with the mouse: pressed at one point, released at another.
    void NewSection(PlanPoint press, PlanPoint release) {
        Tool(Mode::PickSlabOfNewSection);
        DownAt(press.X, press.Y);
        MoveAt(release.X, release.Y);
        UpAt(release.X, release.Y);
    }

    const ReinforcementSections& Sections() const { return model.Reinforcement; }
    std::array<PlanPoint, 2> Ends(int32_t s) const { return model.Reinforcement.ReinforcementSectionEnds.at(s); }
    const std::vector<ShownMessage>& Shown() const { return messages.Shown(); }
    std::pair<int32_t, std::string> LastText() const {
        return host.Texts.empty() ? std::pair{-1, std::string("none")} : host.Texts.back();
    }
};

TEST(NewSection, PressChoosesTheSlabAndTheReleaseLaysTheSection) {
    SectionDeck d;
    d.Tool(Mode::PickSlabOfNewSection);
    d.DownAt(250, 300);
    EXPECT_EQ(d.mode(), Mode::ReleaseNewSection);
    EXPECT_EQ(d.editor.Sections.TargetSlab, 0);
    EXPECT_EQ((std::array{d.editor.Sections.SpanDirCos, d.editor.Sections.SpanDirSin}), (std::array{1.0, 0.0}));

    // The preview: the temporary layer wiped, one bright white line along the span through the
    // cursor across the whole canvas.
    d.canvas.ClearRecords();
    d.MoveAt(300, 100);
    ASSERT_EQ(d.canvas.Records().size(), 2u);
    EXPECT_EQ(d.canvas.Records()[0].Call, CanvasCall::ClearTemporary);
    const CanvasRecord& line = d.canvas.Records()[1];
    EXPECT_EQ(line.Colour, StandardColour(15));
    EXPECT_FALSE(line.State.AutoRedraw);
    EXPECT_EQ((std::array{line.Y1, line.Y2}), (std::array{450.f, 450.f}));
    EXPECT_LE(line.X1, 0);
    EXPECT_GE(line.X2, 800);

    d.UpAt(300, 100);  // the section goes through the release point, not the press
    ASSERT_EQ(d.Sections().ReinforcementSectionCount, 1);
    EXPECT_NEAR(d.Ends(0)[0].X, -15, 0.01);
    EXPECT_NEAR(d.Ends(0)[0].Y, 100, 0.01);
    EXPECT_NEAR(d.Ends(0)[1].X, 1015, 0.01);
    EXPECT_EQ(d.Sections().SectionSlabCount[0], 2);
    EXPECT_GT(d.Sections().LowerRebarCount[0], 0);
    EXPECT_EQ(d.shell.Document.SlabDesignState, SlabDesignPresent);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.LastText(), (std::pair<int32_t, std::string>{PromptPanel, ""}));
    EXPECT_EQ(d.Redraws(), 1u);
    EXPECT_TRUE(d.Shown().empty());
}

TEST(NewSection, ReleaseOutsideThePressedSlabLaysNothing) {
    for (PlanPoint release : {PlanPoint{750, 200}, PlanPoint{250, 600}}) {
        SectionDeck d;
        d.NewSection({250, 200}, release);
        EXPECT_EQ(d.Sections().ReinforcementSectionCount, 0) << release.X;
        EXPECT_EQ(d.canvas.Records().back().Call, CanvasCall::ClearTemporary);
        EXPECT_EQ(d.Redraws(), 0u);
        EXPECT_EQ(d.mode(), Mode::Idle);
        EXPECT_EQ(d.LastText(), (std::pair<int32_t, std::string>{PromptPanel, ""}));
    }
}

TEST(NewSection, PressOutsideEveryDesignableSlabIsReported) {
    for (int32_t language : {0, 1}) {
        SectionDeck d;
        d.shell.Languages.UiLanguage = language;
        d.Tool(Mode::PickSlabOfNewSection);
        d.ClickAt(250, 600);
        EXPECT_EQ(d.mode(), Mode::Idle);
        ASSERT_EQ(d.Shown().size(), 1u);
        EXPECT_EQ(d.Shown()[0].Title, GetWarningTitle(d.shell.Languages));
        EXPECT_EQ(d.Shown()[0].Text, language == 0
                                         ? "Nella posizione selezionata non sono stati rilevati solai in c.a.!"
                                         : "In the selected position are not detected any floor slabs");
        EXPECT_EQ(d.Shown()[0].Icon, MsgIcon::Exclamation);
        EXPECT_EQ(d.Shown()[0].Buttons, MsgButtons::Ok);
        EXPECT_TRUE(d.host.Texts.empty());  // the prompt stays
    }
}

TEST(NewSection, RowAlreadyDesignedAsksFirst) {
    SectionDeck d;
    d.NewSection({250, 200}, {250, 200});
    ASSERT_EQ(d.Sections().ReinforcementSectionCount, 1);
    d.messages.Script({MsgAnswer::No});
    d.NewSection({750, 300}, {750, 300});
    EXPECT_EQ(d.Sections().ReinforcementSectionCount, 1);
    ASSERT_EQ(d.Shown().size(), 1u);
    EXPECT_EQ(d.Shown()[0].Text, UiText(DesignMessages::AlreadyDesigned, d.shell.Languages));
    EXPECT_EQ(d.mode(), Mode::Idle);

    d.messages.Script({MsgAnswer::Yes});
    d.NewSection({750, 300}, {750, 300});
    ASSERT_EQ(d.Sections().ReinforcementSectionCount, 2);
    EXPECT_NEAR(d.Ends(1)[0].Y, 300, 0.01);
    EXPECT_EQ(d.Redraws(), 1u);
}

TEST(MoveSection, DragWithinTheCrossedSlabsRebuildsIt) {
    SectionDeck d;
    d.NewSection({250, 100}, {250, 100});
    d.NewSection({1250, 200}, {1100, 200});  // the slab spanning along y: a section along y at x 1100
    ASSERT_EQ(d.Sections().ReinforcementSectionCount, 2);
    const ReinforcementSections before = d.Sections();

    // Picked on the line, dragged, released in the second slab it crosses: rebuilt through the
    // release point along the span of the first slab it crosses.
    d.Tool(Mode::PickSectionToMove);
    d.DownAt(400, 105);
    EXPECT_EQ(d.mode(), Mode::DragSection);
    EXPECT_EQ(d.editor.Sections.MovedSection, 0);
    EXPECT_EQ(d.editor.Sections.TargetSlab, 0);
    d.MoveAt(700, 250);
    EXPECT_EQ(d.canvas.Records().back().Colour, StandardColour(15));
    d.UpAt(750, 300);
    ASSERT_EQ(d.Sections().ReinforcementSectionCount, 2);
    EXPECT_NEAR(d.Ends(0)[0].Y, 300, 0.01);
    EXPECT_NEAR(d.Ends(0)[1].Y, 300, 0.01);
    EXPECT_EQ(d.Ends(1), before.ReinforcementSectionEnds[1]);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.LastText(), (std::pair<int32_t, std::string>{PromptPanel, ""}));
    EXPECT_EQ(d.Redraws(), 1u);

    // Released in a designable slab it does not cross: only redrawn. Released outside every slab:
    // only the preview goes.
    const ReinforcementSections moved = d.Sections();
    for (const auto& [release, redraws] : {std::pair{PlanPoint{1250, 100}, 1u}, std::pair{PlanPoint{700, 700}, 0u}}) {
        d.Tool(Mode::PickSectionToMove);
        d.DownAt(400, 300);
        d.MoveAt(release.X, release.Y);
        d.UpAt(release.X, release.Y);
        EXPECT_EQ(d.Sections(), moved) << release.X;
        EXPECT_EQ(d.Redraws(), redraws) << release.X;
        EXPECT_EQ(d.mode(), Mode::Idle);
    }
}

TEST(DeleteSection, ClickRemovesTheSectionUnderIt) {
    SectionDeck d;
    d.NewSection({250, 100}, {250, 100});
    d.NewSection({1250, 200}, {1100, 200});
    const ReinforcementSections before = d.Sections();
    d.Tool(Mode::DeleteSection);
    d.ClickAt(1105, 200);
    ASSERT_EQ(d.Sections().ReinforcementSectionCount, 1);
    EXPECT_EQ(d.Ends(0), before.ReinforcementSectionEnds[0]);
    EXPECT_EQ(d.Redraws(), 1u);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.LastText(), (std::pair<int32_t, std::string>{PromptPanel, ""}));
    EXPECT_TRUE(d.Shown().empty());
}

// No section under the click: the move and the deletion say so (in slightly different English)
// and end; the deletion also empties the prompt.
TEST(SectionTools, ClickOnNoSectionIsReported) {
    const struct {
        int32_t mode;
        const char* english;
        bool promptEmptied;
    } cases[] = {
        {Mode::PickSectionToMove, "In the selected position you are not detected sections!", false},
        {Mode::DeleteSection, "In the selected position are not detected sections!", true},
    };
    for (const auto& c : cases) {
        for (int32_t language : {0, 1}) {
            SectionDeck d;
            d.shell.Languages.UiLanguage = language;
            d.Tool(c.mode);
            d.ClickAt(250, 200);
            EXPECT_EQ(d.mode(), Mode::Idle);
            ASSERT_EQ(d.Shown().size(), 1u);
            EXPECT_EQ(d.Shown()[0].Text,
                      language == 0 ? "Nella posizione selezionata non sono state rilevate sezioni!" : c.english);
            EXPECT_EQ(d.Shown()[0].Icon, MsgIcon::Exclamation);
            EXPECT_EQ(d.host.Texts.empty(), !c.promptEmptied) << c.mode;
            EXPECT_EQ(d.Redraws(), 0u);
        }
    }
}

// A section whose slab list names no slab of the table has no span to move along: it is treated
// as no section at all.
TEST(SectionTools, SectionWithoutASlabOfTheTableIsNotMoved) {
    for (int32_t firstSlab : {-1, 3, 1000}) {
        SectionDeck d;
        d.NewSection({250, 100}, {250, 100});
        d.model.Reinforcement.SectionSlabs[0][0] = firstSlab;
        d.Tool(Mode::PickSectionToMove);
        d.ClickAt(400, 100);
        EXPECT_EQ(d.mode(), Mode::Idle) << firstSlab;
        EXPECT_EQ(d.Shown().size(), 1u);
    }
}

TEST(SectionLinePreview, CrossesTheWholeCanvasAlongTheSpan) {
    const double angle = 30 * 3.14159265358979 / 180;
    for (const auto& [x, y] : {std::pair{2.f, 3.f}, std::pair{400.f, 300.f}, std::pair{790.f, 560.f}}) {
        RecordingCanvas canvas(800, 600);
        DrawSectionLinePreview(canvas, x, y, std::cos(angle), std::sin(angle));
        const auto lines = canvas.RecordsOf(CanvasCall::Line);
        ASSERT_EQ(lines.size(), 1u);
        const CanvasRecord& l = lines[0];
        // Rising to the right on the canvas, whose y runs down.
        EXPECT_LT(l.X1, l.X2);
        EXPECT_GT(l.Y1, l.Y2);
        EXPECT_NEAR((l.Y1 - l.Y2) / (l.X2 - l.X1), std::tan(angle), 1e-4);
        EXPECT_NEAR((l.X1 + l.X2) / 2, x, 1e-3);
        EXPECT_NEAR((l.Y1 + l.Y2) / 2, y, 1e-3);
        // Each half reaches beyond the farthest corner of the canvas.
        const double half = std::hypot(l.X2 - x, l.Y2 - y);
        for (const auto& [cx, cy] : {std::pair{0.f, 0.f}, {800.f, 0.f}, {0.f, 600.f}, {800.f, 600.f}})
            EXPECT_GE(half, std::hypot(cx - x, cy - y));
    }
}

}  // namespace

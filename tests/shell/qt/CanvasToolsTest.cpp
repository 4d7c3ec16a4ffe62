// The canvas tools in the main window on the demo deck, driven with real mouse events from the
// commands of the bars: a chain of dimensions below the deck, the section of the upper left slab
// lit, deleted and laid again elsewhere, a floor slab lit, the deck saved and loaded again. Each
// step is saved as a picture of the canvas in the build tree, to look at.
#include <QLabel>
#include <QTest>

#include <filesystem>

#include "editing/InteractionModes.h"
#include "model/files/SaveCrpFile.h"
#include "tests/shell/qt/CanvasEvents.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

class CanvasToolsTest : public MainWindowTest {
protected:
    void SetUp() override {
        form_ = Start(DemoDeck());
        form_->resize(1000, 760);
        QApplication::processEvents();
        // The whole deck with room below it for the new dimensions, drawn at the window's size.
        form_->CommandBars_Execute(108);
        form_->CommandBars_Execute(107);
    }

    Session& session() { return form_->session(); }
    int32_t mode() { return session().editor.InteractionState; }
    QPoint At(float modelX, float modelY) { return CanvasPointOf(session(), modelX, modelY); }
    void MoveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton) { SendMouseMove(*form_->canvasWidget(), at, held); }
    // The cursor brought over the point, then a click there, as the user does it.
    void ClickAt(float modelX, float modelY) {
        MoveTo(At(modelX, modelY));
        QTest::mouseClick(form_->canvasWidget(), Qt::LeftButton, Qt::NoModifier, At(modelX, modelY));
    }
    void Save(const char* name) { form_->canvasWidget()->SaveImage(QString(DRAVO_TEST_OUTPUT) + "/" + name); }
    std::string Prompt() const { return form_->promptText().toStdString(); }

    std::unique_ptr<MainWindow> form_;
};

// The line ends and measured points of a dimension, to a hundredth of a centimetre, and its text.
void ExpectNear(const Dimension& d, std::array<float, 8> line, const std::string& text) {
    const std::array<float, 8> got{d.LineX1, d.LineY1, d.LineX2, d.LineY2,
                                   d.MeasuredX1, d.MeasuredY1, d.MeasuredX2, d.MeasuredY2};
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], line[i], 0.01) << text << " value " << i;
    EXPECT_EQ(d.Text, text);
}

// Two tables of bars alike to the hundredth of a centimetre, as the data file keeps them.
template <class Bar>
void ExpectSameBars(const Bar& a, const Bar& b) {
    EXPECT_EQ(a.Diameter, b.Diameter);
    EXPECT_EQ(a.BarCount, b.BarCount);
    EXPECT_EQ(a.HookFlags, b.HookFlags);
    for (auto [p, q] : {std::pair{a.X1, b.X1}, {a.Y1, b.Y1}, {a.X2, b.X2}, {a.Y2, b.Y2}}) EXPECT_NEAR(p, q, 0.006);
}

TEST_F(CanvasToolsTest, DimensionChainAndSectionSavedAndLoadedAgain) {
    QtCanvas* canvas = form_->canvasWidget();
    const int32_t dimensionsBefore = session().model.DimensionCount;
    Save("canvas-tools-0-start.png");

    // A horizontal dimension from the pillar at (0, 0) to the one at (500, 0), its line 120 below.
    form_->CommandBars_Execute(111);
    ASSERT_EQ(mode(), Mode::HorizontalFirstPoint);
    ClickAt(0, 0);
    ASSERT_EQ(mode(), Mode::HorizontalSecondPoint);
    ClickAt(500, 0);
    ASSERT_EQ(mode(), Mode::HorizontalLine);
    MoveTo(At(250, -120));
    Save("canvas-tools-1-dimension-preview.png");
    ClickAt(250, -120);
    EXPECT_EQ(mode(), Mode::Idle);
    ASSERT_EQ(session().model.DimensionCount, dimensionsBefore + 1);

    // Continued from it to the pillar at (1000, 0); a right click asks for a new base.
    form_->CommandBars_Execute(115);
    ASSERT_EQ(mode(), Mode::ContinuedBase);
    EXPECT_EQ(Prompt(), "Seleziona la quota base a cui agganciarsi");
    ClickAt(400, -120);
    ASSERT_EQ(mode(), Mode::ContinuedPoint);
    EXPECT_EQ(Prompt(), "Premi il pulsante destro per terminare l'inserimento");
    ClickAt(1000, 0);
    ASSERT_EQ(session().model.DimensionCount, dimensionsBefore + 2);
    Save("canvas-tools-2-chain.png");
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, At(700, -300));
    EXPECT_EQ(mode(), Mode::ContinuedBase);
    // The line lies where the click was, to a pixel; the chain carries on along it.
    const std::vector<Dimension> dimensions = session().model.Dimensions;
    const float lineY = dimensions[dimensionsBefore].LineY1;
    EXPECT_NEAR(lineY, -120, 1 / session().drawing.View.ViewScale);
    ExpectNear(dimensions[dimensionsBefore], {0, lineY, 500, lineY, 0, 0, 500, 0}, "500");
    ExpectNear(dimensions[dimensionsBefore + 1], {500, lineY, 1000, lineY, 500, 0, 1000, 0}, "500");

    // The section across the upper left slab (along y at x 250) lit under the cursor and deleted.
    form_->CommandBars_Execute(123);
    ASSERT_EQ(mode(), Mode::DeleteSection);
    MoveTo(At(250, 800));
    EXPECT_EQ(session().editor.Hover.LastHighlightedIndex, 1);
    Save("canvas-tools-3-section-lit.png");
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, At(250, 800));
    ASSERT_EQ(session().model.Reinforcement.ReinforcementSectionCount, 1);
    EXPECT_EQ(mode(), Mode::Idle);

    // A new section there: pressed in the slab, previewed along its span, released at x 380.
    form_->CommandBars_Execute(121);
    ASSERT_EQ(mode(), Mode::PickSlabOfNewSection);
    EXPECT_EQ(Prompt(), "Seleziona il solaio da progettare");
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, At(150, 700));
    ASSERT_EQ(mode(), Mode::ReleaseNewSection);
    MoveTo(At(300, 760), Qt::LeftButton);
    MoveTo(At(380, 760), Qt::LeftButton);
    Save("canvas-tools-4-section-preview.png");
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, At(380, 760));
    EXPECT_EQ(mode(), Mode::Idle);
    EXPECT_EQ(Prompt(), "");
    const ReinforcementSections sections = session().model.Reinforcement;
    ASSERT_EQ(sections.ReinforcementSectionCount, 2);
    EXPECT_NEAR(sections.ReinforcementSectionEnds[1][0].X, 380, 1 / session().drawing.View.ViewScale);
    EXPECT_EQ(sections.SectionSlabs[1][0], 2);
    EXPECT_GT(sections.LowerRebarCount[1], 0);
    EXPECT_GT(sections.UpperRebarCount[1], 0);
    Save("canvas-tools-5-done.png");
    EXPECT_TRUE(boxes_.empty());

    // The floor slab under the cursor lit for the perimeter editing, in a light red cross hatch.
    form_->CommandBars_Execute(127);
    ASSERT_EQ(mode(), Mode::FloorSlabPerimeter);
    const int lightRedBefore = CountColour(canvas->Image(), StandardColour(12));
    MoveTo(At(750, 250));
    EXPECT_EQ(session().editor.Hover.LastHighlightedIndex, 1);
    EXPECT_GT(CountColour(canvas->Image(), StandardColour(12)), lightRedBefore + 2000);
    Save("canvas-tools-6-slab-lit.png");

    // Saved and loaded again: the same dimensions and bars.
    ScratchFolder folder("canvas-tools");
    std::filesystem::copy_file(std::string(DRAVO_EXAMPLES) + "/frame/ARCHIMPA.AI0", folder / "ARCHIMPA.AI0");
    ASSERT_TRUE(SaveCrpFile(folder / "DEMO.CRP", session(), form_->platform()));
    DeckSession reloaded;
    ASSERT_TRUE(reloaded.Load(folder / "DEMO.CRP"));
    ASSERT_EQ(reloaded.model.DimensionCount, dimensionsBefore + 2);
    for (int32_t i = 0; i < reloaded.model.DimensionCount; ++i) {
        const Dimension& d = dimensions[static_cast<size_t>(i)];
        ExpectNear(reloaded.model.Dimensions[static_cast<size_t>(i)],
                   {d.LineX1, d.LineY1, d.LineX2, d.LineY2, d.MeasuredX1, d.MeasuredY1, d.MeasuredX2, d.MeasuredY2},
                   d.Text);
    }
    const ReinforcementSections& r = reloaded.model.Reinforcement;
    ASSERT_EQ(r.ReinforcementSectionCount, 2);
    for (size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(r.SectionSlabCount[s], sections.SectionSlabCount[s]);
        EXPECT_EQ(r.SectionSlabs[s], sections.SectionSlabs[s]);
        ASSERT_EQ(r.UpperRebarCount[s], sections.UpperRebarCount[s]);
        ASSERT_EQ(r.LowerRebarCount[s], sections.LowerRebarCount[s]);
        for (int32_t k = 0; k < r.UpperRebarCount[s]; ++k)
            ExpectSameBars(r.UpperRebars[s][static_cast<size_t>(k)], sections.UpperRebars[s][static_cast<size_t>(k)]);
        for (int32_t k = 0; k < r.LowerRebarCount[s]; ++k) {
            ExpectSameBars(r.LowerRebars[s][static_cast<size_t>(k)], sections.LowerRebars[s][static_cast<size_t>(k)]);
            EXPECT_EQ(r.LowerRebars[s][static_cast<size_t>(k)].Kind, sections.LowerRebars[s][static_cast<size_t>(k)].Kind);
        }
    }
    EXPECT_EQ(reloaded.SavedText(), FileText(folder / "DEMO.CRP"));
}

}  // namespace

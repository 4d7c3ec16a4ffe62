// Section, slab-type and footing-type numbers as a data file may give them, down to the integer
// limits: a deck whose beams, pillars, floor slab and footing carry one loads, derives its plan,
// draws, snaps, writes its concrete slab's input file and exports. Whatever its size, a number
// the catalogue does not hold names a section (or type) it does not hold; 1 is the control that
// the catalogue holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "design/SlabInputFile.h"
#include "drawing/LayerDefaults.h"
#include "drawing/PlanDriver.h"
#include "dxf/export/DxfExport.h"
#include "editing/ObjectSnap.h"
#include "model/geometry/ViewTransforms.h"
#include "tests/support/DeckSession.h"

namespace {

constexpr int32_t Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Max = std::numeric_limits<int32_t>::max();

// The deck's first beam, first pillar (standing alone in the concrete slab), floor slab (section
// and slab type) and first node's footing carry the number; the other members are in range.
struct LimitCase {
    const char* deck;  // in decks/section-limits
    int32_t number;
    bool held;
};
const LimitCase Cases[] = {
    {"MINIMO", Min, false}, {"MASSIMO", Max, false}, {"ZERO", 0, false}, {"MENOUNO", -1, false}, {"UNO", 1, true},
};

std::string LimitDeck(const std::string& name) { return DeckFixture("section-limits/" + name + ".CRP"); }

// A first start's defaults with the beam section sizes on, the view showing the deck at 1 pixel
// per cm with the model origin 200 pixels in from the canvas's bottom left.
struct LimitSession : DeckSession {
    LimitSession() {
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        dxf.BeamSectionLabels = 1;
        canvas.SetSize(1400, 800);
        ViewWindow& v = drawing.View;
        v.CanvasWidthPx = 1400, v.CanvasHeightPx = 800;
        v.ViewXMin = -200, v.ViewXMax = 1200, v.ViewYMin = -200, v.ViewYMax = 600;
        v.ViewScale = 1;
    }

    // Off the canvas too: the legend lies below the view.
    std::vector<std::string> DrawnTexts() {
        canvas.ClearRecords();
        DrawPlanOnCanvas(*this, canvas, OffCanvasPrimitives::Drawn);
        std::vector<std::string> texts;
        for (const CanvasRecord& r : canvas.RecordsOf(CanvasCall::Text)) texts.push_back(r.Text);
        return texts;
    }
    bool Snaps(float x, float y) const {
        return FindSnapPoint(*this, WorldToScreenX(drawing.View, x), WorldToScreenY(drawing.View, y)).has_value();
    }
};

bool Has(const std::vector<std::string>& texts, const std::string& prefix) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.starts_with(prefix); });
}

// The numbers of the members that carry the case's number.
std::vector<int32_t> CarriedNumbers(const Model& m) {
    return {m.BeamElements[0].SectionNumber, m.Pillars[0].SectionNumber, m.FloorSlabs[0].SectionNumber,
            m.FloorSlabs[0].SlabTypeNumber, m.Nodes[0].FootingType};
}

// The derived plan: plan points, beam face lines and floor-slab outlines.
void ExpectSamePlan(const Model& a, const Model& b, bool same) {
    const bool equal = a.PlanNodeCount == b.PlanNodeCount && a.PlanNodes == b.PlanNodes &&
                       a.BeamExtradosEdges == b.BeamExtradosEdges && a.BeamIntradosEdges == b.BeamIntradosEdges &&
                       a.FloorSlabOutline == b.FloorSlabOutline;
    EXPECT_EQ(equal, same);
}

}  // namespace

TEST(SectionLimits, NumbersAreKeptAsReadAndABeamOfASectionNotHeldHasNoWidth) {
    LimitSession zero;
    ASSERT_TRUE(zero.Load(LimitDeck("ZERO"))) << zero.Messages();
    for (const LimitCase& c : Cases) {
        SCOPED_TRACE(c.deck);
        LimitSession deck;
        ASSERT_TRUE(deck.Load(LimitDeck(c.deck))) << deck.Messages();
        EXPECT_EQ(deck.messages.Shown().size(), 0u) << deck.Messages();
        const std::vector<int32_t> numbers(5, c.number);
        EXPECT_EQ(CarriedNumbers(deck.model), numbers);

        DeckSession again;
        ASSERT_TRUE(again.LoadText(LimitDeck(c.deck), deck.SavedText())) << again.Messages();
        EXPECT_EQ(CarriedNumbers(again.model), numbers) << "saved and read again";

        ExpectSamePlan(deck.model, zero.model, !c.held);
    }
}

TEST(SectionLimits, DrawingSnapAndSlabHandOffLeaveOutWhatTheCatalogueDoesNotHold) {
    LimitSession zero;
    ASSERT_TRUE(zero.Load(LimitDeck("ZERO"))) << zero.Messages();
    const std::optional<SlabInputFile> zeroInput = FormatSlabInputFile(zero.model, 0);
    ASSERT_TRUE(zeroInput.has_value());
    const Node& pillarNode = zero.model.Nodes[4];
    const FootingSnapPoints footing =
        FootingSnapPointsOf(zero.model.Catalogue.FootingTypes[0], zero.model.Nodes[0].X, zero.model.Nodes[0].Y);
    ASSERT_GT(footing.Count, 0);

    for (const LimitCase& c : Cases) {
        SCOPED_TRACE(c.deck);
        LimitSession deck;
        ASSERT_TRUE(deck.Load(LimitDeck(c.deck))) << deck.Messages();

        const std::vector<std::string> texts = deck.DrawnTexts();
        EXPECT_TRUE(Has(texts, "P.2"));
        EXPECT_EQ(Has(texts, "P.1"), c.held) << "a pillar of a section not held is not drawn";
        EXPECT_EQ(Has(texts, "Sezione non definita"), !c.held) << "the floor slab's row of the legend";
        EXPECT_EQ(Has(texts, "Tr.1 "), c.held) << "the sizes of the beam's section";

        EXPECT_EQ(deck.Snaps(pillarNode.X, pillarNode.Y), c.held);
        EXPECT_EQ(deck.Snaps(footing.X[0], footing.Y[0]), c.held);

        const std::optional<SlabInputFile> input = FormatSlabInputFile(deck.model, 0);
        ASSERT_TRUE(input.has_value());
        EXPECT_EQ(input->Text == zeroInput->Text, !c.held) << "the lone pillar's record";
    }
}

TEST(SectionLimits, ExportInBothDialectsListsTheFloorSlabsSectionNotHeldAsUndefined) {
    std::filesystem::create_directories(DRAVO_DXF_OUT);
    for (const LimitCase& c : Cases) {
        for (int32_t r12 : {0, 1}) {
            const std::string name = std::string("section-limits-") + c.deck + (r12 ? "-r12" : "-2000");
            SCOPED_TRACE(name);
            LimitSession deck;
            DxfOptions options = deck.dxf;
            options.DxfR12 = r12;
            options.TakeoffTextFile = 1;
            const std::string path = std::string(DRAVO_DXF_OUT) + "/" + name + ".dxf";
            const DxfExportResult result = NewSalvaDXF(deck, deck.platform, {LimitDeck(c.deck)}, path, options);
            ASSERT_EQ(result.Outcome, DxfExportOutcome::Written) << result.Message;
            EXPECT_EQ(result.DecksDrawn, 1);
            EXPECT_EQ(FileText(result.TakeoffTextPath).find("Sezione non definita") != std::string::npos, !c.held);
        }
    }
}

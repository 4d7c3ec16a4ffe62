// The demo deck's slabs, wall and pillars painted by the Qt canvas: what a person sees of the fill
// modes, checked pixel by pixel; the pictures are saved in the build tree.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <string>

#include "drawing/LayerDefaults.h"
#include "drawing/PlanDriver.h"
#include "platform/qt/QtCanvas.h"
#include "tests/drawing/qt/ImagePixels.h"
#include "shell/HeadlessDeck.h"

namespace {

constexpr int32_t WallFill = 22, PillarFill = 21, ConcreteSlabFill = 23, FootingLayer = 6;

// The demo deck (a two-by-two frame: floor slabs, a concrete slab with an opening from (800, 580)
// to (920, 680), a wall along x = 0 from y 0 to 500, 30 × 30 concrete pillars on a 500 cm grid),
// drawn at one pixel per centimetre with the model origin 100 pixels in from the bottom-left
// corner. The footings, whose outlines surround the pillars, are left out of these pictures.
class DemoDeckOnQtCanvas : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultScreenColors(deck.drawing);
        SetDefaultLayersAndOptions(deck.drawing, deck.shell.Options, deck.design, deck.dxf);
        ASSERT_TRUE(deck.Load(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"));
        deck.drawing.LayerScreenOn[FootingLayer] = 0;
    }

    QImage Render(const char* name) {
        QtCanvas canvas;
        canvas.resize(1200, 1200);
        ViewWindow& view = deck.drawing.View;
        view.ViewScale = 1;
        view.ViewXMin = -100, view.ViewYMin = -100;
        view.CanvasWidthPx = view.CanvasHeightPx = 1200;
        DrawPlanOnCanvas(deck, canvas);
        EXPECT_TRUE(canvas.SaveImage(QString(DRAVO_TEST_OUTPUT) + "/" + name));
        return canvas.Image();
    }

    // The pixel of a model point.
    static int Px(float x) { return int(x + 100); }
    static int Py(float y) { return int(1100 - y); }

    ColourRef Colour(int32_t layer) const { return deck.drawing.LayerScreenColours[static_cast<size_t>(layer)]; }

    // Pixels of `colour` in the model box [x0, x1) × [y0, y1), and the pixels of the box.
    static std::pair<int, int> CountOf(const QImage& image, ColourRef colour, float x0, float y0, float x1, float y1) {
        int hits = 0, all = 0;
        for (int y = Py(y1) + 1; y <= Py(y0); ++y)
            for (int x = Px(x0); x < Px(x1); ++x, ++all)
                if (At(image, x, y) == colour) ++hits;
        return {hits, all};
    }

    HeadlessDeck deck;
};

TEST_F(DemoDeckOnQtCanvas, SolidSlabWithItsOpeningAHatchedWallAndFilledPillars) {
    deck.drawing.Display.ConcreteSlabDisplayMode = 0;
    deck.drawing.Display.PillarDisplayMode = 0;
    deck.drawing.Display.WallDisplayMode = 1;
    const QImage image = Render("demo-solid.png");
    const ColourRef background = 0;

    EXPECT_EQ(At(image, Px(600), Py(600)), Colour(ConcreteSlabFill)) << "inside the slab, clear of its label";
    EXPECT_EQ(At(image, Px(860), Py(630)), background) << "the opening";
    const auto [slabInk, slabBox] = CountOf(image, Colour(ConcreteSlabFill), 560, 560, 640, 640);
    EXPECT_EQ(slabInk, slabBox) << "solid all over";

    const auto [wallInk, wallBox] = CountOf(image, Colour(WallFill), -10, 40, 10, 180);
    const auto [wallDark, unused] = CountOf(image, background, -10, 40, 10, 180);
    EXPECT_GT(wallInk, wallBox / 10) << "hatch lines in the wall";
    EXPECT_GT(wallDark, wallBox / 10) << "with the background between them";

    // The quarter of a pillar that the member axes do not cross.
    EXPECT_EQ(At(image, Px(507), Py(-7)), Colour(PillarFill)) << "a pillar filled";
    const auto [pillarInk, pillarBox] = CountOf(image, Colour(PillarFill), 502, -12, 512, -2);
    EXPECT_EQ(pillarInk, pillarBox);
}

TEST_F(DemoDeckOnQtCanvas, HatchedSlabLeavesItsOpeningFree) {
    deck.drawing.Display.ConcreteSlabDisplayMode = 1;
    deck.drawing.Display.PillarDisplayMode = 1;
    const QImage image = Render("demo-hatched.png");
    const auto [slabInk, slabBox] = CountOf(image, Colour(ConcreteSlabFill), 560, 560, 640, 640);
    EXPECT_GT(slabInk, slabBox / 20) << "hatch lines in the slab";
    EXPECT_LT(slabInk, slabBox / 2);
    const auto [holeInk, holeBox] = CountOf(image, Colour(ConcreteSlabFill), 805, 585, 915, 675);
    EXPECT_EQ(holeInk, 0) << "none in the opening (of " << holeBox << " pixels)";
    const auto [pillarInk, pillarBox] = CountOf(image, Colour(PillarFill), 502, -12, 512, -2);
    EXPECT_GT(pillarInk, 0) << "a pillar hatched";
    EXPECT_LT(pillarInk, pillarBox);
}

}  // namespace

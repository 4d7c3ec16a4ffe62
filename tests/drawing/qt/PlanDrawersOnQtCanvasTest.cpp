// The demo decks' footings, floor-slab rebars, masonry walls and lintels, tables, legend and section
// lists painted by the Qt canvas in both drawing languages: what a person sees, checked pixel by
// pixel; the pictures are saved in the build tree.
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

constexpr int32_t WallLayer = 4, FootingLayer = 6, LintelLayer = 7, RebarLayer = 10, ListLayer = 14,
                  WallTextLayer = 15, LintelTextLayer = 17, BarTextLayer = 19;

// A deck drawn at one pixel per centimetre, the model point (ViewXMin, ViewYMin) at the bottom-left
// pixel. The layers checked here get colours of their own, so that their ink tells them apart.
class PlanOnQtCanvas : public ::testing::Test {
protected:
    void Load(const std::string& deckPath, float yMin, int height) {
        SetDefaultScreenColors(deck.drawing);
        SetDefaultLayersAndOptions(deck.drawing, deck.shell.Options, deck.design, deck.dxf);
        ASSERT_TRUE(deck.Load(std::string(DRAVO_EXAMPLES) + "/" + deckPath));
        const std::pair<int32_t, ColourRef> own[] = {
            {FootingLayer, PackRgb(255, 200, 0)}, {LintelLayer, PackRgb(200, 255, 100)},
            {ListLayer, PackRgb(100, 200, 255)},   {WallTextLayer, PackRgb(255, 100, 200)},
            {LintelTextLayer, PackRgb(200, 100, 255)}, {BarTextLayer, PackRgb(255, 160, 80)}};
        for (const auto& [layer, colour] : own) deck.drawing.LayerScreenColours[static_cast<size_t>(layer)] = colour;
        ViewWindow& view = deck.drawing.View;
        view.ViewScale = 1;
        view.ViewXMin = XMin, view.ViewYMin = yMin;
        view.CanvasWidthPx = Width, view.CanvasHeightPx = static_cast<float>(height);
    }

    QImage Render(const std::string& name, int32_t language) {
        deck.shell.Languages.DrawingLanguage = language;
        QtCanvas canvas;
        canvas.resize(Width, static_cast<int>(deck.drawing.View.CanvasHeightPx));
        DrawPlanOnCanvas(deck, canvas);
        EXPECT_TRUE(canvas.SaveImage(QString(DRAVO_TEST_OUTPUT) + "/" + QString::fromStdString(name)));
        return canvas.Image();
    }

    int Px(float x) const { return int(x - deck.drawing.View.ViewXMin); }
    int Py(float y) const { return int(deck.drawing.View.CanvasHeightPx - (y - deck.drawing.View.ViewYMin)); }
    ColourRef Colour(int32_t layer) const { return deck.drawing.LayerScreenColours[static_cast<size_t>(layer)]; }

    // Pixels of the layer's colour in the model box [x0, x1) × [y0, y1).
    int Ink(const QImage& image, int32_t layer, float x0, float y0, float x1, float y1) const {
        int hits = 0;
        for (int y = Py(y1) + 1; y <= Py(y0); ++y)
            for (int x = Px(x0); x < Px(x1); ++x)
                if (At(image, x, y) == Colour(layer)) ++hits;
        return hits;
    }
    // Whether the point or one of its eight neighbours shows the layer's colour.
    bool Near(const QImage& image, int32_t layer, float x, float y) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (At(image, Px(x) + dx, Py(y) + dy) == Colour(layer)) return true;
        return false;
    }

    static constexpr float XMin = -200;
    static constexpr int Width = 1500;
    HeadlessDeck deck;
};

// The frame demo deck: footings of eight shapes under the grid nodes, designed floor-slab rebars;
// below it the title, the legend, the section lists and the floor-slab table.
TEST_F(PlanOnQtCanvas, FrameDeckFootingsRebarsLegendAndListsInBothLanguages) {
    Load("frame/DEMO.CRP", -800, 2000);
    for (int32_t language : {0, 1}) {
        const QImage image = Render(language == 0 ? "plan-frame-it.png" : "plan-frame-en.png", language);
        const std::string in = language == 0 ? "Italian" : "English";

        // The square pile cap about node 3 (1000, 0), 50 cm from its pile, and the four-pile cap
        // about node 7 (0, 1000), 100 cm from the node.
        EXPECT_TRUE(Near(image, FootingLayer, 1050, -30)) << in;
        EXPECT_TRUE(Near(image, FootingLayer, -100, 950)) << in;
        EXPECT_FALSE(Near(image, FootingLayer, 1070, -30)) << in << ": outside the cap";

        // A lower and an upper bar of the first design section, clear of their labels and of the
        // wall drawn over their ends, and the labels above their middles.
        const ReinforcementSections& r = deck.model.Reinforcement;
        ASSERT_GT(r.LowerRebarCount[0], 0);
        ASSERT_GT(r.UpperRebarCount[0], 0);
        for (const auto& [x1, y1, x2, y2] : {std::array<float, 4>{r.LowerRebars[0][0].X1, r.LowerRebars[0][0].Y1,
                                                                  r.LowerRebars[0][0].X2, r.LowerRebars[0][0].Y2},
                                             std::array<float, 4>{r.UpperRebars[0][0].X1, r.UpperRebars[0][0].Y1,
                                                                  r.UpperRebars[0][0].X2, r.UpperRebars[0][0].Y2}}) {
            EXPECT_TRUE(Near(image, RebarLayer, x1 + 0.6f * (x2 - x1), y1 + 0.6f * (y2 - y1)))
                << in << ": the bar from (" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")";
            const float mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
            EXPECT_GT(Ink(image, BarTextLayer, mx - 40, my, mx + 40, my + 25), 20) << in << ": a rebar label";
        }

        // Six legend lines from 232 cm below the deck, 22 cm apart; the Italian caption is the
        // longer one ("Significato delle sigle:" against "Symbols caption:").
        for (int line = 0; line < 6; ++line) {
            const float top = -232 - 22.0f * static_cast<float>(line);
            EXPECT_GT(Ink(image, ListLayer, 0, top - 22, 120, top), 20) << in << ", legend line " << line + 1;
        }
        const int captionTail = Ink(image, ListLayer, 120, -254, 140, -232);
        if (language == 0) {
            EXPECT_GT(captionTail, 10);
        } else {
            EXPECT_EQ(captionTail, 0);
        }

        // The pillar list's title 42 cm under the legend, then the lists and the floor-slab table,
        // whose areas end at 430 cm.
        EXPECT_GT(Ink(image, ListLayer, 0, -406, 150, -384), 20) << in << ": the pillar list title";
        EXPECT_GT(Ink(image, ListLayer, 380, -760, 430, -500), 40) << in << ": the slab areas";
        EXPECT_EQ(Ink(image, ListLayer, 432, -760, 600, -500), 0) << in << ": right-aligned at 430";
    }
}

// The masonry demo deck: seven reinforced-masonry walls and two bands, their texts, and the wall
// and band tables under the title; every masonry text is Italian, whatever the drawing language.
TEST_F(PlanOnQtCanvas, MasonryDeckWallsLintelsTextsAndTablesTheSameInBothLanguages) {
    Load("masonry/CASA.CRP", -600, 1500);
    const QImage italian = Render("plan-masonry-it.png", 0);
    const QImage english = Render("plan-masonry-en.png", 1);
    EXPECT_TRUE(italian == english);

    // Wall 1 along y = 0 from node 1 to the band at 300 cm; band 1 from 300 to 420 cm.
    EXPECT_TRUE(Near(italian, WallLayer, 150, -15));
    EXPECT_TRUE(Near(italian, WallLayer, 150, 15));
    EXPECT_TRUE(Near(italian, LintelLayer, 360, -15));
    EXPECT_GT(Ink(italian, WallTextLayer, 90, -45, 195, -20), 20) << "Par. 1, 32 cm outside its bar line";
    EXPECT_GT(Ink(italian, WallTextLayer, 70, -60, 215, -35), 20) << "its bar count 46 cm outside";
    EXPECT_GT(Ink(italian, LintelTextLayer, 350, -45, 370, -20), 5) << "the band's number";

    // The wall table's rows at 286 cm and down, 20 cm apart; the band table's from 500 cm across.
    for (int row = 0; row < 7; ++row) {
        const float top = -286 - 20.0f * static_cast<float>(row);
        EXPECT_GT(Ink(italian, ListLayer, 0, top - 20, 400, top), 30) << "wall row " << row + 1;
    }
    EXPECT_GT(Ink(italian, ListLayer, 500, -306, 900, -286), 30) << "band row 1";
    EXPECT_GT(Ink(italian, ListLayer, 500, -326, 900, -306), 30) << "band row 2";
    EXPECT_EQ(Ink(italian, ListLayer, 500, -366, 900, -326), 0) << "no third band";
    EXPECT_EQ(Ink(italian, ListLayer, 0, -200, 1200, -140), 0) << "no legend of abbreviations";
}

// The same deck as a block-system plan: a symbol and a labelled leader at the end bars.
TEST_F(PlanOnQtCanvas, BlockSystemWallsShowTheirEndBars) {
    Load("masonry/CASA.CRP", -600, 1500);
    deck.model.MasonryIsIsotex = 1;
    const QImage image = Render("plan-masonry-blocks.png", 0);
    // Wall 1 is joined at node 1 (0, 0): its end bar stands on the node, labelled up and right.
    EXPECT_TRUE(Near(image, FootingLayer, 1, 0)) << "the bar's cross";
    EXPECT_GT(Ink(image, BarTextLayer, 30, 35, 90, 65), 20) << "2" "\xC3\x98" "12 beside it";
    EXPECT_GT(Ink(image, WallTextLayer, 70, 10, 215, 35), 20) << "the intermediate bars 22 cm inside";
}

}  // namespace

// The colour picker driven with the mouse over its grid and with its buttons; what it shows is
// saved as pictures in the build tree, to look at.
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "dxf/export/AciPalette.h"
#include "dxf/forms/ColourPicker.h"

namespace {

const AciSwatch& SwatchOf(int32_t aci) { return AciSwatches()[AciSwatchOf(AciSwatches(), aci)]; }
QPoint Centre(int32_t aci) {
    const AciSwatch& s = SwatchOf(aci);
    return QPoint((s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
}
QColor Rgb(int32_t aci) {
    const ColourRef c = AciToColor(aci);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
QColor PreviewColour(const QFrame* preview) { return preview->palette().color(QPalette::Window); }

// The grid as painted, read in grid pixels whatever the screen's scale.
struct GridPixels {
    explicit GridPixels(QWidget* picture) : image(picture->grab().toImage()) {}
    QColor At(int x, int y) const {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(QPoint(qRound(x * ratio), qRound(y * ratio)));
    }
    // Left side of the frame around the swatch of `aci`.
    QColor FrameOf(int32_t aci) const {
        const AciSwatch& s = SwatchOf(aci);
        return At(s.Left - 2, (s.Top + s.Bottom) / 2);
    }
    QImage image;
};

void Show(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// After the layout has caught up with the labels' new texts.
void Save(QWidget& widget, const char* name) {
    QApplication::processEvents();
    widget.grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + name);
}

void ExpectChoice(const ColourPicker& picker, const char* label, const char* r, const char* g,
                  const char* b) {
    EXPECT_EQ(picker.chosenAciLabel->text(), label);
    EXPECT_EQ(picker.rgbLabels[0]->text(), r);
    EXPECT_EQ(picker.rgbLabels[1]->text(), g);
    EXPECT_EQ(picker.rgbLabels[2]->text(), b);
}

TEST(ColourPickerTest, OpensOnWhiteForNoColourAndAnnullaReturnsIt) {
    int32_t picked = 0;
    ColourPicker picker(picked);
    Show(picker);
    EXPECT_EQ(picker.windowTitle(), "Selettore colore");
    EXPECT_EQ(picker.gridGroup->title(), " CAD Color Index: ");
    EXPECT_EQ(picker.InitialAci(), 7);
    EXPECT_EQ(picker.CurrentAci(), 7);
    EXPECT_EQ(picker.CurrentSwatch(), AciSwatchOf(AciSwatches(), 7));
    EXPECT_EQ(picker.HoverSwatch(), -1);
    EXPECT_EQ(picker.pointedAciLabel->text(), "7");
    ExpectChoice(picker, "id colore =  7", "R = 255", "G = 255", "B = 255");
    EXPECT_EQ(PreviewColour(picker.colourPreviews[0]), QColor(255, 255, 255));
    EXPECT_EQ(PreviewColour(picker.colourPreviews[1]), QColor(255, 255, 255));
    EXPECT_EQ(GridPixels(picker.grid).FrameOf(7), QColor(255, 0, 0));

    QTest::mouseClick(picker.okCancelButtons[1], Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    EXPECT_EQ(picked, 7);
}

TEST(ColourPickerTest, AnnullaAfterAChoiceReturnsTheNumberItOpenedOn) {
    int32_t picked = 30;
    ColourPicker picker(picked);
    Show(picker);
    QTest::mouseClick(picker.grid, Qt::LeftButton, Qt::NoModifier, Centre(171));
    EXPECT_EQ(picker.CurrentAci(), 171);
    picker.ButtonClicked(1);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    EXPECT_EQ(picked, 30);
}

TEST(ColourPickerTest, ClosingWithoutButtonsLeavesTheCallersNumber) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "close box");
        int32_t picked = 0;
        ColourPicker picker(picked);
        Show(picker);
        QTest::mouseClick(picker.grid, Qt::LeftButton, Qt::NoModifier, Centre(171));
        if (escape)
            QTest::keyClick(&picker, Qt::Key_Escape);
        else
            picker.close();
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.result(), QDialog::Rejected);
        EXPECT_EQ(picked, 0);
    }
}

TEST(ColourPickerTest, AClickedSwatchBecomesTheChoiceAndOkReturnsIt) {
    int32_t picked = 1;
    ColourPicker picker(picked);
    Show(picker);
    QTest::mouseMove(picker.grid, Centre(171));
    QTest::mouseClick(picker.grid, Qt::LeftButton, Qt::NoModifier, Centre(171));
    EXPECT_EQ(picker.CurrentAci(), 171);
    EXPECT_EQ(picker.CurrentSwatch(), AciSwatchOf(AciSwatches(), 171));
    EXPECT_EQ(picker.pointedAciLabel->text(), "171");
    ExpectChoice(picker, "id colore =  171", "R = 127", "G = 127", "B = 255");
    EXPECT_EQ(PreviewColour(picker.colourPreviews[0]), QColor(127, 127, 255));
    EXPECT_EQ(PreviewColour(picker.colourPreviews[1]), QColor(255, 0, 0));
    const GridPixels grid(picker.grid);
    EXPECT_EQ(grid.FrameOf(171), QColor(255, 0, 0));
    EXPECT_EQ(grid.FrameOf(1), grid.At(0, 0));  // the red frame left the swatch it opened on
    EXPECT_EQ(grid.At(Centre(171).x(), Centre(171).y()), Rgb(171));
    Save(picker, "colour-picker.png");

    // Any button chooses; a release between swatches changes nothing.
    QTest::mouseClick(picker.grid, Qt::RightButton, Qt::NoModifier, Centre(250));
    EXPECT_EQ(picker.CurrentAci(), 250);
    const AciSwatch& s = SwatchOf(250);
    picker.GridMouseUp(s.Right + 2, s.Top);
    EXPECT_EQ(picker.CurrentAci(), 250);
    EXPECT_EQ(picker.pointedAciLabel->text(), "250");
    ExpectChoice(picker, "id colore =  250", "R = 0", "G = 0", "B = 0");

    QTest::mouseClick(picker.okCancelButtons[0], Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picked, 250);
}

TEST(ColourPickerTest, HoveringFramesAnotherSwatchInBlueButNotTheChoice) {
    // Swatches near the grid's left side: the offscreen screen ends at 400 pixels at twice the scale,
    // and the pointer does not move beyond it.
    int32_t picked = 5;
    ColourPicker picker(picked);
    Show(picker);
    QTest::mouseMove(picker.grid, Centre(5));
    EXPECT_EQ(picker.HoverSwatch(), -1);
    EXPECT_EQ(picker.pointedAciLabel->text(), "5");

    QTest::mouseMove(picker.grid, Centre(71));
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 71));
    EXPECT_EQ(picker.pointedAciLabel->text(), "71");
    EXPECT_EQ(picker.CurrentAci(), 5);
    EXPECT_EQ(picker.chosenAciLabel->text(), "id colore =  5");
    GridPixels grid(picker.grid);
    EXPECT_EQ(grid.FrameOf(71), QColor(0, 0, 255));
    EXPECT_EQ(grid.FrameOf(5), QColor(255, 0, 0));
    Save(picker, "colour-picker-hover.png");

    // Between swatches the pointer leaves everything as it was.
    const AciSwatch& s = SwatchOf(71);
    picker.GridMouseMove(s.Right + 2, s.Top);
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 71));
    EXPECT_EQ(picker.pointedAciLabel->text(), "71");

    QTest::mouseMove(picker.grid, Centre(18));
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 18));
    grid = GridPixels(picker.grid);
    EXPECT_EQ(grid.FrameOf(71), grid.At(0, 0));
    EXPECT_EQ(grid.FrameOf(18), QColor(0, 0, 255));

    QTest::mouseMove(picker.grid, Centre(5));
    EXPECT_EQ(picker.HoverSwatch(), -1);
    EXPECT_EQ(picker.pointedAciLabel->text(), "5");
    grid = GridPixels(picker.grid);
    EXPECT_EQ(grid.FrameOf(18), grid.At(0, 0));
    EXPECT_EQ(grid.FrameOf(5), QColor(255, 0, 0));
}

TEST(ColourPickerTest, ANumberAboveThePaletteStaysTheChoiceUntilAClick) {
    int32_t picked = 300;
    ColourPicker picker(picked);
    Show(picker);
    EXPECT_EQ(picker.CurrentAci(), 300);
    EXPECT_EQ(picker.CurrentSwatch(), -1);
    EXPECT_EQ(picker.pointedAciLabel->text(), "300");
    ExpectChoice(picker, "id colore =  300", "R = 0", "G = 0", "B = 0");
    EXPECT_EQ(PreviewColour(picker.colourPreviews[0]), QColor(0, 0, 0));

    QTest::mouseMove(picker.grid, Centre(7));
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 7));
    EXPECT_EQ(picker.CurrentAci(), 300);
    QTest::mouseClick(picker.okCancelButtons[0], Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picked, 300);
}

}  // namespace

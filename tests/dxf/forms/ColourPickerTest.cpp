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
#include "dxf/forms/Form_Selettore_Colore.h"

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

void ExpectChoice(const Form_Selettore_Colore& picker, const char* label, const char* r, const char* g,
                  const char* b) {
    EXPECT_EQ(picker.Label1->text(), label);
    EXPECT_EQ(picker.Label2[0]->text(), r);
    EXPECT_EQ(picker.Label2[1]->text(), g);
    EXPECT_EQ(picker.Label2[2]->text(), b);
}

TEST(ColourPickerTest, OpensOnWhiteForNoColourAndAnnullaReturnsIt) {
    int32_t picked = 0;
    Form_Selettore_Colore picker(picked);
    Show(picker);
    EXPECT_EQ(picker.windowTitle(), "Selettore colore");
    EXPECT_EQ(picker.Frame1->title(), " CAD Color Index: ");
    EXPECT_EQ(picker.InitialAci(), 7);
    EXPECT_EQ(picker.CurrentAci(), 7);
    EXPECT_EQ(picker.CurrentSwatch(), AciSwatchOf(AciSwatches(), 7));
    EXPECT_EQ(picker.HoverSwatch(), -1);
    EXPECT_EQ(picker.Indice_Colore->text(), "7");
    ExpectChoice(picker, "id colore =  7", "R = 255", "G = 255", "B = 255");
    EXPECT_EQ(PreviewColour(picker.Pict_Sel[0]), QColor(255, 255, 255));
    EXPECT_EQ(PreviewColour(picker.Pict_Sel[1]), QColor(255, 255, 255));
    EXPECT_EQ(GridPixels(picker.Picture1).FrameOf(7), QColor(255, 0, 0));

    QTest::mouseClick(picker.Command1[1], Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    EXPECT_EQ(picked, 7);
}

TEST(ColourPickerTest, AnnullaAfterAChoiceReturnsTheNumberItOpenedOn) {
    int32_t picked = 30;
    Form_Selettore_Colore picker(picked);
    Show(picker);
    QTest::mouseClick(picker.Picture1, Qt::LeftButton, Qt::NoModifier, Centre(171));
    EXPECT_EQ(picker.CurrentAci(), 171);
    picker.Command1_Click(1);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    EXPECT_EQ(picked, 30);
}

TEST(ColourPickerTest, ClosingWithoutButtonsLeavesTheCallersNumber) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "close box");
        int32_t picked = 0;
        Form_Selettore_Colore picker(picked);
        Show(picker);
        QTest::mouseClick(picker.Picture1, Qt::LeftButton, Qt::NoModifier, Centre(171));
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
    Form_Selettore_Colore picker(picked);
    Show(picker);
    QTest::mouseMove(picker.Picture1, Centre(171));
    QTest::mouseClick(picker.Picture1, Qt::LeftButton, Qt::NoModifier, Centre(171));
    EXPECT_EQ(picker.CurrentAci(), 171);
    EXPECT_EQ(picker.CurrentSwatch(), AciSwatchOf(AciSwatches(), 171));
    EXPECT_EQ(picker.Indice_Colore->text(), "171");
    ExpectChoice(picker, "id colore =  171", "R = 127", "G = 127", "B = 255");
    EXPECT_EQ(PreviewColour(picker.Pict_Sel[0]), QColor(127, 127, 255));
    EXPECT_EQ(PreviewColour(picker.Pict_Sel[1]), QColor(255, 0, 0));
    const GridPixels grid(picker.Picture1);
    EXPECT_EQ(grid.FrameOf(171), QColor(255, 0, 0));
    EXPECT_EQ(grid.FrameOf(1), grid.At(0, 0));  // the red frame left the swatch it opened on
    EXPECT_EQ(grid.At(Centre(171).x(), Centre(171).y()), Rgb(171));
    Save(picker, "colour-picker.png");

    // Any button chooses; a release between swatches changes nothing.
    QTest::mouseClick(picker.Picture1, Qt::RightButton, Qt::NoModifier, Centre(250));
    EXPECT_EQ(picker.CurrentAci(), 250);
    const AciSwatch& s = SwatchOf(250);
    picker.Picture1_MouseUp(s.Right + 2, s.Top);
    EXPECT_EQ(picker.CurrentAci(), 250);
    EXPECT_EQ(picker.Indice_Colore->text(), "250");
    ExpectChoice(picker, "id colore =  250", "R = 0", "G = 0", "B = 0");

    QTest::mouseClick(picker.Command1[0], Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picked, 250);
}

TEST(ColourPickerTest, HoveringFramesAnotherSwatchInBlueButNotTheChoice) {
    // Swatches near the grid's left side: the offscreen screen ends at 400 pixels at twice the scale,
    // and the pointer does not move beyond it.
    int32_t picked = 5;
    Form_Selettore_Colore picker(picked);
    Show(picker);
    QTest::mouseMove(picker.Picture1, Centre(5));
    EXPECT_EQ(picker.HoverSwatch(), -1);
    EXPECT_EQ(picker.Indice_Colore->text(), "5");

    QTest::mouseMove(picker.Picture1, Centre(71));
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 71));
    EXPECT_EQ(picker.Indice_Colore->text(), "71");
    EXPECT_EQ(picker.CurrentAci(), 5);
    EXPECT_EQ(picker.Label1->text(), "id colore =  5");
    GridPixels grid(picker.Picture1);
    EXPECT_EQ(grid.FrameOf(71), QColor(0, 0, 255));
    EXPECT_EQ(grid.FrameOf(5), QColor(255, 0, 0));
    Save(picker, "colour-picker-hover.png");

    // Between swatches the pointer leaves everything as it was.
    const AciSwatch& s = SwatchOf(71);
    picker.Picture1_MouseMove(s.Right + 2, s.Top);
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 71));
    EXPECT_EQ(picker.Indice_Colore->text(), "71");

    QTest::mouseMove(picker.Picture1, Centre(18));
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 18));
    grid = GridPixels(picker.Picture1);
    EXPECT_EQ(grid.FrameOf(71), grid.At(0, 0));
    EXPECT_EQ(grid.FrameOf(18), QColor(0, 0, 255));

    QTest::mouseMove(picker.Picture1, Centre(5));
    EXPECT_EQ(picker.HoverSwatch(), -1);
    EXPECT_EQ(picker.Indice_Colore->text(), "5");
    grid = GridPixels(picker.Picture1);
    EXPECT_EQ(grid.FrameOf(18), grid.At(0, 0));
    EXPECT_EQ(grid.FrameOf(5), QColor(255, 0, 0));
}

TEST(ColourPickerTest, ANumberAboveThePaletteStaysTheChoiceUntilAClick) {
    int32_t picked = 300;
    Form_Selettore_Colore picker(picked);
    Show(picker);
    EXPECT_EQ(picker.CurrentAci(), 300);
    EXPECT_EQ(picker.CurrentSwatch(), -1);
    EXPECT_EQ(picker.Indice_Colore->text(), "300");
    ExpectChoice(picker, "id colore =  300", "R = 0", "G = 0", "B = 0");
    EXPECT_EQ(PreviewColour(picker.Pict_Sel[0]), QColor(0, 0, 0));

    QTest::mouseMove(picker.Picture1, Centre(7));
    EXPECT_EQ(picker.HoverSwatch(), AciSwatchOf(AciSwatches(), 7));
    EXPECT_EQ(picker.CurrentAci(), 300);
    QTest::mouseClick(picker.Command1[0], Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picked, 300);
}

}  // namespace

// The rebar editor opened on the demo deck's designed bars, driven with the keyboard and the
// mouse; what it shows is saved as pictures in the build tree, to look at.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "design/forms/EndShapePictures.h"
#include "design/forms/RebarEditorDialog.h"
#include "tests/support/SlabHandOffDeck.h"

namespace {

// The demo deck copied into a folder of its own, with upper bar 0 of section 0 selected: 1 Ø12
// from x = -13 to 125 at y = 265, hooked at its start.
class RebarEditorDialogTest : public ::testing::Test {
protected:
    RebarEditorDialogTest() : deck_(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP", "rebar-editor") {
        Select(0, 0, false);
    }

    void Select(int32_t section, int32_t bar, bool lower) {
        RebarToolState& r = deck_.editor.Rebar;
        r.SelectedBarSection = section, r.SelectedBar = bar, r.SelectedBarIsLower = lower ? 1 : 0;
    }
    UpperRebar& Upper(int32_t section, int32_t bar) { return deck_.model.Reinforcement.UpperRebars[section][bar]; }
    LowerRebar& Lower(int32_t section, int32_t bar) { return deck_.model.Reinforcement.LowerRebars[section][bar]; }
    static void Retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        QApplication::processEvents();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    // A click on the picture of an end shape.
    static void Choose(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, option->rect().center());
    }
    static void Save(QWidget& widget, const char* name) {
        widget.grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + name);
    }

    SlabHandOffDeck deck_;
};

TEST_F(RebarEditorDialogTest, ChangesABarAndTheSavedDeckKeepsIt) {
    ASSERT_TRUE(deck_.loaded);
    RebarEditorDialog form(deck_, deck_.messages);
    form.show();
    QApplication::processEvents();
    Save(form, "rebar-editor-upper-bar.png");

    EXPECT_EQ(form.windowTitle(), " Posizione superiore");
    EXPECT_EQ(form.barValueEdits[0]->text(), "1");
    EXPECT_EQ(form.barValueEdits[1]->text(), "12");
    EXPECT_EQ(form.barValueEdits[2]->text(), "170");  // 138 + 30, to 5 cm
    EXPECT_EQ(form.stretchEdits[0]->text(), "0");
    EXPECT_TRUE(form.startShapeOptions[1]->isChecked());
    EXPECT_TRUE(form.endShapeOptions[0]->isChecked());
    EXPECT_TRUE(form.okButton->isDefault());

    Retype(form.barValueEdits[0], "3");
    Retype(form.barValueEdits[1], "14");
    Retype(form.stretchEdits[1], "25");
    Choose(form.startShapeOptions[0]);
    Choose(form.endShapeOptions[1]);
    EXPECT_TRUE(form.startShapeOptions[0]->isChecked());
    EXPECT_FALSE(form.startShapeOptions[1]->isChecked());
    Save(form, "rebar-editor-upper-bar-changed.png");
    QTest::mouseClick(form.okButton, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);

    const UpperRebar changed{.Diameter = 14, .X1 = -13, .X2 = 150, .Y1 = 265, .Y2 = 265, .BarCount = 3, .HookFlags = 2};
    EXPECT_EQ(Upper(0, 0), changed);
    EXPECT_EQ(deck_.editor.Rebar.BarStretchEnd, 25);
    ASSERT_TRUE(deck_.Save(deck_.path));
    DeckSession reloaded;
    ASSERT_TRUE(reloaded.Load(deck_.path));
    EXPECT_EQ(reloaded.model.Reinforcement.UpperRebars[0][0], changed);
}

TEST_F(RebarEditorDialogTest, LowerBarInEnglish) {
    deck_.shell.Languages.UiLanguage = 1;
    Select(1, 1, true);
    RebarEditorDialog form(deck_, deck_.messages);
    form.show();
    QApplication::processEvents();
    Save(form, "rebar-editor-lower-bar-english.png");
    EXPECT_EQ(form.windowTitle(), " Lower rebars");
    EXPECT_EQ(form.endGroups[0]->title(), "Ends left");
    EXPECT_EQ(form.stretchLabels[1]->text(), "Stretch of the right side (cm)");
    EXPECT_EQ(form.graphicEditButton->text(), "Stretches graphically");
    EXPECT_EQ(form.cancelButton->text(), "Cancel");
    EXPECT_EQ(form.barValueEdits[2]->text(), "555");  // 526 rounded to 525, and 15 for each hook
    EXPECT_TRUE(form.startShapeOptions[1]->isChecked());
    EXPECT_TRUE(form.endShapeOptions[1]->isChecked());
}

// The graphic-edit button and Cancel store nothing of what was typed.
TEST_F(RebarEditorDialogTest, GraphicEditAndCancelStoreNothing) {
    const UpperRebar before = Upper(0, 0);
    for (const bool graphic : {true, false}) {
        deck_.editor.InteractionState = 8000;
        RebarEditorDialog form(deck_, deck_.messages);
        form.show();
        Retype(form.barValueEdits[0], "7");
        Retype(form.stretchEdits[0], "40");
        Choose(form.startShapeOptions[0]);
        QTest::mouseClick(graphic ? form.graphicEditButton : form.cancelButton, Qt::LeftButton);
        EXPECT_EQ(Upper(0, 0), before);
        EXPECT_EQ(deck_.editor.Rebar.BarStretchStart, 0);
        EXPECT_EQ(deck_.editor.InteractionState, graphic ? 8001 : 8000);
        EXPECT_EQ(form.result(), graphic ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST_F(RebarEditorDialogTest, NumberFieldsSelectTheirWholeTextOnFocus) {
    RebarEditorDialog form(deck_, deck_.messages);
    form.show();
    QApplication::setActiveWindow(&form);
    form.barValueEdits[1]->setFocus();
    QApplication::processEvents();
    QTest::qWait(10);
    EXPECT_EQ(form.barValueEdits[1]->selectedText(), "12");
    QTest::keyClicks(form.barValueEdits[1], "8");
    EXPECT_EQ(form.barValueEdits[1]->text(), "8");
}

// Each picture: light grey, with red only on the rows and columns its shape reaches.
TEST(EndShapePictures, EightShapesOfTheirOwn) {
    std::vector<QImage> pictures;
    for (const bool lower : {false, true})
        for (const bool atEnd : {false, true})
            for (const bool hooked : {false, true}) pictures.push_back(EndShapePicture(lower, atEnd, hooked));
    QImage sheet(EndShapePictureWidth * 2 + 3, EndShapePictureHeight * 4 + 5, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QImage& p = pictures[i];
        EXPECT_EQ(p.size(), QSize(EndShapePictureWidth, EndShapePictureHeight));
        EXPECT_EQ(QColor(p.pixel(EndShapePictureWidth / 2, EndShapePictureHeight - 1)), QColor(224, 224, 224));
        for (size_t j = 0; j < i; ++j) EXPECT_NE(p, pictures[j]) << i << " " << j;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) sheet.setPixel(1 + int(i % 2) * (EndShapePictureWidth + 1) + x,
                                                                1 + int(i / 2) * (EndShapePictureHeight + 1) + y,
                                                                p.pixel(x, y));
    }
    sheet.scaled(sheet.size() * 4).save(QString(DRAVO_TEST_OUTPUT) + "/end-shape-pictures.png");
    // The middle of an upper bar lies near the top, of a lower bar near the bottom.
    EXPECT_GT(qRed(pictures[0].pixel(30, 5)), 200);
    EXPECT_GT(qRed(pictures[4].pixel(30, 14)), 200);
    EXPECT_LT(qRed(pictures[4].pixel(30, 5)), 230);
}

}  // namespace

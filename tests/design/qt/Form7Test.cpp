// The design options dialog driven with the mouse and the keyboard; what it shows is saved as
// pictures in the build tree, to look at.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "design/forms/Form7.h"
#include "platform/headless/HeadlessMessageBoxes.h"

namespace {

class Form7Test : public ::testing::Test {
protected:
    Form7Test() {
        session_.design.LowerAssemblyBarDiameter = 8;
        session_.design.GroupLowerBars = 0;
        session_.design.MaxUpperBarLength = 900;
        session_.design.CurbEnabled = 1;
        session_.design.CurbWidth = 3;          // too narrow: shown and kept as 25
        session_.design.CurbSpanThreshold = 0;  // none: shown and kept as 450
    }

    static void Retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        QApplication::processEvents();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    static void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(10, button->width() / 2), button->height() / 2));
    }
    static void Save(QWidget& widget, const char* name) { widget.grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + name); }

    Session session_;
    HeadlessMessageBoxes messages_;
    int drawings_ = 0;
};

TEST_F(Form7Test, ShowsTheOptionsAndOkStoresWhatWasChanged) {
    Form7 dialog(session_, messages_, [this] { ++drawings_; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Progetto Solai");
    EXPECT_EQ(dialog.Combo1->count(), 9);
    EXPECT_EQ(dialog.Combo1->currentText(), "2 Ø 8");
    EXPECT_EQ(dialog.Text1->text(), "900");
    EXPECT_EQ(dialog.Text2->text(), "25.0");
    EXPECT_EQ(dialog.Text3->text(), "450.0");
    EXPECT_FLOAT_EQ(session_.design.CurbWidth, 25);
    EXPECT_TRUE(dialog.Check4->isChecked());
    EXPECT_TRUE(dialog.Text2->isEnabled());
    Save(dialog, "form7-it.png");

    Click(dialog.Check4);
    EXPECT_FALSE(dialog.Text2->isEnabled());
    EXPECT_FALSE(dialog.Text3->isEnabled());
    dialog.Combo1->setCurrentIndex(0);
    emit dialog.Combo1->activated(0);
    Click(dialog.Check1);
    Retype(dialog.Text1, "1200,4");
    Click(dialog.Command1);
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(drawings_, 1);
    EXPECT_EQ(session_.design.LowerAssemblyBarDiameter, 0);
    EXPECT_EQ(session_.design.GroupLowerBars, 1);
    EXPECT_EQ(session_.design.MaxUpperBarLength, 1200);
    EXPECT_EQ(session_.design.CurbEnabled, 0);
    EXPECT_FLOAT_EQ(session_.design.CurbSpanThreshold, 450);  // greyed, still stored
}

TEST_F(Form7Test, ARefusedLengthKeepsTheDialogOpenAndStoresNothing) {
    Form7 dialog(session_, messages_, [this] { ++drawings_; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Click(dialog.Check1);
    Retype(dialog.Text1, "1200,6");
    Click(dialog.Command1);
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].Text, "Lunghezza max non corretta. (500 min, 1200 max)");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(drawings_, 0);
    EXPECT_EQ(session_.design.GroupLowerBars, 0);
    EXPECT_EQ(session_.design.MaxUpperBarLength, 900);

    Click(dialog.Command2);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(session_.design.GroupLowerBars, 0);
    EXPECT_EQ(session_.design.LowerAssemblyBarDiameter, 8);
    // The curb values put right at opening stay.
    EXPECT_FLOAT_EQ(session_.design.CurbWidth, 25);
    EXPECT_FLOAT_EQ(session_.design.CurbSpanThreshold, 450);
}

TEST_F(Form7Test, EnglishCaptions) {
    session_.shell.Languages.UiLanguage = 1;
    Form7 dialog(session_, messages_, {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Floor slabs design");
    EXPECT_EQ(dialog.Combo1->itemText(0), "None");
    EXPECT_EQ(dialog.Command1->text(), "&Ok");
    EXPECT_EQ(dialog.Command2->text(), "Cancel");
    Save(dialog, "form7-en.png");
    Retype(dialog.Text1, "abc");
    Click(dialog.Command1);
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].Text, "Length wrong. (500 min, 1200 max)");
}

}  // namespace

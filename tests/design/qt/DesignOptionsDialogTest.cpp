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

#include "design/forms/DesignOptionsDialog.h"
#include "platform/headless/HeadlessMessageBoxes.h"

namespace {

class DesignOptionsDialogTest : public ::testing::Test {
protected:
    DesignOptionsDialogTest() {
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

TEST_F(DesignOptionsDialogTest, ShowsTheOptionsAndOkStoresWhatWasChanged) {
    DesignOptionsDialog dialog(session_, messages_, [this] { ++drawings_; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Progetto Solai");
    EXPECT_EQ(dialog.assemblyBarCombo->count(), 9);
    EXPECT_EQ(dialog.assemblyBarCombo->currentText(), "2 Ø 8");
    EXPECT_EQ(dialog.maxUpperBarEdit->text(), "900");
    EXPECT_EQ(dialog.curbWidthEdit->text(), "25.0");
    EXPECT_EQ(dialog.curbSpanEdit->text(), "450.0");
    EXPECT_FLOAT_EQ(session_.design.CurbWidth, 25);
    EXPECT_TRUE(dialog.curbCheck->isChecked());
    EXPECT_TRUE(dialog.curbWidthEdit->isEnabled());
    Save(dialog, "design-options-dialog-it.png");

    Click(dialog.curbCheck);
    EXPECT_FALSE(dialog.curbWidthEdit->isEnabled());
    EXPECT_FALSE(dialog.curbSpanEdit->isEnabled());
    dialog.assemblyBarCombo->setCurrentIndex(0);
    emit dialog.assemblyBarCombo->activated(0);
    Click(dialog.groupLowerBarsCheck);
    Retype(dialog.maxUpperBarEdit, "1200,4");
    Click(dialog.okButton);
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(drawings_, 1);
    EXPECT_EQ(session_.design.LowerAssemblyBarDiameter, 0);
    EXPECT_EQ(session_.design.GroupLowerBars, 1);
    EXPECT_EQ(session_.design.MaxUpperBarLength, 1200);
    EXPECT_EQ(session_.design.CurbEnabled, 0);
    EXPECT_FLOAT_EQ(session_.design.CurbSpanThreshold, 450);  // greyed, still stored
}

TEST_F(DesignOptionsDialogTest, ARefusedLengthKeepsTheDialogOpenAndStoresNothing) {
    DesignOptionsDialog dialog(session_, messages_, [this] { ++drawings_; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Click(dialog.groupLowerBarsCheck);
    Retype(dialog.maxUpperBarEdit, "1200,6");
    Click(dialog.okButton);
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].Text, "Lunghezza max non corretta. (500 min, 1200 max)");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(drawings_, 0);
    EXPECT_EQ(session_.design.GroupLowerBars, 0);
    EXPECT_EQ(session_.design.MaxUpperBarLength, 900);

    Click(dialog.cancelButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(session_.design.GroupLowerBars, 0);
    EXPECT_EQ(session_.design.LowerAssemblyBarDiameter, 8);
    // The curb values put right at opening stay.
    EXPECT_FLOAT_EQ(session_.design.CurbWidth, 25);
    EXPECT_FLOAT_EQ(session_.design.CurbSpanThreshold, 450);
}

TEST_F(DesignOptionsDialogTest, EnglishCaptions) {
    session_.shell.Languages.UiLanguage = 1;
    DesignOptionsDialog dialog(session_, messages_, {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Floor slabs design");
    EXPECT_EQ(dialog.assemblyBarCombo->itemText(0), "None");
    EXPECT_EQ(dialog.okButton->text(), "&Ok");
    EXPECT_EQ(dialog.cancelButton->text(), "Cancel");
    Save(dialog, "design-options-dialog-en.png");
    Retype(dialog.maxUpperBarEdit, "abc");
    Click(dialog.okButton);
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].Text, "Length wrong. (500 min, 1200 max)");
}

}  // namespace

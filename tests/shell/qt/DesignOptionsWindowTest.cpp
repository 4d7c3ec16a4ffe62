// The design options dialog opened from the main window's command on the demo deck.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "design/forms/DesignOptionsDialog.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

constexpr int DesignOptionsCommand = 119;

TEST_F(MainWindowTest, DesignOptionsFromTheMenuAreStoredForTheNextDesign) {
    const auto form = Start(DemoDeck());
    bool shown = false;
    answer_ = [&](QDialog& dialog) {
        auto* options = qobject_cast<DesignOptionsDialog*>(&dialog);
        ASSERT_NE(options, nullptr);
        shown = true;
        options->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
        options->maxUpperBarEdit->selectAll();
        QTest::keyClicks(options->maxUpperBarEdit, "800");
        QTest::mouseClick(options->okButton, Qt::LeftButton);
    };
    form->CommandBars_Execute(DesignOptionsCommand);
    answer_ = nullptr;
    EXPECT_TRUE(shown);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(form->session().design.MaxUpperBarLength, 800);
}

}  // namespace

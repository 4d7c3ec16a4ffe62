// The design options dialog opened from the main window's command on the demo deck.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "design/forms/Form7.h"
#include "tests/shell/qt/Form1Fixture.h"

namespace {

constexpr int DesignOptionsCommand = 119;

TEST_F(Form1Test, DesignOptionsFromTheMenuAreStoredForTheNextDesign) {
    const auto form = Start(DemoDeck());
    bool shown = false;
    answer_ = [&](QDialog& dialog) {
        auto* options = qobject_cast<Form7*>(&dialog);
        ASSERT_NE(options, nullptr);
        shown = true;
        options->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
        options->Text1->selectAll();
        QTest::keyClicks(options->Text1, "800");
        QTest::mouseClick(options->Command1, Qt::LeftButton);
    };
    form->CommandBars_Execute(DesignOptionsCommand);
    answer_ = nullptr;
    EXPECT_TRUE(shown);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(form->session().design.MaxUpperBarLength, 800);
}

}  // namespace

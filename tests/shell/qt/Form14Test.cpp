// The splash and information window: its size and label, its timer, a click, and where the main
// window shows it.
#include "shell/forms/Form14.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tests/shell/qt/Form1Fixture.h"

namespace {

constexpr int AboutCommand = 2036;

Model WithBeams() {
    Model model;
    model.BeamElementCount = 2;
    return model;
}

class Form14Test : public Form1Test {
protected:
    // Every Form14 the main window runs is recorded, and saved as a picture under `picture` while
    // that is not empty.
    void Watch() {
        answer_ = [this](QDialog& dialog) {
            auto* window = qobject_cast<Form14*>(&dialog);
            ASSERT_NE(window, nullptr);
            ++shown_;
            if (picture_.empty()) return;
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
            window->grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + QString::fromStdString(picture_));
            window->close();
        };
    }

    int shown_ = 0;
    std::string picture_;
};

TEST_F(Form14Test, SplashAtAnEmptyStartAndInformationOnCommand) {
    Watch();
    picture_ = "splash-it.png";
    auto form = Start("");
    EXPECT_EQ(shown_, 1);

    shown_ = 0;
    picture_ = "about-it.png";
    form = Start(DemoDeck());
    EXPECT_EQ(shown_, 0);  // a deck on the command line: no splash
    form->CommandBars_Execute(AboutCommand);
    EXPECT_EQ(shown_, 1);

    WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n");
    picture_ = "splash-en.png";
    form = Start("");
    picture_ = "about-en.png";
    form->CommandBars_Execute(AboutCommand);
    EXPECT_EQ(shown_, 3);
}

TEST_F(Form14Test, SizeLabelAndPlaceAtEveryActivation) {
    const Model model = WithBeams();
    Form14 window(model);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(455, 265));
    EXPECT_EQ(window.Label1->pos(), QPoint(20, 16));
    EXPECT_EQ(window.Label1->text(), "Build 2023.10.0034");
    EXPECT_TRUE(window.Label1->font().bold());
    EXPECT_DOUBLE_EQ(window.Label1->font().pointSizeF(), 14.25);

    const QRect screen = window.screen()->geometry();
    const QPoint centre(screen.x() + (screen.width() - 455) / 2, screen.y() + (screen.height() - 265) / 2);
    EXPECT_EQ(window.pos(), centre);
    window.move(centre + QPoint(-40, 25));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(window.pos(), centre);
}

TEST_F(Form14Test, TimerClosesItOnlyWhileNoBeamIsLoaded) {
    const Model empty;
    Form14 splash(empty);
    EXPECT_EQ(splash.Timer1->interval(), 2000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_LT(clock.elapsed(), 10000);

    const Model model = WithBeams();
    Form14 about(model);
    about.show();
    about.Timer1_Timer();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(about.Timer1->isActive());
}

TEST_F(Form14Test, ClickOnThePictureOrTheLabelClosesIt) {
    const Model model = WithBeams();
    Form14 onLabel(model);
    onLabel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&onLabel));
    QTest::mouseClick(onLabel.Label1, Qt::LeftButton);
    EXPECT_FALSE(onLabel.isVisible());
    EXPECT_EQ(onLabel.result(), QDialog::Accepted);

    Form14 onPicture(model);
    onPicture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&onPicture));
    QTest::mouseClick(&onPicture, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(onPicture.isVisible());
}

}  // namespace

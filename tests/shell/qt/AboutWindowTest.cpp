// The splash and information window: its size and label, its timer, a click, and where the main
// window shows it.
#include "shell/forms/AboutWindow.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tests/shell/qt/MainWindowFixture.h"

namespace {

constexpr int AboutCommand = 2036;

Model WithBeams() {
    Model model;
    model.BeamElementCount = 2;
    return model;
}

class AboutWindowTest : public MainWindowTest {
protected:
    // Every splash or information window the main window runs is recorded, and saved as a picture
    // under `picture` while that is not empty.
    void Watch() {
        answer_ = [this](QDialog& dialog) {
            auto* window = qobject_cast<AboutWindow*>(&dialog);
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

TEST_F(AboutWindowTest, SplashAtAnEmptyStartAndInformationOnCommand) {
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

TEST_F(AboutWindowTest, SizeLabelAndPlaceAtEveryActivation) {
    const Model model = WithBeams();
    AboutWindow window(model);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(455, 265));
    EXPECT_EQ(window.buildLabel->pos(), QPoint(20, 16));
    EXPECT_EQ(window.buildLabel->text(), "Build 2023.10.0034");
    EXPECT_TRUE(window.buildLabel->font().bold());
    EXPECT_DOUBLE_EQ(window.buildLabel->font().pointSizeF(), 14.25);

    const QRect screen = window.screen()->geometry();
    const QPoint centre(screen.x() + (screen.width() - 455) / 2, screen.y() + (screen.height() - 265) / 2);
    EXPECT_EQ(window.pos(), centre);
    window.move(centre + QPoint(-40, 25));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(window.pos(), centre);
}

TEST_F(AboutWindowTest, TimerClosesItOnlyWhileNoBeamIsLoaded) {
    const Model empty;
    AboutWindow splash(empty);
    EXPECT_EQ(splash.closeTimer->interval(), 2000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_LT(clock.elapsed(), 10000);

    const Model model = WithBeams();
    AboutWindow about(model);
    about.show();
    about.CloseTimerTimeout();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(about.closeTimer->isActive());
}

TEST_F(AboutWindowTest, ClickOnThePictureOrTheLabelClosesIt) {
    const Model model = WithBeams();
    AboutWindow onLabel(model);
    onLabel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&onLabel));
    QTest::mouseClick(onLabel.buildLabel, Qt::LeftButton);
    EXPECT_FALSE(onLabel.isVisible());
    EXPECT_EQ(onLabel.result(), QDialog::Accepted);

    AboutWindow onPicture(model);
    onPicture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&onPicture));
    QTest::mouseClick(&onPicture, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(onPicture.isVisible());
}

}  // namespace

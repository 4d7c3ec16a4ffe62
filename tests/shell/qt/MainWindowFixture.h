#pragma once
// The main window started on the offscreen platform the way the program starts it, with a
// configuration folder of its own for each test.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "model/files/WholeFiles.h"
#include "shell/CommandLine.h"
#include "shell/StartupLoad.h"
#include "shell/forms/MainWindow.h"
#include "tests/support/DeckSession.h"

inline std::string DemoDeck() { return std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"; }

struct ShownBox {
    std::string Title;
    std::string Text;
};

// Each test has a configuration folder of its own (settings, analysis-program values); message
// boxes are recorded and closed, which answers No to a question (Yes while AnswerYes is set); the
// other dialogs go to answer_ when a test sets it, and are closed unanswered otherwise.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : config_("main-window-config") {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_ / ""));
        std::filesystem::create_directories(config_ / "Dravo");
    }
    ~MainWindowTest() override { qunsetenv("XDG_CONFIG_HOME"); }

    void WriteRegistry(const std::string& ini) { ASSERT_TRUE(WriteWholeFile(config_ / "Dravo/registry.ini", ini)); }

    // A window started with this command line, loaded and, for an interactive start, shown;
    // `loaded` sees it between the load and the show, `shown` between the show and the events
    // that follow it, its first paint among them.
    std::unique_ptr<MainWindow> Start(const std::string& commandLine,
                                      const std::function<void(MainWindow&)>& loaded = {},
                                      const std::function<void(MainWindow&)>& shown = {}) {
        auto form = std::make_unique<MainWindow>([this](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                if (lookAtBox_) lookAtBox_(*box);
                boxes_.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
                if (QAbstractButton* yes = box->button(QMessageBox::Yes); yes && AnswerYes) yes->click();
            } else if (answer_) {
                answer_(dialog);
            }
        });
        const CommandLineStart start = ParseCommandLine(commandLine);
        ApplyCommandLineStart(start, form->session(), form->platform().folders);
        form->Form_Load();
        if (loaded) loaded(*form);
        if (!start.IsBatch()) form->show();
        if (shown) shown(*form);
        QApplication::processEvents();
        return form;
    }

    static int CountColour(const QImage& image, ColourRef colour) {
        const QRgb wanted = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF)) ++count;
        return count;
    }

    // Columns of the image that hold `colour`: the first and the last.
    static std::pair<int, int> ColumnsOf(const QImage& image, ColourRef colour) {
        const QRgb wanted = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)) & 0xFFFFFF;
        int first = image.width(), last = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == wanted) first = std::min(first, x), last = std::max(last, x);
        return {first, last};
    }

    ScratchFolder config_;
    std::vector<ShownBox> boxes_;
    std::function<void(QDialog&)> answer_;
    std::function<void(QDialog&)> lookAtBox_;  // sees each message box before it is recorded
    bool AnswerYes = false;
};


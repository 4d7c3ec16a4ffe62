#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTranslation.h"

namespace {

// A scripted answer to one message box: the button to click, or none to close the box.
struct BoxCase {
    MsgButtons Buttons;
    MsgIcon Icon;
    QMessageBox::StandardButtons ExpectedButtons;
    QMessageBox::Icon ExpectedIcon;
    std::optional<QMessageBox::StandardButton> Click;
    MsgAnswer Answer;
};

TEST(QtMessageBoxes, ButtonsIconsAndAnswersFollowTheRequest) {
    using B = QMessageBox;
    const BoxCase cases[] = {
        {MsgButtons::Ok, MsgIcon::None, B::Ok, B::NoIcon, B::Ok, MsgAnswer::Ok},
        {MsgButtons::Ok, MsgIcon::Information, B::Ok, B::Information, std::nullopt, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgIcon::Exclamation, B::Ok | B::Cancel, B::Warning, B::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgIcon::Question, B::Yes | B::No, B::Question, B::No, MsgAnswer::No},
        {MsgButtons::YesNo, MsgIcon::Question, B::Yes | B::No, B::Question, std::nullopt, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgIcon::Question, B::Yes | B::No | B::Cancel, B::Question, B::Yes,
         MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, MsgIcon::None, B::Yes | B::No | B::Cancel, B::NoIcon, std::nullopt,
         MsgAnswer::Cancel},
        {MsgButtons::RetryCancel, MsgIcon::Critical, B::Retry | B::Cancel, B::Critical, B::Retry, MsgAnswer::Retry},
    };
    for (const BoxCase& c : cases) {
        bool ran = false;
        QtMessageBoxes boxes(nullptr, [&](QDialog& dialog) {
            ran = true;
            auto& box = static_cast<QMessageBox&>(dialog);
            EXPECT_EQ(box.windowTitle(), "Attenzione!");
            EXPECT_EQ(box.text(), QString::fromUtf8("Versione più recente."));
            EXPECT_EQ(box.standardButtons(), c.ExpectedButtons);
            EXPECT_EQ(box.icon(), c.ExpectedIcon);
            // The first button is the default one, as Enter presses it.
            EXPECT_EQ(box.standardButton(box.defaultButton()),
                      c.ExpectedButtons & B::Yes ? B::Yes : c.ExpectedButtons & B::Retry ? B::Retry : B::Ok);
            if (c.Click) box.button(*c.Click)->click();
        });
        EXPECT_EQ(boxes.Show("Attenzione!", "Versione più recente.", c.Buttons, c.Icon), c.Answer)
            << int(c.Buttons) << " " << (c.Click ? int(*c.Click) : 0);
        EXPECT_TRUE(ran);
    }
}

// A window manager writes the title beside the frame's icon and buttons: however short its text,
// the box leaves room for a bold title and about eight lines' width of them, as one common manager
// needs.
TEST(QtMessageBoxes, TheBoxIsWideEnoughForItsWholeTitle) {
    const std::pair<std::string, std::string> cases[] = {
        {"Load error!", "File:\n/nowhere/A.CRP\nnon trovato."},
        {"Attenzione!", "Nodo 9?"},
        {"Warning!", "Node 9?"},
    };
    for (const auto& [title, text] : cases) {
        SCOPED_TRACE(title + " " + text.substr(0, 20));
        int width = 0, wanted = 0;
        QtMessageBoxes boxes(nullptr, [&](QDialog& dialog) {
            dialog.show();
            QApplication::processEvents();
            width = dialog.width();
            QFont bold = dialog.font();
            bold.setBold(true);
            const QFontMetrics metrics(bold);
            wanted = metrics.horizontalAdvance(dialog.windowTitle()) + 8 * metrics.height();
            dialog.close();
        });
        boxes.Show(title, text, MsgButtons::Ok, MsgIcon::None);
        EXPECT_GE(width, wanted);
    }
}

TEST(QtFileDialogs, FiltersTakeQtsForm) {
    const std::pair<std::string, QStringList> cases[] = {
        {"File dati (*.CRP)|*.CRP", {"File dati (*.CRP)"}},
        {"*.CRP", {"*.CRP"}},
        {"Disegni|*.DXF;*.DWG", {"Disegni (*.DXF *.DWG)"}},
        {"File dati (*.CRP)|*.CRP|Tutti (*.*)|*.*", {"File dati (*.CRP)", "Tutti (*.*)"}},
        {"|*.TXT", {"*.TXT"}},
        {"", {}},
        {"Nothing|", {}},
    };
    for (const auto& [filter, expected] : cases) EXPECT_EQ(QtNameFilters(filter), expected) << filter;
}

class QtFileDialogsTest : public ::testing::Test {
protected:
    QtFileDialogsTest() {
        std::ofstream(folder.filePath("PIANO.CRP").toStdString()) << "x";
    }
    QTemporaryDir folder;
};

TEST_F(QtFileDialogsTest, OpenAsksForAnExistingFileAndCancelGivesNothing) {
    const FileDialogRequest request{"Apri", folder.path().toStdString(), "*.CRP", "File dati (*.CRP)|*.CRP", "CRP"};
    const QString chosen = folder.filePath("PIANO.CRP");
    QtFileDialogs dialogs(nullptr, [&](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.windowTitle(), "Apri");
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(QFileInfo(files.directory().path()).canonicalFilePath(),
                  QFileInfo(folder.path()).canonicalFilePath());
        EXPECT_EQ(files.nameFilters(), QStringList{"File dati (*.CRP)"});
        files.selectFile(chosen);
        dialog.done(QDialog::Accepted);  // as OK does, without its checks of the disk
    });
    EXPECT_EQ(QFileInfo(QString::fromStdString(dialogs.OpenFile(request))).canonicalFilePath(),
              QFileInfo(chosen).canonicalFilePath());

    QtFileDialogs cancelled(nullptr, [&](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(chosen);
        dialog.reject();
    });
    EXPECT_EQ(cancelled.OpenFile(request), "");
}

TEST_F(QtFileDialogsTest, SaveAsksBeforeReplacingAndAddsTheDefaultExtension) {
    const FileDialogRequest request{"Salva con nome", folder.path().toStdString(), "Anonimo",
                                    "File Dati (*.CRP)|*.CRP", "CRP"};
    QtFileDialogs dialogs(nullptr, [&](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(files.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(files.defaultSuffix(), "CRP");
        files.selectFile(folder.filePath("PIANO2"));
        dialog.done(QDialog::Accepted);  // as OK does, without its checks of the disk
    });
    EXPECT_EQ(QFileInfo(QString::fromStdString(dialogs.SaveFile(request))).fileName(), "PIANO2.CRP");
}

TEST(QtColourDialog, StartsOnTheGivenColourAndCancelKeepsIt) {
    const ColourRef start = PackRgb(10, 20, 30);
    QtFileDialogs picks(nullptr, [](QDialog& dialog) {
        auto& colours = static_cast<QColorDialog&>(dialog);
        EXPECT_EQ(colours.currentColor(), QColor(10, 20, 30));
        colours.setCurrentColor(QColor(200, 100, 50));
        colours.accept();
    });
    EXPECT_EQ(picks.PickColour(start), PackRgb(200, 100, 50));
    QtFileDialogs cancels(nullptr, [](QDialog& dialog) {
        static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(200, 100, 50));
        dialog.reject();
    });
    EXPECT_EQ(cancels.PickColour(start), start);
}

TEST(QtRegistryValues, ReadsTheIniFileAsTheDocumentationShowsIt) {
    QTemporaryDir folder;
    const QString path = folder.filePath("registry.ini");
    std::ofstream(path.toStdString()) << "[Software\\Orvane\\Struvia\\Settings]\n"
                                         "Language=2\n"
                                         "\n"
                                         "[Software\\Orvane\\Struvia\\Recent File List]\n"
                                         "File1=/home/anna/Lavori/Casa Rossi/CASA.SVQ\n"
                                         "File2=\"C:\\\\LAVORI\\\\CASA.SVQ\"\n"
                                         "File3=/home/anna/Lavori, vecchi/CITTÀ.SVQ\n";
    const QtRegistryValues registry(path);
    const std::string settings = "Software\\Orvane\\Struvia\\Settings";
    const std::string recent = "Software\\Orvane\\Struvia\\Recent File List";
    EXPECT_EQ(registry.ReadNumber(settings, "Language"), 2);
    EXPECT_EQ(registry.ReadString(recent, "File1"), "/home/anna/Lavori/Casa Rossi/CASA.SVQ");
    EXPECT_EQ(registry.ReadString(recent, "File2"), "C:\\LAVORI\\CASA.SVQ");
    EXPECT_EQ(registry.ReadString(recent, "File3"), "/home/anna/Lavori, vecchi/CITTÀ.SVQ");
    EXPECT_EQ(registry.ReadString(recent, "File4"), std::nullopt);
    EXPECT_EQ(registry.ReadNumber(settings, "Missing"), std::nullopt);
    EXPECT_TRUE(registry.HasKey(settings));
    EXPECT_TRUE(registry.HasKey("Software\\Orvane"));
    EXPECT_FALSE(registry.HasKey("Software\\Orvane\\Other"));

    const QtRegistryValues none(folder.filePath("missing.ini"));
    EXPECT_FALSE(none.HasKey(settings));
    EXPECT_EQ(none.ReadNumber(settings, "Language"), std::nullopt);
}

// Points the user's configuration folder somewhere else for one test.
class ConfigHome {
public:
    explicit ConfigHome(const QString& path)
        : old_(qgetenv("XDG_CONFIG_HOME")), had_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", path.toUtf8());
    }
    ~ConfigHome() {
        if (had_) qputenv("XDG_CONFIG_HOME", old_);
        else qunsetenv("XDG_CONFIG_HOME");
    }

private:
    QByteArray old_;
    bool had_;
};

TEST(QtFolders, TheProgramFolderHoldsTheExecutableAndTheProfileFolderIsMadeOnDemand) {
    QtFolders folders;
    EXPECT_EQ(std::filesystem::path(folders.ProgramFolder()),
              std::filesystem::canonical("/proc/self/exe").parent_path());

    QTemporaryDir config;
    ConfigHome home(config.path());
    const std::string profile = folders.ProfileFolder();
    EXPECT_EQ(profile, config.filePath("Dravo").toStdString());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(profile)).isDir());
    EXPECT_EQ(QtRegistryValues().Path(), config.filePath("Dravo/registry.ini"));
}

bool AppearsWithin(const QString& path, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(path)) {
        if (timer.elapsed() > milliseconds) return false;
        QThread::msleep(20);
    }
    return true;
}

TEST(QtPrograms, ArgumentsReachTheProgramUnsplitAndUnexpanded) {
    QTemporaryDir folder;
    const QString name = folder.filePath("soletta 3 \"$HOME\" *.LST");
    QtPrograms programs;
    ASSERT_TRUE(programs.Start("/usr/bin/touch", {name.toStdString()}));
    EXPECT_TRUE(AppearsWithin(name, 5000));
    EXPECT_FALSE(programs.Start(folder.filePath("no-such-program").toStdString(), {}));
}

// Stands in for the desktop's viewer.
class Viewer : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void Open(const QUrl& url) { Opened << url; }
};

TEST(QtPrograms, TextFilesGoToTheDesktopsViewer) {
    QTemporaryDir folder;
    const QString file = folder.filePath("computo.txt");
    std::ofstream(file.toStdString()) << "computo\n";
    Viewer viewer;
    QDesktopServices::setUrlHandler("file", &viewer, "Open");
    QtPrograms programs;
    EXPECT_TRUE(programs.OpenTextFile(file.toStdString()));
    EXPECT_FALSE(programs.OpenTextFile(folder.filePath("missing.txt").toStdString()));
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(viewer.Opened.size(), 1);
    EXPECT_EQ(viewer.Opened[0], QUrl::fromLocalFile(file));
}

TEST(QtPlatform, TheBundleLendsTheWindowsCanvas) {
    QtCanvas canvas;
    canvas.resize(64, 48);
    QtPlatform qt(canvas);
    EXPECT_EQ(&qt.platform.canvas, static_cast<Canvas*>(&canvas));
    EXPECT_EQ(qt.platform.canvas.WidthPx(), 64);
    EXPECT_EQ(&qt.platform.registry, static_cast<RegistryValues*>(&qt.registry));
}

}  // namespace

#include "QtServicesTest.moc"

// Qt's own captions in the interface language: the standard buttons and the file dialog's labels.
TEST(QtTranslation, StandardButtonsAndFileDialogsSpeakTheInterfaceLanguage) {
    struct Captions {
        QString Yes, Cancel, LookIn, SaveTitle;
    };
    const auto captionsNow = [] {
        Captions captions;
        QtMessageBoxes boxes(nullptr, [&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            captions.Yes = box.button(QMessageBox::Yes)->text().remove('&');
            captions.Cancel = box.button(QMessageBox::Cancel)->text().remove('&');
            dialog.reject();
        });
        boxes.Show("", "?", MsgButtons::YesNoCancel, MsgIcon::Question);
        QtFileDialogs files(nullptr, [&](QDialog& dialog) {
            if (auto* label = dialog.findChild<QLabel*>("lookInLabel")) captions.LookIn = label->text();
            captions.SaveTitle = dialog.windowTitle();
            dialog.reject();
        });
        files.SaveFile(FileDialogRequest{"", QDir::tempPath().toStdString(), "", "*.CRP", "CRP"});
        return captions;
    };
    LanguageFlags languages;
    languages.UiLanguage = 0;
    ASSERT_TRUE(UseQtTranslationFor(languages)) << "Qt's Italian translation is not installed";
    const Captions italian = captionsNow();
    languages.UiLanguage = 1;
    EXPECT_TRUE(UseQtTranslationFor(languages));
    const Captions english = captionsNow();

    EXPECT_EQ(italian.Yes, QString::fromUtf8("Sì"));
    EXPECT_EQ(italian.Cancel, "Annulla");
    EXPECT_EQ(italian.LookIn, "Cerca in:");
    EXPECT_EQ(italian.SaveTitle, "Salva come");
    EXPECT_EQ(english.Yes, "Yes");
    EXPECT_EQ(english.Cancel, "Cancel");
    EXPECT_EQ(english.LookIn, "Look in:");
}

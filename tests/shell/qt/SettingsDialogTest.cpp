// The settings dialog opened from the main window on the demo deck and worked with the mouse and
// the keyboard.
#include "shell/forms/SettingsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/SettingsFile.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

constexpr int SettingsCommand = 110;
constexpr int BeamExtradosLayer = 7;

class SettingsDialogTest : public MainWindowTest {
protected:
    // Opens the settings dialog with the command and lets `work` use it while it is shown. The
    // colour dialog answers with pick_, or is cancelled while pick_ is not valid.
    void Settings(MainWindow& form, const std::function<void(SettingsDialog&)>& work) {
        answer_ = [this, &work](QDialog& dialog) {
            if (auto* colours = qobject_cast<QColorDialog*>(&dialog)) {
                pickedFrom_ = colours->currentColor();
                if (!pick_.isValid()) return;
                colours->setCurrentColor(pick_);
                colours->accept();
                return;
            }
            auto* settings = qobject_cast<SettingsDialog*>(&dialog);
            ASSERT_NE(settings, nullptr);
            settings->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(settings));
            work(*settings);
            settings->close();
        };
        form.CommandBars_Execute(SettingsCommand);
        answer_ = nullptr;
    }

    // Near the left end, where a check box or an option button has its mark.
    static void Click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(std::min(10, control->width() / 2), control->height() / 2));
    }
    static void Type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    static void Save(QWidget& window, const std::string& name) {
        window.grab().save(QString(DRAVO_TEST_OUTPUT) + "/" + QString::fromStdString(name));
    }

    QColor pick_;
    QColor pickedFrom_;
};

TEST_F(SettingsDialogTest, WhiteBackgroundAndOkRepaintsTheCanvasWhite) {
    const auto form = Start(DemoDeck());
    Settings(*form, [](SettingsDialog& settings) {
        EXPECT_EQ(settings.windowTitle(), "Impostazioni");
        EXPECT_TRUE(settings.backgroundOptions[0]->isChecked());
        EXPECT_EQ(settings.coverEdit->text(), "2");
        EXPECT_EQ(settings.layerNameEdits[BeamExtradosLayer]->text(), "TRAVI_ESTRADOSSO");
        Save(settings, "settings-dialog-it.png");
        Click(settings.backgroundOptions[1]);
        Click(settings.okButton);
    });
    EXPECT_EQ(form->session().drawing.WhiteBackground, 1);
    const QImage plan = form->canvasWidget()->Image();
    EXPECT_GT(CountColour(plan, StandardColour(15)), plan.width() * plan.height() / 2);
    // The plan is drawn again over it; the palette stays the one of the black background.
    EXPECT_GT(CountColour(plan, StandardColour(14)), 1000);
}

TEST_F(SettingsDialogTest, CancelChangesNothing) {
    const auto form = Start(DemoDeck());
    const Session& s = form->session();
    const DrawingState before = s.drawing;
    const QImage plan = form->canvasWidget()->Image();
    pick_ = QColor(255, 0, 0);
    Settings(*form, [](SettingsDialog& settings) {
        Click(settings.colourSwatches[BeamExtradosLayer]);
        EXPECT_EQ(settings.DialogColours[BeamExtradosLayer], PackRgb(255, 0, 0));
        Click(settings.layerShownChecks[3]);
        Click(settings.dimOsnapChecks[2]);
        Click(settings.floorSlabFillOptions[2]);
        Click(settings.backgroundOptions[1]);
        Click(settings.drawingLanguageOptions[1]);
        Type(settings.coverEdit, "5");
        Click(settings.cancelButton);
    });
    EXPECT_EQ(s.drawing.LayerScreenColours, before.LayerScreenColours);
    EXPECT_EQ(s.drawing.LayerScreenOn, before.LayerScreenOn);
    EXPECT_EQ(s.drawing.DimOsnapOn, before.DimOsnapOn);
    EXPECT_EQ(s.drawing.Display.FloorSlabDisplayMode, before.Display.FloorSlabDisplayMode);
    EXPECT_EQ(s.drawing.WhiteBackground, 0);
    EXPECT_EQ(s.shell.Languages.DrawingLanguage, 0);
    EXPECT_EQ(s.shell.Options.LateralCover, 2);
    EXPECT_EQ(form->canvasWidget()->Image(), plan);
}

TEST_F(SettingsDialogTest, ColourPickAndOkRedrawsInTheNewColour) {
    const auto form = Start(DemoDeck());
    pick_ = QColor(255, 0, 0);
    Settings(*form, [](SettingsDialog& settings) {
        Click(settings.colourSwatches[BeamExtradosLayer]);
        Click(settings.okButton);
    });
    EXPECT_EQ(pickedFrom_, QColor(255, 255, 0));  // the picker starts on the layer's colour
    EXPECT_EQ(form->session().drawing.LayerScreenColours[BeamExtradosLayer], PackRgb(255, 0, 0));
    EXPECT_GT(CountColour(form->canvasWidget()->Image(), PackRgb(255, 0, 0)), 500);

    // A cancelled pick keeps the colour.
    pick_ = QColor();
    Settings(*form, [](SettingsDialog& settings) {
        Click(settings.colourSwatches[BeamExtradosLayer]);
        EXPECT_EQ(settings.DialogColours[BeamExtradosLayer], PackRgb(255, 0, 0));
        Click(settings.okButton);
    });
    EXPECT_EQ(form->session().drawing.LayerScreenColours[BeamExtradosLayer], PackRgb(255, 0, 0));
}

TEST_F(SettingsDialogTest, DefaultColoursStayAfterCancel) {
    const auto form = Start(DemoDeck());
    Session& s = form->session();
    s.drawing.LayerScreenColours[BeamExtradosLayer] = PackRgb(1, 2, 3);
    s.drawing.LayerScreenOn[4] = 0;
    s.drawing.DimOsnapOn[2] = 0;
    Settings(*form, [](SettingsDialog& settings) {
        Click(settings.backgroundOptions[1]);
        Click(settings.defaultColoursButton);
        // The dialog shows the defaults for white at once.
        EXPECT_EQ(settings.DialogColours[BeamExtradosLayer], StandardColour(6));
        EXPECT_TRUE(settings.layerShownChecks[4]->isChecked());
        Click(settings.cancelButton);
    });
    DrawingState white;
    white.WhiteBackground = 1;
    SetDefaultScreenColors(white);
    EXPECT_EQ(s.drawing.WhiteBackground, 1);
    EXPECT_EQ(s.drawing.LayerScreenColours, white.LayerScreenColours);
    EXPECT_EQ(s.drawing.LayerScreenOn[4], 1);
    EXPECT_EQ(s.drawing.DimOsnapOn[2], 1);
    // The canvas went white with the defaults; once the dialog has closed the plan is drawn on it
    // in the colours for white.
    const QImage canvas = form->canvasWidget()->Image();
    EXPECT_GT(CountColour(canvas, StandardColour(15)), canvas.width() * canvas.height() / 2);
    EXPECT_GT(CountColour(canvas, StandardColour(6)), 1000);
}

TEST_F(SettingsDialogTest, AllDefaultsStayAfterCancelAndTheCoverBoxKeepsItsText) {
    const auto form = Start(DemoDeck());
    Session& s = form->session();
    s.drawing.LayerNames[0] = "MIEI_ASSI";
    s.shell.Options.LateralCover = 4;
    s.design.MaxUpperBarLength = 600;
    Settings(*form, [](SettingsDialog& settings) {
        Click(settings.defaultsButton);
        EXPECT_EQ(settings.layerNameEdits[0]->text(), "ASSI");
        EXPECT_EQ(settings.coverEdit->text(), "4");
        Click(settings.cancelButton);
    });
    EXPECT_EQ(s.drawing.LayerNames[0], "ASSI");
    EXPECT_EQ(s.design.MaxUpperBarLength, 1200);
    EXPECT_EQ(s.shell.Options.LateralCover, 2);  // a default option; the box would have given 4 back
}

TEST_F(SettingsDialogTest, CoverAsTyped) {
    const auto form = Start(DemoDeck());
    const std::pair<const char*, int32_t> typed[] = {{"2,6", 3}, {"2.5", 2}, {"7", 7}};
    for (const auto& [text, cover] : typed) {
        Settings(*form, [text](SettingsDialog& settings) {
            Type(settings.coverEdit, text);
            Click(settings.okButton);
        });
        EXPECT_EQ(form->session().shell.Options.LateralCover, cover) << text;
    }
    EXPECT_TRUE(boxes_.empty());

    // A text that is no number takes nothing over, by OK or by "Salva opzioni": a message says so,
    // and the dialog stays open with what was typed and the cover box selected to be mended.
    const Session& s = form->session();
    const int32_t walls = s.drawing.Display.WallDisplayMode;
    ASSERT_NE(walls, 2);
    const std::string settingsFile = config_ / "Dravo/Dravo_Imp.ini";
    std::string stored;
    ReadWholeFile(settingsFile, stored);
    Settings(*form, [&](SettingsDialog& settings) {
        Type(settings.coverEdit, "due");
        Click(settings.wallFillOptions[2]);
        for (QPushButton* button : {settings.okButton, settings.saveButton}) {
            SCOPED_TRACE(button->text().toStdString());
            Click(button);
            EXPECT_TRUE(settings.isVisible());
            EXPECT_EQ(settings.coverEdit->text(), "due");
            EXPECT_EQ(settings.coverEdit->selectedText(), "due");
            EXPECT_TRUE(settings.coverEdit->hasFocus());
            EXPECT_TRUE(settings.wallFillOptions[2]->isChecked());
            EXPECT_EQ(s.drawing.Display.WallDisplayMode, walls);
            EXPECT_EQ(s.shell.Options.LateralCover, 7);
            std::string now;
            ReadWholeFile(settingsFile, now);
            EXPECT_EQ(now, stored);
        }
        Save(settings, "settings-dialog-cover-refused.png");
        Type(settings.coverEdit, "4");
        Click(settings.okButton);
        EXPECT_FALSE(settings.isVisible());
    });
    EXPECT_EQ(s.shell.Options.LateralCover, 4);
    EXPECT_EQ(s.drawing.Display.WallDisplayMode, 2);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].Text, "Il copriferro laterale \"due\" non è un numero: resta di 7 cm.");
    EXPECT_EQ(boxes_[1].Text, boxes_[0].Text);
}

TEST_F(SettingsDialogTest, SaveOptionsWritesTheSettingsAndKeepsTheDialogOpen) {
    const auto form = Start(DemoDeck());
    Settings(*form, [](SettingsDialog& settings) {
        Click(settings.pillarFillOptions[1]);
        Click(settings.saveButton);
        EXPECT_TRUE(settings.isVisible());
        Click(settings.cancelButton);
    });
    std::string written;
    ASSERT_TRUE(ReadWholeFile(config_ / "Dravo/Dravo_Imp.ini", written));
    EXPECT_EQ(written, FormatSettingsText(form->session()));
    EXPECT_EQ(form->session().drawing.Display.PillarDisplayMode, 1);
}

TEST_F(SettingsDialogTest, EnglishCaptionsAndNamesThatAreNotTaken) {
    WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n");
    const auto form = Start(DemoDeck());
    Settings(*form, [](SettingsDialog& settings) {
        EXPECT_EQ(settings.windowTitle(), "Impostazioni");
        EXPECT_EQ(settings.okButton->text(), "&Ok");
        EXPECT_EQ(settings.cancelButton->text(), "&Exit");
        EXPECT_EQ(settings.saveButton->text(), "&Save setting");
        EXPECT_EQ(settings.defaultsButton->text(), "Default file");
        EXPECT_EQ(settings.defaultColoursButton->text(), "Default colors");
        EXPECT_EQ(settings.floorSlabFillOptions[2]->text(), "Only outline");
        EXPECT_EQ(settings.concreteSlabFillGroup->title(), "Drawing of the slabs");
        EXPECT_EQ(settings.shownHeaders[1]->text(), "Show");
        EXPECT_EQ(settings.dimOsnapHeader->text(), "Dim Osnap");
        EXPECT_EQ(settings.drawingLanguageOptions[1]->text(), "English");
        Save(settings, "settings-dialog-en.png");
        Type(settings.layerNameEdits[0], "ALTRO");
        Click(settings.okButton);
    });
    EXPECT_EQ(form->session().drawing.LayerNames[0], "ASSI");
}

}  // namespace

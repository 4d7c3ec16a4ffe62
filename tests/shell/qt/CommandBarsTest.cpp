#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QWheelEvent>

#include <map>
#include <set>

#include "model/geometry/ViewTransforms.h"
#include "shell/CommandTable.h"
#include "shell/forms/CommandBars.h"
#include "tests/shell/qt/MainWindowFixture.h"

namespace {

class CommandBarsTest : public MainWindowTest {
protected:
    static QToolBar* Standard(MainWindow& form) { return form.findChild<QToolBar*>("Standard"); }
    static QMenu* FileMenu(MainWindow& form) {
        for (QAction* item : form.menuBar()->actions())
            if (item->menu() && item->text() == "&File") return item->menu();
        return nullptr;
    }

    // Every control the user can reach, by command id: the menu bar's items and popups, the toolbar.
    static std::multimap<int32_t, QAction*> Reachable(MainWindow& form) {
        std::multimap<int32_t, QAction*> found;
        auto add = [&](QAction* a) {
            if (!a->isSeparator() && !a->menu()) found.emplace(a->data().toInt(), a);
        };
        for (QAction* item : form.menuBar()->actions()) {
            add(item);
            if (item->menu())
                for (QAction* entry : item->menu()->actions()) add(entry);
        }
        for (QAction* button : Standard(form)->actions()) add(button);
        return found;
    }

    // Opens the File menu as the user would, which brings the bars up to date, and closes it.
    static void OpenAndCloseFileMenu(MainWindow& form) {
        QMenu* menu = FileMenu(form);
        menu->popup(form.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        menu->hide();
    }

    // The window with its File menu dropped down, as one picture.
    static QImage WindowWithFileMenuOpen(MainWindow& form) {
        form.menuBar()->setActiveAction(FileMenu(form)->menuAction());
        QApplication::processEvents();
        QMenu* menu = FileMenu(form);
        QImage picture = form.grab().toImage();
        QPainter painter(&picture);
        painter.drawPixmap(menu->geometry().topLeft() - form.geometry().topLeft(), menu->grab());
        painter.end();
        menu->hide();
        return picture;
    }
};

TEST_F(CommandBarsTest, EveryCommandIsReachableAndEnabledByTheDocumentsState) {
    const auto form = Start(DemoDeck());
    Session& s = form->session();
    s.shell.Recent.RecentFiles = {"/decks/A.CRP", "/decks/B.CRP", "/decks/C.CRP", "/decks/D.CRP"};
    s.shell.Recent.RecentFileCount = 4;
    const auto reachable = Reachable(*form);
    for (const CommandInfo& c : CommandTable()) EXPECT_GT(reachable.count(c.Id), 0u) << "command " << c.Id;
    EXPECT_EQ(reachable.count(0), 0u) << "no control without a command";

    const struct {
        int32_t design, floorSlabs, concreteSlabs, optimalText;
    } states[] = {{0, 0, 0, 1}, {0, 2, 1, 0}, {1, 3, 0, 1}, {1, 0, 2, 0}, {2, 3, 1, 1}, {2, 0, 0, 0}};
    for (const auto& state : states) {
        s.shell.Document.SlabDesignState = state.design;
        s.model.FloorSlabCount = state.floorSlabs;
        s.model.ConcreteSlabCount = state.concreteSlabs;
        s.shell.Options.OptimalTextSize = state.optimalText;
        OpenAndCloseFileMenu(*form);
        for (const auto& [id, action] : reachable) {
            EXPECT_EQ(action->isEnabled(), UpdateCommand(id, s).Enabled)
                << "command " << id << " at design state " << state.design;
            if (QWidget* button = Standard(*form)->widgetForAction(action)) {
                EXPECT_EQ(button->isEnabled(), action->isEnabled()) << "toolbar button " << id;
            }
        }
        EXPECT_EQ(form->Bars()->Action(118)->isChecked(), state.optimalText != 0);
    }
}

TEST_F(CommandBarsTest, BarsInTheirOrderWithCaptionsTooltipsAndIcons) {
    const auto form = Start(DemoDeck());
    std::vector<int32_t> toolbar;
    for (QAction* a : Standard(*form)->actions()) toolbar.push_back(a->isSeparator() ? BarSeparator : a->data().toInt());
    EXPECT_EQ(toolbar, std::vector<int32_t>(ToolbarLayout().begin(), ToolbarLayout().end()));
    EXPECT_EQ(Standard(*form)->iconSize(), QSize(24, 24));
    std::vector<int32_t> file;
    for (QAction* a : FileMenu(*form)->actions()) file.push_back(a->isSeparator() ? BarSeparator : a->data().toInt());
    EXPECT_EQ(file, std::vector<int32_t>(FileMenuLayout().begin(), FileMenuLayout().end()));
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[1]->text(), "&Genera file DXF");
    EXPECT_EQ(top[2]->text(), "&Informazioni su...");

    const CommandBars& bars = *form->Bars();
    EXPECT_EQ(bars.Action(102)->text(), "Salva con &Nome");
    EXPECT_EQ(bars.Action(102)->toolTip(), "Salva con Nome");
    EXPECT_EQ(bars.Action(118)->toolTip(), "Dimensioni ottimali del testo per scala 1:50");
    for (const CommandInfo& c : CommandTable()) {
        if (*c.IconKey == '\0') continue;
        const QIcon icon = bars.Action(c.Id)->icon();
        EXPECT_FALSE(icon.isNull()) << c.IconKey;
        EXPECT_EQ(icon.actualSize(QSize(24, 24)), QSize(24, 24)) << c.IconKey;
    }
}

TEST_F(CommandBarsTest, RecentFilesShowTheirNamesWhileTheirSlotHoldsOne) {
    const auto form = Start(DemoDeck());
    Session& s = form->session();
    s.shell.Recent.RecentFiles = {"/decks/PIANO 1.CRP", "/decks/R&D.CRP", "/old/GONE.CRP", ""};
    s.shell.Recent.RecentFileCount = 2;
    form->RefreshRecentMenu();
    const CommandBars& bars = *form->Bars();
    EXPECT_EQ(bars.Action(2031)->text(), "PIANO 1.CRP");
    EXPECT_EQ(bars.Action(2031)->toolTip(), "/decks/PIANO 1.CRP");
    EXPECT_EQ(bars.Action(2032)->text(), "R&&D.CRP");
    EXPECT_TRUE(bars.Action(2032)->isVisible());
    EXPECT_FALSE(bars.Action(2033)->isVisible()) << "beyond the count";
    EXPECT_FALSE(bars.Action(2034)->isVisible());
    EXPECT_EQ(bars.Action(2034)->data().toInt(), 2034);
}

TEST_F(CommandBarsTest, ChosenCommandsRunAndTheRightClickRepeatsThemWhileEnabled) {
    const auto form = Start(DemoDeck());
    Session& s = form->session();
    const CommandBars& bars = *form->Bars();
    const float width = s.drawing.View.ViewXMax - s.drawing.View.ViewXMin;
    form->canvasWidget()->Clear();
    bars.Action(106)->trigger();
    EXPECT_EQ(s.shell.LastCommandId, 106);
    EXPECT_NEAR(s.drawing.View.ViewXMax - s.drawing.View.ViewXMin, 0.9f * width, 0.01f * width);
    EXPECT_GT(CountColour(form->canvasWidget()->Image(), StandardColour(14)), 1000) << "redrawn";
    form->RepeatLastCommand();
    EXPECT_NEAR(s.drawing.View.ViewXMax - s.drawing.View.ViewXMin, 0.81f * width, 0.01f * width);

    // The prompt of a tool goes to the second panel of the status bar.
    bars.Action(131)->trigger();
    EXPECT_EQ(s.editor.InteractionState, 9550);
    EXPECT_EQ(form->promptText(), "Seleziona la soletta da progettare");

    // The text size for 1:50 is switched and shown checked.
    const int32_t optimal = s.shell.Options.OptimalTextSize;
    bars.Action(118)->trigger();
    EXPECT_NE(s.shell.Options.OptimalTextSize, optimal);
    EXPECT_EQ(bars.Action(118)->isChecked(), s.shell.Options.OptimalTextSize != 0);

    // Automatic dimensions on a dimensioned deck ask first; closing the box keeps them.
    const int32_t dimensions = s.model.DimensionCount;
    ASSERT_GT(dimensions, 0);
    bars.Action(117)->trigger();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Text, "La quotatura automatica annullerà le quote esistenti.\nProcedere?");
    EXPECT_EQ(s.model.DimensionCount, dimensions);

    // Once the document is gone the zoom can no longer be clicked, nor repeated.
    bars.Action(106)->trigger();
    form->Vuota();
    EXPECT_FALSE(bars.Action(106)->isEnabled());
    const ViewWindow before = s.drawing.View;
    form->RepeatLastCommand();
    EXPECT_EQ(s.drawing.View.ViewXMin, before.ViewXMin);
    EXPECT_EQ(s.drawing.View.ViewXMax, before.ViewXMax);
}

TEST_F(CommandBarsTest, TheWheelZoomsAboutTheModelPointUnderTheCursor) {
    const auto form = Start(DemoDeck());
    ViewWindow& v = form->session().drawing.View;
    const QPointF cursor(120, 90);
    const float wx = ScreenToWorldX(v, cursor.x()), wy = ScreenToWorldY(v, cursor.y());
    const float scale = v.ViewScale;
    auto turn = [&](int delta) {
        QWheelEvent wheel(cursor, form->canvasWidget()->mapToGlobal(cursor), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->canvasWidget(), &wheel);
    };
    turn(120);
    EXPECT_NEAR(v.ViewScale, scale / 0.9f, scale * 1e-3);
    EXPECT_NEAR(WorldToScreenX(v, wx), cursor.x(), 0.05);
    EXPECT_NEAR(WorldToScreenY(v, wy), cursor.y(), 0.05);

    // A finer wheel zooms once its turns make a whole notch; towards the user zooms out.
    turn(-60);
    EXPECT_NEAR(v.ViewScale, scale / 0.9f, scale * 1e-3);
    turn(-60);
    EXPECT_NEAR(v.ViewScale, scale / 0.9f / 1.1f, scale * 1e-3);
    EXPECT_NEAR(WorldToScreenX(v, wx), cursor.x(), 0.05);
}

TEST_F(CommandBarsTest, TheFileMenuInEachInterfaceLanguage) {
    for (const bool english : {false, true}) {
        if (english) WriteRegistry("[Software\\Orvane\\Struvia\\Settings]\nLanguage=2\n");
        const auto form = Start(DemoDeck());
        Session& s = form->session();
        s.shell.Recent.RecentFiles = {DemoDeck(), "/decks/PIANO TERRA.CRP", "", ""};
        s.shell.Recent.RecentFileCount = 2;
        form->resize(1280, 800);
        QApplication::processEvents();
        const QImage picture = WindowWithFileMenuOpen(*form);
        const QString name = english ? "file-menu-english.png" : "file-menu-italian.png";
        ASSERT_TRUE(picture.save(QString(DRAVO_TEST_OUTPUT) + "/" + name));

        const CommandBars& bars = *form->Bars();
        EXPECT_EQ(bars.Action(100)->text(), english ? "&Open" : "&Apri");
        EXPECT_EQ(bars.Action(103)->text(), english ? "&Exit" : "&Esci");
        EXPECT_EQ(bars.Action(110)->text(), english ? "Setting" : "Impostazioni");
        EXPECT_EQ(bars.Action(2031)->text(), "DEMO.CRP") << "the recent entries follow the list when shown";
        EXPECT_EQ(FileMenu(*form)->title(), "&File");
    }
}

}  // namespace

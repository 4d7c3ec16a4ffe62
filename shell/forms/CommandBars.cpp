#include "shell/forms/CommandBars.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QSvgRenderer>
#include <QToolBar>

#include <cstring>

#include "shell/CommandTable.h"
#include "shell/DocumentTitle.h"

// The icons are compiled into this library; a static library must register them itself.
static void RegisterCommandIcons() { Q_INIT_RESOURCE(icons); }

namespace {

constexpr int IconSize = 24;

// The desktop theme's picture for the commands every program has; ours where the theme has none.
const char* ThemeIconName(const char* key) {
    static constexpr std::pair<const char*, const char*> names[] = {
        {"open", "document-open"},  {"save", "document-save"}, {"saveas", "document-save-as"},
        {"exit", "application-exit"}, {"zpiu", "zoom-in"},      {"zmeno", "zoom-out"},
        {"zest", "zoom-fit-best"},
    };
    for (const auto& [key_, theme] : names)
        if (std::strcmp(key, key_) == 0) return theme;
    return nullptr;
}

QIcon CommandIcon(const char* key) {
    if (*key == '\0') return {};
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(key));
    QIcon ours;
    for (int size : {IconSize, 2 * IconSize}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        svg.render(&painter);
        painter.end();
        ours.addPixmap(picture);
    }
    const char* theme = ThemeIconName(key);
    return theme ? QIcon::fromTheme(theme, ours) : ours;
}

// A caption without its access-key marks, as a tooltip shows it.
QString WithoutAccessKey(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

// Menu icons at the toolbar's size.
class LargeMenuIcons : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_SmallIconSize) return IconSize;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

CommandBars::CommandBars(QMainWindow& window, const Session& session, Execute execute)
    : QObject(&window), session_(session), execute_(std::move(execute)) {
    RegisterCommandIcons();
    QMenuBar* menuBar = window.menuBar();
    menuBar->setWindowTitle(QStringLiteral("Menu"));

    toolbar_ = new QToolBar(QStringLiteral("Standard"), &window);
    toolbar_->setObjectName(QStringLiteral("Standard"));
    toolbar_->setIconSize(QSize(IconSize, IconSize));
    window.addToolBar(Qt::TopToolBarArea, toolbar_);
    for (int32_t id : ToolbarLayout()) {
        if (id == BarSeparator) toolbar_->addSeparator();
        else toolbar_->addAction(MakeAction(id));
    }

    fileMenu_ = menuBar->addMenu(QStringLiteral("&File"));
    auto* style = new LargeMenuIcons;
    style->setParent(fileMenu_);
    fileMenu_->setStyle(style);
    fileMenu_->setToolTipsVisible(true);
    for (int32_t id : FileMenuLayout()) {
        if (id == BarSeparator) fileMenu_->addSeparator();
        else fileMenu_->addAction(Action(id) ? Action(id) : MakeAction(id));
    }
    connect(fileMenu_, &QMenu::aboutToShow, this, [this] {
        RefreshRecent();
        Update();
    });
    menuBar->addAction(MakeAction(DxfOutputCommand));
    menuBar->addAction(MakeAction(AboutCommand));
    RefreshRecent();
}

QAction* CommandBars::MakeAction(int32_t id) {
    const CommandInfo* command = FindCommand(id);
    auto* action = new QAction(QString::fromStdString(PulsText(id, session_.shell.Languages)), this);
    action->setData(id);
    action->setToolTip(WithoutAccessKey(action->text()));
    if (command) action->setIcon(CommandIcon(command->IconKey));
    action->setCheckable(id == 118);
    connect(action, &QAction::triggered, this, [this, id] { execute_(id); });
    actions_[id] = action;
    return action;
}

QAction* CommandBars::Action(int32_t id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CommandBars::Update() {
    for (const auto& [id, action] : actions_) {
        const CommandUpdate update = UpdateCommand(id, session_);
        if (!update.Touched) continue;
        if (action->isCheckable()) action->setChecked(update.Checked);
        action->setEnabled(update.Enabled);
    }
}

void CommandBars::RefreshRecent() {
    const RecentFileList& recent = session_.shell.Recent;
    for (int32_t slot = 0; slot < RecentFileCommandCount; ++slot) {
        QAction* action = Action(FirstRecentFileCommand + slot);
        if (!action) continue;
        const bool inUse = RecentFileSlotInUse(slot, session_);
        const std::string& path = recent.RecentFiles[static_cast<size_t>(slot)];
        // A "&" in a file name is shown, not taken as an access key.
        action->setText(inUse ? QString::fromStdString(PulisciNome(path)).replace(QLatin1Char('&'), QStringLiteral("&&"))
                              : QString());
        action->setToolTip(inUse ? QString::fromStdString(path) : QString());
        action->setVisible(inUse);
    }
}

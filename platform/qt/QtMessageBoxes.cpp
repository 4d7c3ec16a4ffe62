#include "platform/qt/QtMessageBoxes.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// The window manager writes the box's title in a title bar that also holds the frame's icon and its
// buttons, each about as wide as a line of text, with some room between them; a bold face is usual.
constexpr int FrameControlsInLines = 10;

struct ButtonSet {
    QMessageBox::StandardButtons Buttons;
    QMessageBox::StandardButton First;   // the default button, as the first one is
    QMessageBox::StandardButton Escape;  // what closing the box answers
};

ButtonSet ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MsgButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel};
    case MsgButtons::RetryCancel:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Cancel};
    case MsgButtons::Ok: break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    default: return MsgAnswer::Ok;
    }
}

// A box sized for its text alone may be narrower than its title, which the title bar then cuts
// ("Lo... or!"): a spacer keeps the box as wide as the whole title asks.
void MakeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QMargins margins = grid->contentsMargins();
    const int width = metrics.horizontalAdvance(box.windowTitle()) + FrameControlsInLines * metrics.height() -
                      margins.left() - margins.right();
    // In the buttons' row, across every column, so that it adds no row of its own.
    int row = grid->rowCount(), column = 0, rows = 1, columns = 1;
    if (auto* buttons = box.findChild<QDialogButtonBox*>(); buttons && grid->indexOf(buttons) >= 0)
        grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rows, &columns);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), row, 0, 1, grid->columnCount());
}

}  // namespace

MsgAnswer QtMessageBoxes::Show(const std::string& title, const std::string& text, MsgButtons buttons,
                               MsgIcon icon) {
    const ButtonSet set = ButtonsOf(buttons);
    QMessageBox box(IconOf(icon), QString::fromStdString(title), QString::fromStdString(text), set.Buttons,
                    parent_);
    box.setDefaultButton(set.First);
    box.setEscapeButton(set.Escape);
    MakeRoomForTitle(box);
    RunModal(runner_, box);
    QAbstractButton* clicked = box.clickedButton();
    return AnswerOf(clicked ? box.standardButton(clicked) : set.Escape);
}

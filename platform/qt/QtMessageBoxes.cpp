#include "platform/qt/QtMessageBoxes.h"

#include <QMessageBox>

namespace {

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

}  // namespace

MsgAnswer QtMessageBoxes::Show(const std::string& title, const std::string& text, MsgButtons buttons,
                               MsgIcon icon) {
    const ButtonSet set = ButtonsOf(buttons);
    QMessageBox box(IconOf(icon), QString::fromStdString(title), QString::fromStdString(text), set.Buttons,
                    parent_);
    box.setDefaultButton(set.First);
    box.setEscapeButton(set.Escape);
    RunModal(runner_, box);
    QAbstractButton* clicked = box.clickedButton();
    return AnswerOf(clicked ? box.standardButton(clicked) : set.Escape);
}

#pragma once
// Message boxes of the window: QMessageBox, modal over `parent`.
#include "platform/MessageBox.h"
#include "platform/qt/ModalRunner.h"

class QWidget;

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr, ModalRunner runner = {})
        : parent_(parent), runner_(std::move(runner)) {}

    MsgAnswer Show(const std::string& title, const std::string& text, MsgButtons buttons,
                   MsgIcon icon) override;

private:
    QWidget* parent_;
    ModalRunner runner_;
};

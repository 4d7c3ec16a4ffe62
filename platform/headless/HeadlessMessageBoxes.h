#pragma once
// Message boxes without a screen: answers come from a script, every box is recorded, and
// (in batch mode) each text can be echoed to standard error.
#include <deque>
#include <vector>

#include "platform/MessageBox.h"

struct ShownMessage {
    std::string Title;
    std::string Text;
    MsgButtons Buttons = MsgButtons::Ok;
    MsgIcon Icon = MsgIcon::None;
    MsgAnswer Answer = MsgAnswer::Ok;
};

class HeadlessMessageBoxes : public MessageBoxes {
public:
    explicit HeadlessMessageBoxes(bool echoToStderr = false) : echo_(echoToStderr) {}

    MsgAnswer Show(const std::string& title, const std::string& text, MsgButtons buttons,
                   MsgIcon icon) override;

    // Answers for the next boxes, in order; once used up, each box takes its first button.
    void Script(std::initializer_list<MsgAnswer> answers) { script_.insert(script_.end(), answers); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }
    void ClearShown() { shown_.clear(); }

private:
    bool echo_;
    std::deque<MsgAnswer> script_;
    std::vector<ShownMessage> shown_;
};

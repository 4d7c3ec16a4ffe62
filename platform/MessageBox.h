#pragma once
// Message boxes: a title, a text (both UTF-8), a set of buttons and an icon, answered by the button
// pressed.
#include <string>

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer Show(const std::string& title, const std::string& text,
                           MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) = 0;
};

// The answer a box gives when nobody is there to press a button: the first button.
MsgAnswer DefaultAnswer(MsgButtons buttons);

#include "platform/headless/HeadlessMessageBoxes.h"

#include <iostream>

MsgAnswer HeadlessMessageBoxes::Show(const std::string& title, const std::string& text,
                                     MsgButtons buttons, MsgIcon icon) {
    MsgAnswer answer = DefaultAnswer(buttons);
    if (!script_.empty()) {
        answer = script_.front();
        script_.pop_front();
    }
    shown_.push_back({title, text, buttons, icon, answer});
    if (echo_) std::cerr << title << ": " << text << "\n";
    return answer;
}

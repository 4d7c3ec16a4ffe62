#include "platform/MessageBox.h"

MsgAnswer DefaultAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    default: return MsgAnswer::Ok;
    }
}

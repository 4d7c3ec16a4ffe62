#include "platform/headless/HeadlessFileDialogs.h"

std::string HeadlessFileDialogs::AnswerFile(DialogKind kind, const FileDialogRequest& request) {
    std::string path;
    if (!paths_.empty()) {
        path = paths_.front();
        paths_.pop_front();
    }
    asked_.push_back({kind, request, 0, path, 0});
    return path;
}

std::string HeadlessFileDialogs::OpenFile(const FileDialogRequest& request) {
    return AnswerFile(DialogKind::OpenFile, request);
}

std::string HeadlessFileDialogs::SaveFile(const FileDialogRequest& request) {
    return AnswerFile(DialogKind::SaveFile, request);
}

ColourRef HeadlessFileDialogs::PickColour(ColourRef start) {
    ColourRef colour = start;
    if (!colours_.empty()) {
        colour = colours_.front();
        colours_.pop_front();
    }
    asked_.push_back({DialogKind::Colour, {}, start, {}, colour});
    return colour;
}

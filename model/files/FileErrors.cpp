#include "model/files/FileErrors.h"

#include <cerrno>
#include <string>

namespace {

class WholeFileCategoryImpl : public std::error_category {
public:
    const char* name() const noexcept override { return "whole file"; }
    std::string message(int value) const override {
        switch (static_cast<WholeFileError>(value)) {
            case WholeFileError::ReadOnly: return "the file is read-only";
            case WholeFileError::NotARegularFile: return "not a regular file";
            case WholeFileError::OneFile: return "two of the files would be one file";
            case WholeFileError::StickyFolder: return "another user's file in a shared folder that is not yours";
            case WholeFileError::ImmutableFile: return "the file is immutable";
            case WholeFileError::AppendOnlyFile: return "the file is append-only";
            case WholeFileError::ImmutableFolder: return "its folder is immutable";
            case WholeFileError::AppendOnlyFolder: return "its folder is append-only";
        }
        return "unknown error";
    }
};

}  // namespace

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

const std::error_category& WholeFileCategory() {
    static const WholeFileCategoryImpl category;
    return category;
}

std::error_code make_error_code(WholeFileError error) { return {static_cast<int>(error), WholeFileCategory()}; }

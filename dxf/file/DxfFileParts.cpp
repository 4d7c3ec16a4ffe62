#include "dxf/file/DxfFileParts.h"

#include <cerrno>
#include <string_view>

namespace {

bool Write(std::FILE* file, std::string_view text, std::error_code& error) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) == text.size()) return true;
    error = {errno != 0 ? errno : EIO, std::generic_category()};
    return false;
}

}  // namespace

std::string& DxfFileParts::Text() {
    if (parts_.empty() || parts_.back().Spool) parts_.push_back({});
    return parts_.back().Text;
}

void DxfFileParts::Spool(const std::string& spool, const DxfSpoolFile* file) {
    parts_.push_back({{}, &spool, file});
    const bool endsLine = spool.empty() ? !file || file->EndsLine() : spool.ends_with("\r\n");
    if (!endsLine) Text() += "\r\n";
}

void DxfFileParts::Prepend(std::string text) { parts_.insert(parts_.begin(), Part{std::move(text)}); }

bool DxfFileParts::WriteTo(std::FILE* file, std::error_code& error) const {
    for (const Part& p : parts_) {
        if (p.File && !p.File->CopyTo(file, error)) return false;
        if (!Write(file, p.Spool ? *p.Spool : p.Text, error)) return false;
    }
    return true;
}

std::string DxfFileParts::Joined() const {
    size_t size = 0;
    for (const Part& p : parts_) size += (p.File ? p.File->Size() : 0) + (p.Spool ? *p.Spool : p.Text).size();
    std::string text;
    text.reserve(size);
    for (const Part& p : parts_) {
        std::error_code error;
        if (p.File && !p.File->AppendTo(text, error)) throw std::system_error(error);
        text += p.Spool ? *p.Spool : p.Text;
    }
    return text;
}

#include "dxf/file/DxfFileParts.h"

std::string& DxfFileParts::Text() {
    if (parts_.empty() || parts_.back().Spool) parts_.push_back({});
    return parts_.back().Text;
}

void DxfFileParts::Spool(const std::string& spool) {
    parts_.push_back({{}, &spool});
    if (!spool.empty() && !spool.ends_with("\r\n")) Text() += "\r\n";
}

void DxfFileParts::Prepend(std::string text) { parts_.insert(parts_.begin(), Part{std::move(text)}); }

std::vector<std::string_view> DxfFileParts::Views() const {
    std::vector<std::string_view> views;
    views.reserve(parts_.size());
    for (const Part& p : parts_) views.push_back(p.Spool ? std::string_view(*p.Spool) : std::string_view(p.Text));
    return views;
}

std::string DxfFileParts::Joined() const {
    const std::vector<std::string_view> views = Views();
    size_t size = 0;
    for (std::string_view v : views) size += v.size();
    std::string text;
    text.reserve(size);
    for (std::string_view v : views) text += v;
    return text;
}

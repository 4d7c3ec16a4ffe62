#include "model/SaveCrpFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "model/DataFileWriter.h"
#include "model/Helpers.h"
#include "model/ModelSections.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr fs::perms AnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

bool AskOverwriteReadOnly(DeckFileContext& context) {
    const LanguageFlags& languages = context.shell.Languages;
    const std::string text = languages.UiLanguage == 0
                                 ? "Il file risulta di sola lettura.\nVuoi sovrascriverlo?"
                                 : "The file has the read-only attribute, do you want to overwrite it too?";
    return context.messages.Show(GetWarningTitle(languages), text, MsgButtons::YesNo, MsgIcon::Question) ==
           MsgAnswer::Yes;
}

void ShowSaveFailed(const std::string& path, const std::string& reason, DeckFileContext& context) {
    const LanguageFlags& languages = context.shell.Languages;
    const std::string text =
        languages.UiLanguage == 0
            ? "Impossibile salvare il file " + path + " (" + reason + ").\nIl file precedente non è stato modificato."
            : "The file " + path + " could not be saved (" + reason + ").\nThe previous file has not been changed.";
    context.messages.Show(GetWarningTitle(languages), text, MsgButtons::Ok, MsgIcon::Exclamation);
}

// Writes `text` to `path` and makes sure it reached the disk; the reason of a failure in `reason`.
bool WriteFileDurably(const std::string& path, const std::string& text, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    if (!ok) reason = std::strerror(errno);
    if (std::fclose(file) != 0 && ok) {
        reason = std::strerror(errno);
        ok = false;
    }
    return ok;
}

}  // namespace

std::string FormatCrpText(const Model& model, const ConstDeckOptions& options, int32_t fileVersion,
                          int32_t drawingDataVersion) {
    DataFileWriter writer;
    WriteModelSections(writer, model, fileVersion, drawingDataVersion);
    if (drawingDataVersion != 0) WriteDrawingDataSections(writer, model, options, drawingDataVersion, fileVersion);
    return writer.TakeOutput();
}

bool IsReadOnlyFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return !ec && fs::is_regular_file(status) && (status.permissions() & AnyWrite) == fs::perms::none;
}

bool SaveCrpFile(const std::string& path, DeckFileContext& context) {
    context.shell.CanvasPointer = PointerCrosshair;

    if (FileExists(path) && IsReadOnlyFile(path)) {
        if (!AskOverwriteReadOnly(context)) return false;
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
    }

    const std::string text =
        FormatCrpText(context.model, ConstDeckOptions{context.shell.Options, context.drawing, context.design});

    // The old file is replaced only by a complete new one.
    const std::string temporary = path + ".~tmp";
    std::string reason;
    if (!WriteFileDurably(temporary, text, reason)) {
        std::error_code ignored;
        if (!fs::is_directory(temporary, ignored)) fs::remove(temporary, ignored);
        ShowSaveFailed(path, reason, context);
        return false;
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        ShowSaveFailed(path, ec.message(), context);
        return false;
    }
    return true;
}

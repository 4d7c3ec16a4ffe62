#include "shell/SaveAsArchive.h"

#include <filesystem>
#include <system_error>

#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "model/files/ArchiveCopy.h"
#include "model/files/ArchiveReader.h"
#include "model/files/WholeFiles.h"
#include "shell/ShellMessages.h"

namespace {

// A regular file only: a pipe or a device under the archive's name would never end or answer.
bool ReadArchive(const std::string& path, std::string& bytes) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ReadWholeFile(path, bytes);
}

}  // namespace

SaveAsArchive CheckArchiveForSaveAs(const Session& session, MessageBoxes& messages, const std::string& chosen) {
    SaveAsArchive archive;
    const DocumentState& document = session.shell.Document;
    if (!document.DeckLoaded) return archive;
    archive.DeckArchiveRead = ReadArchive(ArchivePathIn(document.ArchiveFolder), archive.DeckArchive);
    const std::string there = ArchivePathIn(GetParentFolder(chosen));
    std::string thereBytes;
    if (!ReadArchive(there, thereBytes)) {
        // An archive there that cannot be read is still the one a deck opened there looks for: it
        // differs as far as anybody can tell. Whatever else stands under the name (nothing, a
        // folder, a link to nothing) is no archive: the copy is tried, and refused where the name
        // is taken.
        std::error_code error;
        if (!std::filesystem::is_regular_file(there, error)) {
            archive.CopyNeeded = true;
            return archive;
        }
    } else if (archive.DeckArchiveRead && thereBytes == archive.DeckArchive) {
        return archive;
    }
    const LanguageFlags& languages = session.shell.Languages;
    archive.Proceed = messages.Show(GetWarningTitle(languages),
                                    UiText(ShellMessages::OtherArchiveQuestion, languages, {there}),
                                    MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
    return archive;
}

void PlaceArchiveAfterSaveAs(const SaveAsArchive& archive, const Session& session, MessageBoxes& messages,
                             const std::string& chosen) {
    if (!archive.CopyNeeded) return;
    const LanguageFlags& languages = session.shell.Languages;
    const std::string folder = GetParentFolder(chosen);
    std::string reason;
    if (!archive.DeckArchiveRead) {
        reason = UiText(ShellMessages::ArchiveUnreadable, languages,
                        {ArchivePathIn(session.shell.Document.ArchiveFolder)});
    } else {
        std::error_code error;
        if (CreateFileWhereFree(folder, ArchiveFileName, archive.DeckArchive, error)) return;
        reason = error.message();
    }
    messages.Show(GetWarningTitle(languages),
                  UiText(ShellMessages::ArchiveNotCopied, languages, {chosen, reason, ArchivePathIn(folder)}),
                  MsgButtons::Ok, MsgIcon::Exclamation);
}

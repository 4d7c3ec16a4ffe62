#include "shell/SaveAsArchive.h"

#include <system_error>

#include "model/common/Helpers.h"
#include "model/files/ArchiveCopy.h"
#include "shell/ShellMessages.h"

namespace {

// The question for what stands at the archive's name, where it is no archive of any kind.
std::string NoArchiveQuestion(const SaveAsArchive& archive, const LanguageFlags& languages) {
    const Bilingual& what = archive.There == ArchiveThere::Folder          ? ShellMessages::ArchiveNameFolder
                            : archive.There == ArchiveThere::LinkToNothing ? ShellMessages::ArchiveNameLinkToNothing
                                                                           : ShellMessages::ArchiveNameOtherThing;
    return UiText(ShellMessages::NoArchiveQuestion, languages, {archive.TherePath, UiText(what, languages)});
}

}  // namespace

SaveAsArchive CheckArchiveForSaveAs(const Session& session, MessageBoxes& messages, const std::string& chosen) {
    SaveAsArchive archive;
    const DocumentState& document = session.shell.Document;
    if (!document.DeckLoaded) return archive;
    static_cast<ArchiveAlong&>(archive) = CheckArchiveAlong(document.ArchiveFolder, chosen);
    if (ArchiveFits(archive)) return archive;
    const LanguageFlags& languages = session.shell.Languages;
    const bool anArchive = archive.There == ArchiveThere::OtherArchive || archive.There == ArchiveThere::Unreadable;
    const std::string question = anArchive
                                     ? UiText(ShellMessages::OtherArchiveQuestion, languages, {archive.TherePath})
                                     : NoArchiveQuestion(archive, languages);
    archive.Proceed = messages.Show(GetWarningTitle(languages), question, MsgButtons::YesNo, MsgIcon::Question) ==
                      MsgAnswer::Yes;
    return archive;
}

void PlaceArchiveAfterSaveAs(const SaveAsArchive& archive, const Session& session, MessageBoxes& messages,
                             const std::string& chosen) {
    std::error_code error;
    if (PlaceArchiveAlong(archive, chosen, error)) return;
    const LanguageFlags& languages = session.shell.Languages;
    const std::string reason =
        archive.DeckArchiveRead
            ? error.message()
            : UiText(ShellMessages::ArchiveUnreadable, languages, {ArchivePathIn(session.shell.Document.ArchiveFolder)});
    messages.Show(GetWarningTitle(languages),
                  UiText(ShellMessages::ArchiveNotCopied, languages, {chosen, reason, archive.TherePath}),
                  MsgButtons::Ok, MsgIcon::Exclamation);
}

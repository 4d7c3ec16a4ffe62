#include "model/files/SaveCrpFile.h"

#include <system_error>

#include "model/files/DataFileWriter.h"
#include "model/common/Helpers.h"
#include "model/files/ModelSections.h"
#include "model/files/TextDigestSink.h"
#include "model/files/FileStepTexts.h"
#include "model/files/ReplacementChecks.h"
#include "model/files/WholeFiles.h"
#include "model/common/ModelMessages.h"

namespace {

bool AskOverwriteReadOnly(const LanguageFlags& languages, Platform& platform) {
    return platform.messages.Show(GetWarningTitle(languages), UiText(ModelMessages::OverwriteReadOnly, languages),
                                  MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

void ShowSaveFailed(const std::string& path, const std::string& reason, const LanguageFlags& languages,
                    Platform& platform) {
    platform.messages.Show(GetWarningTitle(languages), UiText(ModelMessages::SaveFailed, languages, {path, reason}),
                           MsgButtons::Ok, MsgIcon::Exclamation);
}

// One formatting for the text a save writes and for its digest.
void WriteCrpText(DataFileWriter& writer, const Model& model, const ConstDeckOptions& options, int32_t fileVersion,
                  int32_t drawingDataVersion) {
    WriteModelSections(writer, model, fileVersion, drawingDataVersion);
    if (drawingDataVersion != 0) WriteDrawingDataSections(writer, model, options, drawingDataVersion, fileVersion);
}

// The data file a save of `session`'s deck writes.
void WriteSessionText(DataFileWriter& writer, const Session& session) {
    WriteCrpText(writer, session.model, ConstDeckOptions{session.shell.Options, session.drawing, session.design},
                 CurrentFileVersion, CurrentDrawingDataVersion);
}

}  // namespace

std::string FormatCrpText(const Model& model, const ConstDeckOptions& options, int32_t fileVersion,
                          int32_t drawingDataVersion) {
    DataFileWriter writer;
    WriteCrpText(writer, model, options, fileVersion, drawingDataVersion);
    return writer.TakeOutput();
}

std::string FormatSessionText(const Session& session) {
    DataFileWriter writer;
    WriteSessionText(writer, session);
    return writer.TakeOutput();
}

TextDigest SessionTextDigest(const Session& session) {
    TextDigestSink digest;
    DataFileWriter writer(digest);
    WriteSessionText(writer, session);
    writer.Finish();
    return digest.Digest();
}

bool IsReadOnlyFile(const std::string& path) {
    // The replacement's own check, so that the question is asked exactly where a save would be refused.
    return ReplacementRefusal(path) == WholeFileError::ReadOnly;
}

SaveOutcome WriteCrpFile(const std::string& path, Session& session, Platform& platform) {
    session.shell.CanvasPointer = PointerCrosshair;

    // The old file keeps its mode throughout: a refused save leaves it read-only, and the new file
    // takes its bits, read-only as it was.
    ReadOnlyTarget readOnly = ReadOnlyTarget::Refused;
    if (FileExists(path) && IsReadOnlyFile(path)) {
        if (!AskOverwriteReadOnly(session.shell.Languages, platform)) return SaveOutcome::Declined;
        readOnly = ReadOnlyTarget::ReplacedWithConsent;
    }

    const std::string text = FormatSessionText(session);

    const std::string_view pieces[] = {text};
    const WholeFileText file[] = {{path, pieces}};
    WholeFilesCommit commit;
    if (!ReplaceWholeFiles(file, commit, {}, readOnly)) {
        ShowSaveFailed(path, StepAndCause(commit.Step, commit.Error, session.shell.Languages), session.shell.Languages,
                       platform);
        return SaveOutcome::Failed;
    }
    session.shell.Document.UnchangedDigest = DigestOf(text);
    return SaveOutcome::Written;
}

bool SaveCrpFile(const std::string& path, Session& session, Platform& platform) {
    return WriteCrpFile(path, session, platform) == SaveOutcome::Written;
}

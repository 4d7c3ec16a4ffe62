#include "dxf/export/DxfExport.h"

#include <exception>
#include <filesystem>
#include <span>
#include <string_view>
#include <system_error>
#include <utility>

#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExportMessages.h"
#include "dxf/file/DxfFile.h"
#include "dxf/output/DxfPlanPass.h"
#include "dxf/writers/DxfSpoolFile.h"
#include "dxf/writers/DxfWriterState.h"
#include "model/common/Helpers.h"
#include "model/files/LoadCrpFile.h"
#include "model/files/FileStepTexts.h"
#include "model/files/WholeFiles.h"
#include "plangeom/CompleteDeck.h"

namespace {

// Room between two decks side by side, in model cm.
constexpr float DeckGap = 550;

// Ends the export; its text is the message the user is shown.
struct ExportFailure {
    ExportFailure(std::string message, std::vector<std::string> replaced = {})
        : Message(std::move(message)), Replaced(std::move(replaced)) {}
    std::string Message;
    std::vector<std::string> Replaced;  // the files that took their new text all the same
};

std::string Attribute(const std::error_code& error, const LanguageFlags& languages) {
    const bool immutable = error == WholeFileError::ImmutableFile || error == WholeFileError::ImmutableFolder;
    return UiText(immutable ? DxfExportMessages::ImmutableAttribute : DxfExportMessages::AppendOnlyAttribute,
                  languages);
}

// The folder the file's links end in, which is the one that refuses, named in full: a drawing
// given by its bare name would otherwise be in the folder ".".
std::string RefusingFolder(const std::string& path) {
    std::error_code error;
    const std::filesystem::path end = std::filesystem::absolute(ReplacedFileName(path), error);
    return error ? FolderOf(ReplacedFileName(path)) : FolderOf(end.lexically_normal());
}

// A file of the export that could not be written, said in the user's terms: a refused permission is
// the folder's only where the step that met it made or named a file there.
ExportFailure WriteFailure(const std::error_code& error, const std::string& path, const LanguageFlags& languages,
                           FileStep step = FileStep::Check) {
    if (error == WholeFileError::StickyFolder)
        return {UiText(DxfExportMessages::FileOfAnotherUser, languages, {path})};
    if (error == WholeFileError::ImmutableFile || error == WholeFileError::AppendOnlyFile)
        return {UiText(DxfExportMessages::FileLocked, languages, {path, Attribute(error, languages)})};
    if (error == WholeFileError::ImmutableFolder || error == WholeFileError::AppendOnlyFolder)
        return {UiText(DxfExportMessages::FolderLocked, languages,
                       {RefusingFolder(path), Attribute(error, languages), path})};
    if (StepMeetsTheFolder(step) && (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
                                     error == std::errc::read_only_file_system))
        return {UiText(DxfExportMessages::FolderNotPermitted, languages)};
    if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy)
        return {UiText(DxfExportMessages::FileAlreadyOpen, languages)};
    return {UiText(DxfExportMessages::FileNotWritten, languages, {path, StepAndCause(step, error, languages)})};
}

std::string Joined(std::span<const WholeFileText> files) {
    std::string names;
    for (const WholeFileText& file : files) names += (names.empty() ? "" : ", ") + file.Path;
    return names;
}

// Replaces the files together, the drawing first.
void WriteExportFiles(std::span<const WholeFileText> files, const LanguageFlags& languages, const CommitCalls& calls) {
    WholeFilesCommit commit;
    if (ReplaceWholeFiles(files, commit, calls)) return;
    if (commit.Error == WholeFileError::OneFile)
        throw ExportFailure{UiText(DxfExportMessages::DrawingIsTakeoffList, languages, {files.front().Path})};
    if (commit.Replaced == 0) throw WriteFailure(commit.Error, files[commit.Failed].Path, languages, commit.Step);
    std::vector<std::string> replaced;
    for (const WholeFileText& file : files.first(commit.Replaced)) replaced.push_back(file.Path);
    throw ExportFailure(UiText(DxfExportMessages::FilesPartlyReplaced, languages,
                               {Joined(files.first(commit.Replaced)), Joined(files.subspan(commit.Replaced)),
                                commit.Error.message()}),
                        std::move(replaced));
}

// Loads and draws each deck in turn, each one to the right of the one before.
void NewFileDXF(Session& session, Platform& platform, const std::vector<std::string>& dataFiles,
                DxfWriterState& writer, DxfExportResult& result) {
    session.dxf.DxfOffsetX = 0;
    for (const std::string& path : dataFiles) {
        if (!FileExists(path))
            throw ExportFailure{UiText(DxfExportMessages::DataFileMissing, session.shell.Languages, {path})};
        session.model.ClearBeforeLoad();
        int32_t slabDesign = -1;  // a loaded deck does not change the document's design state
        LoadCrpFile(path, slabDesign, session, platform, SessionCompletion(session));
        if (session.shell.Document.LoadStatus != 0) {
            result.SkippedDataFiles.push_back(path);
            continue;
        }
        DrawPlanIntoDxf(session, writer);
        ++result.DecksDrawn;
        const PlanHeader& h = session.model.Header;
        session.dxf.DxfOffsetX = session.dxf.DxfOffsetX + h.ModelMaxX + DeckGap - h.ModelMinX;
    }
}

void ShowWarning(Platform& platform, const LanguageFlags& languages, const std::string& text) {
    platform.messages.Show(GetWarningTitle(languages), text, MsgButtons::Ok, MsgIcon::Exclamation);
}

DxfExportResult Fail(Session& session, Platform& platform, DxfExportResult result, std::string message) {
    session.shell.Document.LoadStatus = -1;
    result.Outcome = DxfExportOutcome::Failed;
    result.Message = std::move(message);
    ShowWarning(platform, session.shell.Languages, result.Message);
    return result;
}

}  // namespace

void SetDxfScaleFactors(DxfOptions& options) {
    options.DxfUnitFactor = options.CadPrintUnits * 0.1f / options.CadPrintMm;
    options.DxfScaleFactor = options.DxfScaleIs50 != 0 ? 2 * options.DxfUnitFactor : options.DxfUnitFactor;
}

std::string TakeoffTextPathOf(const std::string& dxfPath) {
    const size_t nameStart = dxfPath.find_last_of("\\/") + 1;  // 0 when the path is a bare name
    const size_t dot = dxfPath.find_last_of('.');
    const std::string stem = dot != std::string::npos && dot >= nameStart ? dxfPath.substr(0, dot) : dxfPath;
    return stem + ".TXT";
}

DxfExportResult NewSalvaDXF(Session& session, Platform& platform, const std::vector<std::string>& dataFiles,
                            const std::string& dxfPath, const DxfOptions& options, WhenNoDeckLoads whenNoDeckLoads,
                            const CommitCalls& calls) {
    session.dxf = options;
    DerivePillarTopLayer(session.drawing);
    const LanguageFlags& languages = session.shell.Languages;
    DxfExportResult result;
    if (dataFiles.empty()) {
        result.Outcome = DxfExportOutcome::NothingSelected;
        result.Message = UiText(DxfExportMessages::NoDataFiles, languages);
        ShowWarning(platform, languages, result.Message);
        return result;
    }
    if (dxfPath.empty()) {
        result.Outcome = DxfExportOutcome::Cancelled;
        return result;
    }
    result.TakeoffTextPath = TakeoffTextPathOf(dxfPath);
    const bool withList = session.dxf.TakeoffTextFile != 0;
    // The list would take the drawing's place once both are committed, the drawing lost.
    if (withList && WouldBeOneFile(dxfPath, result.TakeoffTextPath))
        return Fail(session, platform, std::move(result),
                    UiText(DxfExportMessages::DrawingIsTakeoffList, languages, {dxfPath}));
    // What would refuse a file its new text is told before any deck is drawn (the commit checks
    // again at its end).
    for (const std::string& path : {dxfPath, withList ? result.TakeoffTextPath : std::string()}) {
        if (path.empty()) continue;
        if (const std::error_code refusal = ReplacementRefusal(path))
            return Fail(session, platform, std::move(result), WriteFailure(refusal, path, languages).Message);
    }
    try {
        DxfWriterState writer;
        InitDxfHandles(writer);
        // The records drawn go to scratch files beside the drawing as they come, so that memory
        // holds little of them whatever the size of the decks.
        DxfSpoolFile entities(dxfPath), blocks(dxfPath);
        AttachDxfSpoolFiles(writer, entities, blocks);
        NewFileDXF(session, platform, dataFiles, writer, result);
        if (result.DecksDrawn == 0 && whenNoDeckLoads == WhenNoDeckLoads::WriteNothing) {
            result.Outcome = DxfExportOutcome::NoDeckLoaded;
            return result;
        }
        const DxfFileParts dxf = DxfFileFor(writer, session.drawing, session.dxf);
        const std::string_view takeoff[] = {writer.TakeoffSpool};
        // The drawing and its take-off list change together or not at all.
        std::vector<WholeFileText> files = {
            {dxfPath, {}, [&dxf](std::FILE* file, std::error_code& error) { return dxf.WriteTo(file, error); }}};
        if (withList) files.push_back({result.TakeoffTextPath, takeoff});
        WriteExportFiles(files, languages, calls);
    } catch (const ExportFailure& failure) {
        result.ReplacedFiles = failure.Replaced;
        return Fail(session, platform, std::move(result), failure.Message);
    } catch (const DxfSpoolError& error) {
        return Fail(session, platform, std::move(result), WriteFailure(error.code(), dxfPath, languages, error.Step).Message);
    } catch (const std::exception& error) {
        return Fail(session, platform, std::move(result), UiText(DxfExportMessages::ExportStopped, languages,
                                                                 {error.what()}));
    }
    result.Outcome = DxfExportOutcome::Written;
    return result;
}

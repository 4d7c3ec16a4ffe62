#include "design/ConcreteSlabHandOff.h"

#include <algorithm>

#include "design/DesignMessages.h"
#include "design/SlabInputFile.h"
#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "model/files/WholeFiles.h"
#include "model/tables/TableAccess.h"

using namespace DesignMessages;

namespace {

// The data file's folder; the current folder for a bare name.
std::string FolderOfCurrentFile(const Session& session) { return GetParentFolder(session.shell.Document.CurrentFile); }

bool IsConcreteSlabIndex(const Model& m, int32_t slab) {
    return slab >= 0 && slab < UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs);
}

int32_t IdOf(const Model& m, int32_t slab) { return m.ConcreteSlabs[static_cast<size_t>(slab)].Id; }

// The slab-design program's file in the program folder; empty when it is not there.
std::string FindSlabDesignProgram(const Session& session) {
    for (const char* name : SlabDesignProgramNames) {
        const std::string path = PathInFolder(session.shell.Folders.ProgramFolder, name);
        if (FileExists(path)) return path;
    }
    return {};
}

void Warn(Session& session, Platform& platform, const std::string& text) {
    platform.messages.Show(GetWarningTitle(session.shell.Languages), text, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace

bool HandOffSucceeded(SlabHandOffResult result) {
    return result == SlabHandOffResult::Written || result == SlabHandOffResult::Started;
}

std::string SlabInputFilePath(const Session& session, int32_t slab) {
    return PathInFolder(FolderOfCurrentFile(session), SlabInputFileName(IdOf(session.model, slab)));
}

SlabHandOffResult ExportConcreteSlabDesign(Session& session, Platform& platform, int32_t slab, int32_t count) {
    Model& m = session.model;
    if (!IsConcreteSlabIndex(m, slab)) return SlabHandOffResult::NotWritten;
    if (!FileExists(PathInFolder(FolderOfCurrentFile(session), SlabResultFileName(IdOf(m, slab))))) {
        Warn(session, platform, SlabNotDesigned);
        return SlabHandOffResult::NotDesigned;
    }

    const std::string path = SlabInputFilePath(session, slab);
    const std::optional<SlabInputFile> file = FormatSlabInputFile(m, slab);
    std::string reason;
    if (!file) reason = UiText(SlabOutlineUnreadable, session.shell.Languages);
    if (!file || !ReplaceWholeFile(path, file->Text, reason)) {
        Warn(session, platform, UiText(SlabFileNotWritten, session.shell.Languages, {path, reason}));
        return SlabHandOffResult::NotWritten;
    }
    if (file->OutlineReversed) ReverseConcreteSlabOutline(m, slab);

    if (session.shell.Document.SlabFileOnly || count >= 2) return SlabHandOffResult::Written;
    const std::string program = FindSlabDesignProgram(session);
    if (program.empty()) {
        platform.messages.Show(SlabFileWrittenTitle, UiText(SlabFileWritten, session.shell.Languages, {path}),
                               MsgButtons::Ok, MsgIcon::Information);
        return SlabHandOffResult::Written;
    }
    if (!platform.programs.Start(program, {path})) {
        Warn(session, platform, UiText(SlabDesignProgramNotStarted, session.shell.Languages, {program}));
        return SlabHandOffResult::NotStarted;
    }
    return SlabHandOffResult::Started;
}

void HandOffPickedConcreteSlabs(Session& session, Platform& platform, const std::vector<int32_t>& found,
                                int32_t count) {
    session.shell.Document.SlabFileOnly = false;
    count = std::clamp<int32_t>(count, 0, static_cast<int32_t>(found.size()));
    if (count == 1) ExportConcreteSlabDesign(session, platform, found[0], 1);
    if (count < 2) return;
    std::string written;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t slab = found[static_cast<size_t>(i)];
        if (HandOffSucceeded(ExportConcreteSlabDesign(session, platform, slab, count)))
            written += SlabInputFileName(IdOf(session.model, slab)) + "\n";
    }
    if (written.empty()) return;
    platform.messages.Show("", SeveralSlabFiles + FolderOfCurrentFile(session) + "\n" + written, MsgButtons::Ok,
                           MsgIcon::Information);
}

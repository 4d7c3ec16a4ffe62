#include "model/files/ArchiveAlong.h"

#include <sys/stat.h>

#include <filesystem>

#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "model/files/ArchiveCopy.h"
#include "model/files/ArchiveReader.h"
#include "model/files/WholeFiles.h"

namespace {

// A regular file only: a pipe or a device under the archive's name would never end or answer.
bool ReadArchive(const std::string& path, std::string& bytes) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ReadWholeFile(path, bytes);
}

// What stands at `path` that is no archive that can be read.
ArchiveThere NoArchiveAt(const std::string& path) {
    struct stat name {};
    if (::lstat(path.c_str(), &name) != 0) return ArchiveThere::Nothing;
    struct stat end {};
    if (::stat(path.c_str(), &end) != 0) return S_ISLNK(name.st_mode) ? ArchiveThere::LinkToNothing : ArchiveThere::OtherThing;
    if (S_ISDIR(end.st_mode)) return ArchiveThere::Folder;
    if (S_ISREG(end.st_mode)) return ArchiveThere::Unreadable;
    return ArchiveThere::OtherThing;
}

}  // namespace

ArchiveAlong CheckArchiveAlong(const std::string& deckArchiveFolder, const std::string& savedTo) {
    ArchiveAlong archive;
    archive.DeckArchiveRead = ReadArchive(ArchivePathIn(deckArchiveFolder), archive.DeckArchive);
    archive.TherePath = ArchivePathIn(GetParentFolder(savedTo));
    std::string thereBytes;
    if (ReadArchive(archive.TherePath, thereBytes)) {
        // An archive there that differs, or that cannot be compared with the deck's, is still the
        // one a deck opened there reads.
        archive.There = archive.DeckArchiveRead && thereBytes == archive.DeckArchive ? ArchiveThere::DecksArchive
                                                                                     : ArchiveThere::OtherArchive;
        return archive;
    }
    archive.There = NoArchiveAt(archive.TherePath);
    archive.CopyNeeded = archive.There == ArchiveThere::Nothing;
    return archive;
}

bool ArchiveFits(const ArchiveAlong& archive) {
    return archive.There == ArchiveThere::Nothing || archive.There == ArchiveThere::DecksArchive;
}

bool PlaceArchiveAlong(const ArchiveAlong& archive, const std::string& savedTo, std::error_code& error) {
    error.clear();
    if (!archive.CopyNeeded) return true;
    if (!archive.DeckArchiveRead) return false;
    return CreateFileWhereFree(GetParentFolder(savedTo), ArchiveFileName, archive.DeckArchive, error);
}

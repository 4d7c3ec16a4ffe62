#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/HeadlessFolders.h"
#include "platform/headless/HeadlessRegistryValues.h"
#include "shell/DocumentTitle.h"
#include "shell/ProgramFolders.h"
#include "shell/StruviaRegistry.h"
#include "tests/support/DeckSession.h"

namespace {

TEST(ProgramFolders, SettingsFolderIsTheProfileFolderElseTheProgramFolder) {
    FolderSet set;
    HeadlessFolders folders("/opt/dravo/bin/", "/home/anna/.config/Dravo/");
    InitFolders(set, folders);
    EXPECT_EQ(set.ProgramFolder, "/opt/dravo/bin");
    EXPECT_EQ(set.SettingsFolder, "/home/anna/.config/Dravo");

    folders.SetProfileFolder("");
    InitFolders(set, folders);
    EXPECT_EQ(set.SettingsFolder, "/opt/dravo/bin");

    folders.SetProgramFolder("C:\\PROGRAMMI\\DRAVO\\");
    InitFolders(set, folders);
    EXPECT_EQ(set.ProgramFolder, "C:\\PROGRAMMI\\DRAVO");
    EXPECT_EQ(set.SettingsFolder, "C:\\PROGRAMMI\\DRAVO");
}

TEST(ProgramFolders, ParentFolderAndFileNameSplitAtEitherSeparator) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // path, parent folder, file name shown
        {"C:\\DATI\\PIANO.CRP", "C:\\DATI", "PIANO.CRP"},
        {"/home/anna/Lavori/Demo.crp", "/home/anna/Lavori", "Demo.crp"},
        {"C:\\DATI/sub\\PIANO.CRP", "C:\\DATI/sub", "PIANO.CRP"},
        // A bare name lies in the current folder: no folder, so a name beside it is bare as well.
        {"PIANO.CRP", "", "PIANO.CRP"},
        {"", "", "Anonimo"},
        // A root folder keeps its separator.
        {"/PIANO.CRP", "/", "PIANO.CRP"},
        {"\\PIANO.CRP", "\\", "PIANO.CRP"},
        {"C:\\PIANO.CRP", "C:\\", "PIANO.CRP"},
        {"/home/anna/", "/home/anna", ""},
    };
    for (const auto& [path, parent, name] : cases) {
        EXPECT_EQ(GetParentFolder(path), parent) << path;
        EXPECT_EQ(PulisciNome(path), name) << path;
    }
    EXPECT_EQ(PathInFolder(GetParentFolder("PIANO.CRP"), "gus00001.mpi"), "gus00001.mpi");
    EXPECT_EQ(PathInFolder(GetParentFolder("/PIANO.CRP"), "gus00001.mpi"), "/gus00001.mpi");
    EXPECT_EQ(MainWindowTitle("Anonimo"), "Dravo  Carpenterie di piano  -  [ Anonimo ]");
    EXPECT_EQ(MainWindowTitle("/home/anna/DEMO.CRP"), "Dravo  Carpenterie di piano  -  [ DEMO.CRP ]");
    EXPECT_EQ(PathInFolder("/home/anna", "Dravo_Imp.ini"), "/home/anna/Dravo_Imp.ini");
    EXPECT_EQ(PathInFolder("", "Dravo_Imp.ini"), "Dravo_Imp.ini");
}

TEST(StruviaRegistry, InterfaceLanguageIsEnglishOnlyForTwo) {
    const std::pair<std::optional<std::string>, int32_t> cases[] = {
        {std::nullopt, 0}, {"2", 1}, {" 2 ", 1}, {"1", 0}, {"0", 0}, {"two", 0}, {"", 0},
    };
    for (const auto& [value, language] : cases) {
        HeadlessRegistryValues registry;
        if (value) registry.Set(StruviaSettingsKey, "Language", *value);
        EXPECT_EQ(ReadUiLanguage(registry), language) << value.value_or("(none)");
    }
}

TEST(StruviaRegistry, DrawingsFolderOfTheMostRecentProject) {
    ScratchFolder scratch("drawings-folder");
    std::filesystem::create_directories(scratch / "CASA.SVQ_data/disegni");
    std::filesystem::create_directories(scratch / "Casa_data/disegni");
    std::filesystem::create_directories(scratch / "File_data");
    ASSERT_TRUE(WriteWholeFile(scratch / "File_data/disegni", "a file, not a folder"));

    // Where no folder is found, none is proposed.
    HeadlessRegistryValues registry;
    EXPECT_EQ(GetStruviaDrawingsFolder(registry), "") << "no recent-file key";
    registry.SetKey(StruviaRecentFilesKey);
    EXPECT_EQ(GetStruviaDrawingsFolder(registry), "") << "no File1";

    const std::pair<std::string, std::string> cases[] = {
        {scratch / "Casa.svq", scratch / "Casa_data/disegni"},
        {scratch / "CASA.SVQ.SVQ", scratch / "CASA.SVQ_data/disegni"},  // cut at the last ".SVQ"
        {scratch / "Altro.SVQ", ""},                                    // no such folder
        {scratch / "File.SVQ", ""},                                     // a file of that name
        {scratch / "Casa.prj", ""},                                     // no ".SVQ"
        {"C:\\LAVORI\\CASA.SVQ", ""},
    };
    for (const auto& [project, folder] : cases) {
        registry.Set(StruviaRecentFilesKey, "File1", project);
        EXPECT_EQ(GetStruviaDrawingsFolder(registry), folder) << project;
    }
}

}  // namespace

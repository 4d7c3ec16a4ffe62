#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"

namespace {

const std::string SettingsKey = "Software\\Orvane\\Struvia\\Settings";
const std::string RecentKey = "Software\\Orvane\\Struvia\\Recent File List";

TEST(HeadlessFileDialogs, AnswerFromTheScriptThenCancelAndRecordWhatWasAsked) {
    HeadlessFileDialogs dialogs;
    dialogs.ScriptPaths({"/lavori/PIANO.CRP", ""});
    dialogs.ScriptColours({PackRgb(0, 128, 255)});

    const FileDialogRequest open{"Apri", "/lavori", "*.CRP", "File dati (*.CRP)|*.CRP", "CRP"};
    EXPECT_EQ(dialogs.OpenFile(open), "/lavori/PIANO.CRP");
    EXPECT_EQ(dialogs.SaveFile({"Salva", "", "Anonimo", "File Dati (*.CRP)|*.CRP", "CRP"}), "");  // scripted cancel
    EXPECT_EQ(dialogs.OpenFile(open), "");  // the script is used up
    EXPECT_EQ(dialogs.PickColour(PackRgb(1, 1, 1)), PackRgb(0, 128, 255));
    EXPECT_EQ(dialogs.PickColour(PackRgb(1, 1, 1)), PackRgb(1, 1, 1));  // cancelled: the start colour

    const auto& asked = dialogs.Asked();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0].Kind, DialogKind::OpenFile);
    EXPECT_EQ(asked[0].Request.Title, "Apri");
    EXPECT_EQ(asked[0].Request.Folder, "/lavori");
    EXPECT_EQ(asked[0].Request.Filter, "File dati (*.CRP)|*.CRP");
    EXPECT_EQ(asked[0].Path, "/lavori/PIANO.CRP");
    EXPECT_EQ(asked[1].Kind, DialogKind::SaveFile);
    EXPECT_EQ(asked[1].Request.FileName, "Anonimo");
    EXPECT_EQ(asked[1].Request.DefaultExtension, "CRP");
    EXPECT_EQ(asked[3].Kind, DialogKind::Colour);
    EXPECT_EQ(asked[3].StartColour, PackRgb(1, 1, 1));
    EXPECT_EQ(asked[3].Colour, PackRgb(0, 128, 255));
}

TEST(HeadlessRegistryValues, AMissingKeyAndAMissingValueAreTold) {
    HeadlessRegistryValues registry;
    registry.Set(SettingsKey, "Language", 2);
    registry.Set(RecentKey, "File1", "C:\\LAVORI\\CASA.SVQ");
    registry.SetKey("Software\\Empty");

    EXPECT_EQ(registry.ReadNumber(SettingsKey, "Language"), 2);
    EXPECT_EQ(registry.ReadString(SettingsKey, "Language"), "2");
    EXPECT_EQ(registry.ReadString(RecentKey, "File1"), "C:\\LAVORI\\CASA.SVQ");
    EXPECT_EQ(registry.ReadNumber(RecentKey, "File1"), std::nullopt);  // text, not a number
    EXPECT_EQ(registry.ReadString(RecentKey, "File2"), std::nullopt);
    EXPECT_TRUE(registry.HasKey(RecentKey));
    EXPECT_TRUE(registry.HasKey("Software\\Empty"));
    EXPECT_EQ(registry.ReadString("Software\\Empty", "File1"), std::nullopt);
    EXPECT_FALSE(registry.HasKey("Software\\Orvane\\Other"));
    EXPECT_EQ(registry.ReadString("Software\\Orvane\\Other", "Language"), std::nullopt);
}

TEST(RegistryNumber, ReadsDecimalWholeNumbersOnly) {
    struct Case { const char* Text; std::optional<int32_t> Number; } cases[] = {
        {"2", 2}, {" 2 ", 2}, {"-7", -7}, {"+7", 7}, {"2147483647", 2147483647},
        {"", std::nullopt}, {"  ", std::nullopt}, {"2x", std::nullopt}, {"0x2", std::nullopt},
        {"2.0", std::nullopt}, {"2147483648", std::nullopt}, {"+-2", std::nullopt}, {"English", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(RegistryNumber(c.Text), c.Number) << '"' << c.Text << '"';
}

TEST(HeadlessPrograms, RecordEveryStartAndAnswerAsTold) {
    HeadlessPrograms programs;
    EXPECT_TRUE(programs.Start("/opt/dravo/Lastrix", {"/lavori/casa data/SOLETTA 3.LST"}));
    programs.SetSucceed(false);
    EXPECT_FALSE(programs.OpenTextFile("/lavori/computo.txt"));

    ASSERT_EQ(programs.Started().size(), 1u);
    EXPECT_EQ(programs.Started()[0].Program, "/opt/dravo/Lastrix");
    EXPECT_EQ(programs.Started()[0].Arguments, std::vector<std::string>{"/lavori/casa data/SOLETTA 3.LST"});
    EXPECT_EQ(programs.OpenedTextFiles(), std::vector<std::string>{"/lavori/computo.txt"});
}

TEST(HeadlessPlatform, TheBundleReachesTheObjectsItOwns) {
    HeadlessPlatform headless;
    headless.folders.SetProgramFolder("/opt/dravo");
    headless.registry.Set(SettingsKey, "Language", 2);
    headless.messages.Script({MsgAnswer::No});

    Platform& platform = headless.platform;
    EXPECT_EQ(platform.folders.ProgramFolder(), "/opt/dravo");
    EXPECT_EQ(platform.folders.ProfileFolder(), "");
    EXPECT_EQ(platform.registry.ReadNumber(SettingsKey, "Language"), 2);
    EXPECT_EQ(platform.messages.Show("T", "Q?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    platform.canvas.Line(0, 0, 1, 1, 0);
    EXPECT_EQ(headless.canvas.Records().size(), 1u);
    EXPECT_EQ(platform.dialogs.PickColour(5), 5);
    EXPECT_TRUE(platform.programs.Start("x", {}));
    EXPECT_EQ(headless.programs.Started().size(), 1u);
}

}  // namespace

#include "model/files/WholeFiles.h"
#include "model/files/ArchiveReader.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "model/files/DataFileReader.h"
#include "platform/sectionserver/BuiltinSectionServer.h"
#include "platform/headless/HeadlessMessageBoxes.h"

namespace {

std::string Fixture(const std::string& name) { return std::string(DRAVO_FIXTURES) + "/archive/" + name; }

std::string FixtureText(const std::string& name) {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(Fixture(name), text)) << name;
    return text;
}

// A file of its own for each variation written by a test, removed with it.
struct TempArchive {
    explicit TempArchive(const std::string& text) {
        static std::atomic<int> counter{0};
        Path = (std::filesystem::temp_directory_path() /
                ("dravo-ARCHIMPA-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".AI0"))
                   .string();
        std::ofstream(Path, std::ios::binary) << text;
    }
    ~TempArchive() {
        std::error_code ec;
        std::filesystem::remove(Path, ec);
    }
    std::string Path;
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

struct ArchiveRun {
    SectionCatalogue Catalogue;
    ShellState Shell;
    HeadlessMessageBoxes Messages;
    BuiltinSectionServer Builtin;

    void Read(const std::string& path) { Read(path, Builtin); }
    void Read(const std::string& path, SectionPropertiesServer& server) {
        ReadSectionArchive(path, Catalogue, Shell, Messages, server);
    }
};

TEST(ArchiveReaderTest, Version5ReadsSectionsSlabTypesFootingsAndTables) {
    ArchiveRun run;
    run.Shell.Document.LoadStatus = -1;
    run.Read(Fixture("version5.AI0"));
    ASSERT_EQ(run.Shell.Document.LoadStatus, 0);
    EXPECT_TRUE(run.Messages.Shown().empty());
    const SectionCatalogue& c = run.Catalogue;

    ASSERT_EQ(c.ArchiveSectionCount, 6);
    EXPECT_EQ(c.SectionClass, (std::vector<int32_t>{0, 1, 0, 2, -1, 3, 0}));
    EXPECT_EQ(c.SectionShape, (std::vector<int32_t>{1, 1, 2, 7, 0, 4, 0}));
    EXPECT_EQ(c.SectionParams[0], (SectionParamRow{30, 50, 0, 0, 0, 0}));
    EXPECT_EQ(c.SectionParams[1], (SectionParamRow{300, 0, 0, 0, 0, 0}));  // first server record
    EXPECT_EQ(c.SectionParams[2], (SectionParamRow{30, 60, 100, 15, 0, 0}));
    EXPECT_EQ(c.SectionParams[3], (SectionParamRow{200, 100, 1, 0, 0, 0}));  // second server record
    EXPECT_EQ(c.SectionParams[5], SectionParamRow{});
    ASSERT_EQ(c.ServerSectionCount, 2);
    EXPECT_EQ(c.ServerSections.size(), 7u);
    EXPECT_EQ(c.ServerSections[0].Name, "IPE 300");
    EXPECT_FLOAT_EQ(c.ServerSections[0].Width, 15);
    EXPECT_FLOAT_EQ(c.ServerSections[0].Height, 30);
    EXPECT_EQ(c.ServerSections[1].Name, "UPN 200");

    ASSERT_EQ(c.SlabTypeCount, 2);
    ASSERT_EQ(c.SlabTypes.size(), 3u);
    EXPECT_EQ(c.SlabTypes[0], (SlabType{1, "Laterocemento 20+4"}));
    EXPECT_EQ(c.SlabTypes[1], (SlabType{0, "Soletta piena"}));

    ASSERT_EQ(c.FootingTypeCount, 4);
    ASSERT_EQ(c.FootingTypes.size(), 5u);
    const FootingType& f0 = c.FootingTypes[0];
    EXPECT_EQ(f0.Shape, 0);
    EXPECT_EQ(f0.Eccentric, 1);
    EXPECT_EQ(f0.Dims, (std::array<float, 12>{0, 200, 150, 80, 60, 50, 30, 10, -5, 30, 0, 0}));
    const FootingType& f1 = c.FootingTypes[1];
    EXPECT_EQ(f1.Shape, 2);
    EXPECT_EQ(f1.Eccentric, 0);
    EXPECT_EQ(f1.Dims, (std::array<float, 12>{0, 220, 180, 90, 70, 60, 40, 0, 0, 15, 25, 35}));
    const FootingType& f2 = c.FootingTypes[2];  // six extra lines follow shapes above 2
    EXPECT_EQ(f2.Shape, 7);
    EXPECT_EQ(f2.Dims, (std::array<float, 12>{0, 300, 200, 100, 80, 12, 45, 55, 0, 0, 0, 0}));
    const FootingType& f3 = c.FootingTypes[3];  // a code without dimensions, still six lines
    EXPECT_EQ(f3.Shape, 11);
    EXPECT_EQ(f3.Eccentric, 1);
    EXPECT_EQ(f3.Dims, (std::array<float, 12>{}));

    ASSERT_EQ(c.ArchiveTableACount, 2);
    EXPECT_EQ(c.ArchiveTableA[1], (std::array<float, 5>{6, 7, 8, 9, 10}));
    ASSERT_EQ(c.ArchiveTableBCount, 1);
    EXPECT_EQ(c.ArchiveTableB[0], (std::array<float, 4>{1.5f, 2.5f, 3.5f, 4.5f}));
}

TEST(ArchiveReaderTest, Version4ReadsIndexPairsAndTheLameFootingMarker) {
    ArchiveRun run;
    run.Read(Fixture("version4.AI0"));
    ASSERT_EQ(run.Shell.Document.LoadStatus, 0);
    const SectionCatalogue& c = run.Catalogue;
    ASSERT_EQ(c.ArchiveSectionCount, 2);
    EXPECT_EQ(c.SectionShape[0], 16);
    EXPECT_EQ(c.SectionParams[1][1], 40);
    EXPECT_EQ(c.ServerSectionCount, 0);
    ASSERT_EQ(c.SlabTypeCount, 1);
    EXPECT_EQ(c.SlabTypes[0], (SlabType{1, "Solaio tipo 1"}));

    ASSERT_EQ(c.FootingTypeCount, 3);
    EXPECT_EQ(c.FootingTypes[0], FootingType{});  // ends after its shape
    EXPECT_EQ(c.FootingTypes[1].Shape, 3);
    EXPECT_EQ(c.FootingTypes[1].Eccentric, 1);
    EXPECT_EQ(c.FootingTypes[1].Dims[1], 100);
    EXPECT_EQ(c.FootingTypes[2].Shape, 4);
    EXPECT_EQ(c.FootingTypes[2].Dims, (std::array<float, 12>{0, 120, 80, 60, 40, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.ArchiveTableACount, 0);
    EXPECT_EQ(c.ArchiveTableA.size(), 1u);
    EXPECT_EQ(c.ArchiveTableBCount, 0);
}

TEST(ArchiveReaderTest, Version2ReadsNeitherIndexPairsNorExtraLines) {
    ArchiveRun run;
    run.Read(Fixture("version2.AI0"));
    ASSERT_EQ(run.Shell.Document.LoadStatus, 0);
    const SectionCatalogue& c = run.Catalogue;
    ASSERT_EQ(c.ArchiveSectionCount, 1);
    EXPECT_EQ(c.SectionParams[0], (SectionParamRow{100, 60, 30, 15, 0, 0}));
    EXPECT_EQ(c.SlabTypeCount, 0);
    EXPECT_EQ(c.SlabTypes.size(), 1u);
    ASSERT_EQ(c.FootingTypeCount, 2);
    EXPECT_EQ(c.FootingTypes[0].Dims, (std::array<float, 12>{0, 150, 150, 50, 50, 40, 20, 0, 0, 45, 0, 0}));
    EXPECT_EQ(c.FootingTypes[1].Shape, 5);
    EXPECT_EQ(c.FootingTypes[1].Eccentric, 0);
    EXPECT_EQ(c.FootingTypes[1].Dims, (std::array<float, 12>{0, 200, 100, 80, 40, 7, 33, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.ArchiveTableA[0], (std::array<float, 5>{1, 2, 3, 4, 5}));
}

TEST(ArchiveReaderTest, ShortVersionLineIsReadWithoutVersionCheck) {
    ArchiveRun run;
    run.Read(Fixture("unversioned.AI0"));
    EXPECT_EQ(run.Shell.Document.LoadStatus, 0);
    EXPECT_TRUE(run.Messages.Shown().empty());
    EXPECT_EQ(run.Catalogue.ArchiveSectionCount, 0);
    EXPECT_EQ(run.Catalogue.SectionClass.size(), 1u);
}

TEST(ArchiveReaderTest, OtherVersionsAreRefusedLeavingTheTables) {
    struct Case {
        const char* File;
        int32_t UiLanguage;
        const char* Title;
        const char* TextStart;
    } cases[] = {
        {"version6.AI0", 0, "Lettura impossibile!",
         "Il file appartiene a una versione del programma più recente.\nAggiornare il software."},
        {"version6.AI0", 1, "Load abort!", "The file was created by a newer program version.\nUpdating the software."},
        {"version1.AI0", 0, "Attenzione!", "Dravo Zidevuv Uvadadedu è utilizzabile con\nStruvia v.132 o superiore.\n"},
        {"version1.AI0", 1, "Warning!", "Dravo Zidevuv Uvadadedu è utilizzabile con\nStruvia v.132 o superiore.\n"},
    };
    for (const auto& c : cases) {
        ArchiveRun run;
        run.Read(Fixture("version5.AI0"));
        const SectionCatalogue before = run.Catalogue;
        run.Shell.Languages.UiLanguage = c.UiLanguage;
        run.Read(Fixture(c.File));
        EXPECT_EQ(run.Shell.Document.LoadStatus, -1) << c.File;
        ASSERT_EQ(run.Messages.Shown().size(), 1u) << c.File;
        const ShownMessage& box = run.Messages.Shown()[0];
        EXPECT_EQ(box.Title, c.Title);
        EXPECT_EQ(box.Text.rfind(c.TextStart, 0), 0u) << box.Text;
        EXPECT_EQ(box.Icon, MsgIcon::Exclamation);
        SectionCatalogue expected = before;
        expected.ServerSectionCount = 0;
        EXPECT_EQ(run.Catalogue, expected) << c.File;
    }
    ArchiveRun old;
    old.Read(Fixture("version1.AI0"));
    std::string text = old.Messages.Shown().at(0).Text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
}

// Malformed archives fail the load with a message naming the archive, never crash.
TEST(ArchiveReaderTest, MalformedArchivesFailTheLoad) {
    const std::string v5 = FixtureText("version5.AI0");
    const std::string v2 = FixtureText("version2.AI0");
    struct Case {
        const char* Name;
        std::string Text;
        const char* Detail;
    } cases[] = {
        {"truncated", v5.substr(0, v5.size() / 2), "fine del file inattesa"},
        {"truncated in the last table", v5.substr(0, v5.size() - 6), "fine del file inattesa"},
        {"empty", "", "fine del file inattesa"},
        {"a section more than listed", Replaced(v5, "SEZIONI\r\n6", "SEZIONI\r\n7"), "era atteso un numero"},
        {"a section less than listed", Replaced(v5, "SEZIONI\r\n6", "SEZIONI\r\n5"), "era atteso un numero"},
        {"a footing less than listed", Replaced(v5, "PLINTI\r\n4", "PLINTI\r\n3"), "era atteso un numero"},
        {"text for a number", Replaced(v2, "0 3 100 60", "0 3 100 sessanta"), "era atteso un numero (\"sessanta\")"},
        {"absurd count", Replaced(v2, "SEZIONI\n1", "SEZIONI\n999999999"), "numero di elementi non valido"},
        {"absurd slab-type count", Replaced(v2, "TIPI SOLAIO\n0", "TIPI SOLAIO\n2147483647"),
         "numero di elementi non valido"},
        {"count beyond 32 bits", Replaced(v2, "SEZIONI\n1", "SEZIONI\n1E+40"), "era atteso un numero"},
    };
    for (const auto& c : cases) {
        ArchiveRun run;
        const TempArchive file(c.Text);
        const std::string& path = file.Path;
        run.Read(path);
        EXPECT_EQ(run.Shell.Document.LoadStatus, -1) << c.Name;
        ASSERT_EQ(run.Messages.Shown().size(), 1u) << c.Name;
        const ShownMessage& box = run.Messages.Shown()[0];
        EXPECT_EQ(box.Title, "Attenzione!");
        EXPECT_NE(box.Text.find(path), std::string::npos) << c.Name << ": " << box.Text;
        EXPECT_NE(box.Text.find(c.Detail), std::string::npos) << c.Name << ": " << box.Text;
    }

    ArchiveRun missing;
    missing.Shell.Languages.UiLanguage = 1;
    missing.Read(Fixture("no-such-archive.AI0"));
    EXPECT_EQ(missing.Shell.Document.LoadStatus, -1);
    ASSERT_EQ(missing.Messages.Shown().size(), 1u);
    EXPECT_NE(missing.Messages.Shown()[0].Text.find("no-such-archive.AI0"), std::string::npos);
}

// An archive saved by an editor: as UTF-8 with a byte-order mark it reads as without it; as UTF-16
// it is refused for what it is.
TEST(ArchiveReaderTest, AByteOrderMarkIsSkippedAndAUtf16ArchiveRefused) {
    const std::string v5 = FixtureText("version5.AI0");
    ArchiveRun plain, marked;
    plain.Read(Fixture("version5.AI0"));
    const TempArchive markedFile("\xEF\xBB\xBF" + v5);
    marked.Read(markedFile.Path);
    EXPECT_EQ(marked.Shell.Document.LoadStatus, 0);
    EXPECT_TRUE(marked.Messages.Shown().empty());
    EXPECT_EQ(marked.Catalogue, plain.Catalogue);

    std::string utf16 = "\xFF\xFE";
    for (char c : v5) utf16 += {c, '\0'};
    const TempArchive utf16File(utf16);
    ArchiveRun refused;
    refused.Read(utf16File.Path);
    EXPECT_EQ(refused.Shell.Document.LoadStatus, -1);
    ASSERT_EQ(refused.Messages.Shown().size(), 1u);
    const std::string& shown = refused.Messages.Shown()[0].Text;
    EXPECT_EQ(shown.find('\0'), std::string::npos);
    EXPECT_NE(shown.find(utf16File.Path), std::string::npos) << shown;
    EXPECT_NE(shown.find("non è un file di testo del tipo atteso"), std::string::npos) << shown;
}

class SilentServer : public SectionPropertiesServer {
public:
    ServerCallResult NewID(int32_t&, int32_t&, int32_t&, int32_t&) override { return ServerCallResult::Unavailable; }
    ServerCallResult DatiSezione(int32_t&, int32_t&, ServerProperties&, std::string&, int32_t&, ServerGeometry&,
                                 int32_t&) override {
        return ServerCallResult::Unavailable;
    }
    ServerCallResult DatiComposte(int32_t&, int32_t&, ServerProperties&, std::string&, ServerGeometry&,
                                  int32_t&) override {
        return ServerCallResult::Unavailable;
    }
};

// Section 2 of the fixture is the profile 1 300 (IPE 300), section 4 the coupled 7 200 (UPN 200).
TEST(ArchiveReaderTest, ProfilesTheServerDoesNotKnowAreReadAsUnitBoxesAndReturned) {
    struct Case {
        const char* Name;
        const char* Section2;
        const char* Section4;
        std::vector<UnknownProfileSection> Unknown;
        const char* SecondName;  // of the second server record
    };
    const Case cases[] = {
        {"one unknown", "1 1 301", "2 7 200 100", {{2, 1, 301}}, "UPN 200"},
        {"both unknown", "1 1 301", "2 7 201 100", {{2, 1, 301}, {4, 7, 201}}, ""},
        {"unknown code", "1 99 300", "2 7 200 100", {{2, 99, 300}}, "UPN 200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TempArchive file(
            Replaced(Replaced(FixtureText("version5.AI0"), "1 1 300", c.Section2), "2 7 200 100", c.Section4));
        ArchiveRun run;
        const std::vector<UnknownProfileSection> unknown =
            ReadSectionArchive(file.Path, run.Catalogue, run.Shell, run.Messages, run.Builtin);
        EXPECT_EQ(run.Shell.Document.LoadStatus, 0);
        EXPECT_TRUE(run.Messages.Shown().empty());  // the caller reports them, once
        EXPECT_EQ(unknown, c.Unknown);

        const SectionCatalogue& cat = run.Catalogue;
        ASSERT_EQ(cat.ServerSectionCount, 2);
        EXPECT_EQ(cat.SectionParams[1][2], 0);
        EXPECT_EQ(cat.SectionParams[3][2], 1);
        ServerSection unitBox;
        unitBox.Width = 1;
        unitBox.Height = 1;
        EXPECT_EQ(cat.ServerSections[0], unitBox);
        EXPECT_EQ(cat.ServerSections[1].Name, c.SecondName);
        // The rest of the archive is read as usual.
        EXPECT_EQ(cat.SlabTypeCount, 2);
        EXPECT_EQ(cat.FootingTypeCount, 4);
    }
}

TEST(ArchiveReaderTest, OneWarningListsTheSectionsOfUnknownProfiles) {
    HeadlessMessageBoxes messages;
    LanguageFlags italian, english;
    english.UiLanguage = 1;
    ShowUnknownProfiles({}, italian, messages);
    EXPECT_TRUE(messages.Shown().empty());

    ShowUnknownProfiles({{2, 1, 301}, {4, 7, 201}}, italian, messages);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Title, "Attenzione!");
    EXPECT_EQ(messages.Shown()[0].Icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.Shown()[0].Text,
              "Il server delle sezioni non conosce il profilo di queste sezioni dell'archivio, caricate senza nome "
              "e con un ingombro di 1 x 1 cm:\nsezione 2 (codice 1, numero 301)\nsezione 4 (codice 7, numero 201)");

    // A long list names the first twenty and counts the others.
    std::vector<UnknownProfileSection> many;
    for (int32_t s = 1; s <= 23; ++s) many.push_back({s, 1, 1000 + s});
    messages.ClearShown();
    ShowUnknownProfiles(many, english, messages);
    ASSERT_EQ(messages.Shown().size(), 1u);
    const std::string& listed = messages.Shown()[0].Text;
    EXPECT_EQ(messages.Shown()[0].Title, "Warning!");
    EXPECT_NE(listed.find("\nsection 20 (code 1, number 1020)\nand 3 more"), std::string::npos) << listed;
    EXPECT_EQ(listed.find("section 21"), std::string::npos);
    EXPECT_EQ(listed.substr(listed.size() - 10), "and 3 more");
}

TEST(ArchiveReaderTest, ServerFailuresFailTheLoadWithAMessage) {
    ArchiveRun silent;
    silent.Shell.Languages.UiLanguage = 1;
    SilentServer server;
    silent.Read(Fixture("version5.AI0"), server);
    EXPECT_EQ(silent.Shell.Document.LoadStatus, -1);
    ASSERT_EQ(silent.Messages.Shown().size(), 1u);
    EXPECT_NE(silent.Messages.Shown()[0].Text.find("does not answer (section 2)"), std::string::npos);

    // Without catalogue profiles the server is never asked.
    ArchiveRun parametric;
    parametric.Read(Fixture("version4.AI0"), server);
    EXPECT_EQ(parametric.Shell.Document.LoadStatus, 0);
}

TEST(ArchiveReaderTest, DesignableFloorSlabsHaveASlabTypeOfKindOne) {
    Model model;
    model.Catalogue.SlabTypeCount = 2;
    model.Catalogue.SlabTypes = {{1, "a"}, {0, "b"}, {}};
    model.FloorSlabCount = 5;
    model.FloorSlabs.resize(6);
    const int32_t typeNumbers[] = {1, 2, 3, 0, -7};
    for (int i = 0; i < 5; ++i) model.FloorSlabs[i].SlabTypeNumber = typeNumbers[i];
    EXPECT_TRUE(IsDesignableFloorSlab(model, 0));
    EXPECT_FALSE(IsDesignableFloorSlab(model, 1));
    EXPECT_FALSE(IsDesignableFloorSlab(model, 2));  // beyond the slab types
    EXPECT_FALSE(IsDesignableFloorSlab(model, 3));
    EXPECT_FALSE(IsDesignableFloorSlab(model, 4));
    EXPECT_FALSE(IsDesignableFloorSlab(model, 6));  // beyond the slabs
    EXPECT_FALSE(IsDesignableFloorSlab(model, -1));
}

}  // namespace

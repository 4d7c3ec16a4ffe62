#include "model/files/WholeFiles.h"
#include "model/files/SaveCrpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/files/DataFileWriter.h"
#include "model/files/TextDigestSink.h"
#include "tests/support/DeckSession.h"
#include "tests/support/FileSizeLimit.h"

namespace fs = std::filesystem;

namespace {

size_t CountLines(const std::string& text) {
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

}  // namespace

// A deck of an old program version is written in the current form: every part of file version 9
// and drawing-data version 7, the parts the old file lacked with the values the load gave them.
TEST(SaveCrpFile, WritesFileVersionNineAndDrawingDataSeven) {
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d2/SALVATO2.CRP")));
    const std::string text = s.SavedText();
    EXPECT_EQ(text.substr(0, 12), "VERSIONE 9\r\n");
    const char* parts[] = {
        "\r\n0.00          0.00\r\n 1 \r\n",  // band lengths, then the diagram count
        "\r\n 0 \r\n 0 \r\n0.000         0.000\r\nQUOTE\r\n",  // masonry counts, origin
        "\r\n 7             0             0             0             0             0             0             0 \r\n",
        "\r\n500.00\r\n0.00\r\n-50.00\r\n500.00\r\n-50.00\r\nSEZIONI\r\n",  // measured points
        "\r\n 10            0             2             0 \r\n",  // lower bar with its hook flags
        "\r\n 1             1             0 \r\n25.00         450.00         0 \r\n",
    };
    for (const char* part : parts) EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(SaveCrpFile, AnEmptyDeckStillWritesEverySectionAndThe21LineTail) {
    DeckSession s;
    const std::string text = s.SavedText();
    EXPECT_NE(text.find("\r\nQUOTE\r\n 0 \r\nSEZIONI\r\n 0 \r\nNODI_S\r\n 0 \r\nTRAVI_ESTRADOSSO\r\n"), std::string::npos);
    EXPECT_EQ(text.find("BORDI PARETI MA"), std::string::npos);
    const size_t tail = text.find("NODI_SOLAI\r\nNODI_SOLETTE\r\n");
    ASSERT_NE(tail, std::string::npos);
    EXPECT_EQ(CountLines(text.substr(tail)), 2u + 21u);
    EXPECT_EQ(text.substr(text.size() - 35), "\r\n25.00         450.00         0 \r\n");
}

TEST(SaveCrpFile, DimensionTextsCarryAPointInsteadOfTheirFirstComma) {
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    s.model.Dimensions[0].Text = "12,5";
    const std::string text = s.SavedText();
    EXPECT_NE(text.find("\r\n12.5\r\n"), std::string::npos);
    DeckSession again;
    ASSERT_TRUE(again.LoadText(DeckFixture("saved-d7/X.CRP"), text)) << again.Messages();
    EXPECT_EQ(again.model.Dimensions[0].Text, "12.5");
}

TEST(SaveCrpFile, SavingChangesNothingInMemoryAndSetsTheCrosshair) {
    ScratchFolder scratch("save-memory");
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    s.shell.CanvasPointer = PointerHourglass;
    const std::string before = s.Dump();
    ASSERT_TRUE(s.Save(scratch / "A.CRP"));
    ASSERT_TRUE(s.Save(scratch / "B.CRP"));
    EXPECT_EQ(s.Dump(), before);
    EXPECT_EQ(s.shell.CanvasPointer, PointerCrosshair);
    EXPECT_EQ(FileText(scratch / "A.CRP"), FileText(scratch / "B.CRP"));
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"A.CRP", "B.CRP"})) << "nothing else beside them";
}

TEST(SaveCrpFile, AReadOnlyFileIsOverwrittenOnlyAfterYes) {
    ScratchFolder scratch("save-readonly");
    const std::string path = scratch / "P.CRP";
    const std::string old = "VERSIONE 9\r\nold\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    MakeReadOnly(path);
    ASSERT_TRUE(IsReadOnlyFile(path));

    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    s.messages.ClearShown();
    s.messages.Script({MsgAnswer::No});
    s.shell.CanvasPointer = PointerHourglass;
    EXPECT_FALSE(s.Save(path));
    EXPECT_EQ(FileText(path), old);
    EXPECT_TRUE(IsReadOnlyFile(path));
    EXPECT_EQ(s.shell.CanvasPointer, PointerCrosshair);
    ASSERT_EQ(s.messages.Shown().size(), 1u);
    EXPECT_EQ(s.messages.Shown()[0].Title, "Attenzione!");
    EXPECT_EQ(s.messages.Shown()[0].Text, "Il file risulta di sola lettura.\nVuoi sovrascriverlo?");
    EXPECT_EQ(s.messages.Shown()[0].Buttons, MsgButtons::YesNo);

    s.messages.Script({MsgAnswer::Yes});
    s.shell.Languages.UiLanguage = 1;
    EXPECT_TRUE(s.Save(path));
    EXPECT_EQ(s.messages.Shown().back().Text, "The file has the read-only attribute, do you want to overwrite it too?");
    EXPECT_EQ(FileText(path), s.SavedText());
    // Overwritten with consent, it stays read-only as it was.
    EXPECT_TRUE(IsReadOnlyFile(path));
}

// A read-only file whose replacement fails after the user agreed to it keeps its text and stays
// read-only; the message names the step that failed (the disk full as the text is written), in
// the user's language.
TEST(SaveCrpFile, AReadOnlyFileWhoseReplacementFailsStaysReadOnlyAndTheStepIsNamed) {
    ScratchFolder scratch("save-readonly-fails");
    const std::string path = scratch / "P.CRP";
    const std::string old = "VERSIONE 9\r\nold\r\n";
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    const std::string tooLarge = std::make_error_code(std::errc::file_too_large).message();
    for (const int32_t english : {0, 1}) {
        ASSERT_TRUE(WriteWholeFile(path, old));
        MakeReadOnly(path);
        s.messages.ClearShown();
        s.shell.Languages.UiLanguage = english;
        s.messages.Script({MsgAnswer::Yes});
        {
            const FileSizeLimit fullDisk(old.size());
            EXPECT_FALSE(s.Save(path));
        }
        EXPECT_EQ(FileText(path), old);
        EXPECT_TRUE(IsReadOnlyFile(path));
        EXPECT_EQ(scratch.Names(), std::vector<std::string>{"P.CRP"});
        ASSERT_EQ(s.messages.Shown().size(), 2u) << s.Messages();
        EXPECT_EQ(s.messages.Shown()[1].Text,
                  english != 0 ? "The file " + path + " could not be saved (writing its text failed: " + tooLarge +
                                     ").\nThe previous file has not been changed."
                               : "Impossibile salvare il file " + path +
                                     " (la scrittura del testo non è riuscita: " + tooLarge +
                                     ").\nIl file precedente non è stato modificato.");
        std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    }
}

TEST(SaveCrpFile, AFailedWriteKeepsThePreviousFileAndSaysSo) {
    ScratchFolder scratch("save-failure");
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    s.messages.ClearShown();

    // The temporary file cannot be created (even by root): a name as long as a name may be leaves
    // no room for the temporary file's longer one. The old file stays as it was.
    const std::string path = scratch / (std::string(250, 'P') + ".CRP");
    const std::string old = "VERSIONE 9\r\nold\r\n";
    ASSERT_TRUE(WriteWholeFile(path, old));
    EXPECT_FALSE(s.Save(path));
    EXPECT_EQ(FileText(path), old);
    EXPECT_EQ(scratch.Names().size(), 1u);
    ASSERT_EQ(s.messages.Shown().size(), 1u);
    EXPECT_EQ(s.messages.Shown()[0].Title, "Attenzione!");
    EXPECT_NE(s.messages.Shown()[0].Text.find("Impossibile salvare il file " + path), std::string::npos);
    EXPECT_NE(s.messages.Shown()[0].Text.find("Il file precedente non è stato modificato."), std::string::npos);

    // A folder that is a regular file cannot hold a deck.
    const std::string notAFolder = scratch / "NOTE.TXT";
    ASSERT_TRUE(WriteWholeFile(notAFolder, "x"));
    EXPECT_FALSE(s.Save(notAFolder + "/P.CRP"));
    EXPECT_EQ(FileText(notAFolder), "x");
    EXPECT_EQ(s.messages.Shown().size(), 2u);
}

// Whatever stands under the name the temporary file once had is left alone, and the deck is saved.
TEST(SaveCrpFile, ANamePlantedBesideTheDeckIsNeitherFollowedNorAnObstacle) {
    ScratchFolder scratch("save-planted");
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    s.messages.ClearShown();
    const std::string path = scratch / "P.CRP";
    const std::string elsewhere = scratch / "OTHER.TXT";
    ASSERT_TRUE(WriteWholeFile(elsewhere, "not a deck"));
    ASSERT_TRUE(WriteWholeFile(path, "VERSIONE 9\r\nold\r\n"));
    fs::create_symlink(elsewhere, path + ".~tmp");
    ASSERT_TRUE(s.Save(path)) << s.Messages();
    EXPECT_EQ(FileText(elsewhere), "not a deck");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
    EXPECT_EQ(FileText(path), s.SavedText());

    fs::remove(path + ".~tmp");
    fs::create_directory(path + ".~tmp");
    ASSERT_TRUE(s.Save(path)) << s.Messages();
    EXPECT_TRUE(fs::is_directory(path + ".~tmp"));
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"OTHER.TXT", "P.CRP", "P.CRP.~tmp"}));
}

// A deck opened through a link is saved into the file the link points to; the link stays.
TEST(SaveCrpFile, ADeckSavedThroughALinkReplacesTheFileItPointsTo) {
    ScratchFolder scratch("save-linked");
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    fs::create_directory(scratch / "real");
    const std::string real = scratch / "real/P.CRP";
    ASSERT_TRUE(WriteWholeFile(real, "VERSIONE 9\r\nold\r\n"));
    fs::permissions(real, fs::perms(0640));
    fs::create_symlink(real, scratch / "P.CRP");
    ASSERT_TRUE(s.Save(scratch / "P.CRP")) << s.Messages();
    EXPECT_EQ(fs::read_symlink(scratch / "P.CRP"), real);
    EXPECT_EQ(FileText(real), s.SavedText());
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
    EXPECT_EQ(scratch.Names("real"), std::vector<std::string>{"P.CRP"});

    // A read-only file behind the link is asked about like any other.
    MakeReadOnly(real);
    s.messages.ClearShown();
    s.messages.Script({MsgAnswer::No});
    EXPECT_FALSE(s.Save(scratch / "P.CRP"));
    EXPECT_EQ(s.messages.Shown().size(), 1u);
    EXPECT_TRUE(IsReadOnlyFile(real));
}

// The digest of what a save would write is taken through the same formatting as the save, in
// pieces (the deck is made large enough for several): the saved file's digest is the one kept.
TEST(SaveCrpFile, TheDigestIsThatOfTheTextASaveWrites) {
    ScratchFolder scratch("save-digest");
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("dimensioned/QUOTATO.CRP")));
    ASSERT_GT(s.model.DimensionCount, 0);
    constexpr int32_t ManyDimensions = 3000;
    s.model.Dimensions.resize(ManyDimensions, s.model.Dimensions[0]);
    s.model.DimensionCount = ManyDimensions;
    for (int32_t k = 0; k < ManyDimensions; ++k) s.model.Dimensions[static_cast<size_t>(k)].LineX1 += static_cast<float>(k);
    const std::string text = s.SavedText();
    ASSERT_GT(text.size(), 3 * DataFileWriter::DefaultPieceSize);
    EXPECT_EQ(SessionTextDigest(s), DigestOf(text));

    ASSERT_TRUE(s.Save(scratch / "D.CRP"));
    EXPECT_EQ(FileText(scratch / "D.CRP"), text);
    EXPECT_EQ(s.shell.Document.UnchangedDigest, DigestOf(text));
    s.model.Dimensions.back().LineX1 += 1;
    EXPECT_NE(SessionTextDigest(s), s.shell.Document.UnchangedDigest);
}

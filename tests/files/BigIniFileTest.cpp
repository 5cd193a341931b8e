#include "files/BigIniFile.h"
#include "files/IniCollation.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace corvane {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

std::vector<std::string> Names(const TBigIniFile& ini) {
    std::vector<std::string> names;
    for (int i = 0; i < ini.Sections().Count(); ++i) names.push_back(ini.Sections().Name(i));
    return names;
}

TEST(IniCollation, HandFileSectionsSortByBoardWithResultsAfterTheirDeal) {
    std::vector<std::string> names{"12", "_2", "10.Closed Room", "_1.South", "100", "_9", "11",
                                   "10", "_1", "99", "_2.o", "_10"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"_1", "_1.South", "_10", "_2", "_2.o", "_9", "10",
                                               "10.Closed Room", "100", "11", "12", "99"}));
}

TEST(IniCollation, IgnoresCaseAndPutsSymbolsBeforeDigitsBeforeLetters) {
    EXPECT_EQ(CompareNames("Board", "bOARD"), 0);
    EXPECT_TRUE(SameName("Colors", "COLORS"));
    EXPECT_TRUE(SameName("\xC9t\xE9", "\xE9T\xC9"));  // accented letters fold too
    EXPECT_FALSE(SameName("Color", "Colors"));
    EXPECT_LT(CompareNames(".", "0"), 0);
    EXPECT_LT(CompareNames("_", "0"), 0);
    EXPECT_LT(CompareNames("9", "a"), 0);
    EXPECT_GT(CompareNames("Z", "a1"), 0);
    EXPECT_LT(CompareNames("apple", "Banana"), 0);
    EXPECT_LT(CompareNames("Match", "Match2"), 0);
    EXPECT_GT(CompareNames("Options", "Colors"), 0);
}

TEST(IniReading, KeepsSectionLinesAndDropsTextBeforeTheFirstHeader) {
    TBigIniFile ini(false);
    ini.LoadText("stray=1\n; comment\n[B]\nx=1\n; note\nplain line\n\n[A]\r\ny=2\r\n[]\nz=3\n");
    EXPECT_EQ(Names(ini), (std::vector<std::string>{"B", "A", ""}));
    std::vector<std::string> lines;
    ini.ReadSectionValues("b", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"x=1", "; note", "plain line", ""}));
    EXPECT_EQ(ini.ReadString("A", "y", "-"), "2");  // CRLF endings read like LF
    EXPECT_EQ(ini.ReadString("", "z", "-"), "3");
    EXPECT_EQ(ini.ReadString("B", "stray", "-"), "-");
    EXPECT_FALSE(ini.Modified());
}

TEST(IniReading, FirstOfTwoSectionsWithTheSameNameWins) {
    TBigIniFile ini(true);
    ini.LoadText("[Board]\nkey=first\n[Other]\na=1\n[board]\nkey=second\nextra=1\n");
    EXPECT_EQ(Names(ini), (std::vector<std::string>{"Board", "Other"}));
    EXPECT_EQ(ini.ReadString("BOARD", "key", ""), "first");
    EXPECT_EQ(ini.ReadString("board", "extra", "gone"), "gone");
    EXPECT_TRUE(ini.Modified());  // so the next save writes the file without the duplicate
}

TEST(IniReading, LongLinesAreCutAndGarbageNeverBreaksTheStore) {
    TBigIniFile ini(true);
    const std::string longValue(400, 'v');
    ini.LoadText("[S]\nk=" + longValue + "\n[" + std::string(300, 'n') + "]\nq=1\n");
    EXPECT_EQ(ini.ReadString("S", "k", "").size(), MaxIniLine - 2);
    // The over-long header lost its "]" when cut, so it is an ordinary line of [S].
    EXPECT_EQ(ini.Sections().Count(), 1);

    std::string garbage;
    for (int i = 0; i < 2000; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
    ini.LoadText(garbage);
    ini.WriteString("\x01\xFF", "\xFE", "\x80");
    EXPECT_EQ(ini.ReadString("\x01\xFF", "\xFE", ""), "\x80");
}

TEST(IniReading, SortedStoreKeepsNameOrderAndUnsortedKeepsFileOrder) {
    const char* text = "[Options]\na=1\n[Colors]\nb=2\n[Match]\nc=3\n";
    TBigIniFile sorted(true), unsorted(false);
    sorted.LoadText(text);
    unsorted.LoadText(text);
    EXPECT_EQ(Names(sorted), (std::vector<std::string>{"Colors", "Match", "Options"}));
    EXPECT_EQ(Names(unsorted), (std::vector<std::string>{"Options", "Colors", "Match"}));
    sorted.WriteString("Network", "Port", "1");
    unsorted.WriteString("Network", "Port", "1");
    EXPECT_EQ(Names(sorted), (std::vector<std::string>{"Colors", "Match", "Network", "Options"}));
    EXPECT_EQ(Names(unsorted).back(), "Network");
}

TEST(IniValues, KeysMatchIgnoringCaseAndValuesAreTheTextAfterTheFirstEquals) {
    TBigIniFile ini(true);
    ini.LoadText("[Deal]\nContract=4S\ncontract=3N\nNote=a=b\n");
    EXPECT_EQ(ini.ReadString("deal", "CONTRACT", ""), "4S");
    EXPECT_EQ(ini.ReadString("Deal", "Note", ""), "a=b");
    EXPECT_EQ(ini.ReadString("Deal", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Nowhere", "Contract", "dflt"), "dflt");
    ini.WriteString("DEAL", "CONTRACT", "5C");
    EXPECT_EQ(ini.ReadString("Deal", "Contract", ""), "5C");
    std::vector<std::string> lines;
    ini.ReadSectionValues("Deal", lines);
    EXPECT_EQ(lines[0], "CONTRACT=5C");  // the first line replaced in place
    EXPECT_EQ(lines[1], "contract=3N");
}

TEST(IniValues, IntegersAndBooleans) {
    TBigIniFile ini(true);
    ini.LoadText("[N]\nhex=0x1F\nHEX=0X1f\nbad=12abc\nneg=-7\nbig=99999999999\nempty=\n"
                 "t=True\nlower=true\n");
    EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("N", "bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -7);
    EXPECT_EQ(ini.ReadInteger("N", "big", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 5), 5);
    EXPECT_TRUE(ini.ReadBool("N", "t", false));
    EXPECT_FALSE(ini.ReadBool("N", "lower", true));  // only "True" with its case is true
    EXPECT_TRUE(ini.ReadBool("N", "missing", true));
    ini.WriteInteger("N", "i", -42);
    ini.WriteBool("N", "b", false);
    EXPECT_EQ(ini.ReadString("N", "i", ""), "-42");
    EXPECT_EQ(ini.ReadString("N", "b", ""), "False");
    ini.WriteString("N", "col", "0x2A3AE4F");
    EXPECT_EQ(ini.ReadInteger("N", "col", 0), 0x2A3AE4F);
}

TEST(IniValues, KeyWithEmptyValueIsStoredAloneAndReadsAsDefault) {
    TBigIniFile ini(true);
    ini.WriteString("S", "Comment", "");
    EXPECT_EQ(ini.ReadString("S", "Comment", "dflt"), "dflt");
    ini.WriteString("S", "Comment", "");
    std::vector<std::string> lines;
    ini.ReadSectionValues("S", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Comment", "Comment"}));
}

TEST(IniValues, ModifiedFlagFollowsRealChanges) {
    TBigIniFile ini(true);
    EXPECT_FALSE(ini.Modified());
    ini.WriteString("S", "k", "v");
    EXPECT_TRUE(ini.Modified());
    TBigIniFile again(true);
    again.LoadText("[S]\nk=v\n");
    again.WriteString("S", "k", "v");
    EXPECT_FALSE(again.Modified());  // same line: nothing changed
    again.WriteString("S", "k", "w");
    EXPECT_TRUE(again.Modified());
}

TEST(IniValues, WritesAreCutTo255Characters) {
    TBigIniFile ini(true);
    ini.WriteString("S", "key", std::string(300, 'x'));
    EXPECT_EQ(ini.ReadString("S", "key", "").size(), MaxIniLine - 4);
}

TEST(IniValues, WriteKeyUsesTheCurrentSectionAndEmptyKeysEraseOrIgnore) {
    TBigIniFile ini(true);
    ini.SetCurrentSection("_1");
    ini.WriteKey("Dealer", "N");
    ini.WriteKey("", "ignored");
    EXPECT_EQ(ini.ReadString("_1", "Dealer", ""), "N");
    EXPECT_EQ(ini.Sections().Count(), 1);
    ini.WriteString("_1", "", "x");  // an empty key erases the section
    EXPECT_FALSE(ini.SectionExists("_1"));
}

TEST(IniDeleteKey, ErasesTheSectionWhenNearlyNothingRemains) {
    TBigIniFile ini(true);
    ini.LoadText("[A]\nk=1\na\n[B]\nk=1\nabc\n[C]\nk=1\n[D]\nx=1\n");
    ini.DeleteKey("A", "k");  // "a" is shorter than three characters
    EXPECT_FALSE(ini.SectionExists("A"));
    ini.DeleteKey("B", "K");  // "abc" is not
    EXPECT_TRUE(ini.SectionExists("B"));
    EXPECT_EQ(ini.ReadString("B", "k", "gone"), "gone");
    ini.DeleteKey("C", "k");
    EXPECT_FALSE(ini.SectionExists("C"));
    ini.DeleteKey("Missing", "k");
    EXPECT_FALSE(ini.SectionExists("Missing"));
    ini.EraseSection("d");
    EXPECT_FALSE(ini.SectionExists("D"));
}

TEST(IniSaving, WritesSectionsWithLinesAndDropsBlankLines) {
    TempFolder folder;
    const std::string path = folder.File("store.ini");
    WriteFile(path, "lost=1\n[B]\nx=1\n\n \nplain\n[A]\n[C]\n\n");
    TBiggerINIFile ini(path, true);
    ini.WriteString("A", "k", "v");
    ASSERT_EQ(ini.UpdateFile(), "");
    EXPECT_FALSE(ini.Modified());
    // [C] holds only a blank line, so its header is written with nothing under it.
    EXPECT_EQ(ReadFile(path), "[A]\nk=v\n\n[B]\nx=1\nplain\n\n[C]\n\n");
    std::vector<std::string> lines{"first"};
    ini.ToLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "[A]", "k=v", "[B]", "x=1", "plain", "[C]"}));
}

TEST(IniSaving, StoreOfEmptySectionsWritesAnEmptyFileAndMissingFileStartsEmpty) {
    TempFolder folder;
    const std::string path = folder.File("store.ini");
    WriteFile(path, "[A]\n[B]\n[a]\nx=1\n");
    TBiggerINIFile ini(path, true);
    ASSERT_TRUE(ini.Modified());  // the duplicate [a] was dropped
    ASSERT_EQ(ini.UpdateFile(), "");
    EXPECT_EQ(ReadFile(path), "");

    const std::string fresh = folder.File("new.ini");
    TBiggerINIFile created(fresh, true);
    EXPECT_EQ(created.Sections().Count(), 0);
    EXPECT_EQ(created.OpenError(), "");
    EXPECT_EQ(created.UpdateFile(), "");  // nothing changed: no file yet
    EXPECT_FALSE(std::filesystem::exists(fresh));
    created.WriteString("S", "k", "v");
    ASSERT_EQ(created.UpdateFile(), "");
    EXPECT_EQ(ReadFile(fresh), "[S]\nk=v\n\n");
    EXPECT_EQ(created.FileName(), "new.ini");
}

TEST(IniSaving, FailedSaveKeepsTheOldFileTheContentsAndTheModifiedFlag) {
    TempFolder folder;
    const std::string path = folder.File("sub/store.ini");
    std::filesystem::create_directory(folder.File("sub"));
    WriteFile(path, "[S]\nk=old\n");
    TBiggerINIFile ini(path, true);
    ini.WriteString("S", "k", "new");

    // A read-only folder: run the save as an unprivileged user, since root ignores permissions.
    std::filesystem::permissions(folder.Path(), std::filesystem::perms(0755));
    std::filesystem::permissions(path, std::filesystem::perms(0644));
    std::filesystem::permissions(folder.File("sub"), std::filesystem::perms(0555));
    const int outcome = test::RunAsOtherUser([&] {
        const std::string error = ini.UpdateFile();
        if (error.empty()) return 1;
        if (error.find("store.ini") == std::string::npos) return 2;
        if (!ini.Modified() || ini.ReadString("S", "k", "") != "new") return 3;
        return 0;
    });
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(ReadFile(path), "[S]\nk=old\n");
    EXPECT_EQ(std::filesystem::directory_iterator(folder.File("sub"))->path().filename(), "store.ini");
    std::filesystem::permissions(folder.File("sub"), std::filesystem::perms(0755));

    // The folder gone altogether.
    std::filesystem::remove_all(folder.File("sub"));
    EXPECT_NE(ini.UpdateFile(), "");
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ini.ReadString("S", "k", ""), "new");
}

TEST(IniSaving, AFileThatCouldNotBeReadIsNeverOverwritten) {
    TempFolder folder;
    const std::string path = folder.File("locked.ini");
    WriteFile(path, "[Keep]\nall=of this\n");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms(0777));
    std::filesystem::permissions(path, std::filesystem::perms(0));
    const int outcome = test::RunAsOtherUser([&] {
        TBiggerINIFile ini(path, true);
        if (ini.OpenError().empty()) return 1;
        ini.WriteString("New", "k", "v");
        return ini.UpdateFile().empty() ? 2 : 0;
    });
    EXPECT_EQ(outcome, 0);
    std::filesystem::permissions(path, std::filesystem::perms(0644));
    EXPECT_EQ(ReadFile(path), "[Keep]\nall=of this\n");
}

TEST(IniSaving, SaveAndReadBackKeepsEverything) {
    TempFolder folder;
    const std::string path = folder.File("round.ini");
    {
        TBiggerINIFile ini(path, true);
        for (int board = 1; board <= 12; ++board) {
            const std::string name = board < 10 ? "_" + std::to_string(board) : std::to_string(board);
            ini.WriteString(name, "Board", std::to_string(board));
            ini.WriteString(name + ".South", "Score", "NS " + std::to_string(board * 10));
        }
        ASSERT_EQ(ini.UpdateFile(), "");
    }
    TBiggerINIFile again(path, true);
    EXPECT_FALSE(again.Modified());
    ASSERT_EQ(again.Sections().Count(), 24);
    EXPECT_EQ(again.Sections().Name(0), "_1");
    EXPECT_EQ(again.Sections().Name(1), "_1.South");
    EXPECT_EQ(again.Sections().Name(18), "10");
    EXPECT_EQ(again.ReadString("_7.south", "score", ""), "NS 70");
    EXPECT_EQ(again.ReadString("12", "Board", ""), "12");
}

}  // namespace
}  // namespace corvane

#include "settings/OptionsTable.h"
#include "settings/PlayerFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

std::string Folder(const TempFolder& t) { return t.Path() + "/"; }

// Every option read back from the file set to something other than its default.
void ChangeEveryOption(Options& o) {
    for (const OptionKey& k : OptionKeys()) {
        if (!k.Read) continue;
        if (const auto* text = std::get_if<TextField>(&k.Field)) {
            (*text)(o) = k.Choices.empty() ? "changed " + std::string(k.Key) : "fr";
        } else if (const auto* number = std::get_if<IntegerField>(&k.Field)) {
            (*number)(o) = !k.HasRange() ? k.DefaultNumber + 7 : k.DefaultNumber == k.Max ? k.Min : k.Max;
        } else {
            bool& b = std::get<BoolField>(k.Field)(o);
            b = !b;
        }
    }
    o.Practice.Seats[West].MinHCP = 12;
    o.Practice.Seats[West].ControlCode = "3-6";
    o.Practice.Seats[West].MaxLength[Spades] = 5;
    o.Practice.Seats[North].QualityCode[Hearts] = "-K";
    o.Pad.At(1, PadCounter::Game1) = 60;
    o.Pad.At(2, PadCounter::Carry) = 450;
    o.Pad.RefreshTotals();
    o.Analysis.Games[19] = 4;
    o.Analysis.Imps[0] = -12;
}

TEST(PlayerFile, EveryOptionSurvivesASaveAndALoad) {
    TempFolder folder;
    PlayerSettings saved(Folder(folder));
    saved.LoadPlayer("Ann");
    const Options defaults = saved.Values;
    ChangeEveryOption(saved.Values);
    EXPECT_FALSE(defaults == saved.Values);
    ASSERT_EQ(saved.SavePlayer(), "");

    PlayerSettings loaded(Folder(folder));
    ASSERT_EQ(loaded.LoadPlayer("Ann"), "");
    EXPECT_TRUE(loaded.Values == saved.Values);
    EXPECT_EQ(loaded.Values.Practice.Seats[West].ControlCode, "3-6");
    EXPECT_EQ(loaded.Values.Pad.At(2, PadCounter::Total), 450);
    EXPECT_EQ(loaded.Values.Language, "fr");

    const std::string text = ReadFile(PlayerFilePath(Folder(folder), "Ann"));
    EXPECT_NE(text.find("CurrentPlayer=Ann\n"), std::string::npos);
    EXPECT_NE(text.find("CardStyle=0\n"), std::string::npos);
    EXPECT_NE(text.find("[Colors]\nBackColor="), std::string::npos);
    EXPECT_LT(text.find("[Colors]"), text.find("[Options]"));  // sections in name order
}

TEST(PlayerFile, MissingFileOrSectionGivesTheDefaults) {
    TempFolder folder;
    WriteFile(PlayerFilePath(Folder(folder), "Bob"), "[Colors]\nTable=5\n");
    PlayerSettings player(Folder(folder));
    ASSERT_EQ(player.LoadPlayer("Bob"), "");
    const Options& o = player.Values;
    EXPECT_EQ(o.HandsPlayed, 8);
    EXPECT_EQ(o.HandsSeen, 8);
    EXPECT_EQ(o.WhoAlerts, 30);
    EXPECT_EQ(o.PlayLevel, 70);
    EXPECT_TRUE(o.ClearTable);
    EXPECT_EQ(o.ClearTableTime, 30);
    EXPECT_EQ(o.NSCnvt, "Std American.cc");
    EXPECT_EQ(o.Dir, Folder(folder));
    EXPECT_EQ(o.SecondFore, 0x2A3AE4F);
    EXPECT_EQ(o.Table, 5);
    EXPECT_EQ(o.MainScreen, (WindowRect{50, 50, 910, 580}));
    EXPECT_EQ(o.Port, "2000");
    EXPECT_EQ(o.Practice.DealerChoice, -1);
    EXPECT_TRUE(o.Practice.Seats[South].IsTrivial());

    PlayerSettings nobody(Folder(folder));
    EXPECT_EQ(nobody.LoadPlayer("Nobody"), "");
    Options expected = DefaultOptions(Folder(folder));
    expected.CurrentPlayer = "Nobody";
    EXPECT_TRUE(nobody.Values == expected);
}

TEST(PlayerFile, StoredValuesOutOfRangeReadAsTheirDefaults) {
    TempFolder folder;
    WriteFile(PlayerFilePath(Folder(folder), "Cy"),
              "[Options]\nPlayLevel=91\nBackDesign=15\nSuitOrder=4\nLanguage=xx\nScoringMode=7\n"
              "CardSize=0x80\nClearTable=false\n[Network]\nPortsUsed=2\nPort=2010\n"
              "[Practice]\nDealerChoice=7\nNorth=1,2,3\nEast=10,15,2+,1,0,13,-,0,13,-,0,13,-,5,13,AK\n");
    PlayerSettings player(Folder(folder));
    player.LoadPlayer("Cy");
    const Options& o = player.Values;
    EXPECT_EQ(o.PlayLevel, 70);
    EXPECT_EQ(o.BackDesign, 12);
    EXPECT_EQ(o.SuitOrder, 0);
    EXPECT_EQ(o.Language, "en");
    EXPECT_EQ(o.ScoringMode, 0);
    EXPECT_EQ(o.CardSize, 128);
    EXPECT_FALSE(o.ClearTable);  // only "True" is true
    EXPECT_EQ(o.PortsUsed, 0);
    EXPECT_EQ(o.Port, "2010");  // the stored port reads back
    EXPECT_EQ(o.Practice.DealerChoice, -1);
    EXPECT_TRUE(o.Practice.Seats[North].IsTrivial());
    EXPECT_EQ(o.Practice.Seats[East].MinHCP, 10);
    EXPECT_EQ(o.Practice.Seats[East].ControlCode, "2+");
    EXPECT_EQ(o.Practice.Seats[East].MinLength[Spades], 5);
    EXPECT_EQ(o.Practice.Seats[East].QualityCode[Spades], "AK");

    WriteFile(PlayerFilePath(Folder(folder), "Di"), "[Options]\nLanguage=FR\nPlayLevel=30\n");
    player.LoadPlayer("Di");
    EXPECT_EQ(LanguageIndex(player.Values.Language), 3);
    EXPECT_EQ(player.Values.PlayLevel, 30);
}

TEST(PlayerFile, SavingKeepsTheOtherSectionsOfTheFile) {
    TempFolder folder;
    const std::string path = PlayerFilePath(Folder(folder), "Ann");
    WriteFile(path, "[Custom]\nmine=1\n[Options]\nPlayLevel=40\nOld=x\n");
    PlayerSettings player(Folder(folder));
    player.LoadPlayer("Ann");
    player.Values.Dir = "/elsewhere/";
    ASSERT_EQ(player.SavePlayer(), "");
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("[Custom]\nmine=1\n"), std::string::npos);
    EXPECT_NE(text.find("PlayLevel=40\nOld=x\n"), std::string::npos);
    EXPECT_NE(text.find("Dir=/elsewhere/\n"), std::string::npos);
}

TEST(PlayerChoice, TheMostRecentlyModifiedPlayerIsChosenAtStartUp) {
    TempFolder folder;
    EXPECT_EQ(StartupPlayer(Folder(folder)), "");
    EXPECT_EQ(ListPlayers(Folder(folder), "Zed"), (std::vector<std::string>{"Zed"}));
    const auto now = std::filesystem::file_time_type::clock::now();
    const std::pair<const char*, int> files[] = {{"Ann.sta", 30}, {"Bob.STA", 10}, {"Cy.sta", 20},
                                                 {"Old.ini", 0}};
    for (const auto& [name, age] : files) {
        WriteFile(folder.File(name), "[Options]\n");
        std::filesystem::last_write_time(folder.File(name), now - std::chrono::hours(age));
    }
    EXPECT_EQ(StartupPlayer(Folder(folder)), "Bob");
    EXPECT_EQ(ListPlayers(Folder(folder), "Zed"), (std::vector<std::string>{"Ann", "Bob", "Cy"}));

    // Saving a player makes him the latest.
    PlayerSettings cy(Folder(folder));
    cy.LoadPlayer("Cy");
    cy.Values.PlayLevel = 50;
    ASSERT_EQ(cy.SavePlayer(), "");
    EXPECT_EQ(StartupPlayer(Folder(folder)), "Cy");
}

TEST(PlayerChoice, WelcomeNeedsANameOnOkAndGivesAnonymousOnCancel) {
    EXPECT_EQ(WelcomeAnswer("Ann", true), "Ann");
    EXPECT_EQ(WelcomeAnswer("", true), std::nullopt);
    EXPECT_EQ(WelcomeAnswer("", false), std::string(AnonymousPlayer));
    EXPECT_EQ(WelcomeAnswer("Bob", false), "Bob");
}

}  // namespace
}  // namespace corvane

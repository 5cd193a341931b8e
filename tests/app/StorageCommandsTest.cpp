#include "support/CliRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::RunCli;
using test::TempFolder;

TEST(DealAndShowCommands, DealtBoardsAreStoredInTheDataFolderAndShownFromIt) {
    TempFolder home;
    const std::string env = "XDG_DATA_HOME='" + home.Path() + "'";
    const std::string newHands = home.Path() + "/Corvane/Ver 6/New Hands.ini";

    auto first = RunCli("deal --seed 12345", env);
    ASSERT_EQ(first.exitCode, 0) << first.out;
    EXPECT_NE(first.out.find("Board 1   Dealer: East   Vulnerable: EW"), std::string::npos);
    EXPECT_NE(first.out.find("Stored as board 1 in " + newHands), std::string::npos);

    auto second = RunCli("deal --seed 1000003", env);
    ASSERT_EQ(second.exitCode, 0) << second.out;
    EXPECT_NE(second.out.find("Stored as board 2"), std::string::npos);

    auto again = RunCli("deal --board 2", env);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.out.find("board 2 is already stored"), std::string::npos);

    auto shown = RunCli("show '" + newHands + "' --board 2", env);
    ASSERT_EQ(shown.exitCode, 0) << shown.out;
    EXPECT_NE(shown.out.find("Board 2   Dealer: West   Vulnerable: None"), std::string::npos);
    EXPECT_NE(shown.out.find("Deal: W:AQ94.J965.T8.843 JT32.K82.KJ632.7 765.QT7.AQ754.JT K8.A43.9.AKQ9652"),
              std::string::npos);
    EXPECT_NE(shown.out.find("Generator: 1000003"), std::string::npos);
    EXPECT_NE(shown.out.find("Results: 0"), std::string::npos);

    EXPECT_EQ(RunCli("show '" + newHands + "' --board 3", env).exitCode, 1);
}

TEST(DealAndShowCommands, ShowPrintsResultsAndRefusesFilesItWouldConvert) {
    TempFolder folder;
    test::WriteFile(folder.File("club.ini"),
                    "[_1]\nBoard=1\nDealer=N\nVulnerable=NS\nDeal=N:874.Q87.KQJ7.QT6 KJ95.JT9.A6.K942 "
                    "T6.AK542.T84.A87 AQ32.63.9532.J53\n[_1.Ann]\nNorth=Ann\nDeclarer=S\nContract=4S\n"
                    "Result=10\nAuction=1S,Pass,4S,Pass,Pass,Pass\n[_1.Bob]\nDeclarer=S\nContract=4S\n"
                    "Result=9\n");
    auto shown = RunCli("show '" + folder.File("club.ini") + "' --board 1");
    ASSERT_EQ(shown.exitCode, 0) << shown.out;
    EXPECT_NE(shown.out.find("Results: 2"), std::string::npos);
    EXPECT_NE(shown.out.find("Ann: 4S by S, 10 tricks, score NS 620, IMPs 12.00, MPs 1.00"), std::string::npos);
    EXPECT_NE(shown.out.find("Bob: 4S by S, 9 tricks, score NS -100, IMPs -12.00, MPs 0.00"), std::string::npos);
    EXPECT_NE(shown.out.find("Auction: 1S,Pass,4S,Pass,Pass,Pass"), std::string::npos);

    test::WriteFile(folder.File("club.pbn"), "[Board \"1\"]\n");
    EXPECT_EQ(RunCli("show '" + folder.File("club.pbn") + "' --board 1").exitCode, 1);
}

}  // namespace
}  // namespace corvane

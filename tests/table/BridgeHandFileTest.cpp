#include "table/BridgeHandFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace corvane {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

DealContext RandomDealing(DealingState& dealing) {
    DealContext context;
    context.Dealing = &dealing;
    context.PlayerNames = {"Corvane N", "Corvane E", "Ann", "Corvane W"};
    context.EventTitle = "Corvane 6 - Random Hands";
    return context;
}

TEST(HandLoading, AMissingBoardIsDealtWrittenAndThenLoadedFromTheFile) {
    TempFolder folder;
    const std::string path = folder.File("New Hands.ini");
    DealingState dealing;
    dealing.Generator.SetSeed(12345);
    BoardRecord dealt;
    {
        BridgeHandFile file(path);
        file.Writing.Today = "2026.12.09";
        std::vector<std::string> messages;
        ASSERT_TRUE(file.GetHand(3, RandomDealing(dealing), dealt, messages));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(dealt.BoardText, "3");
        EXPECT_EQ(dealt.Dealer, South);  // board 3
        EXPECT_EQ(dealt.Vul, VulEW);
        EXPECT_EQ(dealt.PlayerNames[South], "Ann");
        EXPECT_EQ(dealt.Comment, "Corvane 6 - Random Hands");
        EXPECT_EQ(DealFromSeed(std::stoi(dealt.SeedText)).Dealer, South);
    }
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("[_3]\nEvent=Corvane 6 - Random Hands\nDate=2026.12.09\nBoard=3\nDealer=S\n"
                        "Vulnerable=EW\nGenerator=" + dealt.SeedText + "\nDeal=S:"),
              std::string::npos);

    // Loading it again draws nothing from the generator and gives the same board.
    BridgeHandFile again(path);
    BoardRecord loaded;
    std::vector<std::string> messages;
    DealContext noDealing;
    ASSERT_TRUE(again.GetHand(3, noDealing, loaded, messages));
    EXPECT_EQ(loaded.Holdings, dealt.Holdings);
    EXPECT_EQ(loaded.SeedText, dealt.SeedText);
    EXPECT_FALSE(again.GetHand(4, noDealing, loaded, messages));  // absent, nothing to deal with
    EXPECT_EQ(again.HandCount(), 1);
    EXPECT_EQ(again.HighestHandNumber(), 3);
}

TEST(HandLoading, ABoardWithReadingErrorsIsNotUsedAndEachErrorIsShown) {
    TempFolder folder;
    const std::string path = folder.File("club.ini");
    WriteFile(path, "[_1]\nBoard=1\nDealer=X\nDeal=N:AKQ\n");
    BridgeHandFile file(path);
    DealingState dealing;
    BoardRecord board;
    std::vector<std::string> messages;
    EXPECT_FALSE(file.GetHand(1, RandomDealing(dealing), board, messages));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "2 errors found in club.ini\r reading hand no 1\r\rDealer not N,E,S, or  W : X");
    EXPECT_EQ(messages[1], "2 errors found in club.ini\r reading hand no 1\r\r 52 cards not dealt : N:AKQ");
    EXPECT_EQ(ReadFile(path), "[_1]\nBoard=1\nDealer=X\nDeal=N:AKQ\n");  // the file is left alone
}

TEST(HandLoading, ResultsAreStartedStoredAndReadBackInPlayOrder) {
    TempFolder folder;
    const std::string path = folder.File("hands.ini");
    DealingState dealing;
    dealing.Generator.SetSeed(99);
    BridgeHandFile file(path);
    BoardRecord board;
    std::vector<std::string> messages;
    ASSERT_TRUE(file.GetHand(1, RandomDealing(dealing), board, messages));

    file.StartResult(1, "Ann");
    EXPECT_EQ(file.PlayedBefore(1, "Ann"), NotPlayedBefore);
    EXPECT_EQ(file.LastBoardWithResult("Ann"), 1);
    EXPECT_EQ(file.LastBoardWithResult("Bob"), 0);
    file.StoreAuction(1, "Ann", {"1S", "Pass", "4S", "Pass", "Pass", "Pass"});

    HandResultRecord result;
    result.Player = "Ann";
    result.Contract = BidCode(4, Spades);
    result.Declarer = North;
    result.Tricks = 10;
    result.Score = 420;
    result.Auction = {"1S", "Pass", "4S", "Pass", "Pass", "Pass"};
    // East leads the heart ace; West ruffs the second trick with the two of spades.
    result.Play = {"AH", "2H", "3H", "4H", "KH", "5H", "2S", "6H", "3C"};
    file.StoreResult(1, result);
    std::string error;
    ASSERT_TRUE(file.Flush(error)) << error;
    EXPECT_EQ(file.PlayedBefore(1, "Ann"), FinishedBefore);
    EXPECT_EQ(file.ResultCount(1), 1);

    BridgeHandFile again(path);
    const auto results = again.Results(1);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].Player, "Ann");
    EXPECT_EQ(results[0].Score, 420);
    EXPECT_EQ(results[0].Tricks, 10);
    EXPECT_EQ(results[0].Auction, result.Auction);
    EXPECT_EQ(results[0].Play, result.Play);
    const std::string stored = again.Ini().ReadString("_1.Ann", "Play", "");
    // Within a trick: leader, dummy, third hand, declarer.
    EXPECT_EQ(stored.substr(0, 39), "HA>,H2,H3,H4,HK,H5,S2>,H6,..,..,C3,..,.");
    EXPECT_EQ(again.Ini().ReadString("_1.Ann", "West", ""), "Corvane W");
}

TEST(HandLoading, TheShelfKeepsNewHandsInThePlayerFolderAndRestartsIt) {
    TempFolder folder;
    const std::string old = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    ::setenv("XDG_DATA_HOME", folder.File("xdg").c_str(), 1);
    BridgeHandFileShelf shelf(folder.Path() + "/");
    shelf.OpenNewHands();
    ASSERT_NE(shelf.Current(), nullptr);
    EXPECT_EQ(shelf.Current()->FileName(), "New Hands.ini");
    DealingState dealing;
    BoardRecord board;
    std::vector<std::string> messages;
    ASSERT_TRUE(shelf.Current()->GetHand(1, RandomDealing(dealing), board, messages));
    EXPECT_TRUE(std::filesystem::exists(folder.File("New Hands.ini")));

    WriteFile(folder.File("Saved Hands.ini"), "[_4]\nDealer=N\nDeal=N:...\n");
    EXPECT_TRUE(shelf.Open(folder.File("Saved Hands.ini")).empty());
    EXPECT_EQ(shelf.Current()->HighestHandNumber(), 4);

    std::string error;
    ASSERT_TRUE(shelf.RestartNewHands(error)) << error;
    EXPECT_EQ(shelf.Current()->HandCount(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.File("xdg/Trash/files/New Hands.ini")));
    if (old.empty()) ::unsetenv("XDG_DATA_HOME");
    else ::setenv("XDG_DATA_HOME", old.c_str(), 1);
}

}  // namespace
}  // namespace corvane

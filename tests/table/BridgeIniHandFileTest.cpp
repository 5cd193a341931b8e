#include "TableFixture.h"

#include "table/BridgeIniHandFile.h"

#include <filesystem>
#include <fstream>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

class HandFileOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("corvane-table-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(HandFileOnDiskTest, DealtBoardAndResultSurviveReopening) {
    FakeTableView view;
    PassingBidderPlaceholder bidder;
    FakeSolverLibrary solver;
    BridgeIniShelf shelf(folder.string());
    DealingState dealing;
    TableOptions options;
    options.PlayerName = "Ann";
    TableController table(view, bidder, solver, shelf, dealing, options);
    view.FormResults[Form::SeedDialog].push_back({true, 12345});
    table.DealerChoice(4);
    ASSERT_EQ(table.State().HandNumber, 1);
    table.KeyDown(TableKey::Char('3'));
    table.KeyDown(TableKey::Char('N'));
    table.StartButtonClick();
    table.FastClaimClick();
    ASSERT_EQ(table.State().Phase, PhaseHandOver);
    EXPECT_TRUE(view.Messages.empty());

    BridgeIniHandFile file((folder / NewHandsFileName).string());
    EXPECT_EQ(file.HandCount(), 1);
    EXPECT_EQ(file.PlayedBefore(1, "Ann"), FinishedBefore);
    EXPECT_EQ(file.PlayedBefore(1, "Bob"), NotPlayedBefore);
    EXPECT_EQ(file.ResultCount(1), 1);
    EXPECT_EQ(file.LastBoardWithResult("Ann"), 1);
    BoardRecord board;
    std::vector<std::string> messages;
    ASSERT_TRUE(file.GetHand(1, DealContext{}, board, messages));
    EXPECT_EQ(board.Holdings, DealFromSeed(12345).Holdings);
    EXPECT_EQ(board.Dealer, East);
    EXPECT_EQ(board.SeedText, "12345");
    ASSERT_GE(file.File().LoadResult(ResultSectionName(1, "Ann")), 0);
    EXPECT_EQ(file.File().Record.Players[South], "Ann");
    EXPECT_EQ(file.File().Record.Players[West], "E-W W");
    EXPECT_EQ(file.File().Record.Contract, BidCode(3, NoTrump));
    EXPECT_EQ(file.File().Record.Tricks, table.State().DeclarerTricks);
    EXPECT_EQ(file.File().Record.Score, table.State().HandScore);
}

TEST_F(HandFileOnDiskTest, DamagedBoardIsReportedAndNotUsed) {
    const fs::path path = folder / "damaged.ini";
    std::ofstream(path) << "[_1]\nBoard=1\nDealer=Q\nVulnerable=None\nDeal=N:AKQ.JT9\n";
    BridgeIniHandFile file(path.string());
    BoardRecord board;
    std::vector<std::string> messages;
    EXPECT_FALSE(file.GetHand(1, DealContext{}, board, messages));
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages[0].find(" errors found in damaged.ini\r reading hand no 1\r\r"),
              std::string::npos);
}

}  // namespace
}  // namespace corvane::testing

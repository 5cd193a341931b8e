// The hand-file commands on a table whose "New Hands.ini" lives on disk: deleting the board in
// play, copying to PBN, and clearing the rubber pad.
#include "FakeSolverLibrary.h"
#include "FakeTableView.h"
#include "TableFixture.h"
#include "files/BridgeINI.h"
#include "support/TempFolder.h"
#include "table/BridgeHandFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::testing {
namespace {

using test::ReadFile;
using test::TempFolder;

class TableFileCommands : public ::testing::Test {
  protected:
    TempFolder folder;
    FakeTableView view;
    ScriptedBidder bidder;
    FakeSolverLibrary solver;
    DealingState dealing;
    std::unique_ptr<BridgeHandFileShelf> files;
    std::unique_ptr<TableController> table;

    // Boards 1..count dealt into "New Hands.ini", the table left on `at`.
    void DealBoards(int count, int at) {
        dealing.Generator.SetSeed(4242);
        files = std::make_unique<BridgeHandFileShelf>(folder.Path());
        files->OpenNewHands();
        TableOptions options;
        options.PlayerName = "Ann";
        table = std::make_unique<TableController>(view, bidder, solver, *files, dealing, options);
        for (int n = 1; n <= count; ++n) table->GoToBoard(n);
        if (at > 0) table->GoToBoard(at);
    }

    // The file as a fresh reader finds it on disk.
    std::vector<int> BoardsOnDisk() const {
        return TBridgeINI(folder.File(NewHandsFileName)).Boards();
    }
    std::string NewHandsPbn() const { return folder.File("New Hands.pbn"); }
};

TEST_F(TableFileCommands, DeletingAsksFirstAndNoKeepsTheBoard) {
    DealBoards(3, 2);
    table->DeleteThisHandClick();
    ASSERT_EQ(view.Messages.size(), 1u);
    EXPECT_EQ(view.Messages[0], "Do you want to delete this deal?");
    EXPECT_EQ(BoardsOnDisk(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(table->State().HandNumber, 2);
}

TEST_F(TableFileCommands, DeletingMovesToTheBoardNowInItsPlaceOrTheLastOne) {
    DealBoards(3, 2);
    const std::string seedOfThree =
        TBridgeINI(folder.File(NewHandsFileName)).ReadString("_3", "Generator", "");
    ASSERT_FALSE(seedOfThree.empty());

    view.Answers.push_back(MessageAnswer::Yes);
    table->DeleteThisHandClick();
    // Gone from the file on disk, with its result, and board 3 (now second) is in play.
    EXPECT_EQ(BoardsOnDisk(), (std::vector<int>{1, 3}));
    EXPECT_EQ(ReadFile(folder.File(NewHandsFileName)).find("[_2"), std::string::npos);
    EXPECT_EQ(table->State().HandNumber, 3);
    EXPECT_EQ(table->Board().SeedText, seedOfThree);
    EXPECT_EQ(table->State().Phase, PhaseBidding);

    // The last board deleted: the new last board is played.
    view.Answers.push_back(MessageAnswer::Yes);
    table->DeleteThisHandClick();
    EXPECT_EQ(BoardsOnDisk(), (std::vector<int>{1}));
    EXPECT_EQ(table->State().HandNumber, 1);

    // The only board deleted: board 1 is dealt afresh into the empty file.
    const std::string seedOfOne = table->Board().SeedText;
    view.Answers.push_back(MessageAnswer::Yes);
    table->DeleteThisHandClick();
    EXPECT_EQ(table->State().HandNumber, 1);
    EXPECT_EQ(BoardsOnDisk(), (std::vector<int>{1}));
    EXPECT_NE(table->Board().SeedText, seedOfOne);
}

TEST_F(TableFileCommands, WithoutABoardInPlayDeleteAndCopyDealOnlyBeep) {
    DealBoards(0, 0);
    table->DeleteThisHandClick();
    table->CopyToPbnClick(true);
    EXPECT_TRUE(view.Messages.empty());
    EXPECT_EQ(view.Beeps.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(NewHandsPbn()));

    // A board dealt, then the dealer options opened: nothing is deleted from there.
    table->GoToBoard(1);
    table->OpenDealerOptions();
    view.Answers.push_back(MessageAnswer::Yes);
    table->DeleteThisHandClick();
    EXPECT_TRUE(view.Messages.empty());
    EXPECT_EQ(BoardsOnDisk(), (std::vector<int>{1}));
}

TEST_F(TableFileCommands, CopyToPbnWritesBesideTheFileAndSaysWhere) {
    DealBoards(2, 2);
    table->CopyToPbnClick(true);
    ASSERT_EQ(view.Messages.size(), 1u);
    EXPECT_EQ(view.Messages[0], "This deal has been copied to:\r" + NewHandsPbn());
    const std::string deal = ReadFile(NewHandsPbn());
    EXPECT_NE(deal.find("[Board \"2\"]"), std::string::npos);
    EXPECT_EQ(deal.find("[Board \"1\"]"), std::string::npos);

    table->CopyToPbnClick(false);
    EXPECT_EQ(view.Messages.back(), "The entire file has been copied to:\r" + NewHandsPbn());
    const std::string whole = ReadFile(NewHandsPbn());
    EXPECT_NE(whole.find("[Board \"1\"]"), std::string::npos);
    EXPECT_NE(whole.find("[Board \"2\"]"), std::string::npos);
}

TEST_F(TableFileCommands, ACopyThatCannotBeWrittenSaysWhyNotWhere) {
    DealBoards(1, 1);
    // A folder in the way of the PBN file.
    std::filesystem::create_directory(NewHandsPbn());
    table->CopyToPbnClick(false);
    ASSERT_EQ(view.Messages.size(), 1u);
    EXPECT_EQ(view.Messages[0].find("copied to"), std::string::npos);
    EXPECT_FALSE(view.Messages[0].empty());
}

TEST_F(TableFileCommands, ZeroingTheRubberPadClearsItsCountersAndTheLastHandLine) {
    DealBoards(1, 1);
    ScoreKeeper& scores = table->Scores();
    scores.ScoreHand(BidCode(4, Spades), 0, South, 10, false, RubberScoring,
                     table->Board().Holdings);
    ASSERT_FALSE(scores.ShowScorePad(table->PlayerNames())[0][0].empty());
    const TablePhase phase = table->State().Phase;
    table->ZeroRubberScorePadClick();
    EXPECT_EQ(scores.Pad, ScorePad{});
    EXPECT_TRUE(view.Shown(Panel::RubberPad));
    const RubberPadGrid grid = scores.ShowScorePad(table->PlayerNames());
    EXPECT_TRUE(grid[0][0].empty());
    EXPECT_TRUE(grid[1][1].empty());
    EXPECT_EQ(table->State().Phase, phase); // the hand in play goes on
}

} // namespace
} // namespace corvane::testing

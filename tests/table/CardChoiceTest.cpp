#include "TableFixture.h"

namespace corvane::testing {
namespace {

// After 1H by South on board 12345, West leads the three of clubs and North (the person) plays
// the ten: East is the first computer seat after the opening lead.
class CardChoiceTest : public TableTest {
protected:
    void ToEastsTurn() {
        BidOneHeartBySouth();
        Type("TC");
    }
};

TEST_F(CardChoiceTest, OpeningLeadFromTheSearchAndTheLibraryToldOfEveryCard) {
    solver.InitializeResult = 3;
    solver.SingleDummy = true;
    BidOneHeartBySouth();
    EXPECT_EQ(solver.Solves, 1);  // the lead, even with the library's own play available
    EXPECT_EQ(solver.GetSDCalls, 0);
    EXPECT_EQ(solver.Initialized, 1);
    ASSERT_FALSE(view.Messages.empty());
    EXPECT_EQ(view.Messages[0], "Initialize error 3");
    EXPECT_EQ(solver.Played, std::vector<CardCode>{MakeCard(Clubs, 3)});
}

TEST_F(CardChoiceTest, LibraryPlayOrDoubleDummyByTheOption) {
    solver.SingleDummy = true;
    solver.NextCard = MakeCard(Clubs, King);
    ToEastsTurn();
    EXPECT_EQ(solver.GetSDCalls, 1);
    EXPECT_EQ(S().PlayRecord[2].Card, MakeCard(Clubs, King));

    options.DDPlayOpenRoom = true;
    solver = FakeSolverLibrary();
    solver.SingleDummy = true;
    solver.NextCard = MakeCard(Clubs, King);
    Build();
    table->StartNewHand();
    Type("1H");
    table->StartButtonClick();
    Type("TC");
    EXPECT_EQ(solver.GetSDCalls, 0);
    EXPECT_EQ(S().PlayRecord[2].Card, MakeCard(Clubs, 2));
}

TEST_F(CardChoiceTest, LibraryFailuresSwitchTheRestOfTheHandToTheSearch) {
    solver.SingleDummy = true;
    solver.GetSDResultCode = 5;
    ToEastsTurn();
    EXPECT_EQ(view.Messages, std::vector<std::string>{"GetSD error 5"});
    EXPECT_TRUE(S().EngineError);
    EXPECT_EQ(S().PlayRecord[2].Card, MakeCard(Clubs, 2));
    Type("7C");
    Key(KeyCode::Enter);
    PlayOutWithEnter();
    EXPECT_EQ(solver.GetSDCalls, 1);  // never asked again this hand

    solver = FakeSolverLibrary();
    solver.SingleDummy = true;
    solver.PlayCardResult = 9;
    view = FakeTableView();
    table->StartNewHand();
    EXPECT_FALSE(S().EngineError);
    Type("1H");
    table->StartButtonClick();
    EXPECT_EQ(view.Messages, std::vector<std::string>{"PlayCard error 9"});
    EXPECT_TRUE(S().EngineError);
    Type("TC");
    EXPECT_EQ(solver.GetSDCalls, 0);
}

TEST_F(CardChoiceTest, AFailedLibraryIsNeitherAskedNorToldAgainThisHand) {
    solver.SingleDummy = true;
    solver.PlayCardResult = 9;
    BidOneHeartBySouth();
    Type("TC");
    Key(KeyCode::Enter);
    PlayOutWithEnter();
    EXPECT_EQ(S().Phase, PhaseHandOver);
    EXPECT_EQ(view.Messages, std::vector<std::string>{"PlayCard error 9"}) << "one message a hand";
    EXPECT_EQ(solver.Played.size(), 1u);
    EXPECT_EQ(solver.GetSDCalls, 0);
}

TEST_F(CardChoiceTest, TakeBackAfterAFailureLeavesTheLibraryAlone) {
    solver.SingleDummy = true;
    solver.GetSDResultCode = 2;
    ToEastsTurn();
    ASSERT_TRUE(S().EngineError);
    const int played = S().CardsPlayed;
    table->TPPBackupClick();
    EXPECT_EQ(S().CardsPlayed, played - 1);
    EXPECT_EQ(solver.TakeBacks, 0);
}

TEST_F(CardChoiceTest, EmptyAnswersStillGiveALegalCard) {
    solver.SingleDummy = true;
    solver.NextCard = NoCard;
    ToEastsTurn();
    EXPECT_EQ(view.Messages, std::vector<std::string>{"BestCard = 0"});
    EXPECT_EQ(S().CardsPlayed, 3);
    EXPECT_EQ(SuitOf(S().PlayRecord[2].Card), Clubs);

    // A failed search names its error and plays a card that follows suit.
    for (const auto& [code, text] : std::vector<std::pair<int, std::string>>{
             {-4, "Duplicated cards"},
             {-11, "The solver needs at least 512 MB RAM to solve this difficult hand"},
             {-30, "Unknown error in DLL"}}) {
        solver = FakeSolverLibrary();
        solver.SolveBoardResult = code;
        view = FakeTableView();
        table->StartNewHand();
        Type("1H");
        table->StartButtonClick();
        ASSERT_FALSE(view.Messages.empty());
        EXPECT_EQ(view.Messages[0], text);
        EXPECT_EQ(S().CardsPlayed, 1);
        EXPECT_FALSE(view.ProgramEnded);
    }
}

TEST_F(CardChoiceTest, ACardTheSeatDoesNotHoldStopsTheProgram) {
    solver.ForcedCard = MakeCard(Hearts, Ace);  // South's card, chosen for West
    dealing.ReproductionText = "12345";
    BidOneHeartBySouth();
    EXPECT_EQ(view.Messages, std::vector<std::string>{"Logic Error!0 Hand Number 12345"});
    EXPECT_TRUE(view.ProgramEnded);
    EXPECT_EQ(S().CardsPlayed, 0);
    EXPECT_TRUE(H(South).HoldsCard(MakeCard(Hearts, Ace)));
}

TEST_F(CardChoiceTest, OrdinaryPlayNeverReachesTheLogicCheck) {
    // Twenty dealt boards, every seat the computer's, each bid to 3NT by its dealer; and the
    // person's attempts at cards not held or not following suit are refused before the check.
    options.HandsPlayed = 0;
    options.HandsSeen = SeatBit(North);
    bidder.Original = {BidCode(3, NoTrump)};
    dealing.Generator.SetSeed(77);
    Build({});
    for (int board = 1; board <= 20; ++board) {
        table->GoToBoard(board);
        ASSERT_EQ(S().Phase, PhaseHandOver) << board;
        const auto results = files.NewHands().Results(board);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].Play.size(), 52u);
        EXPECT_EQ(results[0].Declarer, table->Board().Dealer);
    }
    EXPECT_TRUE(view.Messages.empty());
    EXPECT_FALSE(view.ProgramEnded);

    options = TableOptions();
    bidder.Original = {};
    BidOneHeartBySouth();
    for (const char* card : {"AS", "2D", "KH", "7D", "QH"}) Type(card);
    for (CardCode c : {MakeCard(Spades, Ace), MakeCard(Hearts, King)}) table->PlayCardClick(c);
    EXPECT_EQ(S().CardsPlayed, 1);
    EXPECT_FALSE(view.ProgramEnded);
    EXPECT_EQ(view.BeepCount(BeepKind::Exclamation), 7);
}

TEST_F(CardChoiceTest, DoubleDummyTableIsStoredSeatMajor) {
    Start();
    table->DoubleDummyResults1Click();
    EXPECT_TRUE(view.DDShown);
    // The library answers strain-major: entry strain * 4 + seat holds (strain * 4 + seat) % 14.
    for (int seat = 0; seat < 4; ++seat) {
        for (int strain = 0; strain < 5; ++strain) {
            EXPECT_EQ(table->DDResultTable()[static_cast<size_t>(seat * 5 + strain)],
                      (strain * 4 + seat) % 14);
        }
    }
    EXPECT_EQ(solver.LastDDDeal, DealFromSeed(12345).Holdings);
    const auto before = table->DDResultTable();
    solver.DDTableResultCode = -2;
    table->DDTable1Click();
    EXPECT_EQ(view.Messages.back(), "error in DD Table - -2");
    EXPECT_EQ(table->DDResultTable(), before);
    table->CloseDDResultsClick();
    EXPECT_EQ(S().Phase, PhaseBidding);
}

}  // namespace
}  // namespace corvane::testing

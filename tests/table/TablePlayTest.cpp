#include "TableFixture.h"

#include "scoring/ContractScore.h"

namespace corvane::testing {
namespace {

// Board 12345 with 1H by South: West leads the three of clubs (the test solver's lowest card),
// North is the dummy.
//   North S 874 H Q87 D KQJ7 C QT6      South S T6 H AK542 D T84 C A87
//   East  S KJ95 H JT9 D A6 C K942      West  S AQ32 H 63 D 9532 C J53

TEST_F(TableTest, DummyIsExposedAndPlayedByTheDeclarersPlayer) {
    BidOneHeartBySouth();
    EXPECT_EQ(S().Declarer, South);
    EXPECT_EQ(S().Dummy, North);
    EXPECT_EQ(S().CardsPlayed, 1);
    EXPECT_EQ(S().PlayRecord[0].Card, MakeCard(Clubs, 3));
    EXPECT_EQ(S().PlayRecord[0].Seat, West);
    EXPECT_TRUE(H(North).FaceUp);
    EXPECT_TRUE(H(North).PlayedHere);
    EXPECT_TRUE(H(South).PlayedHere);
    EXPECT_EQ(S().CurrentSeat, North);
    EXPECT_TRUE(table->AcceptsCardFrom(North));
    EXPECT_FALSE(table->AcceptsCardFrom(East));
    EXPECT_EQ(solver.Initialized, 1);
    EXPECT_EQ(view.CaptionOf(Caption::PlayPadText), "North's Play");
}

TEST_F(TableTest, CardsByRankAndSuitKeysMustBeHeldAndFollowSuit) {
    BidOneHeartBySouth();
    Type("2H");  // not held
    Type("8H");  // held, but North can follow clubs
    EXPECT_EQ(view.BeepCount(BeepKind::Exclamation), 2);
    EXPECT_EQ(S().CardsPlayed, 1);
    Type("1C");  // "1" is the ten
    ASSERT_GE(S().CardsPlayed, 2);
    EXPECT_EQ(S().PlayRecord[1].Card, MakeCard(Clubs, Ten));
    // East (the computer) follows low; South's turn.
    EXPECT_EQ(S().CardsPlayed, 3);
    EXPECT_EQ(S().CurrentSeat, South);
    Type("c7");  // suit first works too
    EXPECT_EQ(S().CardsPlayed, 4);
    EXPECT_EQ(S().DeclarerTricks, 1);  // North's ten won
    EXPECT_EQ(S().TrickLeader, North);
    EXPECT_TRUE(S().TrickOnTable);
    EXPECT_TRUE(view.TimerRunning);
    EXPECT_EQ(view.TimerMilliseconds, 3000);
    table->CleanTimerTimer();
    EXPECT_FALSE(S().TrickOnTable);
    EXPECT_EQ(S().CurrentSeat, North);
    EXPECT_EQ(view.CaptionOf(Caption::PlayPadText), "North's Lead");
}

TEST_F(TableTest, ArrowsMoveTheSelectionAndEnterPlaysIt) {
    BidOneHeartBySouth();
    EXPECT_EQ(table->SelectedCard(), MakeCard(Clubs, 6));  // lowest of the suit led
    Key(KeyCode::Right);
    const CardCode moved = table->SelectedCard();
    EXPECT_NE(moved, MakeCard(Clubs, 6));
    EXPECT_EQ(SuitOf(moved), Clubs);  // only cards that may be played
    EXPECT_EQ(view.Highlighted, moved);
    Key(KeyCode::Enter);
    EXPECT_EQ(S().PlayRecord[1].Card, moved);
}

TEST_F(TableTest, WholeHandPlayedWithEnterIsScoredAndStored) {
    BidOneHeartBySouth();
    PlayOutWithEnter();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    const int expected = ContractScore(BidCode(1, Hearts), 0, South, S().DeclarerTricks, false);
    EXPECT_EQ(S().HandScore, expected);
    EXPECT_EQ(solver.Played.size(), 52u);
    EXPECT_EQ(solver.Initialized, 1);
    EXPECT_EQ(CardsHeld(), 52);  // dealt out again for the score display
    EXPECT_TRUE(S().AllHandsShown);
    EXPECT_TRUE(view.Shown(Panel::EndOfScoring));
    EXPECT_TRUE(view.Shown(Panel::ScorePad));
    EXPECT_TRUE(view.IsEnabled(Command::Replay));
    const std::string time = view.CaptionOf(Caption::PlayTime);
    EXPECT_EQ(time.substr(time.size() - 8), " seconds");
    ASSERT_EQ(files.NewHands().Results(1).size(), 1u);
    const HandResultRecord r = files.NewHands().Results(1)[0];
    EXPECT_EQ(r.Player, options.PlayerName);
    EXPECT_EQ(r.Tricks, S().DeclarerTricks);
    EXPECT_EQ(r.Score, expected);
    ASSERT_EQ(r.Play.size(), 52u);
    EXPECT_EQ(r.Play[0], "3C");
    const std::vector<std::string> auction{"Pass", "1H", "Pass", "Pass", "Pass"};
    EXPECT_EQ(r.Auction, auction);
    EXPECT_EQ(files.NewHands().PlayedBefore(1, options.PlayerName), FinishedBefore);
    EXPECT_FALSE(view.ProgramEnded);
    // Computer turns show as whole busy periods, and the table is left ready.
    EXPECT_GT(view.BusyChanges, 0);
    EXPECT_EQ(view.RepeatedBusy, 0);
    EXPECT_FALSE(view.Busy);
}

TEST_F(TableTest, TakingBackCardsOneAtATime) {
    BidOneHeartBySouth();
    Type("TC");
    ASSERT_EQ(S().CardsPlayed, 3);  // West, North, East
    Key(KeyCode::Backspace);
    EXPECT_EQ(S().CardsPlayed, 2);
    EXPECT_EQ(S().CurrentSeat, East);
    EXPECT_TRUE(H(East).HoldsCard(MakeCard(Clubs, 2)));
    EXPECT_EQ(solver.TakeBacks, 1);
    EXPECT_EQ(solver.Played.size(), 2u);
    EXPECT_EQ(view.TrickCards[West], MakeCard(Clubs, 3));
    EXPECT_EQ(view.TrickCards[North], MakeCard(Clubs, Ten));
    Key(KeyCode::Backspace);
    EXPECT_EQ(S().CardsPlayed, 1);
    EXPECT_TRUE(H(North).HoldsCard(MakeCard(Clubs, Ten)));
    EXPECT_TRUE(table->AcceptsCardFrom(North));
    Type("6C");
    EXPECT_EQ(S().CardsPlayed, 3);
    EXPECT_EQ(solver.Played.size(), 3u);
    EXPECT_EQ(solver.Played[1], MakeCard(Clubs, 6));
    // A library that fails the take-back is reported; the table takes the card back all the same.
    solver.TakeBackResult = 4;
    Key(KeyCode::Backspace);
    EXPECT_EQ(view.Messages.back(), "TakeBackCard error 4");
    EXPECT_EQ(S().CardsPlayed, 2);
}

TEST_F(TableTest, TakingBackRightAfterACompletedTrickReturnsTheTrick) {
    BidOneHeartBySouth();
    Type("TC");
    Type("7C");
    ASSERT_EQ(S().CardsPlayed, 4);
    ASSERT_EQ(S().DeclarerTricks, 1);
    Key(KeyCode::Backspace);
    EXPECT_EQ(S().CardsPlayed, 3);
    EXPECT_EQ(S().DeclarerTricks, 0);
    EXPECT_FALSE(S().TrickOnTable);
    EXPECT_TRUE(H(South).HoldsCard(MakeCard(Clubs, 7)));
    EXPECT_EQ(view.TrickCards[South], NoCard);
    EXPECT_EQ(view.TrickCards[East], MakeCard(Clubs, 2));
    EXPECT_EQ(S().CurrentSeat, South);
    EXPECT_EQ(solver.Played.size(), 3u);
    // Now South wins it with the ace instead.
    Type("AC");
    EXPECT_EQ(S().TrickLeader, South);
    EXPECT_EQ(S().DeclarerTricks, 1);
}

TEST_F(TableTest, TakingBackTheLastCardBeforeTheLastTrickIsCleared) {
    BidOneHeartBySouth();
    for (int i = 0; i < 300 && S().CardsPlayed < 52; ++i) Key(KeyCode::Enter);
    ASSERT_EQ(S().CardsPlayed, 52);
    ASSERT_TRUE(S().TrickOnTable);
    const int tricks = S().DeclarerTricks;
    const TSeat last = S().PlayRecord[51].Seat;
    Key(KeyCode::Backspace);
    EXPECT_EQ(S().CardsPlayed, 51);
    EXPECT_EQ(solver.Played.size(), 51u);
    EXPECT_EQ(H(last).CardCount(), 1);
    EXPECT_EQ(S().Phase, PhasePlaying);
    EXPECT_LE(S().DeclarerTricks, tricks);
    PlayOutWithEnter();
    EXPECT_EQ(S().Phase, PhaseHandOver);
}

TEST_F(TableTest, BackupTrickTakesBackUpToFourCards) {
    BidOneHeartBySouth();
    Type("TC");
    Type("7C");
    Key(KeyCode::Enter);  // clear the trick; North leads
    Type("7D");
    ASSERT_EQ(S().CardsPlayed, 6);
    TableKey back = TableKey::Of(KeyCode::Backspace);
    back.Ctrl = true;
    table->KeyDown(back);
    EXPECT_EQ(S().CardsPlayed, 2);
    EXPECT_EQ(solver.TakeBacks, 4);
    EXPECT_EQ(solver.Played.size(), 2u);
    EXPECT_EQ(CardsHeld(), 50);
}

TEST_F(TableTest, LeadToTheLastTrickIsNeverPlayedForThePerson) {
    options.HandsPlayed = options.HandsSeen =
        SeatBit(North) | SeatBit(East) | SeatBit(South) | SeatBit(West);
    Start();
    Type("P1HPPP");
    table->StartButtonClick();
    ASSERT_EQ(S().Phase, PhasePlaying);
    bool waitedAt48 = false;
    for (int i = 0; i < 300 && S().Phase == PhasePlaying; ++i) {
        if (S().CardsPlayed == 48 && !S().TrickOnTable) {
            waitedAt48 = true;
            Key(KeyCode::Enter);
            // The three cards after the lead are each a seat's last card: they follow at once.
            EXPECT_EQ(S().CardsPlayed, 52);
        } else {
            Key(KeyCode::Enter);
        }
    }
    EXPECT_TRUE(waitedAt48);
    EXPECT_EQ(S().Phase, PhaseHandOver);
}

TEST_F(TableTest, SingletonInTheSuitLedIsPlayedAutomatically) {
    // North holds the singleton ace of spades; West (the person) leads a spade.
    const char* pbn = "N:A.KQJT9.5432.432 KQJT9.8765.KQ.65 8765.A432.AJ.AKQ 432..T9876.JT987";
    for (bool autoPlay : {true, false}) {
        options.HandsPlayed = options.HandsSeen = SeatBit(South) | SeatBit(West);
        options.AutoPlaySingleton = autoPlay;
        Build({});
        BoardRecord board;
        ASSERT_TRUE(DealFromPbn(pbn, board.Holdings));
        board.Dealer = East;
        board.BoardText = "1";
        files.NewHands().AddBoard(1, board);
        table->StartNewHand();
        Type("1H");
        Type("P");  // West
        ASSERT_EQ(S().Phase, PhaseBiddingOver);
        table->StartButtonClick();
        Type("2S");
        if (autoPlay) {
            ASSERT_GE(S().CardsPlayed, 3);
            EXPECT_EQ(S().PlayRecord[1].Card, MakeCard(Spades, Ace));
            EXPECT_EQ(S().CurrentSeat, South);
        } else {
            EXPECT_EQ(S().CardsPlayed, 1);
            EXPECT_EQ(S().CurrentSeat, North);
        }
    }
}

TEST_F(TableTest, HintShowsTheComputersCardAndASecondPressPlaysIt) {
    BidOneHeartBySouth();
    table->HintClick();
    EXPECT_EQ(view.CaptionOf(Caption::PlayPadText), "Hint: 6C");
    EXPECT_EQ(view.CaptionOf(Caption::HintButton), "&Play Hint");
    EXPECT_EQ(S().CardsPlayed, 1);
    EXPECT_EQ(S().Phase, PhasePlaying);
    table->HintClick();
    EXPECT_EQ(S().PlayRecord[1].Card, MakeCard(Clubs, 6));
    EXPECT_EQ(view.CaptionOf(Caption::HintButton), "H&int");
}

TEST_F(TableTest, ShowButtonOffersAFaceDownHandOfThePerson) {
    options.HandsSeen = SeatBit(North);  // South is played here but face down
    bidder.Original = {BidCode(1, Clubs)};
    Start();
    Type("P");
    table->StartButtonClick();
    ASSERT_EQ(S().Declarer, East);
    ASSERT_EQ(S().CurrentSeat, South);  // the opening lead
    EXPECT_TRUE(view.Shown(Panel::ShowButton));
    EXPECT_EQ(view.CaptionOf(Caption::ShowButton), "Show South");
    EXPECT_EQ(view.CaptionOf(Caption::PlayPadText), "South's Play - Use Hint");
    EXPECT_TRUE(table->AcceptsCardFrom(South));
    EXPECT_FALSE(table->IsHandShown(South));
    table->ShowButtonClick();
    EXPECT_TRUE(table->IsHandShown(South));
    EXPECT_FALSE(H(South).FaceUp);
    EXPECT_EQ(view.CaptionOf(Caption::ShowButton), "Hide South");
    table->ShowButtonClick();
    EXPECT_FALSE(table->IsHandShown(South));
}

TEST_F(TableTest, KeysAreIgnoredWhereTheyDoNothing) {
    BidOneHeartBySouth();
    Key(KeyCode::F1);
    table->OpenDealerOptions();
    Type("TC");
    EXPECT_EQ(S().CardsPlayed, 1);
    table->CloseDealerOptions();
    TableKey alt = TableKey::Char('T');
    alt.Alt = true;
    table->KeyDown(alt);
    Key('C');  // the alt key did not fill the rank
    EXPECT_EQ(S().CardsPlayed, 1);
    Key('Z');  // clears the buffer
    Key('T');
    Key('C');
    EXPECT_EQ(S().PlayRecord[1].Card, MakeCard(Clubs, Ten));
}

}  // namespace
}  // namespace corvane::testing

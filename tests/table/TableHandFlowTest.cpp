#include "TableFixture.h"

namespace corvane::testing {
namespace {

TEST_F(TableTest, SlowClaimFinishesTheTrickAndGivesTheDummyBack) {
    BidOneHeartBySouth();
    ASSERT_EQ(S().CurrentSeat, North);
    table->ButSlowClaimClick();
    EXPECT_EQ(S().CardsPlayed, 4);
    EXPECT_TRUE(S().TrickOnTable);
    EXPECT_EQ(S().Mode, PlayMode::Normal);
    EXPECT_TRUE(H(South).PlayedHere);
    EXPECT_TRUE(H(North).PlayedHere);  // still the person's to play after the claim
    EXPECT_TRUE(H(North).FaceUp);
    Key(KeyCode::Enter);  // South's seven of clubs won: the person leads
    EXPECT_EQ(S().CardsPlayed, 4);
    EXPECT_EQ(S().CurrentSeat, South);
    PlayOutWithEnter();
    EXPECT_EQ(S().Phase, PhaseHandOver);
}

TEST_F(TableTest, FastClaimsPlayTheRestAtOnceAndEndTheHand) {
    for (bool doubleDummy : {true, false}) {
        solver = FakeSolverLibrary();
        solver.SingleDummy = true;  // so the forced double-dummy play is visible
        Start();
        Type("1H");
        table->StartButtonClick();
        Type("TC");
        Type("7C");
        const int settled = S().CardsPlayed;
        ASSERT_EQ(settled, 4);
        const int sdCalls = solver.GetSDCalls;
        if (doubleDummy) {
            table->FastClaimClick();
            EXPECT_EQ(solver.GetSDCalls, sdCalls);
        } else {
            table->DDClaimClick();
            EXPECT_GT(solver.GetSDCalls, sdCalls);
        }
        EXPECT_EQ(S().Phase, PhaseHandOver);
        EXPECT_EQ(solver.Played.size(), 52u);  // each card told once, none twice
        EXPECT_FALSE(table->Options().DDPlayOpenRoom);  // forced on only for the claim
        ASSERT_EQ(files.NewHands().Results(1).size(), 1u);
        EXPECT_EQ(files.NewHands().Results(1)[0].Play[1], "TC");
        files = MemoryHandFileShelf();
    }
}

TEST_F(TableTest, ReplayAfterAClaimStartsTheSamePlayClean) {
    BidOneHeartBySouth();
    Type("TC");
    table->FastClaimClick();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    const int firstScore = S().HandScore;
    table->EOSReplayClick();
    EXPECT_EQ(S().Phase, PhasePlaying);
    EXPECT_EQ(S().Contract, BidCode(1, Hearts));
    EXPECT_EQ(S().Declarer, South);
    EXPECT_EQ(S().Mode, PlayMode::Normal);
    EXPECT_FALSE(S().AllHandsShown);
    EXPECT_EQ(S().PlayedBefore, FinishedBefore);
    EXPECT_EQ(S().CardsPlayed, 1);  // West's lead again, the person to play
    EXPECT_EQ(CardsHeld(), 51);
    EXPECT_EQ(S().DeclarerTricks, 0);
    EXPECT_TRUE(H(North).PlayedHere);
    EXPECT_EQ(solver.Initialized, 2);
    EXPECT_EQ(table->Auction().Calls().size(), 5u);
    PlayOutWithEnter();
    EXPECT_EQ(S().Phase, PhaseHandOver);
    // The board was finished before: the replay does not store a second result.
    EXPECT_EQ(files.NewHands().Results(1).size(), 1u);
    EXPECT_EQ(files.NewHands().Results(1)[0].Score, firstScore);
}

TEST_F(TableTest, NothingOfAFinishedHandLeaksIntoTheNext) {
    solver.PlayCardResult = 7;  // the library's own play fails this hand
    BidOneHeartBySouth();
    EXPECT_TRUE(S().EngineError);
    solver.PlayCardResult = 0;
    Key('C');  // half a card in the key buffer
    table->ShowButtonClick();
    table->FastClaimClick();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    view.Messages.clear();

    Key(KeyCode::F2);  // next hand
    EXPECT_EQ(S().HandNumber, 2);
    EXPECT_EQ(S().Phase, PhaseBidding);
    EXPECT_EQ(S().Contract, Pass);
    EXPECT_EQ(S().CardsPlayed, 0);
    EXPECT_EQ(S().DeclarerTricks, 0);
    EXPECT_FALSE(S().TrickOnTable);
    EXPECT_FALSE(S().AllHandsShown);
    EXPECT_EQ(S().Mode, PlayMode::Normal);
    EXPECT_FALSE(H(North).PlayedHere);
    EXPECT_FALSE(H(North).FaceUp);
    EXPECT_EQ(CardsHeld(), 52);
    EXPECT_FALSE(view.Shown(Panel::EndOfScoring));
    EXPECT_FALSE(view.Shown(Panel::ScorePad));
    // Board 2 (seed 1000003) is dealt by West: South calls after West and North pass.
    EXPECT_EQ(S().CurrentSeat, South);
    Type("3N");
    EXPECT_EQ(S().Contract, BidCode(3, NoTrump));
    table->StartButtonClick();
    EXPECT_FALSE(S().EngineError);  // cleared when the auction ended
    EXPECT_EQ(solver.Initialized, 2);
    PlayOutWithEnter();
    EXPECT_EQ(S().Phase, PhaseHandOver);
    EXPECT_TRUE(view.Messages.empty());
    EXPECT_EQ(files.NewHands().Results(2).size(), 1u);
}

TEST_F(TableTest, NextPriorAndRebid) {
    Start({12345, 1000003, 1});
    EXPECT_FALSE(view.IsEnabled(Command::PriorHand));
    table->EOBNewHandClick();
    EXPECT_EQ(S().HandNumber, 2);
    EXPECT_TRUE(view.IsEnabled(Command::PriorHand));
    Key(KeyCode::F2);
    EXPECT_EQ(S().HandNumber, 3);
    Key(KeyCode::F3);
    Key(KeyCode::F3);
    EXPECT_EQ(S().HandNumber, 1);
    EXPECT_FALSE(view.IsEnabled(Command::PriorHand));
    table->PriorHandClick();
    EXPECT_EQ(S().HandNumber, 1);

    Type("2S");
    ASSERT_EQ(S().Phase, PhaseBiddingOver);
    table->StartNewHand();  // rebid the same board
    EXPECT_EQ(S().HandNumber, 1);
    EXPECT_EQ(S().Phase, PhaseBidding);
    EXPECT_EQ(table->Auction().Calls().size(), 1u);
}

TEST_F(TableTest, LastBoardOfAnotherFileLeadsBackToNewHands) {
    Build();
    auto other = std::make_unique<MemoryHandFile>("Club Night.ini");
    other->AddBoard(1, BoardRecord{DealFromSeed(5).Holdings, North, VulNone, "1", "5", "", {}});
    files.OpenOther(std::move(other));
    table->StartNewHand();
    ASSERT_EQ(S().Phase, PhaseBidding);
    view.Answers.push_back(MessageAnswer::Yes);
    table->EOBNewHandClick();
    EXPECT_EQ(view.Messages.back(),
              "You have completed all the hands in this file. Do you want to see the Score Book");
    EXPECT_EQ(view.FormsOpened.back(), Form::ScoreBook);
    EXPECT_EQ(files.Current()->FileName(), NewHandsFileName);
    EXPECT_TRUE(table->DealerOptionsOpen());
}

TEST_F(TableTest, DealerChoicesStartAtTheBoardTheyCompute) {
    Build();
    table->DealerChoice(0);  // no results yet: board 1
    EXPECT_EQ(S().HandNumber, 1);
    EXPECT_FALSE(table->DealerOptionsOpen());
    Type("P");
    table->StartButtonClick();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    table->DealerChoice(0);  // one past the last board with a result
    EXPECT_EQ(S().HandNumber, 2);

    view.FormResults[Form::SeedDialog].push_back({true, 12345});
    table->DealerChoice(4);  // one past the highest board in the file, dealt from the seed
    EXPECT_EQ(S().HandNumber, 3);
    EXPECT_EQ(table->Board().SeedText, "12345");
    const DealtBoard expected = DealFromSeed(12345);
    EXPECT_EQ(table->Board().Holdings, expected.Holdings);
    EXPECT_EQ(table->Board().Dealer, East);

    const int before = S().HandNumber;
    table->DealerChoice(4);  // cancelled: nothing changes
    EXPECT_EQ(S().HandNumber, before);
}

TEST_F(TableTest, DealerChoiceZeroOffersAFreshFileAfter64Hands) {
    Build();
    for (int n = 1; n <= 65; ++n) {
        files.NewHands().AddBoard(n, BoardRecord{DealFromSeed(n).Holdings, North, VulNone,
                                                 std::to_string(n), "", "", {}});
    }
    view.Answers.push_back(MessageAnswer::Yes);
    table->DealerChoice(0);
    ASSERT_GE(view.Messages.size(), 2u);
    EXPECT_EQ(view.Messages[0],
              "There are > 64 hands in this file. Start a New Hands file at hand number 1?");
    EXPECT_EQ(view.Messages[1],
              "The old \"New Hands.ini\" file has been transfered to the Recycle Bin");
    EXPECT_EQ(S().HandNumber, 1);
    EXPECT_EQ(files.Current()->HighestHandNumber(), 1);

    options.PlayerName.clear();
    table->SetOptions(options);
    table->DealerChoice(0);
    EXPECT_EQ(view.Messages.back(), "Please choose a player name from the drop-down list or type "
                                    "in a new player's name.");
}

TEST_F(TableTest, CaptionsAndMenuForms) {
    options.PlayerName = "Ann";
    options.NSTeamName = "Reds";
    Start();
    EXPECT_EQ(view.CaptionOf(Caption::Window), "Corvane 6.2    -    Ann   -   New Hands.ini");
    EXPECT_EQ(view.CaptionOf(Caption::NSTeamLine), "N-S :  Reds");
    EXPECT_EQ(view.CaptionOf(Caption::EWTeamLine), "E-W:  E-W");
    EXPECT_EQ(view.SeatNamesShown[South], "Ann");
    EXPECT_EQ(view.SeatNamesShown[West], "Corvane W");
    EXPECT_EQ(view.CaptionOf(Caption::SouthHcp), "South HCP: 11");

    table->ScoreBookClick();
    EXPECT_EQ(view.FormsOpened.back(), Form::ScoreBook);
    files.OpenOther(std::make_unique<MemoryHandFile>("Empty.ini"));
    table->ScoreBookClick();
    EXPECT_EQ(view.Messages.back(), "This Bridge File is empty!!!");
    table->MatchResultsClick();  // not in a match: nothing
    EXPECT_EQ(view.FormsOpened.back(), Form::ScoreBook);
}

TEST_F(TableTest, RubberScoringPostsToThePadAndDealsByGamesWon) {
    options.Scoring = RubberScoring;
    Build();
    table->StartNewHand();
    Type("7N");
    table->StartButtonClick();
    table->FastClaimClick();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    EXPECT_TRUE(view.Shown(Panel::RubberPad));
    EXPECT_TRUE(table->Scores().Last().JustEnded);
    EXPECT_EQ(table->Scores().Last().Contract, BidCode(7, NoTrump));
    EXPECT_NE(table->Scores().Pad.At(2, PadCounter::CurrOver), 0);  // East-West's penalty
    table->ZeroRubberScorePadClick();
    EXPECT_EQ(table->Scores().Pad.At(2, PadCounter::CurrOver), 0);
}

}  // namespace
}  // namespace corvane::testing

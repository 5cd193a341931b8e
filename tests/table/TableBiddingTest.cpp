#include "TableFixture.h"

namespace corvane::testing {
namespace {

// Board 12345: dealer East, so South calls after East's pass.
TEST_F(TableTest, CallsTypedAsKeyPairsInEitherOrder) {
    Start();
    EXPECT_EQ(S().Phase, PhaseBidding);
    EXPECT_EQ(S().CurrentSeat, South);
    ASSERT_EQ(table->Auction().Calls().size(), 1u);  // East passed
    Type("4S");
    ASSERT_EQ(table->Auction().Calls().size(), 5u);
    EXPECT_EQ(table->Auction().Calls()[1].Code, BidCode(4, Spades));
    EXPECT_EQ(S().Phase, PhaseBiddingOver);
    EXPECT_EQ(S().Contract, BidCode(4, Spades));
    EXPECT_EQ(S().Declarer, South);
    EXPECT_EQ(view.CaptionOf(Caption::StartButton), "Start &Play");
    EXPECT_TRUE(view.Shown(Panel::EndOfBidding));
    EXPECT_FALSE(view.Shown(Panel::BiddingBox));

    table->StartNewHand();
    Type("S4");
    EXPECT_EQ(table->Auction().Calls()[1].Code, BidCode(4, Spades));
    table->StartNewHand();
    Type("N3");
    EXPECT_EQ(S().Contract, BidCode(3, NoTrump));
}

TEST_F(TableTest, DoubleWaitsForItsSecondKeyAndEnterPasses) {
    bidder.Original = {BidCode(1, Clubs)};
    Start();
    Key('X');
    EXPECT_EQ(table->Auction().Calls().size(), 1u);  // nothing called yet
    Key(KeyCode::Enter);
    ASSERT_GE(table->Auction().Calls().size(), 2u);
    EXPECT_EQ(table->Auction().Calls()[1].Code, Double);
    EXPECT_EQ(S().Contract, BidCode(1, Clubs));
    EXPECT_EQ(S().Doubled, 1);
    EXPECT_EQ(S().Declarer, East);

    table->StartNewHand();
    Key(KeyCode::Enter);  // Enter alone passes
    EXPECT_EQ(table->Auction().Calls()[1].Code, Pass);
    table->StartNewHand();
    Key('p');
    EXPECT_EQ(table->Auction().Calls()[1].Code, Pass);
}

TEST_F(TableTest, RefusedCallsBeepAndChangeNothing) {
    // East pass, South 1S, West pass, North 2S, East pass: South to call again.
    bidder.Original = {Pass, Pass, BidCode(2, Spades), Pass};
    Start();
    Type("1S");
    ASSERT_EQ(S().CurrentSeat, South);
    const size_t calls = table->Auction().Calls().size();
    Type("1S");  // not higher than 2S
    Type("2S");  // not higher either
    Key('X');
    Key(KeyCode::Enter);  // doubling partner's bid
    EXPECT_EQ(table->Auction().Calls().size(), calls);
    EXPECT_EQ(view.BeepCount(BeepKind::Information), 3);
    Type("7N");  // a higher bid goes through
    EXPECT_EQ(table->Auction().Calls().size(), calls + 4);

    // A redouble of an undoubled contract is not a call either: "X" doubles or redoubles.
    table->ProcessBid("Q9");
    EXPECT_EQ(view.BeepCount(BeepKind::Information), 3);
}

TEST_F(TableTest, XDoublesOrRedoublesByTheStateOfTheContract) {
    // East pass, South 1S, West doubles, North and East pass: South's "X" redoubles.
    bidder.Original = {Pass, Double, Pass, Pass};
    Start();
    Type("1S");
    ASSERT_EQ(S().CurrentSeat, South);
    ASSERT_EQ(table->Auction().Doubled(), 1);
    table->ProcessBid("XD");
    EXPECT_EQ(table->Auction().Doubled(), 2);
    EXPECT_EQ(S().Phase, PhaseBiddingOver);
    EXPECT_EQ(S().Doubled, 2);

    // East 2D after South's 1S: "XR" on an undoubled contract doubles it.
    bidder.Original = {Pass, Pass, Pass, BidCode(2, Diamonds)};
    table->StartNewHand();
    Type("1S");
    ASSERT_EQ(table->Auction().HighestBid(), BidCode(2, Diamonds));
    table->ProcessBid("XR");
    EXPECT_EQ(table->Auction().Doubled(), 1);
}

TEST_F(TableTest, TakingBackACallRebuildsTheAuctionForThatSeat) {
    bidder.Original = {Pass, Pass, Pass, BidCode(2, Diamonds)};
    Start();
    Type("1S");
    ASSERT_EQ(table->Auction().Calls().size(), 5u);  // P 1S P P 2D
    Key(KeyCode::Backspace);
    ASSERT_EQ(table->Auction().Calls().size(), 4u);
    EXPECT_EQ(S().CurrentSeat, East);  // the seat whose call was removed calls again
    EXPECT_TRUE(view.Shown(Panel::BiddingBox));
    EXPECT_EQ(table->Auction().HighestBid(), BidCode(1, Spades));
    Key('B');
    Key('B');
    Key('B');
    EXPECT_EQ(table->Auction().Calls().size(), 1u);
    // A computer's illegal call would stall the auction: it counts as a pass.
    bidder.Original = {Pass, BidCode(1, Clubs), BidCode(2, Spades), Pass};
    table->StartNewHand();
    Type("1S");
    EXPECT_EQ(table->Auction().Calls().size(), 5u);  // P 1S P 2S P
    EXPECT_EQ(S().CurrentSeat, South);
    EXPECT_EQ(S().Phase, PhaseBidding);

    // After the auction is over, Backspace takes back its last call too.
    bidder.Original = {};
    table->StartNewHand();
    Type("1S");
    ASSERT_EQ(S().Phase, PhaseBiddingOver);
    Key(KeyCode::Backspace);
    EXPECT_EQ(S().Phase, PhaseBidding);
    EXPECT_FALSE(view.Shown(Panel::EndOfBidding));
}

TEST_F(TableTest, BiddingBoxCodesAndModes) {
    Start();
    table->ProcessBid("Ex");
    table->ProcessBid("Te");
    EXPECT_EQ(S().Phase, PhaseTestPad);
    table->ProcessBid("S4");  // goes to the test pad, not the auction
    EXPECT_EQ(table->Auction().Calls().size(), 1u);
    table->ProcessBid("Te");
    EXPECT_EQ(S().Phase, PhaseBidding);
    // The hint offers the computer's call; accepting it makes the call.
    view.FormResults[Form::BidHint].push_back({true, 0});
    table->ProcessBid("Hi");
    EXPECT_EQ(table->Auction().Calls()[1].Code, Pass);
    const std::vector<Form> expected{Form::ExplainMenu, Form::TestPad, Form::TestPad, Form::BidHint};
    EXPECT_EQ(view.FormsOpened, expected);
}

TEST_F(TableTest, PassedOutHandUnderEachScoringMode) {
    for (ScoringMode mode : {ImpScoring, MatchpointScoring, RubberScoring}) {
        options.Scoring = mode;
        view = FakeTableView();
        Start();
        Type("P");
        ASSERT_EQ(S().Phase, PhaseBiddingOver) << int(mode);
        EXPECT_EQ(S().Contract, Pass);
        if (mode == RubberScoring) {
            EXPECT_FALSE(view.IsEnabled(Command::StartPlay));
            table->StartButtonClick();
            EXPECT_EQ(S().Phase, PhaseBiddingOver);
        } else {
            EXPECT_EQ(view.CaptionOf(Caption::StartButton), "&Closed Rm");
            ASSERT_FALSE(view.Messages.empty());
            EXPECT_EQ(view.Messages.back(),
                      "Click \"Closed Rm\" to see if the hand is passed out there,  or click "
                      "\"New Hand\" to skip to another hand.");
            table->StartButtonClick();
            EXPECT_EQ(S().Phase, PhaseHandOver);
            EXPECT_EQ(S().HandScore, 0);
            EXPECT_TRUE(view.Shown(Panel::EndOfScoring));
        }
    }
}

TEST_F(TableTest, PassedOutHandInAMatchEndsAtOnce) {
    options.LastHandInMatch = 4;
    Build();
    view.FormResults[Form::Match].push_back({true, 0});
    table->DealerChoice(6);
    ASSERT_TRUE(S().MatchPlay);
    ASSERT_EQ(S().HandNumber, 1);
    Type("P");
    EXPECT_EQ(S().Phase, PhaseHandOver);
    EXPECT_EQ(S().HandScore, 0);
    ASSERT_EQ(files.NewHands().Results(1).size(), 1u);
    EXPECT_EQ(files.NewHands().Results(1)[0].Contract, Pass);
}

TEST_F(TableTest, AuctionWithoutThePersonIsPlayedOutFast) {
    options.HandsPlayed = 0;
    options.HandsSeen = SeatBit(North);
    bidder.Original = {Pass, BidCode(1, Hearts)};  // East pass, South 1H, then passes
    Start();
    EXPECT_EQ(S().Phase, PhaseHandOver);
    EXPECT_EQ(view.TimesShown[Panel::BiddingBox], 0);
    EXPECT_EQ(view.TimesShown[Panel::EndOfBidding], 0);
    ASSERT_EQ(files.NewHands().Results(1).size(), 1u);
    const HandOutcome r = files.NewHands().Results(1)[0];
    EXPECT_EQ(r.Contract, BidCode(1, Hearts));
    EXPECT_EQ(r.Play.size(), 13u);
    EXPECT_EQ(view.TimersStarted, 0);  // no trick waited on the table
    EXPECT_FALSE(S().AutoFinish);
    EXPECT_TRUE(view.Shown(Panel::EndOfScoring));
}

}  // namespace
}  // namespace corvane::testing

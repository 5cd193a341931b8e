#include "scoring/ScoreKeeper.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

const std::array<std::string, 4> Names{"North", "East", "South", "West"};

// A deal in which nobody holds honours in any strain.
DealHoldings PlainDeal() {
    DealHoldings deal{};
    EXPECT_TRUE(DealFromPbn(
        "N:AK32.AK32.A32.32 QJ54.QJ54.K54.J5 T976.T976.Q7.T76 8.8.JT986.AKQ984", deal));
    return deal;
}

void MoveCard(DealHoldings& deal, TSeat from, TSeat to, Strain suit, TRank rank) {
    deal[from][suit] &= ~RankBit(rank);
    deal[to][suit] |= RankBit(rank);
}

int Counter(const ScoreKeeper& keeper, int side, PadCounter counter) {
    return keeper.Pad.At(side, counter);
}

// South plays the contract and takes the tricks, not vulnerable, at rubber bridge.
int Rubber(ScoreKeeper& keeper, int level, Strain strain, int tricks, TSeat declarer = South,
           int doubling = 0, const PadPosting& posting = {}) {
    return keeper.ScoreHand(BidCode(level, strain), doubling, declarer, tricks, false,
                            RubberScoring, PlainDeal(), posting);
}

TEST(ScoreHandTest, ReturnsTheModesScore) {
    ScoreKeeper keeper;
    EXPECT_EQ(keeper.ScoreHand(BidCode(4, Spades), 0, East, 10, true, ImpScoring, PlainDeal()),
              -620);
    EXPECT_EQ(keeper.Pad, ScorePad{});  // only rubber scoring posts
    EXPECT_EQ(Rubber(keeper, 4, Spades, 10), 120);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::Game1), 120);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::GamesWon), 1);
    EXPECT_EQ(keeper.Last().GamePosted, 1);
}

TEST(ScoreHandTest, RubberOfPartScoresGamesAndBonus) {
    ScoreKeeper keeper;
    Rubber(keeper, 2, Spades, 8);
    keeper.StartRubberHand();
    Rubber(keeper, 2, Hearts, 9);  // one overtrick above the line
    EXPECT_EQ(Counter(keeper, 1, PadCounter::Game1), 120);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::GamesWon), 1);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 30);
    EXPECT_EQ(keeper.RubberVulnerability(), VulNS);
    keeper.StartRubberHand();
    EXPECT_EQ(Counter(keeper, 1, PadCounter::OverLine), 30);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 0);

    // East-West's part-score in game 2 does not help them into game 3.
    Rubber(keeper, 3, Diamonds, 9, West);
    EXPECT_EQ(Counter(keeper, 2, PadCounter::Game2), 60);
    keeper.StartRubberHand();
    Rubber(keeper, 3, NoTrump, 9);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::Game2), 100);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::GamesWon), 2);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 700);  // opponents without a game
    EXPECT_EQ(keeper.GameInProgressRow(), PadFirstGameRow + 2);

    // The next deal ends the rubber: the net result goes on the winners' carry line.
    keeper.StartRubberHand();
    ScorePad expected;
    expected.At(1, PadCounter::Carry) = 120 + 30 + 100 + 700 - 60;
    EXPECT_EQ(keeper.Pad, expected);
    EXPECT_EQ(keeper.RubberVulnerability(), VulNone);
}

TEST(ScoreHandTest, RubberBonusAgainstAGame) {
    ScoreKeeper keeper;
    Rubber(keeper, 4, Hearts, 10);
    Rubber(keeper, 5, Clubs, 11, East);
    EXPECT_EQ(keeper.RubberVulnerability(), VulBoth);
    EXPECT_EQ(Counter(keeper, 2, PadCounter::Game2), 100);
    Rubber(keeper, 4, Spades, 10, North);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::Game3), 120);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 500);
    // East-West net ahead: the carry goes to them.
    ScoreKeeper losing;
    losing.Pad.At(2, PadCounter::OverLine) = 2000;
    losing.Pad.At(1, PadCounter::GamesWon) = 2;
    losing.Pad.At(1, PadCounter::Game1) = 100;
    losing.StartRubberHand();
    EXPECT_EQ(Counter(losing, 2, PadCounter::Carry), 1900);
    EXPECT_EQ(Counter(losing, 1, PadCounter::Carry), 0);
}

TEST(ScoreHandTest, PenaltiesAndBonusesAboveTheLine) {
    ScoreKeeper keeper;
    Rubber(keeper, 4, Spades, 8, South, 1);  // down two doubled
    EXPECT_EQ(Counter(keeper, 2, PadCounter::CurrOver), 300);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 0);
    EXPECT_EQ(keeper.Last().GamePosted, 0);
    keeper.StartRubberHand();
    Rubber(keeper, 6, Hearts, 13, West);  // slam with an overtrick
    EXPECT_EQ(Counter(keeper, 2, PadCounter::CurrOver), 530);
    EXPECT_EQ(Counter(keeper, 2, PadCounter::Game1), 180);
    EXPECT_EQ(Counter(keeper, 2, PadCounter::OverLine), 300);
}

TEST(ScoreHandTest, RubberEndUsesCurrentTotalsEvenWhenNotShown) {
    ScoreKeeper keeper;
    keeper.Pad.At(1, PadCounter::Total) = 5000;  // stale value from an older display
    Rubber(keeper, 3, NoTrump, 9);
    Rubber(keeper, 3, NoTrump, 9);
    keeper.StartRubberHand();
    EXPECT_EQ(Counter(keeper, 1, PadCounter::Carry), 100 + 100 + 700);
}

TEST(ScoreHandTest, NoGamesAfterTheRubberIsWon) {
    ScoreKeeper keeper;
    Rubber(keeper, 3, NoTrump, 9);
    Rubber(keeper, 3, NoTrump, 9);
    Rubber(keeper, 3, NoTrump, 9);  // scored again before the rubber was closed
    EXPECT_EQ(Counter(keeper, 1, PadCounter::GamesWon), 2);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 700);
    EXPECT_EQ(keeper.RubberVulnerability(), VulNS);
}

TEST(ScoreHandTest, HandsShownAgainAreNotPosted) {
    ScoreKeeper keeper;
    EXPECT_EQ(Rubber(keeper, 4, Spades, 10, South, 0, {.BoardAlreadyScored = true}), 120);
    EXPECT_EQ(Rubber(keeper, 4, Spades, 10, South, 0, {.HandAlreadyHasTricks = true}), 120);
    EXPECT_EQ(keeper.Pad, ScorePad{});
    EXPECT_TRUE(keeper.Last().JustEnded);
}

TEST(HonoursTest, CreditedToTheHolderWhicheverSide) {
    // East, a defender of North's spade contract, holds KQJT of spades.
    DealHoldings deal = PlainDeal();
    MoveCard(deal, North, East, Spades, King);
    MoveCard(deal, South, East, Spades, Ten);
    ScoreKeeper keeper;
    keeper.ScoreHand(BidCode(2, Clubs), 0, West, 8, false, RubberScoring, deal);
    EXPECT_EQ(Counter(keeper, 2, PadCounter::CurrOver), 0);  // no hand has club honours
    EXPECT_EQ(keeper.Last().HonoursPosted.Seat, NoSeat);
    keeper.ScoreHand(BidCode(2, Spades), 0, North, 8, false, RubberScoring, deal);
    EXPECT_EQ(Counter(keeper, 2, PadCounter::CurrOver), 100);
    EXPECT_EQ(Counter(keeper, 1, PadCounter::CurrOver), 0);
    EXPECT_EQ(keeper.Last().HonoursPosted.Seat, East);
    EXPECT_EQ(keeper.ShowScorePad(Names)[1][1], "East had Honors");

    // Honours are a rubber matter only.
    ScoreKeeper duplicate;
    duplicate.ScoreHand(BidCode(2, Spades), 0, North, 8, false, ImpScoring, deal);
    EXPECT_EQ(duplicate.Pad, ScorePad{});
}

TEST(HonoursTest, FourAndFiveTrumpHonoursAndFourAces) {
    DealHoldings deal = PlainDeal();
    EXPECT_EQ(HonoursHeld(deal, Spades).Seat, NoSeat);
    EXPECT_EQ(HonoursHeld(deal, NoTrump).Seat, NoSeat);
    MoveCard(deal, North, East, Spades, King);
    MoveCard(deal, South, East, Spades, Ten);
    EXPECT_EQ(HonoursHeld(deal, Spades).Seat, East);
    EXPECT_EQ(HonoursHeld(deal, Spades).Points, 100);
    MoveCard(deal, North, East, Spades, Ace);
    EXPECT_EQ(HonoursHeld(deal, Spades).Points, 150);

    DealHoldings aces = PlainDeal();
    MoveCard(aces, West, North, Clubs, Ace);
    EXPECT_EQ(HonoursHeld(aces, NoTrump).Seat, North);
    EXPECT_EQ(HonoursHeld(aces, NoTrump).Points, 150);
    EXPECT_EQ(HonoursHeld(aces, Clubs).Seat, NoSeat);
}

TEST(HonoursTest, NoneForAPassedOutDeal) {
    DealHoldings aces = PlainDeal();
    MoveCard(aces, West, North, Clubs, Ace);
    ScoreKeeper keeper;
    EXPECT_EQ(keeper.ScoreHand(Pass, 0, North, 0, false, RubberScoring, aces), 0);
    EXPECT_EQ(keeper.Pad, ScorePad{});
    EXPECT_EQ(keeper.ShowScorePad(Names)[0][0], "Hand was Passed Out");
}

TEST(ResultTextTest, MadeDownAndCut) {
    ScoreKeeper keeper;
    keeper.ScoreHand(BidCode(4, Spades), 1, South, 11, false, ImpScoring, PlainDeal());
    EXPECT_EQ(keeper.HandResultText("South", BidCode(4, Spades), 1), "South made 4~S X + 1");
    keeper.ScoreHand(BidCode(3, NoTrump), 2, West, 7, false, ImpScoring, PlainDeal());
    EXPECT_EQ(keeper.HandResultText("West", BidCode(3, NoTrump), 2), "West down 2 in 3~N XX");
    keeper.ScoreHand(BidCode(1, Clubs), 0, North, 7, false, ImpScoring, PlainDeal());
    EXPECT_EQ(keeper.HandResultText("North", BidCode(1, Clubs), 0), "North made 1~C");
    const std::string text =
        keeper.HandResultText("Somebody with a long name", BidCode(1, Clubs), 0);
    EXPECT_EQ(text, "Somebody with a long name made");
    EXPECT_EQ(keeper.HandResultText("North", Pass, 0), "Hand was Passed Out");
}

TEST(ScorePadTest, GridLayoutAndTotals) {
    ScoreKeeper keeper;
    keeper.Pad.At(2, PadCounter::Carry) = 250;
    Rubber(keeper, 2, Spades, 9, North);
    RubberPadGrid grid = keeper.ShowScorePad(Names);
    EXPECT_EQ(grid[0][0], "North made 2~S + 1");
    EXPECT_EQ(grid[1][1], "");
    EXPECT_EQ(grid[2][1], "WE");
    EXPECT_EQ(grid[2][2], "THEY");
    EXPECT_EQ(grid[3][2], "250");  // carry
    EXPECT_EQ(grid[3][1], "");     // zero shows empty
    EXPECT_EQ(grid[4][1], "30");   // this hand above the line
    EXPECT_EQ(grid[6][1], "60");   // game 1
    EXPECT_EQ(grid[9][1], "90");
    EXPECT_EQ(grid[9][2], "250");
    EXPECT_EQ(keeper.Pad.At(1, PadCounter::Total), 90);
    keeper.StartRubberHand();
    grid = keeper.ShowScorePad(Names);
    EXPECT_EQ(grid[0][0], "");  // no hand just ended
    EXPECT_EQ(grid[5][1], "30");
    EXPECT_EQ(grid[4][1], "");
    keeper.ZeroScorePad();
    EXPECT_EQ(keeper.Pad, ScorePad{});
}

TEST(ScorePadTest, PlayerFileKeys) {
    EXPECT_EQ(ScorePadKey(1, PadCounter::GamesWon), "N-SGamesWon");
    EXPECT_EQ(ScorePadKey(2, PadCounter::Game3), "E-WGame3");
    EXPECT_EQ(ScorePadKey(2, PadCounter::Total), "E-WTotal");
}

}  // namespace
}  // namespace corvane

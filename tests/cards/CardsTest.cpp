#include "cards/Cards.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(CardCodeTest, SuitAndRankOfCodes) {
    const CardCode tenOfSpades = MakeCard(Spades, Ten);
    EXPECT_EQ(SuitOf(tenOfSpades), Spades);
    EXPECT_EQ(RankOf(tenOfSpades), Ten);
    EXPECT_EQ(CardText(tenOfSpades), "TS");
    EXPECT_EQ(CardText(MakeCard(Clubs, 7)), "7C");
    for (CardCode noCard = 0; noCard <= 3; ++noCard) {
        EXPECT_FALSE(IsCard(noCard));
        EXPECT_EQ(RankOf(noCard), 0);
    }
    EXPECT_EQ(HighestRankOf((1U << Ace) | (1U << 5) | Hearts), Ace);
    EXPECT_EQ(RankOf((1U << Ace) | (1U << 5) | Hearts), 5);
}

TEST(HoldingTest, LengthNthHighestAndLowestCard) {
    Holding akj52 = 0;
    ASSERT_TRUE(HoldingFromText("AKJ52", akj52));
    EXPECT_EQ(Length(akj52), 5);
    EXPECT_EQ(HoldingText(akj52), "AKJ52");
    EXPECT_EQ(NthHighest(akj52, 0), Ace);
    EXPECT_EQ(NthHighest(akj52, 3), Jack);
    EXPECT_EQ(NthHighest(akj52, 5), 2);
    EXPECT_EQ(NthHighest(RankBit(King), 4), 2);  // shorter than n: a two, never out of range
    EXPECT_EQ(LowestCard(akj52, Diamonds), MakeCard(Diamonds, 2));
    EXPECT_EQ(LowestCard(0, Diamonds), NoCard);
    EXPECT_EQ(HighCardPoints(akj52), 8);
    Holding bad = 0;
    EXPECT_FALSE(HoldingFromText("AA", bad));
    EXPECT_FALSE(HoldingFromText("AZ", bad));
}

TEST(SeatTest, ArithmeticIsModuloFour) {
    EXPECT_EQ(NextSeat(West), North);
    EXPECT_EQ(PreviousSeat(North), West);
    EXPECT_EQ(Partner(East), West);
    EXPECT_TRUE(AreOpponents(North, East));
    EXPECT_FALSE(AreOpponents(North, South));
    EXPECT_EQ(Side(South), 1);
    EXPECT_EQ(Side(West), 2);
}

TEST(VulnerabilityTest, DeclarerVulnerableBySide) {
    EXPECT_FALSE(DeclarerVulnerable(VulNone, 1));
    EXPECT_TRUE(DeclarerVulnerable(VulBoth, 2));
    EXPECT_TRUE(DeclarerVulnerable(VulNS, 1));
    EXPECT_FALSE(DeclarerVulnerable(VulNS, 2));
    EXPECT_TRUE(SeatVulnerable(VulEW, West));
}

TEST(PbnDealTest, RoundTripAndRejects) {
    DealHoldings deal{};
    const std::string text = "N:874.Q87.KQJ7.QT6 KJ95.JT9.A6.K942 T6.AK542.T84.A87 AQ32.63.9532.J53";
    ASSERT_TRUE(DealFromPbn(text, deal));
    EXPECT_EQ(PbnDealString(deal), text);
    EXPECT_EQ(HoldingText(deal[West][Spades]), "AQ32");
    ASSERT_TRUE(DealFromPbn("E:KJ95.JT9.A6.K942 T6.AK542.T84.A87 AQ32.63.9532.J53 874.Q87.KQJ7.QT6", deal));
    EXPECT_EQ(PbnDealString(deal), text);
    EXPECT_FALSE(DealFromPbn("N:874.Q87.KQJ7.QT6 874.Q87.KQJ7.QT6 - -", deal));  // duplicated cards
    EXPECT_FALSE(DealFromPbn("X:- - - -", deal));
    EXPECT_FALSE(DealFromPbn("N:874.Q87.KQJ7 - - -", deal));
    EXPECT_TRUE(DealFromPbn("W:- - AQ32.63.9532.J53 -", deal));
}

}  // namespace
}  // namespace corvane

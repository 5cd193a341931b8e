#include "bidding/HandEvaluation.h"
#include "bidding/SuitEvaluation.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

Holding H(const char* ranks) {
    Holding h = 0;
    EXPECT_TRUE(HoldingFromText(ranks, h)) << ranks;
    return h;
}

// Spades, hearts, diamonds, clubs; "-" for a void.
THands Hand(const char* s, const char* h, const char* d, const char* c) {
    auto suit = [](const char* text) { return std::string(text) == "-" ? Holding{0} : H(text); };
    THands hand(South);
    hand.SetHoldings({suit(c), suit(d), suit(h), suit(s)});
    EXPECT_EQ(hand.CardCount(), 13);
    EvaluateHand(hand);
    ComputeLosingTricks(hand);
    return hand;
}

TEST(SuitFiguresTest, QueenJackTenSequenceEarnsAPointFromFourCards) {
    THands four = Hand("QJT2", "AK32", "K32", "32");
    EXPECT_EQ(SuitHCP(H("QJT2")), 3);
    EXPECT_EQ(four.HCP, 3 + 1 + 7 + 3);
    EXPECT_EQ(four.SupportPts, 0);
    THands three = Hand("QJT", "AK32", "K432", "32");
    EXPECT_EQ(three.HCP, 3 + 7 + 3);
    // AQJT is not a QJT-topped suit.
    EXPECT_EQ(Hand("AQJT", "K32", "K432", "32").HCP, 7 + 3 + 3);
}

TEST(SuitFiguresTest, SingletonAndDoubletonHonours) {
    const Holding k = H("K");
    EXPECT_EQ(QuickTricks(k), 0.0);
    EXPECT_TRUE(UnguardedHonour(k));
    EXPECT_FALSE(IsStopper(k));
    EXPECT_TRUE(SecondRoundControl(k));
    EXPECT_FALSE(FirstRoundControl(k));
    EXPECT_TRUE(UnguardedHonour(H("J")));
    EXPECT_FALSE(UnguardedHonour(H("A")));
    EXPECT_TRUE(UnguardedHonour(H("QJ")));
    EXPECT_FALSE(UnguardedHonour(H("KJ")));
    EXPECT_FALSE(UnguardedHonour(H("Q2")));
    EXPECT_TRUE(FirstRoundControl(0));
    EXPECT_TRUE(SecondRoundControl(H("2")));
    EXPECT_FALSE(SecondRoundControl(H("Q2")));
}

TEST(SuitFiguresTest, QuickTricksByTopHonours) {
    EXPECT_EQ(QuickTricks(H("AKQ")), 3.0);
    EXPECT_EQ(QuickTricks(H("AKQJ2")), 3.0);
    EXPECT_EQ(QuickTricks(H("AK2")), 2.0);
    EXPECT_EQ(QuickTricks(H("AQ2")), 1.5);
    EXPECT_EQ(QuickTricks(H("AJ2")), 1.0);
    EXPECT_EQ(QuickTricks(H("A")), 1.0);
    EXPECT_EQ(QuickTricks(H("KQ")), 1.0);
    EXPECT_EQ(QuickTricks(H("K2")), 0.5);
    EXPECT_EQ(QuickTricks(H("KJ2")), 0.5);
    EXPECT_EQ(QuickTricks(H("QJ2")), 0.0);
    EXPECT_EQ(TopHonours(H("AQ52")), "AQ");
    EXPECT_EQ(TopHonourCount(H("KQJ")), 2);
}

TEST(SuitFiguresTest, SuitLosersByLengthAndHonours) {
    EXPECT_EQ(SuitLosers(0), 0);
    EXPECT_EQ(SuitLosers(H("A")), 0);
    EXPECT_EQ(SuitLosers(H("K")), 1);
    EXPECT_EQ(SuitLosers(H("AK")), 0);
    EXPECT_EQ(SuitLosers(H("KQ")), 1);
    EXPECT_EQ(SuitLosers(H("K2")), 1);
    EXPECT_EQ(SuitLosers(H("A2")), 1);
    EXPECT_EQ(SuitLosers(H("Q2")), 2);
    EXPECT_EQ(SuitLosers(H("AKQ")), 0);
    EXPECT_EQ(SuitLosers(H("AKQ5432")), 0);
    EXPECT_EQ(SuitLosers(H("Q32")), 2.5);
    EXPECT_EQ(SuitLosers(H("QJ2")), 2);
    EXPECT_EQ(SuitLosers(H("QT2")), 2);
    EXPECT_EQ(SuitLosers(H("A32")), 2);
    EXPECT_EQ(SuitLosers(H("KQ32")), 1);
    EXPECT_EQ(SuitLosers(H("J432")), 3);
}

TEST(SuitFiguresTest, StoppersIncludingShortHonours) {
    EXPECT_TRUE(IsStopper(H("A")));
    EXPECT_TRUE(IsStopper(H("K2")));
    EXPECT_FALSE(IsStopper(H("Q2")));
    EXPECT_TRUE(IsStopper(H("Q32")));
    EXPECT_FALSE(IsStopper(H("J32")));
    EXPECT_TRUE(IsStopper(H("J432")));
    EXPECT_FALSE(IsStopper(H("8765")));
    EXPECT_TRUE(IsStopper(H("T876")));
    EXPECT_TRUE(IsStopper(H("98765")));
    EXPECT_FALSE(IsStopper(0));
}

TEST(SuitFiguresTest, SuitQualityThresholds) {
    EXPECT_FALSE(IsGoodSuit(H("KJ")));     // short and only 4 HCP
    EXPECT_TRUE(IsGoodSuit(H("KJ2")));     // 3 cards, 4 HCP, two honours
    EXPECT_FALSE(IsGoodSuit(H("K32")));
    EXPECT_TRUE(IsGoodSuit(H("AJ2")));     // 3 cards, 5 HCP
    EXPECT_TRUE(IsGoodSuit(H("AK")));      // 7 HCP whatever the length
    EXPECT_TRUE(IsGoodSuit(H("QT32")));    // 4 cards, two honours
    EXPECT_FALSE(IsGoodSuit(H("K432")));
    EXPECT_TRUE(IsGoodSuit(H("A432")));    // 4 cards, 4 HCP
    EXPECT_FALSE(IsGoodSuit(H("T932")));
    EXPECT_DOUBLE_EQ(HonourCount(H("KT")), 1.5);
    EXPECT_DOUBLE_EQ(HonourCount(H("KT32")), 2.0);

    EXPECT_TRUE(IsSolidLongSuit(H("AK5432")));
    EXPECT_FALSE(IsSolidLongSuit(H("AKQ32")));
    EXPECT_FALSE(IsSolidLongSuit(H("AJ5432")));
    EXPECT_TRUE(IsStrongLongSuit(H("KJ5432")));
    EXPECT_TRUE(IsStrongLongSuit(H("QJT432")));
    EXPECT_FALSE(IsStrongLongSuit(H("K65432")));
    EXPECT_FALSE(IsStrongLongSuit(H("KJ543")));

    EXPECT_TRUE(NotWeakLength(H("32")));
    EXPECT_FALSE(NotWeakLength(H("Q32")));
    EXPECT_TRUE(NotWeakLength(H("K32")));
    EXPECT_EQ(HonoursInTop(H("AQ32"), 3), 2);
    EXPECT_EQ(HonoursInTop(H("T9"), 5), 1);
}

TEST(SuitFiguresTest, Tenaces) {
    EXPECT_TRUE(HasTenace(H("AQ")));
    EXPECT_TRUE(HasTenace(H("KJ2")));
    EXPECT_TRUE(HasTenace(H("K32")));
    EXPECT_TRUE(HasTenace(H("QT")));
    EXPECT_FALSE(HasTenace(H("AK")));
    EXPECT_FALSE(HasTenace(H("AKQ")));
    EXPECT_FALSE(HasTenace(H("K")));
    EXPECT_FALSE(HasTenace(H("QJ2")));
}

TEST(LengthPointsTest, LongSuitsAndTheNoHonourDeduction) {
    EXPECT_EQ(SuitLengthPoints(H("AK432")), 1);
    EXPECT_EQ(SuitLengthPoints(H("AK5432")), 2);
    EXPECT_EQ(SuitLengthPoints(H("AK65432")), 4);
    EXPECT_EQ(SuitLengthPoints(H("AK765432")), 6);
    EXPECT_EQ(Hand("T9432", "AK2", "KQ2", "A2").LengthPts, 0);  // 1, less 1 for no honour
}

TEST(LengthPointsTest, WeakHandCapUnlessEightCards) {
    // 9 HCP, no aces or kings, playing strength 25: four length points capped at three.
    const THands seven = Hand("QJ98765", "QJ2", "QJ", "2");
    EXPECT_EQ(seven.HCP, 9);
    EXPECT_EQ(PlayingStrength(seven), 25);
    EXPECT_EQ(seven.LengthPts, 3);
    // The same weakness with eight cards keeps its six points.
    const THands eight = Hand("QJ987654", "Q2", "J2", "2");
    EXPECT_LT(PlayingStrength(eight), 26);
    EXPECT_EQ(eight.LengthPts, 6);
    // A stronger seven-card hand is not capped.
    EXPECT_EQ(Hand("AQ98765", "KJ2", "QJ", "2").LengthPts, 4);
}

TEST(ShapeTest, ShapeCodesAndVoids) {
    const THands fourFourFourOne = Hand("K432", "A432", "5432", "2");
    EXPECT_EQ(fourFourFourOne.ShapeCode, 4441);
    EXPECT_FALSE(fourFourFourOne.Balanced);
    EXPECT_TRUE(HasSingleton(fourFourFourOne));
    EXPECT_EQ(VoidCount(fourFourFourOne), 0);

    const THands fiveFourFourVoid = Hand("AQ432", "KJ32", "5432", "-");
    EXPECT_EQ(fiveFourFourVoid.ShapeCode, 5440);
    EXPECT_TRUE(HasVoid(fiveFourFourVoid));
    EXPECT_EQ(VoidCount(fiveFourFourVoid), 1);
    EXPECT_EQ(NonVoidSuits(fiveFourFourVoid), 3);

    EXPECT_EQ(VoidCount(Hand("AKQJT98", "765432", "-", "-")), 2);
    const THands thirteen = Hand("AKQJT98765432", "-", "-", "-");
    EXPECT_EQ(thirteen.ShapeCode, 13000);
    EXPECT_EQ(VoidCount(thirteen), 3);
    EXPECT_EQ(LongestLength(thirteen), 13);
    EXPECT_EQ(SecondLength(thirteen), 0);
}

TEST(ShapeTest, BalancedDependsOnTheDoubletons) {
    EXPECT_FALSE(Hand("AK432", "KJ43", "J2", "Q2").Balanced);
    EXPECT_TRUE(Hand("AK432", "J432", "K2", "Q2").Balanced);
    EXPECT_TRUE(Hand("5432", "432", "432", "432").Balanced);
    EXPECT_TRUE(Hand("AK43", "KQ43", "AJ2", "32").Balanced);
    EXPECT_TRUE(Hand("AK5432", "432", "A2", "Q2").Balanced);
    EXPECT_TRUE(Hand("AK432", "J32", "432", "32").Balanced);  // 5332 whatever the doubleton
    EXPECT_FALSE(Hand("AK5432", "432", "J2", "Q2").Balanced);
}

TEST(HandFiguresTest, SuitChoicesOnTies) {
    const THands h = Hand("K432", "A432", "5432", "2");
    EXPECT_EQ(LongestSuit(h), Spades);
    EXPECT_EQ(SecondSuit(h), Hearts);
    EXPECT_EQ(MainSuit(h), Hearts);  // as long as spades and stronger
    EXPECT_EQ(ShortestSuit(h), Clubs);
    EXPECT_EQ(ShortestLength(h), 1);
    EXPECT_EQ(MainSuit(Hand("A432", "K432", "5432", "2")), Spades);
    EXPECT_EQ(ShortestSuit(Hand("AK432", "K432", "32", "32")), Clubs);
    EXPECT_EQ(SecondSuit(Hand("AQ432", "KJ32", "5432", "-")), Hearts);
    EXPECT_EQ(MainSuit(Hand("AQ432", "KJ32", "5432", "-")), Spades);
}

TEST(HandFiguresTest, ControlsAndKeyCards) {
    const THands h = Hand("AQ432", "KJ32", "5432", "-");
    EXPECT_EQ(Controls(h), 3);
    EXPECT_EQ(KeyCards(h, Spades), 1);
    EXPECT_EQ(KeyCards(h, Hearts), 2);
    EXPECT_EQ(KeyCards(h, NoTrump), 1);
    EXPECT_EQ(FirstRoundControls(h, Hearts), 2);  // the club void counts in a suit contract
    EXPECT_EQ(FirstRoundControls(h, NoTrump), 1);
    const THands g = Hand("K432", "A432", "5432", "2");
    EXPECT_EQ(UncontrolledSuits(g, Spades), 1);  // the singleton club is controlled in a suit
    EXPECT_EQ(UncontrolledSuits(g, NoTrump), 2);
    EXPECT_EQ(TotalPoints(g), g.HCP + std::max(g.LengthPts, g.SupportPts));
}

TEST(LosingTricksTest, WholeHandsWithTheHonourCorrection) {
    // Void: 0 + 1 + 0 + 3, aces and kings balance the points.
    EXPECT_DOUBLE_EQ(Hand("AKQ32", "KQ2", "-", "87654").LosingTricks, 4.0);
    // A solid suit takes no control correction.
    EXPECT_DOUBLE_EQ(Hand("AKQJ32", "2", "32", "5432").LosingTricks, 6.0);
    // A singleton king adds its points: 0.33 + 3 gives -0.5.
    EXPECT_DOUBLE_EQ(Hand("KQJ32", "K", "A432", "432").LosingTricks, 6.5);
    // Aces and kings only: -1.5.
    EXPECT_DOUBLE_EQ(Hand("AK32", "AK2", "A32", "A32").LosingTricks, 4.5);
    // Queens and jacks only: +1.
    EXPECT_DOUBLE_EQ(Hand("QJ32", "QJ2", "QJ2", "QJ2").LosingTricks, 9.0);
}

TEST(AuctionStartTest, OpenRoomCountsUnguardedHonoursClosedRoomDoesNot) {
    const std::array<Holding, 4> deal{H("AJ2"), H("K"), H("QJ5432"), H("A32")};
    TableHands open = MakeTableHands();
    open[North].SetHoldings(deal);
    open[North].LosingTrickAdjust = 1.5;
    PrepareHandsForAuction(open, false);
    const THands& n = open[North];
    EXPECT_EQ(n.SupportPts, -1);  // the bare king
    EXPECT_EQ(n.LosingTrickAdjust, 0);
    EXPECT_DOUBLE_EQ(n.HandQuickTricks, 2.0);
    EXPECT_EQ(n.HCP, 15);

    TableHands closed = MakeTableHands();
    closed[North].SetHoldings(deal);
    PrepareHandsForAuction(closed, true);
    EXPECT_EQ(closed[North].SupportPts, 0);
    EXPECT_DOUBLE_EQ(closed[North].LosingTricks, n.LosingTricks);
    EXPECT_DOUBLE_EQ(closed[North].HandQuickTricks, 2.0);
}

TEST(AuctionStartTest, OpenRoomPutsPlayedCardsBack) {
    TableHands hands = MakeTableHands();
    hands[North].SetHoldings({H("AJ2"), H("K"), H("QJ5432"), H("A32")});
    hands[North].RemoveCard(MakeCard(Clubs, Ace));
    PrepareHandsForAuction(hands, false);
    EXPECT_EQ(hands[North].CardCount(), 13);
    EXPECT_EQ(hands[North].HCP, 15);
    EXPECT_EQ(hands[North].Suits[Clubs].Length, 3);
}

TEST(RelativeVulnerabilityTest, BySide) {
    EXPECT_EQ(RelativeVulnerability(VulNone, 1), 1);
    EXPECT_EQ(RelativeVulnerability(VulBoth, 2), 1);
    EXPECT_EQ(RelativeVulnerability(VulNS, 1), 2);
    EXPECT_EQ(RelativeVulnerability(VulNS, 2), 0);
    EXPECT_EQ(RelativeVulnerability(VulEW, 1), 0);
    EXPECT_EQ(RelativeVulnerability(VulEW, 2), 2);
}

}  // namespace
}  // namespace corvane

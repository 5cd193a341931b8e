#include "cards/CardSelection.h"
#include "cards/Hands.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

THands HandFrom(TSeat seat, const char* spades, const char* hearts, const char* diamonds,
                const char* clubs) {
    std::array<Holding, 4> h{};
    EXPECT_TRUE(HoldingFromText(clubs, h[Clubs]));
    EXPECT_TRUE(HoldingFromText(diamonds, h[Diamonds]));
    EXPECT_TRUE(HoldingFromText(hearts, h[Hearts]));
    EXPECT_TRUE(HoldingFromText(spades, h[Spades]));
    THands hand(seat);
    hand.SetHoldings(h);
    return hand;
}

TEST(SuitOrderTest, RowsByTrumpAndOptionWithWestReversed) {
    using A = std::array<Strain, 4>;
    EXPECT_EQ(SuitDisplayOrder(NoTrump, 0, South), (A{Spades, Hearts, Clubs, Diamonds}));
    EXPECT_EQ(SuitDisplayOrder(NoTrump, 1, South), (A{Spades, Hearts, Diamonds, Clubs}));
    EXPECT_EQ(SuitDisplayOrder(Spades, 2, North), (A{Spades, Hearts, Clubs, Diamonds}));
    EXPECT_EQ(SuitDisplayOrder(Clubs, 0, East), (A{Clubs, Hearts, Spades, Diamonds}));
    EXPECT_EQ(SuitDisplayOrder(Clubs, 1, East), (A{Clubs, Spades, Hearts, Diamonds}));
    EXPECT_EQ(SuitDisplayOrder(Hearts, 0, West), (A{Clubs, Diamonds, Spades, Hearts}));
}

TEST(HandsTest, PlayAndRestoreKeepLengthsInStep) {
    THands hand = HandFrom(South, "T6", "AK542", "T84", "A87");
    EXPECT_EQ(hand.CardCount(), 13);
    hand.RemoveCard(MakeCard(Hearts, King));
    EXPECT_EQ(hand.Suits[Hearts].Length, 4);
    EXPECT_FALSE(hand.HoldsCard(MakeCard(Hearts, King)));
    hand.Suits[Clubs].HintCard = MakeCard(Clubs, 7);
    hand.RestoreDealtHoldings();
    EXPECT_EQ(hand.CardCount(), 13);
    EXPECT_EQ(hand.Suits[Clubs].HintCard, NoCard);
    const auto cards = CardsInDisplayOrder(hand, NoTrump, 0);
    ASSERT_EQ(cards.size(), 13U);
    EXPECT_EQ(cards.front(), MakeCard(Spades, Ten));
    EXPECT_EQ(cards.back(), MakeCard(Diamonds, 4));
}

TEST(HandsTest, SeatMasksDefaultToSouthWhenEmpty) {
    TableHands hands = MakeTableHands();
    int played = 0, seen = 0;
    ApplySeatMasks(hands, played, seen);
    EXPECT_EQ(played, 8);
    EXPECT_EQ(seen, 8);
    EXPECT_TRUE(hands[South].PlayedHere);
    EXPECT_FALSE(hands[North].FaceUp);
    played = SeatBit(North) | SeatBit(South);
    seen = 30;
    ApplySeatMasks(hands, played, seen);
    EXPECT_TRUE(hands[North].PlayedHere);
    EXPECT_TRUE(hands[West].FaceUp);
}

TEST(CardSelectionTest, DefaultFollowsSuitLedThenWinningSuitThenClubsUp) {
    const THands hand = HandFrom(South, "T6", "AK542", "", "A87");
    TrickContext leading;
    EXPECT_EQ(DefaultSelection(hand, leading), MakeCard(Clubs, 7));
    TrickContext follow{Hearts, MakeCard(Hearts, Queen), true};
    EXPECT_EQ(DefaultSelection(hand, follow), MakeCard(Hearts, 2));
    TrickContext voidInLed{Diamonds, MakeCard(Spades, Ace), true};
    EXPECT_EQ(DefaultSelection(hand, voidInLed), MakeCard(Spades, 6));
    TrickContext nothingPlayed{-1, MakeCard(Spades, Ace), false};
    EXPECT_EQ(DefaultSelection(hand, nothingPlayed), MakeCard(Clubs, 7));
}

TEST(CardSelectionTest, ArrowsSkipCardsThatMayNotBePlayed) {
    const THands hand = HandFrom(South, "T6", "AK542", "T84", "A87");
    const auto cards = CardsInDisplayOrder(hand, NoTrump, 0);  // S T6 H AK542 C A87 D T84
    TrickContext follow{Hearts, NoCard, true};
    CardCode sel = MakeCard(Hearts, 2);
    sel = MoveSelection(hand, cards, sel, SelectionKey::Right, follow);
    EXPECT_EQ(sel, MakeCard(Hearts, Ace));  // wraps past the other suits
    sel = MoveSelection(hand, cards, sel, SelectionKey::Left, follow);
    EXPECT_EQ(sel, MakeCard(Hearts, 2));
    // Up and down keep the selection when no other suit may be played.
    EXPECT_EQ(MoveSelection(hand, cards, sel, SelectionKey::Down, follow), sel);

    TrickContext lead;
    sel = MakeCard(Spades, 6);
    EXPECT_EQ(MoveSelection(hand, cards, sel, SelectionKey::Down, lead), MakeCard(Hearts, Ace));
    EXPECT_EQ(MoveSelection(hand, cards, sel, SelectionKey::Up, lead), MakeCard(Diamonds, 4));
    EXPECT_EQ(MoveSelection(hand, cards, NoCard, SelectionKey::Up, lead), MakeCard(Clubs, 7));
    EXPECT_FALSE(MayPlay(hand, MakeCard(Spades, Ten), Hearts));
    EXPECT_TRUE(MayPlay(hand, MakeCard(Spades, Ten), -1));
}

}  // namespace
}  // namespace corvane

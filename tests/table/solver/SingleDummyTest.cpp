#include "SampleDeals.h"
#include "table/solver/SingleDummy.h"
#include "table/solver/sds.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

namespace corvane::sds {
namespace {

using testing::CardsOf;
using testing::RandomDeal;

constexpr int North = 0;
constexpr int East = 1;
constexpr int South = 2;
constexpr int West = 3;
constexpr int Diamonds = 1;
constexpr int Hearts = 2;
constexpr int Spades = 3;

// South declares, North is dummy; North-South's payoff grows with every trick.
Block BlockFor(const Hands& deal, int trump, std::int32_t seed) {
    Block b = testing::TestBlock(deal[North], North, South, trump, seed);
    for (int t = 0; t <= 13; ++t) b[static_cast<std::size_t>(block::Payoff + t)] = t;
    b[block::TimeAllowance] = 100000;  // never the limit in a test
    return b;
}

SingleDummySettings Small() {
    SingleDummySettings s;
    s.Samples = 6;
    s.MinimumSamples = 6;
    s.Threads = 2;
    return s;
}

// A hand in play: the real deal beside the player, so each seat's view can be given.
class SingleDummyTest : public ::testing::Test {
protected:
    Hands deal = RandomDeal(2024);
    Hands left = deal;
    SingleDummyPlayer player{Small()};
    int led = -1;
    int inTrick = 0;

    void Begin(int trump = 4, std::int32_t seed = 77) {
        ASSERT_EQ(player.Initialize(BlockFor(deal, trump, seed)), 0);
    }
    int Viewpoint() const {
        const int mover = player.SeatToPlay();
        return mover == North ? South : mover;
    }
    Card Choose(GetSDResult& result) {
        EXPECT_EQ(player.GetSD(CardsOf(deal[Viewpoint()]), result), 0);
        return {result[0], result[1]};
    }
    bool Legal(const Card& c) const {
        const int seat = player.SeatToPlay();
        if ((left[seat][c.Suit] & Bit(c.Rank)) == 0) return false;
        return inTrick == 0 || c.Suit == led || left[seat][led] == 0;
    }
    void Play(const Card& c) {
        ASSERT_TRUE(Legal(c)) << c.Suit << " " << c.Rank;
        left[player.SeatToPlay()][c.Suit] &= ~Bit(c.Rank);
        ASSERT_EQ(player.PlayCard(c.Suit, c.Rank), 0);
        if (inTrick == 0) led = c.Suit;
        inTrick = (inTrick + 1) % 4;
    }
    // The lowest legal card, for the tricks the test does not ask the player about.
    Card Lowest() const {
        const int seat = player.SeatToPlay();
        for (int suit = 0; suit < 4; ++suit) {
            const Ranks cards = inTrick > 0 && left[seat][led] != 0 ? left[seat][led] : left[seat][suit];
            const int s = inTrick > 0 && left[seat][led] != 0 ? led : suit;
            if (cards != 0) return {s, std::countr_zero(cards)};
        }
        return {};
    }
};

TEST_F(SingleDummyTest, TheChosenCardIsAlwaysLegalToTheEndOfTheHand) {
    Begin(Spades);
    // The first eight tricks by the lowest card; the player chooses every card of the ending.
    for (int i = 0; i < 32; ++i) Play(Lowest());
    GetSDResult result{};
    for (int i = 32; i < 52; ++i) {
        const Card c = Choose(result);
        EXPECT_TRUE(Legal(c)) << "card " << i;
        // The ranked entries hold the chosen card first and only legal cards.
        EXPECT_EQ(result[getsd::Entries], c.Suit);
        EXPECT_EQ(result[getsd::Entries + 1], c.Rank);
        for (int k = 0; k < 13 && result[static_cast<std::size_t>(getsd::Entries + 2 * k + 1)] != 0; ++k) {
            EXPECT_TRUE(Legal({result[static_cast<std::size_t>(getsd::Entries + 2 * k)],
                               result[static_cast<std::size_t>(getsd::Entries + 2 * k + 1)]}));
        }
        Play(c);
    }
    EXPECT_EQ(player.GetSD(CardsOf(deal[South]), result), SDS_BAD_CARD) << "the hand is over";
}

TEST_F(SingleDummyTest, TakeBackThenTheSameCardGivesTheSameState) {
    Begin(Hearts);
    for (int i = 0; i < 34; ++i) Play(Lowest());
    GetSDResult before{};
    const Card chosen = Choose(before);
    const int seat = player.SeatToPlay();
    const Card card = Lowest();
    Play(card);
    ASSERT_EQ(player.TakeBackCard(), 0);
    left[seat][card.Suit] |= Bit(card.Rank);
    inTrick = (inTrick + 3) % 4;
    EXPECT_EQ(player.SeatToPlay(), seat);
    GetSDResult again{};
    EXPECT_EQ(Choose(again), chosen);
    EXPECT_EQ(again, before);
    Play(card);
    EXPECT_EQ(player.CardsPlayed(), 35);
}

TEST_F(SingleDummyTest, TheSameSeedGivesTheSameChoice) {
    Begin(Diamonds, 5);
    std::vector<Card> cards;
    for (int i = 0; i < 29; ++i) {
        cards.push_back(Lowest());
        Play(cards.back());
    }
    GetSDResult first{};
    Choose(first);
    SingleDummyPlayer fresh(Small());
    ASSERT_EQ(fresh.Initialize(BlockFor(deal, Diamonds, 5)), 0);
    for (const Card& c : cards) ASSERT_EQ(fresh.PlayCard(c.Suit, c.Rank), 0);
    GetSDResult second{};
    ASSERT_EQ(fresh.GetSD(CardsOf(deal[Viewpoint()]), second), 0);
    EXPECT_EQ(second, first);
}

TEST_F(SingleDummyTest, EarlyStopsRepeatForTheSameSeed) {
    // Many layouts allowed, a rival out of the running after four: the sampling stops early in
    // some decisions of the ending, and a second player with the same seed stops at the same
    // layout and chooses the same card.
    SingleDummySettings quick = Small();
    quick.Samples = 24;
    quick.MinimumSamples = 4;
    quick.UnbeatenSamples = 4;
    player.SetSettings(quick);
    SingleDummyPlayer twin(quick);
    Begin(Spades, 9);
    ASSERT_EQ(twin.Initialize(BlockFor(deal, Spades, 9)), 0);
    for (int i = 0; i < 32; ++i) {
        const Card c = Lowest();
        Play(c);
        ASSERT_EQ(twin.PlayCard(c.Suit, c.Rank), 0);
    }
    int stoppedEarly = 0;
    for (int i = 32; i < 52; ++i) {
        GetSDResult result{};
        const Card c = Choose(result);
        GetSDResult again{};
        ASSERT_EQ(twin.GetSD(CardsOf(deal[Viewpoint()]), again), 0);
        EXPECT_EQ(again, result) << "card " << i;
        EXPECT_LE(result[getsd::Samples], quick.Samples);
        if (result[getsd::Samples] > 0 && result[getsd::Samples] < quick.Samples) ++stoppedEarly;
        Play(c);
        ASSERT_EQ(twin.PlayCard(c.Suit, c.Rank), 0);
    }
    EXPECT_GT(stoppedEarly, 0);
}

// Each seat holds one whole suit but for the cards `swap` moves: South declares no trump.
class AlikeCardsTest : public ::testing::Test {
protected:
    SingleDummyPlayer player{Small()};
    Hands deal{};

    void Begin() {
        ASSERT_EQ(player.Initialize(BlockFor(deal, 4, 3)), 0);
    }
    int Samples(int viewpoint, Card& chosen) {
        GetSDResult result{};
        EXPECT_EQ(player.GetSD(CardsOf(deal[viewpoint]), result), 0);
        chosen = {result[0], result[1]};
        return result[getsd::Samples];
    }
};

TEST(CardsPlayAlikeTest, OnlyCardsOfOneSuitWithNothingLiveBetween) {
    const std::array<Ranks, 4> none{};
    EXPECT_TRUE(CardsPlayAlike({0, Bit(7), 0, 0}, none));
    EXPECT_TRUE(CardsPlayAlike({0, Bit(7) | Bit(8) | Bit(9), 0, 0}, none));
    EXPECT_FALSE(CardsPlayAlike({0, Bit(7) | Bit(9), 0, 0}, none)) << "the eight is live";
    EXPECT_TRUE(CardsPlayAlike({0, Bit(7) | Bit(9), 0, 0}, {0, Bit(8), 0, 0})) << "the eight is gone";
    EXPECT_FALSE(CardsPlayAlike({0, Bit(7) | Bit(10), 0, 0}, {0, Bit(8), 0, 0})) << "the nine is live";
    EXPECT_FALSE(CardsPlayAlike({Bit(2), Bit(2), 0, 0}, none)) << "two suits";
}

TEST_F(AlikeCardsTest, TouchingCardsNeedNoLayouts) {
    for (int seat = 0; seat < 4; ++seat) deal[seat][seat] = AllRanks;
    Begin();
    Card chosen;
    EXPECT_EQ(Samples(West, chosen), 0) << "West's spades all play alike";
    EXPECT_EQ(chosen, (Card{Spades, 2}));
    ASSERT_EQ(player.PlayCard(Spades, 9), 0);
    EXPECT_EQ(Samples(South, chosen), 0) << "so do the dummy's clubs";
    EXPECT_EQ(chosen, (Card{0, 2}));
}

TEST_F(AlikeCardsTest, ACardOfThisTrickOrAnUnseenCardBetweenThemNeedsLayouts) {
    // West leads the spade queen; the dummy's king and jack are not alike while it lies on the
    // table.
    deal[West] = {0, 0, Bit(2) | Bit(3) | Bit(4), Bit(12) | 0x7FC};
    deal[North] = {0x1FFC, 0, 0, Bit(13) | Bit(11)};
    deal[East] = {Bit(13) | Bit(14), 0xFFC, 0, Bit(14)};
    deal[South] = {0, Bit(12) | Bit(13) | Bit(14), 0x7FE0, 0};
    Begin();
    ASSERT_EQ(player.PlayCard(Spades, 12), 0);
    Card chosen;
    EXPECT_GT(Samples(South, chosen), 0);
    EXPECT_TRUE(chosen == (Card{Spades, 13}) || chosen == (Card{Spades, 11}));

    // After the jack, East's only spade is forced; then South, void, may discard from two suits.
    ASSERT_EQ(player.PlayCard(Spades, 11), 0);
    EXPECT_EQ(Samples(East, chosen), 0);
    EXPECT_EQ(chosen, (Card{Spades, 14}));
    ASSERT_EQ(player.PlayCard(Spades, 14), 0);
    EXPECT_GT(Samples(South, chosen), 0);
}

TEST_F(SingleDummyTest, RefusesCardsThatContradictTheHand) {
    GetSDResult result{};
    EXPECT_EQ(player.PlayCard(0, 2), SDS_NOT_INITIALIZED);
    EXPECT_EQ(player.TakeBackCard(), SDS_NOT_INITIALIZED);
    EXPECT_EQ(player.GetSD(CardsOf(deal[West]), result), SDS_NOT_INITIALIZED);

    Block bad = BlockFor(deal, 4, 1);
    bad[block::Level] = 0;
    EXPECT_EQ(player.Initialize(bad), SDS_BAD_BLOCK);
    bad = BlockFor(deal, 4, 1);
    bad[block::Seat] = West;  // the cards must be the dummy's
    EXPECT_EQ(player.Initialize(bad), SDS_BAD_BLOCK);
    bad = BlockFor(deal, 4, 1);
    bad[block::SeatCards + 2] = bad[block::SeatCards];
    bad[block::SeatCards + 3] = bad[block::SeatCards + 1];
    EXPECT_EQ(player.Initialize(bad), SDS_BAD_BLOCK);

    Begin();
    EXPECT_EQ(player.TakeBackCard(), SDS_NOTHING_TO_TAKE_BACK);
    EXPECT_EQ(player.PlayCard(4, 2), SDS_BAD_CARD);
    const Card dummyCard = CardsOf(deal[North])[0];
    EXPECT_EQ(player.PlayCard(dummyCard.Suit, dummyCard.Rank), SDS_BAD_CARD) << "West cannot play it";
    // GetSD's cards must be the mover's: West to lead, given South's hand.
    EXPECT_EQ(player.GetSD(CardsOf(deal[North]), result), SDS_BAD_HAND);

    const Card lead = CardsOf(deal[West])[0];
    Play(lead);
    EXPECT_EQ(player.PlayCard(lead.Suit, lead.Rank), SDS_BAD_CARD) << "played twice";
    // The dummy must follow suit when it can.
    if (left[North][lead.Suit] != 0) {
        for (int suit = 0; suit < 4; ++suit) {
            if (suit != lead.Suit && left[North][suit] != 0) {
                EXPECT_EQ(player.PlayCard(suit, std::countr_zero(left[North][suit])), SDS_BAD_CARD);
                break;
            }
        }
    }
    // West's own cards, once played, cannot be claimed by another seat's hand.
    Play(Lowest());
    EXPECT_EQ(player.GetSD(CardsOf(deal[West]), result), SDS_BAD_HAND) << "East to play, not West";
}

TEST_F(SingleDummyTest, ASeatThatShowedOutCannotFollowLater) {
    // The library checks the hidden seats only against what they have shown: East discards a
    // spade on a club lead, so a club from East later is refused.
    Begin();
    Hands used{};
    const auto freeCard = [&](int suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            if (((deal[North][suit] | used[0][suit]) & Bit(rank)) == 0) {
                used[0][suit] |= Bit(rank);
                return Card{suit, rank};
            }
        }
        return Card{};
    };
    const auto playAs = [&](const Card& c) {
        if (player.SeatToPlay() == North) left[North][c.Suit] &= ~Bit(c.Rank);
        ASSERT_EQ(player.PlayCard(c.Suit, c.Rank), 0);
        if (inTrick == 0) led = c.Suit;
        inTrick = (inTrick + 1) % 4;
    };
    playAs(freeCard(0));                    // West
    playAs(Lowest());                       // North, the dummy
    playAs(freeCard(3));                    // East shows out of clubs
    playAs(freeCard(0));                    // South
    while (player.SeatToPlay() != 1) playAs(player.SeatToPlay() == North ? Lowest() : freeCard(1));
    const Card club = freeCard(0);
    EXPECT_EQ(player.PlayCard(club.Suit, club.Rank), SDS_BAD_CARD);
    const Card heart = freeCard(2);
    EXPECT_EQ(player.PlayCard(heart.Suit, heart.Rank), 0);
}

}  // namespace
}  // namespace corvane::sds

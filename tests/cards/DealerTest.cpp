#include "cards/Dealer.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

std::string Hand(const DealtBoard& b, TSeat seat) {
    std::string text;
    for (int suit = Spades; suit >= Clubs; --suit) {
        if (suit < Spades) text += ' ';
        text += std::string(1, StrainLetters[static_cast<size_t>(suit)]) + " " +
                HoldingText(b.Holdings[seat][static_cast<size_t>(suit)]);
    }
    return text;
}

TEST(DealerTest, KnownSeedsReproduceTheirBoards) {
    const DealtBoard a = DealFromSeed(12345);
    EXPECT_EQ(a.Dealer, East);
    EXPECT_EQ(a.Vul, VulEW);
    EXPECT_EQ(Hand(a, North), "S 874 H Q87 D KQJ7 C QT6");
    EXPECT_EQ(Hand(a, East), "S KJ95 H JT9 D A6 C K942");
    EXPECT_EQ(Hand(a, South), "S T6 H AK542 D T84 C A87");
    EXPECT_EQ(Hand(a, West), "S AQ32 H 63 D 9532 C J53");

    const DealtBoard b = DealFromSeed(1000003);
    EXPECT_EQ(b.Dealer, West);
    EXPECT_EQ(b.Vul, VulNone);
    EXPECT_EQ(Hand(b, North), "S JT32 H K82 D KJ632 C 7");
    EXPECT_EQ(Hand(b, East), "S 765 H QT7 D AQ754 C JT");
    EXPECT_EQ(Hand(b, South), "S K8 H A43 D 9 C AKQ9652");
    EXPECT_EQ(Hand(b, West), "S AQ94 H J965 D T8 C 843");

    const DealtBoard c = DealFromSeed(0x7FFFFFFF);  // low four bits 15
    EXPECT_EQ(c.Dealer, West);
    EXPECT_EQ(c.Vul, VulBoth);
}

TEST(DealerTest, SixteenBoardCycleOfDealerAndVulnerability) {
    const char* dealers = "NESWNESWNESWNESW";
    const Vulnerability vuls[16] = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2};
    for (int board = 1; board <= 16; ++board) {
        DealingState state;
        state.Generator.SetSeed(987654321);
        const DealOutcome out = Deal(state, DealRequest{board});
        ASSERT_TRUE(out.Ok);
        EXPECT_EQ(SeatLetters[out.Board.Dealer], dealers[board - 1]) << "board " << board;
        EXPECT_EQ(out.Board.Vul, vuls[board - 1]) << "board " << board;
        EXPECT_EQ(out.Board.Seed & 15, out.Board.Vul * 4 + out.Board.Dealer);
    }
}

TEST(DealerTest, RecordedSeedReproducesTheBoardWhateverItsNumber) {
    DealingState state;
    state.Generator.SetSeed(1);
    const DealOutcome first = Deal(state, DealRequest{1});
    EXPECT_EQ(first.Board.Seed, 0);  // seed 1 at board 1: dealer North, none vulnerable
    EXPECT_EQ(first.Board.SeedText(), "0");

    state.Generator.SetSeed(-123456789);
    const DealOutcome dealt = Deal(state, DealRequest{7});
    ASSERT_TRUE(dealt.Ok);
    DealingState again;
    again.Generator.SetSeed(dealt.Board.Seed);
    again.ReproductionText = dealt.Board.SeedText();
    const DealOutcome reproduced = Deal(again, DealRequest{42});
    EXPECT_EQ(reproduced.Board.Holdings, dealt.Board.Holdings);
    EXPECT_EQ(reproduced.Board.Dealer, dealt.Board.Dealer);
    EXPECT_EQ(reproduced.Board.Vul, dealt.Board.Vul);
}

TEST(DealerTest, EveryDealHoldsFiftyTwoDistinctCards) {
    DealingState state;
    state.Generator.SetSeed(5);
    for (int board = 1; board <= 50; ++board) {
        const DealOutcome out = Deal(state, DealRequest{board});
        std::array<Holding, 4> all{};
        for (TSeat s = 0; s < 4; ++s) {
            int cards = 0;
            for (size_t suit = 0; suit < 4; ++suit) {
                EXPECT_EQ(all[suit] & out.Board.Holdings[s][suit], 0U);
                all[suit] |= out.Board.Holdings[s][suit];
                cards += Length(out.Board.Holdings[s][suit]);
            }
            EXPECT_EQ(cards, 13);
        }
        for (Holding h : all) EXPECT_EQ(h, FullSuit);
    }
}

PracticePattern SouthStrongNotrump() {
    PracticePattern p;
    p.Seats[South].MinHCP = 15;
    p.Seats[South].MaxHCP = 17;
    p.Seats[South].Balanced = 1;
    return p;
}

TEST(PracticeDealTest, PatternIsMetAndTrivialPatternDealsOneShuffle) {
    DealingState state;
    state.Generator.SetSeed(77);
    const PracticePattern pattern = SouthStrongNotrump();
    for (int board = 1; board <= 20; ++board) {
        const DealOutcome out = Deal(state, DealRequest{board, false, VulNone, &pattern});
        ASSERT_TRUE(out.Ok);
        const auto& south = out.Board.Holdings[South];
        int hcp = 0;
        for (Holding h : south) hcp += HighCardPoints(h);
        EXPECT_GE(hcp, 15);
        EXPECT_LE(hcp, 17);
        EXPECT_LT(ShapeCode(south), 5422);
    }
    // A trivial pattern tests nothing, so the board is the first shuffle: the seed reproduces it.
    const PracticePattern trivial;
    state.Generator.SetSeed(4242);
    const DealOutcome out = Deal(state, DealRequest{3, false, VulNone, &trivial});
    DealingState again;
    again.Generator.SetSeed(out.Board.Seed);
    again.ReproductionText = out.Board.SeedText();
    EXPECT_EQ(Deal(again, DealRequest{}).Board.Holdings, out.Board.Holdings);
}

TEST(PracticeDealTest, ImpossiblePatternFailsAfterTheShuffleLimit) {
    PracticePattern p;
    p.Seats[North].MinHCP = 37;
    p.Seats[North].Balanced = 1;  // 37 points cannot be balanced
    DealingState state;
    const DealOutcome out = Deal(state, DealRequest{1, false, VulNone, &p});
    EXPECT_FALSE(out.Ok);
}

TEST(PracticeDealTest, MalformedCodesGiveTheirMessagesOnce) {
    PracticePattern p;
    p.Seats[East].ControlCode = "12";
    p.Seats[West].QualityCode[Hearts] = "ZZ";
    p.Seats[West].QualityCode[Spades] = "9x";
    DealingState state;
    const DealOutcome out = Deal(state, DealRequest{1, false, VulNone, &p});
    EXPECT_FALSE(out.Ok);  // East's test can never pass
    ASSERT_EQ(out.Messages.size(), 3U);
    EXPECT_EQ(out.Messages[0],
              "The Control code for East is formatted incorrectly. Valid codes are formated like: 2, "
              "3-6, 4+");
    EXPECT_EQ(out.Messages[1], "Bad Suit Quality for W :ZZ");
    EXPECT_EQ(out.Messages[2], "Bad Suit Quality for W :9x");
}

TEST(PracticeDealTest, QualityAndControlCodes) {
    // West must hold exactly 4 controls, an ace-or-king heart suit, and no spade honour point.
    PracticePattern p;
    p.Seats[West].ControlCode = "4";
    p.Seats[West].QualityCode[Hearts] = "K";
    p.Seats[West].QualityCode[Spades] = "-J";
    p.Seats[West].QualityCode[Clubs] = "23";  // two of the top three clubs
    DealingState state;
    state.Generator.SetSeed(99);
    for (int board = 1; board <= 10; ++board) {
        const DealOutcome out = Deal(state, DealRequest{board, false, VulNone, &p});
        ASSERT_TRUE(out.Ok);
        const auto& west = out.Board.Holdings[West];
        EXPECT_EQ(Controls(west), 4);
        EXPECT_TRUE(Holds(west[Hearts], Ace) || Holds(west[Hearts], King));
        EXPECT_EQ(HighCardPoints(west[Spades]), 0);
        EXPECT_GE(Length(west[Clubs] & (RankBit(Ace) | RankBit(King) | RankBit(Queen))), 2);
    }
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(RandomGeneratorTest, SkipEqualsDrawingAndDrawsStayInRange) {
    for (int k = 0; k <= RandomGenerator::MaxSkip; k += 7) {
        RandomGenerator drawn(-987), skipped(-987);
        for (int i = 0; i < k; ++i) EXPECT_LT(drawn.Random(52), 52U);
        skipped.Skip(k);
        EXPECT_EQ(drawn.RandomSeed(), skipped.RandomSeed()) << k;
    }
}

// The number of shuffles the practice dealer needs for a fixed workload is a signature of the
// generator, the shuffle and the test together; `corvane-cli bench` prints the same count.
TEST(PracticeDealTest, ShuffleCountSignature) {
    PracticePattern pattern;
    pattern.Seats[South].MinHCP = 15;
    pattern.Seats[South].MaxHCP = 17;
    pattern.Seats[South].Balanced = 1;
    DealingState state;
    state.Generator.SetSeed(1);
    long long shuffles = 0;
    for (int board = 1; board <= 1000; ++board) {
        shuffles += Deal(state, DealRequest{board, false, VulNone, &pattern}).Shuffles;
    }
    EXPECT_EQ(shuffles, 19823);
}

}  // namespace
}  // namespace corvane

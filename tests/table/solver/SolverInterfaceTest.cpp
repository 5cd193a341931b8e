#include "cards/Cards.h"
#include "support/Sanitizer.h"
#include "table/solver/DoubleDummy.h"
#include "table/solver/ReferenceSolver.h"
#include "table/solver/TableBatch.h"
#include "table/solver/sds.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>

namespace corvane::sds {
namespace {

using Args16 = std::array<int32_t, 16>;

int32_t Solve(int trump, int leader, std::array<int32_t, 3> suits, std::array<int32_t, 3> ranks,
              const Args16& h, int target, int solutions, std::array<int32_t, 54>& out,
              int thread = 0) {
    return SolveBoard(trump, leader, suits[0], suits[1], suits[2], ranks[0], ranks[1], ranks[2], h[0],
                      h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[9], h[10], h[11], h[12], h[13],
                      h[14], h[15], target, solutions, 1, out.data(), thread);
}

int32_t Table(const Args16& h, std::array<int32_t, 20>& out) {
    return CalcDDtable(h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[9], h[10], h[11], h[12],
                       h[13], h[14], h[15], out.data());
}

constexpr int32_t R(int rank) { return int32_t{1} << rank; }

// A two-card ending: North AS KS, East QS JS, South AH KH, West QH JH. Trump none.
const Args16 TwoCards{0, 0, 0, R(14) | R(13), 0, 0, 0, R(12) | R(11), 0, 0, R(14) | R(13), 0, 0, 0, R(12) | R(11), 0};

TEST(SolveBoardTest, ResultLayoutNamesTheBestCardAndItsEquals) {
    std::array<int32_t, 54> out{};
    ASSERT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, -1, 2, out), SDS_OK);
    EXPECT_GT(out[0], 0);   // nodes
    EXPECT_EQ(out[1], 1);   // one group of equal cards: the spade ace and king
    EXPECT_EQ(out[2], 3);   // spades
    EXPECT_EQ(out[15], 14); // the ace, standing for the king
    EXPECT_EQ(out[28], R(13));
    EXPECT_EQ(out[41], 2);  // North-South take both tricks
    // East to play with the spade ace on the table takes nothing.
    ASSERT_EQ(Solve(4, North, {3, 0, 0}, {14, 0, 0},
                    Args16{0, 0, 0, R(13), 0, 0, 0, R(12) | R(11), 0, 0, R(14) | R(13), 0, 0, 0, R(12) | R(11), 0},
                    -1, 3, out), SDS_OK);
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(out[41], 0);
}

TEST(SolveBoardTest, TargetListsOnlyCardsThatReachIt) {
    std::array<int32_t, 54> out{};
    ASSERT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, 2, 1, out), SDS_OK);
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(out[41], 2);
    // East on lead cannot take a trick: one card is listed with score 0.
    ASSERT_EQ(Solve(4, East, {0, 0, 0}, {0, 0, 0}, TwoCards, 1, 2, out), SDS_OK);
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(out[41], 0);
}

TEST(SolveBoardTest, EveryErrorCode) {
    std::array<int32_t, 54> out{};
    const Args16 empty{};
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, empty, -1, 1, out), SDS_NO_CARDS);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, 3, 1, out), SDS_TARGET_ABOVE_LEFT);
    Args16 duplicated = TwoCards;
    duplicated[7] = R(14) | R(11);  // East also holds the spade ace
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, duplicated, -1, 1, out), SDS_DUPLICATED_CARDS);
    EXPECT_EQ(Solve(4, East, {3, 0, 0}, {14, 0, 0}, TwoCards, -1, 1, out), SDS_DUPLICATED_CARDS);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, -2, 1, out), SDS_TARGET_BELOW_MINUS1);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, 0, 1, out), SDS_TARGET_ZERO);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, 14, 1, out), SDS_TARGET_ABOVE_13);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, -1, 0, out), SDS_SOLUTIONS_BELOW_1);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, -1, 4, out), SDS_SOLUTIONS_ABOVE_3);
    const Args16 fourteen{0x7FFC, R(2), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, fourteen, -1, 1, out), SDS_TOO_MANY_CARDS);
    // Malformed input is refused, never searched: unequal hands, a bad trump or seat, a rank
    // out of range, a gap among the cards on the table, a thread index out of range.
    Args16 unequal = TwoCards;
    unequal[3] = R(14);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, unequal, -1, 1, out), SDS_BAD_DEAL);
    EXPECT_EQ(Solve(5, North, {0, 0, 0}, {0, 0, 0}, TwoCards, -1, 1, out), SDS_BAD_DEAL);
    EXPECT_EQ(Solve(4, 4, {0, 0, 0}, {0, 0, 0}, TwoCards, -1, 1, out), SDS_BAD_DEAL);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, Args16{R(15)}, -1, 1, out), SDS_BAD_DEAL);
    EXPECT_EQ(Solve(4, North, {3, 0, 3}, {10, 0, 9}, TwoCards, -1, 1, out), SDS_BAD_DEAL);
    EXPECT_EQ(Solve(4, North, {0, 0, 0}, {0, 0, 0}, TwoCards, -1, 1, out, SDS_MAX_THREADS), SDS_BAD_DEAL);

    std::array<int32_t, 20> table{};
    EXPECT_EQ(Table(duplicated, table), SDS_DUPLICATED_CARDS);
    EXPECT_EQ(Table(unequal, table), SDS_BAD_DEAL);
    EXPECT_EQ(Table(empty, table), SDS_NO_CARDS);
}

Holdings RandomDeal(std::mt19937& random, int cards) { return testing::RandomEnding(random, cards, 0).Hand; }

Holdings Rotate(const Holdings& h) {
    Holdings out{};
    for (int seat = 0; seat < 4; ++seat) out[(seat + 1) & 3] = h[seat];
    return out;
}

// Small deals keep these quick: the table does not care how many cards a hand holds.
TEST(CalcTableTest, TablesAreConsistentWithSolvesRotationAndRange) {
    std::mt19937 random(7);
    auto solver = std::make_unique<DoubleDummySolver>();
    for (int deal = 0; deal < 12; ++deal) {
        const int cards = 5 + deal % 2;  // the reference search is exponential in the cards
        const Holdings h = RandomDeal(random, cards);
        const TableResult table = solver->CalcTable(h);
        ASSERT_EQ(table.Code, SDS_OK);
        const TableResult rotated = solver->CalcTable(Rotate(h));
        ASSERT_EQ(rotated.Code, SDS_OK);
        for (int strain = 0; strain < 5; ++strain) {
            for (int seat = 0; seat < 4; ++seat) {
                const int tricks = table.Tricks[strain][seat];
                EXPECT_GE(tricks, 0);
                EXPECT_LE(tricks, cards);
                EXPECT_EQ(rotated.Tricks[strain][(seat + 1) & 3], tricks);
                Position p;
                p.Hand = h;
                p.Trump = strain;
                p.Leader = (seat + 1) & 3;
                EXPECT_EQ(cards - testing::ReferenceSolver(p).Solve(), tricks);
            }
        }
    }
}

// Each suit dealt round three hands, a rank at a time, so that every hand is void in one suit:
// turning the seats one place and the suits one place gives the same deal back. This is the
// slowest deal we know, with searches long enough to change how leads are ordered. Its table
// must keep the symmetry (the tricks of a seat in a suit are those of the next seat in the next
// suit), and holds the values every version of the search has found.
TEST(CalcTableTest, SymmetricVoidsTableKeepsItsSymmetry) {
    CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS();
    Holdings h{};
    for (int suit = 0; suit < 4; ++suit) {
        for (int i = 0; i < 13; ++i) h[(suit + 1 + i % 3) & 3][suit] |= Ranks{1} << (i + 2);
    }
    auto solver = std::make_unique<DoubleDummySolver>();
    const TableResult table = solver->CalcTable(h);
    ASSERT_EQ(table.Code, SDS_OK);
    EXPECT_EQ(table.Tricks[0], (std::array<int, 4>{3, 10, 3, 10}));
    EXPECT_EQ(table.Tricks[4], (std::array<int, 4>{3, 3, 3, 3}));
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit)
            EXPECT_EQ(table.Tricks[(suit + 1) & 3][(seat + 1) & 3], table.Tricks[suit][seat]);
    }
}

TEST(CalcTableTest, SameInputSameAnswerAndNodesWhateverTheThreads) {
    std::mt19937 random(11);
    std::vector<Holdings> deals;
    for (int i = 0; i < 6; ++i) deals.push_back(RandomDeal(random, 7));
    const std::vector<TimedTable> one = CalcTables(deals, 1);
    const std::vector<TimedTable> two = CalcTables(deals, 2);
    const std::vector<TimedTable> again = CalcTables(deals, 1);
    auto solver = std::make_unique<DoubleDummySolver>();
    for (std::size_t i = 0; i < deals.size(); ++i) {
        EXPECT_EQ(one[i].Result.Tricks, two[i].Result.Tricks);
        EXPECT_EQ(one[i].Result.Nodes, two[i].Result.Nodes);
        EXPECT_EQ(one[i].Result.Nodes, again[i].Result.Nodes);
        // A batch, worked strain by strain, gives what one solver gives for the whole table.
        const TableResult alone = solver->CalcTable(deals[i]);
        EXPECT_EQ(alone.Tricks, one[i].Result.Tricks);
        EXPECT_EQ(alone.Nodes, one[i].Result.Nodes);
    }
}

TEST(CalcTableTest, CInterfaceWritesStrainMajor) {
    std::mt19937 random(3);
    const Holdings h = RandomDeal(random, 6);
    Args16 args{};
    for (int i = 0; i < 16; ++i) args[i] = static_cast<int32_t>(h[i / 4][i % 4]);
    std::array<int32_t, 20> out{};
    ASSERT_EQ(Table(args, out), SDS_OK);
    const TableResult direct = std::make_unique<DoubleDummySolver>()->CalcTable(h);
    for (int strain = 0; strain < 5; ++strain) {
        for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(out[strain * 4 + seat], direct.Tricks[strain][seat]);
    }
}

}  // namespace
}  // namespace corvane::sds

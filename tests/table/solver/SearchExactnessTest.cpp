#include "table/solver/DoubleDummy.h"
#include "table/solver/ReferenceSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <random>

namespace corvane::sds {
namespace {

using testing::RandomEnding;
using testing::ReferenceSolver;

// Every card of the side to play gets its exact score, checked against plain minimax; the
// best score and the cards listed for solutions 1 and 2 must agree with those scores.
void CheckEnding(DoubleDummySolver& solver, const Position& p) {
    ReferenceSolver reference(p);
    const int best = reference.Solve();
    const SolveResult all = solver.Solve(p, -1, 3);
    ASSERT_EQ(all.Code, SDS_OK);
    ASSERT_GT(all.Count, 0);
    EXPECT_EQ(all.Cards[0].Score, best);
    for (int i = 0; i < all.Count; ++i) {
        const CardScore& c = all.Cards[i];
        ASSERT_EQ(c.Score, reference.SolveAfter(c.Suit, c.Rank)) << "card " << c.Suit << "/" << c.Rank;
        for (int r = 2; r <= 14; ++r) {
            if (c.Equals & (Ranks{1} << r)) {
                EXPECT_EQ(c.Score, reference.SolveAfter(c.Suit, r));
            }
        }
    }
    const SolveResult optimal = solver.Solve(p, -1, 2);
    ASSERT_EQ(optimal.Code, SDS_OK);
    int optimalCount = 0;
    for (int i = 0; i < all.Count; ++i) optimalCount += all.Cards[i].Score == best ? 1 : 0;
    EXPECT_EQ(optimal.Count, optimalCount);
    for (int i = 0; i < optimal.Count; ++i) EXPECT_EQ(optimal.Cards[i].Score, best);
    const SolveResult one = solver.Solve(p, -1, 1);
    ASSERT_EQ(one.Count, 1);
    EXPECT_EQ(one.Cards[0].Score, best);
    EXPECT_EQ(reference.SolveAfter(one.Cards[0].Suit, one.Cards[0].Rank), best);

    // With a target, solutions 2 lists exactly the cards that reach it, and a target above the
    // best score finds no card.
    int left = 0;
    for (const Ranks r : p.Hand[(p.Leader + p.TrickCount) & 3]) left += std::popcount(r);
    for (int target = std::max(1, best - 1); target <= std::min(best + 1, left); ++target) {
        int reaching = 0;
        for (int i = 0; i < all.Count; ++i) reaching += all.Cards[i].Score >= target ? 1 : 0;
        const SolveResult listed = solver.Solve(p, target, 2);
        ASSERT_EQ(listed.Code, SDS_OK);
        if (reaching == 0) {
            ASSERT_EQ(listed.Count, 1);
            EXPECT_EQ(listed.Cards[0].Score, 0);
            continue;
        }
        EXPECT_EQ(listed.Count, reaching) << "target " << target;
        for (int i = 0; i < listed.Count; ++i)
            EXPECT_GE(reference.SolveAfter(listed.Cards[i].Suit, listed.Cards[i].Rank), target);
    }
}

// Ranks from text such as "K53", for endings written out by hand.
Ranks RanksOf(const char* text) {
    Ranks r = 0;
    for (; *text != '\0'; ++text) {
        const char* at = std::strchr("23456789TJQKA", *text);
        if (at != nullptr) r |= Ranks{1} << (at - "23456789TJQKA" + 2);
    }
    return r;
}

// Holdings per seat as spades, hearts, diamonds, clubs, "-" for a void.
Position Ending(int trump, int leader, const std::array<std::array<const char*, 4>, 4>& seats) {
    Position p;
    p.Trump = trump;
    p.Leader = leader;
    for (int seat = 0; seat < 4; ++seat) {
        for (int i = 0; i < 4; ++i) p.Hand[seat][3 - i] = RanksOf(seats[seat][i]);
    }
    return p;
}

// Endings that once came out wrong, each with the reason.
TEST(KnownEndingTest, AgreeWithPlainMinimax) {
    auto solver = std::make_unique<DoubleDummySolver>();
    // East's K53 of clubs are not three quick tricks: West's T6 must overtake the five, and West
    // is then on lead with nothing but spades into North-South's queen.
    const Position blocked =
        Ending(4, 3, {{{"65", "-", "32", "J"}, {"92", "T", "-", "T6"}, {"Q8", "-", "74", "7"},
                       {"7", "3", "-", "K53"}}});
    CheckEnding(*solver, blocked);
    EXPECT_EQ(solver->Solve(blocked, -1, 1).Cards[0].Score, 3);
}

// Trump endings where the order of the trumps decides the count.
TEST(TrumpEndingTest, OpponentsTrumpsAboveOurs) {
    auto solver = std::make_unique<DoubleDummySolver>();
    // East's ace and West's king of spades each top North-South's trumps, yet they make one
    // trick between them: North leads a trump and both must play theirs to it.
    const Position together =
        Ending(3, 0, {{{"Q2", "A", "-", "-"}, {"A", "5", "5", "-"}, {"J", "K", "A", "-"},
                       {"K", "4", "4", "-"}}});
    CheckEnding(*solver, together);
    EXPECT_EQ(solver->Solve(together, -1, 1).Cards[0].Score, 2);
    // East holds the top trump, but West's KQ over North-South's T9 are the two sure tricks.
    const Position below =
        Ending(3, 0, {{{"9", "AK", "-", "-"}, {"A", "3", "2", "-"}, {"T", "Q", "A", "-"},
                       {"KQ", "-", "3", "-"}}});
    CheckEnding(*solver, below);
    EXPECT_EQ(solver->Solve(below, -1, 1).Cards[0].Score, 1);
    // North-South hold no trump, so East's two and three of spades are tricks as surely as
    // honours would be, whoever holds the four.
    const Position small =
        Ending(3, 0, {{{"-", "AK", "A", "-"}, {"32", "5", "-", "-"}, {"-", "QJ", "K", "-"},
                       {"4", "7", "2", "-"}}});
    CheckEnding(*solver, small);
    EXPECT_EQ(solver->Solve(small, -1, 1).Cards[0].Score, 1);
    // None of East's trumps tops North's, yet East makes two of its four: North-South win a
    // trick East ruffs or follows to only with the ace or the king.
    const Position outnumbered =
        Ending(3, 0, {{{"AK", "32", "-", "-"}, {"5432", "-", "-", "-"}, {"-", "AK", "32", "-"},
                       {"-", "-", "-", "AKQJ"}}});
    CheckEnding(*solver, outnumbered);
    EXPECT_EQ(solver->Solve(outnumbered, -1, 1).Cards[0].Score, 2);
    // The same with the ranks interleaved: North's six beats only East's lower trumps.
    const Position interleaved =
        Ending(3, 0, {{{"A6", "32", "-", "-"}, {"7543", "-", "-", "-"}, {"-", "AK", "42", "-"},
                       {"-", "-", "-", "AKQJ"}}});
    CheckEnding(*solver, interleaved);
    // Turned round: North's four small trumps make two tricks against East's ace and king.
    const Position longer =
        Ending(3, 0, {{{"5432", "-", "-", "-"}, {"AK", "32", "-", "-"}, {"-", "-", "AKQJ", "-"},
                       {"-", "AK", "-", "32"}}});
    CheckEnding(*solver, longer);
    EXPECT_EQ(solver->Solve(longer, -1, 1).Cards[0].Score, 2);
    // North cashes two hearts and crosses to South's two diamonds: four tricks at once, though
    // West holds a trump, as West follows to every one of them. West ruffs the last club.
    const Position crossing =
        Ending(3, 0, {{{"-", "AK", "2", "32"}, {"-", "QJ", "Q9", "6"}, {"-", "-", "AK", "987"},
                       {"6", "T9", "JT", "-"}}});
    CheckEnding(*solver, crossing);
    EXPECT_EQ(solver->Solve(crossing, -1, 1).Cards[0].Score, 4);
}

// Endings a side wins by leading winners, crossing between its hands or ruffing in partner's
// hand, and the traps in them.
TEST(CashingEndingTest, AgreeWithPlainMinimax) {
    auto solver = std::make_unique<DoubleDummySolver>();
    // West's diamond to East's nine and East's king of spades, but no third trick: South keeps
    // the jack of spades guarded, throwing a heart on the diamond.
    const Position guard =
        Ending(0, 3, {{{"Q", "76", "-", "-"}, {"K9", "-", "9", "-"}, {"J2", "3", "-", "-"},
                       {"-", "-", "752", "-"}}});
    CheckEnding(*solver, guard);
    EXPECT_EQ(solver->Solve(guard, -1, 1).Cards[0].Score, 2);
    // South ruffs North's club to reach the spades, but West, out of clubs too, overruffs:
    // North-South make three tricks, not four.
    const Position overruff =
        Ending(2, 0, {{{"-", "A", "-", "432"}, {"-", "-", "-", "AKQJ"}, {"AKQ", "2", "-", "-"},
                       {"JT9", "3", "-", "-"}}});
    CheckEnding(*solver, overruff);
    EXPECT_EQ(solver->Solve(overruff, -1, 1).Cards[0].Score, 3);
    // South must overtake North's king with the ace to cash the queen.
    const Position unblock =
        Ending(4, 0, {{{"K", "2", "-", "-"}, {"J", "A", "-", "-"}, {"AQ", "-", "-", "-"},
                       {"T9", "-", "-", "-"}}});
    CheckEnding(*solver, unblock);
    EXPECT_EQ(solver->Solve(unblock, -1, 1).Cards[0].Score, 2);
    // South ruffs North's club, both opponents following, and cashes the spades.
    const Position ruff =
        Ending(2, 0, {{{"-", "-", "-", "432"}, {"Q", "-", "-", "AK"}, {"AK", "2", "-", "-"},
                       {"J", "-", "-", "QJ"}}});
    CheckEnding(*solver, ruff);
    EXPECT_EQ(solver->Solve(ruff, -1, 1).Cards[0].Score, 3);
}

class EndingTest : public ::testing::TestWithParam<int> {};

TEST_P(EndingTest, AgreesWithPlainMinimax) {
    const int cards = GetParam();
    auto solver = std::make_unique<DoubleDummySolver>();
    std::mt19937 random(1000 + cards);
    const int deals = cards <= 4 ? 300 : 60;
    for (int i = 0; i < deals; ++i) {
        const Position p = RandomEnding(random, cards, i % 4);
        SCOPED_TRACE("ending " + std::to_string(i));
        CheckEnding(*solver, p);
        if (::testing::Test::HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(CardsPerHand, EndingTest, ::testing::Values(1, 2, 3, 4, 5, 6));

}  // namespace
}  // namespace corvane::sds

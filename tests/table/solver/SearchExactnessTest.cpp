#include "table/solver/DoubleDummy.h"
#include "table/solver/ReferenceSolver.h"

#include <gtest/gtest.h>

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

// The bidder's per-call costs: evaluating the four hands at the start of an auction, and asking
// the card the queries a candidate call makes.
#include "bidding/HandEvaluation.h"
#include "cards/Dealer.h"
#include "convention/CardFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace corvane {
namespace {

std::vector<DealHoldings> SeededDeals(int count) {
    DealingState dealing;
    dealing.Generator.SetSeed(12345);
    std::vector<DealHoldings> deals;
    for (int board = 1; board <= count; ++board) {
        deals.push_back(Deal(dealing, DealRequest{board}).Board.Holdings);
    }
    return deals;
}

void BM_PrepareHandsForAuction(benchmark::State& state) {
    const auto deals = SeededDeals(256);
    TableHands hands = MakeTableHands();
    size_t i = 0;
    for (auto _ : state) {
        const DealHoldings& deal = deals[i++ % deals.size()];
        for (int seat = 0; seat < 4; ++seat) hands[static_cast<size_t>(seat)].SetHoldings(deal[static_cast<size_t>(seat)]);
        PrepareHandsForAuction(hands, false);
        benchmark::DoNotOptimize(hands[0].LosingTricks);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PrepareHandsForAuction);

// A mix of the queries one candidate call asks: boxes, choices, a structure key, bounds and a
// call limit, on the shipped standard card.
void BM_CardQueries(benchmark::State& state) {
    ConventionCards cards;
    cards.State(1).CardFileName = "Std American.cc";
    LoadCard(cards, 1, std::filesystem::path(CORVANE_SOURCE_DIR) / "data");
    cards.SelectSide(1);
    for (auto _ : state) {
        int n = cards.CardTicked("SPLINT") + cards.CardTicked("1M1N=F") + cards.IsTwoOverOne() +
                cards.UsesJacobyTransfers() + cards.CardLow("ONA") + cards.CardHigh("TCH") +
                cards.CardCall("NEGX") + cards.MinorRaiseForcing(Pass);
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_CardQueries);

}  // namespace
}  // namespace corvane

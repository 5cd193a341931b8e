// The deal loop: shuffles dealt and tested per second, with no pattern and with South 15-17
// balanced (the practice dealer's hardest common case).
#include "cards/Dealer.h"

#include <benchmark/benchmark.h>

namespace corvane {
namespace {

PracticePattern SouthStrongNotrump() {
    PracticePattern p;
    p.Seats[South].MinHCP = 15;
    p.Seats[South].MaxHCP = 17;
    p.Seats[South].Balanced = 1;
    return p;
}

void BM_DealRandomBoards(benchmark::State& state) {
    DealingState dealing;
    dealing.Generator.SetSeed(12345);
    int board = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Deal(dealing, DealRequest{board++}).Board.Holdings);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DealRandomBoards);

// Two million shuffles, each tested against South 15-17 balanced, as the frequency test does.
void BM_TwoMillionShufflesSouthStrongNotrump(benchmark::State& state) {
    DealingState dealing;
    dealing.Generator.SetSeed(12345);
    const PracticePattern pattern = SouthStrongNotrump();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountPatternFrequency(dealing, pattern, MaxShuffles).Passes);
    }
    state.SetItemsProcessed(state.iterations() * MaxShuffles);
}
BENCHMARK(BM_TwoMillionShufflesSouthStrongNotrump)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace corvane

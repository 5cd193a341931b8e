// The computer's call: 1,000 seeded deals bid by the computer at all four seats, every call
// timed on its own; the median and 99th percentile per call are reported as counters.
#include "bidding/BidSelection.h"
#include "bidding/BiddingData.h"
#include "cards/Dealer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace corvane {
namespace {

constexpr int DealCount = 1000;

void BM_ComputerCallPerDeal(benchmark::State& state) {
    BiddingData data;
    if (!LoadBiddingData(data, CORVANE_SOURCE_DIR "/data", DefaultCardFileName, DefaultCardFileName).empty()) {
        state.SkipWithError("cannot read the shipped cards");
        return;
    }
    DealingState dealing;
    dealing.Generator.SetSeed(12345);
    std::vector<DealtBoard> boards;
    for (int board = 1; board <= DealCount; ++board) boards.push_back(Deal(dealing, DealRequest{board}).Board);

    std::vector<double> micros;
    for (auto _ : state) {
        micros.clear();
        for (const DealtBoard& board : boards) {
            BidderContext c;
            AttachBiddingData(c, data);
            c.Vul = board.Vul;
            SeatDeal(c, board.Holdings);
            StartAuction(c, board.Dealer);
            while (!AuctionComplete(c.Auction.Calls)) {
                const auto start = std::chrono::steady_clock::now();
                ChooseComputerCall(c, false);
                const auto end = std::chrono::steady_clock::now();
                micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
                AcceptCall(c, c.ChosenCall);
            }
        }
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double q) { return micros[static_cast<size_t>(q * static_cast<double>(micros.size() - 1))]; };
    state.counters["calls"] = static_cast<double>(micros.size());
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
}
BENCHMARK(BM_ComputerCallPerDeal)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

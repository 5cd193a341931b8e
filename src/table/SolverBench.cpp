#include "table/SolverBench.h"

#include "cards/Dealer.h"
#include "table/solver/DoubleDummy.h"

#include <array>
#include <chrono>
#include <memory>

namespace corvane {

namespace {
// Few and quick, so the test that holds the count stays short under the sanitizers.
constexpr std::array<std::int32_t, 1> BenchSeeds{4};
}  // namespace

SolverBenchResult RunSolverBench() {
    SolverBenchResult result;
    auto solver = std::make_unique<sds::DoubleDummySolver>();
    const auto start = std::chrono::steady_clock::now();
    for (const std::int32_t seed : BenchSeeds) {
        const DealtBoard board = DealFromSeed(seed);
        sds::Holdings h{};
        for (int seat = 0; seat < 4; ++seat) {
            for (int suit = 0; suit < 4; ++suit) h[seat][suit] = board.Holdings[seat][suit];
        }
        result.Nodes += solver->CalcTable(h).Nodes;
        ++result.Tables;
    }
    result.Milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return result;
}

}  // namespace corvane

// Simulation of a contract for the bidder: layouts of the three hands the caller cannot see,
// consistent with what each player has shown, each solved double dummy for the block's contract.
#pragma once

#include "table/solver/PlayBlock.h"
#include "table/solver/SolverPool.h"

#include <array>
#include <cstdint>

namespace corvane::sds {

struct SimBidSettings {
    int DealsPerSecond = 10;  // layouts per second of the block's time allowance
    int MinimumDeals = 8;
    int MaximumDeals = 200;
};

inline constexpr int SimBidResultSize = 15;
using SimBidResult = std::array<std::int32_t, SimBidResultSize>;  // deals, then counts by tricks

// The number of deals simulated (0 or more), or a negative SDS_ error code.
int SimulateBid(const Block& block, const SimBidSettings& settings, SolverPool& pool,
                SimBidResult& result);

}  // namespace corvane::sds

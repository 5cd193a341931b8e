#include "table/solver/SimBid.h"

#include "table/solver/DealSampler.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

namespace corvane::sds {

int SimulateBid(const Block& b, const SimBidSettings& settings, SolverPool& pool,
                SimBidResult& result) {
    result.fill(0);
    const int trump = b[block::Trump];
    const int declarer = b[block::Declarer];
    const int caller = b[block::Seat];
    std::array<Ranks, 4> own{};
    if (trump < 0 || trump > 4 || declarer < 0 || declarer > 3 || caller < 0 || caller > 3 ||
        !BlockSeatCards(b, own)) {
        return SDS_BAD_BLOCK;
    }
    SampleRequest request;
    for (int seat = 0; seat < 4; ++seat) {
        request.Holds[seat] = 13;
        request.Hidden[seat] = seat != caller;
        request.Shown[seat] = ShownRangesOf(b, seat);
    }
    request.Known[caller] = own;

    const long long tenths = std::max(b[block::TimeAllowance], 0);
    const int wanted = static_cast<int>(std::clamp<long long>(tenths * settings.DealsPerSecond / 10,
                                                              settings.MinimumDeals, settings.MaximumDeals));
    SampleRandom random(static_cast<std::uint32_t>(b[block::Seed]) * 4ULL + static_cast<std::uint64_t>(caller));
    const SampleSet samples = SampleDeals(request, wanted, random);
    if (samples.Deals.empty()) return SDS_NO_LAYOUT;

    const int count = static_cast<int>(samples.Deals.size());
    std::vector<int> tricks(samples.Deals.size(), 0);
    std::atomic<int> failure{SDS_OK};
    const auto job = [&](int i, DoubleDummySolver& solver) {
        Position p;
        p.Trump = trump;
        p.Leader = NextSeat(declarer);
        p.Hand = samples.Deals[static_cast<std::size_t>(i)];
        const SolveResult solved = solver.Solve(p, -1, 1);
        if (solved.Code != SDS_OK) {
            failure = solved.Code;
            return false;
        }
        tricks[static_cast<std::size_t>(i)] = 13 - solved.Cards[0].Score;
        return true;
    };
    // The time allowance set the deal count; every deal is solved, so the counts depend on the
    // seed alone.
    int done = 0;
    try {
        done = pool.Run(count, count, std::chrono::steady_clock::time_point::max(), job);
    } catch (const std::bad_alloc&) {
        return SDS_OUT_OF_MEMORY;
    }
    if (failure != SDS_OK) return failure;
    result[0] = done;
    for (int i = 0; i < done; ++i) ++result[static_cast<std::size_t>(1 + tricks[static_cast<std::size_t>(i)])];
    return done;
}

}  // namespace corvane::sds

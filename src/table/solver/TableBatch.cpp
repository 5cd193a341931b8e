#include "table/solver/TableBatch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace corvane::sds {

std::vector<TimedTable> CalcTables(const std::vector<Holdings>& deals, int threads) {
    // The work is handed out a strain at a time: tables differ widely in cost, and smaller
    // pieces keep the threads busy to the end.
    const std::size_t perDeal = Strains;
    const std::size_t jobs = deals.size() * perDeal;
    std::vector<StrainResult> parts(jobs);
    std::vector<double> partMs(jobs);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        auto solver = std::make_unique<DoubleDummySolver>();
        for (std::size_t i = next++; i < jobs; i = next++) {
            const auto start = std::chrono::steady_clock::now();
            parts[i] = solver->CalcStrain(deals[i / perDeal], static_cast<int>(i % perDeal));
            partMs[i] =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
    };
    const int count = std::clamp(threads, 1, static_cast<int>(std::max<std::size_t>(jobs, 1)));
    std::vector<std::thread> pool;
    for (int t = 1; t < count; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();

    std::vector<TimedTable> out(deals.size());
    for (std::size_t i = 0; i < jobs; ++i) {
        TimedTable& table = out[i / perDeal];
        const StrainResult& part = parts[i];
        if (part.Code != SDS_OK) table.Result.Code = part.Code;
        table.Result.Tricks[i % perDeal] = part.Tricks;
        table.Result.Nodes += part.Nodes;
        table.Milliseconds += partMs[i];
    }
    return out;
}

}  // namespace corvane::sds

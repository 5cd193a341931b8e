#include "table/solver/TableBatch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace corvane::sds {

std::vector<TimedTable> CalcTables(const std::vector<Holdings>& deals, int threads) {
    std::vector<TimedTable> out(deals.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        auto solver = std::make_unique<DoubleDummySolver>();
        for (std::size_t i = next++; i < deals.size(); i = next++) {
            const auto start = std::chrono::steady_clock::now();
            out[i].Result = solver->CalcTable(deals[i]);
            out[i].Milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
    };
    const int count = std::clamp(threads, 1, static_cast<int>(std::max<std::size_t>(deals.size(), 1)));
    std::vector<std::thread> pool;
    for (int t = 1; t < count; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    return out;
}

}  // namespace corvane::sds

#include "table/solver/SolverPool.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace corvane::sds {

SolverPool::SolverPool(int threads) : threads_(std::clamp(threads, 1, SDS_MAX_THREADS)) {}

int SolverPool::Run(int count, int minimum, std::chrono::steady_clock::time_point deadline,
                    const Job& job, const Enough& enough) {
    const int workers = std::min(threads_, count);
    while (static_cast<int>(solvers_.size()) < workers) {
        solvers_.push_back(std::make_unique<DoubleDummySolver>());
    }
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    std::mutex finishing;
    std::vector<bool> finished(static_cast<std::size_t>(std::max(count, 0)), false);
    int prefix = 0;      // jobs 0 .. prefix-1 have all finished
    int enoughAt = -1;
    auto work = [&](DoubleDummySolver& solver) {
        while (!stop) {
            // Check the clock before taking an index, so the indices handed out stay a prefix.
            if (next.load() >= minimum && std::chrono::steady_clock::now() >= deadline) break;
            const int i = next++;
            if (i >= count) break;
            if (!job(i, solver)) {
                stop = true;
                break;
            }
            const std::lock_guard<std::mutex> lock(finishing);
            finished[static_cast<std::size_t>(i)] = true;
            while (enoughAt < 0 && prefix < count && finished[static_cast<std::size_t>(prefix)]) {
                ++prefix;
                if (enough && enough(prefix)) {
                    enoughAt = prefix;
                    stop = true;
                }
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < workers; ++t) pool.emplace_back(work, std::ref(*solvers_[static_cast<std::size_t>(t)]));
    if (workers > 0) work(*solvers_[0]);
    for (std::thread& t : pool) t.join();
    return enoughAt >= 0 ? enoughAt : std::min(next.load(), count);
}

}  // namespace corvane::sds

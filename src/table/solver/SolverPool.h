// A few double-dummy solvers, one per worker thread, kept between calls so their table memory is
// allocated once. Work is handed out by index, in order, so the jobs that ran always form a
// prefix 0 .. n-1 of the list.
#pragma once

#include "table/solver/DoubleDummy.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace corvane::sds {

class SolverPool {
public:
    explicit SolverPool(int threads);
    int Threads() const { return threads_; }

    // Runs job(i, solver) for i = 0 .. count-1 until the deadline passes; jobs before
    // `minimum` run whatever the time. Returns how many jobs ran. False from a job stops the
    // handing out too. Throws std::bad_alloc when a solver cannot be had.
    using Job = std::function<bool(int index, DoubleDummySolver& solver)>;
    int Run(int count, int minimum, std::chrono::steady_clock::time_point deadline, const Job& job);

private:
    int threads_;
    std::vector<std::unique_ptr<DoubleDummySolver>> solvers_;
};

}  // namespace corvane::sds

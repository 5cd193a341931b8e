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
    //
    // `enough(n)` is called once for each n = 1, 2 ... in order, as soon as jobs 0 .. n-1 have
    // all finished, one call at a time; true stops the handing out and Run returns n, whatever
    // jobs beyond n the other threads finish meanwhile. So the stop does not depend on which
    // thread was quicker.
    using Job = std::function<bool(int index, DoubleDummySolver& solver)>;
    using Enough = std::function<bool(int finished)>;
    int Run(int count, int minimum, std::chrono::steady_clock::time_point deadline, const Job& job,
            const Enough& enough = {});

private:
    int threads_;
    std::vector<std::unique_ptr<DoubleDummySolver>> solvers_;
};

}  // namespace corvane::sds

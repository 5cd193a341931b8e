// The solver's fixed workload: full double-dummy tables of seeded deals. Its node count is a
// regression signature: a change to the search that alters it must say so.
#pragma once

#include <cstdint>

namespace corvane {

struct SolverBenchResult {
    int Tables = 0;
    std::uint64_t Nodes = 0;
    double Milliseconds = 0;
};

SolverBenchResult RunSolverBench();

}  // namespace corvane

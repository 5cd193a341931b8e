// corvane-cli bench: fixed, seeded workloads whose counts are regression signatures. A change
// that alters a count changes behaviour and must say so.
#include "app/cli/CliCommand.h"

#include "cards/Dealer.h"
#include "platform/Clock.h"
#include "table/SolverBench.h"

#include <cstdio>

namespace corvane::cli {
namespace {

constexpr int PracticeBoards = 1000;

// Deals practice boards for South 15-17 balanced from a fixed seed; the signature is the number
// of shuffles the dealer needed.
void DealWorkload() {
    PracticePattern pattern;
    pattern.Seats[South].MinHCP = 15;
    pattern.Seats[South].MaxHCP = 17;
    pattern.Seats[South].Balanced = 1;
    DealingState state;
    state.Generator.SetSeed(1);
    const double start = platform::MillisecondsNow();
    long long shuffles = 0;
    for (int board = 1; board <= PracticeBoards; ++board) {
        shuffles += Deal(state, DealRequest{board, false, VulNone, &pattern}).Shuffles;
    }
    std::printf("deal: %d practice boards, %lld shuffles, %.1f ms\n", PracticeBoards, shuffles,
                platform::MillisecondsNow() - start);
}

// Full double-dummy tables of seeded deals; the signature is the search's node count.
void SolverWorkload() {
    const SolverBenchResult result = RunSolverBench();
    std::printf("solver: %d full tables, %llu nodes, %.1f ms\n", result.Tables,
                static_cast<unsigned long long>(result.Nodes), result.Milliseconds);
}

const CommandRegistration registration{[](CLI::App& program) {
    CLI::App* cmd = program.add_subcommand("bench", "Run the fixed workloads and print their signatures");
    cmd->callback([] {
        const double start = platform::MillisecondsNow();
        DealWorkload();
        SolverWorkload();
        std::printf("total: %.1f ms\n", platform::MillisecondsNow() - start);
    });
}};

}  // namespace
}  // namespace corvane::cli

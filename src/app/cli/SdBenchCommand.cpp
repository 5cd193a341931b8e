// corvane-cli sdbench: how far the computer's card play falls short of double dummy, and how
// long it thinks per card.
#include "app/cli/CliCommand.h"

#include "table/SingleDummyBench.h"

#include <cstdio>
#include <memory>

namespace corvane::cli {
namespace {

struct SdBenchOptions {
    SingleDummyBenchSettings Bench;
    bool Json = false;
    bool Verbose = false;
};

void RunSdBench(const SdBenchOptions& opts) {
    const auto progress = [&](const SingleDummyBenchDeal& d) {
        if (!opts.Verbose) return;
        std::printf("seed %d  %d%c by %c  dd %2d  declarer %2d  defence %2d  all %2d\n", d.Seed,
                    d.Level, "CDHSN"[d.Strain], "NESW"[d.Declarer], d.DoubleDummyTricks,
                    d.DeclarerPlaysTricks, d.DefencePlaysTricks, d.AllPlayTricks);
        std::fflush(stdout);
    };
    const SingleDummyBenchResult r = RunSingleDummyBench(opts.Bench, progress);
    if (!r.Error.empty()) {
        std::fprintf(stderr, "corvane-cli: %s\n", r.Error.c_str());
        throw Failure();
    }
    const int deals = static_cast<int>(r.Deals.size());
    std::printf("deals %d (skipped %d), samples %d, threads %d\n", deals, r.Skipped,
                opts.Bench.Samples, opts.Bench.Threads);
    std::printf("declarer by the library: %.3f tricks below double dummy\n", r.DeclarerLoss);
    std::printf("defence by the library:  %.3f tricks given above double dummy\n", r.DefenceLoss);
    std::printf("all seats by the library: %+.3f tricks from double dummy\n", r.AllDifference);
    std::printf("decisions %zu, median %.1f ms, 95th percentile %.1f ms (processor time %.1f, %.1f)\n",
                r.DecisionMs.size(), r.MedianMs, r.P95Ms, r.MedianCpuMs, r.P95CpuMs);
    if (opts.Json) {
        std::printf("{\"deals\": %d, \"samples\": %d, \"declarer_loss\": %.4f, \"defence_loss\": %.4f, "
                    "\"all_sd_diff\": %.4f, \"median_ms\": %.2f, \"p95_ms\": %.2f, \"median_cpu_ms\": %.2f, "
                    "\"p95_cpu_ms\": %.2f}\n",
                    deals, opts.Bench.Samples, r.DeclarerLoss, r.DefenceLoss, r.AllDifference,
                    r.MedianMs, r.P95Ms, r.MedianCpuMs, r.P95CpuMs);
    }
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<SdBenchOptions>();
    CLI::App* cmd = program.add_subcommand(
        "sdbench", "Measure the computer's card play against double-dummy play");
    cmd->add_option("--deals", opts->Bench.Deals, "Number of deals")->check(CLI::Range(1, 100000));
    cmd->add_option("--seed", opts->Bench.Seed, "Seed of the first deal")->check(CLI::Range(1, 2000000000));
    cmd->add_option("--samples", opts->Bench.Samples, "Layouts per decision")->check(CLI::Range(1, 1000));
    cmd->add_option("--threads", opts->Bench.Threads, "Solver threads per decision")->check(CLI::Range(1, 16));
    cmd->add_option("--time", opts->Bench.TimeTenths, "Thinking time per hand, tenths of a second")
        ->check(CLI::Range(0, 1000000));
    cmd->add_flag("--json", opts->Json, "End with one line of JSON");
    cmd->add_flag("--verbose", opts->Verbose, "One line per deal");
    cmd->callback([opts] { RunSdBench(*opts); });
}};

}  // namespace
}  // namespace corvane::cli

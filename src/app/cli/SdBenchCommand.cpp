// corvane-cli sdbench: how far the computer's card play falls short of double dummy, and how
// long it thinks per card. A long measure can run in pieces: each piece logs its deals with
// --log, and --merge sums the logs up as one run.
#include "app/cli/CliCommand.h"

#include "table/SingleDummyBench.h"
#include "table/SingleDummyBenchLog.h"

#include <cstdio>
#include <fstream>
#include <memory>

namespace corvane::cli {
namespace {

struct SdBenchOptions {
    SingleDummyBenchSettings Bench;
    bool Json = false;
    bool Verbose = false;
    std::string Log;
    std::vector<std::string> Merge;
};

void PrintFigures(const SingleDummyBenchResult& r, int samples, bool json) {
    std::printf("declarer by the library: %.3f tricks below double dummy\n", r.DeclarerLoss);
    std::printf("defence by the library:  %.3f tricks given above double dummy\n", r.DefenceLoss);
    std::printf("all seats by the library: %+.3f tricks from double dummy\n", r.AllDifference);
    std::printf("decisions %zu, median %.1f ms, 95th percentile %.1f ms (processor time %.1f, %.1f)\n",
                r.DecisionMs.size(), r.MedianMs, r.P95Ms, r.MedianCpuMs, r.P95CpuMs);
    if (json) {
        std::printf("{\"deals\": %d, \"samples\": %d, \"declarer_loss\": %.4f, \"defence_loss\": %.4f, "
                    "\"all_sd_diff\": %.4f, \"median_ms\": %.2f, \"p95_ms\": %.2f, \"median_cpu_ms\": %.2f, "
                    "\"p95_cpu_ms\": %.2f}\n",
                    static_cast<int>(r.Deals.size()), samples, r.DeclarerLoss, r.DefenceLoss,
                    r.AllDifference, r.MedianMs, r.P95Ms, r.MedianCpuMs, r.P95CpuMs);
    }
}

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "corvane-cli: %s\n", message.c_str());
    throw Failure();
}

void MergeLogs(const SdBenchOptions& opts) {
    SingleDummyBenchLog log;
    for (const std::string& path : opts.Merge) {
        std::ifstream in(path);
        if (!in) Fail("cannot read " + path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        ReadSingleDummyBenchLog(lines, path, log);
        if (!log.Error.empty()) Fail(log.Error);
    }
    const SingleDummyBenchResult r = SummarizeSingleDummyBench(log.Deals);
    std::printf("deals %zu (skipped %d), samples %d, from %zu logs (%d repeated deals left out)\n",
                r.Deals.size(), r.Skipped, log.Samples, opts.Merge.size(), log.Duplicates);
    PrintFigures(r, log.Samples, opts.Json);
}

void RunSdBench(const SdBenchOptions& opts) {
    std::FILE* log = nullptr;
    if (!opts.Log.empty()) {
        log = std::fopen(opts.Log.c_str(), "a");
        if (log == nullptr) Fail("cannot write " + opts.Log);
    }
    const auto progress = [&](const SingleDummyBenchDeal& d) {
        if (log != nullptr) {
            // A line per deal, flushed, so a run stopped midway keeps the deals it finished.
            std::fprintf(log, "%s\n", FormatSingleDummyBenchLogLine(d, opts.Bench.Samples).c_str());
            std::fflush(log);
        }
        if (!opts.Verbose || d.Skipped) return;
        std::printf("seed %d  %d%c by %c  dd %2d  declarer %2d  defence %2d  all %2d\n", d.Seed,
                    d.Level, "CDHSN"[d.Strain], "NESW"[d.Declarer], d.DoubleDummyTricks,
                    d.DeclarerPlaysTricks, d.DefencePlaysTricks, d.AllPlayTricks);
        std::fflush(stdout);
    };
    const SingleDummyBenchResult r = RunSingleDummyBench(opts.Bench, progress);
    const bool written = log == nullptr || (std::ferror(log) == 0 && std::fclose(log) == 0);
    if (!r.Error.empty()) Fail(r.Error);
    if (!written) Fail("writing " + opts.Log + " failed");
    std::printf("deals %d (skipped %d), samples %d, threads %d\n", static_cast<int>(r.Deals.size()),
                r.Skipped, opts.Bench.Samples, opts.Bench.Threads);
    PrintFigures(r, opts.Bench.Samples, opts.Json);
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
    cmd->add_option("--log", opts->Log, "Add one JSON line per deal to this file");
    cmd->add_option("--merge", opts->Merge, "Sum up logs written with --log instead of playing")
        ->expected(1, -1);
    cmd->add_flag("--json", opts->Json, "End with one line of JSON");
    cmd->add_flag("--verbose", opts->Verbose, "One line per deal");
    cmd->callback([opts] {
        if (!opts->Merge.empty()) {
            MergeLogs(*opts);
        } else {
            RunSdBench(*opts);
        }
    });
}};

}  // namespace
}  // namespace corvane::cli

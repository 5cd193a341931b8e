// corvane-cli ddbench: the solver's speed on the deals of a range of seeds. Per deal, one full
// 20-entry table and two opening-lead positions (no trump, and North-South's longest fit), each
// solved for every best card, for one best card and for every card's score, timed in thread CPU
// time; then a symmetric deal with a void in every hand, the known worst case; and with --threads
// K, the whole batch of tables on K threads against one thread.
#include "app/cli/CliCommand.h"

#include "cards/Dealer.h"
#include "table/solver/DoubleDummy.h"
#include "table/solver/TableBatch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <numeric>
#include <vector>

namespace corvane::cli {
namespace {

struct DdBenchOptions {
    int first = 1;
    int last = 100;
    int threads = 0;
    bool worst = true;
};

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Summary {
    double Mean = 0;
    double Median = 0;
    double Max = 0;
};

Summary Summarise(std::vector<double> values) {
    Summary s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.Mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(n);
    s.Median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.Max = values.back();
    return s;
}

sds::Holdings ToHoldings(const DealHoldings& deal) {
    sds::Holdings h{};
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) h[seat][suit] = deal[seat][suit];
    }
    return h;
}

// North-South's longest combined suit, the strain of a typical suit contract for them.
int LongestFit(const sds::Holdings& h) {
    int best = 0;
    int bestLength = -1;
    for (int suit = 0; suit < 4; ++suit) {
        const int length = std::popcount(h[0][suit]) + std::popcount(h[2][suit]);
        if (length > bestLength) {
            best = suit;
            bestLength = length;
        }
    }
    return best;
}

// Suit s is void in seat s; the three other seats take its ranks in turn from the two up, so
// every hand holds 5-4-4 in three suits and the deal looks the same from every seat.
sds::Holdings SymmetricVoidsDeal() {
    sds::Holdings h{};
    for (int suit = 0; suit < 4; ++suit) {
        for (int i = 0; i < 13; ++i) {
            const int seat = (suit + 1 + i % 3) & 3;
            h[seat][suit] |= sds::Ranks{1} << (i + 2);
        }
    }
    return h;
}

void Print(const char* what, const Summary& s) {
    std::printf("%-28s mean %8.1f ms  median %8.1f ms  max %8.1f ms\n", what, s.Mean, s.Median,
                s.Max);
    std::fflush(stdout);
}

void Run(const DdBenchOptions& opts) {
    if (opts.last < opts.first) {
        std::fprintf(stderr, "corvane-cli: --last must not be below --first\n");
        throw Failure();
    }
    std::vector<sds::Holdings> deals;
    for (int seed = opts.first; seed <= opts.last; ++seed)
        deals.push_back(ToHoldings(DealFromSeed(seed).Holdings));

    // The opening-lead solve as the table asks it (every best card), as a value search for one
    // best card, and with every card scored.
    struct LeadSolve {
        int Solutions;
        const char* Label;
        std::vector<double> Ms;
    };
    std::array<LeadSolve, 3> leads{{{2, "opening lead, best cards", {}},
                                    {1, "opening lead, one card", {}},
                                    {3, "opening lead, all cards", {}}}};
    std::vector<double> tableMs;
    std::uint64_t nodes = 0;
    // One solver throughout, as the library keeps one per thread: every table and every new deal
    // starts from an empty table memory, so the answers and node counts are those of a fresh
    // solver, but the memory is not faulted in again each time.
    auto solver = std::make_unique<sds::DoubleDummySolver>();
    for (const sds::Holdings& deal : deals) {
        double start = ThreadCpuMs();
        nodes += solver->CalcTable(deal).Nodes;
        tableMs.push_back(ThreadCpuMs() - start);
        // The strain changes from one solve to the next, so each starts from an empty table
        // memory like a solve of a new deal.
        for (LeadSolve& lead : leads) {
            for (const int trump : {4, LongestFit(deal)}) {
                sds::Position position;
                position.Hand = deal;
                position.Trump = trump;
                position.Leader = 3;  // South declares, West leads
                start = ThreadCpuMs();
                solver->Solve(position, -1, lead.Solutions);
                lead.Ms.push_back(ThreadCpuMs() - start);
            }
        }
    }
    std::printf("seeds %d..%d, one thread, CPU time\n", opts.first, opts.last);
    Print("full table", Summarise(tableMs));
    for (const LeadSolve& lead : leads) Print(lead.Label, Summarise(lead.Ms));
    std::printf("%-28s %llu\n", "nodes of the tables", static_cast<unsigned long long>(nodes));
    std::fflush(stdout);

    if (opts.worst) {
        const double start = ThreadCpuMs();
        const std::uint64_t worstNodes = solver->CalcTable(SymmetricVoidsDeal()).Nodes;
        std::printf("%-28s %8.1f ms, %llu nodes\n", "symmetric voids, full table",
                    ThreadCpuMs() - start, static_cast<unsigned long long>(worstNodes));
    }

    if (opts.threads > 1) {
        auto wall = [&](int threads) {
            const auto t0 = std::chrono::steady_clock::now();
            sds::CalcTables(deals, threads);
            return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        };
        const double one = wall(1);
        const double many = wall(opts.threads);
        std::printf("batch of %zu tables: 1 thread %.0f ms, %d threads %.0f ms, speed-up %.2f\n",
                    deals.size(), one, opts.threads, many, one / many);
    }
}

const CommandRegistration registration([](CLI::App& program) {
    auto opts = std::make_shared<DdBenchOptions>();
    CLI::App* cmd =
        program.add_subcommand("ddbench", "Time the double-dummy solver on seeded deals");
    cmd->add_option("--first", opts->first, "First seed")->capture_default_str();
    cmd->add_option("--last", opts->last, "Last seed")->capture_default_str();
    cmd->add_option("--threads", opts->threads, "Also time the batch on this many threads")
        ->check(CLI::Range(2, 64));
    cmd->add_flag("!--no-worst", opts->worst, "Leave out the symmetric-voids deal");
    cmd->callback([opts] { Run(*opts); });
});

}  // namespace
}  // namespace corvane::cli

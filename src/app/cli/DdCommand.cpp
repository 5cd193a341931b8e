// corvane-cli dd: the double-dummy table and par of deals given as PBN Deal strings, by seed or
// from a file of Deal strings, one a line.
#include "app/cli/CliCommand.h"

#include "cards/Dealer.h"
#include "table/Par.h"
#include "table/solver/TableBatch.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {
namespace {

struct DdOptions {
    std::string deal;
    std::optional<std::int32_t> seed;
    std::string file;
    std::string vul;
    int threads = 1;
    bool json = false;
};

struct DdJob {
    DealHoldings Holdings{};
    Vulnerability Vul = VulNone;
};

bool ReadVulnerability(const std::string& text, Vulnerability& out) {
    for (int v = 0; v < 4; ++v) {
        if (text == VulnerabilityNames[v]) {
            out = static_cast<Vulnerability>(v);
            return true;
        }
    }
    return false;
}

std::vector<DdJob> CollectJobs(const DdOptions& opts) {
    Vulnerability vul = VulNone;
    if (!opts.vul.empty() && !ReadVulnerability(opts.vul, vul)) {
        std::cerr << "corvane-cli: --vul must be None, NS, EW or Both\n";
        throw Failure();
    }
    std::vector<DdJob> jobs;
    auto addText = [&](const std::string& text, const std::string& where) {
        DdJob job;
        job.Vul = vul;
        if (!DealFromPbn(text, job.Holdings)) {
            std::cerr << "corvane-cli: not a deal" << where << ": " << text << '\n';
            throw Failure();
        }
        jobs.push_back(job);
    };
    if (opts.seed) {
        const DealtBoard board = DealFromSeed(*opts.seed);
        jobs.push_back(DdJob{board.Holdings, opts.vul.empty() ? board.Vul : vul});
    }
    if (!opts.deal.empty()) addText(opts.deal, "");
    if (!opts.file.empty()) {
        std::ifstream in(opts.file);
        if (!in) {
            std::cerr << "corvane-cli: cannot read " << opts.file << '\n';
            throw Failure();
        }
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find_first_not_of(" \t") == std::string::npos) continue;
            addText(line, " on line " + std::to_string(number));
        }
    }
    if (jobs.empty()) {
        std::cerr << "corvane-cli: give a deal, --seed or --file\n";
        throw Failure();
    }
    return jobs;
}

constexpr std::array<int, 5> ColumnOrder{Clubs, Diamonds, Hearts, Spades, NoTrump};
constexpr std::array<const char*, 5> ColumnNames{"C", "D", "H", "S", "NT"};

void PrintText(const DdJob& job, const DDResultTable& table, const ParResult& par, double ms) {
    std::printf("%s\n     C  D  H  S NT\n", PbnDealString(job.Holdings).c_str());
    for (int seat = 0; seat < 4; ++seat) {
        std::printf("%c  ", SeatLetters[seat]);
        for (const int strain : ColumnOrder) std::printf("%3d", DDTricks(table, seat, strain));
        std::printf("\n");
    }
    std::printf("Par: %s; N-S %d\n%.1f ms\n\n", ParText(table, par, true).c_str(), par.Score, ms);
}

void PrintJson(const DdJob& job, const DDResultTable& table, const ParResult& par, double ms) {
    std::printf("{\"deal\": \"%s\", \"table\": {", PbnDealString(job.Holdings).c_str());
    for (int seat = 0; seat < 4; ++seat) {
        std::printf("%s\"%c\": {", seat == 0 ? "" : ", ", SeatLetters[seat]);
        for (int i = 0; i < 5; ++i) {
            std::printf("%s\"%s\": %d", i == 0 ? "" : ", ", ColumnNames[i], DDTricks(table, seat, ColumnOrder[i]));
        }
        std::printf("}");
    }
    std::printf("}, \"par_text\": \"%s\", \"par_score\": %d, \"ms\": %.1f}\n", ParText(table, par, false).c_str(),
                par.Score, ms);
}

void RunDd(const DdOptions& opts) {
    const std::vector<DdJob> jobs = CollectJobs(opts);
    std::vector<sds::Holdings> deals;
    for (const DdJob& job : jobs) {
        sds::Holdings h{};
        for (int seat = 0; seat < 4; ++seat) {
            for (int suit = 0; suit < 4; ++suit) h[seat][suit] = job.Holdings[seat][suit];
        }
        deals.push_back(h);
    }
    const std::vector<sds::TimedTable> tables = sds::CalcTables(deals, opts.threads);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const sds::TableResult& result = tables[i].Result;
        if (result.Code != SDS_OK) {
            std::cerr << "corvane-cli: error in DD Table - " << result.Code << '\n';
            throw Failure();
        }
        std::array<std::int32_t, 20> strainMajor{};
        for (int strain = 0; strain < 5; ++strain) {
            for (int seat = 0; seat < 4; ++seat) strainMajor[strain * 4 + seat] = result.Tricks[strain][seat];
        }
        const DDResultTable table = DDResultFromSolver(strainMajor);
        const ParResult par = CalculatePar(table, jobs[i].Vul);
        if (opts.json) {
            PrintJson(jobs[i], table, par, tables[i].Milliseconds);
        } else {
            PrintText(jobs[i], table, par, tables[i].Milliseconds);
        }
    }
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<DdOptions>();
    CLI::App* cmd = program.add_subcommand("dd", "Double-dummy table and par of deals");
    cmd->add_option("deal", opts->deal, "PBN Deal string, \"N:AKQ2.J54.T9.8765 ...\"");
    cmd->add_option("--seed", opts->seed, "The deal of a seed, with its vulnerability");
    cmd->add_option("--file", opts->file, "A file of Deal strings, one a line");
    cmd->add_option("--vul", opts->vul, "Vulnerability for par: None, NS, EW or Both");
    cmd->add_option("--threads", opts->threads, "Threads for a batch")->check(CLI::Range(1, 64));
    cmd->add_flag("--json", opts->json, "One JSON object per deal and line");
    cmd->callback([opts] { RunDd(*opts); });
}};

}  // namespace
}  // namespace corvane::cli

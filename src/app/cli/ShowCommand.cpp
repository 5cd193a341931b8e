// corvane-cli show FILE --board N: prints a board stored in a hand file, with its results.
#include "app/cli/CliCommand.h"

#include "bidding/CallText.h"
#include "cards/Diagram.h"
#include "files/BridgeINI.h"
#include "files/DealFile.h"
#include "files/HandFields.h"
#include "table/BridgeHandFile.h"

#include <cstdio>
#include <iostream>
#include <memory>

namespace corvane::cli {
namespace {

struct ShowOptions {
    std::string file;
    int board = 1;
};

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

void PrintResult(const HandRecord& r) {
    std::cout << "  " << r.ResultSuffix << ": " << ContractText(r.Contract, r.Doubling);
    if (r.Contract != Pass) std::cout << " by " << SeatLetters[r.Declarer] << ", " << r.Tricks << " tricks";
    std::cout << ", score ";
    if (r.Score == NotPlayedScore) {
        std::cout << "not played";
    } else {
        std::cout << "NS " << r.Score;
    }
    std::cout << ", IMPs " << Decimal(r.ScoreIMP) << ", MPs " << Decimal(r.ScoreMP) << "\n";
    std::cout << "    Players: N " << r.Players[North] << ", E " << r.Players[East] << ", S "
              << r.Players[South] << ", W " << r.Players[West] << "\n";
    if (!r.Calls.empty()) std::cout << "    Auction: " << JoinCommaList(r.Calls) << "\n";
    for (const auto& note : r.Notes) std::cout << "    " << note << "\n";
}

void Show(const ShowOptions& opts) {
    const DealFileKind kind = DealFileKindOf(opts.file);
    if (kind != DealFileKind::Ini) {
        // Opening other files converts them over the ".ini" beside them: not for a look.
        std::cerr << "corvane-cli show: " << opts.file
                  << " is not a hand file (.ini or .txt); convert it with corvane-cli convert\n";
        throw Failure();
    }
    TBridgeINI hands(opts.file);
    if (!hands.OpenError().empty()) {
        std::cerr << "corvane-cli show: " << hands.OpenError() << '\n';
        throw Failure();
    }
    const int errors = hands.LoadBoard(opts.board);
    if (errors < 0) {
        std::cerr << "corvane-cli show: no board " << opts.board << " in " << opts.file << '\n';
        throw Failure();
    }
    if (errors > 0) {
        for (const auto& m : BoardErrorMessages(hands)) std::cerr << m << '\n';
        throw Failure();
    }
    const HandRecord& r = hands.Record;
    std::cout << "Board " << r.Values[tag::Board] << "   Dealer: " << SeatNames[r.Dealer]
              << "   Vulnerable: " << VulnerabilityNames[r.Vul] << "\n\n"
              << DealDiagram(r.Holdings) << "\n"
              << "Deal: " << PbnDealString(r.Holdings, r.Dealer) << "\n";
    for (int t : {tag::Event, tag::Date, tag::Generator}) {
        if (r.Values[t] != "?" && !r.Values[t].empty()) std::cout << PbnTags[t] << ": " << r.Values[t] << "\n";
    }
    if (r.Optimum.Contract != Pass) {
        std::cout << "Par: " << CallText(r.Optimum.Contract) << " by " << SeatLetters[r.Optimum.Declarer]
                  << ", NS " << r.Optimum.Score << "\n";
    }
    const auto sections = hands.ResultSections(opts.board);
    std::cout << "\nResults: " << sections.size() << "\n";
    for (const auto& section : sections) {
        const int resultErrors = hands.LoadResult(section);
        PrintResult(hands.Record);
        for (int e = 0; e < resultErrors; ++e) std::cout << "    error: " << hands.ErrorList[e] << "\n";
    }
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<ShowOptions>();
    CLI::App* cmd = program.add_subcommand("show", "Print a board of a hand file with its results");
    cmd->add_option("file", opts->file, "The hand file (.ini)")->required();
    cmd->add_option("--board", opts->board, "Board number")->check(CLI::Range(1, 999999));
    cmd->callback([opts] { Show(*opts); });
}};

}  // namespace
}  // namespace corvane::cli

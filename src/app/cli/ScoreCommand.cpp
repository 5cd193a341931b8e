// corvane-cli score --contract 4SX --declarer S --vul NS --tricks 9: the duplicate score of one
// result, from North-South's point of view.
#include "app/cli/CliCommand.h"
#include "bidding/CallText.h"
#include "scoring/ContractScore.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace corvane::cli {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

struct Contract {
    CallCode Bid = Pass;
    int Doubling = 0;
};

// "4S", "4SX", "3NTXX", "Pass"; nothing else.
std::optional<Contract> ReadContract(const std::string& text) {
    std::string t = Upper(text);
    if (t == "PASS" || t == "P") return Contract{};
    Contract contract;
    for (; contract.Doubling < 2 && !t.empty() && t.back() == 'X'; ++contract.Doubling)
        t.pop_back();
    contract.Bid = CallFromText(t);
    if (!IsBid(contract.Bid)) return std::nullopt;
    const std::string plain = CallText(contract.Bid);
    const bool notrumpLong = StrainOf(contract.Bid) == NoTrump && t == plain + "T";  // "3NT"
    if (t != plain && !notrumpLong) return std::nullopt;
    return contract;
}

std::optional<TSeat> ReadSeat(const std::string& text) {
    const std::string t = Upper(text);
    for (TSeat seat = North; seat < SeatCount; ++seat) {
        if (t == std::string(1, SeatLetters[seat]) || t == Upper(std::string(SeatNames[seat]))) {
            return seat;
        }
    }
    return std::nullopt;
}

std::optional<Vulnerability> ReadVulnerability(const std::string& text) {
    const std::string t = Upper(text);
    for (size_t v = 0; v < VulnerabilityNames.size(); ++v) {
        if (t == Upper(std::string(VulnerabilityNames[v]))) return static_cast<Vulnerability>(v);
    }
    return std::nullopt;
}

const CommandRegistration registration{[](CLI::App& program) {
    auto* command = program.add_subcommand("score", "Duplicate score of one result (N-S view)");
    auto contract = std::make_shared<std::string>();
    auto declarer = std::make_shared<std::string>();
    auto vulnerability = std::make_shared<std::string>("None");
    auto tricks = std::make_shared<int>(0);
    command->add_option("--contract", *contract, "Contract: 4S, 3NX, 6HXX or Pass")->required();
    command->add_option("--declarer", *declarer, "Declarer: N, E, S or W");
    command->add_option("--vul", *vulnerability, "Vulnerability: None, NS, EW or Both");
    CLI::Option* tricksOption =
        command->add_option("--tricks", *tricks, "Tricks won by the declaring side, 0 to 13");
    command->callback([=] {
        const std::optional<Contract> read = ReadContract(*contract);
        if (!read) {
            std::cerr << "corvane-cli score: unreadable contract \"" << *contract
                      << "\" (level 1-7, strain C D H S N, then X or XX)\n";
            throw Failure();
        }
        const bool passedOut = !IsBid(read->Bid);
        const std::optional<TSeat> seat =
            ReadSeat(passedOut && declarer->empty() ? "N" : *declarer);
        if (!seat) {
            std::cerr << "corvane-cli score: declarer must be N, E, S or W, not \"" << *declarer
                      << "\"\n";
            throw Failure();
        }
        const std::optional<Vulnerability> vul = ReadVulnerability(*vulnerability);
        if (!vul) {
            std::cerr << "corvane-cli score: vulnerability must be None, NS, EW or Both, not \""
                      << *vulnerability << "\"\n";
            throw Failure();
        }
        if (!passedOut && tricksOption->count() == 0) {
            std::cerr << "corvane-cli score: --tricks is needed for a contract\n";
            throw Failure();
        }
        if (*tricks < 0 || *tricks > 13) {
            std::cerr << "corvane-cli score: tricks must be 0 to 13, not " << *tricks << '\n';
            throw Failure();
        }
        std::cout << "NS "
                  << ContractScore(read->Bid, read->Doubling, *seat, *tricks,
                                   SeatVulnerable(*vul, *seat))
                  << '\n';
    });
}};

}  // namespace
}  // namespace corvane::cli

// corvane-cli deal: deals one board, reproducibly by seed.
#include "app/cli/CliCommand.h"

#include "cards/Dealer.h"
#include "cards/Diagram.h"
#include "platform/Clock.h"

#include <iostream>
#include <memory>
#include <optional>

namespace corvane::cli {
namespace {

struct DealOptions {
    std::optional<std::int32_t> seed;
    std::optional<int> board;
};

void PrintBoard(int board, const DealtBoard& dealt) {
    std::cout << "Board " << board << "   Dealer: " << SeatNames[dealt.Dealer]
              << "   Vulnerable: " << VulnerabilityNames[dealt.Vul] << "\n\n"
              << DealDiagram(dealt.Holdings) << "\n"
              << "Deal: " << PbnDealString(dealt.Holdings, dealt.Dealer) << "\n"
              << "Seed: " << dealt.SeedText() << "\n";
}

int RunDeal(const DealOptions& opts) {
    DealingState state;
    int board = opts.board.value_or(1);
    if (opts.seed && !opts.board) {
        // A seed alone is reproduced, as the seed dialog does: its low bits give dealer and
        // vulnerability.
        state.Generator.SetSeed(*opts.seed);
        state.ReproductionText = std::to_string(*opts.seed);
    } else {
        state.Generator.SetSeed(opts.seed.value_or(platform::HighResolutionSeed()));
    }
    const DealOutcome out = Deal(state, DealRequest{board});
    PrintBoard(board, out.Board);
    return 0;
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<DealOptions>();
    CLI::App* cmd = program.add_subcommand("deal", "Deal a board and print it");
    cmd->add_option("--seed", opts->seed, "Random seed (alone: reproduce that seed's board)");
    cmd->add_option("--board", opts->board, "Board number (gives dealer and vulnerability)")
        ->check(CLI::Range(1, 9999));
    cmd->callback([opts] {
        if (opts->seed && *opts->seed == 0 && !opts->board) {
            std::cerr << "corvane-cli: the random seed must not be zero\n";
            throw Failure();
        }
        RunDeal(*opts);
    });
}};

}  // namespace
}  // namespace corvane::cli

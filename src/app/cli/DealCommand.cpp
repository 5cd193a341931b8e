// corvane-cli deal: deals one board, reproducibly by seed, and stores it in "New Hands.ini" of
// the data folder as the table does.
#include "app/cli/CliCommand.h"

#include "cards/Dealer.h"
#include "cards/Diagram.h"
#include "cards/NewBoard.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/UserName.h"
#include "settings/PlayerFile.h"
#include "table/BridgeHandFile.h"

#include <iostream>
#include <memory>
#include <optional>

namespace corvane::cli {
namespace {

struct DealOptions {
    std::optional<std::int32_t> seed;
    std::optional<int> board;
};

void PrintBoard(int board, const BoardRecord& dealt) {
    std::cout << "Board " << board << "   Dealer: " << SeatNames[dealt.Dealer]
              << "   Vulnerable: " << VulnerabilityNames[dealt.Vul] << "\n\n"
              << DealDiagram(dealt.Holdings) << "\n"
              << "Deal: " << PbnDealString(dealt.Holdings, dealt.Dealer) << "\n"
              << "Seed: " << dealt.SeedText << "\n";
}

// The names a board dealt here gets: the player chosen at start-up and the sides' teams.
BoardNaming Naming(const std::string& folder) {
    std::string name = StartupPlayer(folder);
    if (name.empty()) name = WelcomeAnswer(platform::UserName(), false).value_or("");
    PlayerSettings player(folder);
    player.LoadPlayer(name);
    BoardNaming naming;
    naming.CurrentPlayer = name;
    naming.HandsPlayed = player.Values.HandsPlayed;
    naming.NSTeam = TeamName(player.Values.NSCnvt);
    naming.EWTeam = TeamName(player.Values.EWCnvt);
    return naming;
}

void RunDeal(const DealOptions& opts) {
    std::string error;
    const std::string folder = platform::PrepareDataFolder(error);
    if (!error.empty()) {
        std::cerr << "corvane-cli: " << error << '\n';
        throw Failure();
    }
    BridgeHandFile file(folder + NewHandsFileName);
    if (!file.Ini().OpenError().empty()) {
        std::cerr << "corvane-cli: " << file.Ini().OpenError() << '\n';
        throw Failure();
    }
    const int board = opts.board.value_or(file.HighestHandNumber() + 1);
    if (file.Ini().LoadBoard(board) >= 0) {
        std::cerr << "corvane-cli: board " << board << " is already stored in " << file.Ini().Path() << '\n';
        throw Failure();
    }

    DealingState state;
    if (opts.seed && !opts.board) {
        // A seed alone is reproduced, as the seed dialog does: its low bits give dealer and
        // vulnerability.
        state.Generator.SetSeed(*opts.seed);
        state.ReproductionText = std::to_string(*opts.seed);
    } else {
        state.Generator.SetSeed(opts.seed.value_or(platform::HighResolutionSeed()));
    }
    const BoardNaming naming = Naming(folder);
    DealContext context;
    context.Dealing = &state;
    context.PlayerNames = NewBoardPlayers(naming);
    context.EventTitle = NewBoardEvent(naming);
    BoardRecord dealt;
    std::vector<std::string> messages;
    const bool ok = file.GetHand(board, context, dealt, messages);
    for (const auto& m : messages) std::cerr << "corvane-cli: " << m << '\n';
    if (!ok || file.Ini().Modified()) throw Failure();  // not dealt, or not saved
    PrintBoard(board, dealt);
    std::cout << "Stored as board " << board << " in " << file.Ini().Path() << "\n";
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<DealOptions>();
    CLI::App* cmd = program.add_subcommand(
        "deal", "Deal a board, print it and store it in \"New Hands.ini\" of the data folder");
    cmd->add_option("--seed", opts->seed, "Random seed (alone: reproduce that seed's board)");
    cmd->add_option("--board", opts->board,
                    "Board number (gives dealer and vulnerability); default: the next board")
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

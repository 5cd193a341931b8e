// corvane-cli play: a plain terminal table. The person types calls and cards as the table's
// keys ("1S", "P", "X", "TS"), or a word: "claim", "back", "hint", "next", "replay", "quit".
#include "app/cli/CliCommand.h"
#include "app/cli/TerminalTableView.h"

#include "bidding/CallText.h"
#include "platform/Clock.h"
#include "table/MemoryHandFile.h"
#include "table/SdsSolverLibrary.h"
#include "table/TableController.h"

#include <iostream>
#include <memory>
#include <optional>

namespace corvane::cli {
namespace {

struct PlayOptions {
    std::string seat = "S";
    std::optional<std::int32_t> seed;
};

std::string HandLine(const TableController& table, TSeat seat) {
    std::string line = std::string(SeatNames[seat]) + ":";
    line.resize(7, ' ');
    if (!table.IsHandShown(seat)) return line + "(face down)";
    const THands& hand = table.Hands()[seat];
    for (int suit = Spades; suit >= Clubs; --suit) {
        line += std::string(" ") + StrainLetters[static_cast<size_t>(suit)] + " " +
                HoldingText(hand.HoldingOf(suit));
    }
    return line;
}

void ShowAuction(const TableController& table) {
    std::cout << "Auction (dealer " << SeatNames[table.Auction().Dealer()] << "):";
    for (const auto& call : table.Auction().Record().Calls) std::cout << ' ' << call;
    std::cout << '\n';
}

void ShowTable(const TableController& table) {
    const TableState& s = table.State();
    for (TSeat seat = North; seat <= West; ++seat) std::cout << HandLine(table, seat) << '\n';
    if (s.Phase == PhaseBidding || s.Phase == PhaseBiddingOver) {
        ShowAuction(table);
        if (s.Phase == PhaseBidding) {
            std::cout << SeatNames[s.CurrentSeat] << " to call> " << std::flush;
        } else {
            std::cout << "Contract " << table.Auction().ContractText()
                      << ". Enter to start the play, \"back\" to take back a call> " << std::flush;
        }
        return;
    }
    if (s.Phase != PhasePlaying) return;
    std::cout << "Contract " << ContractText(s.Contract, s.Doubled) << " by "
              << SeatNames[s.Declarer] << "   declarer " << s.DeclarerTricks << ", defence "
              << s.TricksPlayed() - s.DeclarerTricks << '\n';
    const int inTrick = s.TrickOnTable ? 4 : s.CardsPlayed % 4;
    std::cout << "Trick:";
    for (int i = s.CardsPlayed - inTrick; i < s.CardsPlayed; ++i) {
        const PlayedCard& p = s.PlayRecord[static_cast<size_t>(i)];
        std::cout << ' ' << SeatLetters[p.Seat] << ' ' << CardText(p.Card);
    }
    std::cout << (s.TrickOnTable ? "   (Enter to go on)" : "") << '\n'
              << SeatNames[s.CurrentSeat] << " to play> " << std::flush;
}

void TypeKeys(TableController& table, const std::string& token) {
    for (char c : token) table.KeyDown(TableKey::Char(c));
    // A double waits for its second key; Enter completes it.
    if (token == "X" || token == "x" || token == "XX" || token == "xx") {
        table.KeyDown(TableKey::Of(KeyCode::Enter));
    }
}

int RunPlay(const PlayOptions& opts) {
    const auto seat = static_cast<TSeat>(SeatLetters.find(opts.seat.empty() ? '?' : opts.seat[0]));
    if (opts.seat.size() != 1 || seat > West) {
        std::cerr << "corvane-cli: the seat is one of N, E, S, W\n";
        throw Failure();
    }
    TerminalTableView view(false);
    PassingBidderPlaceholder bidder;
    SdsSolverLibrary solver;
    MemoryHandFileShelf files;
    DealingState dealing;
    TableOptions options;
    options.PlayerName = "You";
    options.HandsPlayed = options.HandsSeen = SeatBit(seat);
    options.ClearTable = false;  // Enter clears a trick
    TableController table(view, bidder, solver, files, dealing, options);
    view.SeedAnswer = opts.seed.value_or(platform::HighResolutionSeed());
    table.DealerChoice(4);

    std::string line;
    for (;;) {
        const TableState& s = table.State();
        if (view.Ended) return 1;
        if (s.Phase == PhaseHandOver) {
            const auto& last = table.Scores().Last();
            std::cout << table.Scores().HandResultText(
                             IsBid(last.Contract) ? SeatNames[last.Declarer] : "", last.Contract,
                             last.Doubling)
                      << "   N-S score " << s.HandScore << "\n\"next\", \"replay\" or \"quit\"> "
                      << std::flush;
        } else {
            ShowTable(table);
        }
        if (!std::getline(std::cin, line)) return 0;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line == "quit" || line == "q") return 0;
        if (line == "next") {
            table.EOSNewHandClick();
        } else if (line == "replay") {
            table.EOSReplayClick();
        } else if (line == "claim") {
            table.FastClaimClick();
        } else if (line == "hint") {
            table.HintClick();
        } else if (line == "back") {
            table.KeyDown(TableKey::Of(KeyCode::Backspace));
        } else if (line.empty()) {
            if (s.Phase == PhaseBiddingOver) {
                table.StartButtonClick();
            } else {
                table.KeyDown(TableKey::Of(KeyCode::Enter));
            }
        } else {
            TypeKeys(table, line);
        }
    }
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<PlayOptions>();
    CLI::App* cmd = program.add_subcommand("play", "Play at the table in the terminal");
    cmd->add_option("--seat", opts->seat, "Your seat: N, E, S or W (default S)");
    cmd->add_option("--seed", opts->seed, "Random seed of the first board");
    cmd->callback([opts] {
        if (opts->seed && *opts->seed == 0) {
            std::cerr << "corvane-cli: the random seed must not be zero\n";
            throw Failure();
        }
        RunPlay(*opts);
    });
}};

}  // namespace
}  // namespace corvane::cli

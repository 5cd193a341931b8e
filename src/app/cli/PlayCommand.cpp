// corvane-cli play: a plain terminal table. The person types calls and cards as the table's
// keys ("1S", "P", "X", "TS"), or a word: "claim", "back", "hint", "explain", "next", "replay",
// "quit". A line that is neither gets a message and the same prompt again.
#include "app/cli/BiddingOptions.h"
#include "app/cli/CliCommand.h"
#include "app/cli/TerminalTableView.h"

#include "bidding/CallText.h"
#include "platform/Clock.h"
#include "table/MemoryHandFile.h"
#include "table/RuleBidder.h"
#include "table/SdsSolverLibrary.h"
#include "table/TableController.h"

#include <cctype>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace corvane::cli {
namespace {

struct PlayOptions {
    std::string seat = "S";
    std::optional<std::int32_t> seed;
    BiddingOptions bidding;
};

constexpr const char* HelpText =
    "Calls: a level and a strain (1S, 3N, 1NT, S1), P to pass, X to double, XX to redouble.\n"
    "Cards: a rank and a suit (TS, 10S, S10, 2C). An empty line starts the play, clears a trick\n"
    "or plays the card offered. Words: back, hint, explain, claim, next, replay, help, quit.\n";

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
    if (s.Phase == PhaseBidding || s.Phase == PhaseBiddingOver || s.Phase == PhaseTestPad) {
        ShowAuction(table);
        if (s.Phase == PhaseBidding) {
            std::cout << SeatNames[s.CurrentSeat] << " to call> " << std::flush;
        } else if (s.Phase == PhaseTestPad) {
            std::cout << "Test pad: calls are explained, not made; \"T\" goes back to the auction> "
                      << std::flush;
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
    std::cout << (s.TrickOnTable ? "   (Enter to go on)" : "") << '\n' << SeatNames[s.CurrentSeat];
    if (!s.TrickOnTable && !table.Hands()[s.CurrentSeat].PlayedHere) {
        // Only after a take-back does the computer's seat wait for the person.
        std::cout << " to play: \"back\" takes back another card, Enter lets the computer play> ";
    } else {
        std::cout << " to play> ";
    }
    std::cout << std::flush;
}

void ShowHandOver(TableController& table) {
    // The hand is over: every hand is shown as dealt.
    for (TSeat seat = North; seat <= West; ++seat) std::cout << HandLine(table, seat) << '\n';
    const auto& last = table.Scores().Last();
    std::string result = table.Scores().HandResultText(
        IsBid(last.Contract) ? SeatNames[last.Declarer] : "", last.Contract, last.Doubling);
    // "~" before a strain letter draws a suit symbol in the window; the terminal shows the letter.
    std::erase(result, '~');
    std::cout << result << "   N-S score " << table.State().HandScore
              << "\n\"next\", \"replay\" or \"quit\"> " << std::flush;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The keys a call is typed with, or nothing when the text is not a call.
std::optional<std::string> CallKeys(std::string text) {
    if (text == "P" || text == "PASS") return "P";
    if (text == "X" || text == "XX") return text;
    if (text.size() == 3 && text.substr(1) == "NT") text = text.substr(0, 2);
    if (text.size() != 2) return std::nullopt;
    const auto isLevel = [](char c) { return c >= '1' && c <= '7'; };
    const auto isStrain = [](char c) { return StrainLetters.find(c) <= NoTrump; };
    if ((isLevel(text[0]) && isStrain(text[1])) || (isStrain(text[0]) && isLevel(text[1]))) {
        return text;
    }
    return std::nullopt;
}

// The keys a card is typed with (rank and suit, in either order), or nothing.
std::optional<std::string> CardKeys(std::string text) {
    if (const auto ten = text.find("10"); ten != std::string::npos) text.replace(ten, 2, "T");
    if (text.size() != 2) return std::nullopt;
    const auto isRank = [](char c) { return RankFromChar(c == '1' ? 'T' : c) >= 2; };
    const auto isSuit = [](char c) { return SuitFromChar(c) <= Spades; };
    if ((isRank(text[0]) && isSuit(text[1])) || (isSuit(text[0]) && isRank(text[1]))) return text;
    return std::nullopt;
}

void TypeKeys(TableController& table, const std::string& keys) {
    for (char c : keys) table.KeyDown(TableKey::Char(c));
    // A double waits for its second key; Enter completes it.
    if (keys[0] == 'X') table.KeyDown(TableKey::Of(KeyCode::Enter));
}

// A line that is not one of the words: a call, a card or a test-pad key by the phase.
void TypeLine(TableController& table, const std::string& line) {
    const std::string text = Upper(line);
    switch (table.State().Phase) {
    case PhaseBidding:
    case PhaseTestPad:
        if (text == "T" || text == "G") {
            table.KeyDown(TableKey::Char('T'));
        } else if (const auto keys = CallKeys(text)) {
            TypeKeys(table, *keys);
        } else {
            std::cout << "Not a call: \"" << line << "\". Type a level and a strain (1S, 3N), P, X"
                      << " or XX; \"help\" lists the rest.\n";
        }
        return;
    case PhasePlaying:
        if (const auto keys = CardKeys(text)) {
            TypeKeys(table, *keys);
        } else {
            std::cout << "Not a card: \"" << line << "\". Type a rank and a suit (TS, 10S, 2C);"
                      << " \"help\" lists the rest.\n";
        }
        return;
    case PhaseBiddingOver:
        std::cout << "The auction is over: an empty line starts the play, \"back\" takes back the"
                  << " last call.\n";
        return;
    default: std::cout << "The hand is over: type \"next\", \"replay\" or \"quit\".\n"; return;
    }
}

void Hint(TableController& table) {
    switch (table.State().Phase) {
    case PhaseBidding: table.ProcessBid("Hi"); return;
    case PhasePlaying:
        table.HintClick();
        if (IsCard(table.SelectedCard())) {
            std::cout << "Hint: " << CardText(table.SelectedCard())
                      << " (an empty line plays it)\n";
        }
        return;
    default: std::cout << "No hint now.\n"; return;
    }
}

void Explain(const RuleBidder& bidder) {
    for (TSeat seat = North; seat <= West; ++seat) {
        const CallMeaning m = bidder.Explain(seat);
        std::cout << SeatNames[seat] << ": " << (m.Explanation.empty() ? "-" : m.Explanation)
                  << '\n';
    }
}

int RunPlay(const PlayOptions& opts) {
    const auto seat = static_cast<TSeat>(SeatLetters.find(opts.seat.empty() ? '?' : Upper(opts.seat)[0]));
    if (opts.seat.size() != 1 || seat > West) {
        std::cerr << "corvane-cli: the seat is one of N, E, S, W\n";
        throw Failure();
    }
    BiddingData data;
    opts.bidding.LoadOrFail(data);
    TerminalTableView view(false);
    const TableController* tablePointer = nullptr;
    RuleBidder bidder(data.Cards, data.Alerts, nullptr, [&tablePointer] {
        return tablePointer != nullptr ? tablePointer->Board().Vul : VulNone;
    });
    view.DescribeCall = [&bidder](CallCode call) { return bidder.Test(call).Explanation; };
    view.Explain = [&bidder] { Explain(bidder); };
    SdsSolverLibrary solver;
    MemoryHandFileShelf files;
    DealingState dealing;
    TableOptions options;
    options.PlayerName = "You";
    options.HandsPlayed = options.HandsSeen = SeatBit(seat);
    options.ClearTable = false;  // Enter clears a trick
    TableController table(view, bidder, solver, files, dealing, options);
    tablePointer = &table;
    view.SeedAnswer = opts.seed.value_or(platform::HighResolutionSeed());
    table.DealerChoice(4);

    std::string line;
    for (;;) {
        if (view.Ended) return 1;
        if (table.State().Phase == PhaseHandOver) {
            ShowHandOver(table);
        } else {
            ShowTable(table);
        }
        if (!std::getline(std::cin, line)) {
            std::cout << '\n';
            return 0;
        }
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) line.erase(0, 1);
        const std::string word = Upper(line);
        if (word == "QUIT" || word == "Q") return 0;
        if (word == "HELP" || word == "?") {
            std::cout << HelpText;
        } else if (word == "NEXT") {
            table.EOSNewHandClick();
        } else if (word == "REPLAY") {
            table.EOSReplayClick();
        } else if (word == "CLAIM") {
            table.FastClaimClick();
        } else if (word == "HINT") {
            Hint(table);
        } else if (word == "EXPLAIN") {
            Explain(bidder);
        } else if (word == "BACK") {
            table.KeyDown(TableKey::Of(KeyCode::Backspace));
        } else if (line.empty()) {
            const TableState& s = table.State();
            if (s.Phase == PhaseBiddingOver) {
                table.StartButtonClick();
            } else if (s.Phase == PhasePlaying && !s.TrickOnTable &&
                       !table.Hands()[s.CurrentSeat].PlayedHere) {
                table.PlayTrickToHuman();
            } else {
                table.KeyDown(TableKey::Of(KeyCode::Enter));
            }
        } else {
            TypeLine(table, line);
        }
    }
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<PlayOptions>();
    CLI::App* cmd = program.add_subcommand("play", "Play at the table in the terminal");
    cmd->add_option("--seat", opts->seat, "Your seat: N, E, S or W (default S)");
    cmd->add_option("--seed", opts->seed, "Random seed of the first board");
    opts->bidding.AddTo(*cmd);
    cmd->callback([opts] {
        if (opts->seed && *opts->seed == 0) {
            std::cerr << "corvane-cli: the random seed must not be zero\n";
            throw Failure();
        }
        if (RunPlay(*opts) != 0) throw Failure();
    });
}};

}  // namespace
}  // namespace corvane::cli

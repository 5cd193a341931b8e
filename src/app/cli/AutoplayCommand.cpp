// corvane-cli autoplay: the computer plays every seat of N new boards through the table and
// stores them in a hand file, one line per board.
#include "app/cli/BiddingOptions.h"
#include "app/cli/CliCommand.h"
#include "app/cli/TerminalTableView.h"

#include "bidding/CallText.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "table/BridgeHandFile.h"
#include "table/RuleBidder.h"
#include "table/SdsSolverLibrary.h"
#include "table/TableController.h"

#include <filesystem>
#include <iomanip>
#include <memory>
#include <optional>

namespace corvane::cli {
namespace {

struct AutoplayOptions {
    int boards = 1;
    std::optional<std::int32_t> seed;
    std::string file;
    std::string contract;  // every board bid to this contract by the declarer, for play tests
    std::string declarer = "S";
    std::string play = "dd";  // the computer's card play: "sd" its own, "dd" double dummy
    BiddingOptions bidding;
};

// Bids the given contract for the declarer and passes everywhere else. With no contract it
// leaves every call to the table's bidder.
class FixedContractBidder final : public Bidder {
public:
    FixedContractBidder(Bidder& fallback, CallCode contract, TSeat declarer)
        : fallback_(fallback), contract_(contract), declarer_(declarer) {}
    void StartAuction(const TableHands& hands, const TableAuction& auction) override {
        fallback_.StartAuction(hands, auction);
    }
    CallCode ChooseCall(const TableHands& hands, const TableAuction& auction, TSeat seat,
                        bool simulate) override {
        if (!IsBid(contract_)) return fallback_.ChooseCall(hands, auction, seat, simulate);
        return seat == declarer_ && auction.IsLegal(contract_) ? contract_ : Pass;
    }
    std::string AcceptCall(const TableAuction& auction, TSeat seat, CallCode call) override {
        return fallback_.AcceptCall(auction, seat, call);
    }

private:
    Bidder& fallback_;
    CallCode contract_;
    TSeat declarer_;
};

int RunAutoplay(const AutoplayOptions& opts) {
    const CallCode contract = opts.contract.empty() ? Pass : CallFromText(opts.contract);
    if (!opts.contract.empty() && !IsBid(contract)) {
        std::cerr << "corvane-cli: not a contract: " << opts.contract << '\n';
        throw Failure();
    }
    const auto declarer = static_cast<TSeat>(SeatLetters.find(opts.declarer.empty() ? '?' : opts.declarer[0]));
    if (opts.declarer.size() != 1 || declarer > West) {
        std::cerr << "corvane-cli: the declarer is one of N, E, S, W\n";
        throw Failure();
    }

    std::string path = opts.file;
    if (path.empty()) {
        const std::string folder = platform::DataFolderPath();
        if (const std::string error = platform::CreateDataFolder(folder); !error.empty()) {
            std::cerr << "corvane-cli: " << error << '\n';
            throw Failure();
        }
        path = (std::filesystem::path(folder) / NewHandsFileName).string();
    }
    const std::filesystem::path filePath(path);
    BridgeHandFileShelf shelf(filePath.has_parent_path() ? filePath.parent_path().string() : ".");
    for (const auto& message : shelf.Open(path)) std::cerr << message << '\n';

    BiddingData data;
    opts.bidding.LoadOrFail(data);
    TerminalTableView view(true);
    const TableController* tablePointer = nullptr;
    RuleBidder rules(data.Cards, data.Alerts, nullptr, [&tablePointer] {
        return tablePointer != nullptr ? tablePointer->Board().Vul : VulNone;
    });
    FixedContractBidder bidder(rules, contract, declarer);
    SdsSolverLibrary solver;
    DealingState dealing;
    TableOptions options;
    options.PlayerName = "Corvane";
    options.HandsPlayed = 0;
    options.HandsSeen = SeatBit(North) | SeatBit(East) | SeatBit(South) | SeatBit(West);
    options.DDPlayOpenRoom = opts.play == "dd";
    TableController table(view, bidder, solver, shelf, dealing, options);
    tablePointer = &table;

    // The new boards are dealt into the file first, so the table finds each one there.
    const std::int32_t seed = opts.seed.value_or(platform::HighResolutionSeed());
    dealing.Generator.SetSeed(seed);
    dealing.ReproductionText = std::to_string(seed);
    TableHandFile& file = *shelf.Current();
    const int first = file.HighestHandNumber() + 1;
    for (int n = first; n < first + opts.boards; ++n) {
        BoardRecord board;
        std::vector<std::string> messages;
        if (!file.GetHand(n, table.NewBoardContext(n), board, messages)) {
            for (const auto& m : messages) std::cerr << m << '\n';
            throw Failure();
        }
    }
    for (int n = first; n < first + opts.boards; ++n) {
        table.GoToBoard(n);
        const TableState& s = table.State();
        if (view.Ended || s.Phase != PhaseHandOver) {
            std::cerr << "corvane-cli: board " << n << " did not finish\n";
            throw Failure();
        }
        const bool played = IsBid(s.Contract);
        std::cout << "Board " << std::setw(4) << n << "  " << std::setw(5)
                  << ContractText(s.Contract, s.Doubled) << "  "
                  << (played ? SeatLetters[s.Declarer] : '-') << "  " << std::setw(2)
                  << (played ? s.DeclarerTricks : 0) << "  " << std::setw(6) << s.HandScore << '\n';
    }
    std::string error;
    if (!file.Flush(error)) {
        std::cerr << "corvane-cli: " << error << '\n';
        throw Failure();
    }
    return 0;
}

const CommandRegistration registration{[](CLI::App& program) {
    auto opts = std::make_shared<AutoplayOptions>();
    CLI::App* cmd = program.add_subcommand(
        "autoplay", "The computer plays every seat of new boards and stores them in a hand file");
    cmd->add_option("--boards", opts->boards, "Number of boards")->check(CLI::Range(1, 10000));
    cmd->add_option("--seed", opts->seed, "Random seed of the first board");
    cmd->add_option("--file", opts->file, "Hand file (default: New Hands.ini of the data folder)");
    cmd->add_option("--contract", opts->contract,
                    "Bid every board to this contract (e.g. 3N, 4SX) instead of the bidder's calls");
    cmd->add_option("--declarer", opts->declarer, "Declarer of --contract: N, E, S or W");
    cmd->add_option("--play", opts->play, "Card play: sd (the library's own) or dd (double dummy)")
        ->check(CLI::IsMember({"sd", "dd"}));
    opts->bidding.AddTo(*cmd);
    cmd->callback([opts] {
        if (opts->seed && *opts->seed == 0) {
            std::cerr << "corvane-cli: the random seed must not be zero\n";
            throw Failure();
        }
        RunAutoplay(*opts);
    });
}};

}  // namespace
}  // namespace corvane::cli

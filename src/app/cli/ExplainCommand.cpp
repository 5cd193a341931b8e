// corvane-cli explain --auction "1H (2C) 2H" [--card "Std American.cc"]: what the definition
// database says about the last call of the auction: its sequence key, the definition found
// (section and priority) and the meaning it parses to, so the database can be checked by eye.
// Earlier calls are looked up the same way, and what they showed is what the last call starts
// from. The built-in rules take no part; in their place a 1NT or 2NT opening, 4NT after a suit
// and 4C over partner's notrump opening restart the sequence as the rules' ace asks and notrump
// openings do.
#include "app/cli/CliCommand.h"
#include "bidding/Auction.h"
#include "bidding/CallText.h"
#include "bidding/CodeTables.h"
#include "bidding/MeaningText.h"
#include "convention/CardFile.h"
#include "convention/SideDatabases.h"
#include "platform/DataFolder.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

namespace corvane::cli {
namespace {

struct ExplainOptions {
    std::string Auction;
    std::string Card = "Std American.cc";
    std::string OpponentsCard;
    std::string Dealer = "N";
    std::string DataFolder;
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "corvane-cli explain: " << message << "\n";
    throw Failure();
}

std::vector<CallCode> ReadAuction(const std::string& text, TSeat dealer) {
    std::istringstream words(text);
    std::vector<CallCode> calls;
    Auction auction;
    ResetAuction(auction, dealer);
    for (std::string word; words >> word;) {
        std::erase(word, '(');
        std::erase(word, ')');
        const CallCode call = CallFromText(word);
        if (call == NoCall) Fail("unreadable call \"" + word + "\"");
        if (!LegalCalls(auction).Contains(call)) Fail("\"" + word + "\" is not a legal call here");
        AcceptPlainCall(auction, call);
        calls.push_back(call);
    }
    if (calls.empty()) Fail("the auction needs at least one call");
    return calls;
}

ConventionCard LoadCardFile(const std::string& folder, const std::string& name) {
    std::optional<ConventionCard> card = ReadCardFile(std::filesystem::path(folder) / name);
    if (!card) Fail("no convention card \"" + name + "\" in " + folder);
    return *card;
}

std::string Printable(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

void PrintLines(const std::vector<std::string>& lines, const char* indent) {
    if (lines.empty()) std::cout << indent << "(nothing beyond what was shown before)\n";
    for (const std::string& line : lines) std::cout << indent << line << "\n";
}

// One player's call looked up and, when defined, what it shows.
struct CallMeaning {
    std::string Key;
    FoundDefinition Found;
    CandidateMeaning Candidate;
    std::vector<TBidInfo> Alternatives;
    std::vector<std::string> Errors;
};

class Explainer {
public:
    Explainer(const ExplainOptions& options, TSeat dealer)
        : dealer_(dealer) {
        const std::string folder =
            options.DataFolder.empty() ? platform::ShippedFilesFolder() : options.DataFolder;
        if (folder.empty()) Fail("no data folder found; give one with --data");
        const std::string slash = folder.back() == '/' ? folder : folder + "/";
        std::string orderPath = platform::ProgramFolder() + std::string(SectionOrderFileName);
        if (!std::filesystem::exists(orderPath)) orderPath = slash + std::string(SectionOrderFileName);
        files_ = std::make_unique<DefinitionFiles>(DefinitionFiles::ReadOnly(slash, orderPath));
        if (!files_->Messages().empty()) Fail(files_->Messages().front());
        alerts_ = LoadAlertTable(slash).Table;
        ownCard_ = LoadCardFile(slash, options.Card);
        opponentsCard_ = LoadCardFile(slash, options.OpponentsCard.empty() ? options.Card : options.OpponentsCard);
    }

    void Run(const std::vector<CallCode>& calls) {
        const TSeat bidder = static_cast<TSeat>((dealer_ + calls.size() - 1) % 4);
        cards_.Card(Side(bidder)) = ownCard_;
        cards_.Card(3 - Side(bidder)) = opponentsCard_;
        cards_.UpdateDefences();
        BuildDefinitionDatabases(*files_, cards_, databases_);
        shown_.Reset(dealer_);
        ResetAuction(auction_, dealer_);
        for (std::size_t k = 0; k < calls.size(); ++k) {
            const std::vector<CallCode> before(calls.begin(), calls.begin() + static_cast<long>(k));
            const TSeat seat = static_cast<TSeat>((dealer_ + k) % 4);
            const TBidInfo shownBefore = shown_.Shown[seat];
            const CallMeaning meaning = Explain(before, calls[k], seat);
            if (k + 1 < calls.size()) {
                PrintEarlier(seat, calls[k], meaning);
            } else {
                PrintCandidate(seat, calls[k], meaning, shownBefore);
            }
            AcceptPlainCall(auction_, calls[k]);
        }
    }

private:
    CallMeaning Explain(const std::vector<CallCode>& before, CallCode call, TSeat seat) {
        const int side = Side(seat);
        cards_.SelectSide(side);
        CallMeaning result;
        LookupSituation situation;
        situation.Calls = before;
        situation.Candidate = call;
        situation.SpecialSystem = cards_.Card(side).Value("SPECIALSYSTEM");
        situation.Restart = restart_[side - 1];
        result.Key = SequenceKey(before, call, situation.Restart);
        result.Found = FindDefinition(databases_.Side(side), result.Key, situation);
        if (RestartsLikeTheRules(call, seat)) restart_[side - 1] = RestartMarker{CallShortText(call), '@'};
        if (!result.Found.Found) return result;

        DefinitionContext context;
        context.Shown = shown_.Shown[seat];
        context.PartnerShown = shown_.Shown[Partner(seat)];
        context.OpenerShownMin = auction_.Opener == NoSeat ? 0 : shown_.Shown[auction_.Opener].MinPts;
        context.Candidate = call;
        context.HighestBid = auction_.HighestBid;
        context.Explaining = true;
        // Only what the definitions showed is known here: an opponent has shown a suit when a
        // definition gave it four or more cards.
        for (int s = 0; s < SuitCount; ++s) {
            context.OpponentHasShownSuit[s] =
                shown_.Shown[LHO(seat)].MinLen[s] >= 4 || shown_.Shown[RHO(seat)].MinLen[s] >= 4;
        }
        OneNTSituation ntSituation;
        UseCardQueries(context, cards_, ntSituation);

        const std::vector<std::string> tokens = DefinitionTokens(result.Found.Definition);
        if (tokens.empty()) return result;
        const int count = ScoredAlternativeCount(tokens);
        std::vector<int> scores;
        char marker = 0;
        for (int i = 1; i <= count; ++i) {
            CandidateMeaning& candidate = result.Candidate;
            candidate.ErrorState = 0;
            candidate.RestartMarker = 0;
            ApplyDefinition(tokens, i, context, candidate);
            if (candidate.ErrorState != 0) {
                result.Errors.push_back(Printable(
                    DefinitionErrorMessage(candidate.ErrorState, candidate.ErrorCode, true, call)));
            }
            if (marker == 0) marker = candidate.RestartMarker;
            result.Alternatives.push_back(candidate.Info);
            scores.push_back(DefinitionStartScore);
        }
        result.Candidate.ErrorState = 0;
        CombineAlternatives(tokens, scores, context, result.Candidate);
        result.Candidate.RestartMarker = marker;
        MergeShown(shown_.Shown[seat], result.Candidate.Info);
        if (marker != 0) restart_[side - 1] = RestartMarker{CallShortText(call), marker};
        return result;
    }

    bool RestartsLikeTheRules(CallCode call, TSeat seat) const {
        const CallCode highest = auction_.HighestBid;
        const bool partnersNotrumpOpening =
            auction_.Opener == Partner(seat) &&
            (highest == BidCode(1, NoTrump) || highest == BidCode(2, NoTrump));
        return ((call == BidCode(1, NoTrump) || call == BidCode(2, NoTrump)) && highest == Pass) ||
               (call == BidCode(4, NoTrump) && IsBid(highest) && StrainOf(highest) != NoTrump) ||
               (call == BidCode(4, Clubs) && partnersNotrumpOpening);
    }

    void PrintEarlier(TSeat seat, CallCode call, const CallMeaning& meaning) const {
        std::cout << SeatLetters[seat] << " " << CallShortText(call) << "\tkey " << meaning.Key;
        if (meaning.Found.Found) {
            std::cout << "\t[" << meaning.Found.Section << "] " << meaning.Found.Priority << ": "
                      << meaning.Found.Definition;
        } else {
            std::cout << "\tno definition";
        }
        std::cout << "\n";
    }

    void PrintCandidate(TSeat seat, CallCode call, const CallMeaning& meaning,
                        const TBidInfo& shownBefore) const {
        std::cout << "\n" << SeatNames[seat] << " " << CallShortText(call) << "\n";
        std::cout << "Sequence key: " << meaning.Key << "\n";
        if (!meaning.Found.Found) {
            std::cout << "Definition:   none\n";
            return;
        }
        std::cout << "Definition:   [" << meaning.Found.Section << "] priority " << meaning.Found.Priority
                  << ": " << meaning.Found.Definition << "\n";
        if (meaning.Found.ByShortenedKey) std::cout << "              (found without the last call)\n";
        for (const std::string& error : meaning.Errors) std::cout << error << "\n";
        if (meaning.Alternatives.size() > 1) {
            for (std::size_t i = 0; i < meaning.Alternatives.size(); ++i) {
                std::cout << "Alternative " << i + 1 << ":\n";
                PrintLines(DescribeMeaning(meaning.Alternatives[i], shownBefore), "  ");
            }
        }
        std::cout << "Meaning:\n";
        PrintLines(DescribeMeaning(meaning.Candidate.Info, shownBefore), "  ");
        if (meaning.Candidate.Meaning != meaning::NoMeaning) {
            std::cout << "Meaning code: " << static_cast<int>(meaning.Candidate.Meaning) << "\n";
        }
        if (!meaning.Candidate.Info.Explanation.empty()) {
            std::cout << "Explanation:  " << ExplanationText(meaning.Candidate.Info.Explanation, alerts_)
                      << "\n";
        }
    }

    TSeat dealer_;
    std::unique_ptr<DefinitionFiles> files_;
    CodeTable alerts_;
    ConventionCard ownCard_;
    ConventionCard opponentsCard_;
    ConventionCards cards_;
    DefinitionDatabases databases_;
    ShownRecords shown_;
    Auction auction_;
    std::array<RestartMarker, 2> restart_;
};

const CommandRegistration registration{[](CLI::App& program) {
    auto* command = program.add_subcommand(
        "explain", "Sequence key, definition and meaning of the last call of an auction");
    auto options = std::make_shared<ExplainOptions>();
    command->add_option("--auction", options->Auction, "Calls from the dealer on, e.g. \"1H (2C) 2H\"")
        ->required();
    command->add_option("--card", options->Card, "Convention card of the last caller's side");
    command->add_option("--opponents-card", options->OpponentsCard,
                        "Convention card of the other side (default: the same)");
    command->add_option("--dealer", options->Dealer, "Dealer: N, E, S or W");
    command->add_option("--data", options->DataFolder,
                        "Folder of the definition, code and card files (default: the shipped files)");
    command->callback([options] {
        const auto letter = SeatLetters.find(static_cast<char>(std::toupper(
            static_cast<unsigned char>(options->Dealer.empty() ? '?' : options->Dealer[0]))));
        if (letter == std::string_view::npos || options->Dealer.size() != 1) {
            Fail("unreadable dealer \"" + options->Dealer + "\" (N, E, S or W)");
        }
        const TSeat dealer = static_cast<TSeat>(letter);
        const std::vector<CallCode> calls = ReadAuction(options->Auction, dealer);
        Explainer explainer(*options, dealer);
        explainer.Run(calls);
    });
}};

}  // namespace
}  // namespace corvane::cli

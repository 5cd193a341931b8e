// The auction of the deal in play: the calls as written, what they have established (highest
// bid, doubling, declarer, opener) and the grid the table draws.
#pragma once

#include "bidding/Call.h"

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct Auction {
    // Plain call texts, first call first; a call with an explanation carries "(n)", n being its
    // line in Explanations counted from 1.
    std::vector<std::string> Calls;
    // "(n)=text" lines.
    std::vector<std::string> Explanations;
    // The short forms of the calls, from which bidding-sequence keys are built.
    std::vector<std::string> ShortCalls;
    // Calls made so far. While a call is being accepted its text is already in Calls and this
    // still counts the calls before it.
    int CallCount = 0;
    TSeat Dealer = North;
    TSeat Bidder = North;  // (Dealer + CallCount) mod 4
    CallCode HighestBid = Pass;  // Pass while no bid has been made
    int HighestLevel = 0;
    Strain HighestStrain = NoTrump;
    int Doubled = 0;  // 0, 1 doubled, 2 redoubled; every bid resets it
    CallCode DoubledBid = Pass;  // HighestBid when the last double or redouble was made
    TSeat Declarer = NoSeat;
    TSeat Opener = NoSeat;
    TSeat Responder = NoSeat;
    TSeat FirstDefender = NoSeat;  // the opener's first opponent to call other than pass
};

// A set of call codes 0..37, as offered by the bidding box.
class CallSet {
public:
    constexpr bool Contains(int code) const {
        return code >= 0 && code < 64 && ((bits_ >> code) & 1U) != 0;
    }
    constexpr void Insert(int code) {
        if (code >= 0 && code < 64) bits_ |= std::uint64_t{1} << code;
    }
    constexpr int Count() const { return std::popcount(bits_); }
    std::vector<CallCode> Codes() const;
    constexpr bool operator==(const CallSet&) const = default;

private:
    std::uint64_t bits_ = 0;
};

// Empties the auction for a new deal's bidding (or a take-back) with the given dealer.
void ResetAuction(Auction& auction, TSeat dealer);

// True once there are at least four calls and the last three are passes.
bool AuctionComplete(const std::vector<std::string>& calls);

// Every bid above the highest, pass, and double or redouble where the doubling state and the
// bidder's side allow it.
CallSet LegalCalls(const Auction& auction);

// The call made k calls before the bidder's turn (1 right-hand opponent, 2 partner, 4 own
// last call); Pass when there is no such call.
CallCode CallAgo(const Auction& auction, int k);

// Adds the call's text (with an explanation suffix when the explanation is not empty), its short
// form and its explanation line. Done before RecordCall, while CallCount still excludes it.
void AppendCallText(Auction& auction, CallCode call, std::string_view explanation);

// Updates highest bid, doubling, declarer, opener and first defender for the call just
// appended. opensBidding: the call shows an opening bid and nothing the opponents have shown
// does (the bidder knows from the meanings; without them, the first bid is the opening).
void RecordCall(Auction& auction, CallCode call, bool opensBidding);

// Counts the call just recorded and moves the turn on.
void AdvanceTurn(Auction& auction);

// The acceptance used until the bidder's own takes over: refuses a call that is not legal or
// comes after the auction has ended, otherwise appends, records and advances.
bool AcceptPlainCall(Auction& auction, CallCode call, std::string_view explanation = {});

// The explanation text attached to the call at the index, empty when it carries none.
std::string CallExplanation(const Auction& auction, int index);

// How a take-back rebuilds the shorter auction. The bidder supplies its own start of the auction
// and its full acceptance (which recomputes meanings and explanations); by default the record is
// only reset and each call accepted again with the explanation it had.
struct AuctionReplay {
    std::function<void(Auction&)> Restart = [](Auction& a) { ResetAuction(a, a.Dealer); };
    std::function<void(Auction&, CallCode, std::string_view explanation)> Accept =
        [](Auction& a, CallCode call, std::string_view explanation) {
            AcceptPlainCall(a, call, explanation);
        };
};

// Removes the last call by restarting the auction and replaying the calls before it.
void TakeBackCall(Auction& auction, const AuctionReplay& replay = {});

// The contract so far: "4HX" and "4~HX".
std::string ContractText(const Auction& auction);
std::string ContractDisplayText(const Auction& auction);

// The auction grid: columns West, North, East, South; a row of four cells per round of calls,
// then a row per explanation line (the line in the first cell), then one empty row. An empty
// auction shows three rows of blank cells.
using AuctionGridRow = std::array<std::string, 4>;
std::vector<AuctionGridRow> AuctionGrid(const Auction& auction);

}  // namespace corvane

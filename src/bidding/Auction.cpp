#include "bidding/Auction.h"

#include "bidding/CallText.h"

#include <algorithm>
#include <charconv>

namespace corvane {

namespace {

// Where a call's explanation suffix "(n)" starts; npos when it has none.
size_t SuffixStart(std::string_view call) { return call.find('(', 1); }

// Cells left of the first call, so that the first round reads as started by the dealer.
constexpr std::string_view BeforeFirstCallCell = " \x97\x97";
constexpr std::string_view EmptyGridCell = "              ";  // 14 blanks
constexpr int EmptyGridRows = 3;
// Explanation lines are padded so that they run on across the grid's other columns.
constexpr size_t ExplanationPadding = 39;

}  // namespace

std::vector<CallCode> CallSet::Codes() const {
    std::vector<CallCode> codes;
    for (int code = 0; code < 64; ++code) {
        if (Contains(code)) codes.push_back(static_cast<CallCode>(code));
    }
    return codes;
}

void ResetAuction(Auction& auction, TSeat dealer) {
    auction = Auction{};
    auction.Dealer = dealer;
    auction.Bidder = dealer;
}

bool AuctionComplete(const std::vector<std::string>& calls) {
    if (calls.size() < 4) return false;
    for (size_t i = calls.size() - 3; i < calls.size(); ++i) {
        if (CallFromText(calls[i]) != Pass) return false;
    }
    return true;
}

CallSet LegalCalls(const Auction& auction) {
    CallSet legal;
    for (int code = std::max<int>(auction.HighestBid + 1, FirstBid); code <= LastBid; ++code) {
        legal.Insert(code);
    }
    legal.Insert(Pass);
    if (IsBid(auction.HighestBid)) {
        const bool defending = AreOpponents(auction.Bidder, auction.Declarer);
        if (auction.Doubled == 0 && defending) legal.Insert(Double);
        if (auction.Doubled == 1 && !defending) legal.Insert(Redouble);
    }
    return legal;
}

CallCode CallAgo(const Auction& auction, int k) {
    const int index = auction.CallCount - k;
    if (k < 1 || index < 0 || index >= static_cast<int>(auction.Calls.size())) return Pass;
    return CallFromText(auction.Calls[static_cast<size_t>(index)]);
}

void AppendCallText(Auction& auction, CallCode call, std::string_view explanation) {
    std::string suffix;
    if (!explanation.empty()) {
        const std::string n = std::to_string(auction.Explanations.size() + 1);
        auction.Explanations.push_back("(" + n + ")=" + std::string(explanation));
        suffix = "(" + n + ")";
    }
    auction.Calls.push_back(CallText(call) + suffix);
    auction.ShortCalls.push_back(CallShortText(call));
}

void RecordCall(Auction& auction, CallCode call, bool opensBidding) {
    if (call > LastBid) return;  // no call: nothing to record
    const TSeat bidder = auction.Bidder;
    if (call != Pass && auction.Opener != NoSeat && auction.FirstDefender == NoSeat &&
        AreOpponents(auction.Opener, bidder)) {
        auction.FirstDefender = bidder;
    }
    if (call == Pass) return;
    if (call == Double || call == Redouble) {
        ++auction.Doubled;
        auction.DoubledBid = auction.HighestBid;
        return;
    }
    auction.HighestBid = call;
    auction.HighestLevel = LevelOf(call);
    auction.HighestStrain = StrainOf(call);
    if (auction.Opener == NoSeat && opensBidding) {
        auction.Opener = bidder;
        auction.Responder = Partner(bidder);
    }
    auction.Doubled = 0;
    // The declarer is whoever on the bidding side named the strain first: walk back over that
    // side's calls, the one being recorded included, and keep the earliest match.
    for (int index = auction.CallCount; index >= 0; index -= 2) {
        if (index >= static_cast<int>(auction.Calls.size())) continue;
        const CallCode earlier = CallFromText(auction.Calls[static_cast<size_t>(index)]);
        if (IsBid(earlier) && StrainOf(earlier) == auction.HighestStrain) {
            auction.Declarer = static_cast<TSeat>((index + auction.Dealer) % SeatCount);
        }
    }
}

void AdvanceTurn(Auction& auction) {
    ++auction.CallCount;
    auction.Bidder = static_cast<TSeat>((auction.Dealer + auction.CallCount) % SeatCount);
}

bool AcceptPlainCall(Auction& auction, CallCode call, std::string_view explanation) {
    if (AuctionComplete(auction.Calls) || !LegalCalls(auction).Contains(call)) return false;
    const bool firstBid = IsBid(call) && auction.HighestBid == Pass;
    AppendCallText(auction, call, explanation);
    RecordCall(auction, call, firstBid);
    AdvanceTurn(auction);
    return true;
}

std::string CallExplanation(const Auction& auction, int index) {
    if (index < 0 || index >= static_cast<int>(auction.Calls.size())) return {};
    const std::string_view call = auction.Calls[static_cast<size_t>(index)];
    const size_t start = SuffixStart(call);
    if (start == std::string_view::npos) return {};
    size_t line = 0;
    const char* first = call.data() + start + 1;
    const char* last = call.data() + call.size();
    if (std::from_chars(first, last, line).ec != std::errc{} || line < 1 ||
        line > auction.Explanations.size()) {
        return {};
    }
    const std::string& text = auction.Explanations[line - 1];
    const size_t equals = text.find(")=");
    return equals == std::string::npos ? std::string{} : text.substr(equals + 2);
}

void TakeBackCall(Auction& auction, const AuctionReplay& replay) {
    const Auction before = auction;
    replay.Restart(auction);
    const int keep = static_cast<int>(before.Calls.size()) - 1;
    if (keep < 1) return;
    for (int i = 0; i < keep; ++i) {
        replay.Accept(auction, CallFromText(before.Calls[static_cast<size_t>(i)]),
                      CallExplanation(before, i));
    }
}

std::string ContractText(const Auction& auction) {
    return ContractText(auction.HighestBid, auction.Doubled);
}

std::string ContractDisplayText(const Auction& auction) {
    return ContractDisplayText(auction.HighestBid, auction.Doubled);
}

std::vector<AuctionGridRow> AuctionGrid(const Auction& auction) {
    std::vector<AuctionGridRow> rows;
    if (auction.Calls.empty()) {
        AuctionGridRow blank;
        blank.fill(std::string(EmptyGridCell));
        rows.assign(EmptyGridRows, blank);
        return rows;
    }
    const int dealer = auction.Dealer;
    for (size_t i = 0; i < auction.Calls.size(); ++i) {
        const int position = static_cast<int>(i) + dealer + 1;
        const size_t column = static_cast<size_t>(position % 4);
        // West sits in the first column, so West's first call opens row 0 rather than row 1.
        const size_t row = static_cast<size_t>(dealer == West ? static_cast<int>(i) / 4
                                                              : position / 4);
        if (row >= rows.size()) {
            AuctionGridRow fresh;
            fresh.fill(" ");
            rows.resize(row + 1, fresh);
        }
        if (i == 0) {
            for (size_t left = 0; left < column; ++left) rows[0][left] = BeforeFirstCallCell;
        }
        const std::string& call = auction.Calls[i];
        const size_t suffix = SuffixStart(call);
        rows[row][column] = CallDisplayText(CallFromText(call)) +
                            (suffix == std::string::npos ? std::string{} : call.substr(suffix));
    }
    for (const std::string& line : auction.Explanations) {
        rows.push_back({line + std::string(ExplanationPadding, ' '), "", "", ""});
    }
    rows.push_back({"", "", "", ""});
    return rows;
}

}  // namespace corvane

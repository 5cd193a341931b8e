#include "bidding/BiddingCase.h"

#include "bidding/BidSelection.h"
#include "cards/Random.h"

#include <cctype>
#include <map>
#include <sstream>

namespace corvane {

namespace {

// The other hands of a case are dealt from this seed, so a case always meets the same table.
constexpr std::int32_t CaseDealSeed = 20261209;

// A JSON value of a flat object: a string, null, an array of strings, or anything else skipped.
struct JsonValue {
    enum class Kind { String, Null, StringArray, Other } Type = Kind::Other;
    std::string Text;
    std::vector<std::string> Items;
};

class FlatJsonReader {
public:
    explicit FlatJsonReader(std::string_view text) : text_(text) {}

    bool Read(std::map<std::string, JsonValue>& members, std::string& error) {
        Skip();
        if (!Take('{')) return Fail(error, "expected \"{\"");
        Skip();
        if (Take('}')) return AtEnd(error);
        for (;;) {
            std::string key;
            Skip();
            if (!String(key)) return Fail(error, "expected a member name");
            Skip();
            if (!Take(':')) return Fail(error, "expected \":\"");
            Skip();
            JsonValue value;
            if (!Value(value, 0)) return Fail(error, "unreadable value of \"" + key + "\"");
            members[key] = std::move(value);
            Skip();
            if (Take(',')) continue;
            if (Take('}')) return AtEnd(error);
            return Fail(error, "expected \",\" or \"}\"");
        }
    }

private:
    // Nesting is only skipped over, never deep.
    static constexpr int MaxDepth = 16;

    bool Fail(std::string& error, std::string message) {
        error = message + " at character " + std::to_string(pos_ + 1);
        return false;
    }
    bool AtEnd(std::string& error) {
        Skip();
        return pos_ == text_.size() || Fail(error, "text after the object");
    }
    void Skip() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool Take(char ch) {
        if (pos_ < text_.size() && text_[pos_] == ch) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool String(std::string& out) {
        if (!Take('"')) return false;
        while (pos_ < text_.size()) {
            const char ch = text_[pos_++];
            if (ch == '"') return true;
            if (ch != '\\') {
                out += ch;
                continue;
            }
            if (pos_ >= text_.size()) return false;
            const char esc = text_[pos_++];
            switch (esc) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u':
                // Non-ASCII text only appears in comments, which are not used: keep a marker.
                if (pos_ + 4 > text_.size()) return false;
                pos_ += 4;
                out += '?';
                break;
            default: out += esc; break;
            }
        }
        return false;
    }
    bool Value(JsonValue& value, int depth) {
        if (depth > MaxDepth || pos_ >= text_.size()) return false;
        const char ch = text_[pos_];
        if (ch == '"') {
            value.Type = JsonValue::Kind::String;
            return String(value.Text);
        }
        if (ch == '[') {
            ++pos_;
            value.Type = JsonValue::Kind::StringArray;
            Skip();
            if (Take(']')) return true;
            for (;;) {
                Skip();
                JsonValue item;
                if (!Value(item, depth + 1)) return false;
                if (item.Type == JsonValue::Kind::String) {
                    value.Items.push_back(item.Text);
                } else {
                    value.Type = JsonValue::Kind::Other;
                }
                Skip();
                if (Take(',')) continue;
                return Take(']');
            }
        }
        if (ch == '{') {
            ++pos_;
            int open = 1;
            bool inString = false;
            while (pos_ < text_.size() && open > 0) {
                const char c = text_[pos_++];
                if (inString) {
                    if (c == '\\') ++pos_;
                    else if (c == '"') inString = false;
                } else if (c == '"') {
                    inString = true;
                } else if (c == '{') {
                    ++open;
                } else if (c == '}') {
                    --open;
                }
            }
            return open == 0;
        }
        const size_t start = pos_;
        while (pos_ < text_.size() && std::string_view(",}] \t\r\n").find(text_[pos_]) == std::string_view::npos) {
            ++pos_;
        }
        const std::string_view word = text_.substr(start, pos_ - start);
        if (word.empty()) return false;
        value.Type = word == "null" ? JsonValue::Kind::Null : JsonValue::Kind::Other;
        return true;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

bool ReadSeat(const std::string& text, TSeat& seat) {
    static constexpr std::string_view letters = "NESW";
    if (text.size() != 1 || letters.find(text[0]) == std::string_view::npos) return false;
    seat = static_cast<TSeat>(letters.find(text[0]));
    return true;
}

bool ReadVul(const JsonValue& value, Vulnerability& vul) {
    if (value.Type == JsonValue::Kind::Null) {
        vul = VulNone;
        return true;
    }
    if (value.Type != JsonValue::Kind::String) return false;
    for (size_t i = 0; i < VulnerabilityNames.size(); ++i) {
        if (value.Text == VulnerabilityNames[i]) {
            vul = static_cast<Vulnerability>(i);
            return true;
        }
    }
    if (value.Text == "All") {
        vul = VulBoth;
        return true;
    }
    return false;
}

std::string MemberText(const std::map<std::string, JsonValue>& members, const std::string& key) {
    const auto it = members.find(key);
    return it != members.end() && it->second.Type == JsonValue::Kind::String ? it->second.Text : std::string();
}

}  // namespace

CallCode CaseCallFromText(std::string_view text) {
    if (text == "P" || text == "Pass") return Pass;
    if (text == "X") return Double;
    if (text == "XX") return Redouble;
    if (text.size() < 2 || text[0] < '1' || text[0] > '7') return NoCall;
    const std::string_view strain = text.substr(1);
    static constexpr std::string_view letters = "CDHSN";
    if (strain == "NT") return BidCode(text[0] - '0', NoTrump);
    if (strain.size() != 1 || letters.find(strain[0]) == std::string_view::npos) return NoCall;
    return BidCode(text[0] - '0', static_cast<int>(letters.find(strain[0])));
}

std::string CaseCallText(CallCode call) {
    if (call == Pass) return "P";
    if (call == Double) return "X";
    if (call == Redouble) return "XX";
    if (!IsBid(call)) return "?";
    return std::to_string(LevelOf(call)) + std::string(1, StrainLetters[StrainOf(call)]);
}

bool ReadCaseHand(std::string_view text, std::array<Holding, 4>& suits, std::string& error) {
    suits = {};
    bool seen[4] = {};
    std::istringstream in{std::string(text)};
    std::string token;
    while (in >> token) {
        const Strain suit = SuitFromChar(token[0]);
        if (suit == NoTrump || token.size() < 2 || token[1] != ':') {
            error = "expected a suit letter and \":\", found \"" + token + "\"";
            return false;
        }
        if (seen[suit]) {
            error = std::string("suit ") + token[0] + " given twice";
            return false;
        }
        seen[suit] = true;
        std::string ranks = token.substr(2);
        if (ranks == "-") ranks.clear();
        if (!HoldingFromText(ranks, suits[suit])) {
            error = "unreadable or repeated card in \"" + token + "\"";
            return false;
        }
    }
    int cards = 0;
    for (int s = 0; s < 4; ++s) {
        if (!seen[s]) {
            error = std::string("suit ") + StrainLetters[static_cast<size_t>(s)] + " is missing";
            return false;
        }
        cards += Length(suits[static_cast<size_t>(s)]);
    }
    if (cards != 13) {
        error = "the hand holds " + std::to_string(cards) + " cards, not 13";
        return false;
    }
    return true;
}

BiddingCaseRead ReadBiddingCase(std::string_view line) {
    BiddingCaseRead read;
    std::map<std::string, JsonValue> members;
    if (!FlatJsonReader(line).Read(members, read.Error)) return read;
    BiddingCase bc;
    bc.Id = MemberText(members, "id");
    bc.Phase = MemberText(members, "phase");
    if (!ReadSeat(MemberText(members, "dealer"), bc.Dealer)) {
        read.Error = "no readable dealer";
        return read;
    }
    if (!ReadSeat(MemberText(members, "seat"), bc.Seat)) {
        read.Error = "no readable seat";
        return read;
    }
    const auto vul = members.find("vul");
    if (vul != members.end() && !ReadVul(vul->second, bc.Vul)) {
        read.Error = "unreadable vulnerability";
        return read;
    }
    if (!ReadCaseHand(MemberText(members, "hand"), bc.Hand, read.Error)) return read;
    const auto callList = [&](const std::string& key, std::vector<CallCode>& out) {
        const auto it = members.find(key);
        if (it == members.end() || it->second.Type == JsonValue::Kind::Null) return true;
        if (it->second.Type != JsonValue::Kind::StringArray) return false;
        for (const std::string& text : it->second.Items) {
            const CallCode call = CaseCallFromText(text);
            if (call == NoCall) return false;
            out.push_back(call);
        }
        return true;
    };
    if (!callList("auction", bc.Calls) || !callList("alternatives", bc.Alternatives)) {
        read.Error = "unreadable call in the auction or the alternatives";
        return read;
    }
    bc.Expected = CaseCallFromText(MemberText(members, "expected"));
    if (bc.Expected == NoCall) {
        read.Error = "unreadable expected call";
        return read;
    }
    read.Case = std::move(bc);
    return read;
}

CaseResult RunBiddingCase(const BiddingCase& bc, BiddingData& data) {
    CaseResult result;
    if ((bc.Dealer + bc.Calls.size()) % SeatCount != bc.Seat) {
        result.Error = "the calls so far do not lead to the seat";
        return result;
    }
    DealHoldings deal{};
    deal[bc.Seat] = bc.Hand;
    std::vector<CardCode> rest;
    for (int suit = Clubs; suit <= Spades; ++suit) {
        for (TRank rank = 2; rank <= Ace; ++rank) {
            if (!Holds(bc.Hand[static_cast<size_t>(suit)], rank)) rest.push_back(MakeCard(suit, rank));
        }
    }
    RandomGenerator random(CaseDealSeed);
    for (size_t i = rest.size(); i > 1; --i) {
        std::swap(rest[i - 1], rest[random.Random(static_cast<std::uint32_t>(i))]);
    }
    size_t next = 0;
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (seat == bc.Seat) continue;
        for (int n = 0; n < 13; ++n) {
            const CardCode card = rest[next++];
            deal[static_cast<size_t>(seat)][static_cast<size_t>(SuitOf(card))] |= RankBit(RankOf(card));
        }
    }
    BidderContext c;
    AttachBiddingData(c, data);
    c.Vul = bc.Vul;
    SeatDeal(c, deal);
    StartAuction(c, bc.Dealer);
    for (CallCode call : bc.Calls) {
        if (!LegalCalls(c.Auction).Contains(call) || AuctionComplete(c.Auction.Calls)) {
            result.Error = "the call " + CaseCallText(call) + " is not legal there";
            return result;
        }
        AcceptCall(c, call);
    }
    if (AuctionComplete(c.Auction.Calls)) {
        result.Error = "the auction is already over";
        return result;
    }
    ChooseComputerCall(c, false);
    result.Chosen = c.ChosenCall;
    result.Passed = result.Chosen == bc.Expected ||
                    std::find(bc.Alternatives.begin(), bc.Alternatives.end(), result.Chosen) != bc.Alternatives.end();
    return result;
}

}  // namespace corvane

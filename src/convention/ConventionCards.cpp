#include "convention/ConventionCards.h"

#include "bidding/CallText.h"
#include "convention/CardVocabulary.h"

#include <algorithm>
#include <charconv>

namespace corvane {

namespace {

// A whole-text decimal number with an optional sign, blanks around it allowed.
bool ParseInt(std::string_view text, int& out) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string WithoutFiller(std::string_view text) {
    std::string s(text);
    std::erase(s, BoundFiller);
    return s;
}

}  // namespace

int ReadBound(std::string_view text) {
    int value = 0;
    return ParseInt(WithoutFiller(text), value) ? value : -1;
}

bool OpenerInFirstOrSecondSeat(std::span<const CallCode> calls) {
    const CallCode oneNT = BidCode(1, NoTrump);
    return calls.size() < 2 || calls[0] == oneNT || (calls[0] == Pass && calls[1] == oneNT);
}

NTStructureChoice ChooseNTStructure(const NTStructureFacts& f) {
    if (f.PartnerLastMeaningIs152 && !f.OwnMeaningsExactly42And133) return {ForcingClubStructure, false};
    // A 1NT opening is recognised before the overcall case, which would otherwise catch it too.
    if (f.AnyMeaning42) {
        if (f.BidderIsOpener) return {f.SecondRangeActive ? SecondRangeStructure : MainStructure, true};
        return {f.PartnerIsOpener ? DirectOvercallStructure : BalancingOvercallStructure, true};
    }
    if (!f.AnyMeaning64Or72) {
        return {f.BidderIsFirstDefender ? DirectOvercallStructure : BalancingOvercallStructure, true};
    }
    return {};
}

void ConventionCards::ExchangeSides() {
    std::swap(cards_[0], cards_[1]);
    std::swap(states_[0].CardFileName, states_[1].CardFileName);
    UpdateDefences();
}

void ConventionCards::UpdateDefences() {
    for (int side = 1; side <= 2; ++side) {
        const ConventionCard& own = Card(side);
        SideNTState& state = State(side);
        std::string_view lowKey = "ONAL";
        int low = 0;
        const char code = state.NTStructure.empty() ? MainStructure : state.NTStructure[0];
        switch (code) {
        case SecondRangeStructure: lowKey = "ONBL"; break;
        case DirectOvercallStructure: lowKey = "OVNL"; break;
        case BalancingOvercallStructure: lowKey = "BALL"; break;
        case ForcingClubStructure: lowKey = {}; low = ForcingClubNTLow; break;
        default: state.NTStructure = std::string(1, MainStructure); break;
        }
        if (!lowKey.empty()) low = ReadBound(own.Value(lowKey));

        const int other = 3 - side;
        const ConventionCard& theirs = Card(other);
        int strong = DefaultStrongNTHCP;
        if (!ParseInt(theirs.Value("StrongNTHCP"), strong)) strong = DefaultStrongNTHCP;
        const bool weak = low < strong;
        SideNTState& defender = State(other);
        defender.DirectDefence = theirs.Value(weak ? "VNTW" : "VNTS").substr(0, 10);
        defender.BalancingDefence = theirs.Value(weak ? "VNTWBAL" : "VNTSBAL").substr(0, 10);
    }
}

bool ConventionCards::SetNTStructure(int side, char code) {
    SideNTState& state = State(side);
    if (state.NTStructure.size() == 1 && state.NTStructure[0] == code) return false;
    state.NTStructure = std::string(1, code);
    UpdateDefences();
    return true;
}

bool ConventionCards::CardEquals(std::string_view key, std::string_view value) const {
    return Value(key) == value;
}

bool ConventionCards::CardTicked(std::string_view keyOrCondition) const {
    const size_t eq = keyOrCondition.find('=');
    if (eq == std::string_view::npos) return Value(keyOrCondition) == Ticked;
    return Value(keyOrCondition.substr(0, eq)) == keyOrCondition.substr(eq + 1);
}

bool ConventionCards::CardStructEquals(std::string_view suffix, std::string_view value) const {
    std::string key = State(currentSide_).NTStructure;
    key += suffix;
    return Value(key) == value;
}

int ConventionCards::CardInt(std::string_view key) const {
    const std::string& text = Value(key);
    // One-digit bounds carry the "_" filler on either side.
    const std::string digits = text.size() == 2 ? WithoutFiller(text) : text;
    int value = 0;
    return ParseInt(digits, value) ? value : 0;
}

std::pair<int, int> ConventionCards::CardRange(std::string_view code) const {
    const std::string c(code);
    const int low = CardInt(c + "L");
    return {low, std::max(low, CardInt(c + "H"))};
}

int ConventionCards::CheckedBound(const std::string& text, int top) {
    const int value = ReadBound(text);
    if (value < 0 || value > top) ErrorState = CardBoundError;
    return value;
}

int ConventionCards::CardLow(std::string_view code) {
    return CheckedBound(Value(std::string(code) + "L"), 30);
}

int ConventionCards::CardHigh(std::string_view code) {
    const std::string& text = Value(std::string(code) + "H");
    if (text == "+UP" || text == "&UP") return TopBound;
    if (text.empty()) return 0;
    return CheckedBound(text, TopBound);
}

bool ConventionCards::CardCallAtLeast(std::string_view key, CallCode highestBid) const {
    const std::string& text = Value(key);
    if (text.empty() || text.front() == BoundFiller) return false;
    const CallCode call = CallFromText(text);
    if (call < FirstBid || call > BidCode(7, Hearts)) return false;
    return call >= highestBid;
}

CallCode ConventionCards::CardCall(std::string_view key) const {
    const std::string& text = Value(key);
    if (text.empty()) return Pass;
    const CallCode call = CallFromText(text);
    return call >= NoCall ? BidCode(3, Spades) : call;
}

CallCode ConventionCards::CardLevelLimit(std::string_view key) const {
    const std::string textKey = std::string(key) + "TEXT";
    const std::string& text = Value(textKey);
    return CardCall(text.empty() || text == UnsetBound ? key : std::string_view(textKey));
}

std::string_view ConventionCards::ActiveOneNTRange(const OneNTSituation& s) const {
    const std::string& secondHigh = Value("ONBH");
    if (secondHigh.empty() || secondHigh == UnsetBound) return "ONA";
    const bool fails = (CardTicked("NTNV") && s.WeVulnerable) ||
                       (CardTicked("NTVU") && !s.WeVulnerable) ||
                       (CardTicked("NT12") && !s.OpenerInFirstOrSecondSeat) ||
                       (CardTicked("NT34") && s.OpenerInFirstOrSecondSeat) ||
                       (CardTicked("NTTheyV") && !s.TheyVulnerable) ||
                       (CardTicked("NTTheyNV") && s.TheyVulnerable);
    return fails ? "ONA" : "ONB";
}

bool ConventionCards::TwoOverOneGameForcing() const {
    return CardEquals("2/1", "GF") || CardTicked("2/1GF");
}

bool ConventionCards::TwoOverOneForcingUnlessRebid() const {
    return CardEquals("2/1", "UNLESS") || CardTicked("GFUNLESS");
}

bool ConventionCards::OneMajorOneNTForcing() const {
    return CardEquals("1M1N", "F") || CardEquals("1M1N", "S");
}

bool ConventionCards::MinorRaiseForcing(CallCode rhoLastCall) const {
    if (rhoLastCall == Double) return false;
    if (rhoLastCall == Pass) return CardEquals("1CFR", "INVMIN") || CardEquals("1CFR", "INVM");
    return !CardEquals("1CO3C", "F");
}

bool ConventionCards::UsesRKC(bool clubAsk) const {
    if (clubAsk) return CardEquals("4C", "RKCG");
    return CardEquals("4N", "RKC") || CardEquals("4N", "RKC14");
}

bool ConventionCards::UsesGerber() const {
    return CardEquals("4C", "GERB") || CardEquals("4C", "RKCG");
}

bool ConventionCards::UsesJacobyTransfers() const {
    return CardStructEquals(":1N2D", "JACH") || CardStructEquals(":1N2H", "JACS");
}

bool ConventionCards::UsesLebensohl() const {
    return CardStructEquals(":LEBF", Ticked) || CardStructEquals(":LEBS", Ticked);
}

bool ConventionCards::CueBidIsMichaels(CueOver over) const {
    switch (over) {
    case CueOver::Minor: return CardEquals("MINQ", "MICH");
    case CueOver::Major: return CardEquals("MAJQ", "MICH");
    case CueOver::Artificial: return CardEquals("ARTQ", "MICH");
    }
    return false;
}

bool ConventionCards::WeakJumpShifts(bool rhoPassed) const {
    return CardTicked("WJSA") || (CardTicked("WJSC") && !rhoPassed);
}

int ConventionCards::TwoLevelOpeningHigh(Strain suit) {
    switch (suit) {
    case Diamonds: return CardHigh("TDH");
    case Hearts: return CardHigh("THH");
    case Spades: return CardHigh("TSH");
    default: return CardHigh("TCH");
    }
}

}  // namespace corvane

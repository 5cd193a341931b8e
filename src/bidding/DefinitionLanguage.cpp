#include "bidding/DefinitionLanguage.h"

#include "bidding/CallText.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace corvane {
namespace {

namespace err = definition_error;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// A whole decimal number with an optional sign.
std::optional<int> ToInt(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

int IntOr(std::string_view text, int fallback) { return ToInt(text).value_or(fallback); }

// A decimal number with a decimal point, read the same whatever the machine's locale.
std::optional<double> ToReal(std::string_view text) {
    std::string plain(text);
    if (!plain.empty() && plain.front() == '+') plain.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc{} || end != plain.data() + plain.size() || plain.empty()) return std::nullopt;
    return value;
}

// Partner's shown minimum, one more when partner's range is wider than two points.
int PartnerPoints(const TBidInfo& partner) {
    return partner.MinPts + (partner.MaxPts - partner.MinPts > 2 ? 1 : 0);
}

bool IsMinor(int suit) { return suit == Clubs || suit == Diamonds; }

// The count codes of "TA", "TK", "TY": a digit n is at least n, "<n" fewer than n (as -n),
// anything else 9.
int TotalCount(std::string_view code) {
    if (code.empty()) return 9;
    if (IsDigit(code[0])) return code[0] - '0';
    if (code[0] == '<' && code.size() >= 2 && IsDigit(code[1])) return -(code[1] - '0');
    return 9;
}

class DefinitionApplier {
public:
    DefinitionApplier(const DefinitionContext& context, CandidateMeaning& candidate)
        : context_(context), candidate_(candidate), info_(candidate.Info) {}

    void Token(const std::string& token);

private:
    void Fail(int error, std::string_view code) {
        candidate_.ErrorState = error;
        candidate_.ErrorCode = std::string(code);
    }
    void Cue() {
        candidate_.RestartMarker = '^';
        candidate_.Meaning = meaning::CueMarker;
        info_.CueFlag = 1;
    }
    void Notrump();
    void SequenceRestart();
    void ForcedCall(std::string_view action);
    void Points(std::string_view code, const std::string& token);
    void Queens(std::string_view v, const std::string& token);
    void Totals(std::string_view v, const std::string& token);
    void LosingTricks(std::string_view v, const std::string& token);
    void Suit(int suit, std::string_view v, const std::string& token);
    bool SuitPart(int suit, std::string_view part, const std::string& token);
    bool Controls(int suit, std::string_view code);

    const DefinitionContext& context_;
    CandidateMeaning& candidate_;
    TBidInfo& info_;
};

void DefinitionApplier::Notrump() {
    if (candidate_.Meaning != meaning::AceAsk) candidate_.Meaning = meaning::NaturalNotrump;
    info_.TrumpCandidate.fill(Denied);
    if (context_.Candidate == BidCode(4, NoTrump)) candidate_.Meaning = meaning::HighNaturalNotrump;
    info_.TrumpSuit = NoSuit;
    info_.FitSuit = NoSuit;
    candidate_.NotrumpCode = true;
}

void DefinitionApplier::SequenceRestart() {
    candidate_.RestartMarker = '@';
    const CallCode call = context_.Candidate;
    if (call == BidCode(1, NoTrump) ||
        (call == Double && context_.HighestBid == BidCode(1, NoTrump))) {
        candidate_.Meaning = meaning::OneNTOpening;
    } else if (call == BidCode(2, NoTrump)) {
        candidate_.Meaning = meaning::TwoNTOpening;
    } else {
        candidate_.Meaning = meaning::AceAsk;
    }
}

void DefinitionApplier::ForcedCall(std::string_view action) {
    info_.ActionText = std::string(action);
    candidate_.Score = ForcedCallScore;
    if (action == "DF1") candidate_.Meaning = meaning::WeakJumpOvercall;
    else if (action == "DF2") candidate_.Meaning = meaning::TwoSuiter;
    else if (action == "NOBID") candidate_.Meaning = meaning::SignOff;
}

void DefinitionApplier::Points(std::string_view code, const std::string& token) {
    const PointRange r = PointsCode(code, context_.Shown.MinPts, context_.Shown.MaxPts, context_);
    if (r.Error != 0) {
        Fail(r.Error, token);
        return;
    }
    info_.MinPts = r.Low;
    info_.MaxPts = r.High;
}

void DefinitionApplier::Queens(std::string_view v, const std::string& token) {
    constexpr std::string_view counts = "01234";
    constexpr std::string_view trumpQueen = "NY?";
    if (v.size() == 3 && StartsWith(v, "NS") && counts.find(v[2]) != std::string_view::npos) {
        info_.QueenCount = static_cast<int>(counts.find(v[2]));
    } else if (v == "NT") {
        info_.QueenNT = 1;
    } else if (v.size() == 1 && trumpQueen.find(v[0]) != std::string_view::npos) {
        info_.TrumpQueen = static_cast<int>(trumpQueen.find(v[0]));
    } else {
        Fail(err::Queen, token);
    }
}

void DefinitionApplier::Totals(std::string_view v, const std::string& token) {
    if (v.size() < 2) {
        Fail(err::TCode, token);
        return;
    }
    if (v[0] == 'C') {
        const std::optional<int> controls = ToInt(v.substr(1));
        if (!controls) {
            Fail(err::TCode, token);
            return;
        }
        info_.TotalControls = *controls;
        return;
    }
    int* field = v[0] == 'A' ? &info_.TotalAces
                 : v[0] == 'K' ? &info_.TotalKings
                 : v[0] == 'Y' ? &info_.TotalKeyCards
                               : nullptr;
    const int count = TotalCount(v.substr(1));
    if (field == nullptr || count > 6) {
        Fail(err::TCode, token);
        return;
    }
    *field = count;
}

void DefinitionApplier::LosingTricks(std::string_view v, const std::string& token) {
    std::optional<double> low;
    std::optional<double> high;
    const auto dash = v.find('-');
    if (dash == 0) {
        low = 0.0;
        high = ToReal(v.substr(1, 2));
    } else if (dash != std::string_view::npos) {
        low = ToReal(v.substr(0, dash));
        high = ToReal(v.substr(dash + 1));
    } else if (!v.empty() && v.back() == '+') {
        low = ToReal(v.substr(0, v.size() - 1));
        high = MostLosers;
    } else {
        low = ToReal(v);
        high = low;
    }
    if (!low || !high || *low > MostLosers) {
        Fail(err::LosingTricks, token);
        return;
    }
    info_.MinLosers = *low;
    info_.MaxLosers = *high;
}

bool DefinitionApplier::Controls(int suit, std::string_view code) {
    auto& first = info_.FirstControl[suit];
    auto& second = info_.SecondControl[suit];
    auto& third = info_.ThirdControl[suit];
    if (code.empty()) {
        // A cue bid shows the first-round control first, then the second-round one.
        if (first != ShownYes) first = ShownYes;
        else second = ShownYes;
    } else if (code == "0") {
        first = Denied;
        second = Denied;
    } else if (code == "1") {
        first = ShownYes;
    } else if (code == "2") {
        second = ShownYes;
    } else if (code == "3") {
        third = ShownYes;
    } else if (code == "12") {
        first = ShownYes;
        second = ShownYes;
    } else if (code == "N1") {
        first = Denied;
    } else if (code == "N2") {
        second = Denied;
    } else if (code == "N3") {
        third = Denied;
    } else {
        return false;
    }
    return true;
}

bool DefinitionApplier::SuitPart(int suit, std::string_view part, const std::string& token) {
    const char kind = part.empty() ? '\0' : part[0];
    const std::string_view rest = part.empty() ? part : part.substr(1);
    switch (kind) {
    case '-':
        if (!ValidQualityCode(rest)) return Fail(err::SuitQuality, token), false;
        SetShort(info_.SuitQualityCode[suit], part, BidInfoWidths::SuitQualityCode);
        return true;
    case 'B': info_.MainSuitShown = static_cast<std::uint8_t>(suit); return true;
    case 'C':
        if (!Controls(suit, rest)) return Fail(err::SuitControls, token), false;
        return true;
    case 'F':
    case 'P': {
        const PointRange r = PointsCode(rest, 0, 10, context_);
        if (r.Error != 0 || r.Low < 0 || std::min(r.High, 10) < r.Low) {
            return Fail(err::SuitPoints, part), false;
        }
        SetShort(info_.SuitPointsCode[suit], kind == 'F' ? part : rest, BidInfoWidths::SuitPointsCode);
        return true;
    }
    case 'K': info_.KingInSuit[suit] = rest == "N" ? 0 : 1; return true;
    case 'L': info_.LongestSuitShown = static_cast<std::uint8_t>(suit); return true;
    case 'Q':
        if (!ValidQualityCode(rest)) return Fail(err::SuitQuality, token), false;
        SetShort(info_.SuitQualityCode[suit], rest, BidInfoWidths::SuitQualityCode);
        return true;
    case 'S': info_.Stopper[suit] = IntOr(rest, -7); return true;
    case 'T':
        if (rest.empty()) {
            info_.TrumpSuit = static_cast<std::uint8_t>(suit);
            info_.FitSuit = static_cast<std::uint8_t>(suit);
        } else if (rest == "N") {
            info_.TrumpCandidate[suit] = Denied;
        } else if (rest == "Y") {
            info_.TrumpCandidate.fill(Denied);
            info_.TrumpCandidate[suit] = ShownYes;
        } else if (rest == "O") {
            info_.TrumpChoice = suit;
        } else if (rest == "X") {
            info_.TrumpChoice = suit + 10;
        } else {
            return Fail(err::TCode, token), false;
        }
        return true;
    case 'X': info_.PointsOutsideSuit[suit] = 1; return true;
    default: return Fail(err::SuitCode, token), false;
    }
}

void DefinitionApplier::Suit(int suit, std::string_view v, const std::string& token) {
    const auto slash = v.find('/');
    const std::string_view length = v.substr(0, slash);
    if (!length.empty()) {
        const PointRange r = PointsCode(length, context_.Shown.MinLen[suit],
                                        context_.Shown.MaxLen[suit], context_);
        if (r.Error != 0) {
            Fail(err::SuitLength, token);
            return;
        }
        info_.MinLen[suit] = r.Low;
        info_.MaxLen[suit] = std::min(r.High, 13);
    }
    if (slash == std::string_view::npos) return;
    std::string_view rest = v.substr(slash + 1);
    while (true) {
        const auto next = rest.find('/');
        if (!SuitPart(suit, rest.substr(0, next), token)) return;
        if (next == std::string_view::npos) return;
        rest.remove_prefix(next + 1);
    }
}

void DefinitionApplier::Token(const std::string& token) {
    const std::string_view t = token;
    if (StartsWith(t, "CC")) {
        if (t.size() >= 3 && IsDigit(t[2])) info_.MinCoverCards = t[2] - '0';
        else Fail(err::CoverCards, token);
        return;
    }
    if (StartsWith(t, "CTL")) {
        const PointRange r =
            PointsCode(t.substr(3), context_.Shown.MinControls, context_.Shown.MaxControls, context_);
        if (r.Error != 0) {
            Fail(r.Error, token);
            return;
        }
        info_.MinControls = r.Low;
        info_.MaxControls = std::min(r.High, 12);
        return;
    }
    if (StartsWith(t, "MDY") && t.size() >= 5) return;  // date stamp of the definition pad
    if (t == "RULE15") {
        info_.Rule15 = 1;
        return;
    }
    if (t == "CBS") {
        Cue();
        return;
    }
    if (StartsWith(t, "MINLEN") && t.size() >= 7) {
        info_.MinLongest = IntOr(t.substr(6), 0);
        return;
    }
    if (StartsWith(t, "SHAPE") && t.size() >= 6) {
        info_.Shape = IntOr(t.substr(5), 0);
        return;
    }
    if (StartsWith(t, "STOP") && t.size() == 5 && IsDigit(t[4])) {
        for (int s = 0; s < SuitCount; ++s) {
            if (context_.OpponentHasShownSuit[s]) info_.Stopper[s] = t[4] - '0';
        }
        return;
    }
    if (t == "NT") {
        Notrump();
        return;
    }
    if (t == "NTY" || t == "NTN") {
        info_.NTChoice = t == "NTY" ? NoSuit : UnsetSuit;
        return;
    }
    const std::string_view v = t.substr(1);
    switch (t[0]) {
    case '!': info_.Explanation = std::string(v); break;
    case '#':
        candidate_.RestartMarker = '#';
        candidate_.Meaning = meaning::RestartSequence;
        break;
    case '*': ForcedCall(v); break;
    case '4':
        if (v == "Y") info_.FourthSeat = 2;
        else if (v == "N") info_.FourthSeat = 0;
        else Fail(err::FourthSeat, token);
        break;
    case '@': SequenceRestart(); break;
    case 'A':
    case 'Y':
        if (!ValidAceCode(v)) Fail(err::AceOrKing, token);
        else SetShort(info_.AcesCode, v, BidInfoWidths::CountCode);
        break;
    case 'B': info_.BalancedShown = 1; break;
    case 'C': Suit(Clubs, v, token); break;
    case 'D': Suit(Diamonds, v, token); break;
    case 'H': Suit(Hearts, v, token); break;
    case 'S': Suit(Spades, v, token); break;
    case 'K':
        if (!ValidAceCode(v)) Fail(err::AceOrKing, token);
        else SetShort(info_.KingsCode, v, BidInfoWidths::CountCode);
        break;
    case 'L': LosingTricks(v, token); break;
    case 'N':
        if (v == "TW") info_.NTStrength = 2;
        else if (v == "TS") info_.NTStrength = 1;
        else Fail(err::NTCode, token);
        break;
    case 'O':
        info_.PointsAreHCP = 1;
        Points(v, token);
        break;
    case 'P': Points(v, token); break;
    case 'Q': Queens(v, token); break;
    case 'R':
        // An unreadable adjustment is reported rather than taken as 0.
        if (const std::optional<int> adjust = ToInt(v)) info_.ScoreAdjust = *adjust;
        else Fail(err::UnknownCode, token);
        break;
    case 'T': Totals(v, token); break;
    case 'U': info_.UnbalancedShown = 1; break;
    case 'V':
        if (!v.empty() && std::string_view("NYBEFU").find(v[0]) != std::string_view::npos) {
            SetShort(info_.VulCondition, v, BidInfoWidths::VulCondition);
        } else {
            Fail(err::Vulnerability, token);
        }
        break;
    case 'X': info_.Disabled = 1; break;
    case '[': SetShort(info_.RequiredCard, v, BidInfoWidths::CardCondition); break;
    case '\\': SetShort(info_.SectionName, v, BidInfoWidths::SectionName); break;
    case '^': Cue(); break;
    case '{': SetShort(info_.ExcludedCard, v, BidInfoWidths::CardCondition); break;
    default: Fail(err::UnknownCode, token); break;
    }
}

// Per suit, the ranges of a meaning narrowed by what the player has already shown.
void NarrowByShown(TBidInfo& out, const TBidInfo& shown, const TBidInfo& meaning) {
    for (int s = 0; s < SuitCount; ++s) {
        out.MinLen[s] = std::max(shown.MinLen[s], std::min(meaning.MinLen[s], shown.MaxLen[s]));
        out.MaxLen[s] = std::min(shown.MaxLen[s], std::max(meaning.MaxLen[s], shown.MinLen[s]));
        out.Stopper[s] = std::max(shown.Stopper[s], meaning.Stopper[s]);
        out.FirstControl[s] = meaning.FirstControl[s];
        out.SecondControl[s] = meaning.SecondControl[s];
        out.ThirdControl[s] = meaning.ThirdControl[s];
        out.SuitQualityCode[s] = QualityStrength(meaning.SuitQualityCode[s]) >=
                                         QualityStrength(shown.SuitQualityCode[s])
                                     ? meaning.SuitQualityCode[s]
                                     : shown.SuitQualityCode[s];
    }
    out.MinPts = std::max(shown.MinPts, std::min(meaning.MinPts, shown.MaxPts));
    out.MaxPts = std::min(shown.MaxPts, std::max(meaning.MaxPts, shown.MinPts));
    out.MinLosers = std::max(shown.MinLosers, std::min(meaning.MinLosers, shown.MaxLosers));
    out.MaxLosers = std::min(shown.MaxLosers, std::max(meaning.MaxLosers, shown.MinLosers));
}

// Widens the combination by one more acceptable alternative.
void Widen(TBidInfo& combined, const TBidInfo& alternative) {
    for (int s = 0; s < SuitCount; ++s) {
        combined.MinLen[s] = std::min(combined.MinLen[s], alternative.MinLen[s]);
        combined.MaxLen[s] = std::max(combined.MaxLen[s], alternative.MaxLen[s]);
        combined.Stopper[s] = std::min(combined.Stopper[s], alternative.Stopper[s]);
        for (auto controls : {&TBidInfo::FirstControl, &TBidInfo::SecondControl,
                               &TBidInfo::ThirdControl}) {
            if ((combined.*controls)[s] != (alternative.*controls)[s]) (combined.*controls)[s] = Unknown;
        }
        if (QualityStrength(alternative.SuitQualityCode[s]) <
            QualityStrength(combined.SuitQualityCode[s])) {
            combined.SuitQualityCode[s] = alternative.SuitQualityCode[s];
        }
    }
    combined.MinPts = std::min(combined.MinPts, alternative.MinPts);
    combined.MaxPts = std::max(combined.MaxPts, alternative.MaxPts);
    if (alternative.MaxLosers - alternative.MinLosers < MostLosers) {
        combined.MinLosers = std::min(combined.MinLosers, alternative.MinLosers);
        combined.MaxLosers = std::max(combined.MaxLosers, alternative.MaxLosers);
    }
}

// Of two ace or king codes the one that promises fewer. The code is kept as written, so "2+"
// stays "at least two" rather than turning into "exactly two".
void KeepWeakerCount(std::string& combined, const std::string& alternative) {
    if (CountCodeValue(alternative) < CountCodeValue(combined)) combined = alternative;
}

}  // namespace

std::string DefinitionErrorText(int error, std::string_view code) {
    static constexpr std::array<std::string_view, definition_error::Last + 1> texts = {
        "",
        "LTC mistake",
        "Suit length",
        "Suit code",
        "Controls in suit",
        "Points in suit",
        "Suit quality code",
        "Suit stoppers",
        "Unknown Bid Information code",
        "Maximum length is 5, i.e. mm-yy",
        "Lower pts can't be higher than high pts",
        "Illegal \"Points Code\"",
        "Illegal \"Vulnerability Code\"",
        "Illegal Ace or King Code",
        "Illegal Queen Code",
        "Illegal \"T\" Code",
        "Illegal 4th Suit code",
        "Illegal \"NT\" Code, must be W or S",
        "Illegal Cover Card Code, must be in integer",
    };
    if (error <= 0 || error > definition_error::Last) return {};
    std::string text(texts[error]);
    if (error == definition_error::SuitPoints) text += "\r\r" + std::string(code);
    return text;
}

std::string DefinitionErrorMessage(int error, std::string_view code, bool explaining,
                                   CallCode candidate) {
    const std::string line = "Coding Error: " + DefinitionErrorText(error, code);
    if (explaining) return line;
    return "Bid: " + CallShortText(candidate) + "\r" + line;
}

std::vector<std::string> DefinitionTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n') {
            if (!current.empty()) tokens.push_back(std::move(current));
            current.clear();
        } else {
            current += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    if (!current.empty()) tokens.push_back(std::move(current));
    return tokens;
}

int AlternativeCount(const std::vector<std::string>& tokens) {
    if (tokens.empty()) return 0;
    return 1 + static_cast<int>(std::count(tokens.begin(), tokens.end(), "OR"));
}

int ScoredAlternativeCount(const std::vector<std::string>& tokens) {
    return std::min(AlternativeCount(tokens), MaxAlternatives);
}

PointRange PointsCode(std::string_view code, int startLow, int startHigh,
                      const DefinitionContext& context) {
    PointRange r{startLow, startHigh, 0};
    if (code.size() > 5) {
        r.Error = definition_error::CodeTooLong;
        return r;
    }
    const int p = PartnerPoints(context.PartnerShown);
    const int px = context.PartnerShown.MaxPts;
    const int veryLight = context.VeryLightOpenings ? 11 : 12;
    const int ntLow = context.OneNTLow;
    const int ntHigh = context.OneNTHigh;
    int& low = r.Low;
    int& high = r.High;

    if (code == "CC") {
        if (!context.Explaining) {
            low = context.RulesMinPts;
            high = context.RulesMaxPts;
        }
    } else if (code == "NF") {
        low = std::max(startLow, 5);
        if (low > 0) high = std::min(22 - p, low + 3);
    } else if (code == "WK") {
        low = std::max(startLow, 0);
        high = std::max(22 - p, 6);
        if (low > 0) high = std::min(high, low + 3);
    } else if (code == "MIN") {
        high = startLow + 1;
    } else if (code == "MAX") {
        const int width = startHigh - startLow;
        low = width == 2 ? startLow + 1 : width > 2 ? startLow + 2 : startHigh;
    } else if (code == "-GF") {
        low = 5;
        high = 24 - p;
    } else if (code == "GF") {
        if (IsMinor(context.Shown.FitSuit)) {
            low = 28 - p;
            high = std::max(low + 3, 31 - px);
        } else {
            low = 26 - p;
            high = std::max(29 - p, 29 - px);
        }
    } else if (code == "GF+") {
        low = 25 - p;
    } else if (code == "INV") {
        low = 23 - p;
        high = low + 1;
    } else if (code == "MINV") {
        low = 25 - p;
        high = 26 - p;
    } else if (code == "INV+") {
        low = 23 - p;
    } else if (code == "-INV") {
        low = 20 - p;
        high = 22 - p;
    } else if (code == "ZINV") {
        low = 0;
        high = std::min(22 - p, 10);
    } else if (code == "NT") {
        low = ntLow;
        high = ntHigh;
    } else if (code == "NT1") {
        low = ntLow + 1;
        high = ntHigh + 1;
    } else if (code == "NT+") {
        low = ntHigh + 1;
        high = ntHigh + 3;
    } else if (code == "-NT") {
        low = veryLight;
        high = std::max(ntLow - 1, veryLight);
    } else if (code == "MGF" || code == "MST") {
        low = (code == "MGF" ? 27 : 29) - p;
        high = std::max(startHigh, low + 2);
    } else if (code == "-ST") {
        low = 25 - p;
        high = 30 - p;
    } else if (code == "ST" || code == "ST+") {
        low = 31 - p;
        high = std::max({37, startHigh, low});
    } else if (code == "SF" || code == "GST" || code == "GSF") {
        low = (code == "SF" ? 33 : code == "GST" ? 35 : 37) - p;
        high = 37;
    } else if (StartsWith(code, "MO")) {
        const std::string_view n = code.substr(2);
        low = (n.empty() ? 0 : IntOr(n, 0)) + context.OpenerShownMin;
    } else if (code.empty()) {
        low = -1;  // nothing to read
        high = -1;
    } else if (IsLetter(code[0])) {
        // A range of the card, taken as it stands.
        const auto bounds = context.CardBounds ? context.CardBounds(code) : std::nullopt;
        if (!bounds) {
            r.Error = definition_error::PointsCode;
            return r;
        }
        return PointRange{bounds->first, bounds->second, 0};
    } else if (code[0] == '-') {
        high = IntOr(code.substr(1), -1);
    } else if (code.back() == '+') {
        const int n = IntOr(code.substr(0, code.size() - 1), -1);
        low = n;
        high = std::max(startHigh, n);
    } else if (const auto dash = code.find('-'); dash != std::string_view::npos) {
        low = IntOr(code.substr(0, dash), -1);
        high = IntOr(code.substr(dash + 1), -1);
    } else {
        if (code.size() > 2) {
            r.Error = definition_error::LowAboveHigh;
            return r;
        }
        low = IntOr(code, -1);
        high = low;
    }
    if (low < 0) low = 0;
    if (high < 0) high = std::max(low, startHigh);
    if (low > high) low = high;
    return r;
}

void ApplyDefinition(const std::vector<std::string>& tokens, int alternative,
                     const DefinitionContext& context, CandidateMeaning& candidate) {
    std::size_t pos = 0;
    for (int seen = 1; seen < alternative; ++pos) {
        if (pos >= tokens.size()) return;  // no such alternative
        if (tokens[pos] == "OR") ++seen;
    }
    TBidInfo& info = candidate.Info;
    std::string section = alternative == 1 ? std::string() : info.SectionName;
    std::string action = alternative == 1 ? std::string() : info.ActionText;
    info = context.Shown;
    info.SectionName = std::move(section);
    info.ActionText = std::move(action);
    info.PointsAreHCP = 0;
    info.ExcludedCard.clear();
    info.FourthSeat = 1;
    // Switching a definition off or adjusting its score concerns this definition only; carried
    // over from Shown they would switch off or shift every later definition of the player.
    info.Disabled = 0;
    info.ScoreAdjust = 0;

    DefinitionApplier applier(context, candidate);
    for (; pos < tokens.size() && tokens[pos] != "OR" && candidate.ErrorState == 0; ++pos) {
        applier.Token(tokens[pos]);
    }
    candidate.Score += info.ScoreAdjust;
}

void CombineAlternatives(const std::vector<std::string>& tokens, const std::vector<int>& scores,
                         const DefinitionContext& context, CandidateMeaning& candidate) {
    ResetBidInfo(candidate.Info, context.Shown.DealerSeat);
    TBidInfo combined = context.Shown;
    bool first = true;
    const int count = std::min(ScoredAlternativeCount(tokens), static_cast<int>(scores.size()));
    for (int i = 1; i <= count; ++i) {
        if (scores[i - 1] == RejectedAlternativeScore) continue;
        ApplyDefinition(tokens, i, context, candidate);
        const TBidInfo& applied = candidate.Info;
        if (first) {
            combined = applied;
            first = false;
            continue;
        }
        if (!applied.ExcludedCard.empty() && CardCondition(applied.ExcludedCard, context.CardTicked)) {
            continue;
        }
        if (!applied.RequiredCard.empty() && !CardCondition(applied.RequiredCard, context.CardTicked)) {
            continue;
        }
        Widen(combined, applied);
        KeepWeakerCount(combined.AcesCode, applied.AcesCode);
        KeepWeakerCount(combined.KingsCode, applied.KingsCode);
    }
    NarrowByShown(candidate.Info, context.Shown, combined);
    candidate.Info.AcesCode = combined.AcesCode;
    candidate.Info.KingsCode = combined.KingsCode;
}

void MergeShown(TBidInfo& shown, const TBidInfo& newInfo) {
    TBidInfo merged = newInfo;
    NarrowByShown(merged, shown, newInfo);
    shown = std::move(merged);
}

bool CardCondition(std::string_view condition,
                   const std::function<bool(std::string_view item)>& cardTicked) {
    bool anyOf = false;
    if (!condition.empty() && (condition.back() == '}' || condition.back() == ']')) {
        anyOf = condition.back() == '}';
        condition.remove_suffix(1);
    }
    bool any = false;
    bool all = true;
    while (!condition.empty()) {
        const auto end = condition.find_first_of("_,");
        const std::string_view item = condition.substr(0, end);
        if (!item.empty()) {
            const bool holds = cardTicked && cardTicked(item);
            any = any || holds;
            all = all && holds;
        }
        if (end == std::string_view::npos) break;
        condition.remove_prefix(end + 1);
    }
    return anyOf ? any : all;
}

bool ValidQualityCode(std::string_view code) {
    if (code.size() == 1) return std::string_view("AKQJT").find(code[0]) != std::string_view::npos;
    return code.size() == 2 && code[0] >= '0' && code[0] <= '5' && code[1] >= '0' && code[1] <= '5';
}

bool ValidAceCode(std::string_view code) {
    if (code.size() == 1) return code[0] >= '0' && code[0] <= '5';
    if (code.size() != 2) return false;
    if (code[1] == '+') return code[0] >= '0' && code[0] <= '5';
    return code[0] == '<' && code[1] >= '0' && code[1] <= '4';
}

int QualityStrength(std::string_view code) {
    // A letter ranks with the honour count that promises about as much: "A" with one of the top
    // one, "K" with one of the top two; "T" promises nothing.
    if (code.empty() || code[0] == '-') return 0;
    switch (code[0]) {
    case 'A': return 19;
    case 'K': return 18;
    case 'Q': return 14;
    case 'J': return 12;
    case 'T': return 1;
    default: break;
    }
    if (!ValidQualityCode(code)) return 0;
    const int x = code[0] - '0';
    const int y = code[1] - '0';
    return x == 0 ? 0 : 10 * x - y + 10;
}

int CountCodeValue(std::string_view code) {
    if (code.empty()) return -1;
    if (code[0] == '<') return 0;
    return IsDigit(code[0]) ? code[0] - '0' : -1;
}

}  // namespace corvane

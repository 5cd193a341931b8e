#include "bidding/MeaningText.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 6> SuitWords{"clubs", "diamonds", "hearts", "spades",
                                                    "notrump", "unset"};
constexpr std::array<std::string_view, 3> ControlWords{"denied", "unknown", "shown"};

std::string Suit(int suit) {
    return std::string(suit >= 0 && suit < 6 ? SuitWords[suit] : "?");
}

std::string Control(int status) {
    return std::string(status >= 0 && status < 3 ? ControlWords[status] : "?");
}

std::string Real(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string SuitSet(std::uint8_t bits) {
    std::string text;
    for (int s = 0; s < SuitCount; ++s) {
        if ((bits >> s) & 1U) text += (text.empty() ? "" : " ") + Suit(s);
    }
    return text;
}

class Describer {
public:
    explicit Describer(std::vector<std::string>& lines) : lines_(lines) {}

    template <typename T>
    void Field(const T& now, const T& before, const std::string& text) {
        if (now != before) lines_.push_back(text);
    }

private:
    std::vector<std::string>& lines_;
};

}  // namespace

std::vector<std::string> DescribeMeaning(const TBidInfo& m, const TBidInfo& b) {
    std::vector<std::string> lines;
    Describer d(lines);
    using std::to_string;
    if (m.MinPts != b.MinPts || m.MaxPts != b.MaxPts || m.PointsAreHCP != b.PointsAreHCP) {
        lines.push_back((m.PointsAreHCP ? "high-card points " : "points ") + to_string(m.MinPts) + "-" +
                        to_string(m.MaxPts));
    }
    for (int s = 0; s < SuitCount; ++s) {
        const std::string suit = Suit(s);
        if (m.MinLen[s] != b.MinLen[s] || m.MaxLen[s] != b.MaxLen[s]) {
            lines.push_back(suit + " " + to_string(m.MinLen[s]) + "-" + to_string(m.MaxLen[s]));
        }
        d.Field(m.Stopper[s], b.Stopper[s], suit + " stopper " + to_string(m.Stopper[s]));
        d.Field(m.FirstControl[s], b.FirstControl[s], suit + " first-round control " + Control(m.FirstControl[s]));
        d.Field(m.SecondControl[s], b.SecondControl[s],
                suit + " second-round control " + Control(m.SecondControl[s]));
        d.Field(m.ThirdControl[s], b.ThirdControl[s], suit + " third-round control " + Control(m.ThirdControl[s]));
        d.Field(m.KingInSuit[s], b.KingInSuit[s], suit + " king " + std::string(m.KingInSuit[s] == 1 ? "held" : "not held"));
        d.Field(m.TrumpCandidate[s], b.TrumpCandidate[s],
                suit + " as trumps " + std::string(m.TrumpCandidate[s] == 2 ? "yes" : m.TrumpCandidate[s] == 0 ? "no" : "unknown"));
        d.Field(m.SuitPointsCode[s], b.SuitPointsCode[s], suit + " points code " + m.SuitPointsCode[s]);
        d.Field(m.SuitQualityCode[s], b.SuitQualityCode[s], suit + " quality " + m.SuitQualityCode[s]);
        d.Field(m.PointsOutsideSuit[s], b.PointsOutsideSuit[s], "points counted without the " + suit + " honours");
    }
    if (m.MinLosers != b.MinLosers || m.MaxLosers != b.MaxLosers) {
        lines.push_back("losers " + Real(m.MinLosers) + "-" + Real(m.MaxLosers));
    }
    if (m.MinControls != b.MinControls || m.MaxControls != b.MaxControls) {
        lines.push_back("controls " + to_string(m.MinControls) + "-" + to_string(m.MaxControls));
    }
    d.Field(m.AcesCode, b.AcesCode, "aces " + m.AcesCode);
    d.Field(m.KingsCode, b.KingsCode, "kings " + m.KingsCode);
    d.Field(m.QueenCount, b.QueenCount, "queens " + to_string(m.QueenCount));
    d.Field(m.TrumpQueen, b.TrumpQueen,
            "trump queen " + std::string(m.TrumpQueen == 1 ? "yes" : m.TrumpQueen == 0 ? "no" : "either"));
    d.Field(m.QueenNT, b.QueenNT, std::string("queens for notrump"));
    d.Field(m.TotalAces, b.TotalAces, "partnership aces " + to_string(m.TotalAces));
    d.Field(m.TotalKings, b.TotalKings, "partnership kings " + to_string(m.TotalKings));
    d.Field(m.TotalKeyCards, b.TotalKeyCards, "partnership key cards " + to_string(m.TotalKeyCards));
    d.Field(m.TotalControls, b.TotalControls, "partnership controls " + to_string(m.TotalControls));
    d.Field(m.MinCoverCards, b.MinCoverCards, "cover cards " + to_string(m.MinCoverCards));
    d.Field(m.BalancedShown, b.BalancedShown, std::string("balanced"));
    d.Field(m.UnbalancedShown, b.UnbalancedShown, std::string("unbalanced"));
    d.Field(m.MainSuitShown, b.MainSuitShown, "main suit " + Suit(m.MainSuitShown));
    d.Field(m.LongestSuitShown, b.LongestSuitShown, "longest suit " + Suit(m.LongestSuitShown));
    d.Field(m.MinLongest, b.MinLongest, "longest suit at least " + to_string(m.MinLongest));
    d.Field(m.Shape, b.Shape, "shape " + to_string(m.Shape));
    d.Field(m.TrumpSuit, b.TrumpSuit, "trump suit " + Suit(m.TrumpSuit));
    d.Field(m.FitSuit, b.FitSuit, "fit suit " + Suit(m.FitSuit));
    d.Field(m.TrumpChoice, b.TrumpChoice,
            m.TrumpChoice >= 10 ? "trumps not the opponents' suit " + Suit(m.TrumpChoice - 10)
                                : "trumps the opponents' suit " + Suit(m.TrumpChoice));
    d.Field(m.NTChoice, b.NTChoice, std::string(m.NTChoice == NoSuit ? "notrump chosen" : "notrump not chosen"));
    d.Field(m.NTStrength, b.NTStrength, std::string(m.NTStrength == 2 ? "over our weak 1NT" : "over our strong 1NT"));
    d.Field(m.FourthSeat, b.FourthSeat,
            std::string(m.FourthSeat == 2 ? "fourth seat only" : m.FourthSeat == 0 ? "never in fourth seat" : "any seat"));
    d.Field(m.Rule15, b.Rule15, std::string("rule of 15"));
    d.Field(m.VulCondition, b.VulCondition, "vulnerability " + m.VulCondition);
    d.Field(m.RequiredCard, b.RequiredCard, "card must have " + m.RequiredCard);
    d.Field(m.ExcludedCard, b.ExcludedCard, "card must not have " + m.ExcludedCard);
    d.Field(m.ActionText, b.ActionText, "forced call " + m.ActionText);
    d.Field(m.CueFlag, b.CueFlag, std::string("cue bid"));
    d.Field(m.Disabled, b.Disabled, std::string("switched off"));
    d.Field(m.ScoreAdjust, b.ScoreAdjust, "score adjustment " + to_string(m.ScoreAdjust));
    d.Field(m.UnguardedSuits, b.UnguardedSuits, "unguarded honours in " + SuitSet(m.UnguardedSuits));
    d.Field(m.ShortnessExcluded, b.ShortnessExcluded, "no ace in partner's " + SuitSet(m.ShortnessExcluded));
    return lines;
}

}  // namespace corvane

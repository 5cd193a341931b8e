#include "bidding/Verification.h"

#include "bidding/DefinitionLanguage.h"
#include "bidding/HandEvaluation.h"
#include "bidding/PartnershipEvaluation.h"
#include "bidding/SuitEvaluation.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace corvane {

namespace {

size_t At(int i) { return static_cast<size_t>(i); }
bool IsSuit(int s) { return s >= Clubs && s <= Spades; }

void RuleOut(BidderContext& c) { c.Score = score::RuledOut; }
void MarkDown(BidderContext& c, int k) { c.Score = std::min(c.Score, 0) - k; }
void LowerTo(BidderContext& c, int v) { c.Score = std::min(c.Score, v); }

// n for "n" and "n+", -n for "<n", 0 for an empty code; only the first two characters count.
int CodeValue(std::string_view code) { return CountCodeSigned(code.substr(0, 2)); }

// Ace and king codes: "<n" fails with n or more, "n+" with fewer than n, "n" with any other.
bool CountCodeHolds(const BidderContext& c, std::string_view code, int count) {
    if (c.Cards->ModifiedStandardBlackwood() && !c.RHOPassed && c.CandidateCall == Pass) return true;
    const int v = CodeValue(code);
    if (v < 0) return count < -v;
    if (code.size() > 1 && code[1] == '+') return count >= v;
    return count == v;
}

// Stored counts: n means at least n, -n fewer than n.
bool CountTestHolds(int count, int v) { return v >= 0 ? count >= v : count < -v; }

bool UsesKeyCardCounting(const BidderContext& c) {
    return (c.Cards->UsesRKC(false) || c.Cards->UsesKeycard() || c.Cards->ModifiedStandardBlackwood()) &&
           IsSuit(c.NewBidInfo.TrumpSuit);
}

int AceCountForCode(const BidderContext& c) {
    const THands& hand = c.BidderHand();
    int aces = Aces(hand);
    if (UsesKeyCardCounting(c) && Holds(hand.HoldingOf(c.NewBidInfo.TrumpSuit), King)) ++aces;
    return aces;
}

int KingCountForCode(const BidderContext& c) {
    const THands& hand = c.BidderHand();
    int kings = Kings(hand);
    if (UsesKeyCardCounting(c) && Holds(hand.HoldingOf(c.NewBidInfo.TrumpSuit), King)) {
        kings = std::max(0, kings - 1);
    }
    return kings;
}

int TrumpQueenHeld(const BidderContext& c) {
    const int t = c.NewBidInfo.TrumpSuit;
    return IsSuit(t) && Holds(c.BidderHand().HoldingOf(t), Queen) ? 1 : 0;
}

int PartnerCodeCount(std::string_view code) { return std::max(0, CodeValue(code)); }

bool InFourthSeatAfterThreePasses(const BidderContext& c) {
    return c.CallCount() == 3 && !IsBid(c.Auction.HighestBid);
}

bool OwnNotrumpIsWeak(const BidderContext& c) {
    OneNTSituation situation;
    situation.WeVulnerable = SeatVulnerable(c.Vul, c.Bidder);
    situation.TheyVulnerable = SeatVulnerable(c.Vul, NextSeat(c.Bidder));
    const std::string range(c.Cards->ActiveOneNTRange(situation));
    return c.Cards->CardRange(range).first < 14;
}

// The lowest points the top honours of a quality code ask for.
int QualityMinimum(std::string_view code) {
    if (code.empty() || code[0] == '-' || code[0] == 'T') return 0;
    switch (code[0]) {
    case 'J': return 1;
    case 'Q': return 2;
    case 'K': return 3;
    case 'A': return 4;
    default: break;
    }
    if (code.size() < 2) return 0;
    const int x = code[0] - '0';
    const int y = code[1] - '0';
    constexpr std::array<int, 5> values{4, 3, 2, 1, 0};  // A K Q J T
    int sum = 0;
    for (int i = 0; i < x && i < y && i < 5; ++i) sum += values[At(std::min(y, 5) - 1 - i)];
    return sum;
}

// A letter asks for that honour or a higher one, "xy" for x of the top y; "-" negates.
bool MatchesQualityCode(Holding h, std::string_view code) {
    if (code.empty()) return true;
    const bool negated = code[0] == '-';
    if (negated) code.remove_prefix(1);
    bool holds = true;
    const std::string_view letters = "AKQJT";
    if (code.size() == 1 && letters.find(code[0]) != std::string_view::npos) {
        holds = HonoursInTop(h, static_cast<int>(letters.find(code[0])) + 1) > 0;
    } else if (code.size() >= 2 && code[0] >= '0' && code[0] <= '5' && code[1] >= '0' && code[1] <= '5') {
        holds = HonoursInTop(h, code[1] - '0') >= code[0] - '0';
    }
    return negated ? !holds : holds;
}

// Step 1: what this call counts as points, and the length ranges kept inside what was shown.
void ChoosePointsToTest(BidderContext& c) {
    const THands& hand = c.BidderHand();
    const TBidInfo& shown = c.OwnShown();
    TBidInfo& info = c.NewBidInfo;
    if (info.PointsAreHCP) {
        c.PointsToTest = hand.HCP;
    } else if (c.MeaningCode == meaning::NaturalNotrump && c.PartnerLastMeaning != meaning::StaymanAnswer &&
               hand.SupportPts > 0 && !c.Players[c.Bidder].Meanings.Contains(meaning::TakeoutDouble)) {
        c.PointsToTest = TotalPoints(hand) + hand.LengthPts;
    } else {
        c.PointsToTest = TotalPoints(hand);
    }
    if (c.HumanBidder() && c.PointsToTest > shown.MaxPts && c.Mode != BidMode::Hint &&
        c.Mode != BidMode::TestPad) {
        info.MinPts = shown.MaxPts;
        info.MaxPts = shown.MaxPts + 1;
        c.PointsToTest = info.MaxPts;
        if (c.CandidateStrain == info.FitSuit) c.MeaningCode = meaning::SignOff;
    }
    for (size_t s = 0; s < 4; ++s) {
        info.MinLen[s] = std::max(info.MinLen[s], shown.MinLen[s]);
        info.MaxLen[s] = std::max(std::min(info.MaxLen[s], shown.MaxLen[s]), info.MinLen[s]);
    }
}

// Step 2: losers and points.
void TestLosersAndPoints(BidderContext& c) {
    const TBidInfo& shown = c.OwnShown();
    const TBidInfo& info = c.NewBidInfo;
    const double losers = LosingTrickTotal(c.BidderHand());
    int a = 0;
    if (info.MaxLosers < shown.MaxLosers && losers > info.MaxLosers) {
        a = std::max(1, RoundHalfEven(losers - info.MaxLosers + 0.25));
    } else if (info.MinLosers > shown.MinLosers && losers < info.MinLosers) {
        a = std::max(1, RoundHalfEven(info.MinLosers - losers + 0.25));
    }
    int b = 0;
    if (info.MinPts != shown.MinPts) b = std::max(0, info.MinPts - c.PointsToTest);
    if (b == 0 && info.MaxPts != shown.MaxPts) b = std::max(0, c.PointsToTest - info.MaxPts);
    if (!info.PointsOrLosers || (a > 0 && b > 0)) {
        if (b > 0) {
            LowerTo(c, -b);
        } else if (a > 0) {
            LowerTo(c, -3 * a);
        }
    }
}

// Step 3: switched off, seat, notrump strength and vulnerability.
void TestDefinitionConditions(BidderContext& c) {
    const TBidInfo& shown = c.OwnShown();
    const TBidInfo& info = c.NewBidInfo;
    if (info.Disabled) {
        c.Score = score::Disabled;
        return;
    }
    const bool fourth = InFourthSeatAfterThreePasses(c);
    if ((info.FourthSeat == 2 && !fourth) || (info.FourthSeat == 0 && fourth)) {
        c.Score = score::RejectedByTest;
    }
    if (info.NTStrength != shown.NTStrength && info.NTStrength != 0) {
        const bool weak = OwnNotrumpIsWeak(c);
        if ((info.NTStrength == 2) != weak) c.Score = score::RejectedByTest;
    }
    if (!VulnerabilityMatches(c, info.VulCondition)) c.Score = score::RejectedByTest;
}

// Two suits of four or more shown over the opponents' 1NT need playing strength.
bool TwoSuiterOverNotrumpHolds(const BidderContext& c) {
    const TBidInfo& info = c.NewBidInfo;
    if (c.Auction.HighestBid != BidCode(1, NoTrump) || !c.TheirMeanings.Contains(meaning::OneNTOpening)) {
        return true;
    }
    int fourCardSuits = 0;
    for (size_t s = 0; s < 4; ++s) fourCardSuits += info.MinLen[s] >= 4;
    if (fourCardSuits < 2) return true;
    const THands& hand = c.BidderHand();
    const int d = LongestLength(hand) + SecondLength(hand) - RoundHalfEven(hand.LosingTricks);
    const int e = 2 + RelativeVulnerability(c.Vul, Side(c.Bidder));
    return d >= e || (d == e - 1 && TotalPoints(hand) > 13);
}

// Step 5: the first failing test rules the candidate out (or lowers its score) and ends the step.
void TestWholeHand(BidderContext& c) {
    const THands& hand = c.BidderHand();
    const TBidInfo& shown = c.OwnShown();
    const TBidInfo& info = c.NewBidInfo;
    const TBidInfo& partner = c.PartnerInfo;
    const auto fail = [&c] { RuleOut(c); };

    if (info.BalancedShown != static_cast<int>(hand.Balanced) && info.BalancedShown != shown.BalancedShown) return fail();
    if (info.UnbalancedShown == static_cast<int>(hand.Balanced) && info.UnbalancedShown != shown.UnbalancedShown) {
        return fail();
    }
    if (info.AcesCode != shown.AcesCode && !CountCodeHolds(c, info.AcesCode, AceCountForCode(c))) return fail();
    if (info.KingsCode != shown.KingsCode) {
        const int v = CodeValue(info.KingsCode);
        const int kings = Kings(hand);
        if ((v >= 0 && kings < v) || (v < 0 && kings >= -v)) return fail();
    }
    if (info.TotalAces != 0 && info.TotalAces != shown.TotalAces &&
        !CountTestHolds(Aces(hand) + PartnerCodeCount(partner.AcesCode), info.TotalAces)) {
        return fail();
    }
    if (info.TotalKings != 0 && info.TotalKings != shown.TotalKings &&
        !CountTestHolds(Kings(hand) + PartnerCodeCount(partner.KingsCode), info.TotalKings)) {
        return fail();
    }
    if (CodeValue(info.KingsCode) != CodeValue(shown.KingsCode)) {
        if (!CountCodeHolds(c, info.KingsCode, KingCountForCode(c)) ||
            (c.CandidateStrain != info.FitSuit && c.JumpCount > 0)) {
            return fail();
        }
    }
    // "Q?" (2) accepts a hand with or without the trump queen.
    if (info.TrumpQueen != shown.TrumpQueen && info.TrumpQueen != 2 && info.TrumpQueen != TrumpQueenHeld(c)) {
        return fail();
    }
    if (info.MinCoverCards != shown.MinCoverCards) {
        const int cover = CoverCards(c);
        if (cover < info.MinCoverCards) return LowerTo(c, -10 * (info.MinCoverCards - cover));
    }
    if (info.TrumpChoice != shown.TrumpChoice) {
        const int opponents = c.OwnShown().OpponentsSuit;
        const bool holds = info.TrumpChoice < 10 ? info.TrumpChoice == opponents
                                                 : info.TrumpChoice - 10 != opponents;
        if (!holds) return fail();
    }
    if (info.QueenCount != shown.QueenCount && CountRank(hand, Queen) != info.QueenCount) return fail();
    if (info.VulCondition != shown.VulCondition && !VulnerabilityMatches(c, info.VulCondition)) return fail();
    if (!info.ExcludedCard.empty() && info.ExcludedCard != shown.ExcludedCard &&
        CardCondition(c, info.ExcludedCard)) {
        return fail();
    }
    if (!info.RequiredCard.empty() && info.RequiredCard != shown.RequiredCard &&
        !CardCondition(c, info.RequiredCard)) {
        return fail();
    }
    if (info.NTChoice != 5 && info.NTChoice != shown.NTChoice && info.NTChoice != info.FitSuit) return fail();
    if (info.TotalControls != -1 && info.TotalControls != shown.TotalControls &&
        !CountTestHolds(Controls(hand) + partner.MinControls, info.TotalControls)) {
        return fail();
    }
    if (info.TotalKeyCards != 0 && info.TotalKeyCards != shown.TotalKeyCards &&
        !CountTestHolds(KeyCards(hand, static_cast<Strain>(std::min<int>(info.FitSuit, NoTrump))) +
                            PartnerCodeCount(partner.AcesCode),
                        info.TotalKeyCards)) {
        return fail();
    }
    if (info.Shape != 0 && info.Shape != shown.Shape) {
        const std::string wanted = std::to_string(info.Shape);
        if (std::to_string(hand.ShapeCode).compare(0, wanted.size(), wanted) != 0) return fail();
    }
    if (info.MinLongest != 0 && info.MinLongest != shown.MinLongest) {
        const std::string wanted = std::to_string(info.MinLongest);
        const std::string shape = std::to_string(hand.ShapeCode);
        for (size_t i = 0; i < wanted.size() && i < shape.size(); ++i) {
            if (wanted[i] > shape[i]) return fail();
        }
    }
    if (info.PointsAreHCP && hand.HCP < info.MinPts) return LowerTo(c, hand.HCP - info.MinPts);
    if (info.Rule15 && info.Rule15 != shown.Rule15 && c.CallCount() == 3 && hand.HCP + SpadeLength(hand) < 15) {
        return fail();
    }
    if (!TwoSuiterOverNotrumpHolds(c)) return fail();
    if (info.MinControls != shown.MinControls &&
        (Controls(hand) < info.MinControls || Controls(hand) > info.MaxControls)) {
        return fail();
    }
    if (info.MaxControls != shown.MaxControls && Controls(hand) > info.MaxControls) return fail();
}

// Step 6: one suit's tests; a return skips the rest of this suit.
void TestSuit(BidderContext& c, int s) {
    const THands& hand = c.BidderHand();
    const TBidInfo& shown = c.OwnShown();
    const TBidInfo& info = c.NewBidInfo;
    const size_t i = At(s);
    const Holding h = hand.HoldingOf(s);
    const int length = Length(h);
    const auto statusFails = [](std::uint8_t status, bool has) {
        return (status == Denied && has) || (status == ShownYes && !has);
    };
    if (info.FirstControl[i] != shown.FirstControl[i] && statusFails(info.FirstControl[i], FirstRoundControl(h))) {
        RuleOut(c);
    }
    if (info.SecondControl[i] != shown.SecondControl[i]) {
        const bool has = SecondRoundControl(h);
        if ((info.SecondControl[i] == Denied && has && c.Cards->CueBidsShowSecondRoundControl()) ||
            (info.SecondControl[i] == ShownYes && !has)) {
            RuleOut(c);
        }
    }
    if (info.ThirdControl[i] != shown.ThirdControl[i] && statusFails(info.ThirdControl[i], NotWeakLength(h))) {
        RuleOut(c);
    }
    // Trump consistency, always tested.
    const bool anyTrumpCandidate =
        std::any_of(info.TrumpCandidate.begin(), info.TrumpCandidate.end(), [](auto v) { return v == ShownYes; });
    if ((c.CandidateCall == Pass && s == info.TrumpSuit && info.TrumpCandidate[i] == Denied &&
         s != c.Auction.HighestStrain && info.DefinitionSource != definition_source::Rules) ||
        (!anyTrumpCandidate && s == c.Auction.HighestStrain && info.TrumpCandidate[i] == Denied &&
         IsBid(c.CandidateCall) && c.CandidateCall > 28 + std::min<int>(info.TrumpSuit, NoTrump)) ||
        (info.TrumpCandidate[i] == ShownYes && s != info.FitSuit && IsBid(c.CandidateCall) &&
         c.CandidateCall >= BidCode(5, Clubs))) {
        return RuleOut(c);
    }
    if (s != info.FitSuit && info.KingInSuit[i] != shown.KingInSuit[i] && info.KingInSuit[i] >= 0 &&
        (info.KingInSuit[i] == 1) != Holds(h, King)) {
        return RuleOut(c);
    }
    if (info.LongestSuitShown != NoSuit && info.LongestSuitShown != LongestSuit(hand)) return RuleOut(c);
    if (info.MainSuitShown != shown.MainSuitShown && info.MainSuitShown != MainSuit(hand)) return RuleOut(c);
    if (info.PointsOutsideSuit[i] != shown.PointsOutsideSuit[i] && info.PointsOutsideSuit[i] != 0) {
        const int outside = c.PointsToTest - SuitHCPWithoutAce(h);
        if (outside < info.MinPts) {
            c.Score = outside - info.MinPts;
            return;
        }
    }
    if (info.SuitPointsCode[i] != shown.SuitPointsCode[i] && !info.SuitPointsCode[i].empty()) {
        const std::string& code = info.SuitPointsCode[i];
        bool holds = true;
        if (code[0] == 'F' && code.size() > 1) {
            holds = SuitHCP(h) < code[1] - '0';
        } else {
            DefinitionContext context = DefinitionContextFor(c);
            const PointRange range = PointsCode(code, 0, 10, context);
            holds = SuitHCP(h) >= range.Low && SuitHCP(h) <= std::min(range.High, 10);
        }
        if (!holds) RuleOut(c);
    }
    if (info.SuitQualityCode[i] != shown.SuitQualityCode[i] &&
        (SuitHCP(h) < QualityMinimum(info.SuitQualityCode[i]) ||
         !MatchesQualityCode(h, info.SuitQualityCode[i]))) {
        RuleOut(c);
    }
    if (info.Stopper[i] != shown.Stopper[i] && c.MeaningCode != meaning::AceAsk && info.Stopper[i] >= 0) {
        const bool fails = (info.Stopper[i] == 0 && IsStopper(h)) || (info.Stopper[i] == 1 && !IsStopper(h)) ||
                           (info.Stopper[i] == 2 && !IsGoodSuit(h));
        if (fails) MarkDown(c, c.CandidateStrain == NoTrump ? 5 : 1);
    }
    if (info.MaxLen[i] != shown.MaxLen[i] && length > info.MaxLen[i]) return MarkDown(c, length - info.MaxLen[i]);
    if (info.MinLen[i] != shown.MinLen[i] && length < info.MinLen[i]) {
        const int shortBy = info.MinLen[i] - length;
        if (s == info.OneShortSuit && shown.OneShortSuit != s && shortBy == 1) {
            if (c.PartnerLastMeaning != meaning::AskingCueBid) LowerTo(c, 0);
            return;
        }
        MarkDown(c, shortBy);
        if (c.Score == -2) {
            c.Score = -6;
        } else if (c.Score < -2) {
            c.Score -= 100;
        }
    }
}

bool IsTooStrong(const BidderContext& c) {
    const TBidInfo& shown = c.OwnShown();
    const TBidInfo& info = c.NewBidInfo;
    const THands& hand = c.BidderHand();
    if (info.MinLosers != shown.MinLosers && LosingTrickTotal(hand) < info.MinLosers && !info.PointsOrLosers) {
        return true;
    }
    if (info.MaxPts == shown.MaxPts) return false;
    if (info.PointsAreHCP) return hand.HCP > info.MaxPts;
    return c.PointsToTest > info.MaxPts && c.PartnerLastMeaning != meaning::PassDefault && c.CandidateLevel < 6;
}

}  // namespace

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

DefinitionContext DefinitionContextFor(const BidderContext& c) {
    DefinitionContext context;
    context.Shown = c.OwnShown();
    context.PartnerShown = c.PartnerInfo;
    if (c.Auction.Opener != NoSeat) context.OpenerShownMin = c.ShownBy(c.Auction.Opener).MinPts;
    context.Candidate = c.CandidateCall;
    context.HighestBid = c.Auction.HighestBid;
    context.Explaining = c.Mode == BidMode::Explain;
    context.RulesMinPts = c.NewBidInfo.MinPts;
    context.RulesMaxPts = c.NewBidInfo.MaxPts;
    if (c.Cards != nullptr) {
        OneNTSituation situation;
        situation.WeVulnerable = SeatVulnerable(c.Vul, c.Bidder);
        situation.TheyVulnerable = SeatVulnerable(c.Vul, NextSeat(c.Bidder));
        const auto range = c.Cards->CardRange(c.Cards->ActiveOneNTRange(situation));
        context.OneNTLow = range.first;
        context.OneNTHigh = range.second;
        context.VeryLightOpenings = c.Cards->VeryLightOpenings();
        const ConventionCards* cards = c.Cards;
        context.CardBounds = [cards](std::string_view code) -> std::optional<std::pair<int, int>> {
            const auto r = cards->CardRange(code);
            if (r.first == 0 && r.second == 0) return std::nullopt;
            return r;
        };
        context.CardTicked = [cards](std::string_view item) { return cards->CardTicked(item); };
    }
    for (int s = Clubs; s <= Spades; ++s) context.OpponentHasShownSuit[At(s)] = OpponentHasShownSuit(c, s);
    return context;
}

bool CardCondition(const BidderContext& c, std::string_view condition) {
    const ConventionCards* cards = c.Cards;
    return CardCondition(condition.substr(0, BidInfoWidths::CardCondition),
                         [cards](std::string_view item) { return cards->CardTicked(item); });
}

bool VulnerabilityMatches(const BidderContext& c, std::string_view code) {
    if (code.empty()) return true;
    const bool we = SeatVulnerable(c.Vul, c.Bidder);
    const bool they = SeatVulnerable(c.Vul, NextSeat(c.Bidder));
    switch (code[0]) {
    case 'N': return !we;
    case 'Y': return we;
    case 'B': return we && they;
    case 'E': return we == they;
    case 'F': return !we && they;
    case 'U': return we && !they;
    default: return true;
    }
}

void VerifyCandidate(BidderContext& c) {
    c.TooStrong = false;
    ChoosePointsToTest(c);
    TestLosersAndPoints(c);
    TestDefinitionConditions(c);
    if (c.Score > score::RejectedByTest) {
        TestWholeHand(c);
        for (int s = Clubs; s <= Spades && c.Score > score::RuledOut; ++s) TestSuit(c, s);
        if (c.CandidateCall == Pass && c.Score == score::RuledOut) c.Score = score::Disabled;
        // A hand marked down only for exceeding the range is still too strong for the call, so the
        // call stays the fallback with the score it earned.
        if (IsTooStrong(c) && c.Score > score::RuledOut) {
            c.TooStrong = true;
            if (c.Score > c.FallbackScore) {
                c.FallbackScore = c.Score;
                c.FallbackCall = c.CandidateCall;
            }
            c.Score = score::TooStrongForCall;
        }
        const TBidInfo& shown = c.OwnShown();
        TBidInfo& info = c.NewBidInfo;
        info.MinPts = std::max(info.MinPts, shown.MinPts);
        info.MaxPts = std::max(std::min(info.MaxPts, shown.MaxPts), info.MinPts);
    }
}

}  // namespace corvane

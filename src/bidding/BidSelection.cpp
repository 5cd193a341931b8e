#include "bidding/BidSelection.h"

#include "bidding/CallText.h"
#include "bidding/DefinitionLanguage.h"
#include "bidding/HandEvaluation.h"
#include "bidding/PartnershipEvaluation.h"
#include "bidding/Verification.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

size_t At(int i) { return static_cast<size_t>(i); }
bool IsSuit(int s) { return s >= Clubs && s <= Spades; }

// Partner's shown maximum above this means "not limited yet" unless a strong meaning says more.
constexpr int UnlimitedMaximum = 30;
constexpr int UnlimitedCountsAs = 13;

// Meanings after which a made call remembers where its sequence key restarts.
bool RestartsSequence(MeaningCode m) {
    return m == meaning::AceAsk || m == meaning::OneNTOpening || m == meaning::TwoNTOpening || m == 128;
}

double RoundToTenth(double x) { return std::round(x * 10.0) / 10.0; }

std::vector<CallCode> CallsSoFar(const BidderContext& c) {
    std::vector<CallCode> calls;
    calls.reserve(c.Auction.Calls.size());
    for (const std::string& text : c.Auction.Calls) calls.push_back(CallFromText(text));
    return calls;
}

void ReportError(BidderContext& c) {
    if (c.ErrorState > 0 && c.ShowMessage) c.ShowMessage("Error in CC - on bid " + CallShortText(c.CandidateCall));
    c.ErrorState = 0;
    if (c.Cards != nullptr) c.Cards->ErrorState = 0;
}

void RunRule(const SituationRule& rule, BidderContext& c) {
    if (rule) rule(c);
}

// Step 2 of the dispatcher: the one rule family that scores this candidate.
const SituationRule& ChooseRule(const BidderContext& c) {
    const SituationRules& r = c.Rules;
    const int p = c.PartnerLastMeaning;
    const CallCode call = c.CandidateCall;
    const auto in = [p](std::initializer_list<int> codes) {
        return std::find(codes.begin(), codes.end(), p) != codes.end();
    };
    if ((p >= 5 && p <= 10) || p == meaning::StrongTwoClubsControls) return r.ScoreSlamAnswer;
    if (call == Pass) return r.ScorePass;
    const bool opponentsOpened1NT = c.Auction.HighestBid == BidCode(1, NoTrump) &&
                                    AreOpponents(c.Auction.Declarer, c.Bidder);
    if (opponentsOpened1NT && c.Cards->CardTicked("XX2C") && in({27, 28, 100}) &&
        (c.Players[RHO(c.Bidder)].LastMeaning == meaning::OneNTOpening ||
         c.Players[LHO(c.Bidder)].LastMeaning == meaning::OneNTOpening)) {
        return r.ScoreDefenceTo1NT;
    }
    if (call == Double) return r.ScoreDouble;
    if (call == Redouble) return r.ScoreRedouble;
    if (c.Cards->CardTicked("ITAL") && r.ScoreTriColour) return r.ScoreTriColour;
    if (p == 33 || (p >= 133 && p <= 152)) return r.ScoreStrongClubContinuation;
    if (in({30, 31, 32, 35, 36, 111}) || (p >= 46 && p <= 72)) return r.ScoreAdvance;
    if (in({2, 3, 4, 24, 25, 26, 34, 37, 115}) || (p >= 73 && p <= 99)) return r.ScoreOpenerRebid;
    if (p >= 100 && p <= 132) return r.ScoreLaterCall;
    if (p == 1 || (p >= 11 && p <= 23) || (p >= 153 && p <= 186)) return r.ScoreSpecialContinuation;
    if (p >= 42 && p <= 45 && IsBid(c.PartnerLastCall)) return r.ScoreNotrumpResponse;
    if (p >= 38 && p <= 41) return r.ScoreSuitResponse;
    if (!IsBid(c.Auction.HighestBid)) return r.ScoreOpening;
    return r.ScoreOvercall;
}

// Step 3.2: raising the strain already named, after a penalty double.
void CheckRaiseAfterPenaltyDouble(BidderContext& c) {
    const int s = c.CandidateStrain;
    if (!IsSuit(s) || s != c.Auction.HighestStrain || !IsBid(c.Auction.HighestBid)) return;
    const int combined = c.PartnerInfo.MinLen[At(s)] + SuitLength(c.BidderHand(), s);
    if (s != c.NewBidInfo.FitSuit && combined < 7) return;
    const int m = c.MeaningCode;
    if (m == 8 || m == 9 || m == 10 || m == 116) return;
    const MeaningCode rho = c.Players[RHO(c.Bidder)].LastMeaning;
    const MeaningCode lho = c.Players[LHO(c.Bidder)].LastMeaning;
    if (!AreOpponents(c.Bidder, c.Auction.Declarer)) {
        if (rho == meaning::PenaltyDouble ||
            (lho == meaning::PenaltyDouble && rho == meaning::PassDefault &&
             c.PartnerLastMeaning == meaning::PassDefault)) {
            c.Score = score::RuledOut;
        }
    } else if (c.Auction.Doubled == 1 && c.CandidateLevel > 1 && s == c.NewBidInfo.FitSuit &&
               rho == meaning::PenaltyDouble) {
        c.Score = score::RuledOut;
    }
}

// Step 3.4: lengths that cannot all hold in thirteen cards are narrowed.
void MakeLengthsConsistent(TBidInfo& info) {
    for (size_t s = 0; s < 4; ++s) {
        int others = 0;
        for (size_t o = 0; o < 4; ++o) others += o == s ? 0 : info.MinLen[o];
        info.MaxLen[s] = std::max(info.MinLen[s], std::min(info.MaxLen[s], 13 - others));
    }
    for (size_t s = 0; s < 4; ++s) {
        int others = 0;
        for (size_t o = 0; o < 4; ++o) others += o == s ? 0 : info.MaxLen[o];
        if (others < 13) info.MinLen[s] = std::max(info.MinLen[s], 13 - others);
    }
}

// Step 4 of the scoring: the definition database's alternatives compete.
void ScoreDefinition(BidderContext& c, const FoundDefinition& found) {
    c.DefinitionSource = found.ByShortenedKey ? definition_source::ShortenedKey : definition_source::Database;
    if (c.CandidateCall == c.FallbackCall) c.FallbackCall = Pass;
    const std::vector<std::string> tokens = DefinitionTokens(found.Definition);
    const int count = ScoredAlternativeCount(tokens);
    const DefinitionContext context = DefinitionContextFor(c);
    std::vector<int> scores;
    int best = 0;
    int bestScore = score::Disabled - 1;
    std::string explanation;
    char restart = 0;
    for (int i = 1; i <= count; ++i) {
        CandidateMeaning candidate;
        candidate.Info = c.NewBidInfo;
        candidate.Score = DefinitionStartScore;
        ApplyDefinition(tokens, i, context, candidate);
        c.NewBidInfo = candidate.Info;
        c.MeaningCode = candidate.Meaning;
        c.Score = candidate.Score;
        c.ErrorState = candidate.ErrorState;
        ReportError(c);
        VerifyCandidate(c);
        scores.push_back(c.Score);
        if (explanation.empty()) explanation = c.NewBidInfo.Explanation;
        if (restart == 0) restart = candidate.RestartMarker;
        if (c.Score > bestScore) {
            bestScore = c.Score;
            best = i;
        }
    }
    CandidateMeaning combined;
    combined.Info = c.NewBidInfo;
    combined.Meaning = c.MeaningCode;
    CombineAlternatives(tokens, scores, context, combined);
    c.NewBidInfo = combined.Info;
    c.MeaningCode = combined.Meaning;
    c.NewBidInfo.Explanation = explanation;
    c.NewBidInfo.SectionName = found.Section;
    if (restart != 0) c.CandidateRestart = {CallShortText(c.CandidateCall), restart};
    c.NewBidInfo.AlternativeIndex = best;
    c.Score = bestScore;
    if (c.MeaningCode == meaning::NoMeaning) c.MeaningCode = meaning::Natural;
}

void KeepInTopTwo(BidderContext& c) {
    KeptCandidate entry{c.CandidateCall, c.MeaningCode, c.Score};
    auto& [first, second] = c.TopTwo;
    if (c.Score < std::min(first.Score, second.Score)) return;
    if (first.Score >= second.Score) {
        second = entry;
    } else {
        first = entry;
    }
}

// Step 5 of the choice: the two best candidates compared by simulating the play.
void ChooseBySimulation(BidderContext& c) {
    if (!c.CompareBySimulation) return;
    auto& [first, second] = c.TopTwo;
    const bool conventional = meaning_sets::ConventionalMeanings.Contains(first.Meaning) ||
                              meaning_sets::ConventionalMeanings.Contains(second.Meaning);
    const bool narrowPartner = c.PartnerMax - c.PartnerMin < 10 || c.PartnerMin > 10;
    if (conventional || !(c.BestMeaning == meaning::PenaltyDouble ||
                          (c.ChosenCall > BidCode(2, Spades) && narrowPartner))) {
        return;
    }
    if (second.Call == Double) first.Call = Double;
    if (first.Call == second.Call) {
        c.ChosenCall = first.Call;
        c.BestScore = first.Score;
        return;
    }
    const int result = std::max(0, c.CompareBySimulation(first.Call, second.Call));
    const KeptCandidate& winner = result > 0 ? first : second;
    c.ChosenCall = winner.Call;
    c.BestScore = winner.Score;
}

void SetBidSuits(BidderContext& c, CallCode call) {
    TBidInfo& info = c.NewBidInfo;
    const int m = c.MeaningCode;
    const int highest = c.Auction.HighestStrain;
    if (m == meaning::JumpCueAsk || m == meaning::UnusualNotrump || m == meaning::TwoSuiter) {
        std::array<int, 2> found{UnsetSuit, UnsetSuit};
        int n = 0;
        for (int k = 1; k <= 4 && n < 2; ++k) {
            const int s = (highest + k) % 5;
            if (IsSuit(s) && info.MinLen[At(s)] >= 4) found[At(n++)] = s;
        }
        info.BidSuit = static_cast<std::uint8_t>(found[0]);
        info.BidSecondSuit = static_cast<std::uint8_t>(found[1]);
        return;
    }
    if (info.BidSuit == UnsetSuit) {
        if (IsBid(call) && IsSuit(highest) && info.MinLen[At(highest)] >= 2 &&
            !meaning_sets::ConventionalMeanings.Contains(m)) {
            info.BidSuit = static_cast<std::uint8_t>(highest);
        } else if (m == meaning::FourthSuitForcing && IsBid(c.OwnLastCall)) {
            info.BidSuit = static_cast<std::uint8_t>(StrainOf(c.OwnLastCall));
        } else if (m == meaning::Overcall || m == meaning::BalancingOvercall) {
            info.BidSuit = static_cast<std::uint8_t>(highest);
        }
    }
    if (m == meaning::WeakTwo || m == meaning::Preempt) info.BidSuit = static_cast<std::uint8_t>(highest);
    if (m == meaning::JacobyTransfer || m == meaning::TexasTransfer) {
        info.BidSuit = static_cast<std::uint8_t>((StrainOf(call) + 1) % 4);
    }
    if (IsBid(call) && IsSuit(highest) && info.BidSecondSuit == UnsetSuit && info.BidSuit != highest &&
        info.MinLen[At(highest)] >= 3) {
        info.BidSecondSuit = static_cast<std::uint8_t>(highest);
    }
}

}  // namespace

void StartAuction(BidderContext& c, TSeat dealer) {
    ResetAuction(c.Auction, dealer);
    c.Restart = {};
    c.CandidateRestart = {};
    c.FirstRoundCuesOnly = {};
    ResetBidInfo(c.NewBidInfo, dealer);
    PrepareHandsForAuction(c.Hands, c.ClosedRoom);
    c.Records.Reset(dealer);
    for (PlayerBidding& player : c.Players) player = PlayerBidding{};
    PrepareBidder(c);
}

void PrepareBidder(BidderContext& c) {
    Auction& a = c.Auction;
    c.Bidder = static_cast<TSeat>((a.Dealer + a.CallCount) % SeatCount);
    if (AuctionComplete(a.Calls)) return;
    const TSeat partner = Partner(c.Bidder);
    for (KeptCandidate& kept : c.TopTwo) kept = KeptCandidate{};
    c.OurMeanings = c.Players[c.Bidder].Meanings | c.Players[partner].Meanings;
    c.TheirMeanings = c.Players[LHO(c.Bidder)].Meanings | c.Players[RHO(c.Bidder)].Meanings;

    TBidInfo& own = c.OwnShown();
    int bestSum = 0;
    for (int s = Clubs; s <= Spades; ++s) {
        const int sum = c.ShownBy(RHO(c.Bidder)).MinLen[At(s)] + c.ShownBy(LHO(c.Bidder)).MinLen[At(s)];
        if (sum > bestSum) {
            bestSum = sum;
            own.OpponentsSuit = static_cast<std::uint8_t>(s);
        }
    }
    if (c.Cards != nullptr) {
        c.Cards->SelectSide(Side(c.Bidder));
        c.CurrentCard = &c.Cards->CurrentCard();
    }
    c.ExplanationNumber = 0;
    c.Players[c.Bidder].ExplanationText.clear();
    c.ComputerChoosing = !c.HumanBidder();

    c.PartnerLastMeaning = c.Players[partner].LastMeaning;
    c.OwnLastMeaning = c.Players[c.Bidder].LastMeaning;
    c.RHOLastCall = CallAgo(a, 1);
    c.PartnerLastCall = CallAgo(a, 2);
    c.LHOLastCall = CallAgo(a, 3);
    c.OwnLastCall = CallAgo(a, 4);
    c.PartnerPreviousCall = CallAgo(a, 6);
    c.OwnPreviousCall = CallAgo(a, 8);

    c.PartnerInfo = c.ShownBy(partner);
    c.BestScore = score::InitialBest;
    c.BestMeaning = meaning::NoMeaning;
    c.BestSection.clear();
    c.ChosenCall = Pass;
    c.PartnerMin = c.PartnerInfo.MinPts;
    c.PartnerMax = c.PartnerInfo.MaxPts;
    c.NewBidInfo = own;

    EvaluatePartnership(c);

    const THands& hand = c.BidderHand();
    c.SavedSupportPts = hand.SupportPts;
    if (c.PartnerMax > UnlimitedMaximum &&
        !c.Players[partner].Meanings.Intersects(meaning_sets::StrongMeanings)) {
        c.PartnerMax = UnlimitedCountsAs;
    }
    c.PartnerMax = std::max(c.PartnerMax, c.PartnerMin);
    c.SlamTryNeed = std::max(0, 31 - c.PartnerMin);
    c.SlamNeed = std::max(0, 33 - c.PartnerMin);
    c.PartnershipMin = TotalPoints(hand) + c.PartnerMin;
    c.PartnershipMax = c.PartnerLastMeaning == meaning::PassDefault ? c.PartnershipMin
                                                                     : TotalPoints(hand) + c.PartnerMax;
    c.Vulnerable = SeatVulnerable(c.Vul, c.Bidder);
    c.RHOPassed = c.RHOLastCall == Pass;
    ApplyUnguardedHonourBonus(c);
}

void DispatchCandidate(BidderContext& c) {
    const CallCode call = c.CandidateCall;
    c.CandidateStrain = IsBid(call) ? StrainOf(call) : NoTrump;
    c.CandidateLevel = LevelOf(call);
    c.NewBidInfo.PointsAreHCP = 0;
    c.MeaningCode = meaning::NoMeaning;
    c.Score = 0;
    c.ExplanationNumber = 0;
    c.ErrorState = 0;
    c.JumpCount = IsBid(call) ? (call - std::max<int>(c.Auction.HighestBid, FirstBid - 1) - 1) / 5 : 0;
    c.CandidateIsMajor = IsMajor(c.CandidateStrain) && IsBid(call);
    THands& hand = c.BidderHand();
    hand.SupportPts = c.SavedSupportPts;
    const int strain = c.CandidateStrain;
    c.FitCardsNeeded = strain == NoTrump ? 7 : std::max(0, 8 - c.PartnerInfo.MinLen[At(strain)]);
    const bool minorFit = c.NewBidInfo.FitSuit == Clubs || c.NewBidInfo.FitSuit == Diamonds;
    c.GameLevel = minorFit ? 5 : 4;
    c.GameNeed = std::max(0, (minorFit ? 29 : 26) - c.PartnerMin);
    c.InviteNeed = std::max(0, c.GameNeed - 3);

    RunRule(ChooseRule(c), c);

    if (c.CandidateLevel > 5 && c.NewBidInfo.MinPts > 0 && !SixLevelStoppers(c)) c.Score = score::RuledOut;
    CheckRaiseAfterPenaltyDouble(c);
    if (c.MeaningCode == meaning::NoMeaning) {
        // A person's 4NT that no rule explains is read as asking for aces.
        if (call == BidCode(4, NoTrump) && !c.ComputerChoosing && !c.NotrumpCode) {
            c.MeaningCode = meaning::AceAsk;
        } else {
            c.Score = score::RuledOut;
        }
    }
    MakeLengthsConsistent(c.NewBidInfo);
    if (c.Score >= 0 && c.CandidateLevel > 5 && c.Auction.HighestLevel < 4) c.Score += 5;
    if (call == Pass) {
        c.PassScoredBelowMinusOne = c.Score < -1;
        c.PointsLeftByPass = c.NewBidInfo.MaxPts >= TotalPoints(hand) ? c.NewBidInfo.MaxPts : c.NewBidInfo.MinPts;
    }
}

void ScoreCandidate(BidderContext& c, CallCode call) {
    c.NewBidInfo = c.OwnShown();
    c.CandidateCall = call;
    c.CandidateRestart = {};
    c.NotrumpCode = false;

    c.DefinitionSource = definition_source::Rules;
    DispatchCandidate(c);
    c.NewBidInfo.MaxLosers = RoundToTenth(c.NewBidInfo.MaxLosers);
    c.NewBidInfo.MinLosers = RoundToTenth(c.NewBidInfo.MinLosers);
    VerifyCandidate(c);
    if (c.Cards != nullptr && c.Cards->ErrorState > 0) c.ErrorState = c.Cards->ErrorState;
    ReportError(c);
    c.NewBidInfo.Explanation = c.ExplanationNumber > 0 ? std::to_string(c.ExplanationNumber) : std::string();
    if (RestartsSequence(c.MeaningCode) && !c.NotrumpCode) c.CandidateRestart = {CallShortText(call), '@'};

    if (c.Score <= 300 && c.Databases != nullptr && c.Cards != nullptr) {
        LookupSituation situation;
        situation.Calls = CallsSoFar(c);
        situation.Candidate = call;
        situation.SpecialSystem = c.Cards->CurrentCard().Value("SPECIALSYSTEM");
        situation.Restart = c.Restart;
        const std::string key = SequenceKey(situation.Calls, call, c.Restart);
        const FoundDefinition found = FindDefinition(c.Databases->Side(Side(c.Bidder)), key, situation);
        if (found.Found) ScoreDefinition(c, found);
    }

    const bool discarded = c.Mode != BidMode::TestPad && c.ComputerChoosing && call != Pass &&
                           c.BestScore >= c.Score && (c.Score != c.BestScore || c.Score < 0);
    // A definition's plain 200 is not displaced by a low call from another section.
    const bool keepDefinition = c.ComputerChoosing && c.BestScore == DefinitionStartScore &&
                                !c.BestSection.empty() && c.CandidateLevel <= 4 && c.CandidateLevel > 0 &&
                                c.NewBidInfo.SectionName != c.BestSection;
    if (discarded || keepDefinition) return;
    c.ChosenCall = call;
    c.BestScore = c.Score;
    c.BestMeaning = c.MeaningCode;
    c.BestSection = c.DefinitionSource == definition_source::Rules ? std::string() : c.NewBidInfo.SectionName;
    c.NewBidInfo.DefinitionSource = static_cast<std::uint8_t>(c.DefinitionSource);
}

void ChooseComputerCall(BidderContext& c, bool useSimulation) {
    c.ComputerChoosing = true;
    c.FallbackCall = Pass;
    c.FallbackScore = score::NoFallback;
    for (KeptCandidate& kept : c.TopTwo) kept = KeptCandidate{};
    c.BestScore = score::InitialBest;
    c.ChosenCall = Pass;

    ScoreCandidate(c, Pass);
    KeepInTopTwo(c);
    const Auction& a = c.Auction;
    const bool defending = AreOpponents(c.Bidder, a.Declarer);
    if (IsBid(a.HighestBid) && defending && a.Doubled == 0) {
        ScoreCandidate(c, Double);
        KeepInTopTwo(c);
    } else if (IsBid(a.HighestBid) && !defending && a.Doubled == 1) {
        ScoreCandidate(c, Redouble);
        KeepInTopTwo(c);
    }
    for (int code = std::max<int>(a.HighestBid + 1, FirstBid); code <= LastBid; ++code) {
        ScoreCandidate(c, static_cast<CallCode>(code));
        if (c.Score >= std::min(c.TopTwo[0].Score, c.TopTwo[1].Score)) KeepInTopTwo(c);
    }
    if (useSimulation) ChooseBySimulation(c);
    if (c.FallbackScore > score::NoFallback && c.BestScore < -2) c.ChosenCall = c.FallbackCall;
    // Every candidate, the pass included, ruled out: a ruled-out bid would be a call whose
    // meaning nobody can read, so the computer passes.
    else if (c.BestScore <= score::RuledOut) c.ChosenCall = Pass;
    c.ComputerChoosing = false;
}

std::string AcceptCall(BidderContext& c, CallCode call) {
    c.ComputerChoosing = false;
    const TSeat bidder = c.Bidder;
    PlayerBidding& player = c.Players[bidder];
    THands& hand = c.BidderHand();
    ScoreCandidate(c, call);
    TBidInfo& info = c.NewBidInfo;
    TBidInfo& shown = c.OwnShown();
    const TBidInfo shownBefore = shown;
    if (c.MeaningCode == meaning::WeakJumpOvercall && info.MinPts > 11) c.MeaningCode = meaning::Overcall;

    std::string explanation;
    if (!info.Explanation.empty()) {
        explanation = c.Alerts != nullptr ? ExplanationText(info.Explanation, *c.Alerts)
                                          : ExplanationText(info.Explanation, CodeTable{});
    }
    player.LastCall = call;
    info.MaxPts = std::max(info.MaxPts, shown.MinPts);
    if (c.MeaningCode == 122) c.Records.Shown[Partner(bidder)].TrumpSuit = NoSuit;
    if (c.ExplanationsHidden[bidder]) explanation.clear();
    if (shown.MaxPts < UnlimitedMaximum && shown.PointsAreHCP) {
        shown.MaxPts = std::max(info.MaxPts, shown.MaxPts + hand.LengthPts);
    }
    if (hand.PlayedHere) {
        for (int s = Clubs; s <= Spades; ++s) {
            if (info.MinLen[At(s)] > shown.MinLen[At(s)] && info.MinLen[At(s)] > SuitLength(hand, s)) {
                info.OneShortSuit = static_cast<std::uint8_t>(s);
            }
        }
        const int total = TotalPoints(hand);
        if (info.MinPts > total) hand.SupportPts += info.MinPts - total;
    }
    AppendCallText(c.Auction, call, explanation);
    if (info.Explanation == "51") c.MeaningCode = meaning::Splinter;
    if (c.MeaningCode == meaning::NoMeaning) c.MeaningCode = meaning::Natural;

    player.LastMeaning = c.MeaningCode;
    if (c.CandidateRestart.Marker == '^' && c.MeaningCode != meaning::CueMarker) {
        player.LastMeaning = meaning::ControlDouble;
    }
    player.Meanings.Insert(c.MeaningCode);
    player.ExplanationText = explanation;
    for (int s = Clubs; s <= Spades; ++s) {
        const int min = info.MinLen[At(s)];
        if (min >= 4 || (min == 3 && (c.MeaningCode == meaning::OneClubOpening ||
                                      c.MeaningCode == meaning::OneDiamondOpening))) {
            info.Stopper[At(s)] = std::max(info.Stopper[At(s)], 1);
        }
    }
    const bool opens = IsBid(call) && c.Auction.Opener == NoSeat &&
                       (meaning_sets::OpeningMeanings.Contains(c.MeaningCode) || !IsBid(c.Auction.HighestBid));
    RecordCall(c.Auction, call, opens);
    SetBidSuits(c, call);

    AgreeTrumpSuit(c);
    if (c.NotrumpCode) info.FitSuit = NoSuit;
    if (c.MeaningCode == meaning::NegativeDouble ||
        (c.MeaningCode >= meaning::TakeoutDouble && c.MeaningCode <= meaning::ActionDouble)) {
        for (int s = Clubs; s <= Spades; ++s) {
            if (info.MinLen[At(s)] > shownBefore.MinLen[At(s)]) player.RaiseMark[At(s)] = true;
        }
    }
    if (meaning_sets::ShowsValuesMeanings.Contains(c.MeaningCode)) AdjustHonourPositions(c, shownBefore);
    if (c.CandidateRestart.Marker != 0) c.Restart = c.CandidateRestart;

    MergeShown(shown, info);
    AdvanceTurn(c.Auction);
    PrepareBidder(c);
    return explanation;
}

namespace {

CallMeaning DescribeCandidate(const BidderContext& c) {
    CallMeaning result;
    result.Call = c.CandidateCall;
    result.Meaning = c.MeaningCode;
    result.Score = c.Score;
    result.Info = c.NewBidInfo;
    result.ShownBefore = c.OwnShown();
    if (!c.NewBidInfo.Explanation.empty()) {
        result.Explanation = ExplanationText(c.NewBidInfo.Explanation, c.Alerts ? *c.Alerts : CodeTable{});
    }
    return result;
}

}  // namespace

CallMeaning HintCall(BidderContext& c) {
    const BidderContext saved = c;
    c.Mode = BidMode::Hint;
    PrepareBidder(c);
    ChooseComputerCall(c, false);
    const CallCode chosen = c.ChosenCall;
    c.ComputerChoosing = false;
    ScoreCandidate(c, chosen);
    CallMeaning result = DescribeCandidate(c);
    c = saved;
    return result;
}

CallMeaning TestCall(BidderContext& c, CallCode call) {
    const BidderContext saved = c;
    c.Mode = BidMode::TestPad;
    c.ComputerChoosing = false;
    ScoreCandidate(c, call);
    CallMeaning result = DescribeCandidate(c);
    c = saved;
    return result;
}

CallMeaning ExplainLastCall(const BidderContext& c, TSeat seat) {
    CallMeaning result;
    const PlayerBidding& player = c.Players[seat];
    result.Call = player.LastCall;
    result.Meaning = player.LastMeaning;
    result.Info = c.ShownBy(seat);
    ResetBidInfo(result.ShownBefore, c.Auction.Dealer);
    result.Explanation = player.ExplanationText;
    return result;
}

}  // namespace corvane

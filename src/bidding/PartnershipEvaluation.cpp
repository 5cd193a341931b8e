#include "bidding/PartnershipEvaluation.h"

#include "bidding/HandEvaluation.h"
#include "bidding/SuitEvaluation.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

// Minimum points for the partnership at each level, 1..8; suit bids and notrump.
constexpr std::array<int, 8> SuitLevelPoints{18, 22, 23, 26, 29, 32, 37, 50};
constexpr std::array<int, 8> NotrumpLevelPoints{16, 23, 25, 31, 35, 33, 37, 50};

size_t At(int i) { return static_cast<size_t>(i); }

Holding HoldingOf(const BidderContext& c, int suit) { return c.BidderHand().HoldingOf(suit); }
int LengthOf(const BidderContext& c, int suit) { return SuitLength(c.BidderHand(), suit); }
int PartnerShownLength(const BidderContext& c, int suit) { return c.PartnerInfo.MinLen[At(suit)]; }
bool IsSuit(int s) { return s >= Clubs && s <= Spades; }

}  // namespace

// ---- Record setters ---------------------------------------------------------------------------

void SetPoints(BidderContext& c, int min, int max) {
    c.NewBidInfo.MinPts = min;
    c.NewBidInfo.MaxPts = std::max(max, min);
}

void SetLength(BidderContext& c, int suit, int min, int max) {
    c.NewBidInfo.MinLen[At(suit)] = min;
    c.NewBidInfo.MaxLen[At(suit)] = max;
}

void ShowBalanced(BidderContext& c) {
    SetLength(c, Clubs, 2, 5);
    SetLength(c, Diamonds, 2, 5);
    SetLength(c, Hearts, 2, 4);
    SetLength(c, Spades, 2, 4);
    c.NewBidInfo.BalancedShown = 1;
}

void ShowBalancedUpTo(BidderContext& c, int n) {
    for (int s = Clubs; s <= Spades; ++s) SetLength(c, s, 2, n);
    c.NewBidInfo.BalancedShown = 1;
}

void ShowStoppersWherePartnerHasNone(BidderContext& c, int k) {
    for (int s = Clubs; s <= Spades; ++s) {
        if (c.PartnerInfo.Stopper[At(s)] < 1) {
            c.NewBidInfo.Stopper[At(s)] = std::max(c.NewBidInfo.Stopper[At(s)], k);
        }
    }
}

int PointsForLevel(const BidderContext& c, int level) {
    level = std::clamp(level, 1, 8);
    int points = SuitLevelPoints[At(level - 1)] - c.PartnerMin;
    if (level == 5 && c.CandidateIsMajor) ++points;
    return points;
}

void SetPointsForLevel(BidderContext& c, int level) { c.NewBidInfo.MinPts = PointsForLevel(c, level); }

void SetNTPoints(BidderContext& c, int level) {
    level = std::clamp(level, 1, 8);
    TBidInfo& info = c.NewBidInfo;
    info.MinPts = NotrumpLevelPoints[At(level - 1)] - c.PartnerMin;
    info.MaxPts = level > 4 ? info.MinPts + 1 : std::max(info.MinPts + 3, 33 - c.PartnerMax);
    if (level >= 4 && c.MeaningCode == meaning::NaturalNotrump) {
        c.MeaningCode = meaning::HighNaturalNotrump;
    }
}

void AllowOneShort(BidderContext& c) {
    const int s = c.CandidateStrain;
    if (IsSuit(s) && c.JumpCount == 0 &&
        c.NewBidInfo.MinLen[At(s)] == LengthOf(c, s) + 1 &&
        c.PartnerInfo.MaxLen[At(s)] + LengthOf(c, s) > 7 && c.PartnerInfo.OneShortSuit != s) {
        c.NewBidInfo.OneShortSuit = static_cast<std::uint8_t>(s);
        c.Score = 1;
    } else {
        c.NewBidInfo.OneShortSuit = NoSuit;
    }
}

void RecordCueControl(BidderContext& c, int suit) {
    TBidInfo& info = c.NewBidInfo;
    const size_t s = At(suit);
    if (c.FirstRoundCuesOnly[At(Side(c.Bidder) - 1)]) {
        info.FirstControl[s] = ShownYes;
    } else if (info.FirstControl[s] == ShownYes || info.SecondControl[s] == ShownYes) {
        if (info.FirstControl[s] == ShownYes) {
            info.SecondControl[s] = ShownYes;
        } else {
            info.SecondControl[s] = Unknown;
        }
    } else if (c.Cards->CueBidsShowSecondRoundControl()) {
        info.SecondControl[s] = ShownYes;
    } else {
        info.FirstControl[s] = ShownYes;
    }
}

// ---- Predicates -------------------------------------------------------------------------------

bool ControlShown(const TBidInfo& record, int suit) {
    return record.FirstControl[At(suit)] == ShownYes || record.SecondControl[At(suit)] == ShownYes;
}

bool HasShownSuit(const BidderContext& c, int seat, int suit) {
    const TBidInfo& shown = c.ShownBy(seat);
    const PlayerBidding& player = c.Players[At(seat)];
    if (shown.CompetitionSuit == suit) return true;
    if (suit == Clubs && player.Meanings.Contains(meaning::OneClubOpening)) return true;
    if (suit == Diamonds && player.Meanings.Contains(meaning::OneDiamondOpening)) return true;
    const int min = shown.MinLen[At(suit)];
    if (min < 3) return false;
    if (min == 3) return shown.BidSuit == suit;
    if (min == 4) return !player.RaiseMark[At(suit)];
    return true;
}

bool OpponentHasShownSuit(const BidderContext& c, int suit) {
    if (HasShownSuit(c, RHO(c.Bidder), suit) || HasShownSuit(c, LHO(c.Bidder), suit)) return true;
    return suit == Diamonds && c.TheirMeanings.Contains(meaning::PrecisionOneDiamond);
}

bool BothOpponentsShownSuit(const BidderContext& c, int suit) {
    return HasShownSuit(c, RHO(c.Bidder), suit) && HasShownSuit(c, LHO(c.Bidder), suit);
}

bool OurSideHasShownSuit(const BidderContext& c, int suit) {
    if (HasShownSuit(c, c.Bidder, suit) || HasShownSuit(c, Partner(c.Bidder), suit)) return true;
    return suit == Diamonds && c.OurMeanings.Contains(meaning::PrecisionOneDiamond);
}

int OpponentsMaxLength(const BidderContext& c, int suit) {
    return std::max(c.ShownBy(RHO(c.Bidder)).MinLen[At(suit)],
                    c.ShownBy(LHO(c.Bidder)).MinLen[At(suit)]);
}

bool OpponentsBidSuit(const BidderContext& c, int suit) {
    for (TSeat seat : {RHO(c.Bidder), LHO(c.Bidder)}) {
        const TBidInfo& shown = c.ShownBy(seat);
        if (shown.MinLen[At(suit)] > 4 || shown.BidSuit == suit || shown.BidSecondSuit == suit) {
            return true;
        }
    }
    return false;
}

bool IsPartnersSuit(const BidderContext& c, int suit) {
    return c.PartnerInfo.BidSuit == suit || c.PartnerInfo.BidSecondSuit == suit;
}

int OpponentsCombinedMin(const BidderContext& c) {
    return c.ShownBy(RHO(c.Bidder)).MinPts + c.ShownBy(LHO(c.Bidder)).MinPts;
}

int SuitsStoppedByUs(const BidderContext& c) {
    int n = 0;
    for (int s = Clubs; s <= Spades; ++s) {
        n += IsStopper(HoldingOf(c, s)) || c.PartnerInfo.Stopper[At(s)] > 0;
    }
    return n;
}

bool NotrumpCovered(const BidderContext& c) {
    const MeaningSet& partner = c.Players[Partner(c.Bidder)].Meanings;
    if (partner.Intersects(meaning_sets::NotrumpMeanings) && c.PartnerMin > 14) return true;
    return SuitsStoppedByUs(c) == 4;
}

int WeakDoubleton(const BidderContext& c) {
    int found = NoSuit;
    for (int s = Clubs; s <= Spades; ++s) {
        const Holding h = HoldingOf(c, s);
        if (Length(h) == 2 && (h & FullSuit) < RankBit(Queen) && PartnerShownLength(c, s) < 3) {
            found = s;
        }
    }
    return found;
}

bool FirstRoundControlIn(const BidderContext& c, int suit) {
    const Holding h = HoldingOf(c, suit);
    return Holds(h, Ace) || (Length(h) == 0 && PartnerShownLength(c, suit) < 4);
}

bool SecondRoundControlIn(const BidderContext& c, int suit) {
    const Holding h = HoldingOf(c, suit);
    return Holds(h, King) || (Length(h) == 1 && PartnerShownLength(c, suit) < 4);
}

bool OpponentsShowTwoSuits(const BidderContext& c) {
    int n = 0;
    for (int s = Clubs; s <= Spades; ++s) n += OpponentHasShownSuit(c, s);
    return n >= 2;
}

bool TwoFits(const BidderContext& c) {
    int n = 0;
    for (int s = Clubs; s <= Spades; ++s) n += LengthOf(c, s) + PartnerShownLength(c, s) > 7;
    return n >= 2;
}

bool UnshownAcesMissing(const BidderContext& c, int n) {
    int missing = 0;
    for (int s = Clubs; s <= Spades; ++s) {
        missing += !ControlShown(c.PartnerInfo, s) && !Holds(HoldingOf(c, s), Ace);
    }
    return missing >= n;
}

int CoverCards(const BidderContext& c) {
    const int f = c.NewBidInfo.FitSuit;
    int total = IsSuit(f) ? std::min(2, std::max(0, LengthOf(c, f) - 3)) : 0;
    const int shownFit = c.OwnShown().FitSuit;
    for (int i = Clubs; i <= Spades; ++i) {
        if (i == f) continue;
        const Holding h = HoldingOf(c, i);
        int count = TopHonourCount(h);
        if (PartnerShownLength(c, i) < 4) {
            if (!Holds(h, Ace)) count = std::max(0, count - 1);
            if (count < 2 && Length(h) < 2 && IsSuit(shownFit)) {
                count = std::min(2, std::max(0, LengthOf(c, shownFit) - 2));
            }
        }
        total += count;
    }
    return total;
}

double PartnerLosers(const BidderContext& c) {
    const double most = c.PartnerInfo.MaxLosers;
    if (most > 11.5) {
        double losers = 12.0 - c.PartnerMin / 2.9;
        const TSeat partner = Partner(c.Bidder);
        if (c.Auction.Opener == partner && c.PartnerMin > 11) losers = std::min(losers, 7.0);
        if (c.PartnerInfo.MinControls > 0) {
            losers = std::min(losers, 11.5 - c.PartnerInfo.MinControls / 2.0);
        }
        return losers;
    }
    if (c.PartnerMin < 6) return std::max(most, 11.0);
    return most;
}

int CountCodeSigned(std::string_view code) {
    if (code.empty()) return 0;
    if (code[0] == '<') return code.size() > 1 && code[1] >= '0' && code[1] <= '9' ? -(code[1] - '0') : 0;
    return code[0] >= '0' && code[0] <= '9' ? code[0] - '0' : 0;
}

int PartnerShownControls(const BidderContext& c) {
    // A "<n" code promises nothing, a ">n" code n.
    const auto value = [](const std::string& code) {
        if (code.empty() || code[0] == '<') return 0;
        const char digit = code[0] == '>' && code.size() > 1 ? code[1] : code[0];
        return digit >= '0' && digit <= '9' ? digit - '0' : 0;
    };
    return std::max(c.PartnerInfo.MinControls,
                    value(c.PartnerInfo.AcesCode) + value(c.PartnerInfo.KingsCode));
}

bool SixLevelStoppers(BidderContext& c) {
    bool all = true;
    for (int s = Clubs; s <= Spades; ++s) {
        if (!OpponentHasShownSuit(c, s) || c.PartnerInfo.Stopper[At(s)] > 0) continue;
        c.NewBidInfo.Stopper[At(s)] = 1;
        const Holding h = HoldingOf(c, s);
        if (!IsStopper(h) && Length(h) != 0) all = false;
    }
    return all;
}

// ---- Fit suit and fit points ------------------------------------------------------------------

void AwardFitPoints(BidderContext& c, int t) {
    PlayerBidding& player = c.Players[c.Bidder];
    THands& hand = c.BidderHand();
    TBidInfo& shown = c.OwnShown();
    if (player.FitCounted || !IsSuit(t) || hand.SupportPts > 1) return;
    const int length = LengthOf(c, t);
    const int trumps = std::max(length, shown.MinLen[At(t)]);
    const int partnerTrumps = PartnerShownLength(c, t);
    int n = 0;
    if (partnerTrumps + trumps >= 8 && trumps >= 3 && partnerTrumps >= 3) {
        for (int i = Clubs; i <= Spades; ++i) {
            const int li = LengthOf(c, i);
            const bool excluded = (shown.ShortnessExcluded >> i) & 1U;
            if (i == t) {
                if (partnerTrumps + length >= 9 && length >= 4) {
                    ++hand.LengthPts;
                    player.FitCounted = true;
                }
            } else if ((li <= 2 && trumps > 3) ||
                       (li <= 1 && trumps > 1 && PartnerShownLength(c, i) <= 4 && !excluded)) {
                if (SuitHCP(HoldingOf(c, i)) <= 1) n += 3 - li;
            } else if (li + PartnerShownLength(c, i) >= 8) {
                ++n;
            }
        }
        if (length <= 3 && n > 0) {
            --n;
        } else if (hand.ShapeCode == 4441 && n == 2) {
            n = 3;
        }
    }
    if (n > 0) {
        hand.SupportPts = std::max(hand.SupportPts, n);
        player.FitCounted = true;
    }
    const int total = TotalPoints(hand);
    if (total > shown.MaxPts) shown.MaxPts = std::min(MostPoints, shown.MaxPts + std::min(n, total - shown.MaxPts));
    if (partnerTrumps + trumps >= 8) {
        shown.TrumpSuit = shown.NTChoice = shown.FitSuit = static_cast<std::uint8_t>(t);
    }
}

namespace {

void ChooseFitSuit(BidderContext& c) {
    TBidInfo& shown = c.OwnShown();
    const THands& hand = c.BidderHand();
    shown.FitSuit = UnsetSuit;
    if (c.OurMeanings.Empty()) return;
    const int calls = c.CallCount();
    int need = 7;
    if (c.OurMeanings.Contains(meaning::AceAsk) && shown.TrumpSuit != UnsetSuit) {
        shown.FitSuit = shown.TrumpSuit;
    } else if (c.PartnerLastMeaning == meaning::AceAnswer && shown.TrumpSuit == UnsetSuit) {
        const int l = LongestSuit(hand);
        shown.TrumpSuit = static_cast<std::uint8_t>(
            LengthOf(c, l) + PartnerShownLength(c, l) >= 8 ? l : NoSuit);
        shown.FitSuit = shown.TrumpSuit;
    } else if (c.OwnLastMeaning == meaning::MinorTransfer) {
        shown.FitSuit = shown.TrumpSuit = DiamondLength(hand) > ClubLength(hand) ? Diamonds : Clubs;
    } else if (c.PartnerLastMeaning == meaning::FiveLevelRaise) {
        shown.FitSuit = c.PartnerInfo.BidSuit;
    } else {
        for (int s = Clubs; s <= Spades; ++s) {
            if (OpponentsBidSuit(c, s)) continue;
            const int length = LengthOf(c, s);
            const int p = PartnerShownLength(c, s);
            const int combined = length + p;
            if (combined < need) continue;
            const bool major = IsMajor(s);
            const bool take =
                (c.OwnLastMeaning == meaning::StrongTakeoutDouble && s == StrainOf(c.PartnerLastCall) &&
                 IsBid(c.PartnerLastCall) && length >= 3) ||
                (major && length >= 7 && SuitHCP(HoldingOf(c, s)) >= 6 && calls >= 8) ||
                (combined == 7 && major && (length >= 6 || p >= 6) && need <= 8) ||
                (!major && combined > 7 && c.TheirMeanings.Contains(meaning::WeakJumpOvercall)) ||
                (major && combined > 7 && (length == 4 || shown.FitSuit != Hearts)) ||
                combined > 8 ||
                (combined == 7 && length >= 3 && major && calls > 9 && shown.TrumpSuit == UnsetSuit &&
                 !hand.Balanced);
            if (take) {
                shown.FitSuit = static_cast<std::uint8_t>(s);
                need = combined;
            }
        }
        if (shown.FitSuit == UnsetSuit && shown.TrumpSuit != UnsetSuit) shown.FitSuit = shown.TrumpSuit;
    }

    const int fit = shown.FitSuit;
    if (IsSuit(fit)) {
        const int length = LengthOf(c, fit);
        const bool minor = !IsMajor(fit);
        const bool skip =
            (minor && hand.Balanced && need == 8 && (length == 2 || length == 6)) ||
            (minor && need < 9 && (HeartLength(hand) >= 4 || SpadeLength(hand) >= 4) && calls < 6 &&
             c.Auction.HighestBid < BidCode(2, Spades) + 1);
        if (!skip) AwardFitPoints(c, fit);
    } else if (fit == UnsetSuit) {
        TBidInfo& partner = c.Records.Shown[Partner(c.Bidder)];
        if (partner.TrumpSuit != UnsetSuit && (c.PartnerLastMeaning == meaning::PassDefault ||
                                               c.PartnerLastMeaning == meaning::SignOff)) {
            shown.FitSuit = partner.TrumpSuit;
            AwardFitPoints(c, shown.FitSuit);
        } else if (hand.ShapeCode <= 6499 && c.PartnerLastMeaning == meaning::AceAsk) {
            shown.FitSuit = shown.TrumpSuit = NoSuit;
            if (partner.TrumpSuit == UnsetSuit) partner.TrumpSuit = NoSuit;
        }
    }
    THands& mutableHand = c.BidderHand();
    if (c.Players[Partner(c.Bidder)].Meanings.Contains(meaning::StrongTwoClubs) &&
        TotalPoints(mutableHand) <= 5 && Aces(mutableHand) == 1) {
        mutableHand.SupportPts = std::max(mutableHand.SupportPts, 6 - mutableHand.HCP);
    }
}

bool PartnerBidNotrump(const BidderContext& c) {
    return c.PartnerLastMeaning >= meaning::OneNTOpening && c.PartnerLastMeaning <= meaning::ThreeNTOpening;
}

void InferPartnerControls(BidderContext& c) {
    int controls = c.PartnerInfo.MinControls;
    if (controls <= 0) return;
    const THands& hand = c.BidderHand();
    const int kingFromOdd = controls % 2;
    controls -= kingFromOdd;
    int aces = 0;
    int kings = 0;
    if (Kings(hand) + kingFromOdd == 4) {
        aces = controls / 2;
        kings = kingFromOdd;
    } else {
        aces = std::min(controls / 2, 4 - Aces(hand));
        kings = kingFromOdd + controls - 2 * aces;
    }
    int extra = 0;
    const int fit = c.NewBidInfo.FitSuit;
    if (c.PartnerInfo.TrumpQueen == 1) {
        extra = 2;
    } else if (c.PartnerInfo.TrumpHonoursShown > 0 && IsSuit(fit) &&
               !Holds(HoldingOf(c, fit), Queen) &&
               TopHonourCount(HoldingOf(c, fit)) + c.PartnerInfo.TrumpHonoursShown == 3) {
        extra = 2;
    }
    c.PartnerMin = std::max(c.PartnerMin, 4 * aces + 3 * kings + extra + 2);
    TBidInfo& partner = c.Records.Shown[Partner(c.Bidder)];
    partner.AcesCode = std::to_string(aces);
    partner.KingsCode = std::to_string(kings);
    c.PartnerInfo.AcesCode = partner.AcesCode;
    c.PartnerInfo.KingsCode = partner.KingsCode;
}

}  // namespace

void EvaluatePartnership(BidderContext& c) {
    THands& hand = c.BidderHand();
    TBidInfo& shown = c.OwnShown();
    const bool partnerNotrump = PartnerBidNotrump(c);
    if (!partnerNotrump) {
        if (shown.TrumpSuit == UnsetSuit && (c.PartnerLastMeaning == meaning::AceAsk ||
                                             c.PartnerLastMeaning == meaning::ControlDouble)) {
            shown.TrumpSuit = c.PartnerInfo.TrumpSuit;
        }
    } else {
        const double x = std::max<double>(PartnerShownControls(c), (c.PartnerMax - 1) / 3.0);
        if (hand.LosingTricks - x > 1) {
            const int d = std::max(0, hand.LengthPts - 2);
            hand.SupportPts += d;
            shown.MaxPts += d;
        }
    }
    ChooseFitSuit(c);
    if (partnerNotrump && hand.ShapeCode > 5400 && ShortestLength(hand) < 2 && hand.SupportPts < 1) {
        hand.SupportPts += 1;
    }
    InferPartnerControls(c);
    if (c.PartnerLastCall >= BidCode(1, Diamonds) && c.PartnerLastCall <= BidCode(2, Spades)) {
        const int suit = StrainOf(c.PartnerLastCall);
        if (IsSuit(suit) && !Holds(HoldingOf(c, suit), Ace)) {
            shown.ShortnessExcluded = static_cast<std::uint8_t>(shown.ShortnessExcluded | (1U << suit));
        }
    }
}

void ApplyUnguardedHonourBonus(BidderContext& c) {
    THands& hand = c.BidderHand();
    TBidInfo& shown = c.OwnShown();
    const auto bonus = [&](int suit, bool onlyWhileShort) {
        if (!IsSuit(suit) || !UnguardedHonour(HoldingOf(c, suit))) return;
        if ((shown.UnguardedSuits >> suit) & 1U) return;
        if (onlyWhileShort && hand.LengthPts >= 4) return;
        ++hand.LengthPts;
        shown.UnguardedSuits = static_cast<std::uint8_t>(shown.UnguardedSuits | (1U << suit));
    };
    bonus(c.PartnerInfo.BidSuit, true);
    bonus(c.PartnerInfo.BidSecondSuit, false);
}

void AdjustHonourPositions(BidderContext& c, const TBidInfo& before) {
    const TSeat caller = c.Bidder;
    for (TSeat x : {LHO(caller), RHO(caller)}) {
        THands& hand = c.Hands[x];
        const int start = hand.SupportPts;
        for (int s = Clubs; s <= Spades; ++s) {
            if (c.NewBidInfo.Stopper[At(s)] <= 0 || before.Stopper[At(s)] > 0) continue;
            const Holding h = hand.HoldingOf(s);
            const int points = SuitHCP(h);
            if (points < 1 || points > 8) continue;
            if (Length(h) == 3 && points == 6 && !Holds(h, Ace)) continue;
            int step = 0;
            if (x == LHO(caller)) {  // the caller sits before X
                if ((Holds(h, King) && Length(h) >= 3 && !Holds(h, Ace)) ||
                    (Holds(h, Queen) && Length(h) >= 4)) {
                    step = 1;
                }
            } else if ((Holds(h, King) && !Holds(h, Ace)) || Holds(h, Queen) || Holds(h, Jack)) {
                step = -1;
            }
            hand.SupportPts += step;
            if (step < 0 && Holds(h, King) && std::lround(hand.LosingTrickAdjust) == 0) {
                hand.LosingTrickAdjust += 1.0;
            }
        }
        hand.SupportPts = std::clamp(hand.SupportPts, start - 2, start + 2);
    }
}

void AgreeTrumpSuit(BidderContext& c) {
    TBidInfo& partner = c.Records.Shown[Partner(c.Bidder)];
    int agreed = c.NewBidInfo.TrumpSuit;
    if (agreed == UnsetSuit) agreed = partner.TrumpSuit;
    if (agreed == UnsetSuit) agreed = c.NewBidInfo.FitSuit;
    if (agreed == UnsetSuit) agreed = partner.FitSuit;
    if (agreed == UnsetSuit) return;
    const auto mark = [agreed](TBidInfo& info) {
        for (int s = Clubs; s <= Spades; ++s) info.TrumpCandidate[At(s)] = s == agreed ? ShownYes : Denied;
    };
    mark(c.NewBidInfo);
    c.NewBidInfo.TrumpSuit = static_cast<std::uint8_t>(agreed);
    if (IsSuit(agreed)) mark(partner);
    partner.TrumpSuit = static_cast<std::uint8_t>(agreed);
}

}  // namespace corvane

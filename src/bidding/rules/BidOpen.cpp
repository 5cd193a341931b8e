// Opening bids: the first bid at the table, by the card of the side. One of a suit by length,
// strength and seat; notrump by range; two-level openings as the card defines them (strong
// artificial 2C, natural forcing, weak, strong natural, Flannery, Roman); preempts by seat and
// vulnerability; and the Precision openings when the card plays that system.
#include "bidding/rules/SituationRules.h"

#include "bidding/HandEvaluation.h"
#include "bidding/PartnershipEvaluation.h"
#include "bidding/SuitEvaluation.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace corvane {

namespace {

size_t At(int i) { return static_cast<size_t>(i); }

// Where the opening scorer looks: the candidate, the hand and the card of the side.
struct Opening {
    BidderContext& c;
    THands& hand;
    ConventionCards& card;
    TBidInfo& info;
    int strain;
    int level;
    int seat;  // 0 first .. 3 fourth

    explicit Opening(BidderContext& context)
        : c(context), hand(context.BidderHand()), card(context.Card()), info(context.NewBidInfo),
          strain(context.CandidateStrain), level(context.CandidateLevel), seat(context.CallCount()) {}

    int Length(int suit) const { return SuitLength(hand, suit); }
    Holding Suit(int suit) const { return hand.HoldingOf(suit); }
    int Total() const { return TotalPoints(hand); }
    bool FirstOrSecond() const { return seat < 2; }
    const std::string& Value(std::string_view key) const { return card.CurrentCard().Value(key); }
    bool Is(std::string_view key, std::string_view value) const { return card.CardEquals(key, value); }
    bool Ticked(std::string_view key) const { return card.CardTicked(key); }
    // A two-bid key's value as compared: upper case, four characters at most.
    std::string TwoBidValue(int suit) const {
        static constexpr std::array<std::string_view, 4> keys{"2C", "2D", "2H", "2S"};
        std::string v = Value(keys[At(suit)]).substr(0, 4);
        for (char& ch : v) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return v;
    }
    int RelativeVul() const { return RelativeVulnerability(c.Vul, Side(c.Bidder)); }
    // Tricks a preempt may go down: 4 favourable, 3 equal, 2 unfavourable.
    int PreemptAllowance() const { return 4 - RelativeVul(); }
    // Scores a candidate not already ruled out.
    void ScoreIfAlive(int v) const {
        if (c.Score > score::RuledOut) c.Score = v;
    }
};

void SetRange(Opening& o, std::string_view code) {
    SetPoints(o.c, o.card.CardLow(code), o.card.CardHigh(code));
}

// ---- One of a suit ------------------------------------------------------------------------------

void ScoreOneMajor(Opening& o, int l) {
    BidderContext& c = o.c;
    const bool fourCardMajors = (o.FirstOrSecond() && o.Is("1M12", "4")) || (!o.FirstOrSecond() && o.Is("1M34", "4"));
    if (fourCardMajors) {
        o.info.MinLen[At(o.strain)] = 4;
        if (l == 4 && SuitHCP(o.Suit(o.strain)) < 4) c.Score = score::RuledOut;
    } else {
        o.info.MinLen[At(o.strain)] = 5;
    }
    const bool fiveCardMajorsAnySeat =
        (o.FirstOrSecond() && o.Is("ML12", "5")) || (!o.FirstOrSecond() && o.Is("ML34", "5"));
    if (o.hand.ShapeCode == 4441 && o.Length(Clubs) == 1) {
        if (o.strain == Hearts) o.ScoreIfAlive(6);
    } else if (!fiveCardMajorsAnySeat) {
        if (o.seat >= 2 && l == 4 && o.Total() > 12) c.Score = score::RuledOut;
        if (o.seat == 3 && l < 5) o.ScoreIfAlive(1);
    }
    const bool fourFourMajors = o.Length(Hearts) == 4 && o.Length(Spades) == 4;
    if (o.Length(Clubs) == 5 && o.Length(Spades) == 5 && o.Total() < 15 && SuitHCP(o.Suit(Spades)) < 5) {
        c.Score = score::RuledOut;
    } else if (fourFourMajors && o.seat == 2 && o.Total() < 13 && o.strain == Hearts) {
        o.ScoreIfAlive(5);
    } else if (fourFourMajors) {
        o.ScoreIfAlive(o.strain == Hearts ? 3 : 2);
    }
}

void ScoreOneMinor(Opening& o, int l) {
    BidderContext& c = o.c;
    const int clubs = o.Length(Clubs);
    const int diamonds = o.Length(Diamonds);
    const bool fiveFourMinimum = clubs == 5 && diamonds == 4 && o.Total() <= 16;
    if (o.strain == Clubs && clubs == 5 && diamonds >= 4 && o.Total() <= 16) {
        c.Score = score::RuledOut;
    } else if (o.Total() < 13 && o.hand.HandQuickTricks < 2) {
        c.Score = score::RuledOut;
    } else if (c.Score >= 0 && ((o.strain == Diamonds && l == 3) ||
                                (o.hand.HCP < 12 && HonourCount(o.Suit(o.strain)) < 2))) {
        c.Score = 2;
    } else if (o.strain == Diamonds && diamonds < clubs && !fiveFourMinimum) {
        c.Score = score::RuledOut;
    }
    if (o.Is("GENS", "K-S") && o.hand.HandQuickTricks <= 2.5 && o.Total() <= 13 &&
        (l < 4 || o.Total() < 13 || (o.Total() == 13 && o.Length(Spades) < 4))) {
        c.Score = score::RuledOut;
    }
    const std::string& expected = o.Value(o.strain == Diamonds ? "DLEN" : "CLEN");
    int min = 0;
    if (expected == "4") min = 4;
    else if (expected == "3") min = 3;
    else if (expected == "2") min = 2;
    o.info.MinLen[At(o.strain)] = min;
}

// Rules every one-level opening shares, after the suit's own: two long suits, fourth seat and
// light hands.
void ScoreOneLevelSeatRules(Opening& o, int l) {
    BidderContext& c = o.c;
    if (o.strain == SecondSuit(o.hand) && l >= 5 && LongestSuit(o.hand) < o.strain && o.Total() < 17) {
        c.Score = 100;
    }
    if (o.seat == 3 && o.Total() + o.Length(Spades) <= 14 && o.hand.HCP < 13) c.Score = score::RuledOut;
    if (o.seat < 3 && o.hand.HCP <= 10 &&
        o.hand.HCP + LongestLength(o.hand) + SecondLength(o.hand) < 20) {
        c.Score = score::RuledOut;
    }
}

void ScoreOneOfASuit(Opening& o) {
    BidderContext& c = o.c;
    const int l = o.Length(o.strain);
    c.MeaningCode = static_cast<MeaningCode>(meaning::OneClubOpening + o.strain);
    int min = 13;
    if (o.card.VeryLightOpenings()) min = 12 + o.RelativeVul();
    SetPoints(c, min, 22);
    if (l < 5 || o.Total() >= 17 || LongestSuit(o.hand) == Clubs) {
        c.Score = l;
    } else {
        c.Score = 10 + o.strain;
    }
    if (o.seat >= 2) {
        o.info.MinPts = o.Ticked("VL3RD") ? 9 : 11;
        if (o.hand.HCP <= 7) {
            c.Score = score::RuledOut;
        } else if (!o.hand.Balanced && o.Total() < 13 && LosingTrickTotal(o.hand) > o.info.MaxLosers) {
            c.Score = score::RuledOut;
        } else if (!(o.Total() > 12 || l >= 5 || (o.Length(Hearts) >= 3 && o.Length(Spades) >= 3))) {
            c.Score = score::RuledOut;
        } else if (o.hand.HCP == o.info.MinPts && LosingTrickTotal(o.hand) >= 8) {
            c.Score = score::RuledOut;
        }
    }
    if (IsMajor(o.strain)) {
        ScoreOneMajor(o, l);
    } else {
        ScoreOneMinor(o, l);
    }
    ScoreOneLevelSeatRules(o, l);
}

// ---- Notrump ----------------------------------------------------------------------------------

Strain LongerMinor(const Opening& o) { return o.Length(Diamonds) > o.Length(Clubs) ? Diamonds : Clubs; }

// The hand's doubletons all hold the queen or better.
bool NoWeakDoubleton(const Opening& o) {
    for (int s = Clubs; s <= Spades; ++s) {
        if (o.Length(s) == 2 && (o.Suit(s) & FullSuit) < RankBit(Queen)) return false;
    }
    return true;
}

void ScoreNotrumpOpening(Opening& o) {
    BidderContext& c = o.c;
    TBidInfo& info = o.info;
    if (o.level == 3 && o.Ticked("NAMY")) {
        c.MeaningCode = meaning::GamblingOrNamyats;
        c.ExplanationNumber = 1;
        const Strain minor = LongerMinor(o);
        info.MinLen[At(minor)] = 7;
        info.MaxLosers = 6;
        const Holding h = o.Suit(minor);
        const bool solid = Holds(h, Ace) && Holds(h, King) && Holds(h, Queen);
        c.Score = o.seat != 3 && solid && (Aces(o.hand) == 2 || Kings(o.hand) == 2) ? 100 : score::RuledOut;
        return;
    }
    if (o.level == 3 && o.Is("3N", "GAMB")) {
        c.MeaningCode = meaning::GamblingOrNamyats;
        c.ExplanationNumber = 183;
        const Strain minor = LongerMinor(o);
        info.MinLen[At(minor)] = 7;
        info.MaxLosers = 3.5 + o.PreemptAllowance() - (o.seat == 2 ? 0.5 : 0.0);
        info.MinLosers = info.MaxLosers - 1;
        const Strain second = SecondSuit(o.hand);
        if (LosingTrickTotal(o.hand) < 5.4 ||
            (IsBid(c.ChosenCall) && c.BestScore > 0 && o.Length(minor) < 8)) {
            c.Score = 1;
        } else if (o.FirstOrSecond() && IsMajor(second) && o.Length(second) >= 4) {
            c.Score = -1;
        } else {
            c.Score = 100;
        }
        return;
    }
    if (o.level <= 3) {
        if (o.level == 1) {
            c.MeaningCode = meaning::OneNTOpening;
            c.Score = 11;
            ShowBalanced(c);
            OneNTSituation situation;
            situation.WeVulnerable = c.Vulnerable;
            situation.TheyVulnerable = SeatVulnerable(c.Vul, NextSeat(c.Bidder));
            situation.OpenerInFirstOrSecondSeat = o.FirstOrSecond();
            SetRange(o, o.card.ActiveOneNTRange(situation));
        } else if (o.level == 2) {
            c.MeaningCode = meaning::TwoNTOpening;
            c.Score = 100;
            ShowBalancedUpTo(c, 5);
            SetRange(o, "TN");
        } else {
            c.MeaningCode = meaning::ThreeNTOpening;
            c.Score = 100;
            for (int s = Clubs; s <= Spades; ++s) SetLength(c, s, 1, 8);
            ShowStoppersWherePartnerHasNone(c, 1);
            SetRange(o, "HN");
        }
        if (o.hand.ShapeCode == 5422) {
            const bool survives = (NoWeakDoubleton(o) && !IsMajor(SecondSuit(o.hand))) ||
                                  o.card.CardRange("ONA").first < 14;
            c.Score = survives ? std::min(c.Score, 2) : score::RuledOut;
        }
        const Strain longest = LongestSuit(o.hand);
        if (o.Is("GENS", "PREC") && LongestLength(o.hand) == 5 && !IsMajor(longest) &&
            SuitHCP(o.Suit(longest)) < 3 && o.Total() == info.MinPts) {
            c.Score = score::RuledOut;
        }
        return;
    }
    if (o.level == 4) {
        c.MeaningCode = meaning::AceAsk;
        info.MinPts = 33;
        c.Score = 100;
        return;
    }
    c.MeaningCode = meaning::SignOff;
    info.MaxLosers = 6.5 - o.level;
    info.BalancedShown = 1;
    ShowStoppersWherePartnerHasNone(c, 1);
    info.MinPts = 25;
    c.Score = o.level == 5 || Aces(o.hand) == 4 ? 5 : score::RuledOut;
}

// ---- Two-level suit openings ------------------------------------------------------------------

constexpr std::array<std::string_view, 4> TwoLevelRangeCodes{"TCH", "TDH", "THH", "TSH"};

void ScoreWeakTwo(Opening& o) {
    BidderContext& c = o.c;
    TBidInfo& info = o.info;
    c.MeaningCode = meaning::WeakTwo;
    SetRange(o, TwoLevelRangeCodes[At(o.strain)]);
    if (info.MinPts == 0) info.MinPts = 6;
    info.PointsAreHCP = 1;
    info.MinLosers = 6.6;
    // The shape of a weak two holds in every seat; later seats only relax the losers and the
    // points. Without it a third- or fourth-seat weak two would promise no length at all.
    info.MaxLosers = 8.5;
    SetLength(c, Spades, 1, 3);
    SetLength(c, Hearts, 1, 3);
    SetLength(c, Diamonds, 1, 4);
    SetLength(c, Clubs, 1, 4);
    SetLength(c, o.strain, 6, 7);
    if (!o.FirstOrSecond()) {
        info.MaxLosers -= 0.5;
        info.MinPts = std::max(info.MinPts, 6 + o.RelativeVul());
        if (!IsMajor(o.strain)) {
            if (o.seat == 2) info.MaxPts = std::max(info.MaxPts, 13);
            if (o.seat == 3) {
                c.Score = score::RuledOut;
                return;
            }
        }
    }
    const int l = o.Length(o.strain);
    if (o.hand.ShapeCode % 100 == 11 || SuitHCP(o.Suit(o.strain)) < 2) {
        c.Score = score::RuledOut;
    } else if (!o.FirstOrSecond() && IsMajor(o.strain)) {
        if (o.Length(OtherMajor(o.strain)) == 4) {
            c.Score = 1;
        } else {
            c.Score = l == 6 && o.Total() < 12 ? 15 : 5;
        }
    } else {
        c.Score = 5;
    }
}

void ScoreStrongNaturalTwo(Opening& o) {
    BidderContext& c = o.c;
    TBidInfo& info = o.info;
    c.MeaningCode = meaning::StrongNaturalTwo;
    info.MinLen[At(o.strain)] = 5;
    info.PointsAreHCP = 1;
    info.MaxLosers = 5.25;
    info.MinLosers = 3.4;
    const Holding h = o.Suit(o.strain);
    const double quality = HonourCount(h) + (Holds(h, Ten) ? 0.5 : 0.0);
    const int l = Length(h);
    if ((l == 5 && quality < 4) || (l >= 6 && quality < 3 && TopHonourCount(h) <= 1)) {
        c.Score = score::RuledOut;
    } else if (SecondLength(o.hand) == 4 && !IsMajor(SecondSuit(o.hand))) {
        c.Score = 70;
    } else {
        c.Score = 200;
    }
}

void ScoreTwoOfASuit(Opening& o) {
    BidderContext& c = o.c;
    TBidInfo& info = o.info;
    SetRange(o, TwoLevelRangeCodes[At(o.strain)]);
    const std::string v = o.TwoBidValue(o.strain);
    if (o.strain == Clubs && (v == "F" || o.Is("FO", "2C"))) {
        const bool byControls = o.Is("2CR", "CTLS") || o.Is("2CR", "ACES");
        c.MeaningCode = byControls ? meaning::StrongTwoClubsControls : meaning::StrongTwoClubs;
        info.MaxLosers = IsMajor(LongestSuit(o.hand)) ? 4.2 : 3.1;
        c.Score = o.Total() >= 20 && (SecondLength(o.hand) < 4 || o.Total() > 20) ? 100 : 1;
        return;
    }
    const std::string forcing = std::string("F") + StrainLetters[At(o.strain)];
    if (o.Is("FO", "NAT2") || v == forcing) {
        c.MeaningCode = meaning::NaturalForcingTwo;
        info.MinLen[At(o.strain)] = 5;
        info.MaxLosers = 4.2;
        if (info.MinPts < 15) info.MinPts = 23;
        const Holding h = o.Suit(o.strain);
        const int strength = static_cast<int>(std::lround(o.Total() + Length(h) + o.hand.HandQuickTricks));
        if (TopHonourCount(h) < 2 || strength <= 30) {
            c.Score = 1;
        } else {
            c.Score = Length(h) + 10;
        }
        return;
    }
    if (v == "WK" && info.MaxPts <= 13) return ScoreWeakTwo(o);
    if (o.strain != Diamonds) return ScoreStrongNaturalTwo(o);
    if (v == "FLAN") {
        c.MeaningCode = meaning::Flannery;
    } else if (v == "ROMA") {
        c.MeaningCode = info.MinPts >= 23 ? meaning::RomanTwoDiamonds : meaning::RomanTwoDiamondsAlt;
        c.Score = -1;
    } else {
        ScoreWeakTwo(o);
    }
}

// ---- Preempts ---------------------------------------------------------------------------------

void ScorePreempt(Opening& o) {
    BidderContext& c = o.c;
    TBidInfo& info = o.info;
    const double thirdSeat = o.seat == 2 ? 0.5 : 0.0;
    if (o.level == 4 && (o.strain == Clubs || o.strain == Diamonds) && o.Ticked("NAMY")) {
        c.MeaningCode = meaning::GamblingOrNamyats;
        const Strain major = o.strain == Clubs ? Hearts : Spades;
        info.MinLen[At(major)] = 7;
        info.MaxLen[At(OtherMajor(major))] = 2;
        c.ExplanationNumber = major == Hearts ? 191 : 192;
        info.MinPts = 12;
        info.MaxLosers = o.PreemptAllowance() + 1.5 - thirdSeat;
        info.MinLosers = info.MaxLosers - 1;
        c.Score = 200;
        return;
    }
    c.MeaningCode = meaning::Preempt;
    info.MinPts = 4;
    if (o.level < 6) info.MaxPts = 11;
    if (o.level >= 5) {
        c.Score = 200;
        info.MaxLosers = 6.5 - o.level - thirdSeat;
        info.MaxPts = 14;
    } else {
        info.MaxLosers = o.PreemptAllowance() + 6.8 - o.level;
        if (!o.Ticked("VLPRE") && c.Vulnerable) {
            info.MaxLosers -= 1;
        } else {
            info.MaxLosers -= thirdSeat;
        }
        const bool namyatsMajor = o.level == 4 && IsMajor(o.strain) && o.Ticked("NAMY");
        info.MinLosers = info.MaxLosers - (namyatsMajor ? 1 : 2);
    }
    info.MinLen[At(o.strain)] = o.level == 3 && o.seat == 2 ? 6 : 7;
    const Strain second = SecondSuit(o.hand);
    const int l = o.Length(o.strain);
    if ((o.Length(Hearts) >= 4 && o.Length(Spades) >= 4) ||
        (o.FirstOrSecond() && !IsMajor(o.strain) && IsMajor(second) && o.Length(second) >= 4)) {
        c.Score = -1;
    } else if (o.level < 5) {
        c.Score = (o.level == 3 && o.hand.HandQuickTricks >= 2.5) || l == 6 ? 1 : l + 10;
    }
    if (o.seat == 3 && o.level < 4) c.Score = score::RuledOut;
}

// ---- Precision --------------------------------------------------------------------------------

void ScorePrecision(Opening& o) {
    BidderContext& c = o.c;
    TBidInfo& info = o.info;
    if (o.strain == NoTrump || o.level >= 3) {
        if (o.strain == NoTrump) {
            ScoreNotrumpOpening(o);
            if (o.level <= 3) info.PointsAreHCP = 1;
        } else {
            ScorePreempt(o);
        }
        return;
    }
    info.PointsAreHCP = 1;
    const int l = o.Length(o.strain);
    if (o.level == 1 && o.strain == Clubs) {
        c.MeaningCode = meaning::PrecisionOneClub;
        c.ExplanationNumber = 21;
        SetPoints(c, 16, 40);
        c.Score = 100;
        return;
    }
    if (o.level == 1) {
        SetPoints(c, 10, 15);
        info.MinLosers = 4.5;
        c.Score = SecondLength(o.hand) < 5 || o.hand.HCP > 15 ? l : 10 + o.strain;
        if (o.strain == Diamonds) {
            c.MeaningCode = meaning::PrecisionOneDiamond;
            c.ExplanationNumber = 20;
            info.MinLen[At(Diamonds)] = 2;
            if (o.Length(Clubs) == 5) {
                c.Score = 6;
            } else if (l < 6 && (o.Length(Hearts) >= 5 || o.Length(Spades) >= 5)) {
                c.Score = 0;
            }
        } else {
            c.MeaningCode = static_cast<MeaningCode>(meaning::OneClubOpening + o.strain);
            info.MinLen[At(o.strain)] = 5;
        }
        if (o.seat == 3 && o.Total() + o.Length(Spades) <= 14 && o.hand.HCP < 13) c.Score = score::RuledOut;
        if (o.seat < 3 && o.hand.HCP <= 10 &&
            o.hand.HCP + LongestLength(o.hand) + SecondLength(o.hand) < 20) {
            c.Score = score::RuledOut;
        }
        return;
    }
    if (o.strain == Clubs) {
        c.MeaningCode = meaning::PrecisionTwoClubs;
        c.ExplanationNumber = 16;
        info.MinLen[At(Clubs)] = 5;
        SetPoints(c, 11, 15);
        const Holding h = o.Suit(Clubs);
        if (l >= 7) {
            c.Score = l;
        } else if (l == 6) {
            c.Score = 5;
        } else if (l == 5) {
            if (SuitHCP(h) < 3) {
                c.Score = -1;
            } else if (TopHonourCount(h) <= 1) {
                c.Score = score::RuledOut;
            } else {
                c.Score = o.Length(Hearts) >= 5 || o.Length(Spades) >= 5 ? 4 : 5;
            }
        }
        return;
    }
    if (o.strain == Diamonds) {
        c.MeaningCode = meaning::PrecisionTwoDiamonds;
        c.ExplanationNumber = 17;
        SetPoints(c, 11, 15);
        SetLength(c, Spades, 3, 4);
        SetLength(c, Hearts, 3, 4);
        SetLength(c, Diamonds, 0, 1);
        SetLength(c, Clubs, 4, 5);
        c.Score = o.Length(Hearts) + o.Length(Spades) > 6 ? 150 : score::RuledOut;
        return;
    }
    ScoreWeakTwo(o);
}

}  // namespace

void ScoreOpening(BidderContext& c) {
    Opening o(c);
    if (o.Ticked("PREC") || o.Is("GENS", "PREC")) return ScorePrecision(o);
    if (o.strain == NoTrump) return ScoreNotrumpOpening(o);
    if (o.level == 1) return ScoreOneOfASuit(o);
    if (o.level == 2) return ScoreTwoOfASuit(o);
    ScorePreempt(o);
}

}  // namespace corvane

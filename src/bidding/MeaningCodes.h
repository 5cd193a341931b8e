// Meaning codes: what a call showed, one byte 0..191. Every rule that produces a code and every
// rule that tests one names it from here, and the fixed sets the rules test are defined once
// below. Codes without a name here are produced by rules that route to them by number.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

namespace corvane {

using MeaningCode = std::uint8_t;
inline constexpr int MeaningCodeCount = 192;

namespace meaning {
// clang-format off
inline constexpr MeaningCode GamblingOrNamyats      = 1;   // 3NT on a solid minor, 4C/4D Namyats
inline constexpr MeaningCode NegativeDouble         = 2;
inline constexpr MeaningCode ResponsiveDouble       = 3;
inline constexpr MeaningCode AskingCueBid           = 4;   // also the cue-bid raise asking for a stopper
inline constexpr MeaningCode AceAsk                 = 5;   // 4NT, Gerber 4C, 4NT opening
inline constexpr MeaningCode KingAsk                = 6;   // or a specific-suit ask
inline constexpr MeaningCode RelayAnswer            = 7;   // after partner's code 131
inline constexpr MeaningCode TrumpQueenAsk          = 8;
inline constexpr MeaningCode QueenOrKingAnswer      = 9;
inline constexpr MeaningCode AceAnswer              = 10;
inline constexpr MeaningCode JacobyTransfer         = 12;
inline constexpr MeaningCode TransferSuperAccept    = 13;
inline constexpr MeaningCode MinorTransfer          = 14;
inline constexpr MeaningCode TransferCompleted      = 15;
inline constexpr MeaningCode Smolen                 = 18;
inline constexpr MeaningCode ClubTransfer2NT        = 20;
inline constexpr MeaningCode ClubTransferCompleted  = 21;
inline constexpr MeaningCode MinorStayman           = 22;
inline constexpr MeaningCode MinorStaymanAnswer     = 23;
inline constexpr MeaningCode DruryRegular           = 24;
inline constexpr MeaningCode DruryUnset             = 25;  // no card setting
inline constexpr MeaningCode DruryReverse           = 26;  // reverse or two-way
inline constexpr MeaningCode NotYetCalled           = 27;
inline constexpr MeaningCode PassBeforeWeActed      = 28;
inline constexpr MeaningCode NoMeaning              = 29;  // becomes Natural when accepted
inline constexpr MeaningCode PenaltyDouble          = 30;
inline constexpr MeaningCode Redouble31             = 31;
inline constexpr MeaningCode Redouble32             = 32;
inline constexpr MeaningCode Redouble33             = 33;
inline constexpr MeaningCode DoubleAfterResponse    = 34;
inline constexpr MeaningCode PassAfter32            = 36;
inline constexpr MeaningCode Redouble37             = 37;
inline constexpr MeaningCode OneClubOpening         = 38;
inline constexpr MeaningCode OneDiamondOpening      = 39;
inline constexpr MeaningCode OneHeartOpening        = 40;
inline constexpr MeaningCode OneSpadeOpening        = 41;
inline constexpr MeaningCode OneNTOpening           = 42;
inline constexpr MeaningCode OneNTNatural           = 43;  // by the card's "BAL1N"
inline constexpr MeaningCode TwoNTOpening           = 44;
inline constexpr MeaningCode ThreeNTOpening         = 45;
inline constexpr MeaningCode Overcall               = 46;
inline constexpr MeaningCode BalancingOvercall      = 47;  // also a raise of partner's unagreed suit
inline constexpr MeaningCode StrongCueBid           = 48;  // strong takeout cue bid, cue-bid raise
inline constexpr MeaningCode WeakJumpOvercall       = 49;
inline constexpr MeaningCode TakeoutDouble          = 50;
inline constexpr MeaningCode StrongTakeoutDouble    = 51;  // or by a passed side
inline constexpr MeaningCode ActionDouble           = 52;
inline constexpr MeaningCode Michaels               = 54;
inline constexpr MeaningCode JumpCueAsk             = 55;
inline constexpr MeaningCode TopAndBottomCue        = 56;
inline constexpr MeaningCode FirstDefenceTo1NT      = 57;  // 57..63 conventional over their 1NT
inline constexpr MeaningCode LastDefenceTo1NT       = 63;
inline constexpr MeaningCode UnusualNotrump         = 70;
inline constexpr MeaningCode OneNTOvercall          = 71;
inline constexpr MeaningCode TwoNTJumpOvercall      = 72;
inline constexpr MeaningCode Raise                  = 73;
inline constexpr MeaningCode SupportDouble          = 74;
inline constexpr MeaningCode CueBidRaise            = 75;
inline constexpr MeaningCode PassInPartnersSuit     = 76;
inline constexpr MeaningCode BergenSplinter         = 79;
inline constexpr MeaningCode OneLevelNewSuit        = 81;
inline constexpr MeaningCode TwoLevelNewSuit        = 82;
inline constexpr MeaningCode ForcingOneNT           = 83;
inline constexpr MeaningCode SupportWithSideFit     = 85;
inline constexpr MeaningCode WeakNewSuit            = 86;  // when doubled; weak jump shift
inline constexpr MeaningCode StrongJumpShift        = 87;
inline constexpr MeaningCode Splinter               = 88;
inline constexpr MeaningCode TransferContinuation   = 89;  // notrump or Walsh
inline constexpr MeaningCode Jacoby2NT              = 90;
inline constexpr MeaningCode ThreeNTOverMajor       = 91;
inline constexpr MeaningCode LaterSupport           = 92;
inline constexpr MeaningCode FourthSuitForcing      = 93;
inline constexpr MeaningCode SwissRaise             = 94;
inline constexpr MeaningCode SignOff                = 95;
inline constexpr MeaningCode Lebensohl              = 97;
inline constexpr MeaningCode GameForcingCue         = 98;
inline constexpr MeaningCode PassDefault            = 100;
inline constexpr MeaningCode NaturalForcingSuit     = 102;
inline constexpr MeaningCode InvitationalJumpOverNT = 103;
inline constexpr MeaningCode RebidOwnSuit           = 105;
inline constexpr MeaningCode JumpRebidOwnSuit       = 106;
inline constexpr MeaningCode BergenStepRelay        = 107;
inline constexpr MeaningCode TwoSuiter              = 110;
inline constexpr MeaningCode Crash                  = 111;
inline constexpr MeaningCode PassAfterCrash         = 112;
inline constexpr MeaningCode ResponderNewSuit       = 114;
inline constexpr MeaningCode Natural                = 117;
inline constexpr MeaningCode UnusualVersusUnusual   = 118;
inline constexpr MeaningCode SuitAfterStrongCue     = 120;
inline constexpr MeaningCode KaplanTwoClubRebid     = 121;
inline constexpr MeaningCode TexasTransfer          = 125;
inline constexpr MeaningCode HighNaturalNotrump     = 126;  // four level or higher
inline constexpr MeaningCode NaturalNotrump         = 127;
inline constexpr MeaningCode StrongMinorAfterNT     = 129;
inline constexpr MeaningCode NotrumpResponse4NT     = 132;
inline constexpr MeaningCode PrecisionOneClub       = 133;
inline constexpr MeaningCode PrecisionOneDiamond    = 134;
inline constexpr MeaningCode PrecisionTwoClubs      = 135;
inline constexpr MeaningCode PrecisionTwoDiamonds   = 136;
inline constexpr MeaningCode ControlAnswer          = 148;
inline constexpr MeaningCode FitBid                 = 150;
inline constexpr MeaningCode RestartSequence        = 151;  // a definition's "#" marker
inline constexpr MeaningCode WeakTwo                = 153;
inline constexpr MeaningCode StrongNaturalTwo       = 154;
inline constexpr MeaningCode Flannery               = 158;
inline constexpr MeaningCode ControlDouble          = 162;
inline constexpr MeaningCode CueMarker              = 163;  // a definition's "^" marker
inline constexpr MeaningCode TwoClubWaiting         = 165;
inline constexpr MeaningCode TwoClubPositive        = 166;
inline constexpr MeaningCode FiveLevelRaise         = 170;
inline constexpr MeaningCode Stayman                = 171;
inline constexpr MeaningCode Baron                  = 172;
inline constexpr MeaningCode PrecisionRelayAnswer   = 174;
inline constexpr MeaningCode StaymanAnswer          = 176;
inline constexpr MeaningCode Preempt                = 177;
inline constexpr MeaningCode RomanTwoDiamonds       = 178;
inline constexpr MeaningCode RomanTwoDiamondsAlt    = 179;
inline constexpr MeaningCode StrongTwoClubs         = 181;  // other responses
inline constexpr MeaningCode StrongTwoClubsControls = 182;  // responses by controls or aces
inline constexpr MeaningCode NaturalForcingTwo      = 184;
inline constexpr MeaningCode FiveNT                 = 185;
inline constexpr MeaningCode FiveNTGrandTry         = 186;
// clang-format on
}  // namespace meaning

// A set of meaning codes, one bit per code.
class MeaningSet {
public:
    constexpr MeaningSet() = default;
    constexpr MeaningSet(std::initializer_list<int> codes) {
        for (int c : codes) Insert(c);
    }

    constexpr bool Contains(int code) const {
        return code >= 0 && code < MeaningCodeCount && ((words_[code / 64] >> (code % 64)) & 1U) != 0;
    }
    constexpr void Insert(int code) {
        if (code >= 0 && code < MeaningCodeCount) words_[code / 64] |= std::uint64_t{1} << (code % 64);
    }
    constexpr MeaningSet& InsertRange(int first, int last) {
        for (int c = first; c <= last; ++c) Insert(c);
        return *this;
    }
    constexpr void Clear() { words_ = {}; }
    constexpr bool Empty() const { return words_[0] == 0 && words_[1] == 0 && words_[2] == 0; }
    constexpr bool Intersects(const MeaningSet& other) const {
        return (words_[0] & other.words_[0]) != 0 || (words_[1] & other.words_[1]) != 0 ||
               (words_[2] & other.words_[2]) != 0;
    }
    constexpr MeaningSet operator|(const MeaningSet& other) const {
        MeaningSet out = *this;
        for (int i = 0; i < 3; ++i) out.words_[i] |= other.words_[i];
        return out;
    }
    constexpr bool operator==(const MeaningSet&) const = default;

private:
    std::array<std::uint64_t, 3> words_{};
};

namespace meaning_sets {
// The frame's own: calls that open the bidding.
inline constexpr MeaningSet FrameOpenings = MeaningSet{1, 5}.InsertRange(38, 45);

// After these partner's side may not stop below game while the partnership is weak.
inline constexpr MeaningSet ForcingMeanings{1,  2,  3,  4,  5,  8,  9,  10, 11, 12, 15,
                                            16, 17, 18, 19, 20, 22, 23, 24, 26, 81, 82,
                                            83, 87, 88, 89, 90, 91, 93, 94, 98, 108, 120};
// Our side has opened, overcalled, doubled or preempted.
inline constexpr MeaningSet ActedMeanings =
    MeaningSet{1, 5, 30, 31, 32, 35, 36, 111, 153, 158, 177, 178, 179, 181, 182, 184}
        .InsertRange(38, 72)
        .InsertRange(133, 136);
inline constexpr MeaningSet OpeningMeanings =
    MeaningSet{1, 5, 153, 158, 177, 178, 179, 181, 182, 184}.InsertRange(38, 45).InsertRange(133, 136);
inline constexpr MeaningSet CompetitiveDefenceMeanings{57, 59, 60, 61, 62, 63};
inline constexpr MeaningSet PreemptMeanings{49, 86, 153, 177};
// Partner has bid notrump.
inline constexpr MeaningSet NotrumpMeanings{42, 43, 44, 45, 72, 126, 127, 132};
inline constexpr MeaningSet ConventionalMeanings{
    1,   4,   5,   8,   9,   10,  11,  12,  15,  17,  19,  24,  25,  26,
    48,  54,  55,  75,  78,  85,  88,  96,  97,  98,  116, 125, 130, 131,
    133, 136, 138, 144, 147, 148, 157, 162, 165, 168, 171, 176, 181};

// The bid selection frame's own two sets, chosen from the catalogue:
// - strong meanings: after one of these partner's shown maximum above 30 is real, so it is kept;
//   after anything else a maximum above 30 only means "not limited yet" and counts as 13;
// - shows-values meanings: calls that promise stoppers in the suits they show, after which the
//   opponents' honours in those suits are re-valued by their position.
inline constexpr MeaningSet StrongMeanings{5, 48, 51, 87, 133, 154, 178, 181, 182, 184};
inline constexpr MeaningSet ShowsValuesMeanings{42, 43, 44, 45, 71, 72, 126, 127, 132};
}  // namespace meaning_sets

}  // namespace corvane

#include "bidding/CallText.h"
#include "bidding/DefinitionLanguage.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane {
namespace {

namespace err = definition_error;

DefinitionContext Context(CallCode candidate = BidCode(2, Hearts)) {
    DefinitionContext context;
    context.Candidate = candidate;
    context.OneNTLow = 15;
    context.OneNTHigh = 17;
    return context;
}

// Applies the first alternative of the text to a fresh candidate.
CandidateMeaning Apply(std::string_view text, const DefinitionContext& context = Context(),
                       int alternative = 1) {
    CandidateMeaning candidate;
    candidate.Score = DefinitionStartScore;
    ApplyDefinition(DefinitionTokens(text), alternative, context, candidate);
    return candidate;
}

int ErrorOf(std::string_view text, const DefinitionContext& context = Context()) {
    return Apply(text, context).ErrorState;
}

TEST(DefinitionTokens, BlanksAndCommasSeparateAndAlternativesAreCounted) {
    EXPECT_EQ(DefinitionTokens("p12-14, s5+  OR,h4"),
              (std::vector<std::string>{"P12-14", "S5+", "OR", "H4"}));
    EXPECT_EQ(AlternativeCount(DefinitionTokens("")), 0);
    EXPECT_EQ(AlternativeCount(DefinitionTokens("P12 OR P13 OR P14")), 3);
    std::string long_text = "P1";
    for (int i = 0; i < 60; ++i) long_text += " OR P1";
    EXPECT_EQ(AlternativeCount(DefinitionTokens(long_text)), 61);
    EXPECT_EQ(ScoredAlternativeCount(DefinitionTokens(long_text)), MaxAlternatives);
}

TEST(ApplyDefinition, PointsAndSuitLengthStartFromWhatWasShown) {
    const CandidateMeaning c = Apply("P12-14 S5+");
    EXPECT_EQ(c.ErrorState, 0);
    EXPECT_EQ(c.Info.MinPts, 12);
    EXPECT_EQ(c.Info.MaxPts, 14);
    EXPECT_EQ(c.Info.MinLen[Spades], 5);
    EXPECT_EQ(c.Info.MaxLen[Spades], 13);

    DefinitionContext shownFour = Context();
    shownFour.Shown.MaxLen[Spades] = 6;
    EXPECT_EQ(Apply("S5+", shownFour).Info.MaxLen[Spades], 6);
    EXPECT_EQ(Apply("C-3").Info.MaxLen[Clubs], 3);
    EXPECT_EQ(Apply("D4").Info.MinLen[Diamonds], 4);
    EXPECT_EQ(Apply("D4").Info.MaxLen[Diamonds], 4);
    EXPECT_EQ(Apply("H12-20").Info.MaxLen[Hearts], 13);  // capped
}

TEST(ApplyDefinition, SuitSubCodes) {
    const CandidateMeaning c = Apply("S5-7/Q23/C1");
    EXPECT_EQ(c.ErrorState, 0);
    EXPECT_EQ(c.Info.MinLen[Spades], 5);
    EXPECT_EQ(c.Info.MaxLen[Spades], 7);
    EXPECT_EQ(c.Info.SuitQualityCode[Spades], "23");
    EXPECT_EQ(c.Info.FirstControl[Spades], ShownYes);

    const TBidInfo h = Apply("H/-A/B/L/KN/S2/X/F4-6").Info;
    EXPECT_EQ(h.SuitQualityCode[Hearts], "-A");
    EXPECT_EQ(h.MainSuitShown, Hearts);
    EXPECT_EQ(h.LongestSuitShown, Hearts);
    EXPECT_EQ(h.KingInSuit[Hearts], 0);
    EXPECT_EQ(h.Stopper[Hearts], 2);
    EXPECT_EQ(h.PointsOutsideSuit[Hearts], 1);
    EXPECT_EQ(h.SuitPointsCode[Hearts], "F4-6");
    EXPECT_EQ(h.MinLen[Hearts], 0);  // no length part: unchanged

    EXPECT_EQ(Apply("C/P3+").Info.SuitPointsCode[Clubs], "3+");
    EXPECT_EQ(Apply("C/K").Info.KingInSuit[Clubs], 1);
    EXPECT_EQ(Apply("C/Sx").Info.Stopper[Clubs], -7);

    const TBidInfo t = Apply("D/T").Info;
    EXPECT_EQ(t.TrumpSuit, Diamonds);
    EXPECT_EQ(t.FitSuit, Diamonds);
    const TBidInfo ty = Apply("S/TY").Info;
    EXPECT_EQ(ty.TrumpCandidate, (std::array<std::uint8_t, 4>{0, 0, 0, 2}));
    EXPECT_EQ(Apply("H/TN").Info.TrumpCandidate[Hearts], Denied);
    EXPECT_EQ(Apply("H/TO").Info.TrumpChoice, Hearts);
    EXPECT_EQ(Apply("H/TX").Info.TrumpChoice, Hearts + 10);
}

TEST(ApplyDefinition, ControlCodes) {
    auto controls = [](std::string_view text) {
        const TBidInfo info = Apply(text).Info;
        return std::array<int, 3>{info.FirstControl[Clubs], info.SecondControl[Clubs],
                                  info.ThirdControl[Clubs]};
    };
    EXPECT_EQ(controls("C/C0"), (std::array<int, 3>{0, 0, 1}));
    EXPECT_EQ(controls("C/C2"), (std::array<int, 3>{1, 2, 1}));
    EXPECT_EQ(controls("C/C3"), (std::array<int, 3>{1, 1, 2}));
    EXPECT_EQ(controls("C/C12"), (std::array<int, 3>{2, 2, 1}));
    EXPECT_EQ(controls("C/CN1"), (std::array<int, 3>{0, 1, 1}));
    EXPECT_EQ(controls("C/CN2"), (std::array<int, 3>{1, 0, 1}));
    EXPECT_EQ(controls("C/CN3"), (std::array<int, 3>{1, 1, 0}));
    // A bare control code records first-round control, then second-round once that is shown.
    EXPECT_EQ(controls("C/C"), (std::array<int, 3>{2, 1, 1}));
    DefinitionContext shownFirst = Context();
    shownFirst.Shown.FirstControl[Clubs] = ShownYes;
    EXPECT_EQ(Apply("C/C", shownFirst).Info.SecondControl[Clubs], ShownYes);
}

TEST(ApplyDefinition, WholeTokenCodes) {
    DefinitionContext context = Context();
    context.OpponentHasShownSuit = {false, true, false, true};
    const TBidInfo a = Apply("CC3 CTL4-6 MDY12/09/2026 RULE15 MINLEN6 SHAPE4441 STOP1", context).Info;
    EXPECT_EQ(a.MinCoverCards, 3);
    EXPECT_EQ(a.MinControls, 4);
    EXPECT_EQ(a.MaxControls, 6);
    EXPECT_EQ(a.Rule15, 1);
    EXPECT_EQ(a.MinLongest, 6);
    EXPECT_EQ(a.Shape, 4441);
    EXPECT_EQ(a.Stopper, (std::array<int, 4>{-1, 1, -1, 1}));
    EXPECT_EQ(Apply("CTL9+").Info.MaxControls, 12);

    EXPECT_EQ(Apply("NTY").Info.NTChoice, 4);
    EXPECT_EQ(Apply("NTY NTN").Info.NTChoice, 5);
    EXPECT_EQ(Apply("NTW").Info.NTStrength, 2);
    EXPECT_EQ(Apply("NTS").Info.NTStrength, 1);

    const TBidInfo b = Apply("!7 A2+ K<3 B U VN X [1M1N=F {JACS \\MINE Q? 4Y R-20").Info;
    EXPECT_EQ(b.Explanation, "7");
    EXPECT_EQ(b.AcesCode, "2+");
    EXPECT_EQ(b.KingsCode, "<3");
    EXPECT_EQ(b.BalancedShown, 1);
    EXPECT_EQ(b.UnbalancedShown, 1);
    EXPECT_EQ(b.Disabled, 1);
    EXPECT_EQ(b.RequiredCard, "1M1N=F");
    EXPECT_EQ(b.ExcludedCard, "JACS");
    EXPECT_EQ(b.SectionName, "MINE");
    EXPECT_EQ(b.TrumpQueen, 2);
    EXPECT_EQ(b.FourthSeat, 2);
    EXPECT_EQ(b.ScoreAdjust, -20);
    EXPECT_EQ(Apply("VY").Info.VulCondition, "Y");
    EXPECT_EQ(Apply("4N").Info.FourthSeat, 0);
    EXPECT_EQ(Apply("Y3").Info.AcesCode, "3");
    EXPECT_EQ(Apply("QNS2").Info.QueenCount, 2);
    EXPECT_EQ(Apply("QNT").Info.QueenNT, 1);
    EXPECT_EQ(Apply("QY").Info.TrumpQueen, 1);

    const TBidInfo hcp = Apply("O10-12").Info;
    EXPECT_EQ(hcp.PointsAreHCP, 1);
    EXPECT_EQ(hcp.MinPts, 10);
    EXPECT_EQ(hcp.MaxPts, 12);

    const CandidateMeaning adjusted = Apply("R-20");
    EXPECT_EQ(adjusted.Score, DefinitionStartScore - 20);
}

TEST(ApplyDefinition, PartnershipTotals) {
    EXPECT_EQ(Apply("TA<2").Info.TotalAces, -2);
    EXPECT_EQ(Apply("TK3").Info.TotalKings, 3);
    EXPECT_EQ(Apply("TY4").Info.TotalKeyCards, 4);
    EXPECT_EQ(Apply("TC7").Info.TotalControls, 7);
    for (const char* bad : {"T", "TA", "TA7", "TAx", "TZ1", "TCx"}) {
        EXPECT_EQ(ErrorOf(bad), err::TCode) << bad;
    }
}

TEST(ApplyDefinition, LosingTrickRangesWithADecimalPoint) {
    const TBidInfo a = Apply("L7.5-9").Info;
    EXPECT_DOUBLE_EQ(a.MinLosers, 7.5);
    EXPECT_DOUBLE_EQ(a.MaxLosers, 9.0);
    const TBidInfo b = Apply("L-8").Info;
    EXPECT_DOUBLE_EQ(b.MinLosers, 0.0);
    EXPECT_DOUBLE_EQ(b.MaxLosers, 8.0);
    EXPECT_DOUBLE_EQ(Apply("L-7.5").Info.MaxLosers, 7.0);  // two characters after the dash
    const TBidInfo c = Apply("L6+").Info;
    EXPECT_DOUBLE_EQ(c.MinLosers, 6.0);
    EXPECT_DOUBLE_EQ(c.MaxLosers, 12.0);
    EXPECT_DOUBLE_EQ(Apply("L5").Info.MaxLosers, 5.0);
    EXPECT_EQ(ErrorOf("L13"), err::LosingTricks);
    EXPECT_EQ(ErrorOf("Lx"), err::LosingTricks);
}

TEST(ApplyDefinition, MarkersAndForcedCallsSetTheMeaning) {
    CandidateMeaning nt = Apply("NT", Context(BidCode(3, NoTrump)));
    EXPECT_EQ(nt.Meaning, meaning::NaturalNotrump);
    EXPECT_TRUE(nt.NotrumpCode);
    EXPECT_EQ(nt.Info.TrumpCandidate, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(nt.Info.FitSuit, NoSuit);
    EXPECT_EQ(Apply("NT", Context(BidCode(4, NoTrump))).Meaning, meaning::HighNaturalNotrump);
    CandidateMeaning ask;
    ask.Meaning = meaning::AceAsk;
    ApplyDefinition(DefinitionTokens("NT"), 1, Context(BidCode(5, NoTrump)), ask);
    EXPECT_EQ(ask.Meaning, meaning::AceAsk);

    EXPECT_EQ(Apply("@", Context(BidCode(1, NoTrump))).Meaning, meaning::OneNTOpening);
    EXPECT_EQ(Apply("@", Context(BidCode(2, NoTrump))).Meaning, meaning::TwoNTOpening);
    DefinitionContext doubleOfOneNT = Context(Double);
    doubleOfOneNT.HighestBid = BidCode(1, NoTrump);
    EXPECT_EQ(Apply("@", doubleOfOneNT).Meaning, meaning::OneNTOpening);
    const CandidateMeaning at = Apply("@", Context(BidCode(4, NoTrump)));
    EXPECT_EQ(at.Meaning, meaning::AceAsk);
    EXPECT_EQ(at.RestartMarker, '@');

    const CandidateMeaning hash = Apply("#");
    EXPECT_EQ(hash.Meaning, meaning::RestartSequence);
    EXPECT_EQ(hash.RestartMarker, '#');
    for (const char* cue : {"^", "CBS"}) {
        const CandidateMeaning c = Apply(cue);
        EXPECT_EQ(c.Meaning, meaning::CueMarker);
        EXPECT_EQ(c.Info.CueFlag, 1);
        EXPECT_EQ(c.RestartMarker, '^');
    }

    const std::map<std::string, MeaningCode> forced = {
        {"*DF1", meaning::WeakJumpOvercall}, {"*DF2", meaning::TwoSuiter}, {"*NOBID", meaning::SignOff}};
    for (const auto& [text, code] : forced) {
        const CandidateMeaning c = Apply(text);
        EXPECT_EQ(c.Meaning, code) << text;
        EXPECT_EQ(c.Score, ForcedCallScore) << text;
        EXPECT_EQ(c.Info.ActionText, text.substr(1));
    }
}

TEST(ApplyDefinition, EveryErrorCode) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"L13", err::LosingTricks},   {"S1234", err::SuitLength}, {"SXYZ", err::SuitLength},
        {"S5/Z", err::SuitCode},      {"S5//Q", err::SuitCode},   {"S/C4", err::SuitControls},
        {"H/P12", err::SuitPoints},   {"H/F12+", err::SuitPoints}, {"H/QB", err::SuitQuality},
        {"H/-66", err::SuitQuality},  {"Z5", err::UnknownCode},   {"RX", err::UnknownCode},
        {"P10-123", err::CodeTooLong}, {"P123", err::LowAboveHigh}, {"PSOC", err::PointsCode},
        {"VZ", err::Vulnerability},   {"V", err::Vulnerability},  {"A6", err::AceOrKing},
        {"K<5", err::AceOrKing},      {"Q5", err::Queen},         {"QNS5", err::Queen},
        {"QXX", err::Queen},          {"H/TZ", err::TCode},       {"4X", err::FourthSeat},
        {"NTX", err::NTCode},         {"CCX", err::CoverCards},   {"CC", err::CoverCards},
    };
    for (const auto& [text, error] : cases) {
        const CandidateMeaning c = Apply(text);
        EXPECT_EQ(c.ErrorState, error) << text;
        EXPECT_FALSE(DefinitionErrorText(error).empty());
    }
    // The first error stops the alternative.
    const CandidateMeaning stopped = Apply("Z5 P12-14");
    EXPECT_EQ(stopped.Info.MinPts, 0);
}

TEST(DefinitionErrorMessage, NamesTheCallUnlessAStoredDefinitionIsExplained) {
    const CandidateMeaning c = Apply("Z5");
    EXPECT_EQ(DefinitionErrorMessage(c.ErrorState, c.ErrorCode, false, BidCode(2, Hearts)),
              "Bid: 2H\rCoding Error: Unknown Bid Information code");
    EXPECT_EQ(DefinitionErrorMessage(c.ErrorState, c.ErrorCode, true, BidCode(2, Hearts)),
              "Coding Error: Unknown Bid Information code");
    const CandidateMeaning p = Apply("H/P12");
    EXPECT_EQ(DefinitionErrorMessage(p.ErrorState, p.ErrorCode, true, Pass),
              "Coding Error: Points in suit\r\rP12");
    EXPECT_EQ(DefinitionErrorText(err::NTCode), "Illegal \"NT\" Code, must be W or S");
    EXPECT_EQ(DefinitionErrorText(0), "");
    EXPECT_EQ(DefinitionErrorText(19), "");
}

TEST(ApplyDefinition, AlternativesStartFromShownAndKeepSectionAfterTheFirst) {
    DefinitionContext context = Context();
    context.Shown.MinPts = 6;
    const std::vector<std::string> tokens = DefinitionTokens("\\FIRST *DF1 P12+ OR S6 OR H5");
    CandidateMeaning c;
    ApplyDefinition(tokens, 1, context, c);
    EXPECT_EQ(c.Info.SectionName, "FIRST");
    EXPECT_EQ(c.Info.MinPts, 12);
    ApplyDefinition(tokens, 2, context, c);
    EXPECT_EQ(c.Info.SectionName, "FIRST");
    EXPECT_EQ(c.Info.ActionText, "DF1");
    EXPECT_EQ(c.Info.MinPts, 6);
    EXPECT_EQ(c.Info.MinLen[Spades], 6);
    ApplyDefinition(tokens, 1, context, c);
    EXPECT_EQ(c.Info.MinLen[Spades], 0);
    const TBidInfo before = c.Info;
    ApplyDefinition(tokens, 4, context, c);  // no such alternative
    EXPECT_EQ(c.Info, before);
}

TEST(ApplyDefinition, SwitchOffAndScoreAdjustDoNotCarryOverFromShown) {
    DefinitionContext context = Context();
    context.Shown.Disabled = 1;
    context.Shown.ScoreAdjust = 50;
    CandidateMeaning c;
    c.Score = DefinitionStartScore;
    ApplyDefinition(DefinitionTokens("P6+"), 1, context, c);
    EXPECT_EQ(c.Info.Disabled, 0);
    EXPECT_EQ(c.Score, DefinitionStartScore);
}

class PointsCodeTest : public ::testing::Test {
protected:
    PointRange Range(std::string_view code, int low = 0, int high = 40) {
        return PointsCode(code, low, high, context);
    }
    void SetUp() override {
        context.PartnerShown.MinPts = 12;  // wider than two points: counts as 13
        context.PartnerShown.MaxPts = 15;
        context.OneNTLow = 15;
        context.OneNTHigh = 17;
    }
    DefinitionContext context;
};

TEST_F(PointsCodeTest, Numbers) {
    EXPECT_EQ(Range("12-14").Low, 12);
    EXPECT_EQ(Range("12-14").High, 14);
    EXPECT_EQ(Range("10+").High, 40);
    EXPECT_EQ(Range("10+", 0, 8).High, 10);
    EXPECT_EQ(Range("-9").Low, 0);
    EXPECT_EQ(Range("-9").High, 9);
    EXPECT_EQ(Range("7").Low, 7);
    EXPECT_EQ(Range("7").High, 7);
    EXPECT_EQ(Range("14-12").Low, 12);  // a low above the high becomes the high
    EXPECT_EQ(Range("x-9").Low, 0);     // unreadable: -1, then 0
    EXPECT_EQ(Range("9-x", 0, 30).High, 30);
    EXPECT_EQ(Range("", 3, 30).Low, 0);  // an empty code reads as unreadable numbers
    EXPECT_EQ(Range("", 3, 30).High, 30);
    EXPECT_EQ(Range("123").Error, definition_error::LowAboveHigh);
    EXPECT_EQ(Range("123456").Error, definition_error::CodeTooLong);
}

TEST_F(PointsCodeTest, PartnershipCodes) {
    const int p = 13;  // partner's range is wider than two points
    const std::map<std::string, std::pair<int, int>> expected = {
        {"-GF", {5, 24 - p}},  {"GF", {26 - p, 29 - p}}, {"GF+", {25 - p, 40}},
        {"INV", {23 - p, 24 - p}}, {"MINV", {25 - p, 26 - p}}, {"INV+", {23 - p, 40}},
        {"-INV", {20 - p, 22 - p}}, {"ZINV", {0, 9}},      {"NT", {15, 17}},
        {"NT1", {16, 18}},     {"NT+", {18, 20}},         {"-NT", {12, 14}},
        {"MGF", {27 - p, 40}}, {"MST", {29 - p, 40}},     {"-ST", {25 - p, 30 - p}},
        {"ST", {31 - p, 40}},  {"ST+", {31 - p, 40}},     {"SF", {33 - p, 37}},
        {"GST", {35 - p, 37}}, {"GSF", {37 - p, 37}},
    };
    for (const auto& [code, range] : expected) {
        const PointRange r = Range(code);
        EXPECT_EQ(r.Error, 0) << code;
        EXPECT_EQ(std::make_pair(r.Low, r.High), range) << code;
    }
    context.Shown.FitSuit = Clubs;
    EXPECT_EQ(Range("GF").Low, 28 - p);
    EXPECT_EQ(Range("GF").High, std::max(28 - p + 3, 31 - 15));
    context.VeryLightOpenings = true;
    EXPECT_EQ(Range("-NT").Low, 11);
}

TEST_F(PointsCodeTest, CodesRelativeToWhatWasShown) {
    EXPECT_EQ(Range("NF", 0, 40).Low, 5);
    EXPECT_EQ(Range("NF", 0, 40).High, 8);
    EXPECT_EQ(Range("WK", 0, 40).High, 9);
    EXPECT_EQ(Range("WK", 4, 40).High, 7);
    EXPECT_EQ(Range("MIN", 12, 14).High, 13);
    EXPECT_EQ(Range("MAX", 12, 14).Low, 13);
    EXPECT_EQ(Range("MAX", 12, 18).Low, 14);
    EXPECT_EQ(Range("MAX", 12, 13).Low, 13);
    context.OpenerShownMin = 12;
    EXPECT_EQ(Range("MO3").Low, 15);
    EXPECT_EQ(Range("MO").Low, 12);
    context.RulesMinPts = 6;
    context.RulesMaxPts = 9;
    EXPECT_EQ(Range("CC").High, 9);
    context.Explaining = true;
    EXPECT_EQ(Range("CC", 3, 20).High, 20);
}

TEST_F(PointsCodeTest, LetterCodesReadTheCard) {
    context.CardBounds = [](std::string_view code) -> std::optional<std::pair<int, int>> {
        if (code == "SOC") return std::make_pair(8, 16);
        return std::nullopt;
    };
    EXPECT_EQ(Range("SOC").Low, 8);
    EXPECT_EQ(Range("SOC").High, 16);
    EXPECT_EQ(Range("ONX").Error, definition_error::PointsCode);
    context.CardBounds = nullptr;
    EXPECT_EQ(Range("SOC").Error, definition_error::PointsCode);
}

TEST(CombineAlternatives, OnlyTheAlternativesNotRejectedWiden) {
    const std::vector<std::string> tokens = DefinitionTokens("P15+ S5+ OR P6-9 S4 OR P10-12 H6");
    DefinitionContext context = Context();
    CandidateMeaning c;
    CombineAlternatives(tokens, {RejectedAlternativeScore, 200, RejectedAlternativeScore}, context, c);
    EXPECT_EQ(c.Info.MinPts, 6);
    EXPECT_EQ(c.Info.MaxPts, 9);
    EXPECT_EQ(c.Info.MinLen[Spades], 4);

    CombineAlternatives(tokens, {200, 200, RejectedAlternativeScore}, context, c);
    EXPECT_EQ(c.Info.MinPts, 6);
    EXPECT_EQ(c.Info.MaxPts, 40);
    EXPECT_EQ(c.Info.MinLen[Spades], 4);
    EXPECT_EQ(c.Info.MaxLen[Spades], 13);
}

TEST(CombineAlternatives, WidensControlsQualityLosersAndCounts) {
    const std::vector<std::string> tokens =
        DefinitionTokens("S/C1/QA L6-7 A2+ OR S/C1/QK L8-9 A1+ OR S/CN1 L0-12");
    CandidateMeaning c;
    CombineAlternatives(tokens, {200, 200, RejectedAlternativeScore}, Context(), c);
    EXPECT_EQ(c.Info.FirstControl[Spades], ShownYes);
    EXPECT_EQ(c.Info.SuitQualityCode[Spades], "K");
    EXPECT_DOUBLE_EQ(c.Info.MinLosers, 6.0);
    EXPECT_DOUBLE_EQ(c.Info.MaxLosers, 9.0);
    EXPECT_EQ(c.Info.AcesCode, "1+");

    CombineAlternatives(tokens, {200, 200, 200}, Context(), c);
    EXPECT_EQ(c.Info.FirstControl[Spades], Unknown);  // shown in two, denied in one
    EXPECT_DOUBLE_EQ(c.Info.MaxLosers, 9.0);           // a 0-12 range says nothing
    EXPECT_EQ(c.Info.AcesCode, "");                    // one alternative promises no aces
}

TEST(CombineAlternatives, CardConditionsDecideWhetherAnAlternativeWidens) {
    DefinitionContext context = Context();
    context.CardTicked = [](std::string_view item) { return item == "JACS"; };
    const std::vector<std::string> tokens = DefinitionTokens("P10-12 OR P4-6 {JACS OR P20-22 [JACS");
    CandidateMeaning c;
    CombineAlternatives(tokens, {200, 200, 200}, context, c);
    EXPECT_EQ(c.Info.MinPts, 10);
    EXPECT_EQ(c.Info.MaxPts, 22);
}

TEST(CombineAlternatives, ResultIsNarrowedByShownAndKeepsLastAlternativesOtherFields) {
    DefinitionContext context = Context();
    context.Shown.MinPts = 11;
    context.Shown.MaxPts = 15;
    CandidateMeaning c;
    CombineAlternatives(DefinitionTokens("P6-12 !3 OR P14-20 !4"), {200, 200}, context, c);
    EXPECT_EQ(c.Info.MinPts, 11);
    EXPECT_EQ(c.Info.MaxPts, 15);
    EXPECT_EQ(c.Info.Explanation, "4");

    CombineAlternatives(DefinitionTokens("P6-12"), {RejectedAlternativeScore}, context, c);
    EXPECT_EQ(c.Info.MinPts, 11);
    EXPECT_EQ(c.Info.Explanation, "");
}

TEST(CombineAlternatives, FortyNineAlternativesAreAllScoredAndNoMore) {
    CandidateMeaning c;
    std::string exact = "P1";
    for (int i = 2; i <= MaxAlternatives; ++i) exact += " OR P" + std::to_string(i == MaxAlternatives ? 30 : 2);
    CombineAlternatives(DefinitionTokens(exact), std::vector<int>(MaxAlternatives, 200), Context(), c);
    EXPECT_EQ(c.Info.MaxPts, 30);  // the 49th alternative counts
    std::string over = exact + " OR P35";
    CombineAlternatives(DefinitionTokens(over), std::vector<int>(60, 200), Context(), c);
    EXPECT_EQ(c.Info.MaxPts, 30);  // the 50th does not
}

TEST(MergeShown, NarrowsRangesAndTakesOtherFieldsFromTheNewMeaning) {
    TBidInfo shown;
    shown.MinLen[Hearts] = 5;
    shown.MaxLen[Hearts] = 7;
    shown.MinPts = 11;
    shown.MaxPts = 15;
    shown.MinLosers = 6;
    shown.MaxLosers = 8;
    shown.Stopper[Clubs] = 1;
    shown.SuitQualityCode[Hearts] = "A";
    TBidInfo next;
    next.MinLen[Hearts] = 3;  // says less than was shown
    next.MaxLen[Hearts] = 6;
    next.MinPts = 13;
    next.MaxPts = 20;
    next.MinLosers = 7;
    next.MaxLosers = 10;
    next.Stopper[Clubs] = 0;
    next.SuitQualityCode[Hearts] = "J";
    next.FirstControl[Spades] = ShownYes;
    next.Explanation = "12";
    MergeShown(shown, next);
    EXPECT_EQ(shown.MinLen[Hearts], 5);
    EXPECT_EQ(shown.MaxLen[Hearts], 6);
    EXPECT_EQ(shown.MinPts, 13);
    EXPECT_EQ(shown.MaxPts, 15);
    EXPECT_DOUBLE_EQ(shown.MinLosers, 7.0);
    EXPECT_DOUBLE_EQ(shown.MaxLosers, 8.0);
    EXPECT_EQ(shown.Stopper[Clubs], 1);
    EXPECT_EQ(shown.SuitQualityCode[Hearts], "A");
    EXPECT_EQ(shown.FirstControl[Spades], ShownYes);
    EXPECT_EQ(shown.Explanation, "12");

    // A meaning outside the shown range stays inside it.
    TBidInfo high;
    high.MinPts = 20;
    high.MaxPts = 22;
    MergeShown(shown, high);
    EXPECT_EQ(shown.MinPts, 15);
    EXPECT_EQ(shown.MaxPts, 15);
}

TEST(CardCondition, AllOfAndAnyOf) {
    auto ticked = [](std::string_view item) { return item == "STAY" || item == "1M1N=F"; };
    EXPECT_TRUE(CardCondition("STAY_1M1N=F", ticked));
    EXPECT_TRUE(CardCondition("STAY,1M1N=F]", ticked));
    EXPECT_FALSE(CardCondition("STAY_JACS", ticked));
    EXPECT_TRUE(CardCondition("STAY_JACS}", ticked));
    EXPECT_FALSE(CardCondition("LEBS_JACS}", ticked));
}

TEST(SmallCodes, QualityAndCountCodes) {
    for (const char* good : {"A", "K", "Q", "J", "T", "23", "05"}) EXPECT_TRUE(ValidQualityCode(good)) << good;
    for (const char* bad : {"", "B", "6", "26", "AK", "123"}) EXPECT_FALSE(ValidQualityCode(bad)) << bad;
    for (const char* good : {"0", "5", "3+", "<4", "<0"}) EXPECT_TRUE(ValidAceCode(good)) << good;
    for (const char* bad : {"", "6", "6+", "<5", "+", "12"}) EXPECT_FALSE(ValidAceCode(bad)) << bad;
    EXPECT_GT(QualityStrength("A"), QualityStrength("K"));
    EXPECT_GT(QualityStrength("K"), QualityStrength("Q"));
    EXPECT_GT(QualityStrength("23"), QualityStrength("13"));
    EXPECT_GT(QualityStrength("T"), QualityStrength(""));
    EXPECT_EQ(QualityStrength("-A"), 0);
    EXPECT_EQ(CountCodeValue("<3"), 0);
    EXPECT_EQ(CountCodeValue("3+"), 3);
    EXPECT_EQ(CountCodeValue(""), -1);
}

TEST(ShownRecords, ResetGivesEveryPlayerTheDefaults) {
    ShownRecords records;
    records.Shown[East].MinPts = 12;
    records.Reset(West);
    for (const TBidInfo& info : records.Shown) {
        EXPECT_EQ(info.MinPts, 0);
        EXPECT_EQ(info.MaxPts, 40);
        EXPECT_EQ(info.DealerSeat, West);
        EXPECT_EQ(info.BidSuit, UnsetSuit);
        EXPECT_DOUBLE_EQ(info.MaxLosers, 12.0);
    }
}

}  // namespace
}  // namespace corvane

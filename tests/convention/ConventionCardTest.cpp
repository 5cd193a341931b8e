#include "convention/CardVocabulary.h"
#include "convention/ConventionCards.h"
#include "convention/DefenceSummary.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

// A pair whose North-South card is the given text, with the main structure in force.
ConventionCards CardsWith(std::string_view text) {
    ConventionCards cards;
    cards.Card(1) = ConventionCard::FromText(text);
    cards.UpdateDefences();
    cards.SelectSide(1);
    return cards;
}

TEST(CardListTest, ReadsLinesInKeyOrderIgnoringCase) {
    const auto card = ConventionCard::FromText(
        "\xEF\xBB\xBFzeta=1\r\nAlpha=2\n\nnote without equals\r\nTEAM=A=B\r\nalpha=3\r\n");
    EXPECT_EQ(card.Value("ALPHA"), "2");  // the first of two lines with one key
    EXPECT_EQ(card.Value("Zeta"), "1");
    EXPECT_EQ(card.Value("team"), "A=B");
    EXPECT_EQ(card.Value("absent"), "");
    EXPECT_EQ(card.Value("note without equals"), "");
    EXPECT_EQ(card.ToText(),
              "Alpha=2\r\nalpha=3\r\nnote without equals\r\nTEAM=A=B\r\nzeta=1\r\n");
}

TEST(CardListTest, SettingTheEmptyValueRemovesTheKey) {
    auto card = ConventionCard::FromText("B=1\nD=2\n");
    card.Set("c", "X");
    card.Set("b", "7");
    EXPECT_EQ(card.ToText(), "B=7\r\nc=X\r\nD=2\r\n");
    card.Set("D", "");
    card.Set("never", "");
    EXPECT_EQ(card.ToText(), "B=7\r\nc=X\r\n");
}

TEST(CardQueryTest, TickedBoxesAndChoices) {
    const auto cards = CardsWith("VLOPEN=X\n1M1N=S\nGENS=2/1\nSPLINT=x\n");
    EXPECT_TRUE(cards.CardTicked("VLOPEN"));
    EXPECT_TRUE(cards.CardTicked("vlopen"));
    EXPECT_FALSE(cards.CardTicked("SPLINT"));  // values compare exactly
    EXPECT_FALSE(cards.CardTicked("BERGEN"));
    EXPECT_TRUE(cards.CardTicked("1M1N=S"));
    EXPECT_FALSE(cards.CardTicked("1M1N=F"));
    EXPECT_TRUE(cards.CardEquals("GENS", "2/1"));
    EXPECT_TRUE(cards.IsTwoOverOne());
    EXPECT_FALSE(cards.IsStandardAmerican());
    EXPECT_TRUE(cards.OneMajorOneNTForcing());
    EXPECT_TRUE(cards.VeryLightOpenings());
}

TEST(CardQueryTest, BoundsWithFillersAndOpenTops) {
    auto cards = CardsWith("ONAL=9_\nONAH=+UP\nTNL=_9\nTNH=&UP\nHNL=__\nHNH=__\n"
                           "C2NL=31\nC2NH=41\nM2NL=30\nM2NH=40\nSOCL=ab\n");
    EXPECT_EQ(cards.CardLow("ONA"), 9);
    EXPECT_EQ(cards.CardHigh("ONA"), 40);
    EXPECT_EQ(cards.CardLow("TN"), 9);
    EXPECT_EQ(cards.CardHigh("TN"), 40);
    EXPECT_EQ(cards.CardLow("M2N"), 30);
    EXPECT_EQ(cards.CardHigh("M2N"), 40);
    EXPECT_EQ(cards.CardHigh("SOC"), 0);  // an empty upper bound reads 0 and is allowed
    EXPECT_EQ(cards.ErrorState, 0);

    EXPECT_EQ(cards.CardLow("HN"), -1);
    EXPECT_EQ(cards.ErrorState, CardBoundError);
    cards.ErrorState = 0;
    EXPECT_EQ(cards.CardHigh("HN"), -1);
    EXPECT_EQ(cards.ErrorState, CardBoundError);
    cards.ErrorState = 0;
    cards.CardLow("C2N");
    EXPECT_EQ(cards.ErrorState, CardBoundError);
    cards.ErrorState = 0;
    cards.CardHigh("C2N");
    EXPECT_EQ(cards.ErrorState, CardBoundError);
    cards.ErrorState = 0;
    EXPECT_EQ(cards.CardLow("SOC"), -1);  // not a number
    EXPECT_EQ(cards.ErrorState, CardBoundError);
    cards.ErrorState = 0;
    EXPECT_EQ(cards.CardLow("OVN"), -1);  // absent
    EXPECT_EQ(cards.ErrorState, CardBoundError);
}

TEST(CardQueryTest, IntegersAndRanges) {
    const auto cards = CardsWith("ONAL=15\nONAH=17\nTDHL=5_\nTDHH=_4\nX=abc\nTNL=__\n");
    EXPECT_EQ(cards.CardInt("ONAL"), 15);
    EXPECT_EQ(cards.CardInt("TDHL"), 5);
    EXPECT_EQ(cards.CardInt("TDHH"), 4);
    EXPECT_EQ(cards.CardInt("X"), 0);
    EXPECT_EQ(cards.CardInt("TNL"), 0);
    EXPECT_EQ(cards.CardRange("ONA"), std::make_pair(15, 17));
    EXPECT_EQ(cards.CardRange("TDH"), std::make_pair(5, 5));  // the top never below the bottom
    EXPECT_EQ(cards.ErrorState, 0);
}

TEST(CardQueryTest, CallLimits) {
    const auto cards = CardsWith("NEGX=3S\nRESX=XYZ\nSUPX=2h\nVPRETEXT=__\nLIM7=7S\n"
                                 "RESXTEXT=2D\nSUPXTEXT=__\n");
    EXPECT_EQ(cards.CardCall("NEGX"), BidCode(3, Spades));
    EXPECT_EQ(cards.CardCall("RESX"), BidCode(3, Spades));  // unreadable reads as 3S
    EXPECT_EQ(cards.CardCall("ABSENT"), Pass);
    EXPECT_EQ(cards.CardCall("SUPX"), BidCode(2, Hearts));
    EXPECT_EQ(cards.NegativeDoubleLimit(), BidCode(3, Spades));

    EXPECT_TRUE(cards.CardCallAtLeast("SUPX", BidCode(2, Hearts)));
    EXPECT_TRUE(cards.CardCallAtLeast("SUPX", BidCode(1, NoTrump)));
    EXPECT_FALSE(cards.CardCallAtLeast("SUPX", BidCode(2, Spades)));
    EXPECT_FALSE(cards.CardCallAtLeast("VPRETEXT", Pass));
    EXPECT_FALSE(cards.CardCallAtLeast("ABSENT", Pass));
    EXPECT_FALSE(cards.CardCallAtLeast("LIM7", Pass));

    // Older cards keep the limits under key + "TEXT"; an unset one falls back to the key.
    EXPECT_EQ(cards.CardLevelLimit("RESX"), BidCode(2, Diamonds));
    EXPECT_EQ(cards.CardLevelLimit("SUPX"), BidCode(2, Hearts));
    EXPECT_EQ(cards.CardLevelLimit("VPRE"), Pass);  // "__" is unset: no limit
}

TEST(CardQueryTest, ValuesTheEditorNeverWritesAreAcceptedBesideItsOwn) {
    const auto editor = CardsWith("1CFR=INVM\n2/1GF=X\n");
    const auto older = CardsWith("1CFR=INVMIN\n2/1=UNLESS\n");
    EXPECT_TRUE(editor.MinorRaiseForcing(Pass));
    EXPECT_TRUE(older.MinorRaiseForcing(Pass));
    EXPECT_FALSE(editor.MinorRaiseForcing(Double));
    EXPECT_TRUE(editor.MinorRaiseForcing(BidCode(1, Spades)));
    EXPECT_FALSE(CardsWith("1CO3C=F\n").MinorRaiseForcing(BidCode(1, Spades)));
    EXPECT_TRUE(editor.TwoOverOneGameForcing());
    EXPECT_FALSE(editor.TwoOverOneForcingUnlessRebid());
    EXPECT_TRUE(older.TwoOverOneForcingUnlessRebid());
    EXPECT_TRUE(CardsWith("2/1=GF\n").TwoOverOneGameForcing());
    EXPECT_TRUE(CardsWith("GFUNLESS=X\n").TwoOverOneForcingUnlessRebid());
}

TEST(CardQueryTest, SlamAndCompetitiveTests) {
    const auto cards = CardsWith("4N=RKC14\n4C=RKCG\nMINQ=MICH\nMAJQ=TAB\nWJSC=X\nCTL2=X\n");
    EXPECT_TRUE(cards.UsesRKC(true));
    EXPECT_TRUE(cards.UsesRKC(false));
    EXPECT_FALSE(CardsWith("4N=RKC\n4C=GERB\n").UsesRKC(true));
    EXPECT_TRUE(cards.UsesGerber());
    EXPECT_FALSE(cards.UsesKeycard());
    EXPECT_TRUE(cards.CueBidIsMichaels(CueOver::Minor));
    EXPECT_FALSE(cards.CueBidIsMichaels(CueOver::Major));
    EXPECT_FALSE(cards.WeakJumpShifts(true));
    EXPECT_TRUE(cards.WeakJumpShifts(false));
    EXPECT_TRUE(cards.CueBidsShowSecondRoundControl());
}

TEST(OneNTRangeTest, SecondRangeOnlyWhileEveryTickedConditionHolds) {
    EXPECT_EQ(CardsWith("ONAL=15\nONAH=17\nNTNV=X\n").ActiveOneNTRange({true, false, true}), "ONA");
    EXPECT_EQ(CardsWith("ONBL=12\nONBH=__\n").ActiveOneNTRange({}), "ONA");
    const auto cards = CardsWith("ONAL=15\nONAH=17\nONBL=12\nONBH=14\nNTNV=X\nNT12=X\n");
    EXPECT_EQ(cards.ActiveOneNTRange({false, false, true}), "ONB");
    EXPECT_EQ(cards.ActiveOneNTRange({true, false, true}), "ONA");
    EXPECT_EQ(cards.ActiveOneNTRange({false, false, false}), "ONA");
    const auto theirs = CardsWith("ONBL=12\nONBH=14\nNTTheyV=X\n");
    EXPECT_EQ(theirs.ActiveOneNTRange({false, true, true}), "ONB");
    EXPECT_EQ(theirs.ActiveOneNTRange({false, false, true}), "ONA");
    EXPECT_EQ(CardsWith("ONBL=12\nONBH=14\n").ActiveOneNTRange({true, true, false}), "ONB");
}

TEST(OneNTRangeTest, OpenerSeat) {
    const CallCode nt = BidCode(1, NoTrump);
    EXPECT_TRUE(OpenerInFirstOrSecondSeat(std::vector<CallCode>{}));
    EXPECT_TRUE(OpenerInFirstOrSecondSeat(std::vector<CallCode>{Pass}));
    EXPECT_TRUE(OpenerInFirstOrSecondSeat(std::vector<CallCode>{nt, Pass}));
    EXPECT_TRUE(OpenerInFirstOrSecondSeat(std::vector<CallCode>{Pass, nt}));
    EXPECT_FALSE(OpenerInFirstOrSecondSeat(std::vector<CallCode>{Pass, Pass, nt}));
}

TEST(NTStructureTest, StructureKeysFollowTheSwitch) {
    auto cards = CardsWith("M:1N2D=JACH\nM:LEBF=X\n2:1N2D=NAT\nD:1N2H=JACS\n");
    EXPECT_EQ(cards.State(1).NTStructure, "M");
    EXPECT_TRUE(cards.CardStructEquals(":1N2D", "JACH"));
    EXPECT_TRUE(cards.UsesJacobyTransfers());
    EXPECT_TRUE(cards.UsesLebensohl());

    EXPECT_TRUE(cards.SetNTStructure(1, '2'));
    EXPECT_FALSE(cards.SetNTStructure(1, '2'));
    EXPECT_TRUE(cards.CardStructEquals(":1N2D", "NAT"));
    EXPECT_FALSE(cards.UsesJacobyTransfers());
    EXPECT_FALSE(cards.UsesLebensohl());

    EXPECT_TRUE(cards.SetNTStructure(1, 'D'));
    EXPECT_TRUE(cards.UsesJacobyTransfers());
    EXPECT_EQ(cards.State(2).NTStructure, "M");  // the other side is untouched
}

TEST(NTStructureTest, ChoosingTheStructure) {
    NTStructureFacts opening;
    opening.AnyMeaning42 = opening.BidderIsOpener = true;
    EXPECT_EQ(ChooseNTStructure(opening).Code, 'M');
    EXPECT_TRUE(ChooseNTStructure(opening).StartsOneNTSequence);
    opening.SecondRangeActive = true;
    EXPECT_EQ(ChooseNTStructure(opening).Code, '2');

    NTStructureFacts relay;
    relay.PartnerLastMeaningIs152 = relay.AnyMeaning42 = true;
    EXPECT_EQ(ChooseNTStructure(relay).Code, 'F');
    relay.OwnMeaningsExactly42And133 = true;
    EXPECT_EQ(ChooseNTStructure(relay).Code, 'B');

    NTStructureFacts overcall;
    overcall.BidderIsFirstDefender = true;
    EXPECT_EQ(ChooseNTStructure(overcall).Code, 'D');
    overcall.BidderIsFirstDefender = false;
    EXPECT_EQ(ChooseNTStructure(overcall).Code, 'B');
    overcall.AnyMeaning64Or72 = true;
    EXPECT_EQ(ChooseNTStructure(overcall).Code, 0);
}

TEST(DefenceTest, WeakOrStrongByTheDefendersThreshold) {
    ConventionCards cards;
    cards.Card(1) = ConventionCard::FromText("ONAL=12\nONAH=14\nOVNL=15\n");
    cards.Card(2) = ConventionCard::FromText(
        "StrongNTHCP=13\nVNTW=LANDY\nVNTS=DONT\nVNTWBAL=NATURAL\nVNTSBAL=CAPP\n");
    cards.UpdateDefences();
    EXPECT_EQ(cards.State(2).DirectDefence, "LANDY");
    EXPECT_EQ(cards.State(2).BalancingDefence, "NATURAL");
    cards.Card(1).Set("ONAL", "13");
    cards.UpdateDefences();
    EXPECT_EQ(cards.State(2).DirectDefence, "DONT");
    EXPECT_EQ(cards.State(2).BalancingDefence, "CAPP");
    // A forcing-club rebid starts at 16; an overcall at its own bound.
    cards.Card(1).Set("ONAL", "12");
    cards.SetNTStructure(1, 'F');
    EXPECT_EQ(cards.State(2).DirectDefence, "DONT");
    cards.SetNTStructure(1, 'M');
    EXPECT_EQ(cards.State(2).DirectDefence, "LANDY");
    cards.SetNTStructure(1, 'D');
    EXPECT_EQ(cards.State(2).DirectDefence, "DONT");
    // Without a threshold the defenders count 14 and up as strong.
    ConventionCards plain;
    plain.Card(1) = ConventionCard::FromText("VNTW=LANDY\nVNTS=DONT\n");
    plain.Card(2) = ConventionCard::FromText("ONAL=13\n");
    plain.UpdateDefences();
    EXPECT_EQ(plain.State(1).DirectDefence, "LANDY");
}

TEST(DefenceTest, ExchangingSidesSwapsCardsAndNames) {
    ConventionCards cards;
    cards.Card(1) = ConventionCard::FromText("GENS=STD\n");
    cards.Card(2) = ConventionCard::FromText("GENS=2/1\n");
    cards.State(1).CardFileName = "a.cc";
    cards.State(2).CardFileName = "b.cc";
    cards.ExchangeSides();
    cards.SelectSide(1);
    EXPECT_TRUE(cards.IsTwoOverOne());
    EXPECT_EQ(cards.State(1).CardFileName, "b.cc");
    cards.SelectSide(2);
    EXPECT_TRUE(cards.IsStandardAmerican());
}

TEST(DefenceSummaryTest, EveryDefenceChoiceHasASummary) {
    for (const auto& info : card_keys::Vocabulary) {
        if (info.Key != "VNTW") continue;
        size_t count = 0;
        for (size_t pos = 0; pos < info.Codes.size();) {
            size_t end = info.Codes.find(' ', pos);
            if (end == std::string_view::npos) end = info.Codes.size();
            const auto code = info.Codes.substr(pos, end - pos);
            ASSERT_NE(FindDefenceSummary(code), nullptr) << code;
            EXPECT_EQ(FindDefenceSummary(code)->Code, code);
            ++count;
            pos = end + 1;
        }
        EXPECT_EQ(count, DefenceSummaries.size());
    }
    EXPECT_EQ(FindDefenceSummary("LANDY")->Rows[2], "~H + ~S");
    EXPECT_EQ(FindDefenceSummary("BRO"), nullptr);
}

}  // namespace
}  // namespace corvane

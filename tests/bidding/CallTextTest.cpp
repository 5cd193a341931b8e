#include "bidding/CallText.h"
#include "bidding/SuitMarkup.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(CallFromTextTest, BidsInEveryWrittenForm) {
    for (const char* text : {"1h", "1H", "1H(3)", "(1H)", "~1H", "1~H", "1\xC2", "1~h(12)"}) {
        EXPECT_EQ(CallFromText(text), 5) << text;
    }
    EXPECT_EQ(CallFromText("1C"), 3);
    EXPECT_EQ(CallFromText("7N"), 37);
    EXPECT_EQ(CallFromText("7NT"), 37);  // only the first strain character counts
    EXPECT_EQ(CallFromText("3\xC8"), BidCode(3, NoTrump));
    EXPECT_EQ(CallFromText("2\xC0"), BidCode(2, Clubs));
    EXPECT_EQ(CallFromText("4\xC3"), BidCode(4, Spades));
    EXPECT_EQ(CallFromText("0C"), 3);  // level below one reads as one
}

TEST(CallFromTextTest, PassDoubleAndRedoubleSpellings) {
    for (const char* text : {"Pass", "P", "", "aP", "(Pass)", "Pass(2)"}) {
        EXPECT_EQ(CallFromText(text), Pass) << text;
    }
    for (const char* text : {"X", "Dbl", "XD", "DX", "D", "X(1)"}) {
        EXPECT_EQ(CallFromText(text), Double) << text;
    }
    for (const char* text : {"XX", "RDbl", "R", "eR", "XX(4)"}) {
        EXPECT_EQ(CallFromText(text), Redouble) << text;
    }
}

TEST(CallFromTextTest, UnreadableTextGivesNoCall) {
    for (const char* text : {"(1H", "(", "1", "Z", "x", "xx", "1Z", "1X", "????", "??", "8S", "9N",
                             "\x97\x97\x97 ", "((1H))"}) {
        EXPECT_EQ(CallFromText(text), NoCall) << text;
    }
}

TEST(CallTextTest, EveryCodeReadsBackFromEachForm) {
    for (int code = Redouble; code <= NoCall; ++code) {
        const auto c = static_cast<CallCode>(code);
        EXPECT_EQ(CallFromText(CallText(c)), c) << code;
        EXPECT_EQ(CallFromText(CallDisplayText(c)), c) << code;
        EXPECT_EQ(CallFromText(CallShortText(c)), c) << code;
    }
}

TEST(CallTextTest, FormsOfSpecialCodes) {
    EXPECT_EQ(CallText(Redouble), "XX");
    EXPECT_EQ(CallDisplayText(Redouble), "RDbl");
    EXPECT_EQ(CallDisplayText(Double), "Dbl");
    EXPECT_EQ(CallShortText(Pass), "P");
    EXPECT_EQ(CallText(BidCode(4, Hearts)), "4H");
    EXPECT_EQ(CallDisplayText(BidCode(4, Hearts)), "4~H");
    EXPECT_EQ(CallText(NoCall), "????");
    EXPECT_EQ(CallDisplayText(NoCall), "\x97\x97\x97 ");
    EXPECT_EQ(CallShortText(NoCall), "??");
    EXPECT_EQ(CallText(39), "????");
    EXPECT_EQ(CallDisplayText(200), "????");
    EXPECT_EQ(CallShortText(255), "??");
}

TEST(CallTextTest, ContractTextsCarryTheDoubling) {
    const CallCode fourHearts = BidCode(4, Hearts);
    EXPECT_EQ(ContractText(fourHearts, 1), "4HX");
    EXPECT_EQ(ContractText(fourHearts, 2), "4HXX");
    EXPECT_EQ(ContractDisplayText(fourHearts, 1), "4~HX");
    EXPECT_EQ(ContractPadText(fourHearts, 0), "4~H");
    EXPECT_EQ(ContractPadText(BidCode(3, NoTrump), 2), "3~N XX");
    EXPECT_EQ(ContractPadText(fourHearts, 1), "4~H X");
}

TEST(DealFileCallsTest, CompactRunsOfCalls) {
    using Calls = std::vector<std::string>;
    EXPECT_EQ(CompactCallTexts("1S2HPPD"), (Calls{"1S", "2H", "Pass", "Pass", "X"}));
    EXPECT_EQ(CompactCallTexts("1npr"), (Calls{"1N", "Pass", "XX"}));
    // Stray characters and a level digit without a strain letter are passed over.
    EXPECT_EQ(CompactCallTexts("1SZ8CP3"), (Calls{"1S", "Pass"}));
    EXPECT_EQ(CompactCallTexts("1P"), (Calls{"Pass"}));
    EXPECT_TRUE(CompactCallTexts("").empty());
}

TEST(DealFileCallsTest, SingleTokens) {
    EXPECT_EQ(CallTokenText("D"), "X");
    EXPECT_EQ(CallTokenText("R"), "XX");
    EXPECT_EQ(CallTokenText("P"), "Pass");
    EXPECT_EQ(CallTokenText("D!"), "X");
    EXPECT_EQ(CallTokenText("2N!strong"), "2N");
    EXPECT_EQ(CallTokenText("1S"), "1S");
    EXPECT_EQ(CallTokenText("-"), std::nullopt);
}

TEST(SuitMarkupTest, SymbolsAmongText) {
    using Runs = std::vector<MarkupRun>;
    EXPECT_EQ(SplitSuitMarkup("South made 4~S X"),
              (Runs{{false, NoTrump, "South made 4"}, {true, Spades, ""}, {false, NoTrump, " X"}}));
    EXPECT_EQ(SplitSuitMarkup("~h~N"), (Runs{{true, Hearts, ""}, {true, NoTrump, ""}}));
    EXPECT_EQ(SplitSuitMarkup("~n"), (Runs{{false, NoTrump, "~n"}}));
    // A "~" with no strain letter after it is drawn as it stands.
    EXPECT_EQ(SplitSuitMarkup("a~"), (Runs{{false, NoTrump, "a~"}}));
    EXPECT_EQ(SplitSuitMarkup("~Z1"), (Runs{{false, NoTrump, "~Z1"}}));
    EXPECT_TRUE(SplitSuitMarkup("").empty());
    EXPECT_EQ(SymbolColourOf(Diamonds), SymbolColour::Red);
    EXPECT_EQ(SymbolColourOf(Hearts), SymbolColour::Red);
    EXPECT_EQ(SymbolColourOf(NoTrump), SymbolColour::Navy);
    EXPECT_EQ(SymbolColourOf(Clubs), SymbolColour::Text);
}

}  // namespace
}  // namespace corvane

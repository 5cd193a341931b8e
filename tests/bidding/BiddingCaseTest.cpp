#include "bidding/BiddingCase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace corvane::test {
namespace {

constexpr const char* Line =
    R"({"id": "x:1", "dealer": "E", "vul": "NS", "seat": "W", "hand": "S:AKQ2 H:J54 D:T9 C:8765",)"
    R"( "auction": ["P", "1S", "X"], "expected": "XX", "alternatives": ["2N"], "tags": [], "n": 3, "o": {"a": [1]}})";

TEST(BiddingCase, ReadsALine) {
    const BiddingCaseRead read = ReadBiddingCase(Line);
    ASSERT_TRUE(read.Case) << read.Error;
    const BiddingCase& bc = *read.Case;
    EXPECT_EQ(bc.Id, "x:1");
    EXPECT_EQ(bc.Dealer, East);
    EXPECT_EQ(bc.Vul, VulNS);
    EXPECT_EQ(bc.Seat, West);
    EXPECT_EQ(bc.Calls, (std::vector<CallCode>{Pass, BidCode(1, Spades), Double}));
    EXPECT_EQ(bc.Expected, Redouble);
    EXPECT_EQ(bc.Alternatives, std::vector<CallCode>{BidCode(2, NoTrump)});
    EXPECT_EQ(Length(bc.Hand[Spades]), 4);
}

TEST(BiddingCase, RefusesBrokenLines) {
    EXPECT_FALSE(ReadBiddingCase("").Case);
    EXPECT_FALSE(ReadBiddingCase("{\"dealer\": \"N\"").Case);
    EXPECT_FALSE(ReadBiddingCase(R"({"dealer": "Q", "seat": "N"})").Case);
    std::string shortHand = Line;
    shortHand.replace(shortHand.find("8765"), 4, "876");
    EXPECT_NE(ReadBiddingCase(shortHand).Error.find("12 cards"), std::string::npos);
    std::string badCall = Line;
    badCall.replace(badCall.find("\"1S\""), 4, "\"8S\"");
    EXPECT_FALSE(ReadBiddingCase(badCall).Case);
    EXPECT_EQ(CaseCallFromText("1NT"), BidCode(1, NoTrump));
    EXPECT_EQ(CaseCallFromText("0C"), NoCall);
    EXPECT_EQ(CaseCallText(BidCode(7, NoTrump)), "7N");
}

TEST(BiddingCase, RefusesAuctionsThatDoNotLeadToTheSeat) {
    BiddingData data;
    ASSERT_EQ(LoadBiddingData(data, CORVANE_SOURCE_DIR "/data", "Std American.cc", "Std American.cc"), "");
    BiddingCase bc = *ReadBiddingCase(Line).Case;
    bc.Calls = {BidCode(1, Spades), BidCode(1, Clubs), Pass};
    EXPECT_NE(RunBiddingCase(bc, data).Error, "");
    bc.Calls = {Pass};
    EXPECT_NE(RunBiddingCase(bc, data).Error, "");  // does not reach West
}

TEST(BiddingCase, SharedCasesAllRun) {
    const std::filesystem::path file = std::filesystem::path(CORVANE_TESTDATA) / "bidding" / "sa_cases.jsonl";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "no bidding cases at " << file;
    BiddingData data;
    ASSERT_EQ(LoadBiddingData(data, CORVANE_SOURCE_DIR "/data", "Std American.cc", "Std American.cc"), "");
    std::ifstream in(file);
    std::string line;
    int cases = 0;
    while (std::getline(in, line)) {
        const BiddingCaseRead read = ReadBiddingCase(line);
        ASSERT_TRUE(read.Case) << read.Error << ": " << line;
        const CaseResult result = RunBiddingCase(*read.Case, data);
        EXPECT_EQ(result.Error, "") << read.Case->Id;
        EXPECT_TRUE(IsBid(result.Chosen) || result.Chosen <= Pass) << read.Case->Id;
        ++cases;
    }
    EXPECT_GT(cases, 0);
}

}  // namespace
}  // namespace corvane::test

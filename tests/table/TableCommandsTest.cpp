// Menu commands of the table: the double-dummy request with its par line, the convention-card
// swap and the problem report.
#include "TableFixture.h"

#include <algorithm>

namespace corvane::testing {
namespace {

// The library's answer (strain-major) in which North and South take ten tricks in spades and
// every other declarer six in every strain.
DDTableResult NorthSouthMakeFourSpades() {
    DDTableResult result;
    result.fill(6);
    result[Spades * 4 + North] = 10;
    result[Spades * 4 + South] = 10;
    return result;
}

std::string Decoded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

TEST_F(TableTest, DoubleDummyRequestShowsTheTableAndThePar) {
    Start();
    Type("1H");
    solver.DDTable = NorthSouthMakeFourSpades();
    table->DoubleDummyResults1Click();

    // The request starts the board's auction again and computes on the dealt hands.
    EXPECT_TRUE(table->Auction().Calls().empty());
    EXPECT_EQ(S().Phase, PhaseBidding);
    EXPECT_EQ(solver.LastDDDeal, DealFromSeed(12345).Holdings);
    EXPECT_TRUE(view.DDShown);
    EXPECT_TRUE(view.Shown(Panel::DDResults));
    const bool nsVulnerable = SeatVulnerable(table->Board().Vul, North);
    EXPECT_EQ(view.CaptionOf(Caption::ParText),
              std::string("Par: 4~S N/S; N-S ") + (nsVulnerable ? "620" : "420"));
    EXPECT_EQ(table->Par().Contract, BidCode(4, Spades));
    EXPECT_EQ(DDTricks(table->DDResultTable(), South, Spades), 10);

    table->CloseDDResultsClick();
    EXPECT_FALSE(view.Shown(Panel::DDResults));
    EXPECT_EQ(S().Phase, PhaseBidding);
}

TEST_F(TableTest, FailedDoubleDummyTableNeverShowsAnotherDealsTable) {
    Start({12345, 777});
    solver.DDTable = NorthSouthMakeFourSpades();
    table->DoubleDummyResults1Click();
    const auto firstTable = table->DDResultTable();

    // The same deal again: the message, and the table already computed for it.
    table->CloseDDResultsClick();
    view.DDShown = false;
    solver.DDTableResultCode = -3;
    table->DoubleDummyResults1Click();
    EXPECT_EQ(view.Messages.back(), "error in DD Table - -3");
    EXPECT_TRUE(view.DDShown);
    EXPECT_EQ(table->DDResultTable(), firstTable);

    // Another board: the message only, no stale table or par.
    table->CloseDDResultsClick();
    table->EOSNewHandClick();
    ASSERT_EQ(S().HandNumber, 2);
    view.DDShown = false;
    const std::string parBefore = view.CaptionOf(Caption::ParText);
    table->DoubleDummyResults1Click();
    EXPECT_EQ(view.Messages.back(), "error in DD Table - -3");
    EXPECT_FALSE(view.DDShown);
    EXPECT_FALSE(view.Shown(Panel::DDResults));
    EXPECT_EQ(view.CaptionOf(Caption::ParText), parBefore);
}

TEST_F(TableTest, DoubleDummyRequestNeedsABoard) {
    Build();
    table->DoubleDummyResults1Click();
    EXPECT_FALSE(view.DDShown);
    EXPECT_EQ(solver.LastDDDeal, DealHoldings{});
}

TEST_F(TableTest, SwapOfTheConventionCardsByKeyAndMenu) {
    Start();
    view.Captions.erase(Caption::NSTeamLine);
    Key(KeyCode::F11);
    EXPECT_EQ(bidder.Swaps, 1);
    EXPECT_EQ(view.CaptionOf(Caption::NSTeamLine), "N-S :  N-S");  // the names are drawn again
    table->SwapConventionCardsClick();
    EXPECT_EQ(bidder.Swaps, 2);
    // No key reaches the table while the dealer-options panel is open.
    table->OpenDealerOptions();
    Key(KeyCode::F11);
    EXPECT_EQ(bidder.Swaps, 2);
}

TEST_F(TableTest, AuctionReviewExplainsTheChosenSeatAndComesBack) {
    Start();
    ASSERT_EQ(S().CurrentSeat, South);
    TablePhase phaseDuring = PhaseHandOver;
    TSeat seatDuring = NoSeat;
    std::int32_t argument = -1;
    view.WhileFormOpen = [&](Form form, std::int32_t a) {
        if (form != Form::SeatCalls) return;
        phaseDuring = S().Phase;
        seatDuring = S().CurrentSeat;
        argument = a;
    };
    view.FormResults[Form::ExplainMenu] = {{true, West}};
    Key('L');
    EXPECT_EQ(phaseDuring, PhaseExplaining);
    EXPECT_EQ(seatDuring, West);
    EXPECT_EQ(argument, West);
    EXPECT_EQ(S().Phase, PhaseBidding);
    EXPECT_EQ(S().CurrentSeat, South);
    // The popup closed without a choice explains nothing.
    Key('L');
    EXPECT_EQ(std::count(view.FormsOpened.begin(), view.FormsOpened.end(), Form::SeatCalls), 1);
    Type("1H");
    EXPECT_EQ(table->Auction().Calls().size(), 5u);  // East's pass, South's 1H, three passes
    EXPECT_EQ(TableController::ExplainMenuCaption(North), "&North's Bids");
}

TEST_F(TableTest, DealerOptionsPanelStaysOpenWithoutAPlayerName) {
    options.PlayerName = "";
    Build();
    table->OpenDealerOptions();
    table->CloseDealerOptions();
    EXPECT_TRUE(table->DealerOptionsOpen());
    table->DealerChoice(0);
    EXPECT_TRUE(table->DealerOptionsOpen());
    EXPECT_EQ(S().Phase, PhaseHandOver);
    ASSERT_EQ(view.Messages.size(), 2u);
    EXPECT_EQ(view.Messages[0], view.Messages[1]);
    EXPECT_EQ(view.Messages[0].rfind("Please choose a player name", 0), 0u);
}

TEST_F(TableTest, HandsTurnedFaceUpAndDownByKey) {
    Start();
    Key(KeyCode::F8);
    for (TSeat s = North; s <= West; ++s) EXPECT_TRUE(table->IsHandShown(s)) << int(s);
    Key(KeyCode::F9);  // in the auction only the person's South stays up
    for (TSeat s = North; s <= West; ++s) EXPECT_EQ(H(s).FaceUp, s == South) << int(s);
    Key(KeyCode::Home);
    EXPECT_TRUE(H(North).FaceUp);
    Key(KeyCode::Home);
    EXPECT_FALSE(H(North).FaceUp);

    Type("1H");
    table->StartButtonClick();  // South declares; West has led, North is the dummy
    Key(KeyCode::F8);
    Key(KeyCode::F9);
    for (TSeat s = North; s <= West; ++s) EXPECT_EQ(H(s).FaceUp, s == South || s == North) << int(s);
}

TEST_F(TableTest, ProblemReportMailCarriesTheBoardAndItsResults) {
    options.PlayerName = "Ann & Bob";
    BidOneHeartBySouth();
    PlayOutWithEnter();
    ASSERT_EQ(S().Phase, PhaseHandOver);
    table->ReportProblemClick();

    ASSERT_EQ(view.Urls.size(), 1u);
    const std::string& url = view.Urls[0];
    EXPECT_EQ(url.rfind(std::string("mailto:") + SupportMailAddress + "?subject=", 0), 0u);
    // Everything the person or the file wrote is encoded: one "?", one "&", no blanks.
    EXPECT_EQ(std::count(url.begin(), url.end(), '&'), 1);
    EXPECT_EQ(std::count(url.begin(), url.end(), '?'), 1);
    EXPECT_EQ(url.find(' '), std::string::npos);
    const std::string body = Decoded(url.substr(url.find("&body=") + 6));
    EXPECT_NE(body.find("Seed: " + table->Board().SeedText + "\r\n"), std::string::npos) << body;
    EXPECT_NE(body.find("Deal: " + PbnDealString(DealFromSeed(12345).Holdings)), std::string::npos);
    EXPECT_NE(body.find("Result of Ann & Bob: 1H by South, " + std::to_string(S().DeclarerTricks) +
                        " tricks, N-S " + std::to_string(S().HandScore)),
              std::string::npos)
        << body;
    EXPECT_NE(body.find("Auction:"), std::string::npos);

    // A problem met in the auction: the calls so far go with the mail.
    table->StartNewHand();
    Type("2S");
    table->ReportProblemClick();
    const std::string during = Decoded(view.Urls.back());
    std::string calls;
    for (const auto& call : table->Auction().Record().Calls) calls += " " + call;
    ASSERT_NE(calls.find("2S"), std::string::npos);
    EXPECT_NE(during.find("Auction at the table:" + calls + "\r\n"), std::string::npos) << during;

    // Without a mail program the person is told where to write.
    view.CanOpenUrls = false;
    table->ReportProblemClick();
    ASSERT_FALSE(view.Messages.empty());
    EXPECT_NE(view.Messages.back().find(SupportMailAddress), std::string::npos);
    EXPECT_NE(view.Messages.back().find(table->Board().SeedText), std::string::npos);
}

}  // namespace
}  // namespace corvane::testing

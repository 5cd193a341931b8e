// A bidder on the shipped cards with a hand given to one seat and the rest dealt from the
// remaining cards in order, for the frame and rule tests.
#pragma once

#include "bidding/BidSelection.h"
#include "bidding/BiddingCase.h"
#include "bidding/BiddingData.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::test {

class BidderFixture {
public:
    explicit BidderFixture(const std::string& card = std::string(DefaultCardFileName)) {
        const std::string error = LoadBiddingData(data, CORVANE_SOURCE_DIR "/data", card, card);
        EXPECT_EQ(error, "");
        AttachBiddingData(c, data);
    }

    // The seat holds the hand; the other seats take the remaining cards in order.
    void Deal(TSeat seat, const std::string& hand, TSeat dealer = North, Vulnerability vul = VulNone) {
        std::array<Holding, 4> suits{};
        std::string error;
        ASSERT_TRUE(ReadCaseHand(hand, suits, error)) << error;
        DealHoldings deal{};
        deal[seat] = suits;
        int other = NextSeat(seat);
        int count = 0;
        for (int suit = Clubs; suit <= Spades; ++suit) {
            for (TRank rank = 2; rank <= Ace; ++rank) {
                if (Holds(suits[static_cast<size_t>(suit)], rank)) continue;
                deal[static_cast<size_t>(other)][static_cast<size_t>(suit)] |= RankBit(rank);
                if (++count == 13) {
                    count = 0;
                    other = NextSeat(other);
                    if (other == seat) other = NextSeat(other);
                }
            }
        }
        c.Vul = vul;
        SeatDeal(c, deal);
        StartAuction(c, dealer);
    }

    // The calls before the seat's turn, accepted as computer calls.
    void Calls(std::initializer_list<const char*> calls) {
        for (const char* text : calls) AcceptCall(c, CaseCallFromText(text));
    }

    CallCode Choose() {
        ChooseComputerCall(c, false);
        return c.ChosenCall;
    }
    std::string ChooseText() { return CaseCallText(Choose()); }

    // The candidate's score as the computer would see it, without the tie rules.
    int ScoreOf(const char* call) {
        ScoreCandidate(c, CaseCallFromText(call));
        return c.Score;
    }

    // The rule's own score and meaning for the candidate, before the hand is verified.
    int RuleScore(const char* call) {
        c.NewBidInfo = c.OwnShown();
        c.CandidateCall = CaseCallFromText(call);
        DispatchCandidate(c);
        return c.Score;
    }

    BiddingData data;
    BidderContext c;
};

}  // namespace corvane::test

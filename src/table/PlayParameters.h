// The play block the table hands the solver before the opening lead: the contract, a payoff for
// every number of tricks, the dummy's cards and what each player showed in the auction.
#pragma once

#include "bidding/Call.h"
#include "cards/Cards.h"
#include "scoring/ScoringMode.h"
#include "table/SolverLibrary.h"

#include <array>
#include <cstdint>

namespace corvane {

using TrickPayoffs = std::array<int, 14>;  // to North-South, for 0..13 tricks taken by declarer

struct PlayContract {
    CallCode Contract = Pass;  // a bid
    int Doubled = 0;
    TSeat Declarer = South;
    Vulnerability Vul = VulNone;
};

// With `impPayoff` the IMPs each result gains against the contract just made; otherwise a fixed
// table by tricks over or under. Shifted so the worst result for North-South is worth 0.
TrickPayoffs TrickPayoff(const PlayContract& contract, ScoringMode mode, bool impPayoff);

struct PlayBlockRequest {
    PlayContract Contract;
    ScoringMode Mode = ImpScoring;
    bool ImpPayoff = true;
    int TimeTenths = 0;  // thinking time for the whole hand
    TSeat Seat = North;  // whose 13 cards the block carries
    std::array<CardCode, 13> SeatCards{};
    std::int32_t Seed = 0;
};

// Every player's shown record at its defaults (nothing shown) and the carding values of a card
// without agreements.
PlayBlock BuildPlayBlock(const PlayBlockRequest& request);

}  // namespace corvane

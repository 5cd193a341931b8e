// The double-dummy table of a board and the par result derived from it: the contract reached
// when both sides bid to their best score and the outbid side sacrifices when that costs less.
#pragma once

#include "bidding/Call.h"
#include "cards/Cards.h"
#include "scoring/ScoringMode.h"

#include <array>
#include <cstdint>
#include <string>

namespace corvane {

// Tricks as declarer, seat-major (North .. West), strain-minor (clubs .. no trump).
using DDResultTable = std::array<std::int32_t, 20>;

constexpr int DDTricks(const DDResultTable& table, int seat, int strain) { return table[seat * 5 + strain]; }

// The solver's table comes strain-major and seat-minor.
DDResultTable DDResultFromSolver(const std::array<std::int32_t, 20>& strainMajor);

struct ParResult {
    // A doubled par contract is kept as its bid code plus this.
    static constexpr int DoubledOffset = 36;

    int Contract = Pass;    // a bid code; above 37 the contract doubled (code + DoubledOffset)
    TSeat Declarer = North;
    int Tricks = 0;         // the declarer's double-dummy tricks in the contract's strain
    int Score = 0;          // North-South's point of view
    int Over = 0;           // tricks - (level + 6)
    bool Doubled() const { return Contract > LastBid; }
    // The contract's bid code, doubled or not.
    int Bid() const { return Doubled() ? Contract - DoubledOffset : Contract; }
};

ParResult CalculatePar(const DDResultTable& table, Vulnerability vulnerability,
                       ScoringMode mode = ImpScoring);

// "4~S N/S", "5~DX E/W -2", "3~N South +1"; "Pass" for a passed-out par.
std::string ParText(const DDResultTable& table, const ParResult& par, bool fullSeatNames);

}  // namespace corvane

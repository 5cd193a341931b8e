// The double-dummy operations behind the C interface, as C++: checking a position, solving it
// for the cards of the side to play, and the 20-entry table of a deal. A DoubleDummySolver
// belongs to one thread and keeps its table memory from one solve to the next.
#pragma once

#include "table/solver/Search.h"
#include "table/solver/TransTable.h"
#include "table/solver/sds.h"

#include <array>
#include <cstdint>
#include <memory>

namespace corvane::sds {

// The first error of the position, or SDS_OK. Checks everything SolveBoard checks but the
// target and the solutions.
int ValidatePosition(const Position& position);
// The first error of the target and solutions for a position with `tricksLeft` tricks to play.
int ValidateRequest(int target, int solutions, int tricksLeft);

struct CardScore {
    int Suit = 0;
    int Rank = 0;
    Ranks Equals = 0;  // lower cards of the same hand that play the same
    int Score = 0;     // tricks the side to play takes, the current trick included
};

struct SolveResult {
    int Code = SDS_OK;
    std::uint64_t Nodes = 0;
    int Count = 0;
    std::array<CardScore, 13> Cards{};
};

// Strains: the four suits, clubs first, then no trump. The library keeps its own count, as it
// stands apart from the rest of the program.
inline constexpr int Strains = 5;

// Tricks per strain and declarer seat.
using TrickTable = std::array<std::array<int, 4>, Strains>;

struct TableResult {
    int Code = SDS_OK;
    std::uint64_t Nodes = 0;
    TrickTable Tricks{};
};

using Holdings = std::array<std::array<Ranks, 4>, 4>;

// One strain of a table: tricks per declarer seat.
struct StrainResult {
    int Code = SDS_OK;
    std::uint64_t Nodes = 0;
    std::array<int, 4> Tricks{};
};

class DoubleDummySolver {
public:
    DoubleDummySolver();

    // Target -1 finds the best score; solutions 1, 2 or 3 as in SolveBoard. Table memory is kept
    // when the position continues the previous one (same trump, no card that was not there);
    // otherwise it is cleared, so a solve depends only on the solves of the same hand before it.
    SolveResult Solve(const Position& position, int target, int solutions);

    // The table of a deal, strain by strain as CalcStrain gives them.
    TableResult CalcTable(const Holdings& holdings);
    // One strain of the table of a deal; starts from an empty table memory, so it depends on
    // nothing else.
    StrainResult CalcStrain(const Holdings& holdings, int strain);

private:
    TransTable table_;
    Searcher searcher_;
    int lastTrump_ = -1;
    std::array<Ranks, 4> lastCards_{};  // every card of the previous solve, per suit
};

}  // namespace corvane::sds
